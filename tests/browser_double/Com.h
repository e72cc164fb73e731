// Small owners of COM values used inside the browser double.
#pragma once

#include <windows.h>
#include <oleauto.h>

#include <atomic>
#include <string>
#include <string_view>

namespace browser_double {

class Variant : public VARIANT {
 public:
  Variant() { VariantInit(this); }
  ~Variant() { VariantClear(this); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
};

class Bstr {
 public:
  Bstr() = default;
  explicit Bstr(std::wstring_view text)
      : m_p(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  ~Bstr() { SysFreeString(m_p); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;

  BSTR Get() const { return m_p; }
  BSTR* Out() {
    SysFreeString(m_p);
    m_p = nullptr;
    return &m_p;
  }
  BSTR Detach() {
    BSTR p = m_p;
    m_p = nullptr;
    return p;
  }
  std::wstring Text() const { return std::wstring(m_p ? m_p : L"", SysStringLen(m_p)); }

 private:
  BSTR m_p = nullptr;
};

// The exception record a callee filled in, completed and freed on destruction.
class ExcepInfo : public EXCEPINFO {
 public:
  ExcepInfo() : EXCEPINFO{} {}
  ~ExcepInfo() {
    SysFreeString(bstrSource);
    SysFreeString(bstrDescription);
    SysFreeString(bstrHelpFile);
  }
  ExcepInfo(const ExcepInfo&) = delete;
  ExcepInfo& operator=(const ExcepInfo&) = delete;

  void FillDeferred() {
    if (pfnDeferredFillIn) {
      auto fill = pfnDeferredFillIn;
      pfnDeferredFillIn = nullptr;
      fill(this);
    }
  }
  std::wstring Description() const {
    return std::wstring(bstrDescription ? bstrDescription : L"", SysStringLen(bstrDescription));
  }
};

// Every object of the double counts itself, so tests can see that nothing leaks.
extern std::atomic<long> g_liveObjects;

class LiveObject {
 public:
  LiveObject() { ++g_liveObjects; }
  LiveObject(const LiveObject&) = delete;
  LiveObject& operator=(const LiveObject&) = delete;
  virtual ~LiveObject() { --g_liveObjects; }
};

}  // namespace browser_double
