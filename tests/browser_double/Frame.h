// The browser object of a frame inside the double's page: what NavigateComplete2
// passes as pDisp for a frame navigation. It has its own identity, distinct
// from the control, and answers LocationURL with the frame's address.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "Com.h"

// COM objects are freed by their own Release, never through an interface
// pointer, so the interfaces' non-virtual destructors are as intended.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

namespace browser_double {

class Frame final : public IDispatch, public LiveObject {
 public:
  explicit Frame(std::wstring url) : m_url(std::move(url)) {}

  STDMETHODIMP QueryInterface(REFIID riid, void** ppv) noexcept override;
  STDMETHODIMP_(ULONG) AddRef() noexcept override;
  STDMETHODIMP_(ULONG) Release() noexcept override;
  STDMETHODIMP GetTypeInfoCount(UINT* pctinfo) noexcept override;
  STDMETHODIMP GetTypeInfo(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) noexcept override;
  STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid,
                             DISPID* rgDispId) noexcept override;
  STDMETHODIMP Invoke(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                      VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) noexcept override;

 private:
  std::atomic<ULONG> m_refs{1};
  std::wstring m_url;
};

}  // namespace browser_double

#pragma GCC diagnostic pop
