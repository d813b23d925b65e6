#include "framework/edits.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/properties.h"
#include "framework/shared.h"
#include "skin_test_support.h"

namespace framework {
namespace {

using testing::Blend;
using testing::ChannelSum;
using testing::FrameworkScope;
using testing::LiveGdiObjects;
using testing::Near;
using testing::PixelOf;
using testing::PumpFor;
using testing::TestWindow;

constexpr COLORREF kAccent = RGB(0xC8, 0x30, 0x20);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class EditsTest : public ::testing::Test {
 protected:
  explicit EditsTest(bool translucent = true) : framework(translucent) {
    framework->SetBackground(nullptr, nullptr, 0, std::nullopt, LONG{kAccent}, std::nullopt);
    SetCursorPos(1200, 1000);
  }

  WindowRecord& Record() { return window.Record(); }
  HWND Combo(DWORD style, int x, int y, int selected) {
    HWND combo = window.Add("COMBOBOX", style | WS_VSCROLL, x, y, 140, 200, "");
    for (const char* item : {"甲项", "乙项", "丙项"})
      SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    if (selected >= 0) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
    return combo;
  }
  // The frame colour over the veiled test background.
  COLORREF Veiled() { return Blend(FrameworkScope::kBackground, kWhite, 32); }

  FrameworkScope framework;
  TestWindow window{420, 320};
};

class OpaqueEditsTest : public EditsTest {
 protected:
  OpaqueEditsTest() : EditsTest(false) {}
};

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TEST_F(EditsTest, EditsAndCombosAreTakenOnceWithTheComboEditInTranslucentMode) {
  HWND edit = window.Add("EDIT", ES_AUTOHSCROLL, 10, 10, 120, 24, "text", WS_EX_CLIENTEDGE);
  HWND combo = Combo(CBS_DROPDOWN, 10, 50, 1);
  HWND list = Combo(CBS_DROPDOWNLIST, 200, 50, 2);
  window.Attach(*framework);
  const HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(comboEdit, nullptr);
  EXPECT_EQ(Record().edits.Count(), 2);
  EXPECT_NE(Record().edits.Find(edit), 0);
  EXPECT_NE(Record().edits.Find(comboEdit), 0);
  EXPECT_EQ(Record().combos.Count(), 2);
  for (HWND control : {edit, comboEdit}) {
    EXPECT_EQ(GetWindowLongPtrA(control, GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&EditWindowProc));
    EXPECT_EQ(ReadIntProp(control, kOwnerNumberKey), 1);
    EXPECT_EQ(ReadProp(control, kTextColourKey), 0);
  }
  EXPECT_EQ(GetWindowLongPtrA(list, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&ComboWindowProc));
  // The selected items show at once.
  EXPECT_EQ(TextOf(combo), "乙项");
  EXPECT_EQ(TextOf(list), "丙项");
  InstallEditsAndCombos(*framework, 1, window.hwnd());
  EXPECT_EQ(Record().edits.Count(), 2);
  EXPECT_EQ(Record().combos.Count(), 2);
  // Typing still reaches the edit through the chain.
  SetWindowTextA(edit, "12");
  EXPECT_EQ(TextOf(edit), "12");
}

TEST_F(OpaqueEditsTest, WithoutTranslucencyTheComboEditIsLeftAlone) {
  HWND edit = window.Add("EDIT", 0, 10, 10, 120, 24, "", WS_EX_CLIENTEDGE);
  HWND combo = Combo(CBS_DROPDOWN, 10, 50, 0);
  window.Attach(*framework);
  EXPECT_EQ(Record().edits.Count(), 1);
  EXPECT_NE(Record().edits.Find(edit), 0);
  EXPECT_EQ(Record().edits.Find(FindWindowExA(combo, nullptr, "Edit", nullptr)), 0);
  EXPECT_EQ(TextOf(combo), "甲项");
  // The frame is drawn over opaque white.
  EXPECT_TRUE(Near(PixelOf(edit, 1, 12), kWhite, 4));
  EXPECT_TRUE(Near(PixelOf(edit, 0, 12), Blend(kWhite, kBlack, 80), 6))
      << std::hex << PixelOf(edit, 0, 12);
}

TEST_F(EditsTest, AFocusedEditKeepsItsAccentFrameWhenTheMouseLeaves) {
  HWND edit = window.Add("EDIT", ES_AUTOHSCROLL, 10, 10, 120, 24, "", WS_EX_CLIENTEDGE);
  HWND other = window.Add("EDIT", ES_AUTOHSCROLL, 10, 50, 120, 24, "", WS_EX_CLIENTEDGE);
  window.Attach(*framework);
  const COLORREF normal = Blend(Veiled(), kBlack, 80);
  const COLORREF accent = Blend(Veiled(), kAccent, 180);
  EXPECT_TRUE(Near(PixelOf(edit, 0, 12), normal)) << std::hex << PixelOf(edit, 0, 12);
  // The one pixel between the frame and the client area is veiled.
  EXPECT_TRUE(Near(PixelOf(edit, 1, 12), Veiled())) << std::hex << PixelOf(edit, 1, 12);

  SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(Near(PixelOf(edit, 0, 12), accent)) << std::hex << PixelOf(edit, 0, 12);
  EXPECT_EQ(Record().hotKind, kHotEdit);
  SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(Near(PixelOf(edit, 0, 12), normal));

  SetActiveWindow(window.hwnd());
  SetFocus(edit);
  ASSERT_EQ(GetFocus(), edit);
  EXPECT_TRUE(Near(PixelOf(edit, 60, 0), accent)) << std::hex << PixelOf(edit, 60, 0);
  SendMessageA(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageA(edit, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(Near(PixelOf(edit, 60, 0), accent));
  EXPECT_TRUE(Near(PixelOf(edit, 119, 12), accent));
  PumpFor(30);
  EXPECT_TRUE(Near(PixelOf(edit, 60, 23), accent));
  // Losing the focus takes the accent away with the next painting.
  SetFocus(other);
  PumpFor(50);
  EXPECT_TRUE(Near(PixelOf(edit, 60, 0), normal)) << std::hex << PixelOf(edit, 60, 0);
  EXPECT_TRUE(Near(PixelOf(other, 60, 0), accent));
}

TEST_F(EditsTest, ScrollBarsAreLeftToTheSystem) {
  HWND edit = window.Add("EDIT", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 10, 10, 160, 90,
                         "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng", WS_EX_CLIENTEDGE);
  window.Attach(*framework);
  RedrawWindow(edit, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(30);
  RECT window_{};
  GetWindowRect(edit, &window_);
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  GetScrollBarInfo(edit, OBJID_VSCROLL, &bar);
  const int barX = (bar.rcScrollBar.left + bar.rcScrollBar.right) / 2 - window_.left;
  const int barY = (bar.rcScrollBar.top + bar.rcScrollBar.bottom) / 2 - window_.top;
  // The bar is the system's, not our veil; the frame is ours.
  EXPECT_FALSE(Near(PixelOf(edit, barX, barY), Veiled(), 20));
  EXPECT_TRUE(Near(PixelOf(edit, 0, 40), Blend(Veiled(), kBlack, 80)))
      << std::hex << PixelOf(edit, 0, 40);
  EXPECT_TRUE(Near(PixelOf(edit, 1, 40), Veiled()));
}

bool HasMagenta(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  for (int y = 0; y < rect.bottom - rect.top; ++y)
    for (int x = 0; x < rect.right - rect.left; ++x)
      if (Near(PixelOf(control, x, y), RGB(255, 0, 255), 40)) return true;
  return false;
}

TEST_F(EditsTest, ComboBoxesAreDrawnWhole) {
  HWND list = Combo(CBS_DROPDOWNLIST, 10, 10, 0);
  HWND combo = Combo(CBS_DROPDOWN, 10, 60, 1);
  window.Attach(*framework);
  RECT rect{};
  GetWindowRect(list, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  EXPECT_FALSE(HasMagenta(list));
  EXPECT_FALSE(HasMagenta(combo));
  // Frame, a veiled inside, the drop-down button with its arrow, the text.
  EXPECT_TRUE(Near(PixelOf(list, width / 2, 0), Blend(Veiled(), kBlack, 80), 14))
      << std::hex << PixelOf(list, width / 2, 0);
  EXPECT_TRUE(Near(PixelOf(list, 3, height - 3), Veiled(), 14));
  int darkArrow = 0;
  for (int x = width - 17; x < width - 1; ++x)
    darkArrow += ChannelSum(PixelOf(list, x, height / 2)) < 200;
  EXPECT_GT(darkArrow, 2);
  const COLORREF button = PixelOf(list, width - 4, height - 4);
  EXPECT_GT(GetRValue(button) - GetBValue(button), 0) << std::hex << button;  // the accent
  int darkText = 0;
  for (int x = 2; x < width - 20; ++x) darkText += ChannelSum(PixelOf(list, x, height / 2)) < 250;
  EXPECT_GT(darkText, 3);
  // Hot: an accent frame.
  SendMessageA(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(Near(PixelOf(list, width / 2, 0), Blend(Veiled(), kAccent, 200), 14));
  SendMessageA(list, WM_MOUSELEAVE, 0, 0);
  // A choice made in the list shows.
  auto textPixels = [&] {
    long sum = 0;
    for (int y = 2; y < height - 2; ++y)
      for (int x = 2; x < width - 20; ++x) sum += ChannelSum(PixelOf(list, x, y)) * (x + y);
    return sum;
  };
  const long before = textPixels();
  SendMessageA(list, CB_SETCURSEL, 2, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  EXPECT_NE(textPixels(), before);
}

TEST_F(EditsTest, ColourBrushesAreReplacedNotPiledUp) {
  HWND edit = window.Add("EDIT", 0, 10, 10, 120, 24, "", WS_EX_CLIENTEDGE);
  HWND combo = Combo(CBS_DROPDOWN, 10, 60, 0);
  window.Attach(*framework);
  const HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  HDC dc = GetDC(edit);
  // Once each, so that both hold their one brush and bitmap.
  SendMessageA(window.hwnd(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(edit));
  SendMessageA(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
               reinterpret_cast<LPARAM>(comboEdit));
  const int start = LiveGdiObjects();
  for (int i = 0; i < 100; ++i) {
    for (auto [target, control] : {std::pair{window.hwnd(), edit}, std::pair{combo, comboEdit}}) {
      const HGDIOBJ oldBrush = ReadHandleProp<HGDIOBJ>(control, kColourBrushKey);
      const HGDIOBJ oldBitmap = ReadHandleProp<HGDIOBJ>(control, kColourBitmapKey);
      const LRESULT brush = SendMessageA(target, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(control));
      ASSERT_NE(brush, 0);
      EXPECT_EQ(ReadProp(control, kColourBrushKey), brush);
      EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), static_cast<DWORD>(OBJ_BRUSH));
      if (reinterpret_cast<HGDIOBJ>(brush) != oldBrush) {
        EXPECT_EQ(GetObjectType(oldBrush), 0u);
      }
      if (ReadHandleProp<HGDIOBJ>(control, kColourBitmapKey) != oldBitmap) {
        EXPECT_EQ(GetObjectType(oldBitmap), 0u);
      }
    }
  }
  EXPECT_EQ(LiveGdiObjects(), start);
  ReleaseDC(edit, dc);
  // Destroying the edit frees what it holds.
  const HGDIOBJ brush = ReadHandleProp<HGDIOBJ>(comboEdit, kColourBrushKey);
  const HGDIOBJ bitmap = ReadHandleProp<HGDIOBJ>(comboEdit, kColourBitmapKey);
  DestroyWindow(combo);
  EXPECT_EQ(GetObjectType(brush), 0u);
  EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST_F(EditsTest, RepaintsLeaveNoGdiObjectsBehind) {
  HWND edit = window.Add("EDIT", 0, 10, 10, 120, 24, "text", WS_EX_CLIENTEDGE);
  HWND scrolled =
      window.Add("EDIT", ES_MULTILINE | WS_VSCROLL, 10, 40, 120, 60, "a\r\nb", WS_EX_CLIENTEDGE);
  HWND combo = Combo(CBS_DROPDOWNLIST, 10, 110, 0);
  window.Attach(*framework);
  const int start = LiveGdiObjects();
  for (int i = 0; i < 200; ++i) {
    const bool hot = (i & 1) != 0;
    PaintEditFrame(*framework, 1, Record().edits.Find(edit), hot, false);
    PaintCombo(*framework, 1, Record().combos.Find(combo), hot, false);
    for (HWND control : {edit, scrolled, combo}) {
      RedrawWindow(control, nullptr, nullptr,
                   RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
  }
  PumpFor(20);
  EXPECT_EQ(LiveGdiObjects(), start);
  EXPECT_EQ(framework->Snapshots().Count(), 0u);
}

}  // namespace
}  // namespace framework
