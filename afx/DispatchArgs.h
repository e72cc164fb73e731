// Automation arguments: the VTS_* parameter type strings, and the typed
// conversion between a caller's DISPPARAMS and a handler's own C++ signature.
//
// A type string is one byte per parameter: the VARTYPE the argument is coerced
// to, with kByRef (0x40) added for a pointer to it. Each dispatch or event map
// entry checks at compile time that its type string matches its handler:
//   VTS_I2 short, VTS_I4 long, VTS_R4 float, VTS_R8/VTS_DATE double,
//   VTS_BSTR const wchar_t* (or BSTR), VTS_DISPATCH IDispatch*, VTS_SCODE long,
//   VTS_BOOL BOOL, VTS_VARIANT const VARIANT& (or VARIANT&), VTS_UNKNOWN IUnknown*,
//   VTS_PVARIANT VARIANT*, VTS_PI2 short*, VTS_PI4 long*, VTS_PR8 double*,
//   VTS_PBSTR BSTR*, VTS_PBOOL VARIANT_BOOL*, VTS_PDISPATCH IDispatch**.
// Results: VT_EMPTY void, VT_I4 long, VT_BOOL BOOL, VT_BSTR CString or BSTR,
// VT_VARIANT VARIANT, VT_DISPATCH IDispatch* (the caller gets the reference).
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <array>
#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

#include "afx/AfxString.h"
#include "afx/OleValues.h"

#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R4 "\x04"
#define VTS_R8 "\x05"
#define VTS_DATE "\x07"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_SCODE "\x0A"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_UNKNOWN "\x0D"
#define VTS_PI2 "\x42"
#define VTS_PI4 "\x43"
#define VTS_PR4 "\x44"
#define VTS_PR8 "\x45"
#define VTS_PBSTR "\x48"
#define VTS_PDISPATCH "\x49"
#define VTS_PBOOL "\x4B"
#define VTS_PVARIANT "\x4C"
#define VTS_PUNKNOWN "\x4D"

class CCmdTarget;

