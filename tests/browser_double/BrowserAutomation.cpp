// Automation of the members the program uses: Navigate, Silent and LocationURL,
// through IDispatch (validated and coerced by hand) and through IWebBrowser2.
#include <new>

#include "Browser.h"
#include "Dispids.h"
#include "Log.h"
#include "State.h"

namespace browser_double {

namespace {

const wchar_t kExceptionSource[] = L"WebBrowser double";

const wchar_t* ViaName(bool dispatch) { return dispatch ? L"dispatch" : L"vtable"; }

// S_OK when the scenario injects nothing for this use of the member; otherwise
// the result to return. Through IDispatch an injected exception becomes
// DISP_E_EXCEPTION with the record filled in; through the vtable its scode,
// with the description as the thread's error information.
HRESULT InjectedResult(Member member, EXCEPINFO* excep, bool dispatch) {
  std::optional<InjectedFailure> failure = TakeFailure(member);
  if (!failure) return S_OK;
  if (!failure->exception) return failure->hr;
  const std::wstring& text = failure->description;
  if (dispatch) {
    if (excep) {
      *excep = EXCEPINFO{};
      excep->bstrSource = SysAllocString(kExceptionSource);
      excep->bstrDescription = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
      excep->scode = failure->hr;
    }
    return DISP_E_EXCEPTION;
  }
  ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.GetAddressOf()))) {
    create->SetGUID(IID_IWebBrowser2);
    create->SetSource(const_cast<LPOLESTR>(kExceptionSource));
    create->SetDescription(const_cast<LPOLESTR>(text.c_str()));
    ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.As(&info))) SetErrorInfo(0, info.Get());
  }
  return failure->hr;
}

struct NamedMember {
  const wchar_t* name;
  DISPID dispid;
};
constexpr NamedMember kMembers[] = {
    {L"Navigate", kDispidNavigate},
    {L"LocationURL", kDispidLocationUrl},
    {L"Silent", kDispidSilent},
};

// A property put passes its value as the one argument named DISPID_PROPERTYPUT.
bool IsPutArgumentList(const DISPPARAMS& params, bool& named) {
  named = params.cNamedArgs == 1;
  if (params.cNamedArgs == 0) return true;
  return params.cNamedArgs == 1 && params.rgdispidNamedArgs && params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
}

}  // namespace

// IDispatch

