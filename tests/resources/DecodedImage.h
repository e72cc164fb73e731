// A PNG decoded to 32-bit ARGB pixels with GDI+, for looking at the artwork.
#pragma once
#include <cstdint>
#include <vector>

#include "resources/ResourceFormats.h"

namespace resources {

struct Pixel {
  std::uint8_t a, r, g, b;
};

struct DecodedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // rows top to bottom

  Pixel At(int x, int y) const {
    const std::uint32_t v = argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                 static_cast<std::size_t>(x)];
    return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
  }
};

// Decodes with GDI+, which the caller has started. Empty (0 × 0) on failure.
DecodedImage DecodeImage(const Bytes& encoded);

}  // namespace resources
