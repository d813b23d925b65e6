#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/control_window.h"
#include "framework/gdi_handles.h"
#include "framework/metrics.h"
#include "framework/records.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"

namespace framework {

// Title-button fade.
inline constexpr int kFadeSteps = 8;
inline constexpr int kFadeStepValue = 30;
inline constexpr UINT kFadeTimerMs = 20;
inline constexpr COLORREF kMagenta = 0x00FF00FF;

// The per-channel mean of `samples` pixels at random positions.
COLORREF RepresentativeColour(gdiplus::Bitmap& image, int samples = 2000);
// Decodes image bytes; nullptr when they are empty or not an image.
std::shared_ptr<gdiplus::Bitmap> DecodePicture(const Bytes& bytes);
// The path of a hairline ring whose outer edge lies `insetPixels` inside
// `box`, for a pen of the metrics' line width: at 96 DPI (0, 0, w - 1, h - 1)
// along the edge, (1, 1, w - 3, h - 3) for the ring inside that one.
gdiplus::RectF HairlineRect(const Metrics& metrics, const RECT& box, int insetPixels);
// A 32-bit ARGB bitmap of the given size as a GDI bitmap (null on failure).
HBITMAP MakeArgbBitmap(int width, int height);
// The sizing command (0xF001..0xF008) and cursor for a point of the client
// area, or 0 outside the zones.
struct SizingZone {
  WPARAM command = 0;
  LPCSTR cursor = nullptr;
};
SizingZone SizingZoneAt(int x, int y, const RECT& client, int zone);
// Frees cache DC 2 or 3 of a window (the band copies): its first object goes
// back, the DC and its bitmap are deleted, and all three are forgotten.
void ReleaseBandCache(HDC& dc, HGDIOBJ& original, HBITMAP& bitmap);
// Height of the taskbar (0 when there is none).
RECT WorkArea();

// Draws into cache DC 1 of `record` with `graphics` when one is given (inside
// a full rendering); otherwise with a graphics of its own, ended before
// `area` of the cache is shown on the window at once.
template <class Draw>
void DrawIntoCache(const WindowRecord& record, gdiplus::Graphics* graphics, const RECT& area,
                   Draw draw) {
  if (graphics != nullptr) {
    draw(*graphics);
    return;
  }
  {
    gdiplus::Graphics own;
    own.FromHDC(record.frameCache);
    draw(own);
  }
  const WindowDc dc(record.window, WindowDc::Area::kClient);
  BitBlt(dc.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
         record.frameCache, area.left, area.top, SRCCOPY);
}

// One message to an attached window: its message map (Handle) sends the
// frame's messages to the handlers below and passes every other one on.
class FrameWindow {
 public:
  FrameWindow(SkinFramework& skin, const AttachedState& state, const WindowMessage& message);
  LRESULT Handle();

 private:
  HWND hwnd() const { return message_.window; }
  LRESULT PassOn() const { return message_.PassOn(); }
  LRESULT Default() const { return message_.Default(); }
  // The window's number and record again, after a message that may have let
  // other windows go and this one be renumbered; false when it is gone.
  bool Refind();

  // The window's life, its painting and its children's messages
  // (skin_framework.cpp).
  LRESULT OnQuit();
  LRESULT OnDestroy();
  LRESULT OnNcDestroy();
  LRESULT OnShowWindow();
  LRESULT OnEraseBackground();
  LRESULT OnPaint();
  LRESULT OnDrawItem();
  LRESULT OnDpiChanged();
  LRESULT OnColour();
  LRESULT OnActivateApp();
  LRESULT OnCommand();
  LRESULT OnNotify();
  // The title bar, moving, sizing and maximising (frame_title.cpp).
  LRESULT OnMouseMove();
  LRESULT OnMouseHover();
  LRESULT OnMouseLeave();
  LRESULT OnTimer();
  LRESULT OnLButtonDown();
  LRESULT OnLButtonUp();
  LRESULT OnLButtonDblClk();
  LRESULT OnSysCommand();
  LRESULT OnQueryOpen();
  LRESULT OnGetMinMaxInfo();
  LRESULT OnWindowPosChanged();
  LRESULT OnSize();
  LRESULT OnSetText();

  SkinFramework& skin_;
  int n_;
  WindowRecord* record_;
  const WindowMessage message_;
};

}  // namespace framework
