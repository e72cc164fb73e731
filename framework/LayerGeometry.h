// The numbers behind a translucent dialog's layer, apart from any window:
// where the window goes, and how its pixel buffer is laid out.
#pragma once
#include <windows.h>

#include <cstddef>

namespace layer {

struct Rect {
  int x;
  int y;
  int width;
  int height;
};

struct WorkArea {
  int left;
  int top;
  int right;
  int bottom;
};

// The window's rectangle: centred on the work area as if it still had the
// frame of framedWidth by framedHeight, but exactly the image's size. Each
// half is an integer division that truncates toward zero.
Rect Place(int imageWidth, int imageHeight, int framedWidth, int framedHeight, const WorkArea& workArea) noexcept;

// Bytes in one row of 32-bit pixels, padded to a multiple of four (so 4 * width).
std::size_t RowBytes(int width) noexcept;
// Bytes in the whole buffer: rows of RowBytes, height of them.
std::size_t BufferBytes(int width, int height) noexcept;
// Whether there is a picture to compose at all.
bool HasPixels(int width, int height) noexcept;
// Where picture pixel (x, y), y counted from the top, starts in the buffer:
// rows are stored bottom-up, each pixel as blue, green, red, alpha.
std::size_t PixelOffset(int width, int height, int x, int y) noexcept;

// The header describing the buffer to GDI: 32-bit, uncompressed, bottom-up.
BITMAPINFOHEADER BufferHeader(int width, int height) noexcept;

}  // namespace layer
