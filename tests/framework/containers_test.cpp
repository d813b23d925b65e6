#include "framework/containers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "family_test_support.h"
#include "framework/properties.h"
#include "tests/framework/import_patch.h"

namespace framework_test {
namespace {

using framework::ContainerWindowProc;

WNDPROC ProcOf(HWND window) {
  return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class ContainersTest : public FrameworkTest {};

TEST_F(ContainersTest, AButtonSkinnedGenericallyLosesItsFaceAndKeepsItsTextAndEdges) {
  TestWindow window;
  window.Attach(Framework());
  // Made after the attach, so no button pass has taken it.
  HWND button = window.Add("Button", BS_PUSHBUTTON, 40, 60, 120, 40, "确定 OK");
  framework::SkinGenericControl(Framework(), button, std::nullopt, std::nullopt, std::nullopt);
  const framework::WindowRecord& record = window.Record();
  const int index = record.genericControls.Find(button);
  ASSERT_NE(index, 0);
  EXPECT_EQ(record.genericControls[index].keyColour, GetSysColor(COLOR_BTNFACE));
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(50);

  const Rgb face = ToRgb(GetSysColor(COLOR_BTNFACE));
  const Rgb veiled = Blend(Rgb{0, 0, 160}, RGB(255, 255, 255), 32);
  // Face pixels away from the text and the edges show the veiled background.
  EXPECT_TRUE(Near(PixelOf(button, 8, 20), veiled)) << PixelOf(button, 8, 20).b;
  EXPECT_FALSE(Near(PixelOf(button, 8, 20), face));
  EXPECT_TRUE(Near(PixelOf(button, 112, 30), veiled));
  // The edges: the dark line right and at the bottom stays.
  const Rgb right = PixelOf(button, 119, 20);
  const Rgb bottom = PixelOf(button, 60, 39);
  EXPECT_FALSE(Near(right, veiled)) << right.r << "," << right.g << "," << right.b;
  EXPECT_FALSE(Near(bottom, veiled));
  // The caption stays: dark pixels in the middle band.
  int dark = 0;
  for (int y = 12; y < 28; ++y)
    for (int x = 30; x < 90; ++x)
      if (Brightness(PixelOf(button, x, y)) < 30) ++dark;
  EXPECT_GT(dark, 15);
}

// Notes every area painted, between the framework and the rich edit.
std::vector<RECT> painted;
WNDPROC richEditProc = nullptr;
LRESULT CALLBACK RecordPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    RECT update{};
    if (GetUpdateRect(window, &update, FALSE)) painted.push_back(update);
  }
  return CallWindowProcA(richEditProc, window, message, wParam, lParam);
}

TEST_F(ContainersTest, ARichEditRepaintsWholeWhenScrolled) {
  TestWindow window;
  window.Attach(Framework());
  HWND edit = window.Add("RichEdit20A", ES_MULTILINE | WS_VSCROLL, 40, 60, 200, 120);
  ASSERT_NE(edit, nullptr);
  std::string text;
  for (int line = 0; line < 60; ++line) text += "第 " + std::to_string(line) + " 行\r\n";
  SetWindowTextA(edit, text.c_str());
  richEditProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordPaint)));
  framework::SkinGenericControl(Framework(), edit, std::nullopt, std::nullopt, std::nullopt);
  UpdateWindow(edit);
  Pump(50);
  painted.clear();

  SendMessageA(edit, WM_VSCROLL, SB_LINEDOWN, 0);
  UpdateWindow(edit);
  Pump(50);
  RECT client{};
  GetClientRect(edit, &client);
  RECT all{};
  for (const RECT& r : painted) UnionRect(&all, &all, &r);
  EXPECT_TRUE(EqualRect(&all, &client))
      << all.left << "," << all.top << "," << all.right << "," << all.bottom;
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(richEditProc));
}

// The owner-drawn items a group box's own procedure is asked to draw.
std::vector<UINT> boxDrawItems;
WNDPROC boxProc = nullptr;
LRESULT CALLBACK RecordBoxDrawItems(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM)
    boxDrawItems.push_back(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType);
  return CallWindowProcA(boxProc, window, message, wParam, lParam);
}

