// The main window on a display of the test prefix's scale (CLICKER_DPI: 96,
// 120, 144 or 192): its size and place, every control and font at its scaled
// place and height, every caption inside its control, the drawn title bar,
// close button and sizing zones where the scale puts them, and a move to a
// monitor of another scale. Photographed into build/artefacts.
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "clicker/hotkeys.h"
#include "clicker/win32/main_window.h"
#include "framework/dpi.h"
#include "framework/drawing_helpers.h"
#include "framework/frame.h"
#include "framework/records.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"
#include "gdiplus/string_format.h"
#include "tests/framework/gdi_meter.h"
#include "tests/framework/import_patch.h"
#include "tests/framework/screen_photo.h"
#include "tests/framework/white_canvas.h"
#include "win_test_support.h"

namespace clicker::win32 {
namespace {

using framework::testing::Photograph;
using framework::testing::WhiteCanvas;
using testing::NoticeCloser;
using testing::PumpFor;

int ExpectedDpi() {
  const char* value = std::getenv("CLICKER_DPI");
  return value != nullptr && *value != '\0' ? std::atoi(value) : framework::kDesignDpi;
}

// A rectangle of the table at a scale: edges scaled, as the form places them.
RECT ScaledRect(int left, int top, int width, int height, int dpi) {
  using framework::ScaleLength;
  return RECT{ScaleLength(left, dpi), ScaleLength(top, dpi), ScaleLength(left + width, dpi),
              ScaleLength(top + height, dpi)};
}

bool Within(LONG got, LONG want, LONG slack) {
  return got >= want - slack && got <= want + slack;
}

// The control's place in the main window's client area.
RECT PlaceInWindow(HWND control, HWND window) {
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

LOGFONTA FontOf(HWND control) {
  LOGFONTA font{};
  auto handle = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (handle == nullptr) handle = GetStockObject(SYSTEM_FONT);
  GetObjectA(handle, sizeof font, &font);
  return font;
}

// Where the ink of a text drawn by GDI in the control's own font ends, the
// text starting at 0 (labels and edit boxes draw their text this way).
int GdiInkRight(HWND control, const std::string& text) {
  WhiteCanvas canvas(1024, 128);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), RGB(0, 0, 0));
  TextOutA(canvas.dc(), 0, 0, text.c_str(), static_cast<int>(text.size()));
  SelectObject(canvas.dc(), old);
  return canvas.InkRight();
}

// The same for a caption the framework draws with GDI+ in the face, size and
// style it keeps for the control, laid out from 0 as its painters lay it.
int DrawnInkRight(const std::string& face, int size, int style, const std::string& text) {
  WhiteCanvas canvas(1024, 128);
  {
    gdiplus::Graphics graphics;
    if (!graphics.FromHDC(canvas.dc())) return 0;
    gdiplus::Font font;
    if (!font.Create(face.c_str(), static_cast<float>(size), style, 1)) return 0;
    gdiplus::StringFormat format;
    format.Create(0x1000 | 0x4000);  // no wrapping, no clipping
    gdiplus::SolidBrush black;
    black.Create(0xFF000000u);
    graphics.DrawString(text.c_str(), font, gdiplus::RectF{0, 0, 1024, 128}, &format, black);
  }
  return canvas.InkRight();
}

// The em height of the control's font in pixels.
int EmHeight(HWND control) {
  HDC dc = GetDC(control);
  auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return metrics.tmHeight - metrics.tmInternalLeading;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

// The system's own stock objects, past any patch of the program's imports.
HGDIOBJ SystemStockObject(int object) {
  static const auto get = reinterpret_cast<HGDIOBJ(WINAPI*)(int)>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("gdi32.dll"), "GetStockObject")));
  return get(object);
}

// The stock GUI font as a session that began at another scale made it.
HFONT stockFontOfAnotherScale = nullptr;
HGDIOBJ WINAPI StockObjectOfAnotherScale(int object) {
  return object == DEFAULT_GUI_FONT ? stockFontOfAnotherScale : SystemStockObject(object);
}

class MainWindowScaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin = std::make_unique<framework::SkinFramework>();
    framework::SetProgramFramework(skin.get());
    skin->StartUp();
    main = std::make_unique<MainWindow>();
    ASSERT_TRUE(main->Create());
    PumpFor(600);
    dpi = main->form().dpi();
  }
  void TearDown() override {
    main.reset();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    skin.reset();
  }

  int Px(int design) const { return framework::ScaleLength(design, dpi); }
  framework::WindowRecord& Record() { return *skin->WindowOf(main->window()); }

  // Sends the window to another scale as Windows does, with the rectangle
  // Windows suggests: the same place, the size scaled by the ratio.
  void MoveToDpi(int newDpi) {
    RECT now{};
    GetWindowRect(main->window(), &now);
    RECT suggested{now.left, now.top,
                   now.left + MulDiv(now.right - now.left, newDpi, main->form().dpi()),
                   now.top + MulDiv(now.bottom - now.top, newDpi, main->form().dpi())};
    SendMessageA(main->window(), WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                 reinterpret_cast<LPARAM>(&suggested));
    PumpFor(300);
    dpi = main->form().dpi();
  }

  // Every control of the table against its scaled place and font height.
  void ExpectLaidOutAt(int atDpi) {
    size_t count = 0;
    const ControlSpec* controls = MainWindowControls(&count);
    // The default GUI font's height at 100 %: the system makes it at its DPI.
    LOGFONTA gui{};
    GetObjectA(SystemStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    const int defaultAtDesign = MulDiv(std::abs(gui.lfHeight), 96, framework::SystemDpi());
    std::vector<RECT> others;
    for (size_t i = 0; i < count; ++i) {
      const ControlSpec& entry = controls[i];
      if (entry.kind == ControlKind::Timer || entry.kind == ControlKind::GroupBox || entry.hidden)
        continue;
      others.push_back(PlaceInWindow(main->form().Control(entry.name), main->window()));
    }
    for (size_t i = 0; i < count; ++i) {
      const ControlSpec& entry = controls[i];
      if (entry.kind == ControlKind::Timer) continue;
      SCOPED_TRACE(entry.name);
      const HWND control = main->form().Control(entry.name);
      ASSERT_NE(control, nullptr);
      const RECT want = ScaledRect(entry.left, entry.top, entry.width, entry.height, atDpi);
      const RECT got = PlaceInWindow(control, main->window());
      // A transparent label may have grown to the right to show its caption,
      // a multi-line box downwards to show whole lines, into free room only.
      const bool grows = entry.kind == ControlKind::TransparentLabel && got.right > want.right;
      const bool growsDown = entry.multiLine && got.bottom > want.bottom;
      if (grows || growsDown) {
        const RECT growth = grows ? RECT{want.right, got.top, got.right, got.bottom}
                                  : RECT{got.left, want.bottom, got.right, got.bottom};
        for (const RECT& other : others) {
          if (EqualRect(&other, &got)) continue;  // the control itself
          RECT overlap{};
          EXPECT_FALSE(IntersectRect(&overlap, &growth, &other)) << "it grew over a neighbour";
        }
      }
      EXPECT_TRUE(Within(got.left, want.left, 1) && Within(got.top, want.top, 1) &&
                  (grows || Within(got.right, want.right, 1)) &&
                  (growsDown || Within(got.bottom, want.bottom, 1)))
          << got.left << "," << got.top << "-" << got.right << "," << got.bottom << " against "
          << want.left << "," << want.top << "-" << want.right << "," << want.bottom;
      const int design = entry.font != nullptr ? entry.font->height : defaultAtDesign;
      EXPECT_TRUE(
          Within(std::abs(FontOf(control).lfHeight), framework::ScaleLength(design, atDpi), 1))
          << "font height " << FontOf(control).lfHeight;
    }
  }

  NoticeCloser notices;
  std::unique_ptr<framework::SkinFramework> skin;
  std::unique_ptr<MainWindow> main;
  int dpi = framework::kDesignDpi;
};

