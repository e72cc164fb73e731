#include "afx/WindowRouting.h"

#include <commctrl.h>

#include <unordered_map>

#include "afx/Wnd.h"

namespace afx::routing {
namespace {

constexpr UINT_PTR kSubclassId = 0x7A72;  // this layer's entry in each window's subclass chain

struct ThreadWindows {
  std::unordered_map<HWND, CWnd*> bound;
  Current current{0, 0, 0};
};

ThreadWindows& State() {
  thread_local ThreadWindows state;
  return state;
}

// Every message of a window the program subclassed comes here first.
LRESULT CALLBACK RouteMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                              UINT_PTR, DWORD_PTR) noexcept {
  CWnd* wnd = Lookup(hwnd);
  if (!wnd) {
    // Detached, or never bound: no handler of the program sees the message.
    if (message == WM_NCDESTROY) ::RemoveWindowSubclass(hwnd, &RouteMessage, kSubclassId);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
  Current& current = State().current;
  const Current outer = current;
  current = {message, wParam, lParam};
  LRESULT result = 0;
  try {
    result = wnd->WindowProc(message, wParam, lParam);
  } catch (...) {
    // A handler failed: the message counts as handled; creation fails.
    result = message == WM_CREATE ? -1 : 0;
  }
  current = outer;
  if (message == WM_NCDESTROY) {
    ::RemoveWindowSubclass(hwnd, &RouteMessage, kSubclassId);
    if (Lookup(hwnd) == wnd) CWndAccess::WindowGone(*wnd);
  }
  return result;
}

}  // namespace

CWnd* Lookup(HWND hwnd) noexcept {
  auto& bound = State().bound;
  auto it = bound.find(hwnd);
  return it == bound.end() ? nullptr : it->second;
}

void Bind(HWND hwnd, CWnd* wnd) { State().bound[hwnd] = wnd; }

void Unbind(HWND hwnd) noexcept { State().bound.erase(hwnd); }

bool Subclass(HWND hwnd) noexcept {
  return ::SetWindowSubclass(hwnd, &RouteMessage, kSubclassId, 0) != FALSE;
}

LRESULT CallOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
  return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

const Current& CurrentMessage() noexcept { return State().current; }

}  // namespace afx::routing
