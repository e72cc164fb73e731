// The application object: start, the hand-off of the main window between the
// launcher and the game window, and the end of the program.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestWindows.h"
#include "afx/Handles.h"
#include "support/WindowTesting.h"

namespace {


class HandOffTest : public testing::Test {
 protected:
  void SetUp() override {
    Script() = RunScript{};
    m_windowsBefore = testing_support::CountThreadWindows();
  }
  void TearDown() override { testing_support::DiscardQuitMessage(); }

  // Runs the program's start and exit contract once with the test windows.
  int RunProgram() {
    TestApp app;
    int code = AfxWinMain(::GetModuleHandleW(nullptr));
    m_mainWindowAfterRun = app.m_pMainWnd;
    return code;
  }

  int m_windowsBefore = 0;
  CWnd* m_mainWindowAfterRun = reinterpret_cast<CWnd*>(1);
};

TEST_F(HandOffTest, TwoCyclesThenExitRunTheWindowsInOrderAndEndOnce) {
  Script().cycles = 2;
  RunProgram();
  const RunScript& s = Script();

  EXPECT_EQ(s.Runs(), (std::vector<std::string>{"launcher 1", "game 1", "launcher 2", "game 2", "launcher 3"}));
  EXPECT_EQ(s.gameUrls, (std::vector<std::wstring>{L"http://game.example/1", L"http://game.example/2"}));
  // The end: the last window closed itself, the quit message was posted and
  // nothing is left but GDI+'s shutdown, once, after every window object.
  EXPECT_EQ(s.gdiplusStartups, 1);
  EXPECT_EQ(s.gdiplusShutdowns, 1);
  EXPECT_EQ(s.liveObjectsAtShutdown, 0);
  EXPECT_EQ(s.events.back(), "gdiplus shutdown");
  EXPECT_TRUE(testing_support::DiscardQuitMessage());
  EXPECT_EQ(m_mainWindowAfterRun, nullptr);
  EXPECT_EQ(testing_support::CountThreadWindows(), m_windowsBefore);
}

TEST_F(HandOffTest, EachWindowRunsAsTheOwnerlessMainWindowAfterThePreviousHasGone) {
  Script().cycles = 2;
  RunProgram();
  ASSERT_EQ(Script().seen.size(), 5u);
  for (const WindowSeen& seen : Script().seen) {
    SCOPED_TRACE(seen.name);
    EXPECT_TRUE(seen.mainIsSelf);
    EXPECT_FALSE(seen.hasOwner);
    EXPECT_TRUE(seen.previousGone);
  }
}

TEST_F(HandOffTest, HandedOffWindowsGoWithoutTheirCloseOrDestroyHandlers) {
  Script().cycles = 2;
  RunProgram();
  const RunScript& s = Script();
  for (const char* handler : {"launcher 1 close handler", "launcher 1 destroy handler", "launcher 2 close handler",
                              "launcher 2 destroy handler", "game 1 destroy handler", "game 2 destroy handler"})
    EXPECT_FALSE(s.Happened(handler)) << handler;
  // The user's close of each game window ran its handler once, never a second time.
  EXPECT_EQ(std::count(s.events.begin(), s.events.end(), "game 1 close handler"), 1);
  EXPECT_EQ(std::count(s.events.begin(), s.events.end(), "game 2 close handler"), 1);
  // The last launcher closed through its own handlers.
  EXPECT_TRUE(s.Happened("launcher 3 close handler"));
  EXPECT_TRUE(s.Happened("launcher 3 destroy handler"));
}

TEST_F(HandOffTest, LaterLaunchersStartAtTheFirstOnesStackDepth) {
  Script().cycles = 2;
  RunProgram();
  ASSERT_EQ(Script().launcherFrames.size(), 3u);
  EXPECT_EQ(Script().launcherFrames[2], Script().launcherFrames[0]);
}

TEST_F(HandOffTest, ASecondTriggerDuringAHandOffChangesNothing) {
  Script().cycles = 1;
  Script().secondTrigger = true;
  RunProgram();
  EXPECT_EQ(Script().Runs(), (std::vector<std::string>{"launcher 1", "game 1", "launcher 2"}));
  EXPECT_EQ(Script().gameUrls, (std::vector<std::wstring>{L"http://game.example/1"}));
}

TEST_F(HandOffTest, ExitFromTheFirstLauncher) {
  Script().cycles = 0;
  RunProgram();
  const RunScript& s = Script();
  EXPECT_EQ(s.Runs(), (std::vector<std::string>{"launcher 1"}));
  EXPECT_EQ(s.gdiplusShutdowns, 1);
  EXPECT_EQ(s.liveObjectsAtShutdown, 0);
  EXPECT_TRUE(s.Happened("launcher 1 close handler"));
  EXPECT_TRUE(testing_support::DiscardQuitMessage());
  EXPECT_EQ(m_mainWindowAfterRun, nullptr);
}

TEST_F(HandOffTest, HandOffWithNoMainWindowIsIgnored) {
  TestApp app;
  app.RunGameWindow(L"http://game.example/", L"note");
  app.RunLauncherWindow();
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(testing_support::CountThreadWindows(), m_windowsBefore);
  EXPECT_TRUE(Script().Runs().empty());
  EXPECT_EQ(Script().liveObjects, 0);
}

TEST_F(HandOffTest, AHandOffWhoseNewWindowCannotBeCreatedEndsTheProgramInOrder) {
  Script().cycles = 1;
  Script().gameCannotBeCreated = true;
  RunProgram();
  const RunScript& s = Script();
  EXPECT_EQ(s.Runs(), (std::vector<std::string>{"launcher 1"}));
  EXPECT_TRUE(testing_support::DiscardQuitMessage());
  EXPECT_EQ(m_mainWindowAfterRun, nullptr);
  EXPECT_EQ(s.gdiplusShutdowns, 1);
  EXPECT_EQ(s.liveObjectsAtShutdown, 0);
  // The launcher's windows still went: their close request was dispatched at exit.
  testing_support::DispatchPendingMessages();
  EXPECT_EQ(testing_support::CountThreadWindows(), m_windowsBefore);
}

TEST_F(HandOffTest, ManyCyclesLeaveWindowsHandlesAndMemoryWhereOneCycleLeftThem) {
  constexpr int kCycles = 200;
  struct Sample {
    int windows;
    long handles;
    size_t workingSet;
  };
  Sample afterOne{}, afterAll{};
  Script().cycles = kCycles;
  Script().onLauncherRuns = [&](int launcher) {
    Sample now{testing_support::CountThreadWindows(), afx::LiveWrappedHandles(), testing_support::WorkingSetBytes()};
    if (launcher == 2) afterOne = now;
    if (launcher == kCycles + 1) afterAll = now;
  };
  RunProgram();
  ASSERT_EQ(Script().launchers, kCycles + 1);
  EXPECT_EQ(afterAll.windows, afterOne.windows);
  EXPECT_EQ(afterAll.handles, afterOne.handles);
  // The working set may wobble by a few pages; a leak of even a kilobyte per
  // cycle would show as 200 KiB here.
  EXPECT_LT(afterAll.workingSet, afterOne.workingSet + 192 * 1024)
      << "after one cycle " << afterOne.workingSet << ", after " << kCycles << ": " << afterAll.workingSet;
}

}  // namespace
