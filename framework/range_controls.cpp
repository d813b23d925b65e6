#include "framework/range_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "data/pictures/pictures.h"
#include "framework/control_window.h"
#include "framework/frame.h"
#include "framework/gdi_handles.h"
#include "framework/pictures.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image.h"
#include "gdiplus/pen.h"

namespace framework {
namespace {

constexpr Family<TrackbarRecord> kTrackbarFamily{&WindowRecord::trackbars};
constexpr Family<ProgressRecord> kProgressFamily{&WindowRecord::progressBars};
constexpr Family<UpDownRecord> kUpDownFamily{&WindowRecord::upDowns};

// Appends a record for every direct child of `className`, subclassed with
// `procedure`; `fill` sets the style flags. A control already in the table
// is left alone: subclassing it twice would make the procedure its own
// predecessor.
template <class Record, class Fill>
void InstallAll(SkinFramework& framework, int n, HWND parent, const char* className,
                const Family<Record>& family, WNDPROC procedure, Fill fill) {
  if (!framework.Enabled() || parent == nullptr) return;
  for (HWND c = FindWindowExA(parent, nullptr, className, nullptr); c != nullptr;
       c = FindWindowExA(parent, c, className, nullptr)) {
    WindowRecord* window = framework.Window(n);
    if (window == nullptr) return;
    Table<Record>& records = window->*family.table;
    if (records.Find(c) != 0 || TakenByFramework(c)) continue;
    const int index = records.Append();
    Record& record = records[index];
    record.window = c;
    fill(record, GetWindowLongA(c, GWL_STYLE));
    SubclassControl(framework, family, c, n, index, procedure);
  }
}

SIZE WindowSize(HWND control) {
  RECT rect{};
  GetWindowRect(control, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

gdiplus::RectF RectOf(float x, float y, float width, float height) {
  return gdiplus::RectF{x, y, width, height};
}

void FillRounded(gdiplus::Graphics& graphics, const gdiplus::RectF& rect, int corner,
                 bool downwards, gdiplus::ARGB first, gdiplus::ARGB second) {
  gdiplus::GraphicsPath path = RoundedRectPath(rect.X, rect.Y, rect.Width, rect.Height, corner);
  gdiplus::LinearGradientBrush brush;
  if (GradientAlong(brush, rect, downwards, first, second)) graphics.FillPath(brush, path);
}

void OutlineRounded(gdiplus::Graphics& graphics, const Metrics& m, const gdiplus::RectF& rect,
                    int corner, gdiplus::ARGB colour) {
  gdiplus::GraphicsPath path = RoundedRectPath(rect.X, rect.Y, rect.Width, rect.Height, corner);
  gdiplus::Pen pen;
  if (pen.Create(colour, static_cast<float>(m.line))) graphics.DrawPath(pen, path);
}

// The hairline ring along the edge of a control of `size`.
gdiplus::RectF EdgeRing(const Metrics& m, SIZE size) {
  return HairlineRect(m, RECT{0, 0, size.cx, size.cy}, 0);
}

// The area inside that ring.
gdiplus::RectF InsideEdge(const Metrics& m, SIZE size) {
  const auto line = static_cast<float>(m.line);
  return RectOf(line, line, static_cast<float>(size.cx) - 2 * line,
                static_cast<float>(size.cy) - 2 * line);
}

// Copies a finished drawing to the control's window DC (or to `target`).
void Present(HWND control, HDC snapshot, SIZE size, HDC target) {
  const WindowDc dc(control, WindowDc::Area::kWhole, target);
  BitBlt(dc.get(), 0, 0, size.cx, size.cy, snapshot, 0, 0, SRCCOPY);
}

// ---- trackbar ----

void DrawTrackbar(SkinFramework& framework, gdiplus::Graphics& graphics, const Metrics& m,
                  const TrackbarRecord& record, SIZE size) {
  HWND control = record.window;
  const bool vertical = record.vertical;
  const bool hot = record.hot;
  const auto line = static_cast<float>(m.line);
  const LRESULT position = SendMessageA(control, TBM_GETPOS, 0, 0);
  const LRESULT maximum = SendMessageA(control, TBM_GETRANGEMAX, 0, 0);
  graphics.SetSmoothingMode(gdiplus::kSmoothingModeAntiAlias);

  if (framework.ControlFrame()) {
    OutlineRounded(graphics, m, EdgeRing(m, size), m.trackCorner, ToArgb(0, 30, 1));
    FillRounded(graphics, InsideEdge(m, size), m.trackInnerCorner, !vertical,
                ToArgb(0x00FFFFFF, 160, 1), ToArgb(0, 30, 1));
  }

  RECT channel{};
  SendMessageA(control, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  // Some versions report a vertical channel as if it lay horizontally.
  if (vertical && channel.right - channel.left > channel.bottom - channel.top) {
    channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
  }
  const float alongStart = static_cast<float>(vertical ? channel.top : channel.left);
  const float alongEnd = static_cast<float>(vertical ? channel.bottom : channel.right);
  const float thickness =
      static_cast<float>(vertical ? channel.right - channel.left : channel.bottom - channel.top);
  const float nearEdge = static_cast<float>(vertical ? channel.left : channel.top) +
                         (thickness - m.channelThickness) / 2.0f;
  const float length = alongEnd - alongStart;
  auto across = [vertical](float along, float acrossAt, float alongSize, float acrossSize) {
    return vertical ? gdiplus::RectF{acrossAt, along, acrossSize, alongSize}
                    : gdiplus::RectF{along, acrossAt, alongSize, acrossSize};
  };

  FillRounded(graphics, across(alongStart, nearEdge, length, m.channelThickness), m.channelCorner,
              !vertical, ToArgb(0, 50, 1), ToArgb(0, 30, 1));

  RECT thumb{};
  SendMessageA(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const bool atMaximum = position == maximum;
  const float diameter = hot ? m.thumbHot : m.thumbCold;
  float thumbAlong = static_cast<float>(vertical ? thumb.top : thumb.left);
  if (!hot && atMaximum) thumbAlong += m.thumbAtEnd;
  float before = m.thumbRiseCold;
  if (hot)
    before = record.ticks == 0   ? m.thumbRiseTicksBefore
             : record.ticks == 2 ? m.thumbRiseTicksBoth
                                 : m.thumbRise;
  const gdiplus::RectF circle = across(thumbAlong, nearEdge - before, diameter, diameter);
  {
    gdiplus::SolidBrush white;
    white.Create(0xFFFFFFFF);
    graphics.FillEllipse(white, circle.X, circle.Y, circle.Width, circle.Height);
    gdiplus::LinearGradientBrush shade;
    if (GradientAlong(shade, circle, true, ToArgb(0x00FFFFFF, 0, 1), ToArgb(0, 90, 1)))
      graphics.FillEllipse(shade, circle.X, circle.Y, circle.Width, circle.Height);
    gdiplus::Pen outline;
    outline.Create(ToArgb(0, 50, 1), line);
    graphics.DrawEllipse(outline, circle.X, circle.Y, circle.Width, circle.Height);
  }

  if (record.selectionRange && maximum > 0) {
    const auto start = static_cast<float>(SendMessageA(control, TBM_GETSELSTART, 0, 0));
    const auto end = static_cast<float>(SendMessageA(control, TBM_GETSELEND, 0, 0));
    const float from = alongStart + start * length / static_cast<float>(maximum);
    const float to = alongStart + end * length / static_cast<float>(maximum);
    gdiplus::Pen pen;
    pen.Create(ToArgb(0x00FFFFFF, 160, 1), line);
    const gdiplus::RectF band =
        across(from, nearEdge + line, to - from, m.channelThickness - 2.0f * line);
    graphics.DrawRectangle(pen, band.X, band.Y, band.Width, band.Height);
  }

  float filled = thumbAlong - alongStart;
  if (atMaximum)
    filled = (hot ? thumbAlong : thumbAlong - m.thumbAtEnd) - alongStart + m.filledAtEnd;
  if (filled > 0) {
    gdiplus::Pen pen;
    pen.Create(ToArgb(framework.AccentColour(), 200, 1), line);
    const gdiplus::RectF stretch = across(alongStart, nearEdge + line, filled, line);
    graphics.DrawRectangle(pen, stretch.X, stretch.Y, stretch.Width, stretch.Height);
  }
}

// ---- progress bar ----

void DrawProgress(SkinFramework& framework, gdiplus::Graphics& graphics, const Metrics& m,
                  const ProgressRecord& record, SIZE size) {
  HWND control = record.window;
  const bool vertical = record.vertical;
  const auto w = static_cast<float>(size.cx);
  const auto h = static_cast<float>(size.cy);
  graphics.SetSmoothingMode(gdiplus::kSmoothingModeAntiAlias);
  OutlineRounded(graphics, m, EdgeRing(m, size), m.progressCorner, ToArgb(0, 50, 1));
  FillRounded(graphics, InsideEdge(m, size), m.progressInnerCorner, !vertical,
              ToArgb(0x00FFFFFF, 160, 1), ToArgb(0, 30, 1));

  PBRANGE range{};
  SendMessageA(control, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  const int length = ProgressFillLength(static_cast<int>(SendMessageA(control, PBM_GETPOS, 0, 0)),
                                        range.iLow, range.iHigh, vertical ? size.cy : size.cx);
  if (length <= 0) return;
  const auto filled = static_cast<float>(length);
  gdiplus::RectF part = vertical ? RectOf(0, h - filled, w, filled) : RectOf(0, 0, filled, h);
  const auto inset = static_cast<float>(m.progressFillInset);
  const auto shrink = static_cast<float>(m.progressFillShrink);
  part = RectOf(part.X + inset, part.Y + inset, part.Width - shrink, part.Height - shrink);
  if (part.Width <= 0 || part.Height <= 0) return;
  FillRounded(graphics, part, m.progressFillCorner, !vertical, ToArgb(0x00FFFFFF, 90, 1),
              ToArgb(framework.AccentColour(), 255, 1));
  OutlineRounded(graphics, m, part, m.progressFillCorner, ToArgb(framework.AccentColour(), 150, 1));
}

// ---- up-down ----

bool SecondHalf(const UpDownRecord& record, SIZE size, LPARAM mouse) {
  const int half = (record.horizontal ? size.cx : size.cy) / 2;
  const int at =
      record.horizontal ? static_cast<short>(LOWORD(mouse)) : static_cast<short>(HIWORD(mouse));
  return at >= half;
}

// An arrow of `width` x `height` centred on the half.
void DrawArrow(gdiplus::Graphics& graphics, const Metrics& m, const PictureSet& pictures, int width,
               int height, const gdiplus::RectF& half) {
  const int x = static_cast<int>(half.X + (half.Width - static_cast<float>(width)) / 2.0f + 0.5f);
  const int y = static_cast<int>(half.Y + (half.Height - static_cast<float>(height)) / 2.0f + 0.5f);
  DrawPictureAt(graphics, pictures, m.dpi, x, y, width, height);
}

void DrawUpDown(SkinFramework& framework, gdiplus::Graphics& graphics, const Metrics& m,
                const UpDownRecord& record, SIZE size, bool hot, bool pressed, int hotHalf) {
  const bool horizontal = record.horizontal;
  graphics.SetSmoothingMode(gdiplus::kSmoothingModeAntiAlias);
  graphics.SetCompositingQuality(gdiplus::kCompositingQualityHighQuality);
  {
    const gdiplus::RectF edge = EdgeRing(m, size);
    gdiplus::GraphicsPath whole =
        RoundedRectPath(edge.X, edge.Y, edge.Width, edge.Height, m.upDownCorner);
    gdiplus::SolidBrush white;
    white.Create(ToArgb(0x00FFFFFF, 160, 1));
    graphics.FillPath(white, whole);
  }
  const COLORREF accent = framework.AccentColour();
  const int half = (horizontal ? size.cx : size.cy) / 2;
  const int corner = m.upDownCorner;
  for (int part = 1; part <= 2; ++part) {
    RECT box{0, 0, size.cx, size.cy};
    if (horizontal)
      (part == 1 ? box.right : box.left) = half;
    else
      (part == 1 ? box.bottom : box.top) = half;
    const gdiplus::RectF area = HairlineRect(m, box, 0);
    if (hot && part == hotHalf) {
      if (pressed)
        FillRounded(graphics, area, corner, true, ToArgb(accent, 100, 1),
                    ToArgb(0x00FFFFFF, 150, 1));
      else
        FillRounded(graphics, area, corner, true, ToArgb(0x00FFFFFF, 100, 1),
                    ToArgb(accent, 150, 1));
      OutlineRounded(graphics, m, area, corner, ToArgb(accent, 200, 1));
    } else {
      const int alpha = part == 2 && !horizontal ? 60 : 20;
      FillRounded(graphics, area, corner, true, ToArgb(0x00FFFFFF, alpha, 1),
                  ToArgb(accent, 100, 1));
      OutlineRounded(graphics, m, area, corner, ToArgb(0, 100, 1));
    }
    if (horizontal) {
      DrawArrow(graphics, m, part == 1 ? ArrowLeftPictures() : ArrowRightPictures(), m.arrowShort,
                m.arrowLong, area);
    } else {
      DrawArrow(graphics, m, part == 1 ? ArrowUpPictures() : ArrowDownPictures(), m.arrowLong,
                m.arrowShort, area);
    }
  }
}

}  // namespace

int ProgressFillLength(int position, int low, int high, int size) {
  const int64_t span = static_cast<int64_t>(high) - low;
  if (span <= 0 || size <= 0) return 0;
  const int64_t done = static_cast<int64_t>(position) - low;
  return static_cast<int>(std::clamp<int64_t>(done * size / span, 0, size));
}

void InstallTrackbars(SkinFramework& framework, int windowNumber, HWND parent) {
  InstallAll(framework, windowNumber, parent, "msctls_trackbar32", kTrackbarFamily,
             &TrackbarWindowProc, [](TrackbarRecord& record, LONG style) {
               record.vertical = (style & TBS_VERT) != 0;
               record.ticks = TickPlacement(style);
               record.selectionRange = (style & TBS_ENABLESELRANGE) != 0;
             });
}

int TickPlacement(LONG style) {
  if ((style & TBS_NOTICKS) != 0) return 3;
  if ((style & TBS_BOTH) != 0) return 2;
  if ((style & TBS_TOP) != 0) return 0;
  return 1;
}

void InstallProgressBars(SkinFramework& framework, int windowNumber, HWND parent) {
  InstallAll(
      framework, windowNumber, parent, "msctls_progress32", kProgressFamily, &ProgressWindowProc,
      [](ProgressRecord& record, LONG style) { record.vertical = (style & PBS_VERTICAL) != 0; });
}

void InstallUpDowns(SkinFramework& framework, int windowNumber, HWND parent) {
  InstallAll(framework, windowNumber, parent, "msctls_updown32", kUpDownFamily, &UpDownWindowProc,
             [](UpDownRecord& record, LONG style) { record.horizontal = (style & UDS_HORZ) != 0; });
}

namespace {

// One message to a trackbar.
class TrackbarWindow : public ControlWindow<TrackbarRecord> {
 public:
  using ControlWindow::ControlWindow;

  LRESULT Handle() {
    static constexpr MessageEntry<TrackbarWindow> kMap[] = {
        {WM_MOUSEMOVE, &TrackbarWindow::OnMouseMove},
        {WM_MOUSELEAVE, &TrackbarWindow::OnMouseLeave},
        {WM_MOVE, &TrackbarWindow::OnMoveOrNcPaint},
        {WM_NCPAINT, &TrackbarWindow::OnMoveOrNcPaint},
        {WM_ERASEBKGND, &TrackbarWindow::OnEraseBackground},
        {WM_PAINT, &TrackbarWindow::OnPaint},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  void Paint() const { PaintTrackbar(framework_, n_, index_); }

  LRESULT OnMouseMove() {
    TrackLeave();
    if (BecomesHot(kHotTrackbar)) {
      record_.hot = true;
      Paint();
      MarkHot(kHotTrackbar);
    }
    return PassOn();
  }
  LRESULT OnMouseLeave() {
    LeaveHot(owner_, kHotTrackbar, index_);
    record_.hot = false;
    Paint();
    return PassOn();
  }
  LRESULT OnMoveOrNcPaint() {
    Paint();
    return PassOn();
  }
  LRESULT OnPaint() {
    return PaintThenDefault([this](HDC) { Paint(); });
  }
};

// One message to a progress bar.
class ProgressWindow : public ControlWindow<ProgressRecord> {
 public:
  using ControlWindow::ControlWindow;

  LRESULT Handle() {
    static constexpr MessageEntry<ProgressWindow> kMap[] = {
        {WM_ERASEBKGND, &ProgressWindow::OnEraseBackground},
        {WM_PAINT, &ProgressWindow::OnPaint},
        {WM_MOVE, &ProgressWindow::OnRepaint},
        {WM_SETFOCUS, &ProgressWindow::OnRepaint},
        {WM_KILLFOCUS, &ProgressWindow::OnRepaint},
        {WM_SETTEXT, &ProgressWindow::OnRepaint},
        {WM_NCPAINT, &ProgressWindow::OnRepaint},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  void Paint() const { PaintProgressBar(framework_, n_, index_, nullptr); }

  LRESULT OnPaint() {
    return PaintThenDefault([this](HDC) { Paint(); });
  }
  LRESULT OnRepaint() {
    Paint();
    return PassOn();
  }
};

// One message to an up-down control.
class UpDownWindow : public ControlWindow<UpDownRecord> {
 public:
  using ControlWindow::ControlWindow;

  LRESULT Handle() {
    static constexpr MessageEntry<UpDownWindow> kMap[] = {
        {WM_MOUSEMOVE, &UpDownWindow::OnMouseMove},
        {WM_MOUSELEAVE, &UpDownWindow::OnMouseLeave},
        {WM_MOVE, &UpDownWindow::OnMove},
        {WM_PAINT, &UpDownWindow::OnPaint},
        {WM_ERASEBKGND, &UpDownWindow::OnEraseBackground},
        {WM_LBUTTONDOWN, &UpDownWindow::OnButton},
        {WM_LBUTTONUP, &UpDownWindow::OnButton},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  void PaintFromRecord() const {
    PaintUpDown(framework_, n_, index_, std::nullopt, std::nullopt, std::nullopt);
  }

  // A move into the other half repaints even though the hot control stays.
  LRESULT OnMouseMove() {
    TrackLeave();
    const bool becomesHot = BecomesHot(kHotUpDown);
    const int half = UpDownHitTest(framework_, n_, index_, message_.lParam);
    if (becomesHot || half != record_.hotHalf) {
      PaintUpDown(framework_, n_, index_, true, std::nullopt, message_.lParam);
      record_.hot = true;
      MarkHot(kHotUpDown);
      record_.hotHalf = half;
    }
    return PassOn();
  }
  LRESULT OnMouseLeave() {
    LeaveHot(owner_, kHotUpDown, index_);
    record_.hot = false;
    record_.hotHalf = 0;
    PaintUpDown(framework_, n_, index_, false, std::nullopt, std::nullopt);
    return PassOn();
  }
  LRESULT OnMove() {
    PaintFromRecord();
    return PassOn();
  }
  LRESULT OnPaint() {
    return PaintThenDefault([this](HDC) { PaintFromRecord(); });
  }
  LRESULT OnButton() {
    record_.pressed = message_.id == WM_LBUTTONDOWN;
    record_.lastMouse = message_.lParam;
    return PassOn();
  }
};

}  // namespace

LRESULT CALLBACK TrackbarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<TrackbarWindow>(kTrackbarFamily, window, message, wParam, lParam);
}

LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<ProgressWindow>(kProgressFamily, window, message, wParam, lParam);
}

LRESULT CALLBACK UpDownWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<UpDownWindow>(kUpDownFamily, window, message, wParam, lParam);
}

void PaintTrackbar(SkinFramework& framework, int windowNumber, int index) {
  TrackbarRecord* record = RecordAt(framework, windowNumber, index, kTrackbarFamily);
  if (record == nullptr) return;
  const SIZE size = WindowSize(record->window);
  if (size.cx <= 0 || size.cy <= 0) return;
  const Snapshot snapshot(framework, record->window, RECT{0, 0, size.cx, size.cy});
  if (snapshot.dc() == nullptr) return;
  {
    gdiplus::Graphics graphics;
    if (graphics.FromHDC(snapshot.dc()))
      DrawTrackbar(framework, graphics, MetricsOf(framework, record->window), *record, size);
  }
  Present(record->window, snapshot.dc(), size, nullptr);
}

void PaintProgressBar(SkinFramework& framework, int windowNumber, int index, HDC target) {
  ProgressRecord* record = RecordAt(framework, windowNumber, index, kProgressFamily);
  if (record == nullptr) return;
  const SIZE size = WindowSize(record->window);
  if (size.cx <= 0 || size.cy <= 0) return;
  const Snapshot snapshot(framework, record->window, RECT{0, 0, size.cx, size.cy});
  if (snapshot.dc() == nullptr) return;
  {
    gdiplus::Graphics graphics;
    if (graphics.FromHDC(snapshot.dc()))
      DrawProgress(framework, graphics, MetricsOf(framework, record->window), *record, size);
  }
  Present(record->window, snapshot.dc(), size, target);
}

void PaintUpDown(SkinFramework& framework, int windowNumber, int index, std::optional<bool> hot,
                 std::optional<bool> pressed, std::optional<LPARAM> mouse) {
  UpDownRecord* record = RecordAt(framework, windowNumber, index, kUpDownFamily);
  if (record == nullptr) return;
  const SIZE size = WindowSize(record->window);
  if (size.cx <= 0 || size.cy <= 0) return;
  // Without a mouse position the half the mouse is over is the one the
  // record keeps; the last press may have been on the other.
  int hotHalf = record->hotHalf;
  if (mouse || hotHalf == 0)
    hotHalf = SecondHalf(*record, size, mouse.value_or(record->lastMouse)) ? 2 : 1;
  const Snapshot snapshot(framework, record->window, RECT{0, 0, size.cx, size.cy});
  if (snapshot.dc() == nullptr) return;
  {
    gdiplus::Graphics graphics;
    if (graphics.FromHDC(snapshot.dc()))
      DrawUpDown(framework, graphics, MetricsOf(framework, record->window), *record, size,
                 hot.value_or(record->hot), pressed.value_or(record->pressed), hotHalf);
  }
  Present(record->window, snapshot.dc(), size, nullptr);
}

int UpDownHitTest(SkinFramework& framework, int windowNumber, int index, LPARAM mouse) {
  UpDownRecord* record = RecordAt(framework, windowNumber, index, kUpDownFamily);
  if (record == nullptr) return 1;
  return SecondHalf(*record, WindowSize(record->window), mouse) ? 2 : 1;
}

}  // namespace framework
