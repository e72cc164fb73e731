#include "afx/WinApp.h"

#include <cwchar>
#include <vector>

#include "afx/Wnd.h"

namespace {
CWinApp* g_app = nullptr;
HINSTANCE g_resources = nullptr;

std::vector<void (*)()>& ExitSteps() {
  static std::vector<void (*)()> steps;
  return steps;
}
}  // namespace

CWinApp::CWinApp(const wchar_t* appName) : m_pszAppName(appName) {
  g_app = this;
  m_hInstance = ::GetModuleHandleW(nullptr);
  if (!m_pszAppName) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    wchar_t name[_MAX_FNAME] = {};
    ::_wsplitpath_s(path, nullptr, 0, nullptr, 0, name, _MAX_FNAME, nullptr, 0);
    ::wcsncpy_s(m_derivedName, name, _TRUNCATE);
    m_pszAppName = m_derivedName;
  }
}

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

int CWinApp::Run() {
  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* msg) {
  HWND main = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
  if (afx::WalkPreTranslateTree(main, msg)) return TRUE;
  // A message of another top-level window still gets the main window's turn.
  if (main) {
    HWND top = msg->hwnd ? ::GetAncestor(msg->hwnd, GA_ROOT) : nullptr;
    if (top != main) return m_pMainWnd->PreTranslateMessage(msg);
  }
  return FALSE;
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp() noexcept { return g_app; }
CWnd* AfxGetMainWnd() noexcept { return g_app ? g_app->m_pMainWnd : nullptr; }
HINSTANCE AfxGetInstanceHandle() noexcept { return g_app ? g_app->m_hInstance : ::GetModuleHandleW(nullptr); }
HINSTANCE AfxGetResourceHandle() noexcept { return g_resources ? g_resources : AfxGetInstanceHandle(); }
void AfxSetResourceHandle(HINSTANCE resources) noexcept { g_resources = resources; }

namespace afx {
void AtFrameworkExit(void (*step)()) { ExitSteps().push_back(step); }
}  // namespace afx

int AfxWinMain(HINSTANCE instance) {
  CWinApp* app = AfxGetApp();
  if (!app) return -1;
  app->m_hInstance = instance;
  int exitCode = 0;
  if (app->InitInstance()) {
    exitCode = app->Run();
  } else {
    if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
    exitCode = app->ExitInstance();
  }
  auto& steps = ExitSteps();
  while (!steps.empty()) {
    auto step = steps.back();
    steps.pop_back();
    step();
  }
  afx::DeleteTemporaryWindows();
  return exitCode;
}