TEST_F(ContainersTest, OwnerDrawnItemsTheFrameworkDoesNotDrawReachTheContainersOwnProcedure) {
  TestWindow window;
  HWND box = window.Add("Button", BS_GROUPBOX, 20, 40, 240, 200, "分组");
  HWND button = window.Add("Button", BS_PUSHBUTTON, 10, 20, 80, 24, "按钮", 0, box);
  HWND label = window.Add("Static", SS_OWNERDRAW, 10, 60, 80, 24, "", 0, box);
  boxProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordBoxDrawItems)));
  window.Attach(Framework());
  framework::SkinContainer(Framework(), box, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  Pump(50);
  boxDrawItems.clear();
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(20);
  EXPECT_EQ(std::count(boxDrawItems.begin(), boxDrawItems.end(), UINT{ODT_STATIC}), 1);
  // The push button inside is the framework's to draw.
  boxDrawItems.clear();
  RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(20);
  EXPECT_EQ(std::count(boxDrawItems.begin(), boxDrawItems.end(), UINT{ODT_BUTTON}), 0);
}

TEST_F(ContainersTest, AContainerInstalledTwiceHasOneRecordAndOneSubclassing) {
  TestWindow window;
  HWND box = window.Add("Button", BS_GROUPBOX, 20, 40, 200, 150, "分组");
  HWND inside = window.Add("ListBox", WS_BORDER, 10, 20, 100, 60, "", 0, box);
  const WNDPROC original = ProcOf(box);
  window.Attach(Framework());
  framework::SkinContainer(Framework(), box, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  framework::SkinContainer(Framework(), box, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  const framework::WindowRecord& record = window.Record();
  ASSERT_EQ(record.containers.Count(), 1);
  const framework::ContainerRecord& container = record.containers[1];
  EXPECT_EQ(container.window, box);
  EXPECT_EQ(container.previousProc, original);
  EXPECT_TRUE(container.groupBox);
  EXPECT_EQ(container.alpha, 0);
  EXPECT_EQ(container.option, 1);
  EXPECT_EQ(container.callerValue, 0);
  EXPECT_FALSE(container.fontFace.empty());
  EXPECT_EQ(ProcOf(box), &ContainerWindowProc);
  EXPECT_EQ(framework::ReadProp(box, framework::kPreviousProcKey),
            reinterpret_cast<LONG_PTR>(original));
  // The control inside was skinned once, with the container's window number.
  EXPECT_EQ(record.listControls.Count(), 1);
  EXPECT_EQ(record.listControls[1].window, inside);
  EXPECT_EQ(framework::ReadIntProp(inside, framework::kOwnerNumberKey), window.Number());
}

TEST_F(ContainersTest, AGroupBoxWithAlphaZeroShowsTheBackgroundInsideItsFrame) {
  Translucent(true);
  TestWindow window;
  HWND box = window.Add("Button", BS_GROUPBOX, 20, 40, 200, 150, "分组框");
  window.Attach(Framework());
  framework::SkinContainer(Framework(), box, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(50);
  const Rgb background{0, 0, 160};
  EXPECT_TRUE(Near(PixelOf(box, 100, 80), background, 4));
  EXPECT_TRUE(Near(PixelOf(box, 50, 140), background, 4));
  // The frame line at the bottom and left, darker than the background.
  EXPECT_LT(PixelOf(box, 100, 149).b, 150);
  EXPECT_LT(PixelOf(box, 0, 80).b, 150);
  // The caption: dark text pixels in its band, the frame line cleared there.
  int dark = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 8; x < 60; ++x)
      if (Brightness(PixelOf(box, x, y)) < 20 && PixelOf(box, x, y).b < 60) ++dark;
  EXPECT_GT(dark, 10);
  EXPECT_TRUE(Near(PixelOf(box, 6, 5), background, 4));
}

TEST_F(ContainersTest, AGroupBoxGivenOptionZeroStillDrawsItsFrameAndCaption) {
  // Option 0 is the generic controls' own; a group box given it is still a
  // drawn group box.
  Translucent(true);
  TestWindow window;
  HWND box = window.Add("Button", BS_GROUPBOX, 20, 40, 200, 150, "分组框");
  window.Attach(Framework());
  framework::SkinContainer(Framework(), box, 0, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(50);
  EXPECT_TRUE(Near(PixelOf(box, 100, 80), Rgb{0, 0, 160}, 4));
  EXPECT_LT(PixelOf(box, 100, 149).b, 150) << "no frame line";
  int dark = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 8; x < 60; ++x)
      if (Brightness(PixelOf(box, x, y)) < 20 && PixelOf(box, x, y).b < 60) ++dark;
  EXPECT_GT(dark, 10) << "no caption";
}

TEST_F(ContainersTest, AContainerIsNotTakenAgainByAFamilyLater) {
  TestWindow window;
  HWND box = window.Add("Button", BS_GROUPBOX, 20, 40, 220, 150, "分组");
  HWND list = window.Add("ListBox", WS_BORDER, 10, 20, 100, 60, "", 0, box);
  window.Attach(Framework());
  // The list box made a container first, then the group box holding it.
  framework::SkinContainer(Framework(), list, 1, RGB(255, 255, 255), 0, std::nullopt);
  const LONG_PTR previous = framework::ReadProp(list, framework::kPreviousProcKey);
  const LONG_PTR index = framework::ReadProp(list, framework::kWindowNumberKey);
  framework::SkinContainer(Framework(), box, 1, RGB(255, 255, 255), 0, std::nullopt);
  const framework::WindowRecord& record = window.Record();
  EXPECT_EQ(record.listControls.Find(list), 0);
  EXPECT_EQ(framework::ReadProp(list, framework::kPreviousProcKey), previous);
  EXPECT_EQ(framework::ReadProp(list, framework::kWindowNumberKey), index);
  EXPECT_EQ(ProcOf(list), &ContainerWindowProc);
  // Its procedures do not call each other round: it still answers.
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("项"));
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

RECT RectInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(ContainersTest, AResizedGroupBoxLeavesItsControlsAndAPanelFitsItsPageToItself) {
  TestWindow window;
  HWND box = window.Add("Button", BS_GROUPBOX, 20, 40, 200, 150, "分组");
  HWND inside = window.Add("Button", BS_PUSHBUTTON, 10, 20, 80, 24, "按钮", 0, box);
  HWND panel = window.Add("Static", 0, 240, 40, 200, 150);
  HWND page = window.Add("Static", 0, 0, 0, 50, 50, "", 0, panel);
  window.Attach(Framework());
  framework::SkinContainer(Framework(), box, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  framework::SkinContainer(Framework(), panel, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  for (HWND container : {box, panel})
    SetWindowPos(container, nullptr, 0, 0, 220, 170, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const RECT kept = RectInParent(inside);
  EXPECT_EQ(kept.left, 10);
  EXPECT_EQ(kept.top, 20);
  EXPECT_EQ(kept.right, 90);
  EXPECT_EQ(kept.bottom, 44);
  const RECT fitted = RectInParent(page);
  EXPECT_EQ(fitted.right - fitted.left, 220);
  EXPECT_EQ(fitted.bottom - fitted.top, 170);
}

HWND TabWithPage(TestWindow& window, int x, int y) {
  HWND tab = window.Add(WC_TABCONTROLA, 0, x, y, 200, 120);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>("常规");
  SendMessageA(tab, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  window.Add("Button", BS_PUSHBUTTON, 150, 90, 40, 20, "页", 0, tab);
  return tab;
}

TEST_F(ContainersTest, AGenericControlHoldingControlsStillPaintsItselfOverItsBackground) {
  Translucent(true);
  TestWindow window;
  window.Attach(Framework());
  HWND plain = TabWithPage(window, 20, 40);
  HWND tinted = TabWithPage(window, 250, 40);
  // The key: the colour of the tab control's body here.
  const COLORREF body = RGB(255, 255, 255);
  framework::SkinGenericControl(Framework(), plain, body, std::nullopt, std::nullopt);
  framework::SkinGenericControl(Framework(), tinted, body, RGB(255, 0, 0), 128);
  const framework::WindowRecord& record = window.Record();
  ASSERT_NE(record.containers.Find(plain), 0);
  // The button inside was taken by the container's installs.
  EXPECT_EQ(record.buttons.Count(), 2);
  for (HWND tab : {plain, tinted})
    RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(50);

  const Rgb veiled = Blend(Rgb{0, 0, 160}, RGB(255, 255, 255), 32);
  // The body of the tab control: its face colour keyed out onto the veiled
  // background, no fill over it.
  EXPECT_TRUE(Near(PixelOf(plain, 60, 70), veiled)) << PixelOf(plain, 60, 70).b;
  // The tab control's own drawing: its caption in dark pixels on the tab.
  RECT tabItem{};
  SendMessageA(plain, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tabItem));
  int dark = 0;
  for (int y = tabItem.top + 2; y < tabItem.bottom - 1; ++y)
    for (int x = tabItem.left + 2; x < tabItem.right - 2; ++x)
      if (Brightness(PixelOf(plain, x, y)) < 40) ++dark;
  EXPECT_GT(dark, 10);
  EXPECT_LT(dark, (tabItem.right - tabItem.left) * (tabItem.bottom - tabItem.top) / 2);
  // A colour and an alpha given tint what shows through.
  EXPECT_TRUE(Near(PixelOf(tinted, 60, 70), Blend(veiled, RGB(255, 0, 0), 128)))
      << PixelOf(tinted, 60, 70).r << "," << PixelOf(tinted, 60, 70).b;
}

TEST_F(ContainersTest, AControlAFamilyTookIsNotMadeAContainer) {
  TestWindow window;
  HWND combo = window.Add("ComboBox", CBS_DROPDOWN, 20, 40, 150, 120);  // holds its edit
  HWND list = window.Add("ListBox", WS_BORDER, 200, 40, 100, 80);
  window.Attach(Framework());
  const framework::WindowRecord& record = window.Record();
  for (HWND control : {combo, list}) {
    const LONG_PTR previous = framework::ReadProp(control, framework::kPreviousProcKey);
    const LONG_PTR index = framework::ReadProp(control, framework::kWindowNumberKey);
    const WNDPROC procedure = ProcOf(control);
    ASSERT_NE(previous, 0);
    framework::SkinContainer(Framework(), control, 1, RGB(255, 255, 255), 0, std::nullopt);
    if (control == combo)
      framework::SkinGenericControl(Framework(), combo, std::nullopt, std::nullopt, std::nullopt);
    // The family's keys are left alone.
    ASSERT_EQ(framework::ReadProp(control, framework::kPreviousProcKey), previous);
    ASSERT_EQ(framework::ReadProp(control, framework::kWindowNumberKey), index);
    EXPECT_EQ(record.containers.Find(control), 0);
    if (control == list) {
      EXPECT_EQ(ProcOf(control), procedure);
    }
  }
  // The chain of procedures ends: the combo box still answers.
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("文字"));
  char text[16] = {};
  GetWindowTextA(combo, text, sizeof text);
  EXPECT_STREQ(text, "文字");
  RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("项"));
  EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
}

// GDI+ describing no font: NotTrueTypeFont.
int WINAPI NoFontFromLogfont(HDC, const LOGFONTA*, void** font) {
  *font = nullptr;
  return 16;
}
int WINAPI NoFontFromDc(HDC, void** font) {
  *font = nullptr;
  return 16;
}

TEST_F(ContainersTest, AGroupBoxWhoseFontGdiplusCannotDescribeTakesTheButtonsFont) {
  Translucent(true);
  TestWindow window;
  HWND box = window.Add("Button", BS_GROUPBOX, 20, 40, 200, 150, "分组框");
  window.Attach(Framework());
  {
    framework::testing::ImportPatch noFont("gdiplus.dll", "GdipCreateFontFromLogfontA",
                                           reinterpret_cast<const void*>(&NoFontFromLogfont));
    framework::testing::ImportPatch noDcFont("gdiplus.dll", "GdipCreateFontFromDC",
                                             reinterpret_cast<const void*>(&NoFontFromDc));
    ASSERT_TRUE(noFont.Active() || noDcFont.Active());
    framework::SkinContainer(Framework(), box, 1, GetSysColor(COLOR_BTNFACE), 0, std::nullopt);
  }
  const framework::WindowRecord& record = window.Record();
  ASSERT_EQ(record.containers.Count(), 1);
  EXPECT_EQ(record.containers[1].fontFace, "宋体");
  EXPECT_EQ(record.containers[1].fontSize, 12);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump(50);
  int dark = 0;
  for (int y = 0; y < 14; ++y)
    for (int x = 8; x < 60; ++x)
      if (Brightness(PixelOf(box, x, y)) < 20 && PixelOf(box, x, y).b < 60) ++dark;
  EXPECT_GT(dark, 10);
}

}  // namespace
}  // namespace framework_test
