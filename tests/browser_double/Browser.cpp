// The double's identity, its OLE object and its connection points.
#include "Browser.h"


#include <new>

#include "Log.h"

namespace browser_double {

namespace {
// The status bits the real control registers: set the client site first,
// inside-out, activate when visible, recompose on resize, no links inside.
constexpr DWORD kMiscStatus = OLEMISC_SETCLIENTSITEFIRST | OLEMISC_INSIDEOUT | OLEMISC_ACTIVATEWHENVISIBLE |
                              OLEMISC_RECOMPOSEONRESIZE | OLEMISC_CANTLINKINSIDE;
}  // namespace

Browser::Browser()
    : m_events2(*this, DIID_DWebBrowserEvents2, L"DWebBrowserEvents2"),
      m_propertyNotify(*this, IID_IPropertyNotifySink, L"IPropertyNotifySink") {
  Record(L"created");
}

Browser::~Browser() {
  DestroyPageWindow();
  if (m_queueWindow) {
    SetWindowLongPtrW(m_queueWindow, GWLP_USERDATA, 0);
    DestroyWindow(m_queueWindow);
  }
  try {
    Record(L"destroyed connections=" + std::to_wstring(m_events2.ConnectionCount() + m_propertyNotify.ConnectionCount()) +
           L" site=" + YesNo(m_clientSite != nullptr));
  } catch (const std::bad_alloc&) {
  }
}

STDMETHODIMP Browser::QueryInterface(REFIID riid, void** ppv) noexcept {
  if (!ppv) return E_POINTER;
  void* p = nullptr;
  if (riid == IID_IUnknown || riid == IID_IOleObject) p = static_cast<IOleObject*>(this);
  else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceObject) p = static_cast<IOleInPlaceObject*>(this);
  else if (riid == IID_IOleInPlaceActiveObject) p = static_cast<IOleInPlaceActiveObject*>(this);
  else if (riid == IID_IOleControl) p = static_cast<IOleControl*>(this);
  else if (riid == IID_IViewObject || riid == IID_IViewObject2) p = static_cast<IViewObject2*>(this);
  else if (riid == IID_IPersist || riid == IID_IPersistStreamInit) p = static_cast<IPersistStreamInit*>(this);
  else if (riid == IID_IPersistPropertyBag) p = static_cast<IPersistPropertyBag*>(this);
  else if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2) p = static_cast<IProvideClassInfo2*>(this);
  else if (riid == IID_IConnectionPointContainer) p = static_cast<IConnectionPointContainer*>(this);
  else if (riid == IID_IDispatch || riid == IID_IWebBrowser || riid == IID_IWebBrowserApp || riid == IID_IWebBrowser2)
    p = static_cast<IWebBrowser2*>(this);
  *ppv = p;
  if (!p) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) Browser::AddRef() noexcept { return ++m_refs; }

STDMETHODIMP_(ULONG) Browser::Release() noexcept {
  ULONG refs = --m_refs;
  if (refs == 0) delete this;
  return refs;
}

// IOleObject

