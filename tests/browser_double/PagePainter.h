// How the double draws its page: a light background, a title and the address,
// with a frame and a scroll-bar strip unless the host switched them off.
#pragma once

#include <windows.h>

#include <string>

namespace browser_double {

void PaintPage(HDC dc, const RECT& bounds, const std::wstring& address, DWORD hostFlags);

}  // namespace browser_double
