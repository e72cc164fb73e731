// Small GDI helpers used in message handler signatures: points, rectangles,
// device contexts handed to handlers, and an owned brush.
#pragma once
#include <windows.h>

#include "afx/Handles.h"

struct CPoint : POINT {
  CPoint() noexcept : POINT{0, 0} {}
  CPoint(int px, int py) noexcept : POINT{px, py} {}
};

struct CRect : RECT {
  CRect() noexcept : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
  CRect(const RECT& r) noexcept : RECT(r) {}  // NOLINT
  int Width() const noexcept { return right - left; }
  int Height() const noexcept { return bottom - top; }
};

// A device context lent to a handler; it does not own the handle.
class CDC {
 public:
  explicit CDC(HDC hdc) noexcept : m_hDC(hdc) {}
  HDC GetSafeHdc() const noexcept { return m_hDC; }
  operator HDC() const noexcept { return m_hDC; }  // NOLINT
  HDC m_hDC;
};

// A GDI brush owned by the object; deleted with it.
class CBrush {
 public:
  CBrush() = default;
  // Takes ownership of a brush, deleting any brush held before.
  bool Attach(HBRUSH brush) noexcept {
    m_brush.reset(brush);
    return brush != nullptr;
  }
  bool CreateSolidBrush(COLORREF color) noexcept { return Attach(::CreateSolidBrush(color)); }
  void DeleteObject() noexcept { m_brush.reset(); }
  HBRUSH GetSafeHandle() const noexcept { return m_brush.get(); }
  operator HBRUSH() const noexcept { return m_brush.get(); }  // NOLINT

 private:
  afx::UniqueBrush m_brush;
};
