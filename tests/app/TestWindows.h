// Two simple windows that stand in for the launcher and the game window, and
// the script they follow in one program run.
#pragma once

#define IDD_TEST_WINDOW 200
#define IDD_MISSING_WINDOW 299

#ifndef RC_INVOKED
#include <functional>
#include <string>
#include <vector>

#include "afx/afxwin.h"

struct WindowSeen {
  std::string name;        // "launcher 2", "game 1"
  bool mainIsSelf = false;  // the main-window pointer named this object while it ran
  bool hasOwner = true;
  bool previousGone = false;  // the window handed off before it had gone once its loop dispatched
};

struct RunScript {
  // Settings.
  int cycles = 0;               // launcher, game window, launcher cycles before the exit
  bool secondTrigger = false;   // every hand-off is asked for twice in a row
  bool gameCannotBeCreated = false;
  std::function<void(int launcher)> onLauncherRuns;

  // Observations.
  std::vector<std::string> events;
  std::vector<WindowSeen> seen;
  std::vector<const void*> launcherFrames;  // frame address of each launcher's initialisation
  std::vector<std::wstring> gameUrls;
  int launchers = 0;
  int games = 0;
  int liveObjects = 0;
  int gdiplusStartups = 0;
  int gdiplusShutdowns = 0;
  int liveObjectsAtShutdown = -1;
  HWND handedOff = nullptr;

  std::vector<std::string> Runs() const;
  bool Happened(const std::string& event) const;
};

// The script of the run under way; tests reset it.
RunScript& Script();

class TestLauncher : public CDialog {
 public:
  TestLauncher(UINT imageId, const wchar_t* imageType, HINSTANCE module, CWnd* parent);
  ~TestLauncher() override;
  BOOL OnInitDialog() override;

 protected:
  void OnClose();
  void OnDestroy();
  LRESULT OnAct(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

 private:
  int m_number = 0;
};

class TestGame : public CDialog {
 public:
  explicit TestGame(CWnd* parent = nullptr);
  ~TestGame() override;
  void SetLaunchInfo(CString strGameUrl, CString strNote);
  BOOL OnInitDialog() override;

 protected:
  void OnClose();
  void OnDestroy();
  LRESULT OnAct(WPARAM, LPARAM);
  DECLARE_MESSAGE_MAP()

 private:
  int m_number = 0;
  CString m_strGameUrl;
};

#include "app/TranslucentApp.h"
using TestApp = CTranslucentAppOf<TestLauncher, TestGame>;
#endif
