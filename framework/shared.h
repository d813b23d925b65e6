#pragma once

#include <windows.h>

#include <string>

#include "framework/metrics.h"
#include "gdiplus/brushes.h"
#include "gdiplus/flat_api.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics_path.h"

namespace framework {

class SkinFramework;
struct WindowRecord;

// The first window number whose record holds `window`; 0 when none.
int FindWindowNumber(const SkinFramework& framework, HWND window);
// The window number of the first attached ancestor of `window`; 0 when none.
int FindOwnerWindowNumber(const SkinFramework& framework, HWND window);
std::string ClassNameOf(HWND window);
// The metrics of the window a control (or an attached window) is painted in:
// of the window number its properties name, else of its first attached
// ancestor; the design's when it has none. A copy: a painter keeps it across
// messages that may attach windows and move the window table.
Metrics MetricsOf(const SkinFramework& framework, HWND control);
// Byte-wise, case-sensitive; a null text equals an empty one.
bool TextEquals(const char* a, const char* b);
// Whether the window's class name is `name` (compared as TextEquals does).
bool IsClass(HWND window, const char* name);
bool IsOwnerDrawnListBox(HWND window);
// Whether the framework subclassed the control already (for a family or as
// a container): taken again, its keys would be overwritten and its
// procedures would call each other round in a circle.
bool TakenByFramework(HWND control);
// COLORREF and alpha to GDI+ ARGB; without useAlpha the colour is opaque.
gdiplus::ARGB ToArgb(COLORREF colour, int alpha, int useAlpha);
// The same at `alpha`, always.
gdiplus::ARGB Colour(COLORREF colour, int alpha);

// The gradient brushes of the painters, from one colour to the other down a
// rectangle (or across it), reaching `overhang` past both ends so that the
// tiled brush never wraps its far colour onto the first or last row. A brush
// made from the rectangle itself (VerticalGradient, a pixel past both ends)
// and one made from two points (GradientAlong) are not the same brush: they
// differ in a few pixels under GDI+. Buttons, boxes and combo boxes are drawn
// with the first; bars, headers and the title buttons with the second.
bool VerticalGradient(gdiplus::LinearGradientBrush& brush, float x, float y, float width,
                      float height, gdiplus::ARGB top, gdiplus::ARGB bottom);
bool GradientAlong(gdiplus::LinearGradientBrush& brush, const gdiplus::RectF& rect, bool downwards,
                   gdiplus::ARGB first, gdiplus::ARGB second, float overhang = 0.5f);

// The window's text (empty when it has none).
std::string WindowText(HWND window);

// The mouse has left control `index` of hot-control kind `kind`: it stops
// being the window's hot control, unless another has taken that place since
// (the leave is posted after the move into the next control).
void LeaveHot(WindowRecord& window, int kind, int index);
// Whether control `index` of hot-control kind `kind` is the window's hot control.
bool IsHotControl(const WindowRecord& window, int kind, int index);

// A memory DC holding what lies behind `control` over `rect` (control window
// coordinates): a part of cache DC 1 of its window, or of its container's
// background template. Registered until ReleaseSnapshot.
HDC TakeBackgroundSnapshot(SkinFramework& framework, HWND control, const RECT& rect);
void ReleaseSnapshot(SkinFramework& framework, HDC snapshot);

// A snapshot of what lies behind a control, handed back to the registry when
// it goes out of scope.
class Snapshot {
 public:
  Snapshot(SkinFramework& framework, HWND control, const RECT& area)
      : framework_(framework), dc_(TakeBackgroundSnapshot(framework, control, area)) {}
  // Takes over a snapshot made elsewhere (MakeVeilDC).
  Snapshot(SkinFramework& framework, HDC taken) : framework_(framework), dc_(taken) {}
  ~Snapshot() {
    if (dc_ != nullptr) ReleaseSnapshot(framework_, dc_);
  }
  Snapshot(const Snapshot&) = delete;
  Snapshot& operator=(const Snapshot&) = delete;
  HDC dc() const { return dc_; }

 private:
  SkinFramework& framework_;
  HDC dc_;
};
// The control's background under the white veil, copied into `target` (a DC
// of the control's client area) when useTarget is set, else into the
// control's window DC.
void PaintVeil(SkinFramework& framework, HWND control, HDC target, int useTarget);
// The veiled background of the control's client area; the caller owns it.
HBITMAP MakeVeilBitmap(SkinFramework& framework, HWND control);

// The answers to a child's WM_CTLCOLOR* message in translucent mode: its
// text colour ("Kj_Ztys") on a transparent background, over the veiled
// background as a pattern brush, or over no brush at all. The brush (and the
// bitmap behind it) stays with the control in "Kj_dxjb" and "Kj_wtjb" until
// the next answer replaces it or ReleaseColourObjects frees it.
LRESULT AnswerWithVeil(SkinFramework& framework, HDC dc, HWND control);
LRESULT AnswerWithNoBrush(HDC dc, HWND control);
void ReleaseColourObjects(HWND control);
// An edit's notifications after which its veiled background is painted again
// (scrolled, changed).
bool EditNeedsVeilAgain(UINT code);

// A closed figure of four corner arcs; the corner size is clamped to 1..100.
gdiplus::GraphicsPath RoundedRectPath(float x, float y, float width, float height, int cornerSize);

struct FontDescription {
  std::string face;
  int size = 0;
  int style = 0;
};
// The face, size and style of the control's current font.
FontDescription DescribeFont(HWND control);

// A GDI+ font of `face`; where the system lacks that face, of the one it
// shows for it (as GDI stands one in for a missing face), else of the
// system's sans-serif family. GDI+ alone draws nothing in a missing face.
bool CreateFontOrStandIn(gdiplus::Font& font, const char* face, float size, int style, int unit);

}  // namespace framework
