// In-place activation in the site's window, the page window, keys and drawing.
#include <cwchar>
#include <new>

#include "Browser.h"
#include "Log.h"
#include "PagePainter.h"
#include "State.h"

namespace browser_double {

namespace {
constexpr wchar_t kPageWindowClass[] = L"TarvessaBrowserDoublePage";

std::wstring KeyText(const MSG& msg) {
  wchar_t text[48];
  std::swprintf(text, 48, L"message=0x%04X vk=0x%02X", msg.message, static_cast<unsigned>(msg.wParam));
  return text;
}
}  // namespace

HRESULT Browser::ActivateInPlace(IOleClientSite* activeSite) {
  if (m_inPlaceSite) return S_OK;
  IOleClientSite* site = activeSite ? activeSite : m_clientSite.Get();
  if (!site) return E_UNEXPECTED;
  ComPtr<IOleInPlaceSite> inPlaceSite;
  if (FAILED(site->QueryInterface(IID_PPV_ARGS(&inPlaceSite))) || !inPlaceSite) {
    Record(L"inplace failed step=QueryInterface hr=" + Hr(E_NOINTERFACE));
    return E_NOINTERFACE;
  }
  HRESULT hr = inPlaceSite->CanInPlaceActivate();
  if (hr != S_OK) {
    Record(L"inplace refused hr=" + Hr(hr));
    return FAILED(hr) ? hr : E_FAIL;
  }
  hr = inPlaceSite->OnInPlaceActivate();
  if (FAILED(hr)) {
    Record(L"inplace failed step=OnInPlaceActivate hr=" + Hr(hr));
    return hr;
  }
  HWND parent = nullptr;
  hr = inPlaceSite->GetWindow(&parent);
  if (FAILED(hr) || !parent) {
    Record(L"inplace failed step=GetWindow hr=" + Hr(hr));
    inPlaceSite->OnInPlaceDeactivate();
    return FAILED(hr) ? hr : E_FAIL;
  }
  ComPtr<IOleInPlaceFrame> frame;
  ComPtr<IOleInPlaceUIWindow> uiWindow;
  RECT position{}, clip{};
  OLEINPLACEFRAMEINFO frameInfo{};
  frameInfo.cb = sizeof(frameInfo);
  hr = inPlaceSite->GetWindowContext(frame.GetAddressOf(), uiWindow.GetAddressOf(), &position, &clip, &frameInfo);
  if (FAILED(hr)) {
    Record(L"inplace failed step=GetWindowContext hr=" + Hr(hr));
    inPlaceSite->OnInPlaceDeactivate();
    return hr;
  }
  m_inPlaceSite = std::move(inPlaceSite);
  m_frame = std::move(frame);
  m_uiWindow = std::move(uiWindow);
  CreatePageWindow(parent, position);
  Record(L"inplace active pos=" + RectText(position) + L" window=" + YesNo(m_pageWindow != nullptr) +
         L" frame=" + YesNo(m_frame != nullptr) + L" uiwindow=" + YesNo(m_uiWindow != nullptr));
  if (!m_pageWindow) {
    InPlaceDeactivate();
    return E_FAIL;
  }
  return S_OK;
}

HRESULT Browser::ActivateUI() {
  if (!m_inPlaceSite) return E_UNEXPECTED;
  if (m_uiActive) return S_OK;
  m_uiActive = true;
  ComPtr<IOleInPlaceSite> site = m_inPlaceSite;
  site->OnUIActivate();
  auto* active = static_cast<IOleInPlaceActiveObject*>(this);
  if (m_frame) {
    m_frame->SetActiveObject(active, L"WebBrowser");
    m_frame->SetBorderSpace(nullptr);
  }
  if (m_uiWindow) {
    m_uiWindow->SetActiveObject(active, L"WebBrowser");
    m_uiWindow->SetBorderSpace(nullptr);
  }
  Record(L"uiactive");
  if (m_pageWindow && GetFocus() != m_pageWindow) SetFocus(m_pageWindow);
  return S_OK;
}

void Browser::ShowPage(bool show) {
  if (m_pageWindow) ShowWindow(m_pageWindow, show ? SW_SHOWNA : SW_HIDE);
}

void Browser::CreatePageWindow(HWND parent, const RECT& position) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  if (!GetClassInfoExW(g_module, kPageWindowClass, &wc)) {
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = &Browser::PageWindowProc;
    wc.hInstance = g_module;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.lpszClassName = kPageWindowClass;
    RegisterClassExW(&wc);
  }
  CreateWindowExW(0, kPageWindowClass, L"WebBrowser double", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                  position.left, position.top, position.right - position.left, position.bottom - position.top, parent,
                  nullptr, g_module, this);
}

void Browser::DestroyPageWindow() {
  if (m_pageWindow) DestroyWindow(m_pageWindow);  // WM_NCDESTROY clears m_pageWindow
  m_pageWindow = nullptr;
}

LRESULT CALLBACK Browser::PageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<Browser*>(create->lpCreateParams);
    self->m_pageWindow = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Browser*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->OnPageMessage(hwnd, message, wParam, lParam);
  } catch (const std::bad_alloc&) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

