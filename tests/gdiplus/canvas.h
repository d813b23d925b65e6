#pragma once

// A 32-bit bitmap with a graphics over it, for checking drawn pixels.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "tests/gdiplus/colours.h"

namespace gdiplus_test {

inline int Red(gdiplus::ARGB c) {
  return (c >> 16) & 0xFF;
}
inline int Green(gdiplus::ARGB c) {
  return (c >> 8) & 0xFF;
}
inline int Blue(gdiplus::ARGB c) {
  return c & 0xFF;
}
inline int Alpha(gdiplus::ARGB c) {
  return (c >> 24) & 0xFF;
}

using test_colours::Near;

inline bool IsDark(gdiplus::ARGB c) {
  return Red(c) + Green(c) + Blue(c) < 3 * 160;
}

struct Canvas {
  Canvas(int width, int height, gdiplus::ARGB background = 0xFFFFFFFF) {
    EXPECT_TRUE(bitmap.CreateFromScan0(width, height, gdiplus::kPixelFormat32bppARGB));
    EXPECT_TRUE(graphics.FromImage(bitmap));
    EXPECT_TRUE(graphics.Clear(background));
  }
  // Pixels are read after the drawing is flushed.
  gdiplus::ARGB At(int x, int y) {
    graphics.Flush(1);
    return bitmap.GetPixel(x, y);
  }

  gdiplus::Bitmap bitmap;
  gdiplus::Graphics graphics;
};

}  // namespace gdiplus_test
