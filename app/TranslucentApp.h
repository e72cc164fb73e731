// The application object: starts the program, runs its windows one after
// another as the one main window, and shuts the graphics library down at the end.
//
// Windows hand the main window over with RunGameWindow and RunLauncherWindow.
// A hand-off closes and detaches the running main window and ends its run, then
// returns to its caller at once; RunWindowsInTurn then runs the next window. So
// no window runs inside a handler of the window it replaces (a browser's
// callback, or the game window's close handler), and any number of hand-offs
// run in constant stack and memory. The old window's close request waits in
// the queue until the next window's loop dispatches it; the detached window then
// goes through the system's default processing, without the program's handlers.
#pragma once
#include <windows.h>

#include <memory>
#include <utility>

#include "afx/ControlContainer.h"
#include "afx/GdiPlus.h"
#include "afx/afxwin.h"
#include "res/resource.h"

// The GDI+ session of the whole run: written at start, handed back at exit.
inline ULONG_PTR g_gdiplusToken = 0;

template <class TLauncher, class TGame>
class CTranslucentAppOf : public CWinApp {
 public:
  CTranslucentAppOf() = default;
  ~CTranslucentAppOf() override = default;

  BOOL InitInstance() override;
  int ExitInstance() override;

  // Hands the main window over to a new game window on strGameUrl.
  void RunGameWindow(CString strGameUrl, CString strNote);
  // Hands the main window over to a new launcher.
  void RunLauncherWindow();

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  enum class Next { None, Launcher, Game };

  void RunWindowsInTurn();
  std::unique_ptr<CDialog> NewMainWindow(Next next);
  bool HandOff(Next next);

  // What the window now running asked to be replaced by, and the game window's arguments.
  Next m_next = Next::None;
  CString m_strNextGameUrl;
  CString m_strNextNote;
  CDialog* m_pRunning = nullptr;  // the main window object whose modal run is under way
};

BEGIN_TEMPLATE_MESSAGE_MAP((CTranslucentAppOf<TLauncher, TGame>), CWinApp, (class TLauncher, class TGame))
  ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

template <class TLauncher, class TGame>
BOOL CTranslucentAppOf<TLauncher, TGame>::InitInstance() {
  CWinApp::InitInstance();
  AfxEnableControlContainer();

  Gdiplus::GdiplusStartupInput startup;
  startup.GdiplusVersion = 1;
  startup.DebugEventCallback = nullptr;
  startup.SuppressBackgroundThread = FALSE;
  startup.SuppressExternalCodecs = FALSE;
  Gdiplus::GdiplusStartup(&g_gdiplusToken, &startup, nullptr);

  RunWindowsInTurn();
  return FALSE;
}

template <class TLauncher, class TGame>
int CTranslucentAppOf<TLauncher, TGame>::ExitInstance() {
  Gdiplus::GdiplusShutdown(g_gdiplusToken);
  return CWinApp::ExitInstance();
}

template <class TLauncher, class TGame>
void CTranslucentAppOf<TLauncher, TGame>::RunGameWindow(CString strGameUrl, CString strNote) {
  if (!HandOff(Next::Game)) return;
  m_strNextGameUrl = std::move(strGameUrl);
  m_strNextNote = std::move(strNote);
}

template <class TLauncher, class TGame>
void CTranslucentAppOf<TLauncher, TGame>::RunLauncherWindow() {
  HandOff(Next::Launcher);
}

// Closes the running main window the way a hand-off does and ends its run.
// Ignored when no main window runs: after the program's last window has gone,
// or once a hand-off is under way (its window is detached by then), so a second
// request before the next window runs changes nothing.
template <class TLauncher, class TGame>
bool CTranslucentAppOf<TLauncher, TGame>::HandOff(Next next) {
  if (!m_pMainWnd || !m_pMainWnd->GetSafeHwnd() || m_next != Next::None || m_pRunning != m_pMainWnd)
    return false;
  ::PostMessageW(m_pMainWnd->GetSafeHwnd(), WM_CLOSE, 0, 0);
  m_pMainWnd->Detach();
  m_pRunning->EndModalLoop(-1);
  m_next = next;
  return true;
}

// Runs the first launcher, then whatever each window hands over to, until a
// window's own close ends its run and the program.
template <class TLauncher, class TGame>
void CTranslucentAppOf<TLauncher, TGame>::RunWindowsInTurn() {
  // The object handed off last lives until the window that replaced it has run:
  // by then the queued close request has destroyed the object's windows.
  std::unique_ptr<CDialog> handedOff;
  m_next = Next::Launcher;
  while (m_next != Next::None) {
    std::unique_ptr<CDialog> current = NewMainWindow(std::exchange(m_next, Next::None));
    m_pRunning = current.get();
    current->DoModal();
    m_pRunning = nullptr;
    if (m_next != Next::None) {
      handedOff = std::move(current);
    } else if (m_pMainWnd == current.get()) {
      // The run ended although its window was never destroyed while it was the
      // main window (it could not be created): end the program in order.
      ::PostQuitMessage(0);
      m_pMainWnd = nullptr;
    }
  }
}

// Constructs the next main window and makes it the main window before its
// window exists, so it gets no owner and disables nothing.
template <class TLauncher, class TGame>
std::unique_ptr<CDialog> CTranslucentAppOf<TLauncher, TGame>::NewMainWindow(Next next) {
  if (next == Next::Launcher) {
    auto launcher = std::make_unique<TLauncher>(IDB_LAUNCHER_BG, L"PNG", nullptr, nullptr);
    m_pMainWnd = launcher.get();
    return launcher;
  }
  auto game = std::make_unique<TGame>(nullptr);
  m_pMainWnd = game.get();
  game->SetLaunchInfo(std::exchange(m_strNextGameUrl, CString()), std::exchange(m_strNextNote, CString()));
  return game;
}
