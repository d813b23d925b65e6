#include "framework/non_client.h"

#include <gtest/gtest.h>

#include "skin_test_support.h"

namespace framework {
namespace {

using testing::TestWindow;

// A window whose borders are 1 pixel at the left and top and 2 at the
// right and bottom (or as given), so they differ by an odd pixel count.
struct Borders {
  int left, top, right, bottom;
};
LRESULT CALLBACK UnevenProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCALCSIZE) {
    const auto* borders = reinterpret_cast<const Borders*>(GetPropA(hwnd, "Test_Borders"));
    if (borders != nullptr) {
      RECT* rect = reinterpret_cast<RECT*>(lParam);
      rect->left += borders->left;
      rect->top += borders->top;
      rect->right -= borders->right;
      rect->bottom -= borders->bottom;
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeUneven(HWND parent, const Borders& borders) {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = UnevenProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "UnevenBorders";
    return RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  HWND window = CreateWindowExA(0, "UnevenBorders", "", WS_CHILD | WS_VISIBLE, 10, 10, 60, 40,
                                parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetPropA(window, "Test_Borders", const_cast<Borders*>(&borders));
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return window;
}

RECT BarOf(HWND control, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(control, object, &info);
  return info.rcScrollBar;
}

TEST(NonClient, BothScrollBarsAndTheCornerAreInTheRegion) {
  TestWindow window{420, 320};
  HWND edit = window.Add("EDIT", WS_VSCROLL | WS_HSCROLL | ES_MULTILINE, 10, 10, 150, 100, "",
                         WS_EX_CLIENTEDGE);
  window.Show();
  const RECT horizontal = BarOf(edit, OBJID_HSCROLL);
  const RECT vertical = BarOf(edit, OBJID_VSCROLL);
  ASSERT_GT(horizontal.bottom - horizontal.top, 0);
  ASSERT_GT(vertical.right - vertical.left, 0);

  HRGN region = ScrollBarRegion(edit);
  ASSERT_NE(region, nullptr);
  // Inside each bar, and in the square where they meet.
  EXPECT_TRUE(PtInRegion(region, horizontal.left + 2, horizontal.top + 2));
  EXPECT_TRUE(PtInRegion(region, vertical.left + 2, vertical.top + 2));
  EXPECT_TRUE(PtInRegion(region, vertical.left + 2, horizontal.top + 2));
  // Not the client area nor the border.
  RECT client{};
  GetClientRect(edit, &client);
  POINT inside{client.right / 2, client.bottom / 2};
  ClientToScreen(edit, &inside);
  EXPECT_FALSE(PtInRegion(region, inside.x, inside.y));
  RECT outer{};
  GetWindowRect(edit, &outer);
  EXPECT_FALSE(PtInRegion(region, outer.left, outer.top));
  RECT box{};
  GetRgnBox(region, &box);
  EXPECT_EQ(box.right, vertical.right);
  EXPECT_GE(box.bottom, horizontal.bottom);
  DeleteObject(region);

  // The client rectangle spans the client area and both bar thicknesses,
  // inside the two-pixel client edge.
  const RECT span = ClientRectInWindow(edit);
  EXPECT_EQ(span.left, 2);
  EXPECT_EQ(span.top, 2);
  EXPECT_EQ(span.right - span.left, client.right + (vertical.right - vertical.left));
  EXPECT_EQ(span.bottom - span.top, client.bottom + (horizontal.bottom - horizontal.top));
}

TEST(NonClient, OneBarOrNone) {
  TestWindow window{420, 320};
  HWND vertical =
      window.Add("EDIT", WS_VSCROLL | ES_MULTILINE, 10, 10, 120, 80, "", WS_EX_CLIENTEDGE);
  HWND plain = window.Add("EDIT", 0, 10, 100, 120, 24, "", WS_EX_CLIENTEDGE);
  window.Show();
  HRGN region = ScrollBarRegion(vertical);
  ASSERT_NE(region, nullptr);
  RECT box{};
  GetRgnBox(region, &box);
  const RECT bar = BarOf(vertical, OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&box, &bar));
  DeleteObject(region);
  EXPECT_EQ(ScrollBarRegion(plain), nullptr);
  EXPECT_TRUE(HasScrollBar(vertical));
  EXPECT_FALSE(HasScrollBar(plain));
  const RECT span = ClientRectInWindow(plain);
  RECT client{};
  GetClientRect(plain, &client);
  EXPECT_EQ(span.left, 2);
  EXPECT_EQ(span.right - span.left, client.right);
}

TEST(NonClient, OddBordersArePlacedWithFloorRounding) {
  TestWindow window{420, 320};
  static const Borders oneTwo{1, 1, 2, 2};
  static const Borders twoThree{2, 3, 3, 4};
  HWND first = MakeUneven(window.hwnd(), oneTwo);
  HWND second = MakeUneven(window.hwnd(), twoThree);
  RECT client{};
  GetClientRect(first, &client);
  ASSERT_EQ(client.right, 60 - 3);
  // Three pixels of border across: one to the left, the odd one to the right.
  RECT span = ClientRectInWindow(first);
  EXPECT_EQ(span.left, 1);
  EXPECT_EQ(span.top, 1);
  EXPECT_EQ(span.right, 1 + client.right);
  EXPECT_EQ(span.bottom, 1 + client.bottom);
  // Five across (2.5 each side) and seven down (3.5): floor gives 2 and 3.
  GetClientRect(second, &client);
  span = ClientRectInWindow(second);
  EXPECT_EQ(span.left, 2);
  EXPECT_EQ(span.top, 3);
  EXPECT_EQ(span.right, 2 + client.right);
  EXPECT_EQ(span.bottom, 3 + client.bottom);
}

TEST(NonClient, BorderTestsEveryBorderedStyle) {
  TestWindow window{420, 320};
  struct Case {
    DWORD style;
    DWORD exStyle;
    bool bordered;
  };
  const Case cases[] = {
      {WS_BORDER, 0, true},
      {0, WS_EX_WINDOWEDGE, true},
      {0, WS_EX_CLIENTEDGE, true},
      {0, WS_EX_DLGMODALFRAME, true},
      {0, WS_EX_STATICEDGE, false},  // 0x20000: none of the combinations
      {0, 0x80, false},              // part of 0x188 alone
      {0, 0x8, false},
      {0, 0, false},
  };
  for (const Case& c : cases) {
    HWND control = window.Add("STATIC", c.style, 0, 0, 20, 20, "");
    SetWindowLongPtrA(control, GWL_EXSTYLE, static_cast<LONG_PTR>(c.exStyle));
    // The system adds and drops the window edge as it likes; judge only
    // the styles the control really has.
    if (static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE)) != c.exStyle) {
      DestroyWindow(control);
      continue;
    }
    EXPECT_EQ(HasBorder(control), c.bordered) << std::hex << c.style << " " << c.exStyle;
    DestroyWindow(control);
  }
}

}  // namespace
}  // namespace framework