namespace afx::disp {

constexpr BYTE kByRef = 0x40;

// One argument prepared for a handler.
struct ArgSlot {
  UniqueVariant value;       // by-value types: the argument coerced to its type
  VARIANT* ref = nullptr;    // VTS_VARIANT, VTS_PVARIANT: the caller's VARIANT
  void* byref = nullptr;     // other by-reference types: the caller's storage
};

// Prepares slot from the caller's argument (null when the caller left it out).
HRESULT PrepareSlot(ArgSlot& slot, BYTE type, VARIANT* source) noexcept;
// Prepares count slots from params in script order. More arguments than
// parameters: DISP_E_BADPARAMCOUNT. On a failed conversion argErr names the
// argument's index in rgvarg.
HRESULT PrepareSlots(ArgSlot* slots, const char* types, size_t count, const DISPPARAMS& params,
                     UINT* argErr) noexcept;

// How a handler's parameter of type T is fed.
template <class T>
struct Param {
  static constexpr bool Accepts(BYTE) { return false; }
};
template <>
struct Param<short> {
  static constexpr bool Accepts(BYTE t) { return t == VT_I2; }
  static short Get(ArgSlot& s) { return s.value.iVal; }
};
template <>
struct Param<long> {
  static constexpr bool Accepts(BYTE t) { return t == VT_I4 || t == VT_ERROR; }
  static long Get(ArgSlot& s) { return s.value.vt == VT_ERROR ? s.value.scode : s.value.lVal; }
};
template <>
struct Param<int> {  // BOOL
  static constexpr bool Accepts(BYTE t) { return t == VT_BOOL; }
  static int Get(ArgSlot& s) { return s.value.boolVal != VARIANT_FALSE ? TRUE : FALSE; }
};
template <>
struct Param<float> {
  static constexpr bool Accepts(BYTE t) { return t == VT_R4; }
  static float Get(ArgSlot& s) { return s.value.fltVal; }
};
template <>
struct Param<double> {
  static constexpr bool Accepts(BYTE t) { return t == VT_R8 || t == VT_DATE; }
  static double Get(ArgSlot& s) { return s.value.vt == VT_DATE ? s.value.date : s.value.dblVal; }
};
template <>
struct Param<const wchar_t*> {
  static constexpr bool Accepts(BYTE t) { return t == VT_BSTR; }
  static const wchar_t* Get(ArgSlot& s) { return s.value.bstrVal ? s.value.bstrVal : L""; }
};
template <>
struct Param<BSTR> {
  static constexpr bool Accepts(BYTE t) { return t == VT_BSTR; }
  static BSTR Get(ArgSlot& s) { return s.value.bstrVal; }
};
template <>
struct Param<IDispatch*> {
  static constexpr bool Accepts(BYTE t) { return t == VT_DISPATCH; }
  static IDispatch* Get(ArgSlot& s) { return s.value.pdispVal; }
};
template <>
struct Param<IUnknown*> {
  static constexpr bool Accepts(BYTE t) { return t == VT_UNKNOWN; }
  static IUnknown* Get(ArgSlot& s) { return s.value.punkVal; }
};
template <>
struct Param<const VARIANT&> {
  static constexpr bool Accepts(BYTE t) { return t == VT_VARIANT; }
  static const VARIANT& Get(ArgSlot& s) { return *s.ref; }
};
template <>
struct Param<VARIANT&> {
  static constexpr bool Accepts(BYTE t) { return t == VT_VARIANT; }
  static VARIANT& Get(ArgSlot& s) { return *s.ref; }
};
template <>
struct Param<VARIANT*> {
  static constexpr bool Accepts(BYTE t) { return t == (kByRef | VT_VARIANT); }
  static VARIANT* Get(ArgSlot& s) { return s.ref; }
};
// Pointers to the caller's own storage (VT_BYREF arguments).
template <class T, BYTE... Types>
struct ByRefParam {
  static constexpr bool Accepts(BYTE t) { return ((t == (kByRef | Types)) || ...); }
  static T* Get(ArgSlot& s) { return static_cast<T*>(s.byref); }
};
template <>
struct Param<short*> : ByRefParam<short, VT_I2, VT_BOOL> {};
template <>
struct Param<long*> : ByRefParam<long, VT_I4, VT_ERROR> {};
template <>
struct Param<float*> : ByRefParam<float, VT_R4> {};
template <>
struct Param<double*> : ByRefParam<double, VT_R8, VT_DATE> {};
template <>
struct Param<BSTR*> : ByRefParam<BSTR, VT_BSTR> {};
template <>
struct Param<IDispatch**> : ByRefParam<IDispatch*, VT_DISPATCH> {};
template <>
struct Param<IUnknown**> : ByRefParam<IUnknown*, VT_UNKNOWN> {};

// How a handler's result of type R reaches the caller.
template <class R>
struct Result {
  static constexpr bool Accepts(VARTYPE) { return false; }
};
template <>
struct Result<void> {
  static constexpr bool Accepts(VARTYPE t) { return t == VT_EMPTY; }
};
template <>
struct Result<long> {
  static constexpr bool Accepts(VARTYPE t) { return t == VT_I4; }
  static void Put(long value, VARIANT& out) { out.vt = VT_I4; out.lVal = value; }
};
template <>
struct Result<int> {  // BOOL
  static constexpr bool Accepts(VARTYPE t) { return t == VT_BOOL; }
  static void Put(int value, VARIANT& out) { out.vt = VT_BOOL; out.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; }
};
template <>
struct Result<double> {
  static constexpr bool Accepts(VARTYPE t) { return t == VT_R8; }
  static void Put(double value, VARIANT& out) { out.vt = VT_R8; out.dblVal = value; }
};
template <>
struct Result<BSTR> {
  static constexpr bool Accepts(VARTYPE t) { return t == VT_BSTR; }
  static void Put(BSTR value, VARIANT& out) { out.vt = VT_BSTR; out.bstrVal = value; }
};
template <>
struct Result<CString> {
  static constexpr bool Accepts(VARTYPE t) { return t == VT_BSTR; }
  static void Put(const CString& value, VARIANT& out);
};
template <>
struct Result<VARIANT> {
  static constexpr bool Accepts(VARTYPE t) { return t == VT_VARIANT; }
  static void Put(const VARIANT& value, VARIANT& out) { out = value; }  // the handler's VARIANT moves over
};
template <>
struct Result<IDispatch*> {
  static constexpr bool Accepts(VARTYPE t) { return t == VT_DISPATCH; }
  static void Put(IDispatch* value, VARIANT& out) { out.vt = VT_DISPATCH; out.pdispVal = value; }
};

// What a member function handler looks like.
template <class F>
struct Signature;
template <class C, class R, class... A>
struct Signature<R (C::*)(A...)> {
  using Class = C;
  using ResultType = R;
  using Args = std::tuple<A...>;
  static constexpr size_t kArity = sizeof...(A);
};
template <auto Handler>
using HandlerSignature = Signature<decltype(Handler)>;

template <auto Handler, size_t... I>
constexpr bool ParamsMatch(const char* types, std::index_sequence<I...>) {
  using Args = typename HandlerSignature<Handler>::Args;
  return ((types[I] != '\0' &&
           Param<std::tuple_element_t<I, Args>>::Accepts(static_cast<BYTE>(types[I]))) && ...) &&
         types[sizeof...(I)] == '\0';
}

// True when the type string describes exactly the handler's parameters.
template <auto Handler>
constexpr bool ParamsMatch(const char* types) {
  return ParamsMatch<Handler>(types, std::make_index_sequence<HandlerSignature<Handler>::kArity>());
}

template <auto Handler, size_t... I>
decltype(auto) CallWithSlots(CCmdTarget* target, ArgSlot* slots, std::index_sequence<I...>) {
  using S = HandlerSignature<Handler>;
  auto* object = static_cast<typename S::Class*>(target);
  return (object->*Handler)(Param<std::tuple_element_t<I, typename S::Args>>::Get(slots[I])...);
}

// Converts the caller's arguments, calls the handler and stores its result in
// result (when given). Exceptions of the handler pass through to the caller.
template <auto Handler>
HRESULT CallHandler(CCmdTarget* target, const char* types, const DISPPARAMS& params, VARIANT* result,
                    UINT* argErr) {
  using S = HandlerSignature<Handler>;
  constexpr size_t count = S::kArity;
  std::array<ArgSlot, count> slots;
  HRESULT hr = PrepareSlots(slots.data(), types, count, params, argErr);
  if (FAILED(hr)) return hr;
  using R = typename S::ResultType;
  if constexpr (std::is_void_v<R>) {
    CallWithSlots<Handler>(target, slots.data(), std::make_index_sequence<count>());
  } else {
    R value = CallWithSlots<Handler>(target, slots.data(), std::make_index_sequence<count>());
    if (result) {
      ::VariantClear(result);
      Result<R>::Put(value, *result);
    } else if constexpr (std::is_same_v<R, BSTR>) {
      ::SysFreeString(value);
    } else if constexpr (std::is_same_v<R, IDispatch*>) {
      if (value) value->Release();
    } else if constexpr (std::is_same_v<R, VARIANT>) {
      ::VariantClear(&value);
    }
  }
  return S_OK;
}

}  // namespace afx::disp
