// The members of IWebBrowser2 the program does not use: the double has none of them.
#include "Browser.h"

namespace browser_double {

STDMETHODIMP Browser::GoBack() noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::GoForward() noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::GoHome() noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::GoSearch() noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::Refresh() noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::Refresh2(VARIANT*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::Stop() noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Application(IDispatch** out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_Parent(IDispatch** out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_Container(IDispatch** out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_Document(IDispatch** out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_TopLevelContainer(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Type(BSTR* out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_Left(LONG*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_Left(LONG) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Top(LONG*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_Top(LONG) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Width(LONG*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_Width(LONG) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Height(LONG*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_Height(LONG) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_LocationName(BSTR* out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_Busy(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::Quit() noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::ClientToWindow(int*, int*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::PutProperty(BSTR, VARIANT) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::GetProperty(BSTR, VARIANT*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Name(BSTR* out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_HWND(SHANDLE_PTR*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_FullName(BSTR* out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_Path(BSTR* out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::get_Visible(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_Visible(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_StatusBar(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_StatusBar(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_StatusText(BSTR* out) noexcept {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
STDMETHODIMP Browser::put_StatusText(BSTR) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_ToolBar(int*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_ToolBar(int) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_MenuBar(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_MenuBar(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_FullScreen(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_FullScreen(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::Navigate2(VARIANT*, VARIANT*, VARIANT*, VARIANT*, VARIANT*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::QueryStatusWB(OLECMDID, OLECMDF*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::ExecWB(OLECMDID, OLECMDEXECOPT, VARIANT*, VARIANT*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::ShowBrowserBar(VARIANT*, VARIANT*, VARIANT*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_ReadyState(READYSTATE*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Offline(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_Offline(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_RegisterAsBrowser(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_RegisterAsBrowser(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_RegisterAsDropTarget(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_RegisterAsDropTarget(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_TheaterMode(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_TheaterMode(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_AddressBar(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_AddressBar(VARIANT_BOOL) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::get_Resizable(VARIANT_BOOL*) noexcept { return E_NOTIMPL; }
STDMETHODIMP Browser::put_Resizable(VARIANT_BOOL) noexcept { return E_NOTIMPL; }

}  // namespace browser_double
