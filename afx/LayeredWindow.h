// The two layered-window functions, each looked up by name in "User32.DLL" for
// the one call it serves, and the module reference given back right after.
#pragma once
#include <windows.h>

namespace afx {

// Presents a device context's picture as a layered window's content.
// FALSE when the function cannot be found or the call fails.
BOOL UpdateLayeredWindowByName(HWND window, HDC windowDc, POINT* destination, SIZE* size, HDC source,
                               POINT* sourcePoint, COLORREF colorKey, BLENDFUNCTION* blend,
                               DWORD flags) noexcept;

// Sets a layered window's colour key or constant alpha.
// FALSE when the function cannot be found or the call fails.
BOOL SetLayeredWindowAttributesByName(HWND window, COLORREF colorKey, BYTE alpha, DWORD flags) noexcept;

}  // namespace afx
