#include "resources/DecodedImage.h"

#include <shlwapi.h>
#include <wrl/client.h>

#include <cstring>

#include "afx/GdiPlus.h"

namespace resources {

DecodedImage DecodeImage(const Bytes& encoded) {
  DecodedImage image;
  // SHCreateMemStream copies the bytes and hands over its one reference.
  Microsoft::WRL::ComPtr<IStream> stream;
  *stream.GetAddressOf() = ::SHCreateMemStream(encoded.data(), static_cast<UINT>(encoded.size()));
  if (!stream) return image;
  Gdiplus::Bitmap bitmap(stream.Get());
  if (bitmap.GetLastStatus() != Gdiplus::Ok) return image;
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  Gdiplus::Rect all(0, 0, width, height);
  Gdiplus::BitmapData data{};
  if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) return image;
  image.width = width;
  image.height = height;
  image.argb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride;
    std::memcpy(&image.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)], row,
                static_cast<std::size_t>(width) * 4);
  }
  bitmap.UnlockBits(&data);
  return image;
}

}  // namespace resources
