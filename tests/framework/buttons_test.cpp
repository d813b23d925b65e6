#include "framework/buttons.h"

#include <gtest/gtest.h>

#include <vector>

#include "framework/properties.h"
#include "framework/shared.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "skin_test_support.h"

namespace framework {
namespace {

using testing::ChannelSum;
using testing::FrameworkScope;
using testing::LiveGdiObjects;
using testing::Near;
using testing::PixelOf;
using testing::PumpFor;
using testing::TestWindow;

constexpr COLORREF kAccent = RGB(0xC8, 0x30, 0x20);

class ButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    framework->SetBackground(nullptr, nullptr, 0, std::nullopt, LONG{kAccent}, std::nullopt);
    // Away from the test window: a control under the cursor would turn hot.
    SetCursorPos(1200, 1000);
  }

  WindowRecord& Record() { return window.Record(); }
  int Number() { return window.Number(); }
  const ButtonRecord* ButtonOf(HWND control) {
    const int index = Record().buttons.Find(control);
    return index != 0 ? &Record().buttons[index] : nullptr;
  }
  const ButtonRecord& Button(HWND control) {
    if (const ButtonRecord* record = ButtonOf(control)) return *record;
    ADD_FAILURE() << "not in the button table";
    static ButtonRecord none;
    return none;
  }
  // Puts the cursor over a control and tells it so.
  void Hover(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  }
  void Click(HWND control) {
    SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  }
  void Repaint(HWND control) {
    InvalidateRect(control, nullptr, TRUE);
    UpdateWindow(control);
  }

  FrameworkScope framework;
  TestWindow window{420, 320};
};

TEST_F(ButtonsTest, StyleBitsDecideWhatEachPassTakes) {
  struct Case {
    const char* name;
    DWORD style;
    int kind;  // -1: not taken
  };
  const Case cases[] = {
      {"push", BS_PUSHBUTTON, kPushButton},
      {"default", BS_DEFPUSHBUTTON, kPushButton},
      {"user", BS_USERBUTTON, kPushButton},
      {"check", BS_CHECKBOX, kCheckBox},
      {"autocheck", BS_AUTOCHECKBOX, kCheckBox},
      {"autoradio", BS_AUTORADIOBUTTON, kRadioButton},
      {"radio", BS_RADIOBUTTON, -1},
      {"3state", BS_3STATE, -1},
      {"auto3state", BS_AUTO3STATE, -1},
      {"group", BS_GROUPBOX, -1},
      {"owner-drawn autocheck", BS_AUTOCHECKBOX | BS_OWNERDRAW, -1},
  };
  HWND controls[sizeof cases / sizeof cases[0]];
  int y = 0;
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    controls[i] = window.Add("BUTTON", cases[i].style, 10, y += 24, 150, 22, cases[i].name);
  }
  window.Attach(*framework);
  int taken = 0;
  for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
    const ButtonRecord* record = ButtonOf(controls[i]);
    const LONG_PTR style = GetWindowLongPtrA(controls[i], GWL_STYLE);
    if (cases[i].kind < 0) {
      EXPECT_EQ(record, nullptr) << cases[i].name;
      EXPECT_EQ(ReadProp(controls[i], kWindowNumberKey), 0) << cases[i].name;
      continue;
    }
    ++taken;
    ASSERT_NE(record, nullptr) << cases[i].name;
    EXPECT_EQ(record->kind, cases[i].kind) << cases[i].name;
    EXPECT_EQ(record->caption, cases[i].name);
    EXPECT_FALSE(record->fontFace.empty());
    EXPECT_EQ(ReadIntProp(controls[i], kOwnerNumberKey), Number());
    EXPECT_EQ(ReadIntProp(controls[i], kWindowNumberKey), Record().buttons.Find(controls[i]));
    EXPECT_EQ(GetWindowLongPtrA(controls[i], GWLP_WNDPROC),
              reinterpret_cast<LONG_PTR>(&ButtonWindowProc));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(record->previousProc),
              ReadProp(controls[i], kPreviousProcKey));
    // Push buttons are owner-drawn from now on; the others keep their style.
    if (cases[i].kind == kPushButton) {
      EXPECT_EQ(style & BS_OWNERDRAW, BS_OWNERDRAW) << cases[i].name;
    } else {
      EXPECT_EQ(style & 0xF, cases[i].style & 0xF) << cases[i].name;
    }
  }
  EXPECT_EQ(Record().buttons.Count(), taken);
}

