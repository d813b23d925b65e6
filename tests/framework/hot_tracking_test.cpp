// The window-wide hot control: the mouse leaving one control for another.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "family_test_support.h"
#include "framework/properties.h"

namespace framework_test {
namespace {

class HotTrackingTest : public FrameworkTest {};

struct Tracked {
  const char* name;
  HWND window;
  int kind;  // the hot-control kind of its family
};

int IndexOf(HWND control) {
  return framework::ReadIntProp(control, framework::kWindowNumberKey);
}

TEST_F(HotTrackingTest, TheControlTheMouseLeftDoesNotTakeTheHotStateFromTheOneItEntered) {
  TestWindow window(560, 360);
  HWND header = window.Add(WC_HEADERA, HDS_BUTTONS, 10, 300, 300, 24);
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH;
  item.cxy = 120;
  item.pszText = const_cast<char*>("列");
  SendMessageA(header, HDM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  const std::vector<Tracked> controls = {
      {"push button", window.Add("Button", BS_PUSHBUTTON, 10, 40, 100, 26, "按钮"), 0},
      {"radio 1", window.Add("Button", BS_AUTORADIOBUTTON, 10, 80, 100, 20, "一"), 0},
      {"radio 2", window.Add("Button", BS_AUTORADIOBUTTON, 10, 100, 100, 20, "二"), 0},
      {"edit", window.Add("Edit", WS_BORDER, 130, 40, 100, 22), 1},
      {"trackbar", window.Add(TRACKBAR_CLASSA, TBS_NOTICKS, 130, 80, 150, 30), 2},
      {"combo box", window.Add("ComboBox", CBS_DROPDOWNLIST, 300, 40, 100, 120), 3},
      {"list box", window.Add("ListBox", WS_BORDER, 300, 80, 100, 80), 4},
      {"up-down", window.Add(UPDOWN_CLASSA, 0, 420, 40, 24, 40), 8},
      {"header", header, 9},
  };
  window.Attach(Framework());
  const framework::WindowRecord& record = window.Record();
  for (const Tracked& left : controls) {
    for (const Tracked& entered : controls) {
      if (left.window == entered.window) continue;
      SCOPED_TRACE(std::string(left.name) + " to " + entered.name);
      ASSERT_NE(IndexOf(entered.window), 0);
      // The system posts the leave of the first control when the mouse has
      // reached the second, whose move is handled before it.
      SendMessageA(left.window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      SendMessageA(entered.window, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
      SendMessageA(left.window, WM_MOUSELEAVE, 0, 0);
      EXPECT_EQ(record.previousHot, IndexOf(entered.window));
      EXPECT_EQ(record.hotKind, entered.kind);
      SendMessageA(entered.window, WM_MOUSELEAVE, 0, 0);
      EXPECT_EQ(record.previousHot, 0);
      Pump(5);
    }
  }
}

TEST_F(HotTrackingTest, ARadioButtonEnteredFromItsNeighbourPaintsHot) {
  TestWindow window;
  HWND first = window.Add("Button", BS_AUTORADIOBUTTON, 20, 60, 120, 20, "一");
  HWND second = window.Add("Button", BS_AUTORADIOBUTTON, 20, 80, 120, 20, "二");
  window.Attach(Framework());
  // Red parts of the circle's outline: the accent of the hot look.
  auto redCircle = [](HWND radio) {
    int red = 0;
    for (int y = 2; y < 18; ++y)
      for (int x = 0; x < 16; ++x) {
        const Rgb c = PixelOf(radio, x, y);
        if (c.r > 150 && c.g < 100 && c.b < 100) ++red;
      }
    return red;
  };
  SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(first, WM_MOUSELEAVE, 0, 0);
  RedrawWindow(second, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GT(redCircle(second), 5);
  EXPECT_EQ(redCircle(first), 0);
  SendMessageA(second, WM_MOUSELEAVE, 0, 0);
  Pump(5);
}

}  // namespace
}  // namespace framework_test
