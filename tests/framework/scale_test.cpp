// The framework's view of the display scale: the DPI of a window with and
// without the per-monitor functions of newer Windows, the rounding of design
// lengths, the metrics at 100 %, and which carried picture a scale draws.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "data/pictures/pictures.h"
#include "framework/dpi.h"
#include "framework/metrics.h"
#include "framework/pictures.h"

namespace {

using framework::DpiFunctions;

// Stand-ins for the system's functions (WINAPI: on i686 a lambda would not do).
UINT WINAPI NoDpiForWindow(HWND) {
  return 0;
}
HRESULT WINAPI FailingDpiForMonitor(HMONITOR, int, UINT*, UINT*) {
  return E_FAIL;
}
UINT WINAPI DpiForWindowOf144(HWND) {
  return 144;
}

TEST(ScaleTest, WithoutThePerMonitorFunctionsEveryWindowIsAtTheSystemDpi) {
  HWND window =
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  HDC screen = GetDC(nullptr);
  const int system = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(framework::SystemDpi(), system);
  // Windows 7: neither function exists.
  const DpiFunctions none;
  EXPECT_EQ(framework::WindowDpi(window, none), system);
  EXPECT_EQ(framework::MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), none),
            system);
  // A function that answers nothing usable is not believed.
  DpiFunctions broken;
  broken.getDpiForWindow = &NoDpiForWindow;
  broken.getDpiForMonitor = &FailingDpiForMonitor;
  EXPECT_EQ(framework::WindowDpi(window, broken), system);
  EXPECT_EQ(framework::MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), broken),
            system);
  // Where they exist, they are asked.
  DpiFunctions asked;
  asked.getDpiForWindow = &DpiForWindowOf144;
  EXPECT_EQ(framework::WindowDpi(window, asked), 144);
  DestroyWindow(window);
}

TEST(ScaleTest, DesignLengthsRoundToTheNearestPixelHalvesAwayFromZero) {
  EXPECT_EQ(framework::ScaleLength(498, 96), 498);
  EXPECT_EQ(framework::ScaleLength(498, 120), 623);  // 622.5
  EXPECT_EQ(framework::ScaleLength(13, 144), 20);    // 19.5
  EXPECT_EQ(framework::ScaleLength(5, 120), 6);      // 6.25
  EXPECT_EQ(framework::ScaleLength(-2, 120), -3);    // -2.5
  EXPECT_EQ(framework::ScaleLength(468, 192), 936);
  for (int design = -50; design <= 600; ++design)
    for (int dpi : {96, 120, 144, 168, 192, 240})
      EXPECT_EQ(framework::ScaleLength(design, dpi), MulDiv(design, dpi, 96))
          << design << " " << dpi;
}

TEST(ScaleTest, AtOneHundredPerCentEveryMetricIsItsDesignValue) {
  // What keeps the window at 96 DPI pixel for pixel what it was.
  const framework::Metrics design;
  const framework::Metrics at96 = framework::MetricsForDpi(96);
  EXPECT_EQ(std::memcmp(&design, &at96, sizeof design), 0);
  const framework::Metrics at144 = framework::MetricsForDpi(144);
  EXPECT_EQ(at144.line, 2);
  EXPECT_EQ(at144.checkSize, 20);
  EXPECT_FLOAT_EQ(at144.titleFontSize, 18.0f);
  EXPECT_EQ(framework::MetricsForDpi(120).line, 1);
  EXPECT_EQ(framework::MetricsForDpi(192).line, 2);
}

TEST(ScaleTest, At192DpiEveryLengthIsTwiceItsDesignValue) {
  // Word by word, not through the tables: a member they leave out shows here.
  // Metrics holds ints and floats alone (dpi doubles too); a word that stays
  // as it was (a design value of 0) could not show a length left out.
  const framework::Metrics design;
  const framework::Metrics at192 = framework::MetricsForDpi(192);
  for (size_t at = 0; at < sizeof design; at += 4) {
    int32_t was = 0, now = 0;
    float wasF = 0, nowF = 0;
    std::memcpy(&was, reinterpret_cast<const char*>(&design) + at, 4);
    std::memcpy(&now, reinterpret_cast<const char*>(&at192) + at, 4);
    std::memcpy(&wasF, &was, 4);
    std::memcpy(&nowF, &now, 4);
    EXPECT_TRUE(now != was && (now == 2 * was || nowF == 2 * wasF)) << "the word at byte " << at;
  }
}

TEST(ScaleTest, EachScaleDrawsThePictureOfTheNearestScaleTheLargerOfTwoAsNear) {
  const PictureSet close = CloseButtonPictures();
  EXPECT_EQ(framework::PictureFor(close, 72).bytes, close.scales[0].bytes);
  EXPECT_EQ(framework::PictureFor(close, 96).bytes, close.scales[0].bytes);
  EXPECT_EQ(framework::PictureFor(close, 119).bytes, close.scales[0].bytes);
  EXPECT_EQ(framework::PictureFor(close, 120).bytes, close.scales[1].bytes);
  EXPECT_EQ(framework::PictureFor(close, 144).bytes, close.scales[1].bytes);
  EXPECT_EQ(framework::PictureFor(close, 168).bytes, close.scales[2].bytes);
  EXPECT_EQ(framework::PictureFor(close, 192).bytes, close.scales[2].bytes);
  EXPECT_EQ(framework::PictureFor(close, 288).bytes, close.scales[2].bytes);
}

}  // namespace
