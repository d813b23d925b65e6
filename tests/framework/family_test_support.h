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

using framework::testing::Blend;
using framework::testing::PixelOf;
using framework::testing::Pump;
using framework::testing::TestWindow;
using test_colours::Near;
using test_colours::Rgb;
using test_colours::ToRgb;

// The mean of the three channels, 0 to 255.
inline int Brightness(Rgb c) {
  return (c.r + c.g + c.b) / 3;
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