TEST_F(MainWindowScaleTest, TheWindowHasTheScaledSizeCentredOnItsMonitor) {
  EXPECT_EQ(dpi, ExpectedDpi()) << "the prefix's scale does not reach the program";
  EXPECT_EQ(framework::WindowDpi(main->window()), dpi);
  RECT rect{};
  GetWindowRect(main->window(), &rect);
  // Created at the scaled 498 x 510, centred; held at 498 x 468 from the
  // first tick of the size lock on.
  EXPECT_TRUE(Within(rect.right - rect.left, MulDiv(498, dpi, 96), 1)) << rect.right - rect.left;
  EXPECT_TRUE(Within(rect.bottom - rect.top, MulDiv(468, dpi, 96), 1)) << rect.bottom - rect.top;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  EXPECT_EQ(rect.left, (screenWidth - Px(498)) / 2);
  EXPECT_EQ(rect.top, (screenHeight - Px(510)) / 2);
  // A drag of an edge is undone at the scaled size.
  SetWindowPos(main->window(), nullptr, 0, 0, Px(600), Px(600),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(100);
  GetWindowRect(main->window(), &rect);
  EXPECT_EQ(rect.right - rect.left, Px(498));
  EXPECT_EQ(rect.bottom - rect.top, Px(468));
  EXPECT_TRUE(Photograph(main->window(), std::string(CLICKER_ARTEFACTS) + "/main-window-" +
                                             CLICKER_ARCH + "-dpi" + std::to_string(dpi) + ".png"));
}

// Windows asks for the size at a new scale before the move; left to itself
// it scales the old size by the ratio (125 % to 150 %: 748 where the
// layout is 747).
TEST_F(MainWindowScaleTest, AskedForItsSizeAtAnotherScaleItAnswersItsLayoutsOwn) {
  for (int target : {96, 120, 144, 192}) {
    SCOPED_TRACE(target);
    SIZE size{1, 1};
    EXPECT_TRUE(SendMessageA(main->window(), 0x02E4 /* WM_GETDPISCALEDSIZE */,
                             static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&size)));
    EXPECT_EQ(size.cx, framework::ScaleLength(498, target));
    EXPECT_EQ(size.cy, framework::ScaleLength(468, target));
  }
}

TEST_F(MainWindowScaleTest, EveryControlAndFontSitsAtItsScaledPlaceAndHeight) {
  ExpectLaidOutAt(dpi);
}

// Since Windows 10 1803 the stock fonts can be made for another DPI than the
// system's (the scale changed without signing out) and the window's: the
// controls' font still has its design height at the window's scale.
TEST_F(MainWindowScaleTest, TheControlsFontHasItsDesignHeightWhateverScaleTheStockFontHas) {
  const int elsewhere = dpi == 96 ? 144 : 96;
  LOGFONTA face{};
  GetObjectA(SystemStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
  face.lfHeight = MulDiv(face.lfHeight, elsewhere, framework::SystemDpi());
  stockFontOfAnotherScale = CreateFontIndirectA(&face);
  {
    framework::testing::ImportPatch stock(
        "gdi32.dll", "GetStockObject", reinterpret_cast<const void*>(&StockObjectOfAnotherScale));
    ASSERT_TRUE(stock.Active());
    main.reset();
    main = std::make_unique<MainWindow>();
    ASSERT_TRUE(main->Create());
    PumpFor(300);
    ExpectLaidOutAt(dpi);
    MoveToDpi(elsewhere);
    ExpectLaidOutAt(elsewhere);
    main.reset();
  }
  DeleteObject(stockFontOfAnotherScale);
}

TEST_F(MainWindowScaleTest, EveryCaptionFitsItsControl) {
  // Measured where it matters: the ink of the caption as it is drawn, from
  // where it starts to the last column inside the control (or its frame).
  framework::WindowRecord& record = Record();
  const framework::Metrics& m = record.metrics;
  EXPECT_EQ(m.dpi, dpi);
  size_t count = 0;
  const ControlSpec* controls = MainWindowControls(&count);
  for (size_t i = 0; i < count; ++i) {
    const ControlSpec& entry = controls[i];
    if (entry.kind == ControlKind::Timer || entry.hidden) continue;
    SCOPED_TRACE(entry.name);
    const HWND control = main->form().Control(entry.name);
    RECT client{};
    GetClientRect(control, &client);
    auto expectInside = [&](int left, int inkRight, int right, const std::string& text) {
      EXPECT_GT(inkRight, 0) << "nothing drawn for \"" << text << "\"";
      EXPECT_LE(left + inkRight, right) << "\"" << text << "\" from " << left;
    };
    const framework::ButtonRecord* button = nullptr;
    for (const framework::ButtonRecord& candidate : record.buttons)
      if (candidate.window == control) button = &candidate;
    const framework::ContainerRecord* box = nullptr;
    for (const framework::ContainerRecord& candidate : record.containers)
      if (candidate.window == control) box = &candidate;
    switch (entry.kind) {
      case ControlKind::RadioButton: {
        ASSERT_NE(button, nullptr);
        const int ink =
            DrawnInkRight(button->fontFace, button->fontSize, button->fontStyle, entry.caption);
        expectInside(m.radioCaptionLeft, ink, client.right - m.line, entry.caption);
        break;
      }
      case ControlKind::Button: {
        ASSERT_NE(button, nullptr);
        // Centred: whatever the text is wider than the room inside the frame
        // would be cut on both sides.
        const int ink =
            DrawnInkRight(button->fontFace, button->fontSize, button->fontStyle, entry.caption);
        EXPECT_LE(ink, client.right - 2 * m.line) << "\"" << entry.caption << "\"";
        break;
      }
      case ControlKind::GroupBox: {
        ASSERT_NE(box, nullptr);
        const int ink = DrawnInkRight(box->fontFace, box->fontSize, box->fontStyle, entry.caption);
        expectInside(m.groupCaptionLeft, ink, client.right - m.line, entry.caption);
        break;
      }
      case ControlKind::TransparentLabel: {
        if (std::strcmp(entry.name, "透明标签4") != 0) {
          expectInside(0, GdiInkRight(control, entry.caption), client.right, entry.caption);
          break;
        }
        // The read-out at a monitor left of and above the primary one, and
        // at the widest a desktop can have: five digits and a sign on each
        // axis, in the font the label shows each text in.
        std::vector<std::string> texts{CoordinateText(-1920, -1080), CoordinateText(640, 512)};
        for (int digit = 1; digit <= 9; ++digit)
          texts.push_back(CoordinateText(-11111 * digit, -11111 * digit));
        for (const std::string& text : texts) {
          main->form().SetText(entry.name, text.c_str());
          expectInside(0, GdiInkRight(control, text), client.right, text);
        }
        // The widest as the window shows it (the read-out changes only
        // when the pointer moves).
        main->form().SetText(entry.name, CoordinateText(-88888, -88888).c_str());
        PumpFor(100);
        Photograph(main->window(), std::string(CLICKER_ARTEFACTS) + "/main-window-" + CLICKER_ARCH +
                                       "-dpi" + std::to_string(dpi) + "-widest-read-out.png");
        break;
      }
      default:
        break;
    }
  }
}

// The hotkey list is a text, not a caption, in bold YaHei at 10 pixels: every
// line whole, across and down, in a face with a bold of its own (as YaHei
// has; a bold made up from a regular face would widen every glyph).
TEST_F(MainWindowScaleTest, TheHotkeyListShowsEveryLineWhole) {
  const HWND list = main->form().Control("编辑框1");
  RECT format{};
  SendMessageA(list, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const auto font = reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0));
  LOGFONTA regular{};
  GetObjectA(font, sizeof regular, &regular);
  regular.lfWeight = FW_NORMAL;
  HFONT plain = CreateFontIndirectA(&regular);
  HDC dc = GetDC(list);
  auto extent = [dc](HGDIOBJ face, const std::string& text) {
    HGDIOBJ old = SelectObject(dc, face);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return size;
  };
  EXPECT_EQ(extent(font, "开").cx, extent(plain, "开").cx) << "a made-up bold";
  const std::vector<std::string> lines = Lines(testing::TextOf(list));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_LE(4 * extent(font, "F1").cy, format.bottom - format.top) << "a line cut off below";
  for (const std::string& line : lines)
    EXPECT_LE(format.left + GdiInkRight(list, line), format.right) << "\"" << line << "\"";
  ReleaseDC(list, dc);
  DeleteObject(plain);
}

