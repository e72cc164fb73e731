// CWinApp: the application object and the start and exit contract.
//
// AfxWinMain calls InitInstance once. When it returns FALSE no application
// message loop runs: if the main-window pointer is still set, that window is
// destroyed, then ExitInstance runs and its result is the process exit code.
#pragma once
#include <windows.h>

#include "afx/CmdTarget.h"

class CWnd;

// The framework's help command.
constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
 public:
  explicit CWinApp(const wchar_t* appName = nullptr);
  ~CWinApp() override;

  virtual BOOL InitInstance();
  virtual int ExitInstance();
  // The application message loop, for an InitInstance that returns TRUE.
  virtual int Run();
  // Offers a message to the windows from its own up to the main window.
  virtual BOOL PreTranslateMessage(MSG* msg);

  // The window object whose run is the innermost one.
  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  // Given, or else the executable's file name without its extension.
  const wchar_t* m_pszAppName = nullptr;

 protected:
  // Default handler of ID_HELP: the program has no help file, so nothing opens.
  void OnHelp();

 private:
  wchar_t m_derivedName[MAX_PATH] = {};
};

CWinApp* AfxGetApp() noexcept;
CWnd* AfxGetMainWnd() noexcept;
HINSTANCE AfxGetInstanceHandle() noexcept;
HINSTANCE AfxGetResourceHandle() noexcept;
void AfxSetResourceHandle(HINSTANCE resources) noexcept;

// Runs the application object's start and exit contract; returns the exit code.
int AfxWinMain(HINSTANCE instance);

namespace afx {
// Work the framework does at the end of AfxWinMain, after ExitInstance, in
// reverse order of registration (for example uninitialising OLE).
void AtFrameworkExit(void (*step)());
}  // namespace afx
