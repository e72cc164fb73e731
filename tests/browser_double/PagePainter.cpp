#include "PagePainter.h"

#include <mshtmhst.h>

#include "BrowserDouble.h"

namespace browser_double {

namespace {
void Fill(HDC dc, const RECT& r, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}
}  // namespace

void PaintPage(HDC dc, const RECT& bounds, const std::wstring& address, DWORD hostFlags) {
  Fill(dc, bounds, BrowserDouble::kPageBackground);
  RECT text = bounds;
  if (!(hostFlags & DOCHOSTUIFLAG_SCROLL_NO)) {
    RECT bar = bounds;
    bar.left = bar.right - GetSystemMetrics(SM_CXVSCROLL);
    Fill(dc, bar, RGB(0xC0, 0xC0, 0xC0));
    text.right = bar.left;
  }
  if (!(hostFlags & DOCHOSTUIFLAG_NO3DBORDER)) {
    HBRUSH frame = CreateSolidBrush(RGB(0x40, 0x40, 0x40));
    FrameRect(dc, &bounds, frame);
    DeleteObject(frame);
  }
  InflateRect(&text, -8, -8);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = SetTextColor(dc, RGB(0x20, 0x20, 0x60));
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  std::wstring lines = L"WebBrowser double\n" + (address.empty() ? std::wstring(L"(no page)") : address);
  DrawTextW(dc, lines.c_str(), static_cast<int>(lines.size()), &text, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

}  // namespace browser_double
