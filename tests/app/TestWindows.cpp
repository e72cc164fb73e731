#include "TestWindows.h"

#include <algorithm>

namespace {

constexpr UINT kAct = WM_APP + 1;  // each window acts once its loop runs

TestApp& App() { return *static_cast<TestApp*>(AfxGetApp()); }

std::string Name(const char* kind, int number) { return std::string(kind) + " " + std::to_string(number); }

void Record(const std::string& event) { Script().events.push_back(event); }

WindowSeen& SeenFor(const std::string& name) {
  auto& seen = Script().seen;
  return *std::find_if(seen.begin(), seen.end(), [&](const WindowSeen& s) { return s.name == name; });
}

// What every window notes as it starts to run.
void NoteRunning(CDialog* window, const std::string& name) {
  WindowSeen seen;
  seen.name = name;
  seen.mainIsSelf = AfxGetMainWnd() == window;
  seen.hasOwner = ::GetWindow(window->GetSafeHwnd(), GW_OWNER) != nullptr;
  Script().seen.push_back(seen);
  Record(name + " runs");
  window->PostMessage(kAct);
}

// The queued close request of the window handed off before came ahead of kAct.
void NotePreviousGone(const std::string& name) {
  HWND previous = std::exchange(Script().handedOff, nullptr);
  SeenFor(name).previousGone = previous == nullptr || !::IsWindow(previous);
}

}  // namespace

RunScript& Script() {
  static RunScript script;
  return script;
}

std::vector<std::string> RunScript::Runs() const {
  std::vector<std::string> runs;
  for (const auto& e : events)
    if (e.size() > 5 && e.compare(e.size() - 5, 5, " runs") == 0) runs.push_back(e.substr(0, e.size() - 5));
  return runs;
}

bool RunScript::Happened(const std::string& event) const {
  return std::find(events.begin(), events.end(), event) != events.end();
}

BEGIN_MESSAGE_MAP(TestLauncher, CDialog)
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_MESSAGE(kAct, OnAct)
END_MESSAGE_MAP()

TestLauncher::TestLauncher(UINT, const wchar_t*, HINSTANCE, CWnd* parent) : CDialog(IDD_TEST_WINDOW, parent) {
  ++Script().liveObjects;
}

TestLauncher::~TestLauncher() {
  --Script().liveObjects;
  if (m_number) Record(Name("launcher", m_number) + " object destroyed");
}

BOOL TestLauncher::OnInitDialog() {
  CDialog::OnInitDialog();
  m_number = ++Script().launchers;
  Script().launcherFrames.push_back(__builtin_frame_address(0));
  NoteRunning(this, Name("launcher", m_number));
  if (Script().onLauncherRuns) Script().onLauncherRuns(m_number);
  return TRUE;
}

LRESULT TestLauncher::OnAct(WPARAM, LPARAM) {
  const std::string name = Name("launcher", m_number);
  NotePreviousGone(name);
  if (m_number > Script().cycles) {
    // The exit button: a close that goes through the window's own handlers.
    ::SendMessageW(AfxGetMainWnd()->GetSafeHwnd(), WM_CLOSE, 0, 0);
    return 0;
  }
  // The page picks a server.
  Script().handedOff = m_hWnd;
  App().RunGameWindow(L"http://game.example/" + CString(std::to_wstring(m_number)), L"note");
  if (Script().secondTrigger) App().RunGameWindow(L"http://second.example/", L"second");
  Record(name + " handed off");
  return 0;
}

void TestLauncher::OnClose() {
  Record(Name("launcher", m_number) + " close handler");
  Default();
}

void TestLauncher::OnDestroy() {
  Record(Name("launcher", m_number) + " destroy handler");
  Default();
}

BEGIN_MESSAGE_MAP(TestGame, CDialog)
  ON_WM_CLOSE()
  ON_WM_DESTROY()
  ON_MESSAGE(kAct, OnAct)
END_MESSAGE_MAP()

TestGame::TestGame(CWnd* parent)
    : CDialog(Script().gameCannotBeCreated ? IDD_MISSING_WINDOW : IDD_TEST_WINDOW, parent) {
  ++Script().liveObjects;
}

TestGame::~TestGame() {
  --Script().liveObjects;
  if (m_number) Record(Name("game", m_number) + " object destroyed");
}

void TestGame::SetLaunchInfo(CString strGameUrl, CString) {
  m_strGameUrl = strGameUrl;
  Script().gameUrls.push_back(std::wstring(strGameUrl));
}

BOOL TestGame::OnInitDialog() {
  CDialog::OnInitDialog();
  m_number = ++Script().games;
  NoteRunning(this, Name("game", m_number));
  return TRUE;
}

LRESULT TestGame::OnAct(WPARAM, LPARAM) {
  NotePreviousGone(Name("game", m_number));
  PostMessage(WM_CLOSE);  // the user closes the game window and answers yes
  return 0;
}

void TestGame::OnClose() {
  Record(Name("game", m_number) + " close handler");
  Script().handedOff = m_hWnd;
  App().RunLauncherWindow();
  if (Script().secondTrigger) App().RunLauncherWindow();
  Default();
}

void TestGame::OnDestroy() {
  Record(Name("game", m_number) + " destroy handler");
  Default();
}
