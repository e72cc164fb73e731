// Message maps: which handler a message reaches, along the chain of maps.
#include <gtest/gtest.h>

#include <string>

#include "afx/afxwin.h"

namespace {

std::string g_calls;

class Base : public CWnd {
 protected:
  void OnClose() { g_calls += "base-close "; }
  void OnDestroy() { g_calls += "base-destroy "; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Base, CWnd)
  ON_WM_CLOSE()
  ON_WM_DESTROY()
END_MESSAGE_MAP()

class Middle : public Base {
 protected:
  void OnClose() { g_calls += "middle-close "; }
  void OnSize(UINT type, int cx, int cy) { g_calls += "middle-size " + std::to_string(type) + "," + std::to_string(cx) + "," + std::to_string(cy) + " "; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Middle, Base)
  ON_WM_CLOSE()
  ON_WM_SIZE()
END_MESSAGE_MAP()

// Names CWnd's map as its base: Middle's and Base's entries are not in its chain.
class SkipsItsBases : public Middle {
 protected:
  void OnMove(int x, int y) { g_calls += "skip-move " + std::to_string(x) + "," + std::to_string(y) + " "; }
  void OnOk() { g_calls += "skip-ok "; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(SkipsItsBases, CWnd)
  ON_WM_MOVE()
  ON_BN_CLICKED(IDOK, OnOk)
END_MESSAGE_MAP()

LRESULT Send(CWnd& wnd, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (!wnd.OnWndMsg(message, wParam, lParam, &result)) g_calls += "unhandled ";
  return result;
}

TEST(MessageMap, MostDerivedEntryWinsAndBaseEntriesStillServe) {
  Middle wnd;
  g_calls.clear();
  Send(wnd, WM_CLOSE, 0, 0);
  Send(wnd, WM_DESTROY, 0, 0);
  Send(wnd, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
  EXPECT_EQ(g_calls, "middle-close base-destroy middle-size 2,640,480 ");
}

TEST(MessageMap, AClassMayNameAMapOtherThanItsCppBase) {
  SkipsItsBases wnd;
  g_calls.clear();
  Send(wnd, WM_CLOSE, 0, 0);
  Send(wnd, WM_MOVE, 0, MAKELPARAM(-5, 7));
  Send(wnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  Send(wnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_EQ(g_calls, "unhandled skip-move -5,7 skip-ok unhandled ");
}

}  // namespace