LRESULT Browser::OnPageMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      RECT client;
      GetClientRect(hwnd, &client);
      Paint(dc, client);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT client;
      GetClientRect(hwnd, &client);
      Paint(reinterpret_cast<HDC>(wParam), client);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
    case WM_LBUTTONDOWN:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      break;
    case WM_SETFOCUS:
      if (m_inPlaceSite && !m_uiActive) {
        ComPtr<IUnknown> keepAlive(Identity());
        ActivateUI();
      }
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR: {
      MSG msg{hwnd, message, wParam, lParam, 0, {}};
      Record(L"windowkey " + KeyText(msg));
      break;
    }
    case WM_DESTROY:
      Record(L"window destroyed");
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      m_pageWindow = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Browser::Paint(HDC dc, const RECT& bounds) const {
  PaintPage(dc, bounds, m_locationUrl, m_hostFlags);
}

// IOleWindow

STDMETHODIMP Browser::GetWindow(HWND* phwnd) noexcept {
  if (!phwnd) return E_POINTER;
  *phwnd = m_pageWindow;
  return m_pageWindow ? S_OK : E_FAIL;
}

STDMETHODIMP Browser::ContextSensitiveHelp(BOOL) noexcept { return E_NOTIMPL; }

// IOleInPlaceObject

STDMETHODIMP Browser::InPlaceDeactivate() noexcept {
  if (!m_inPlaceSite) return S_OK;
  ComPtr<IUnknown> keepAlive(Identity());
  UIDeactivate();
  DestroyPageWindow();
  ComPtr<IOleInPlaceSite> site = std::move(m_inPlaceSite);
  m_frame.Reset();
  m_uiWindow.Reset();
  site->OnInPlaceDeactivate();
  try {
    Record(L"inplace inactive");
  } catch (const std::bad_alloc&) {
  }
  return S_OK;
}

STDMETHODIMP Browser::UIDeactivate() noexcept {
  if (!m_uiActive) return S_OK;
  m_uiActive = false;
  ComPtr<IUnknown> keepAlive(Identity());
  if (m_uiWindow) m_uiWindow->SetActiveObject(nullptr, nullptr);
  if (m_frame) m_frame->SetActiveObject(nullptr, nullptr);
  if (m_inPlaceSite) m_inPlaceSite->OnUIDeactivate(FALSE);
  try {
    Record(L"uiinactive");
  } catch (const std::bad_alloc&) {
  }
  return S_OK;
}

STDMETHODIMP Browser::SetObjectRects(LPCRECT lprcPosRect, LPCRECT) noexcept {
  if (!lprcPosRect) return E_POINTER;
  if (m_pageWindow) {
    const RECT& r = *lprcPosRect;
    MoveWindow(m_pageWindow, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
  }
  try {
    Record(L"rects pos=" + RectText(*lprcPosRect));
  } catch (const std::bad_alloc&) {
  }
  return S_OK;
}

STDMETHODIMP Browser::ReactivateAndUndo() noexcept { return INPLACE_E_NOTUNDOABLE; }

// IOleInPlaceActiveObject

STDMETHODIMP Browser::TranslateAccelerator(LPMSG lpmsg) noexcept {
  if (!lpmsg) return E_INVALIDARG;
  try {
    Record(L"key " + KeyText(*lpmsg));
  } catch (const std::bad_alloc&) {
  }
  return S_FALSE;
}

STDMETHODIMP Browser::OnFrameWindowActivate(BOOL) noexcept { return S_OK; }
STDMETHODIMP Browser::OnDocWindowActivate(BOOL) noexcept { return S_OK; }
STDMETHODIMP Browser::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) noexcept { return S_OK; }
STDMETHODIMP Browser::EnableModeless(BOOL) noexcept { return S_OK; }

// IViewObject2

STDMETHODIMP Browser::Draw(DWORD dwDrawAspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC hdcDraw, LPCRECTL lprcBounds,
                           LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) noexcept {
  if (dwDrawAspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!hdcDraw || !lprcBounds) return E_INVALIDARG;
  RECT bounds{lprcBounds->left, lprcBounds->top, lprcBounds->right, lprcBounds->bottom};
  try {
    Paint(hdcDraw, bounds);
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

STDMETHODIMP Browser::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** ppColorSet) noexcept {
  if (ppColorSet) *ppColorSet = nullptr;
  return S_FALSE;
}

STDMETHODIMP Browser::Freeze(DWORD, LONG, void*, DWORD* pdwFreeze) noexcept {
  if (pdwFreeze) *pdwFreeze = 0;
  return E_NOTIMPL;
}

STDMETHODIMP Browser::Unfreeze(DWORD) noexcept { return E_NOTIMPL; }

STDMETHODIMP Browser::SetAdvise(DWORD aspects, DWORD advf, IAdviseSink* pAdvSink) noexcept {
  m_viewAspects = aspects;
  m_viewAdvf = advf;
  m_viewSink = pAdvSink;
  return S_OK;
}

STDMETHODIMP Browser::GetAdvise(DWORD* pAspects, DWORD* pAdvf, IAdviseSink** ppAdvSink) noexcept {
  if (pAspects) *pAspects = m_viewAspects;
  if (pAdvf) *pAdvf = m_viewAdvf;
  if (ppAdvSink) {
    *ppAdvSink = m_viewSink.Get();
    if (*ppAdvSink) (*ppAdvSink)->AddRef();
  }
  return S_OK;
}

STDMETHODIMP Browser::GetExtent(DWORD dwDrawAspect, LONG, DVTARGETDEVICE*, LPSIZEL lpsizel) noexcept {
  return GetExtent(dwDrawAspect, lpsizel);
}

}  // namespace browser_double
