#pragma once

// A top-level window of the test's own with the framework attached, and
// pixel reads from what the window shows.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/records.h"
#include "framework/skin_framework.h"
#include "tests/framework/test_window.h"
#include "tests/gdiplus/colours.h"

namespace framework_test {

// The framework of the test program (made once, like the program's own).
framework::SkinFramework& Framework();

inline void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(1);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

using framework::testing::TestWindow;
using test_colours::Near;
using test_colours::Rgb;
using test_colours::ToRgb;

inline int Brightness(Rgb c) {
  return (c.r + c.g + c.b) / 3;
}

// What the window shows at (x, y) of its window rectangle.
inline Rgb PixelOf(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF c = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return ToRgb(c);
}

// The colour of GDI+ colour `colour` at `alpha` laid over `under`.
inline Rgb Blend(Rgb under, COLORREF colour, int alpha) {
  auto mix = [alpha](int u, int c) { return (c * alpha + u * (255 - alpha)) / 255; };
  return Rgb{mix(under.r, GetRValue(colour)), mix(under.g, GetGValue(colour)),
             mix(under.b, GetBValue(colour))};
}

// Framework settings and background for one test; restored afterwards.
class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Translucent mode with veil alpha 32 (the program's), or off.
  void Translucent(bool on);
  // The window background colour (no picture).
  void Background(COLORREF colour);
};

}  // namespace framework_test
