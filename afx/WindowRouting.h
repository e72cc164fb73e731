// Internal: the thread's table of bound windows and the procedure that routes
// their messages. Only afx/ uses it.
#pragma once
#include <windows.h>

class CWnd;

namespace afx::routing {

CWnd* Lookup(HWND hwnd) noexcept;
void Bind(HWND hwnd, CWnd* wnd);
void Unbind(HWND hwnd) noexcept;

// Puts the program's procedure in front of the window's own.
bool Subclass(HWND hwnd) noexcept;
// The window's own processing, from inside the program's procedure.
LRESULT CallOriginal(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// The message the innermost routed call is handling.
struct Current {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
const Current& CurrentMessage() noexcept;

}  // namespace afx::routing
