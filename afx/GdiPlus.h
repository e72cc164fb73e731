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

#include <new>
#include <utility>

namespace afx {

// A GDI+ object made in GDI+'s own allocator, so that an ordinary delete
// disposes of it; null when that allocator has no memory for it. (The GDI+
// classes' operator new returns null instead of throwing, which a plain new
// expression may not rely on.)
template <class T, class... Args>
T* NewGdiplusObject(Args&&... args) {
  void* memory = Gdiplus::DllExports::GdipAlloc(sizeof(T));
  if (!memory) return nullptr;
  return ::new (memory) T(std::forward<Args>(args)...);
}

}  // namespace afx
