// The test window of the control families: one of each kind and state on
// the carried background, skinned, photographed into the artefact folder.
#include <gtest/gtest.h>

#include "data/pictures/pictures.h"
#include "framework/buttons.h"
#include "framework/edits.h"
#include "skin_test_support.h"

namespace framework {
namespace {

using testing::FrameworkScope;
using testing::PumpFor;
using testing::TestWindow;

TEST(FamilyDemo, EveryControlOfTheFamiliesSkinnedAndPhotographed) {
  FrameworkScope framework;
  framework->SetBackground(nullptr, kBackgroundJpg, kBackgroundJpgSize, 0x00C0C0C0, 0x00DDCA22, 3);
  TestWindow window(520, 400);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto add = [&](const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
                 DWORD ex = 0) {
    HWND control = window.Add(cls, style, x, y, w, h, text, ex);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
  };
  add("BUTTON", "普通按钮", BS_PUSHBUTTON, 20, 40, 100, 28);
  HWND hot = add("BUTTON", "鼠标经过", BS_PUSHBUTTON, 130, 40, 100, 28);
  HWND pressed = add("BUTTON", "按下", BS_PUSHBUTTON, 240, 40, 100, 28);
  HWND disabled = add("BUTTON", "禁用", BS_PUSHBUTTON, 350, 40, 100, 28);
  HWND focused = add("BUTTON", "焦点", BS_DEFPUSHBUTTON, 20, 76, 100, 28);
  HWND picture = add("BUTTON", "", BS_PUSHBUTTON, 130, 76, 40, 28);
  HWND pictureCaption = add("BUTTON", "图片", BS_PUSHBUTTON, 180, 76, 90, 28);
  HWND check = add("BUTTON", "复选框（选中）", BS_AUTOCHECKBOX, 20, 116, 140, 24);
  add("BUTTON", "复选框", BS_AUTOCHECKBOX, 170, 116, 110, 24);
  HWND checkOff = add("BUTTON", "禁用复选框", BS_AUTOCHECKBOX, 290, 116, 120, 24);
  HWND radio = add("BUTTON", "单选框（选中）", BS_AUTORADIOBUTTON | WS_GROUP, 20, 148, 140, 24);
  HWND hotRadio = add("BUTTON", "鼠标经过", BS_AUTORADIOBUTTON, 170, 148, 110, 24);
  HWND radioOff = add("BUTTON", "禁用单选框", BS_AUTORADIOBUTTON, 290, 148, 120, 24);
  add("EDIT", "编辑框", ES_AUTOHSCROLL, 20, 186, 140, 24, WS_EX_CLIENTEDGE);
  HWND focusedEdit = add("EDIT", "有焦点", ES_AUTOHSCROLL, 170, 186, 140, 24, WS_EX_CLIENTEDGE);
  add("EDIT", "只读", ES_AUTOHSCROLL | ES_READONLY, 320, 186, 140, 24, WS_EX_CLIENTEDGE);
  add("EDIT",
      "多行编辑框\r\n带滚动条\r\n第三行\r\n第四行\r\n第五行\r\n第六行 很长很长很长很长很长的一行",
      ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL, 20, 222, 180, 100, WS_EX_CLIENTEDGE);
  HWND list = add("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 220, 222, 140, 200);
  HWND combo = add("COMBOBOX", "", CBS_DROPDOWN | WS_VSCROLL, 220, 262, 140, 200);
  for (HWND box : {list, combo}) {
    for (const char* item : {"下拉列表项", "第二项", "第三项"})
      SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageA(box, CB_SETCURSEL, box == list ? 0 : 1, 0);
  }
  SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(checkOff, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  EnableWindow(disabled, FALSE);
  EnableWindow(checkOff, FALSE);
  EnableWindow(radioOff, FALSE);

  window.Attach(*framework);
  EXPECT_TRUE(MakePictureButton(*framework, picture, kCloseButtonPng, kCloseButtonPngSize));
  EXPECT_TRUE(
      MakeCaptionPictureButton(*framework, pictureCaption, kHelpButtonPng, kHelpButtonPngSize));
  SetActiveWindow(window.hwnd());
  SetFocus(focusedEdit);
  PumpFor(100);
  SendMessageA(pressed, BM_SETSTATE, TRUE, 0);
  SendMessageA(hot, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  SendMessageA(hotRadio, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  // The focus mark of a push button, painted as it shows with the focus.
  RepaintButton(*framework, focused, false);
  (void)focused;
  const std::string path = testing::ArtefactPath("framework-families-" CLICKER_ARCH ".png");
  EXPECT_TRUE(testing::SaveWindowPicture(window.hwnd(), path.c_str())) << path;
}

}  // namespace
}  // namespace framework
