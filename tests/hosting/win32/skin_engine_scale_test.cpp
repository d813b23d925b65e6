// The carried skin engine draws a skinned box's buttons at the box's scale
// (the test prefix's, CLICKER_DPI: 96, 120, 144 or 192): border, corners and
// focus mark of a button it draws, measured in pixels against the same
// button in a box at 100 % (one made DPI-unaware).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "hosting/skin_binding.h"
#include "tests/framework/white_canvas.h"

namespace hosting {
namespace {

using framework::testing::WhiteCanvas;

constexpr COLORREF kBorder = RGB(0x0F, 0x3D, 0x25);  // the carried skin's (data/skin/skin.txt)

// Pixels of `colour` from (x, y) on, a step (dx, dy) at a time.
int RunOf(const WhiteCanvas& canvas, int x, int y, int dx, int dy, COLORREF colour) {
  int count = 0;
  for (; x >= 0 && y >= 0 && x < canvas.width() && y < canvas.height() && canvas.At(x, y) == colour;
       x += dx, y += dy)
    ++count;
  return count;
}

struct Lengths {
  int line;        // the border, the same on the top, left and bottom edges (else -1)
  int corner;      // where the straight top edge begins
  int focusInset;  // the focus mark's distance from the left edge
};

// A button the engine draws for a box made while the skin is attached, by a
// thread of `awareness`: drawn plain and focused, and measured.
Lengths MeasureButton(DPI_AWARENESS_CONTEXT awareness) {
  using SetAwareness = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
  const auto setAwareness = reinterpret_cast<SetAwareness>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "SetThreadDpiAwarenessContext")));
  const DPI_AWARENESS_CONTEXT was = setAwareness(awareness);
  EXPECT_EQ(AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0), 1);
  const HWND box = CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
  DetachSkin();
  setAwareness(was);
  const int w = 240, h = 76;
  const WhiteCanvas plain(w, h), focused(w, h);
  for (const WhiteCanvas* on : {&plain, &focused}) {
    const UINT state = on == &focused ? ODS_FOCUS : 0;
    DRAWITEMSTRUCT item{ODT_BUTTON, 100, 0, ODA_DRAWENTIRE, state, box, on->dc(), {0, 0, w, h}, 0};
    EXPECT_TRUE(SendMessageA(box, WM_DRAWITEM, 100, reinterpret_cast<LPARAM>(&item)));
  }
  DestroyWindow(box);
  const int top = RunOf(plain, w / 2, 0, 0, 1, kBorder);
  Lengths m{top, RunOf(plain, 0, 0, 1, 0, RGB(255, 255, 255)), w};
  if (RunOf(plain, 0, h / 2, 1, 0, kBorder) != top ||
      RunOf(plain, w / 2, h - 1, 0, -1, kBorder) != top)
    m.line = -1;
  // The mark is dotted: one of two rows has it in every column.
  for (int y : {h / 2, h / 2 + 1})
    for (int x = 0; x < m.focusInset; ++x)
      if (focused.At(x, y) != plain.At(x, y)) m.focusInset = x;
  return m;
}

TEST(SkinEngineScaleTest, ButtonLinesCornersAndFocusMarkHaveTheBoxsScale) {
  const char* value = std::getenv("CLICKER_DPI");
  const double scale = (value != nullptr ? std::atoi(value) : 96) / 96.0;
  ASSERT_TRUE(LoadSkinEngine());
  const Lengths design = MeasureButton(DPI_AWARENESS_CONTEXT_UNAWARE);
  const Lengths scaled = MeasureButton(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
  ShutdownSkinHosting();
  ASSERT_GT(design.line, 0) << "no border, or not one on every edge";
  // Each as long as at 100 %, scaled to the nearest whole pixel (the arc's
  // end within half a pixel either way: 125 % rounds a 2-pixel one down).
  EXPECT_EQ(scaled.line, static_cast<int>(design.line * scale + 0.5));
  EXPECT_EQ(scaled.focusInset, static_cast<int>(design.focusInset * scale + 0.5));
  EXPECT_NEAR(scaled.corner, design.corner * scale, 0.5);
}

}  // namespace
}  // namespace hosting