STDMETHODIMP Browser::SetClientSite(IOleClientSite* pClientSite) noexcept {
  try {
    ComPtr<IOleClientSite> previous = std::move(m_clientSite);
    m_clientSite = pClientSite;
    if (pClientSite) {
      AskHostInfo(pClientSite);
    } else {
      Record(L"site released had=" + YesNo(previous != nullptr));
    }
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

STDMETHODIMP Browser::GetClientSite(IOleClientSite** ppClientSite) noexcept {
  if (!ppClientSite) return E_POINTER;
  *ppClientSite = m_clientSite.Get();
  if (*ppClientSite) (*ppClientSite)->AddRef();
  return S_OK;
}

STDMETHODIMP Browser::SetHostNames(LPCOLESTR, LPCOLESTR) noexcept { return S_OK; }

STDMETHODIMP Browser::Close(DWORD) noexcept {
  ComPtr<IUnknown> keepAlive(Identity());
  try {
    Record(L"close");
  } catch (const std::bad_alloc&) {
  }
  InPlaceDeactivate();
  if (m_adviseHolder) m_adviseHolder->SendOnClose();
  return S_OK;
}

STDMETHODIMP Browser::SetMoniker(DWORD, IMoniker*) noexcept { return E_NOTIMPL; }

STDMETHODIMP Browser::GetMoniker(DWORD, DWORD, IMoniker** ppmk) noexcept {
  if (ppmk) *ppmk = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP Browser::InitFromData(IDataObject*, BOOL, DWORD) noexcept { return E_NOTIMPL; }

STDMETHODIMP Browser::GetClipboardData(DWORD, IDataObject** ppDataObject) noexcept {
  if (ppDataObject) *ppDataObject = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP Browser::DoVerb(LONG iVerb, LPMSG, IOleClientSite* pActiveSite, LONG, HWND, LPCRECT) noexcept {
  ComPtr<IUnknown> keepAlive(Identity());
  try {
    Record(L"verb " + std::to_wstring(iVerb));
    switch (iVerb) {
      case OLEIVERB_HIDE:
        ShowPage(false);
        return S_OK;
      case OLEIVERB_INPLACEACTIVATE:
      case OLEIVERB_SHOW: {
        HRESULT hr = ActivateInPlace(pActiveSite);
        if (SUCCEEDED(hr)) ShowPage(true);
        return hr;
      }
      case OLEIVERB_PRIMARY:
      case OLEIVERB_UIACTIVATE: {
        HRESULT hr = ActivateInPlace(pActiveSite);
        if (FAILED(hr)) return hr;
        ShowPage(true);
        return ActivateUI();
      }
      case OLEIVERB_DISCARDUNDOSTATE:
        return S_OK;
      default:
        if (iVerb > 0) {
          // An unknown positive verb carries out the primary verb.
          HRESULT hr = ActivateInPlace(pActiveSite);
          if (SUCCEEDED(hr)) {
            ShowPage(true);
            hr = ActivateUI();
          }
          return FAILED(hr) ? hr : OLEOBJ_S_INVALIDVERB;
        }
        return E_NOTIMPL;
    }
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

STDMETHODIMP Browser::EnumVerbs(IEnumOLEVERB** ppEnumOleVerb) noexcept {
  if (!ppEnumOleVerb) return E_POINTER;
  return OleRegEnumVerbs(CLSID_WebBrowser, ppEnumOleVerb);
}

STDMETHODIMP Browser::Update() noexcept { return S_OK; }
STDMETHODIMP Browser::IsUpToDate() noexcept { return S_OK; }

STDMETHODIMP Browser::GetUserClassID(CLSID* pClsid) noexcept {
  if (!pClsid) return E_POINTER;
  *pClsid = CLSID_WebBrowser;
  return S_OK;
}

STDMETHODIMP Browser::GetUserType(DWORD dwFormOfType, LPOLESTR* pszUserType) noexcept {
  if (!pszUserType) return E_POINTER;
  return OleRegGetUserType(CLSID_WebBrowser, dwFormOfType, pszUserType);
}

STDMETHODIMP Browser::SetExtent(DWORD dwDrawAspect, SIZEL* psizel) noexcept {
  if (!psizel) return E_POINTER;
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  m_extent = *psizel;
  try {
    Record(L"extent cx=" + std::to_wstring(psizel->cx) + L" cy=" + std::to_wstring(psizel->cy));
  } catch (const std::bad_alloc&) {
  }
  return S_OK;
}

STDMETHODIMP Browser::GetExtent(DWORD dwDrawAspect, SIZEL* psizel) noexcept {
  if (!psizel) return E_POINTER;
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  *psizel = m_extent;
  return S_OK;
}

STDMETHODIMP Browser::Advise(IAdviseSink* pAdvSink, DWORD* pdwConnection) noexcept {
  if (!pdwConnection) return E_POINTER;
  if (!m_adviseHolder) {
    HRESULT hr = CreateOleAdviseHolder(m_adviseHolder.GetAddressOf());
    if (FAILED(hr)) return hr;
  }
  return m_adviseHolder->Advise(pAdvSink, pdwConnection);
}

STDMETHODIMP Browser::Unadvise(DWORD dwConnection) noexcept {
  if (!m_adviseHolder) return OLE_E_NOCONNECTION;
  return m_adviseHolder->Unadvise(dwConnection);
}

STDMETHODIMP Browser::EnumAdvise(IEnumSTATDATA** ppenumAdvise) noexcept {
  if (!ppenumAdvise) return E_POINTER;
  *ppenumAdvise = nullptr;
  if (!m_adviseHolder) return S_OK;
  return m_adviseHolder->EnumAdvise(ppenumAdvise);
}

STDMETHODIMP Browser::GetMiscStatus(DWORD, DWORD* pdwStatus) noexcept {
  if (!pdwStatus) return E_POINTER;
  *pdwStatus = kMiscStatus;
  return S_OK;
}

STDMETHODIMP Browser::SetColorScheme(LOGPALETTE*) noexcept { return E_NOTIMPL; }

// IProvideClassInfo2

STDMETHODIMP Browser::GetClassInfo(ITypeInfo** ppTI) noexcept {
  if (!ppTI) return E_POINTER;
  *ppTI = nullptr;
  // The platform's own type library of the control describes its coclass.
  ComPtr<ITypeLib> library;
  HRESULT hr = LoadRegTypeLib(LIBID_SHDocVw, 1, 1, LOCALE_NEUTRAL, library.GetAddressOf());
  if (FAILED(hr)) return hr;
  return library->GetTypeInfoOfGuid(CLSID_WebBrowser, ppTI);
}

STDMETHODIMP Browser::GetGUID(DWORD dwGuidKind, GUID* pGUID) noexcept {
  if (!pGUID) return E_POINTER;
  if (dwGuidKind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *pGUID = GUID_NULL;
    return E_INVALIDARG;
  }
  *pGUID = DIID_DWebBrowserEvents2;
  return S_OK;
}

// IConnectionPointContainer

STDMETHODIMP Browser::EnumConnectionPoints(IEnumConnectionPoints** ppEnum) noexcept {
  if (!ppEnum) return E_POINTER;
  *ppEnum = nullptr;
  try {
    std::vector<ComPtr<IConnectionPoint>> points{&m_events2, &m_propertyNotify};
    *ppEnum = new ConnectionPointEnum(std::move(points));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

STDMETHODIMP Browser::FindConnectionPoint(REFIID riid, IConnectionPoint** ppCP) noexcept {
  if (!ppCP) return E_POINTER;
  *ppCP = nullptr;
  for (ConnectionPoint* point : {&m_events2, &m_propertyNotify}) {
    if (riid == point->Iid()) {
      *ppCP = point;
      point->AddRef();
      return S_OK;
    }
  }
  return CONNECT_E_NOCONNECTION;
}

}  // namespace browser_double
