// CWnd: a C++ object bound to a window. While bound, the window's messages go
// through the object's message map; unhandled ones get the window's original
// processing. Once detached, the window's messages reach no object at all and
// go to DefWindowProcW, dialogs included: a queued WM_CLOSE then destroys the
// window without any handler of the program.
#pragma once
#include <windows.h>

#include "afx/AfxString.h"
#include "afx/CmdTarget.h"
#include "afx/Gdi.h"

class CDataExchange;
class COleControlSite;
class COleControlContainer;

class CWnd : public CCmdTarget {
  DECLARE_DYNAMIC(CWnd)
 public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;
  operator HWND() const noexcept { return m_hWnd; }  // NOLINT
  HWND GetSafeHwnd() const noexcept { return m_hWnd; }

  // The object bound to hwnd, or null.
  static CWnd* FromHandlePermanent(HWND hwnd) noexcept;
  // The bound object, or a temporary one that lives while the window does.
  static CWnd* FromHandle(HWND hwnd);

  // Binds this object to hwnd without changing the window's procedure.
  bool Attach(HWND hwnd);
  // Unbinds the object: it forgets its window and its control site; the window lives on.
  HWND Detach() noexcept;
  // Binds this object to hwnd and routes the window's messages through it.
  bool SubclassWindow(HWND hwnd);
  bool SubclassDlgItem(UINT id, CWnd* parent);

  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  // The window's original processing of a message.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // The original processing of the message now being handled.
  LRESULT Default();
  virtual BOOL DestroyWindow();
  // Called after the window has gone; the object is unbound by then.
  virtual void PostNcDestroy() {}
  virtual void DoDataExchange(CDataExchange* dx);
  BOOL UpdateData(BOOL saveAndValidate = TRUE);

  // Thin calls on the bound window.
  DWORD GetStyle() const noexcept;
  DWORD GetExStyle() const noexcept;
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0) noexcept;
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0) noexcept;
  BOOL ShowWindow(int command) noexcept;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE) noexcept;
  void GetWindowRect(RECT* rect) const noexcept;
  void GetClientRect(RECT* rect) const noexcept;
  CWnd* GetParent() const;
  CWnd* GetDlgItem(int id) const;
  void SetWindowText(const wchar_t* text) noexcept;
  CString GetWindowText() const;
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) noexcept;
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) noexcept;
  int MessageBox(const wchar_t* text, const wchar_t* caption = nullptr, UINT type = MB_OK);
  BOOL IsWindowVisible() const noexcept;

  // The hosted ActiveX control's site when this object wraps one, else null.
  COleControlSite* m_pCtrlSite = nullptr;
  // The container of the ActiveX controls this window hosts, if any.
  COleControlContainer* m_pCtrlCont = nullptr;

 protected:
  // Default handlers: each gives the message its original processing.
  void OnClose();
  void OnDestroy();
  void OnSize(UINT type, int cx, int cy);
  void OnMove(int x, int y);
  int OnCreate(LPCREATESTRUCTW create);
  void OnLButtonDown(UINT flags, CPoint point);
  void OnRButtonDown(UINT flags, CPoint point);
  void OnRButtonUp(UINT flags, CPoint point);
  BOOL OnEraseBkgnd(CDC* dc);
  HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);

  DECLARE_MESSAGE_MAP()

 private:
  friend struct CWndAccess;
  // The bound window has been destroyed: the main-window rule, then unbind.
  void WindowGone() noexcept;
  bool m_subclassed = false;  // the window's messages come through the program's procedure
};

// Lets the message routing reach CWnd's private steps.
struct CWndAccess {
  static void WindowGone(CWnd& wnd) noexcept { wnd.WindowGone(); }
};

// Parameters of a window whose messages are being routed; used by Default().
namespace afx {
struct CurrentMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
// The owner a window without a parent gets: the main window's top-level window,
// or the pop-up last active in it. Null when there is no main window yet.
HWND GetSafeOwner(CWnd* parent) noexcept;
// Binds the next window created on this thread to wnd, before its first message.
class WindowCreationScope {
 public:
  explicit WindowCreationScope(CWnd* wnd);
  WindowCreationScope(const WindowCreationScope&) = delete;
  WindowCreationScope& operator=(const WindowCreationScope&) = delete;
  ~WindowCreationScope();

 private:
  // Scopes nest when a window creates another while it is being created
  // (a dialog making its companion in WM_CREATE): each has its own hook.
  CWnd* m_previous;
  UniqueHook m_hook;
};
// Lets the framework's own code walk the PreTranslateMessage chain.
BOOL WalkPreTranslateTree(HWND stop, MSG* msg);
// Frees temporary window objects whose windows have gone.
void DeleteTemporaryWindows() noexcept;
}  // namespace afx
