#include "afx/Wnd.h"

#include <memory>
#include <unordered_map>

#include "afx/DataExchange.h"
#include "afx/MessageMapEntries.h"
#include "afx/WinApp.h"
#include "afx/WindowRouting.h"

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

// Objects FromHandle made for windows the program does not own. Each lives
// while its window does; DeleteTemporaryWindows frees those whose window went.
std::unordered_map<HWND, std::unique_ptr<CWnd>>& TemporaryWindows() {
  thread_local std::unordered_map<HWND, std::unique_ptr<CWnd>> windows;
  return windows;
}

thread_local CWnd* t_windowBeingCreated = nullptr;

// Binds the window being created to its object at its very first event, so
// that WM_NCCREATE, WM_CREATE and WM_INITDIALOG already reach the object.
LRESULT CALLBACK BindCreatedWindow(int code, WPARAM wParam, LPARAM lParam) noexcept {
  if (code == HCBT_CREATEWND && t_windowBeingCreated) {
    CWnd* wnd = std::exchange(t_windowBeingCreated, nullptr);
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    try {
      wnd->SubclassWindow(hwnd);
    } catch (...) {
      return 1;  // the window cannot be bound: refuse its creation
    }
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

namespace afx {

WindowCreationScope::WindowCreationScope(CWnd* wnd)
    : m_previous(std::exchange(t_windowBeingCreated, wnd)),
      m_hook(::SetWindowsHookExW(WH_CBT, &BindCreatedWindow, nullptr, ::GetCurrentThreadId())) {}

WindowCreationScope::~WindowCreationScope() { t_windowBeingCreated = m_previous; }

HWND GetSafeOwner(CWnd* parent) noexcept {
  HWND owner = parent ? parent->GetSafeHwnd() : nullptr;
  if (!owner) {
    CWnd* main = AfxGetMainWnd();
    owner = main ? main->GetSafeHwnd() : nullptr;
  }
  while (owner && (::GetWindowLongW(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetParent(owner);
  if (owner) owner = ::GetLastActivePopup(owner);
  return owner;
}

BOOL WalkPreTranslateTree(HWND stop, MSG* msg) {
  for (HWND hwnd = msg->hwnd; hwnd; hwnd = ::GetParent(hwnd)) {
    if (CWnd* wnd = CWnd::FromHandlePermanent(hwnd))
      if (wnd->PreTranslateMessage(msg)) return TRUE;
    if (hwnd == stop) break;
  }
  return FALSE;
}

void DeleteTemporaryWindows() noexcept {
  auto& temporary = TemporaryWindows();
  for (auto it = temporary.begin(); it != temporary.end();) {
    if (::IsWindow(it->first)) {
      ++it;
    } else {
      it->second->m_hWnd = nullptr;
      it = temporary.erase(it);
    }
  }
}

}  // namespace afx

CWnd::~CWnd() {
  if (m_hWnd && afx::routing::Lookup(m_hWnd) == this) {
    // The window outlived its object: it goes with it, as a bound window must.
    ::DestroyWindow(m_hWnd);
  }
  if (m_hWnd) Detach();
}

CWnd* CWnd::FromHandlePermanent(HWND hwnd) noexcept { return hwnd ? afx::routing::Lookup(hwnd) : nullptr; }

CWnd* CWnd::FromHandle(HWND hwnd) {
  if (!hwnd) return nullptr;
  if (CWnd* bound = FromHandlePermanent(hwnd)) return bound;
  auto& temporary = TemporaryWindows()[hwnd];
  if (!temporary) {
    temporary = std::make_unique<CWnd>();
    temporary->m_hWnd = hwnd;
  }
  return temporary.get();
}

bool CWnd::Attach(HWND hwnd) {
  if (!hwnd || m_hWnd) return false;
  afx::routing::Bind(hwnd, this);
  m_hWnd = hwnd;
  return true;
}

HWND CWnd::Detach() noexcept {
  HWND hwnd = m_hWnd;
  if (hwnd && afx::routing::Lookup(hwnd) == this) afx::routing::Unbind(hwnd);
  m_hWnd = nullptr;
  m_pCtrlSite = nullptr;
  m_subclassed = false;
  return hwnd;
}

bool CWnd::SubclassWindow(HWND hwnd) {
  if (!Attach(hwnd)) return false;
  if (!afx::routing::Subclass(hwnd)) {
    Detach();
    return false;
  }
  m_subclassed = true;
  return true;
}

bool CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  return parent && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

void CWnd::WindowGone() noexcept {
  CWinApp* app = AfxGetApp();
  if (app && app->m_pMainWnd == this) {
    // The main window has been destroyed while bound: the program ends.
    ::PostQuitMessage(0);
    app->m_pMainWnd = nullptr;
  }
  Detach();
  PostNcDestroy();
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
  return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message == WM_COMMAND && OnCommand(wParam, lParam)) {
    *result = 0;
    return TRUE;
  }
  if (message == WM_COMMAND) return FALSE;
  const afx::MessageMapEntry* entry = afx::FindMessageEntry(GetMessageMap(), message, wParam);
  if (!entry) return FALSE;
  entry->thunk(this, message, wParam, lParam, *result);
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
  return OnCmdMsg(LOWORD(wParam), HIWORD(wParam));
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_hWnd) return 0;
  if (m_subclassed) return afx::routing::CallOriginal(m_hWnd, message, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
  // A detached object has no window left to process anything.
  if (!m_hWnd) return 0;
  const auto& current = afx::routing::CurrentMessage();
  return DefWindowProc(current.message, current.wParam, current.lParam);
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
  CDataExchange dx(this, saveAndValidate);
  DoDataExchange(&dx);
  return TRUE;
}

DWORD CWnd::GetStyle() const noexcept { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const noexcept { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }

namespace {
BOOL ChangeStyle(HWND hwnd, int which, DWORD remove, DWORD add, UINT flags) noexcept {
  DWORD style = static_cast<DWORD>(::GetWindowLongW(hwnd, which));
  DWORD changed = (style & ~remove) | add;
  if (style == changed) return FALSE;
  ::SetWindowLongW(hwnd, which, static_cast<LONG>(changed));
  if (flags) ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
  return TRUE;
}
}  // namespace

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT flags) noexcept {
  return ChangeStyle(m_hWnd, GWL_STYLE, remove, add, flags);
}
BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT flags) noexcept {
  return ChangeStyle(m_hWnd, GWL_EXSTYLE, remove, add, flags);
}

BOOL CWnd::ShowWindow(int command) noexcept { return ::ShowWindow(m_hWnd, command); }
void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) noexcept {
  ::MoveWindow(m_hWnd, x, y, width, height, repaint);
}
void CWnd::GetWindowRect(RECT* rect) const noexcept { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(RECT* rect) const noexcept { ::GetClientRect(m_hWnd, rect); }
CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
void CWnd::SetWindowText(const wchar_t* text) noexcept { ::SetWindowTextW(m_hWnd, text); }

CString CWnd::GetWindowText() const {
  int length = ::GetWindowTextLengthW(m_hWnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = ::GetWindowTextW(m_hWnd, text.data(), length + 1);
  return CString(text.data(), length);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return ::PostMessageW(m_hWnd, message, wParam, lParam);
}
LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

int CWnd::MessageBox(const wchar_t* text, const wchar_t* caption, UINT type) {
  if (!caption) caption = AfxGetApp() ? AfxGetApp()->m_pszAppName : L"";
  return ::MessageBoxW(m_hWnd, text, caption, type);
}

BOOL CWnd::IsWindowVisible() const noexcept { return ::IsWindowVisible(m_hWnd); }

void CWnd::OnClose() { Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
int CWnd::OnCreate(LPCREATESTRUCTW) { return static_cast<int>(Default()); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }
