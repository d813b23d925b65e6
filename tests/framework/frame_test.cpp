// The frame: the hover fade, the rendered cache and the window on screen.
#include <cstdlib>
#include <utility>

#include "data/pictures/pictures.h"
#include "framework/frame.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "gdiplus/memory_stream.h"
#include "tests/framework/framework_test_support.h"
#include "tests/gdiplus/colours.h"

namespace framework::testing {
namespace {

LPARAM CentreOf(const TitleButton& button) {
  return MAKELPARAM(static_cast<int>(button.x + button.w / 2),
                    static_cast<int>(button.y + button.h / 2));
}

// The summed brightness of a button's pixels: the highlight darkens it.
long Brightness(const std::vector<COLORREF>& pixels) {
  long sum = 0;
  for (COLORREF c : pixels) sum += GetRValue(c) + GetGValue(c) + GetBValue(c);
  return sum;
}

// The close button's red: its highlight is red.
long Redness(const std::vector<COLORREF>& pixels) {
  long sum = 0;
  for (COLORREF c : pixels) sum += GetRValue(c) - (GetGValue(c) + GetBValue(c)) / 2;
  return sum;
}

class FrameTest : public FrameworkTest {
 protected:
  void Tick(HWND window) { SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0); }
};

// Step k of a fade draws highlight 30 k (fading in) or 240 - 30 k (out).
TEST_F(FrameTest, MovingFromMinimiseToCloseFadesOneInAndTheOtherOutOneStepPerTick) {
  HWND window = MakeWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int n = Attach(window);
  skin->RenderFrame(n, nullptr, false);
  const WindowRecord& record = Record(n);
  const std::vector<COLORREF> plainMinimise = TitleButtonPixels(record, 1);
  const std::vector<COLORREF> plainClose = TitleButtonPixels(record, 3);
  SendMessageA(window, WM_MOUSEHOVER, 0, 0);
  SendMessageA(window, WM_MOUSEMOVE, 0, CentreOf(record.titleButtons[1]));
  EXPECT_EQ(skin->HotTitleButton(), 1);
  EXPECT_TRUE(record.animationTimer);
  long brightness = Brightness(plainMinimise);
  for (int i = 1; i <= 8; ++i) {
    Tick(window);
    EXPECT_EQ(record.fadeIn.button, 1);
    EXPECT_EQ(record.fadeIn.step, i);
    // Each step darker than the one before.
    EXPECT_LT(Brightness(TitleButtonPixels(record, 1)), brightness) << i;
    brightness = Brightness(TitleButtonPixels(record, 1));
  }
  const std::vector<COLORREF> full = TitleButtonPixels(record, 1);
  Tick(window);  // finished: nothing more
  EXPECT_EQ(record.fadeIn.step, 8);
  EXPECT_EQ(TitleButtonPixels(record, 1), full);

  SendMessageA(window, WM_MOUSEMOVE, 0, CentreOf(record.titleButtons[3]));
  long redness = Redness(plainClose);
  for (int i = 1; i <= 8; ++i) {
    Tick(window);
    // One step of each fade per tick.
    EXPECT_EQ(record.fadeIn.button, 3);
    EXPECT_EQ(record.fadeIn.step, i);
    EXPECT_EQ(record.fadeOut.button, 1);
    EXPECT_EQ(record.fadeOut.step, i);
    EXPECT_GT(Redness(TitleButtonPixels(record, 3)), redness) << i;
    redness = Redness(TitleButtonPixels(record, 3));
  }
  // Faded out to the plain picture.
  EXPECT_EQ(TitleButtonPixels(record, 1), plainMinimise);
}

TEST_F(FrameTest, TheFadeRunsOnTheWindowsOwnTwentyMillisecondTimer) {
  HWND window = MakeWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  const int n = Attach(window);
  Pump(50);
  skin->RenderFrame(n, nullptr, true);
  const WindowRecord& record = Record(n);
  const TitleButton& close = record.titleButtons[3];
  POINT screen{static_cast<int>(close.x + 10), static_cast<int>(close.y + 9)};
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  const DWORD start = GetTickCount();
  SendMessageA(window, WM_MOUSEMOVE, 0, CentreOf(close));
  SendMessageA(window, WM_MOUSEHOVER, 0, 0);
  DWORD took = 0;
  for (int wait = 0; wait < 1000 && record.fadeIn.step < 8; ++wait) {
    Pump();
    took = GetTickCount() - start;
    Sleep(1);
  }
  ASSERT_EQ(record.fadeIn.button, 3);
  ASSERT_EQ(record.fadeIn.step, 8);
  // Eight ticks of 20 ms (the system may round a timer up a little).
  EXPECT_GE(took, 8u * 15u);
  EXPECT_LE(took, 8u * 60u);
}

TEST_F(FrameTest, LeavingTheWindowFadesTheHotButtonOut) {
  HWND window = MakeWindow();
  const int n = Attach(window);
  skin->RenderFrame(n, nullptr, false);
  const WindowRecord& record = Record(n);
  const std::vector<COLORREF> plain = TitleButtonPixels(record, 1);
  SendMessageA(window, WM_MOUSEHOVER, 0, 0);
  SendMessageA(window, WM_MOUSEMOVE, 0, CentreOf(record.titleButtons[1]));
  Tick(window);
  Tick(window);
  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(record.fadeIn.button, 0);
  for (int i = 1; i <= 9; ++i) {
    Tick(window);
    EXPECT_EQ(record.fadeOut.button, 1);
    EXPECT_EQ(record.fadeOut.step, i < 8 ? i : 8);
  }
  EXPECT_EQ(TitleButtonPixels(record, 1), plain);
  EXPECT_FALSE(record.animationTimer);
}

TEST_F(FrameTest, ARenderingLeavesTheActiveWindowActive) {
  HWND window = MakeWindow();
  const int n = Attach(window);
  HWND other = MakeWindow(0, 160, 160);
  SetForegroundWindow(other);
  SetActiveWindow(other);
  Pump(50);
  ASSERT_EQ(GetActiveWindow(), other);
  // The user works in another window while this one renders its frame.
  skin->RenderFrame(n, nullptr, true);
  Pump(50);
  EXPECT_EQ(GetActiveWindow(), other);
  EXPECT_EQ(GetForegroundWindow(), other);
}

TEST_F(FrameTest, ASizeChangeRendersTheFrameAgainWithANewRegion) {
  // The test class has neither CS_HREDRAW nor CS_VREDRAW: the system asks
  // for no repaint when the window grows or shrinks.
  HWND window = MakeWindow(WS_MINIMIZEBOX, 80, 80, 400, 300);
  const int n = Attach(window);
  HadFirstPlacement(window);
  InvalidateRect(window, nullptr, FALSE);
  Pump(50);
  ASSERT_FALSE(Record(n).redrawNeeded);
  for (const SIZE size : {SIZE{520, 380}, SIZE{300, 220}}) {
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(100);
    EXPECT_FALSE(Record(n).redrawNeeded) << size.cx;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    RECT box{};
    GetRgnBox(region, &box);
    DeleteObject(region);
    EXPECT_EQ(box.right, size.cx);
    EXPECT_EQ(box.bottom, size.cy);
    // The close button is drawn where it now answers: its picture differs
    // from the clean title band there.
    const TitleButton& close = Record(n).titleButtons[2];
    const int x = static_cast<int>(close.x), y = static_cast<int>(close.y);
    int differs = 0;
    for (int dy = 0; dy < 18; ++dy)
      for (int dx = 0; dx < 38; ++dx)
        if (GetPixel(Record(n).frameCache, x + dx, y + dy) !=
            GetPixel(Record(n).titleBandCache, x + dx, y + dy))
          ++differs;
    EXPECT_GT(differs, 20) << size.cx;
  }
}

TEST_F(FrameTest, AFirstSizeThatComesAfterTheFirstRenderingRendersTheFrameAgain) {
  // The main window's size lock can cut the window short after the framework
  // has painted it once: that first WM_SIZE must not keep the old rendering.
  HWND window = MakeWindow(0, 80, 80, 400, 340);
  const int n = Attach(window);
  ASSERT_TRUE(skin->FirstPlacement());
  InvalidateRect(window, nullptr, FALSE);
  Pump(50);
  BITMAP frame{};
  GetObjectA(GetCurrentObject(Record(n).frameCache, OBJ_BITMAP), sizeof frame, &frame);
  ASSERT_EQ(frame.bmHeight, 340);
  SetWindowPos(window, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Pump(100);
  EXPECT_FALSE(skin->FirstPlacement());
  GetObjectA(GetCurrentObject(Record(n).frameCache, OBJ_BITMAP), sizeof frame, &frame);
  EXPECT_EQ(frame.bmHeight, 300) << "the frame kept its rendering at the old size";
  EXPECT_FALSE(Record(n).redrawNeeded);
}

TEST_F(FrameTest, AFirstSizeBeforeAnyRenderingNeedsNoRenderingOfItsOwn) {
  HWND window = MakeWindow(0, 80, 80, 400, 340);
  const int n = Attach(window);
  SetWindowPos(window, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FALSE(skin->FirstPlacement());
  EXPECT_FALSE(Record(n).redrawNeeded);
}

// --- pixels ---

int Channel(COLORREF colour, int shift) {
  return (colour >> shift) & 0xFF;
}
using test_colours::Near;

class FramePixelTest : public FrameworkTest {
 protected:
  void SetUp() override {
    FrameworkTest::SetUp();
    skin->SetBackground(nullptr, kBackgroundJpg, kBackgroundJpgSize, COLORREF{0}, LONG{0x00C0C0C0},
                        3);
    skin->Settings(1, 32);
    jpeg.CreateFromBytes(kBackgroundJpg, kBackgroundJpgSize);
  }
  // The JPEG's pixel under client point (x, y) when stretched over the client area.
  COLORREF Stretched(int x, int y, int width, int height) {
    const gdiplus::ARGB p = jpeg.GetPixel(x * 1440 / width, y * 900 / height);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  gdiplus::Bitmap jpeg;
};

TEST_F(FramePixelTest, TheAcceptedBackgroundColoursAreSet) {
  EXPECT_EQ(skin->AccentColour(), 0x00C0C0C0u);
  EXPECT_EQ(skin->DefaultBackgroundMode(), 3);
  EXPECT_NE(skin->GlobalPicture(), nullptr);
}

TEST_F(FramePixelTest, TheStretchedJpegFillsTheClientAreaWithinTheBorder) {
  for (const SIZE size : {SIZE{498, 468}, SIZE{300, 200}, SIZE{700, 500}}) {
    HWND window = MakeWindow(0, 50, 50, size.cx, size.cy);
    const int n = Attach(window);
    skin->RenderFrame(n, nullptr, false);
    HDC cache = Record(n).frameCache;
    RECT client{};
    GetClientRect(window, &client);
    int matched = 0, total = 0;
    for (int y = 30; y < client.bottom - 4; y += 37) {
      for (int x = 4; x < client.right - 4; x += 41) {
        ++total;
        if (Near(GetPixel(cache, x, y), Stretched(x, y, client.right, client.bottom), 24))
          ++matched;
      }
    }
    EXPECT_GE(matched * 10, total * 9) << size.cx << "x" << size.cy;
    // Up to the far corner, inside the rounding.
    const int x = client.right - 4, y = client.bottom - 4;
    EXPECT_TRUE(Near(GetPixel(cache, x, y), Stretched(x, y, client.right, client.bottom), 40));
    DestroyWindow(window);
  }
}

TEST_F(FramePixelTest, BorderCaptionAndTheOutsideOfTheCorners) {
  HWND window = MakeWindow(0, 60, 60, 498, 468, "鼠标坐标");
  const int n = Attach(window);
  skin->RenderFrame(n, nullptr, false);
  HDC cache = Record(n).frameCache;
  RECT client{};
  GetClientRect(window, &client);
  // The window region cuts the corners off.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, client.right - 1, client.bottom - 1));
  EXPECT_TRUE(PtInRegion(region, client.right / 2, 0));
  EXPECT_TRUE(PtInRegion(region, 2, 2));
  DeleteObject(region);
  // Every magenta pixel of the cache lies outside the region.
  for (LONG y : {0L, 1L, 2L, client.bottom - 3, client.bottom - 2, client.bottom - 1})
    for (LONG x : {0L, 1L, 2L, client.right - 3, client.right - 2, client.right - 1}) {
      if (GetPixel(cache, x, y) != kMagenta) continue;
      HRGN check = CreateRectRgn(0, 0, 0, 0);
      GetWindowRgn(window, check);
      EXPECT_FALSE(PtInRegion(check, x, y)) << x << "," << y;
      DeleteObject(check);
    }

  // Border: black at alpha 180 outside, white at alpha 180 inside.
  const int mx = client.right / 2 + 7;
  const int bottom = client.bottom - 1;
  const COLORREF under = Stretched(mx, bottom, client.right, client.bottom);
  const COLORREF outer = GetPixel(cache, mx, bottom);
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(Channel(outer, shift), Channel(under, shift) * 75 / 255, 12);
  const COLORREF underInner = Stretched(mx, bottom - 1, client.right, client.bottom);
  const COLORREF inner = GetPixel(cache, mx, bottom - 1);
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(Channel(inner, shift), 180 + Channel(underInner, shift) * 75 / 255, 12);

  // The caption: white text in the title bar right of the icon.
  auto whiteIn = [&](HDC dc) {
    int white = 0;
    for (int y = 3; y < 23; ++y)
      for (int x = 27; x < 120; ++x) {
        const COLORREF c = GetPixel(dc, x, y);
        if (Channel(c, 0) > 235 && Channel(c, 8) > 235 && Channel(c, 16) > 235) ++white;
      }
    return white;
  };
  const int withText = whiteIn(cache);
  SetWindowTextA(window, "");
  skin->RenderFrame(n, nullptr, false);
  EXPECT_GT(withText, 30);
  EXPECT_LT(whiteIn(Record(n).frameCache), 5);
  // WM_SETTEXT draws the caption at once.
  SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("鼠标坐标"));
  EXPECT_GT(whiteIn(Record(n).frameCache), 30);
}

// The caption's icon is the largest picture the program carries that fits
// its box, drawn as it is (a resampled icon blurs): 16 pixels at 100 %, 20
// at 125 %, 24 at 150 % and 32 at 200 %.
TEST_F(FrameTest, TheCaptionIconIsTheCarriedPictureThatFitsItsBox) {
  const int n = Attach(MakeWindow(0, 60, 60, 498, 468, "鼠标坐标"));
  for (const auto& [dpi, size] : {std::pair{96, 16}, {120, 20}, {144, 24}, {192, 32}}) {
    MoveToScale(n, dpi);
    EXPECT_EQ(Record(n).captionIcon.size, size) << dpi;
  }
}

TEST_F(FramePixelTest, TheHoveredCloseButtonTurnsRed) {
  HWND window = MakeWindow(0, 60, 60, 498, 468);
  const int n = Attach(window);
  Pump(50);
  skin->RenderFrame(n, nullptr, true);
  const TitleButton close = Record(n).titleButtons[1];
  const int x = static_cast<int>(close.x) + 3, y = static_cast<int>(close.y) + 2;
  const COLORREF before = GetPixel(Record(n).frameCache, x, y);
  POINT screen{static_cast<int>(close.x + 10), static_cast<int>(close.y + 9)};
  ClientToScreen(window, &screen);
  SetCursorPos(screen.x, screen.y);
  SendMessageA(window, WM_MOUSEMOVE, 0, CentreOf(close));
  SendMessageA(window, WM_MOUSEHOVER, 0, 0);
  Pump(400);
  const COLORREF hot = GetPixel(Record(n).frameCache, x, y);
  EXPECT_GT(Channel(hot, 0), Channel(hot, 8) + 60);
  EXPECT_GT(Channel(hot, 0), Channel(hot, 16) + 60);
  EXPECT_FALSE(Near(before, hot, 30));
  POINT onScreen{x, y};
  ClientToScreen(window, &onScreen);
  EXPECT_EQ(ScreenPixel(onScreen.x, onScreen.y), hot);
}

TEST_F(FramePixelTest, OnScreenTheCornersShowWhatLiesBehind) {
  HWND backdrop = MakeWindow(0, 40, 40, 540, 520);
  // The backdrop is white (its class brush); the framework window over it.
  HWND window = MakeWindow(0, 60, 60, 498, 468);
  const int n = Attach(window);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  InvalidateRect(window, nullptr, TRUE);
  Pump(200);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  EXPECT_EQ(ScreenPixel(origin.x, origin.y), RGB(255, 255, 255));
  EXPECT_EQ(ScreenPixel(origin.x + 497, origin.y + 467), RGB(255, 255, 255));
  const COLORREF inside = ScreenPixel(origin.x + 250, origin.y + 250);
  EXPECT_EQ(inside, GetPixel(Record(n).frameCache, 250, 250));
  (void)backdrop;
}

// A 40 x 20 PNG: red on the left half, blue on the right.
Bytes TwoColourPng() {
  gdiplus::Bitmap bitmap;
  bitmap.CreateFromScan0(40, 20);
  {
    gdiplus::Graphics graphics;
    graphics.FromImage(bitmap);
    gdiplus::SolidBrush red, blue;
    red.Create(0xFFFF0000u);
    blue.Create(0xFF0000FFu);
    graphics.FillRectangleI(red, 0, 0, 20, 20);
    graphics.FillRectangleI(blue, 20, 0, 20, 20);
  }
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(nullptr, TRUE, &stream);
  bitmap.SaveToStream(stream, "image/png");
  gdiplus::MemoryStream memory;
  memory.Attach(stream);
  std::vector<unsigned char> bytes = memory.ToBytes();
  return Bytes(bytes.begin(), bytes.end());
}

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

TEST_F(FrameworkTest, TheRepresentativeColourIsTheMeanOfTheSamples) {
  std::shared_ptr<gdiplus::Bitmap> picture = DecodePicture(TwoColourPng());
  ASSERT_NE(picture, nullptr);
  const COLORREF mean = RepresentativeColour(*picture);
  EXPECT_NEAR(Channel(mean, 0), 127, 12);
  EXPECT_EQ(Channel(mean, 8), 0);
  EXPECT_NEAR(Channel(mean, 16), 127, 12);
  EXPECT_NEAR(Channel(mean, 0) + Channel(mean, 16), 255, 1);
}

TEST_F(FrameworkTest, BackgroundModesPlaceTheWindowsOwnImage) {
  const Bytes png = TwoColourPng();
  struct Case {
    int mode;
    POINT red, blue, fill;
  } cases[] = {
      {0, {5, 10}, {30, 10}, {100, 100}},  {1, {165, 10}, {190, 10}, {20, 100}},
      {2, {85, 75}, {110, 75}, {20, 100}}, {3, {50, 75}, {150, 75}, {-1, -1}},
      {4, {5, 10}, {30, 10}, {100, 100}},
  };
  for (const Case& c : cases) {
    HWND window = MakeWindow(0, 50, 50, 200, 150);
    AttachOptions options;
    options.backgroundImage = png;
    options.backgroundMode = c.mode;
    options.caption = false;  // the image lies under the caption's place
    skin->AttachWindow(window, options);
    const int n = FindWindowNumber(*skin, window);
    ASSERT_GT(n, 0);
    skin->RenderFrame(n, nullptr, false);
    HDC cache = Record(n).frameCache;
    EXPECT_EQ(GetPixel(cache, c.red.x, c.red.y), kRed) << "mode " << c.mode;
    EXPECT_EQ(GetPixel(cache, c.blue.x, c.blue.y), kBlue) << "mode " << c.mode;
    if (c.fill.x >= 0) {
      EXPECT_EQ(GetPixel(cache, c.fill.x, c.fill.y), Record(n).representativeColour)
          << "mode " << c.mode;
    }
    DestroyWindow(window);
  }
}

TEST_F(FrameworkTest, SettingTheBackgroundRepaintsEveryWindowAndCanTakeItsAccentFromTheImage) {
  HWND first = MakeWindow();
  HWND second = MakeWindow(0, 150, 150);
  Attach(first);
  Attach(second);
  skin->RenderFrame(1, nullptr, false);
  skin->RenderFrame(2, nullptr, false);
  const Bytes png = TwoColourPng();
  skin->SetBackground(nullptr, png.data(), static_cast<uint32_t>(png.size()), COLORREF{0}, LONG{-1},
                      2);
  EXPECT_TRUE(Record(1).redrawNeeded);
  EXPECT_TRUE(Record(2).redrawNeeded);
  EXPECT_EQ(skin->AccentColour(), skin->DefaultBackgroundColour());
  EXPECT_NEAR(Channel(skin->DefaultBackgroundColour(), 0), 127, 12);
  EXPECT_EQ(skin->DefaultBackgroundMode(), 2);
  // Without an image the given colour becomes the background colour.
  skin->SetBackground(nullptr, nullptr, 0, COLORREF{RGB(1, 2, 3)}, LONG{0x00C0C0C0}, 0);
  EXPECT_EQ(skin->DefaultBackgroundColour(), RGB(1, 2, 3));
  EXPECT_EQ(skin->AccentColour(), 0x00C0C0C0u);
  skin->RenderFrame(1, nullptr, false);
  EXPECT_EQ(GetPixel(Record(1).frameCache, 200, 150), RGB(1, 2, 3));
}

TEST_F(FrameworkTest, TranslucentEditChangesRepaintTheEdit) {
  HWND window = MakeWindow();
  HWND edit = MakeChild(window, "Edit", 20, 60, 120, 24);
  Attach(window);
  auto invalidAfter = [&](WORD code) {
    Pump();
    ValidateRect(edit, nullptr);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(1, code), reinterpret_cast<LPARAM>(edit));
    RECT update{};
    return GetUpdateRect(edit, &update, FALSE) != 0;
  };
  skin->Settings(1, std::nullopt);
  EXPECT_FALSE(invalidAfter(EN_CHANGE));
  skin->Settings(1, 32);
  EXPECT_TRUE(invalidAfter(EN_CHANGE));
  EXPECT_TRUE(invalidAfter(EN_UPDATE));
  EXPECT_FALSE(invalidAfter(EN_SETFOCUS));
}

}  // namespace
}  // namespace framework::testing