TEST_F(MainWindowScaleTest, TheDrawnCaptionsHaveTheSizeOfTheControlsFonts) {
  // GDI+ draws the captions of buttons and group boxes; GDI sizes the rest
  // of the window's text: both at one em height for one font.
  framework::WindowRecord& record = Record();
  ASSERT_GT(record.buttons.Count(), 0);
  for (const framework::ButtonRecord& button : record.buttons) {
    SCOPED_TRACE(button.caption);
    EXPECT_TRUE(Within(button.fontSize, EmHeight(button.window), 1))
        << button.fontSize << " against " << EmHeight(button.window);
  }
  for (const framework::ContainerRecord& box : record.containers) {
    SCOPED_TRACE(testing::TextOf(box.window));
    EXPECT_TRUE(Within(box.fontSize, EmHeight(box.window), 1))
        << box.fontSize << " against " << EmHeight(box.window);
  }
}

TEST_F(MainWindowScaleTest, TheTitleBarCloseButtonAndSizingZonesAreAtTheirScaledPlaces) {
  framework::WindowRecord& record = Record();
  const int n = framework::FindWindowNumber(*skin, main->window());
  const framework::Metrics& m = record.metrics;
  RECT client{};
  GetClientRect(main->window(), &client);
  EXPECT_EQ(record.titleHeight, Px(25));
  ASSERT_EQ(record.titleButtons.Count(), 1);
  const framework::TitleButton& close = record.titleButtons[1];
  EXPECT_EQ(close.w, Px(38));
  EXPECT_EQ(close.h, Px(18));
  EXPECT_EQ(close.y, Px(1));
  EXPECT_EQ(close.x + close.w, client.right) << "the close button ends at the right edge";
  const int centreX = static_cast<int>(close.x + close.w / 2);
  const int centreY = static_cast<int>(close.y + close.h / 2);
  EXPECT_EQ(skin->HitTestTitleButtons(n, centreX, centreY), 1);
  EXPECT_EQ(skin->HitTestTitleButtons(n, static_cast<int>(close.x) - 1, centreY), 0);
  EXPECT_EQ(skin->HitTestTitleButtons(n, centreX, static_cast<int>(close.y + close.h)), 0);

  // The glyph is drawn over the clean title band, across the button's middle.
  ASSERT_NE(record.frameCache, nullptr);
  ASSERT_NE(record.titleBandCache, nullptr);
  int glyph = 0;
  for (int x = static_cast<int>(close.x); x < static_cast<int>(close.x + close.w); ++x)
    if (GetPixel(record.frameCache, x, centreY) != GetPixel(record.titleBandCache, x, centreY))
      ++glyph;
  EXPECT_GE(glyph, Px(4)) << "no close glyph across the button";

  // The caption's white text lies inside the title bar.
  int white = 0;
  for (int y = 0; y < record.titleHeight; ++y)
    for (int x = m.captionLeft; x < Px(120); ++x) {
      const COLORREF c = GetPixel(record.frameCache, x, y);
      if (GetRValue(c) > 235 && GetGValue(c) > 235 && GetBValue(c) > 235) ++white;
    }
  EXPECT_GT(white, Px(40)) << "no caption in the title bar";

  const int middleY = client.bottom / 2;
  EXPECT_EQ(framework::SizingZoneAt(Px(10) - 1, middleY, client, m.sizingZone).command, 0xF001u);
  EXPECT_EQ(framework::SizingZoneAt(Px(10), middleY, client, m.sizingZone).command, 0u);
  EXPECT_EQ(framework::SizingZoneAt(client.right - Px(10), middleY, client, m.sizingZone).command,
            0xF002u);
  EXPECT_EQ(
      framework::SizingZoneAt(client.right / 2, client.bottom - Px(10) - 1, client, m.sizingZone)
          .command,
      0u);
  EXPECT_EQ(
      framework::SizingZoneAt(client.right - Px(5), client.bottom - Px(5), client, m.sizingZone)
          .command,
      0xF008u);
}

