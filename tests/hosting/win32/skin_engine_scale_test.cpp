// The carried skin engine draws a skinned box's buttons at the box's scale
// (the test prefix's, CLICKER_DPI: 96, 120, 144 or 192): border, corners and
// focus mark measured in pixels of a button it draws for its dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "hosting/skin_binding.h"
#include "tests/framework/white_canvas.h"

namespace hosting {
namespace {

using framework::testing::WhiteCanvas;

// The carried skin's border and face colours (data/skin/skin.txt).
constexpr COLORREF kBorder = RGB(0x0F, 0x3D, 0x25);
constexpr COLORREF kFace = RGB(0x2E, 0x7D, 0x52);

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// Pixels of `colour` from (x, y) on, a step (dx, dy) at a time.
int RunOf(const WhiteCanvas& canvas, int x, int y, int dx, int dy, COLORREF colour) {
  int count = 0;
  for (; x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height() && canvas.At(x, y) == colour;
       x += dx, y += dy)
    ++count;
  return count;
}

TEST(SkinEngineScaleTest, ButtonLinesCornersAndFocusMarkHaveTheBoxsScale) {
  const char* value = std::getenv("CLICKER_DPI");
  const int dpi = value != nullptr ? std::atoi(value) : 96;
  auto px = [dpi](int design) { return MulDiv(design, dpi, 96); };
  ASSERT_TRUE(LoadSkinEngine());
  ASSERT_EQ(AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0), 1);
  // A dialog of one push button, made while the skin is attached.
  struct alignas(4) {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
    DLGITEMTEMPLATE item;
    WORD itemClass[2], itemTitle, creation;
  } box{{WS_POPUP, 0, 1, 0, 0, 120, 60},
        0,
        0,
        0,
        {WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 10, 10, 60, 20, 100},
        {0xFFFF, 0x0080},
        0,
        0};
  const HWND dialog =
      CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &box.dialog, nullptr, &PlainDialog, 0);
  DetachSkin();
  ASSERT_NE(dialog, nullptr);
  RECT size{};
  GetClientRect(GetDlgItem(dialog, 100), &size);
  auto draw = [&](UINT state, const WhiteCanvas& canvas) {
    DRAWITEMSTRUCT item{ODT_BUTTON,  100,  0, ODA_DRAWENTIRE, state, GetDlgItem(dialog, 100),
                        canvas.dc(), size, 0};
    return SendMessageA(dialog, WM_DRAWITEM, 100, reinterpret_cast<LPARAM>(&item)) != 0;
  };
  const int w = size.right, h = size.bottom;
  const WhiteCanvas plain(w, h), focused(w, h);
  ASSERT_TRUE(draw(0, plain));
  ASSERT_TRUE(draw(ODS_FOCUS, focused));

  // The border: a hairline of whole pixels, one at 100 % and 125 %, two at
  // 150 % and 200 %, on every edge.
  const int line = dpi >= 144 ? 2 : 1;
  EXPECT_EQ(RunOf(plain, w / 2, 0, 0, 1, kBorder), line);
  EXPECT_EQ(plain.At(w / 2, line), kFace);
  EXPECT_EQ(RunOf(plain, 0, h / 2, 1, 0, kBorder), line);
  EXPECT_EQ(RunOf(plain, w / 2, h - 1, 0, -1, kBorder), line);
  // The corners: the straight top edge begins where the arc meets it, 2
  // pixels in at 100 %; the corner pixel itself is left alone.
  EXPECT_NEAR(RunOf(plain, 0, 0, 1, 0, RGB(255, 255, 255)), px(2), 1);
  // The focus mark: 3 pixels inside the edge at 100 %.
  int mark = w;
  for (int y : {h / 2, h / 2 + 1})
    for (int x = 0; x < mark; ++x)
      if (focused.At(x, y) != plain.At(x, y)) mark = x;
  EXPECT_EQ(mark, px(3));
  DestroyWindow(dialog);
  ShutdownSkinHosting();
}

}  // namespace
}  // namespace hosting
