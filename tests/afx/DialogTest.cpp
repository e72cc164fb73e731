// Modal and modeless dialogs: owner, loop end, quit, detaching.
#include <gtest/gtest.h>

#include <functional>

#include "AfxTestIds.h"
#include "afx/afxwin.h"
#include "support/WindowTesting.h"

namespace {

constexpr UINT kAct = WM_APP + 7;

// A dialog that runs a test's step once its loop runs, and records its handlers.
class StepDialog : public CDialog {
 public:
  explicit StepDialog(std::function<void(StepDialog&)> step, UINT id = IDD_PLAIN, CWnd* parent = nullptr)
      : CDialog(id, parent), m_step(std::move(step)) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    PostMessage(kAct);
    return TRUE;
  }
  int closes = 0;
  int destroys = 0;

 protected:
  LRESULT OnAct(WPARAM, LPARAM) {
    if (m_step) m_step(*this);
    return 0;
  }
  void OnClose() {
    ++closes;
    Default();
  }
  void OnDestroy() {
    ++destroys;
    Default();
  }
  DECLARE_MESSAGE_MAP()

 private:
  std::function<void(StepDialog&)> m_step;
};

BEGIN_MESSAGE_MAP(StepDialog, CDialog)
  ON_MESSAGE(kAct, OnAct)
  ON_WM_CLOSE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

// Ends itself when it is shown; a dialog that never shows would wait forever.
class ShowsLater : public StepDialog {
 public:
  ShowsLater() : StepDialog([this](StepDialog& d) { visibleWhileQueued = d.IsWindowVisible(); }, IDD_HIDDEN) {}
  BOOL visibleWhileQueued = TRUE;

 protected:
  LRESULT OnShow(WPARAM shown, LPARAM) {
    LRESULT result = Default();
    if (shown) EndDialog(IDOK);
    return result;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ShowsLater, StepDialog)
  ON_MESSAGE(WM_SHOWWINDOW, OnShow)
END_MESSAGE_MAP()

class DialogTest : public testing::Test {
 protected:
  void TearDown() override {
    testing_support::DiscardQuitMessage();
    testing_support::DispatchPendingMessages();
  }
  CWinApp m_app;
};

TEST_F(DialogTest, CloseRequestEndsTheRunWithCancelAndDestroysTheWindow) {
  HWND seen = nullptr;
  StepDialog dialog([&](StepDialog& d) {
    seen = d.m_hWnd;
    d.PostMessage(WM_CLOSE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.closes, 1);
  EXPECT_EQ(dialog.destroys, 1);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  EXPECT_FALSE(::IsWindow(seen));
}

TEST_F(DialogTest, ModalRunDisablesTheMainWindowAsOwnerForItsLength) {
  StepDialog main([](StepDialog&) {});
  ASSERT_TRUE(main.Create(IDD_PLAIN));
  m_app.m_pMainWnd = &main;
  HWND owner = nullptr;
  BOOL ownerEnabledDuring = TRUE;
  StepDialog dialog([&](StepDialog& d) {
    owner = ::GetWindow(d.m_hWnd, GW_OWNER);
    ownerEnabledDuring = ::IsWindowEnabled(main.m_hWnd);
    d.EndDialog(IDOK);
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(owner, main.m_hWnd);
  EXPECT_FALSE(ownerEnabledDuring);
  EXPECT_TRUE(::IsWindowEnabled(main.m_hWnd));
  m_app.m_pMainWnd = nullptr;
  main.DestroyWindow();
}

TEST_F(DialogTest, MainWindowWithoutWindowGivesNoOwner) {
  HWND owner = reinterpret_cast<HWND>(1);
  StepDialog dialog([&](StepDialog& d) {
    owner = ::GetWindow(d.m_hWnd, GW_OWNER);
    d.EndDialog(IDOK);
  });
  m_app.m_pMainWnd = &dialog;  // set before its window exists
  dialog.DoModal();
  EXPECT_EQ(owner, nullptr);
}

TEST_F(DialogTest, QuitEndsTheLoopWithMinusOneAndIsPostedAgain) {
  StepDialog dialog([](StepDialog&) { ::PostQuitMessage(3); });
  EXPECT_EQ(dialog.DoModal(), -1);
  MSG msg;
  ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(DialogTest, DestroyingTheMainWindowWhileBoundPostsQuitAndClearsThePointer) {
  StepDialog dialog([](StepDialog& d) { d.EndDialog(IDOK); });
  m_app.m_pMainWnd = &dialog;
  dialog.DoModal();
  EXPECT_EQ(m_app.m_pMainWnd, nullptr);
  EXPECT_TRUE(testing_support::DiscardQuitMessage());
}

TEST_F(DialogTest, DetachedDialogIsDestroyedByItsQueuedCloseWithoutHandlers) {
  HWND oldWindow = nullptr;
  StepDialog old([&](StepDialog& d) {
    oldWindow = d.m_hWnd;
    d.PostMessage(WM_CLOSE);
    d.Detach();
    d.EndModalLoop(-1);
  });
  old.DoModal();
  // The old window still stands until a loop dispatches its close request.
  EXPECT_TRUE(::IsWindow(oldWindow));
  bool oldGoneInNextLoop = false;
  StepDialog next([&](StepDialog& d) {
    oldGoneInNextLoop = !::IsWindow(oldWindow);
    d.EndDialog(IDOK);
  });
  next.DoModal();
  EXPECT_TRUE(oldGoneInNextLoop);
  EXPECT_EQ(old.closes, 0);
  EXPECT_EQ(old.destroys, 0);
}

TEST_F(DialogTest, EndingTheLoopDuringInitialisationRunsNoLoop) {
  struct EndsAtOnce : StepDialog {
    EndsAtOnce() : StepDialog(nullptr) {}
    BOOL OnInitDialog() override {
      EndModalLoop(5);
      return TRUE;
    }
  } dialog;
  EXPECT_EQ(dialog.DoModal(), 5);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, HiddenTemplateShowsOnceTheQueueRunsDry) {
  ShowsLater dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_FALSE(dialog.visibleWhileQueued);
}

TEST_F(DialogTest, MissingTemplateReturnsAtOnce) {
  StepDialog dialog(nullptr, 999);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(DialogTest, ModelessDialogIsOwnedByItsParent) {
  StepDialog parent(nullptr);
  ASSERT_TRUE(parent.Create(IDD_PLAIN));
  StepDialog child(nullptr, IDD_PLAIN, &parent);
  ASSERT_TRUE(child.Create(IDD_PLAIN, &parent));
  EXPECT_EQ(::GetWindow(child.m_hWnd, GW_OWNER), parent.m_hWnd);
  parent.DestroyWindow();
  // The owned window went with its owner, and its object heard of it.
  EXPECT_EQ(child.m_hWnd, nullptr);
  EXPECT_EQ(child.destroys, 1);
}

}  // namespace
