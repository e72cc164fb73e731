#include "framework/LayerBuffer.h"

#include <cstring>

#include "framework/LayerGeometry.h"

namespace layer {

Buffer CreateBuffer(int width, int height) noexcept {
  Buffer buffer;
  if (!HasPixels(width, height)) return buffer;
  BITMAPINFO info{};
  info.bmiHeader = BufferHeader(width, height);
  void* bits = nullptr;
  buffer.bitmap.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!buffer.bitmap || !bits) {
    buffer.bitmap.reset();
    return buffer;
  }
  buffer.bits = static_cast<BYTE*>(bits);
  std::memset(buffer.bits, 0, BufferBytes(width, height));
  return buffer;
}

void DrawImage(HDC dc, Gdiplus::Image& image, int width, int height) {
  Gdiplus::Graphics graphics(dc);
  graphics.SetSmoothingMode(Gdiplus::SmoothingModeNone);
  graphics.DrawImage(&image, 0, 0, width, height);
}

}  // namespace layer