TEST_F(ButtonsTest, AControlInTheTableIsNotInstalledTwice) {
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 10, 10, 80, 24, "push");
  HWND check = window.Add("BUTTON", BS_AUTOCHECKBOX, 10, 40, 80, 24, "check");
  window.Attach(*framework);
  const LONG_PTR previousOfPush = ReadProp(push, kPreviousProcKey);
  InstallPushButtons(*framework, Number(), window.hwnd());
  InstallCheckAndRadioButtons(*framework, Number(), window.hwnd());
  InstallPushButtons(*framework, Number(), window.hwnd());
  EXPECT_EQ(Record().buttons.Count(), 2);
  // Still one link in the chain: a second subclassing would call itself.
  EXPECT_EQ(ReadProp(push, kPreviousProcKey), previousOfPush);
  EXPECT_NE(previousOfPush, reinterpret_cast<LONG_PTR>(&ButtonWindowProc));
  EXPECT_NE(ReadProp(check, kPreviousProcKey), reinterpret_cast<LONG_PTR>(&ButtonWindowProc));
  // The buttons still work through the chain.
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonsTest, TheEmptyPlaceholderRecordIsReused) {
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 10, 10, 80, 24, "push");
  window.Attach(*framework, false);
  ASSERT_EQ(Record().buttons.Count(), 1);
  // Make the one record an empty placeholder, as a table starts out.
  Record().buttons[1] = ButtonRecord{};
  HWND second = window.Add("BUTTON", BS_PUSHBUTTON, 10, 40, 80, 24, "second");
  InstallPushButtons(*framework, Number(), window.hwnd());
  // The first button is owner-drawn by now and is passed by; the second
  // takes the placeholder's place instead of a new record.
  EXPECT_EQ(Record().buttons.Count(), 1);
  EXPECT_EQ(Record().buttons.Find(second), 1);
  EXPECT_EQ(ReadIntProp(second, kWindowNumberKey), 1);
  (void)push;
}

TEST_F(ButtonsTest, NothingIsInstalledWhileTheFrameworkIsDisabled) {
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 10, 10, 80, 24, "push");
  window.Add("BUTTON", BS_AUTORADIOBUTTON, 10, 40, 80, 24, "radio");
  framework->Settings(false, framework->VeilAlpha());
  window.Attach(*framework);
  EXPECT_EQ(Record().buttons.Count(), 0);
  EXPECT_EQ(GetWindowLongPtrA(push, GWL_STYLE) & BS_OWNERDRAW, BS_PUSHBUTTON);
}

// The darkest pixel of a rectangle of a control's window.
COLORREF Darkest(HWND control, int left, int top, int right, int bottom) {
  COLORREF darkest = RGB(255, 255, 255);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const COLORREF c = PixelOf(control, x, y);
      if (ChannelSum(c) < ChannelSum(darkest)) darkest = c;
    }
  return darkest;
}

// Our checked dot is teal; the system's own is black.
bool ShowsOurDot(HWND radio) {
  RECT client{};
  GetClientRect(radio, &client);
  const int top = (client.bottom - 12) / 2;
  for (int y = top + 3; y < top + 9; ++y)
    for (int x = 2 + 3; x < 2 + 9; ++x) {
      const COLORREF c = PixelOf(radio, x, y);
      if (GetGValue(c) > GetRValue(c) + 40 && GetBValue(c) > GetRValue(c) + 40) return true;
    }
  return false;
}
bool ShowsDarkDot(HWND radio) {
  RECT client{};
  GetClientRect(radio, &client);
  const int top = (client.bottom - 12) / 2;
  return ChannelSum(Darkest(radio, 2 + 3, top + 3, 2 + 8, top + 8)) < 600;
}

