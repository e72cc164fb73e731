#include "Frame.h"

#include "Dispids.h"

namespace browser_double {

STDMETHODIMP Frame::QueryInterface(REFIID riid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *ppv = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) Frame::AddRef() noexcept { return ++m_refs; }

STDMETHODIMP_(ULONG) Frame::Release() noexcept {
  ULONG refs = --m_refs;
  if (refs == 0) delete this;
  return refs;
}

STDMETHODIMP Frame::GetTypeInfoCount(UINT* pctinfo) noexcept {
  if (!pctinfo) return E_POINTER;
  *pctinfo = 0;
  return S_OK;
}

STDMETHODIMP Frame::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) noexcept {
  if (ppTInfo) *ppTInfo = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP Frame::GetIDsOfNames(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID,
                                  DISPID* rgDispId) noexcept {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!rgszNames || !rgDispId) return E_POINTER;
  for (UINT i = 0; i < cNames; ++i) rgDispId[i] = DISPID_UNKNOWN;
  if (cNames == 1 && rgszNames[0] && _wcsicmp(rgszNames[0], L"LocationURL") == 0) {
    rgDispId[0] = kDispidLocationUrl;
    return S_OK;
  }
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP Frame::Invoke(DISPID dispIdMember, REFIID riid, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                           VARIANT* pVarResult, EXCEPINFO*, UINT*) noexcept {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (dispIdMember != kDispidLocationUrl || !(wFlags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  if (pDispParams && pDispParams->cArgs != 0) return DISP_E_BADPARAMCOUNT;
  if (pVarResult) {
    VariantInit(pVarResult);
    pVarResult->vt = VT_BSTR;
    pVarResult->bstrVal = SysAllocStringLen(m_url.data(), static_cast<UINT>(m_url.size()));
    if (!pVarResult->bstrVal) {
      pVarResult->vt = VT_EMPTY;
      return E_OUTOFMEMORY;
    }
  }
  return S_OK;
}

}  // namespace browser_double
