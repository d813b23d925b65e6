#include "framework/range_controls.h"

#include <gtest/gtest.h>

#include "family_test_support.h"

namespace framework_test {
namespace {

class RangeControlsTest : public FrameworkTest {};

TEST(TickPlacement, NoTicksWinsOverTopAndBothSidesOverTop) {
  EXPECT_EQ(framework::TickPlacement(TBS_NOTICKS | TBS_TOP), 3);
  EXPECT_EQ(framework::TickPlacement(TBS_NOTICKS | TBS_BOTH), 3);
  EXPECT_EQ(framework::TickPlacement(TBS_BOTH | TBS_TOP), 2);
  EXPECT_EQ(framework::TickPlacement(TBS_TOP), 0);
  EXPECT_EQ(framework::TickPlacement(TBS_VERT | TBS_LEFT), 0);
  EXPECT_EQ(framework::TickPlacement(TBS_VERT), 1);
  EXPECT_EQ(framework::TickPlacement(0), 1);
}

TEST(ProgressFillLength, FromTheLowEndOfTheRangeAndNeverBeyondTheBar) {
  EXPECT_EQ(framework::ProgressFillLength(100, 0, 100, 200), 200);
  EXPECT_EQ(framework::ProgressFillLength(0, 0, 100, 200), 0);
  EXPECT_EQ(framework::ProgressFillLength(50, 0, 100, 200), 100);
  // A range that does not start at 0: its minimum fills nothing, its maximum all.
  EXPECT_EQ(framework::ProgressFillLength(50, 50, 150, 100), 0);
  EXPECT_EQ(framework::ProgressFillLength(150, 50, 150, 100), 100);
  // An empty or inverted range fills nothing, and nothing divides by zero.
  EXPECT_EQ(framework::ProgressFillLength(10, 10, 10, 100), 0);
  EXPECT_EQ(framework::ProgressFillLength(5, 10, 0, 100), 0);
  EXPECT_EQ(framework::ProgressFillLength(2147483647, -2147483647 - 1, 2147483647, 1000), 1000);
}

TEST_F(RangeControlsTest, InstallRecordsStylesOfEveryTrackbarProgressBarAndUpDown) {
  TestWindow window;
  HWND none = window.Add(TRACKBAR_CLASSA, TBS_NOTICKS | TBS_TOP, 10, 40, 150, 30);
  HWND vertical =
      window.Add(TRACKBAR_CLASSA, TBS_VERT | TBS_BOTH | TBS_ENABLESELRANGE, 170, 40, 40, 150);
  HWND bar = window.Add(PROGRESS_CLASSA, PBS_VERTICAL, 220, 40, 20, 120);
  HWND upDown = window.Add(UPDOWN_CLASSA, UDS_HORZ, 260, 40, 40, 20);
  window.Attach(Framework());
  auto& record = window.Record();
  ASSERT_EQ(record.trackbars.Count(), 2);
  EXPECT_EQ(record.trackbars[1].window, none);
  EXPECT_EQ(record.trackbars[1].ticks, 3);
  EXPECT_FALSE(record.trackbars[1].vertical);
  EXPECT_EQ(record.trackbars[2].window, vertical);
  EXPECT_EQ(record.trackbars[2].ticks, 2);
  EXPECT_TRUE(record.trackbars[2].vertical);
  EXPECT_TRUE(record.trackbars[2].selectionRange);
  ASSERT_EQ(record.progressBars.Count(), 1);
  EXPECT_EQ(record.progressBars[1].window, bar);
  EXPECT_TRUE(record.progressBars[1].vertical);
  ASSERT_EQ(record.upDowns.Count(), 1);
  EXPECT_EQ(record.upDowns[1].window, upDown);
  EXPECT_TRUE(record.upDowns[1].horizontal);
}

// Near-white pixels in the box around the thumb: the circle's face.
int WhiteAroundThumb(HWND trackbar) {
  RECT thumb{};
  SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  int count = 0;
  HDC dc = GetWindowDC(trackbar);
  for (int y = thumb.top - 2; y < thumb.bottom + 2; ++y)
    for (int x = thumb.left - 2; x < thumb.left + 16; ++x)
      if (Brightness(ToRgb(GetPixel(dc, x, y))) > 200) ++count;
  ReleaseDC(trackbar, dc);
  return count;
}

TEST_F(RangeControlsTest, HoveringATrackbarGrowsItsThumbAndLeavingShrinksIt) {
  Background(RGB(0, 0, 0));
  TestWindow window;
  HWND trackbar = window.Add(TRACKBAR_CLASSA, TBS_NOTICKS, 20, 40, 200, 32);
  SendMessageA(trackbar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
  SendMessageA(trackbar, TBM_SETPOS, TRUE, 4);
  window.Attach(Framework());
  const int index = window.Record().trackbars.Find(trackbar);
  ASSERT_NE(index, 0);
  const int small = WhiteAroundThumb(trackbar);

  SendMessageA(trackbar, WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
  EXPECT_TRUE(window.Record().trackbars[index].hot);
  const int large = WhiteAroundThumb(trackbar);
  // An 11-unit circle against a 4-unit one: several times the face.
  EXPECT_GT(large, small * 3 + 20) << small << " " << large;

  SendMessageA(trackbar, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(window.Record().trackbars[index].hot);
  EXPECT_NEAR(WhiteAroundThumb(trackbar), small, 3);
}

TEST_F(RangeControlsTest, ProgressAtItsMaximumFillsTheInnerLengthAndAtItsMinimumOnlyTheTrack) {
  Translucent(false);
  Background(RGB(0, 0, 0));
  TestWindow window;
  HWND bar = window.Add(PROGRESS_CLASSA, 0, 20, 40, 200, 20);
  HWND empty = window.Add(PROGRESS_CLASSA, 0, 20, 80, 200, 20);
  SendMessageA(bar, PBM_SETRANGE32, 0, 100);
  SendMessageA(empty, PBM_SETRANGE32, 0, 0);
  window.Attach(Framework());
  const int n = window.Number();
  const int index = window.Record().progressBars.Find(bar);
  ASSERT_NE(index, 0);
  auto redness = [](Rgb c) { return c.r - (c.g + c.b) / 2; };

  SendMessageA(bar, PBM_SETPOS, 100, 0);
  framework::PaintProgressBar(Framework(), n, index, nullptr);
  EXPECT_GT(redness(PixelOf(bar, 4, 10)), 100);
  EXPECT_GT(redness(PixelOf(bar, 194, 10)), 100);

  SendMessageA(bar, PBM_SETPOS, 0, 0);
  framework::PaintProgressBar(Framework(), n, index, nullptr);
  EXPECT_LT(redness(PixelOf(bar, 4, 10)), 20);
  EXPECT_LT(redness(PixelOf(bar, 100, 10)), 20);
  EXPECT_LT(redness(PixelOf(bar, 194, 10)), 20);

  // An empty range draws the track and nothing else.
  SendMessageA(empty, PBM_SETPOS, 0, 0);
  framework::PaintProgressBar(Framework(), n, window.Record().progressBars.Find(empty), nullptr);
  EXPECT_LT(redness(PixelOf(empty, 100, 10)), 20);
  EXPECT_GT(Brightness(PixelOf(empty, 100, 3)), 40);
}

TEST_F(RangeControlsTest, MovingFromTheUpperToTheLowerHalfOfAnUpDownRepaintsIt) {
  TestWindow window;
  HWND upDown = window.Add(UPDOWN_CLASSA, 0, 20, 40, 24, 40);
  window.Attach(Framework());
  const int n = window.Number();
  const int index = window.Record().upDowns.Find(upDown);
  ASSERT_NE(index, 0);
  EXPECT_EQ(framework::UpDownHitTest(Framework(), n, index, MAKELPARAM(5, 19)), 1);
  EXPECT_EQ(framework::UpDownHitTest(Framework(), n, index, MAKELPARAM(5, 20)), 2);

  auto blacken = [upDown] {
    HDC dc = GetWindowDC(upDown);
    RECT all{0, 0, 24, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(upDown, dc);
  };
  SendMessageA(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  EXPECT_EQ(window.Record().upDowns[index].hotHalf, 1);
  blacken();
  // The same half again: nothing to repaint.
  SendMessageA(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(12, 8));
  EXPECT_EQ(Brightness(PixelOf(upDown, 12, 30)), 0);
  // The other half of the same control: painted again, the lower half hot.
  SendMessageA(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(10, 30));
  EXPECT_EQ(window.Record().upDowns[index].hotHalf, 2);
  EXPECT_GT(Brightness(PixelOf(upDown, 12, 30)), 40);
  const Rgb lower = PixelOf(upDown, 3, 34);
  const Rgb upper = PixelOf(upDown, 3, 14);
  // The hot half carries more of the accent (red) than the other one.
  EXPECT_GT(lower.r - lower.b, upper.r - upper.b) << lower.r << " " << upper.r;
}

TEST_F(RangeControlsTest, AnUpDownRepaintedLaterShowsTheHalfUnderTheMouseHot) {
  TestWindow window;
  HWND upDown = window.Add(UPDOWN_CLASSA, 0, 20, 40, 24, 40);
  window.Attach(Framework());
  const int index = window.Record().upDowns.Find(upDown);
  ASSERT_NE(index, 0);
  // A click on the upper half, then the mouse moves down to the lower one.
  SendMessageA(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
  SendMessageA(upDown, WM_LBUTTONUP, 0, MAKELPARAM(10, 5));
  SendMessageA(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(10, 30));
  ASSERT_EQ(window.Record().upDowns[index].hotHalf, 2);
  RedrawWindow(upDown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const Rgb lower = PixelOf(upDown, 3, 34);
  const Rgb upper = PixelOf(upDown, 3, 14);
  EXPECT_GT(lower.r - lower.b, upper.r - upper.b) << lower.r << " " << upper.r;
  SendMessageA(upDown, WM_MOUSELEAVE, 0, 0);
}

}  // namespace
}  // namespace framework_test