TEST_F(MainWindowScaleTest, AMoveToAMonitorOfAnotherScaleLaysTheWindowOutAgain) {
  const int home = dpi;
  const int other = home == 144 ? 96 : 144;
  RedrawWindow(main->window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(200);
  const int before = framework::testing::LiveGdiObjects();
  // The mouse over the close button: it is hot and fading in.
  {
    const framework::TitleButton& close = Record().titleButtons[1];
    SendMessageA(main->window(), WM_MOUSEMOVE, 0,
                 MAKELPARAM(static_cast<int>(close.x + close.w / 2),
                            static_cast<int>(close.y + close.h / 2)));
    ASSERT_EQ(skin->HotTitleButton(), 1);
    ASSERT_EQ(Record().fadeIn.button, 1);
  }

  MoveToDpi(other);
  EXPECT_EQ(dpi, other);
  RECT rect{};
  GetWindowRect(main->window(), &rect);
  EXPECT_TRUE(Within(rect.right - rect.left, MulDiv(498, other, 96), 1)) << rect.right - rect.left;
  EXPECT_TRUE(Within(rect.bottom - rect.top, MulDiv(468, other, 96), 1)) << rect.bottom - rect.top;
  ExpectLaidOutAt(other);
  framework::WindowRecord& record = Record();
  EXPECT_EQ(record.metrics.dpi, other);
  EXPECT_EQ(record.titleHeight, framework::ScaleLength(25, other));
  const framework::TitleButton& close = record.titleButtons[1];
  EXPECT_EQ(close.w, framework::ScaleLength(38, other));
  // Nothing hot or fading is left from the buttons' old places.
  EXPECT_EQ(skin->HotTitleButton(), 0);
  EXPECT_EQ(record.lastHotButton, 0);
  EXPECT_EQ(record.fadeIn.button, 0);
  // The close button's tip answers where the button now is.
  TOOLINFOA tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = main->window();
  tool.uId = 1;
  ASSERT_TRUE(
      SendMessageA(record.tooltip.Window(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool)));
  EXPECT_EQ(tool.rect.left, static_cast<LONG>(close.x));
  EXPECT_EQ(tool.rect.right, static_cast<LONG>(close.x + close.w));
  // The drawn captions follow the new fonts.
  for (const framework::ButtonRecord& button : record.buttons)
    EXPECT_TRUE(Within(button.fontSize, EmHeight(button.window), 1)) << button.caption;
  for (const framework::ContainerRecord& box : record.containers)
    EXPECT_TRUE(Within(box.fontSize, EmHeight(box.window), 1)) << testing::TextOf(box.window);
  // The size lock holds the new size.
  SetWindowPos(main->window(), nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER);
  PumpFor(100);
  GetWindowRect(main->window(), &rect);
  EXPECT_EQ(rect.right - rect.left, framework::ScaleLength(498, other));
  EXPECT_EQ(rect.bottom - rect.top, framework::ScaleLength(468, other));
  // The whole frame is drawn again at the new size.
  RedrawWindow(main->window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(200);
  auto bitmapOf = [](HDC dc) {
    BITMAP bitmap{};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap);
    return bitmap;
  };
  EXPECT_EQ(bitmapOf(record.frameCache).bmWidth, framework::ScaleLength(498, other));
  EXPECT_EQ(bitmapOf(record.frameCache).bmHeight, framework::ScaleLength(468, other));
  EXPECT_EQ(bitmapOf(record.titleBandCache).bmWidth, framework::ScaleLength(498, other));
  EXPECT_EQ(bitmapOf(record.titleBandCache).bmHeight, record.titleHeight);
  const RECT caption = skin->CaptionArea(framework::FindWindowNumber(*skin, main->window()));
  EXPECT_EQ(bitmapOf(record.captionCache).bmHeight, caption.bottom - caption.top);
  const int atOther = framework::testing::LiveGdiObjects();

  // Back and forth again: the other scale's fonts and caches do not pile up.
  MoveToDpi(home);
  MoveToDpi(other);
  RedrawWindow(main->window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(200);
  EXPECT_EQ(framework::testing::LiveGdiObjects(), atOther);

  MoveToDpi(home);
  ExpectLaidOutAt(home);
  RedrawWindow(main->window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  PumpFor(200);
  // Fonts, pictures and caches of the other scale are gone again.
  EXPECT_EQ(framework::testing::LiveGdiObjects(), before);
  EXPECT_EQ(skin->Snapshots().Count(), 0u);
}

}  // namespace
}  // namespace clicker::win32
