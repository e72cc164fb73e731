// Saved state and the control protocol: the double keeps the state it was
// given and records its size; it has no properties of its own to restore.
#include <new>

#include "Browser.h"
#include "Log.h"

namespace browser_double {

namespace {
void RecordSafely(std::wstring line) {
  try {
    Record(std::move(line));
  } catch (const std::bad_alloc&) {
  }
}
}  // namespace

// IOleControl

STDMETHODIMP Browser::GetControlInfo(CONTROLINFO* pCI) noexcept {
  if (!pCI) return E_POINTER;
  pCI->hAccel = nullptr;
  pCI->cAccel = 0;
  pCI->dwFlags = 0;
  return S_OK;
}

STDMETHODIMP Browser::OnMnemonic(MSG*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::OnAmbientPropertyChange(DISPID) noexcept { return S_OK; }

STDMETHODIMP Browser::FreezeEvents(BOOL bFreeze) noexcept {
  m_freezeCount += bFreeze ? 1 : -1;
  RecordSafely(std::wstring(L"freeze ") + (bFreeze ? L"on" : L"off") + L" count=" + std::to_wstring(m_freezeCount));
  return S_OK;
}

// IPersist

STDMETHODIMP Browser::GetClassID(CLSID* pClassID) noexcept {
  if (!pClassID) return E_POINTER;
  *pClassID = CLSID_WebBrowser;
  return S_OK;
}

// IPersistStreamInit

STDMETHODIMP Browser::IsDirty() noexcept { return S_FALSE; }

STDMETHODIMP Browser::Load(LPSTREAM pStm) noexcept {
  if (!pStm) return E_POINTER;
  if (m_initialised) {
    RecordSafely(L"persist reinit hr=" + Hr(E_UNEXPECTED));
    return E_UNEXPECTED;
  }
  try {
    std::vector<BYTE> state;
    BYTE chunk[256];
    for (;;) {
      ULONG read = 0;
      HRESULT hr = pStm->Read(chunk, sizeof(chunk), &read);
      if (FAILED(hr)) {
        Record(L"persist load failed hr=" + Hr(hr));
        return hr;
      }
      state.insert(state.end(), chunk, chunk + read);
      if (read == 0 || hr == S_FALSE) break;
    }
    m_savedState = std::move(state);
    m_initialised = true;
    Record(L"persist load size=" + std::to_wstring(m_savedState.size()));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

STDMETHODIMP Browser::Save(LPSTREAM pStm, BOOL) noexcept {
  if (!pStm) return E_POINTER;
  if (m_savedState.empty()) return S_OK;
  ULONG written = 0;
  return pStm->Write(m_savedState.data(), static_cast<ULONG>(m_savedState.size()), &written);
}

STDMETHODIMP Browser::GetSizeMax(ULARGE_INTEGER* pCbSize) noexcept {
  if (!pCbSize) return E_POINTER;
  pCbSize->QuadPart = m_savedState.size();
  return S_OK;
}

STDMETHODIMP Browser::InitNew() noexcept {
  if (m_initialised) {
    RecordSafely(L"persist reinit hr=" + Hr(E_UNEXPECTED));
    return E_UNEXPECTED;
  }
  m_initialised = true;
  RecordSafely(L"persist initnew");
  return S_OK;
}

// IPersistPropertyBag

STDMETHODIMP Browser::Load(IPropertyBag* pPropBag, IErrorLog*) noexcept {
  if (!pPropBag) return E_POINTER;
  if (m_initialised) {
    RecordSafely(L"persist reinit hr=" + Hr(E_UNEXPECTED));
    return E_UNEXPECTED;
  }
  m_initialised = true;
  RecordSafely(L"persist load-bag");
  return S_OK;
}

STDMETHODIMP Browser::Save(IPropertyBag* pPropBag, BOOL, BOOL) noexcept {
  return pPropBag ? S_OK : E_POINTER;
}

}  // namespace browser_double