TEST_F(ButtonsTest, ClickingARadioRepaintsItAfterTheSystemChangedItsState) {
  HWND first = window.Add("BUTTON", BS_AUTORADIOBUTTON | WS_GROUP, 10, 10, 120, 24, "first");
  HWND second = window.Add("BUTTON", BS_AUTORADIOBUTTON, 10, 40, 120, 24, "second");
  window.Attach(*framework);
  EXPECT_FALSE(ShowsDarkDot(first));
  Click(first);
  EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(ShowsOurDot(first));
  PumpFor(50);
  EXPECT_TRUE(ShowsOurDot(first));
  // The system moves the check within the group; both show the new state.
  Click(second);
  EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(ShowsOurDot(second));
  EXPECT_FALSE(ShowsDarkDot(first));
  // The keyboard way: space on the focused button.
  SetFocus(first);
  SendMessageA(first, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageA(first, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(SendMessageA(first, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(ShowsOurDot(first));
  EXPECT_FALSE(ShowsDarkDot(second));
}

TEST_F(ButtonsTest, AHotPushButtonIsPaintedHotAndKeepsItWhileTheSystemRepaintsIt) {
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 20, 20, 90, 30, "hot");
  window.Attach(*framework);
  const COLORREF normalEdge = PixelOf(push, 45, 0);
  EXPECT_FALSE(Near(normalEdge, kAccent, 40));
  Hover(push);
  EXPECT_TRUE(Near(PixelOf(push, 45, 0), kAccent)) << std::hex << PixelOf(push, 45, 0);
  EXPECT_EQ(Record().hotKind, kHotButton);
  EXPECT_EQ(Record().previousHot, Record().buttons.Find(push));
  // A repaint the system asks for (WM_DRAWITEM) keeps the hot look.
  Repaint(push);
  EXPECT_TRUE(Near(PixelOf(push, 45, 0), kAccent));
  SendMessageA(push, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(Record().previousHot, 0);
  EXPECT_TRUE(Near(PixelOf(push, 45, 0), normalEdge, 6));
  Repaint(push);
  EXPECT_TRUE(Near(PixelOf(push, 45, 0), normalEdge, 6));
}

// The bounding box of the dark (caption) pixels of a control.
RECT DarkBox(HWND control, int threshold) {
  RECT client{};
  GetClientRect(control, &client);
  RECT box{client.right, client.bottom, -1, -1};
  for (int y = 2; y < client.bottom - 2; ++y)
    for (int x = 2; x < client.right - 2; ++x) {
      if (ChannelSum(PixelOf(control, x, y)) >= threshold) continue;
      box.left = x < box.left ? x : box.left;
      box.top = y < box.top ? y : box.top;
      box.right = x > box.right ? x : box.right;
      box.bottom = y > box.bottom ? y : box.bottom;
    }
  return box;
}

TEST_F(ButtonsTest, PushButtonStatesOnARealControl) {
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 20, 20, 100, 32, "清除");
  HWND other = window.Add("BUTTON", BS_PUSHBUTTON, 20, 80, 100, 32, "other");
  window.Attach(*framework);
  const COLORREF background = FrameworkScope::kBackground;
  // Normal: a light face over the background, a darker outline.
  const COLORREF face = PixelOf(push, 12, 26);
  EXPECT_GT(ChannelSum(face), ChannelSum(background) + 150) << std::hex << face;
  EXPECT_LT(ChannelSum(PixelOf(push, 50, 31)), ChannelSum(face) - 30);
  // The background shows around the rounded corner.
  EXPECT_TRUE(Near(PixelOf(push, 0, 0), background, 30)) << std::hex << PixelOf(push, 0, 0);
  // The caption is dark and centred.
  const RECT caption = DarkBox(push, 250);
  ASSERT_GE(caption.right, caption.left);
  EXPECT_NEAR((caption.left + caption.right) / 2, 50, 3);
  EXPECT_NEAR((caption.top + caption.bottom) / 2, 16, 3);

  // Focused: a dotted mark three pixels inside.
  SetActiveWindow(window.hwnd());
  SetFocus(push);
  PumpFor(30);
  ASSERT_EQ(GetFocus(), push);
  RepaintButton(*framework, push, false);
  int dark = 0;
  for (int x = 8; x < 92; ++x) dark += ChannelSum(PixelOf(push, x, 3)) < ChannelSum(face) - 60;
  EXPECT_GT(dark, 10);
  SetFocus(other);
  PumpFor(30);
  RepaintButton(*framework, push, false);
  dark = 0;
  for (int x = 8; x < 92; ++x) dark += ChannelSum(PixelOf(push, x, 3)) < ChannelSum(face) - 60;
  EXPECT_EQ(dark, 0);

  // Pressed: the inset takes on the accent.
  SendMessageA(push, BM_SETSTATE, TRUE, 0);
  UpdateWindow(push);
  const COLORREF pressed = PixelOf(push, 12, 26);
  EXPECT_GT(GetRValue(pressed) - GetBValue(pressed), GetRValue(face) - GetBValue(face) + 20)
      << std::hex << pressed << " " << face;
  SendMessageA(push, BM_SETSTATE, FALSE, 0);
  UpdateWindow(push);
  EXPECT_TRUE(Near(PixelOf(push, 12, 26), face, 4));

  // Hot: accent outline and an accent tint.
  Hover(push);
  EXPECT_TRUE(Near(PixelOf(push, 50, 0), kAccent));
  const COLORREF upper = PixelOf(push, 12, 5);
  EXPECT_GT(GetRValue(upper) - GetBValue(upper), GetRValue(face) - GetBValue(face) + 10)
      << std::hex << upper;
  SendMessageA(push, WM_MOUSELEAVE, 0, 0);

  // Disabled: the grey face.
  EnableWindow(push, FALSE);
  UpdateWindow(push);
  EXPECT_TRUE(Near(PixelOf(push, 12, 26), RGB(0xC0, 0xC0, 0xC0), 3))
      << std::hex << PixelOf(push, 12, 26);
}

TEST_F(ButtonsTest, CheckBoxStatesOnARealControl) {
  HWND check = window.Add("BUTTON", BS_AUTOCHECKBOX, 20, 20, 100, 24, "C");
  window.Attach(*framework);
  const int top = (24 - 13) / 2;
  auto boxPixels = [&] {
    int sum = 0;
    for (int y = top; y < top + 13; ++y)
      for (int x = 2; x < 15; ++x) sum += ChannelSum(PixelOf(check, x, y));
    return sum;
  };
  const int unchecked = boxPixels();
  const COLORREF face = PixelOf(check, 90, 20);
  EXPECT_GT(ChannelSum(face), ChannelSum(FrameworkScope::kBackground) + 150);
  Click(check);
  ASSERT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  // The mark darkens the box.
  EXPECT_LT(boxPixels(), unchecked - 13 * 13 * 20);
  PumpFor(30);
  Repaint(check);
  EXPECT_LT(boxPixels(), unchecked - 13 * 13 * 20);
  // Hot: the accent around the box.
  Hover(check);
  EXPECT_TRUE(Near(PixelOf(check, 2, top + 6), kAccent, 20))
      << std::hex << PixelOf(check, 2, top + 6);
  SendMessageA(check, WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(Near(PixelOf(check, 2, top + 6), kAccent, 40));
  // The caption begins 17 pixels right of the box.
  const RECT caption = DarkBox(check, 250);
  EXPECT_GE(caption.left, 2 + 17 - 1);
  EXPECT_LE(caption.left, 2 + 17 + 3);
  EnableWindow(check, FALSE);
  EXPECT_TRUE(Near(PixelOf(check, 90, 20), RGB(0xC0, 0xC0, 0xC0), 3));
}

TEST_F(ButtonsTest, RadioButtonStatesOnARealControl) {
  HWND radio = window.Add("BUTTON", BS_AUTORADIOBUTTON, 20, 20, 100, 24, "R");
  window.Attach(*framework);
  SendMessageA(radio, WM_MOUSELEAVE, 0, 0);
  const int top = (24 - 12) / 2;
  // A white circle with a dark rim; no dot.
  EXPECT_TRUE(Near(PixelOf(radio, 2 + 5, top + 2), RGB(255, 255, 255), 8))
      << std::hex << PixelOf(radio, 2 + 5, top + 2);
  EXPECT_LT(ChannelSum(PixelOf(radio, 2, top + 5)), 450);
  EXPECT_FALSE(ShowsDarkDot(radio));
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(ShowsOurDot(radio));
  Hover(radio);
  EXPECT_TRUE(Near(PixelOf(radio, 2, top + 5), kAccent, 40))
      << std::hex << PixelOf(radio, 2, top + 5);
  EXPECT_TRUE(ShowsOurDot(radio));
  SendMessageA(radio, WM_MOUSELEAVE, 0, 0);
  // The caption begins 18 pixels right of the circle.
  EXPECT_GE(ChannelSum(Darkest(radio, 15, 3, 19, 21)), 450);
  EXPECT_LT(ChannelSum(Darkest(radio, 20, 3, 40, 21)), 250);
  EnableWindow(radio, FALSE);
  EXPECT_TRUE(Near(PixelOf(radio, 90, 20), RGB(0xC0, 0xC0, 0xC0), 3));
  EXPECT_TRUE(ShowsOurDot(radio));
}

TEST_F(ButtonsTest, ANewCaptionIsKeptAndDrawn) {
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 20, 20, 100, 32, "");
  window.Attach(*framework);
  EXPECT_LT(DarkBox(push, 250).right, 0);  // nothing dark yet
  SetWindowTextA(push, "新的");
  EXPECT_EQ(Button(push).caption, "新的");
  Repaint(push);
  EXPECT_GE(DarkBox(push, 250).right, 0);
}

// A plain red picture, encoded as PNG.
std::vector<unsigned char> RedPng() {
  gdiplus::Bitmap bitmap;
  bitmap.CreateFromScan0(8, 8, gdiplus::kPixelFormat32bppARGB);
  {
    gdiplus::Graphics graphics;
    graphics.FromImage(bitmap);
    graphics.Clear(0xFFFF0000u);
  }
  return bitmap.SaveToBytes("image/png");
}

TEST_F(ButtonsTest, PictureButtons) {
  const std::vector<unsigned char> red = RedPng();
  ASSERT_FALSE(red.empty());
  const unsigned redSize = static_cast<unsigned>(red.size());
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 20, 20, 60, 40, "pic");
  HWND withCaption = window.Add("BUTTON", BS_PUSHBUTTON, 20, 70, 120, 30, "caption");
  HWND check = window.Add("BUTTON", BS_AUTOCHECKBOX, 20, 110, 100, 24, "check");
  window.Attach(*framework);
  EXPECT_TRUE(MakePictureButton(*framework, push, red.data(), redSize));
  EXPECT_TRUE(MakeCaptionPictureButton(*framework, withCaption, red.data(), redSize));
  EXPECT_FALSE(MakePictureButton(*framework, check, red.data(), redSize));
  EXPECT_FALSE(MakePictureButton(*framework, push, "not an image", 12));
  EXPECT_EQ(Button(push).kind, kPictureButton1);
  EXPECT_EQ(Button(withCaption).kind, kPictureButton3);
  UpdateWindow(push);
  UpdateWindow(withCaption);
  EXPECT_TRUE(Near(PixelOf(push, 30, 20), RGB(255, 0, 0), 10)) << std::hex << PixelOf(push, 30, 20);
  EXPECT_TRUE(Near(PixelOf(withCaption, 6, 15), RGB(255, 0, 0), 10));
  EXPECT_GE(DarkBox(withCaption, 250).left, 4 + 4);
}

TEST_F(ButtonsTest, RepaintsLeaveNoGdiObjectsBehind) {
  HWND push = window.Add("BUTTON", BS_PUSHBUTTON, 20, 20, 100, 32, "push");
  HWND check = window.Add("BUTTON", BS_AUTOCHECKBOX, 20, 60, 100, 24, "check");
  HWND radio = window.Add("BUTTON", BS_AUTORADIOBUTTON, 20, 90, 100, 24, "radio");
  window.Attach(*framework);
  for (HWND control : {push, check, radio}) {
    RepaintButton(*framework, control, true);
    Repaint(control);
  }
  // The meter moves when something is left behind.
  const int start = LiveGdiObjects();
  HBRUSH leaked[20];
  for (HBRUSH& brush : leaked) brush = CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(LiveGdiObjects(), start + 20);
  for (HBRUSH brush : leaked) DeleteObject(brush);
  EXPECT_EQ(LiveGdiObjects(), start);

  for (int i = 0; i < 200; ++i) {
    for (HWND control : {push, check, radio}) {
      RepaintButton(*framework, control, (i & 1) != 0);
      Repaint(control);
    }
  }
  EXPECT_EQ(LiveGdiObjects(), start);
  EXPECT_EQ(framework->Snapshots().Count(), 0u);
}

}  // namespace
}  // namespace framework
