// The carried skin engine draws a skinned box's buttons at the box's scale
// (the test prefix's, CLICKER_DPI: 96, 120, 144 or 192): border lines,
// corners, the focus mark and the pressed caption, measured in pixels of a
// button the engine draws for its dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "hosting/skin_binding.h"
#include "tests/framework/white_canvas.h"

namespace hosting {
namespace {

constexpr int kButtonId = 100;
// The carried skin's border and face colours (data/skin/skin.txt).
constexpr COLORREF kBorder = RGB(0x0F, 0x3D, 0x25);
constexpr COLORREF kFace = RGB(0x2E, 0x7D, 0x52);
constexpr COLORREF kPaper = RGB(255, 255, 255);

int TestDpi() {
  const char* value = std::getenv("CLICKER_DPI");
  return value != nullptr && *value != '\0' ? std::atoi(value) : 96;
}

INT_PTR CALLBACK PlainDialog(HWND, UINT message, WPARAM, LPARAM) {
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

// A dialog with one push button, made while the skin is attached.
HWND MakeSkinnedDialog() {
  struct alignas(4) Template {
    DLGTEMPLATE dialog;
    WORD menu, windowClass, title;
    DLGITEMTEMPLATE item;
    WORD itemClass[2];
    WORD itemTitle;
    WORD creation;
  } box{};
  box.dialog.style = WS_POPUP;
  box.dialog.cdit = 1;
  box.dialog.cx = 120;
  box.dialog.cy = 60;
  box.item.style = WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON;
  box.item.x = 10;
  box.item.y = 10;
  box.item.cx = 60;
  box.item.cy = 20;
  box.item.id = kButtonId;
  box.itemClass[0] = 0xFFFF;
  box.itemClass[1] = 0x0080;  // button
  return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &box.dialog, nullptr, &PlainDialog,
                                    0);
}

// A button the engine drew into a white canvas of its size.
class DrawnButton : public framework::testing::WhiteCanvas {
 public:
  DrawnButton(HWND dialog, UINT state, int width, int height) : WhiteCanvas(width, height) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = kButtonId;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = GetDlgItem(dialog, kButtonId);
    item.hDC = dc();
    item.rcItem = RECT{0, 0, width, height};
    handled_ = SendMessageA(dialog, WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&item)) != 0;
  }
  bool handled() const { return handled_; }
  // Rows of border colour from the top edge down, in column x.
  int TopLine(int x) const {
    int rows = 0;
    while (rows < height() && At(x, rows) == kBorder) ++rows;
    return rows;
  }
  // Where the border's straight top edge begins.
  int TopEdgeStart() const {
    for (int x = 0; x < width(); ++x)
      if (At(x, 0) == kBorder) return x;
    return width();
  }

 private:
  bool handled_ = false;
};

class SkinEngineScaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadSkinEngine());
    ASSERT_EQ(AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0), 1);
    dialog = MakeSkinnedDialog();
    DetachSkin();
    ASSERT_NE(dialog, nullptr);
    RECT rect{};
    GetClientRect(GetDlgItem(dialog, kButtonId), &rect);
    width = rect.right;
    height = rect.bottom;
    ASSERT_GT(width, 40);
    ASSERT_GT(height, 20);
  }
  void TearDown() override {
    if (dialog != nullptr) DestroyWindow(dialog);
    ShutdownSkinHosting();
  }
  // A length of the design (pixels at 96 DPI) at the box's scale.
  int Px(int design) const { return MulDiv(design, dpi, 96); }

  const int dpi = TestDpi();
  HWND dialog = nullptr;
  int width = 0, height = 0;
};

TEST_F(SkinEngineScaleTest, TheBorderIsAHairlineOfTheBoxsScale) {
  HDC screen = GetDC(nullptr);
  ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi) << "the prefix's scale does not reach the box";
  ReleaseDC(nullptr, screen);
  const DrawnButton button(dialog, 0, width, height);
  ASSERT_TRUE(button.handled());
  // One pixel at 100 % and 125 %, two at 150 % and 200 %, on every edge.
  const int line = dpi >= 144 ? 2 : 1;
  EXPECT_EQ(button.TopLine(width / 2), line);
  EXPECT_EQ(button.At(width / 2, line), kFace);
  int left = 0;
  while (left < width && button.At(left, height / 2) == kBorder) ++left;
  EXPECT_EQ(left, line);
  int bottom = 0;
  while (bottom < height && button.At(width / 2, height - 1 - bottom) == kBorder) ++bottom;
  EXPECT_EQ(bottom, line);
}

TEST_F(SkinEngineScaleTest, TheCornersAreRoundedByTheScaledRadius) {
  const DrawnButton button(dialog, 0, width, height);
  // The straight top edge begins where the corner's arc meets it: 2 pixels
  // in at 100 %.
  EXPECT_NEAR(button.TopEdgeStart(), Px(2), 1);
  EXPECT_EQ(button.At(0, 0), kPaper);
  EXPECT_EQ(button.At(width - 1, height - 1), kPaper);
}

TEST_F(SkinEngineScaleTest, TheFocusMarkLiesTheScaledInsetInsideTheEdge) {
  const DrawnButton plain(dialog, 0, width, height);
  const DrawnButton focused(dialog, ODS_FOCUS, width, height);
  int first = width;
  for (int y : {height / 2, height / 2 + 1})
    for (int x = 0; x < first; ++x)
      if (focused.At(x, y) != plain.At(x, y)) first = x;
  EXPECT_EQ(first, Px(3));
}

TEST_F(SkinEngineScaleTest, APressedCaptionSinksByAPixelOfTheDesign) {
  SetDlgItemTextA(dialog, kButtonId, "OK");
  const DrawnButton plain(dialog, 0, width, height);
  const DrawnButton pressed(dialog, ODS_SELECTED, width, height);
  // The caption's leftmost ink, white on the face, in the band between the
  // corners.
  auto inkLeft = [&](const DrawnButton& button) {
    for (int x = Px(4); x < width; ++x)
      for (int y = height / 4; y < height * 3 / 4; ++y)
        if (button.At(x, y) == kPaper) return x;
    return -1;
  };
  ASSERT_GE(inkLeft(plain), 0);
  EXPECT_EQ(inkLeft(pressed) - inkLeft(plain), Px(1));
}

}  // namespace
}  // namespace hosting
