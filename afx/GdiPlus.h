// GDI+ for the program: its headers expect min and max in their namespace,
// which the Win32 headers do not give once NOMINMAX is set.
#pragma once
#include <windows.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
