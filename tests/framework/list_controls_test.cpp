#include "framework/list_controls.h"
#include "framework/headers.h"

#include <gtest/gtest.h>

#include <vector>

#include "family_test_support.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"

namespace framework_test {
namespace {

using framework::ListControlWindowProc;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class ListControlsTest : public FrameworkTest {};

TEST_F(ListControlsTest, TwoListBoxesAndAListViewAreNumberedInOrderReusingThePlaceholder) {
  TestWindow window;
  window.Attach(Framework());
  framework::WindowRecord& record = window.Record();
  ASSERT_EQ(record.listControls.Count(), 0);
  // The placeholder a fresh table may hold: one record without a window.
  record.listControls.Append();
  HWND panel = window.Add("Static", 0, 10, 40, 400, 250);
  HWND first = window.Add("ListBox", WS_BORDER, 0, 0, 100, 80, "", 0, panel);
  HWND second = window.Add("ListBox", WS_BORDER, 110, 0, 100, 80, "", 0, panel);
  HWND view = window.Add(WC_LISTVIEWA, LVS_REPORT, 220, 0, 150, 80, "", WS_EX_CLIENTEDGE, panel);

  framework::InstallListControls(Framework(), window.Number(), panel);

  ASSERT_EQ(record.listControls.Count(), 3);
  EXPECT_EQ(record.listControls[1].window, first);
  EXPECT_EQ(record.listControls[2].window, second);
  EXPECT_EQ(record.listControls[3].window, view);
  EXPECT_EQ(framework::ReadIntProp(first, framework::kWindowNumberKey), 1);
  EXPECT_EQ(framework::ReadIntProp(second, framework::kWindowNumberKey), 2);
  EXPECT_EQ(framework::ReadIntProp(view, framework::kWindowNumberKey), 3);
  EXPECT_EQ(framework::ReadIntProp(view, framework::kOwnerNumberKey), window.Number());
  for (HWND control : {first, second, view}) {
    EXPECT_EQ(ProcOf(control), &ListControlWindowProc);
    EXPECT_NE(framework::ReadProp(control, framework::kPreviousProcKey), 0);
  }
  // A second pass over the same parent adds nothing and subclasses nothing twice.
  framework::InstallListControls(Framework(), window.Number(), panel);
  EXPECT_EQ(record.listControls.Count(), 3);
  EXPECT_NE(record.listControls[1].previousProc, &ListControlWindowProc);
}

TEST_F(ListControlsTest, OwnerDrawnComboListAndListViewWithBit10KeepTheirOwnPainting) {
  TestWindow window;
  HWND plainCombo = window.Add("ComboBox", CBS_SIMPLE, 10, 40, 120, 100);
  HWND drawnCombo =
      window.Add("ComboBox", CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 140, 40, 120, 100);
  HWND sortedView = window.Add(WC_LISTVIEWA, LVS_REPORT | 0x10, 10, 160, 150, 80);
  HWND plainView = window.Add(WC_LISTVIEWA, LVS_REPORT, 170, 160, 150, 80);
  HWND plainList = FindWindowExA(plainCombo, nullptr, "ComboLBox", nullptr);
  HWND drawnList = FindWindowExA(drawnCombo, nullptr, "ComboLBox", nullptr);
  ASSERT_NE(plainList, nullptr);
  ASSERT_NE(drawnList, nullptr);
  const WNDPROC drawnProc = ProcOf(drawnList);
  const WNDPROC sortedProc = ProcOf(sortedView);
  window.Attach(Framework());

  const auto& table = window.Record().listControls;
  EXPECT_NE(table.Find(plainList), 0);
  EXPECT_NE(table.Find(plainView), 0);
  EXPECT_EQ(table.Find(drawnList), 0);
  EXPECT_EQ(table.Find(sortedView), 0);
  EXPECT_EQ(ProcOf(drawnList), drawnProc);
  EXPECT_EQ(ProcOf(sortedView), sortedProc);
}

TEST_F(ListControlsTest, FramesFollowBorderHotAndFocus) {
  Translucent(false);
  TestWindow window;
  HWND bare = window.Add("ListBox", 0, 20, 40, 120, 100);
  HWND edged = window.Add("ListBox", 0, 160, 40, 120, 100, "", WS_EX_CLIENTEDGE);
  window.Attach(Framework());
  const int n = window.Number();
  const int bareIndex = window.Record().listControls.Find(bare);
  const int edgedIndex = window.Record().listControls.Find(edged);
  ASSERT_NE(bareIndex, 0);
  ASSERT_NE(edgedIndex, 0);

  // Without a border the frame layer is all key colour: nothing changes.
  const Rgb before = PixelOf(bare, 0, 50);
  framework::PaintListFrame(Framework(), n, bareIndex, true, std::nullopt);
  Pump(20);
  EXPECT_TRUE(Near(PixelOf(bare, 0, 50), before, 2));

  const Rgb accent = Blend(Rgb{255, 255, 255}, RGB(255, 0, 0), 200);
  const Rgb plainLine = Blend(Rgb{255, 255, 255}, RGB(0, 0, 0), 90);
  framework::PaintListFrame(Framework(), n, edgedIndex, true, false);
  // Hot: two pixels wide, drawn one pixel in so that both edge pixels take it.
  EXPECT_TRUE(Near(PixelOf(edged, 0, 50), accent));
  EXPECT_TRUE(Near(PixelOf(edged, 1, 50), accent));
  EXPECT_TRUE(Near(PixelOf(edged, 119, 50), accent));
  EXPECT_TRUE(Near(PixelOf(edged, 60, 1), accent));

  framework::PaintListFrame(Framework(), n, edgedIndex, false, true);
  EXPECT_TRUE(Near(PixelOf(edged, 0, 50), accent));
  EXPECT_TRUE(Near(PixelOf(edged, 1, 50), Rgb{255, 255, 255}));

  framework::PaintListFrame(Framework(), n, edgedIndex, false, false);
  EXPECT_TRUE(Near(PixelOf(edged, 0, 50), plainLine));
  EXPECT_TRUE(Near(PixelOf(edged, 1, 50), Rgb{255, 255, 255}));

  // The mouse makes the control hot through its procedure, and leaving ends it.
  SendMessageA(edged, WM_MOUSEMOVE, 0, MAKELPARAM(30, 30));
  EXPECT_TRUE(window.Record().listControls[edgedIndex].hot);
  EXPECT_TRUE(Near(PixelOf(edged, 1, 50), accent));
  SendMessageA(edged, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(window.Record().listControls[edgedIndex].hot);
  EXPECT_TRUE(Near(PixelOf(edged, 1, 50), Rgb{255, 255, 255}));
}

// The six classes on a dark background: their own white unless translucent.
struct SixClasses {
  explicit SixClasses(TestWindow& window) {
    controls[0] = window.Add("ListBox", WS_BORDER, 10, 40, 100, 80);
    combo = window.Add("ComboBox", CBS_SIMPLE, 120, 40, 100, 120);
    controls[1] = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    controls[2] = window.Add(WC_LISTVIEWA, LVS_REPORT | LVS_NOCOLUMNHEADER, 230, 40, 100, 80, "",
                             WS_EX_CLIENTEDGE);
    controls[3] = window.Add(WC_TREEVIEWA, 0, 340, 40, 100, 80, "", WS_EX_CLIENTEDGE);
    controls[4] = window.Add(WC_IPADDRESSA, 0, 10, 200, 150, 24);
    controls[5] = window.Add(DATETIMEPICK_CLASSA, 0, 200, 200, 150, 24);
  }
  HWND combo = nullptr;
  HWND controls[6] = {};
};

TEST_F(ListControlsTest, TranslucentOffLeavesTheBackgroundToAllSixClasses) {
  Translucent(false);
  Background(RGB(0, 0, 0));
  TestWindow window;
  SixClasses six(window);
  window.Attach(Framework());
  for (HWND control : six.controls) {
    ASSERT_NE(control, nullptr);
    EXPECT_NE(window.Record().listControls.Find(control), 0);
  }
  EXPECT_NE(SendMessageA(six.controls[3], TVM_GETBKCOLOR, 0, 0), 0x00FF00FF);
  EXPECT_NE(SendMessageA(six.controls[2], LVM_GETTEXTBKCOLOR, 0, 0),
            static_cast<LRESULT>(CLR_NONE));
  RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  Pump(100);
  for (HWND control : six.controls) {
    RECT client{};
    GetClientRect(control, &client);
    POINT at{client.right - 4, client.bottom - 4};
    ClientToScreen(control, &at);
    RECT outer{};
    GetWindowRect(control, &outer);
    const Rgb pixel = PixelOf(control, at.x - outer.left, at.y - outer.top);
    EXPECT_GT(Brightness(pixel), 200) << framework::ClassNameOf(control);
  }
}

TEST_F(ListControlsTest, TranslucentTreeViewAndListViewShowTheVeiledBackground) {
  Background(RGB(0, 0, 0));
  TestWindow window;
  SixClasses six(window);
  window.Attach(Framework());
  EXPECT_EQ(SendMessageA(six.controls[3], TVM_GETBKCOLOR, 0, 0), 0x00FF00FF);
  RedrawWindow(window.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  Pump(100);
  const Rgb veiled = Blend(Rgb{0, 0, 0}, RGB(255, 255, 255), 32);
  for (HWND control : {six.controls[2], six.controls[3]}) {
    const Rgb pixel = PixelOf(control, 50, 60);
    EXPECT_TRUE(Near(pixel, veiled))
        << framework::ClassNameOf(control) << " " << pixel.r << "," << pixel.g << "," << pixel.b;
  }
}

TEST_F(ListControlsTest, HeaderItemsAreHitTestedAndTheLastOneReachesTheListViewEdge) {
  TestWindow window;
  HWND view = window.Add(WC_LISTVIEWA, LVS_REPORT, 10, 40, 300, 120, "", WS_EX_CLIENTEDGE);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 80;
  column.pszText = const_cast<char*>("名称");
  SendMessageA(view, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.pszText = const_cast<char*>("大小");
  SendMessageA(view, LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  HWND header = reinterpret_cast<HWND>(SendMessageA(view, LVM_GETHEADER, 0, 0));
  ASSERT_NE(header, nullptr);
  window.Attach(Framework());
  const int n = window.Number();
  const int index = window.Record().headers.Find(header);
  ASSERT_NE(index, 0);
  const framework::HeaderRecord& record = window.Record().headers[index];
  EXPECT_FALSE(record.fontFace.empty());
  EXPECT_GT(record.fontSize, 0);

  EXPECT_EQ(framework::HeaderHitTest(Framework(), n, index, MAKELPARAM(10, 5)), 1);
  EXPECT_EQ(framework::HeaderHitTest(Framework(), n, index, MAKELPARAM(90, 5)), 2);
  EXPECT_EQ(framework::HeaderHitTest(Framework(), n, index, MAKELPARAM(250, 5)), 0);

  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(90, 5));
  EXPECT_EQ(record.hotItem, 2);
  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(250, 5));
  EXPECT_EQ(record.hotItem, 0);
  SendMessageA(header, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  EXPECT_EQ(record.hotItem, 1);
  EXPECT_TRUE(record.mouseInside);

  // The second item's gradient runs on to the list view's right edge: what
  // lies right of it is painted like an item, not the bare background.
  framework::PaintHeader(Framework(), n, index);
  const Rgb farRight = PixelOf(header, 250, 4);
  const Rgb background = Rgb{0, 0, 160};
  EXPECT_FALSE(Near(farRight, background, 30));
}

// Vertical stripes, 4 pixels black and 4 white, as PNG bytes.
std::vector<unsigned char> StripesPng(int width, int height) {
  gdiplus::Bitmap bitmap;
  bitmap.CreateFromScan0(width, height);
  {
    gdiplus::Graphics graphics;
    graphics.FromImage(bitmap);
    gdiplus::SolidBrush black, white;
    black.Create(0xFF000000u);
    white.Create(0xFFFFFFFFu);
    for (int x = 0; x < width; x += 4)
      graphics.FillRectangleI(x % 8 == 0 ? black : white, x, 0, 4, height);
  }
  return bitmap.SaveToBytes("image/png");
}

TEST_F(ListControlsTest, TheTranslucentEraseLaysTheVeiledBackgroundUnderTheClientArea) {
  const std::vector<unsigned char> stripes = StripesPng(480, 360);
  Framework().SetBackground(nullptr, stripes.data(), static_cast<uint32_t>(stripes.size()),
                            COLORREF{0}, std::nullopt, 0);
  TestWindow window;
  // Client edges two pixels wide: the client area lies two pixels in.
  HWND edit = window.Add("Edit", 0, 21, 40, 120, 24, "", WS_EX_CLIENTEDGE);
  HWND address = window.Add(WC_IPADDRESSA, 0, 21, 80, 160, 24, "", WS_EX_CLIENTEDGE);
  HWND date = window.Add(DATETIMEPICK_CLASSA, 0, 21, 120, 160, 24, "", WS_EX_CLIENTEDGE);
  window.Attach(Framework());
  const HDC cache = window.Record().frameCache;
  ASSERT_NE(cache, nullptr);
  for (HWND control : {edit, address, date}) {
    SCOPED_TRACE(framework::ClassNameOf(control));
    RECT client{};
    GetClientRect(control, &client);
    POINT origin{0, 0};
    MapWindowPoints(control, window.hwnd(), &origin, 1);
    ASSERT_GT(origin.x, 21);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    EXPECT_NE(SendMessageA(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
    int matched = 0;
    const int y = client.bottom / 2;
    for (int x = 0; x < client.right; ++x) {
      const Rgb under = ToRgb(GetPixel(cache, origin.x + x, origin.y + y));
      if (Near(ToRgb(GetPixel(dc, x, y)), Blend(under, RGB(255, 255, 255), 32), 8)) ++matched;
    }
    EXPECT_GE(matched, client.right - 2) << matched << " of " << client.right;
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
}

}  // namespace
}  // namespace framework_test
