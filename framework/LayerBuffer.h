// The pixel buffer a translucent dialog composes its image into before it
// presents it: a zeroed 32-bit bottom-up DIB section of the image's size.
#pragma once
#include <windows.h>

#include "afx/GdiPlus.h"
#include "afx/Handles.h"

namespace layer {

struct Buffer {
  afx::UniqueBitmap bitmap;  // null when there is no picture to hold
  BYTE* bits = nullptr;      // BufferBytes(width, height) bytes, laid out as PixelOffset says
};

// A buffer of width by height pixels, every byte zero (fully transparent
// black). Null bitmap for a picture without pixels or when GDI refuses.
Buffer CreateBuffer(int width, int height) noexcept;

// Draws the image at 0, 0 with width by height pixels onto the bitmap
// selected into dc, without smoothing. Drawn onto a zeroed buffer, each pixel
// ends up holding the image's colour premultiplied by its alpha, and that alpha.
void DrawImage(HDC dc, Gdiplus::Image& image, int width, int height);

}  // namespace layer