STDMETHODIMP Browser::GetTypeInfoCount(UINT* pctinfo) noexcept {
  if (!pctinfo) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

STDMETHODIMP Browser::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) noexcept {
  if (ppTInfo) *ppTInfo = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP Browser::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                    DISPID* rgDispId) noexcept {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!rgszNames || !rgDispId) return E_POINTER;
  if (cNames == 0) return E_INVALIDARG;
  for (UINT i = 0; i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;
  for (const NamedMember& member : kMembers) {
    if (rgszNames[0] && _wcsicmp(rgszNames[0], member.name) == 0) {
      rgDispId[0] = member.dispid;
      // Named arguments are not supported: their names stay unknown.
      return cNames == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP Browser::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                             VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) noexcept {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!pDispParams) return E_INVALIDARG;
  if (pDispParams->cArgs && !pDispParams->rgvarg) return E_INVALIDARG;
  if (pDispParams->cNamedArgs > pDispParams->cArgs) return E_INVALIDARG;
  ComPtr<IUnknown> keepAlive(Identity());
  try {
    switch (dispIdMember) {
      case kDispidNavigate:
        return InvokeNavigate(wFlags, pDispParams, puArgErr, pExcepInfo);
      case kDispidSilent:
        return InvokeSilent(wFlags, pDispParams, pVarResult, puArgErr, pExcepInfo);
      case kDispidLocationUrl:
        return InvokeLocation(wFlags, pDispParams, pVarResult, pExcepInfo);
      default:
        return DISP_E_MEMBERNOTFOUND;
    }
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT Browser::InvokeNavigate(WORD flags, DISPPARAMS* params, UINT* argErr, EXCEPINFO* excep) {
  if (!(flags & DISPATCH_METHOD)) return DISP_E_MEMBERNOTFOUND;
  if (params->cNamedArgs != 0) return DISP_E_NONAMEDARGS;
  const UINT count = params->cArgs;
  if (count < 1 || count > 5) return DISP_E_BADPARAMCOUNT;
  VARIANT* args = params->rgvarg;  // reverse order: args[count - 1] is the URL
  Variant url;
  if (FAILED(VariantCopyInd(&url, &args[count - 1])) || FAILED(VariantChangeType(&url, &url, 0, VT_BSTR))) {
    if (argErr) *argErr = count - 1;
    return DISP_E_TYPEMISMATCH;
  }
  // Optional VARIANT* parameters: a VT_VARIANT | VT_BYREF argument stands for the
  // VARIANT it points to; any other argument for itself.
  VARIANT* optional[4] = {};
  for (UINT i = 1; i < count; ++i) {
    VARIANT* arg = &args[count - 1 - i];
    optional[i - 1] = arg->vt == (VT_VARIANT | VT_BYREF) ? arg->pvarVal : arg;
  }
  HRESULT injected = InjectedResult(Member::Navigate, excep, true);
  return DoNavigate(std::wstring(url.bstrVal, SysStringLen(url.bstrVal)), optional[0], optional[1], optional[2],
                    optional[3], Via::Dispatch, injected);
}

HRESULT Browser::InvokeSilent(WORD flags, DISPPARAMS* params, VARIANT* result, UINT* argErr, EXCEPINFO* excep) {
  if (flags & DISPATCH_PROPERTYPUT) {
    bool named = false;
    if (params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
    if (!IsPutArgumentList(*params, named)) return DISP_E_PARAMNOTFOUND;
    Variant value;
    if (FAILED(VariantCopyInd(&value, &params->rgvarg[0]))) {
      if (argErr) *argErr = 0;
      return DISP_E_TYPEMISMATCH;
    }
    Variant asBool;
    if (FAILED(VariantChangeType(&asBool, &value, 0, VT_BOOL))) {
      if (argErr) *argErr = 0;
      return DISP_E_TYPEMISMATCH;
    }
    HRESULT injected = InjectedResult(Member::Silent, excep, true);
    return PutSilent(value, named, Via::Dispatch, injected);
  }
  if (flags & DISPATCH_PROPERTYGET) {
    if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    VARIANT_BOOL value = VARIANT_FALSE;
    HRESULT hr = GetSilent(value, Via::Dispatch, InjectedResult(Member::Silent, excep, true));
    if (SUCCEEDED(hr) && result) {
      VariantInit(result);
      result->vt = VT_BOOL;
      result->boolVal = value;
    }
    return hr;
  }
  return DISP_E_MEMBERNOTFOUND;
}

HRESULT Browser::InvokeLocation(WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* excep) {
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
  BSTR url = nullptr;
  HRESULT hr = GetLocation(url, Via::Dispatch, InjectedResult(Member::Location, excep, true));
  if (SUCCEEDED(hr)) {
    if (result) {
      VariantInit(result);
      result->vt = VT_BSTR;
      result->bstrVal = url;
    } else {
      SysFreeString(url);
    }
  }
  return hr;
}

HRESULT Browser::PutSilent(VARIANT& value, bool named, Via via, HRESULT injected) {
  // The value as passed, as a number: VARIANT_TRUE shows as -1, a plain 1 as 1.
  Variant number;
  long raw = SUCCEEDED(VariantChangeType(&number, &value, 0, VT_I4)) ? number.lVal : 0;
  Variant asBool;
  bool on = SUCCEEDED(VariantChangeType(&asBool, &value, 0, VT_BOOL)) && asBool.boolVal != VARIANT_FALSE;
  if (SUCCEEDED(injected)) m_silent = on;
  std::wstring line = L"silent put value=" + std::to_wstring(raw) + L" vt=" + std::to_wstring(value.vt);
  if (via == Via::Dispatch) line += L" named=" + YesNo(named);
  Record(line + L" via=" + ViaName(via == Via::Dispatch) + L" hr=" + Hr(injected));
  return injected;
}

HRESULT Browser::GetSilent(VARIANT_BOOL& value, Via via, HRESULT injected) {
  value = m_silent ? VARIANT_TRUE : VARIANT_FALSE;
  Record(L"silent get value=" + std::to_wstring(value) + L" via=" + ViaName(via == Via::Dispatch) + L" hr=" +
         Hr(injected));
  return injected;
}

HRESULT Browser::GetLocation(BSTR& url, Via via, HRESULT injected) {
  url = nullptr;
  Record(L"location get url=" + Quote(m_locationUrl) + L" via=" + ViaName(via == Via::Dispatch) + L" hr=" +
         Hr(injected));
  if (FAILED(injected)) return injected;
  url = SysAllocStringLen(m_locationUrl.data(), static_cast<UINT>(m_locationUrl.size()));
  return url ? S_OK : E_OUTOFMEMORY;
}

// IWebBrowser2, the members the program uses

STDMETHODIMP Browser::Navigate(BSTR URL, VARIANT* Flags, VARIANT* TargetFrameName, VARIANT* PostData,
                               VARIANT* Headers) noexcept {
  ComPtr<IUnknown> keepAlive(Identity());
  try {
    HRESULT injected = InjectedResult(Member::Navigate, nullptr, false);
    return DoNavigate(std::wstring(URL ? URL : L"", SysStringLen(URL)), Flags, TargetFrameName, PostData, Headers,
                      Via::Vtable, injected);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

STDMETHODIMP Browser::get_LocationURL(BSTR* LocationURL) noexcept {
  if (!LocationURL) return E_POINTER;
  *LocationURL = nullptr;
  try {
    return GetLocation(*LocationURL, Via::Vtable, InjectedResult(Member::Location, nullptr, false));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

STDMETHODIMP Browser::get_Silent(VARIANT_BOOL* pbSilent) noexcept {
  if (!pbSilent) return E_POINTER;
  try {
    return GetSilent(*pbSilent, Via::Vtable, InjectedResult(Member::Silent, nullptr, false));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

STDMETHODIMP Browser::put_Silent(VARIANT_BOOL bSilent) noexcept {
  try {
    VARIANT value;
    value.vt = VT_BOOL;
    value.boolVal = bSilent;
    return PutSilent(value, false, Via::Vtable, InjectedResult(Member::Silent, nullptr, false));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace browser_double
