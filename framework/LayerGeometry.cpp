#include "framework/LayerGeometry.h"

namespace layer {

Rect Place(int imageWidth, int imageHeight, int framedWidth, int framedHeight, const WorkArea& workArea) noexcept {
  // C++ integer division truncates toward zero, negative dividends included.
  int x = workArea.left + ((workArea.right - workArea.left) - framedWidth) / 2;
  int y = workArea.top + ((workArea.bottom - workArea.top) - framedHeight) / 2;
  return Rect{x, y, imageWidth, imageHeight};
}

std::size_t RowBytes(int width) noexcept {
  if (width <= 0) return 0;
  return ((static_cast<std::size_t>(width) * 32 + 31) / 8) & ~static_cast<std::size_t>(3);
}

std::size_t BufferBytes(int width, int height) noexcept {
  if (height <= 0) return 0;
  return RowBytes(width) * static_cast<std::size_t>(height);
}

bool HasPixels(int width, int height) noexcept { return BufferBytes(width, height) != 0; }

std::size_t PixelOffset(int width, int height, int x, int y) noexcept {
  std::size_t rowFromBottom = static_cast<std::size_t>(height - 1 - y);
  return rowFromBottom * RowBytes(width) + static_cast<std::size_t>(x) * 4;
}

BITMAPINFOHEADER BufferHeader(int width, int height) noexcept {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(BITMAPINFOHEADER);
  header.biWidth = width;
  header.biHeight = height;  // positive: the bottom row comes first
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(BufferBytes(width, height));
  header.biXPelsPerMeter = 0;
  header.biYPelsPerMeter = 0;
  header.biClrUsed = 0;
  header.biClrImportant = 0;
  return header;
}

}  // namespace layer
