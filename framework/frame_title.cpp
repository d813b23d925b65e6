// Title buttons, their hover fade, moving, sizing and maximising.
#include <windowsx.h>

#include "framework/control_window.h"
#include "framework/frame.h"
#include "framework/pictures.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"

namespace framework {

SizingZone SizingZoneAt(int x, int y, const RECT& client, int zone) {
  const bool left = x < zone;
  const bool right = x >= client.right - zone;
  const bool top = y < zone;
  const bool bottom = y >= client.bottom - zone;
  if (top && left) return {0xF004, IDC_SIZENWSE};
  if (top && right) return {0xF005, IDC_SIZENESW};
  if (bottom && left) return {0xF007, IDC_SIZENESW};
  if (bottom && right) return {0xF008, IDC_SIZENWSE};
  if (left) return {0xF001, IDC_SIZEWE};
  if (right) return {0xF002, IDC_SIZEWE};
  if (top) return {0xF003, IDC_SIZENS};
  if (bottom) return {0xF006, IDC_SIZENS};
  return {};
}

namespace {

// Whether the frame cache holds a rendering of another size than the client
// area WM_SIZE reports.
bool RenderedAtOtherSize(HWND window, LPARAM size) {
  BITMAP cached{};
  const HGDIOBJ bitmap = ReadHandleProp<HGDIOBJ>(window, kCacheBitmapKey);
  if (bitmap == nullptr || GetObjectA(bitmap, sizeof cached, &cached) != sizeof cached)
    return false;
  return cached.bmWidth != LOWORD(size) || cached.bmHeight != HIWORD(size);
}

bool InStrip(const WindowRecord& record, int x, int y) {
  return x >= record.stripLeft && x < record.stripLeft + record.stripWidth &&
         y >= record.stripTop && y < record.stripTop + record.stripHeight;
}

}  // namespace

void SkinFramework::LayOutTitleButtons(int n) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  RECT client{};
  GetClientRect(record->window, &client);
  const Metrics& m = record->metrics;
  // The strip reaches a pixel of the design past the client area, so that
  // the last button ends at its right edge.
  record->stripLeft = client.right - record->stripWidth + m.Px(1);
  int x = record->stripLeft + m.stripPadding;
  for (int k = 1; k <= record->titleButtons.Count(); ++k) {
    TitleButton& button = record->titleButtons[k];
    button.x = static_cast<float>(x);
    button.y = static_cast<float>(record->stripTop + m.buttonTop);
    button.w = static_cast<float>(m.Px(button.width));
    button.h = static_cast<float>(m.Px(button.height));
    x += m.Px(button.width) + m.buttonGap;
    RECT rect{static_cast<LONG>(button.x), static_cast<LONG>(button.y),
              static_cast<LONG>(button.x + button.w), static_cast<LONG>(button.y + button.h)};
    if (k <= record->tooltipButtons) {
      record->tooltip.NewToolRect(static_cast<UINT_PTR>(k), rect);
      record->tooltip.UpdateTipText(static_cast<UINT_PTR>(k), button.caption.c_str());
    }
  }
}

int SkinFramework::HitTestTitleButtons(int n, int x, int y) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return 0;
  for (int k = 1; k <= record->titleButtons.Count(); ++k) {
    const TitleButton& b = record->titleButtons[k];
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    if (fx >= b.x && fx < b.x + b.w && fy >= b.y && fy < b.y + b.h) return k;
  }
  return 0;
}

int SkinFramework::FindMaximiseButton(int n) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return 0;
  for (int k = 1; k <= record->titleButtons.Count(); ++k)
    if (record->titleButtons[k].kind == kTitleMaximise) return k;
  return 0;
}

void SkinFramework::DrawHighlight(gdiplus::Graphics& graphics, int n, int index, int value) {
  WindowRecord* record = Window(n);
  if (record == nullptr || !record->titleButtons.Has(index)) return;
  const TitleButton& b = record->titleButtons[index];
  const bool close = b.kind == kTitleClose;
  gdiplus::GraphicsPath path;
  if (close) {
    path = RoundedRectPath(b.x, b.y, b.w, b.h, record->metrics.highlightCorner);
  } else {
    path.Create();
    path.AddRectangle(b.x, b.y, b.w, b.h);
  }
  const gdiplus::ARGB top = close ? ToArgb(0x000000FF, value, 1) : ToArgb(0, value / 5, 1);
  gdiplus::LinearGradientBrush gradient;
  // A pixel beyond each edge keeps the tiled gradient from wrapping into the button.
  GradientAlong(gradient, gdiplus::RectF{b.x, b.y, b.w, b.h}, true, top, ToArgb(0x00FFFFFF, 0, 1),
                1.0f);
  graphics.FillPath(gradient, path);
}

void SkinFramework::DrawTitleButton(int n, int index, gdiplus::Graphics* graphics, bool pressed,
                                    bool hot, std::optional<int> highlight) {
  WindowRecord* record = Window(n);
  if (record == nullptr || !record->titleButtons.Has(index) || record->frameCache == nullptr)
    return;
  const TitleButton& b = record->titleButtons[index];
  const int x = static_cast<int>(b.x), y = static_cast<int>(b.y);
  const int w = static_cast<int>(b.w), h = static_cast<int>(b.h);
  // The clean title band lies in cache DC 2.
  if (record->titleBandCache != nullptr)
    BitBlt(record->frameCache, x, y, w, h, record->titleBandCache, x, y, SRCCOPY);
  const int value = highlight.value_or(hot || pressed ? 240 : 0);
  const bool restore = b.kind == kTitleMaximise && record->maximised && b.restorePicture;
  gdiplus::Bitmap* image = restore ? b.restorePicture.get() : b.normalPicture.get();
  // Pressed: the image sinks by a pixel of the design.
  const int shift = pressed ? record->metrics.pressedShift : 0;
  DrawIntoCache(*record, graphics, RECT{x, y, x + w, y + h}, [&](gdiplus::Graphics& g) {
    if (value > 0) DrawHighlight(g, n, index, value);
    if (image != nullptr) DrawPictureAt(g, *image, x + shift, y + shift, w, h);
  });
}

void SkinFramework::Press(int n, LPARAM lParam, const RECT& client) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  HWND window = record->window;
  // The title buttons take their own presses before the sizing zones.
  if (InStrip(*record, x, y)) return;
  POINT screen{x, y};
  ClientToScreen(window, &screen);
  const LPARAM where = MAKELPARAM(screen.x, screen.y);
  const SizingZone zone = SizingZoneAt(x, y, client, record->metrics.sizingZone);
  if (record->resize && zone.command != 0) {
    SetCursor(LoadCursorA(nullptr, zone.cursor));
    SendMessageA(window, WM_SYSCOMMAND, zone.command, where);
    return;
  }
  SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, where);
}

void SkinFramework::SetSizingCursor(int n, LPARAM lParam, const RECT& client) {
  WindowRecord* record = Window(n);
  if (record == nullptr || !record->resize) return;
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  if (InStrip(*record, x, y)) return;
  const SizingZone zone = SizingZoneAt(x, y, client, record->metrics.sizingZone);
  if (zone.command != 0) SetCursor(LoadCursorA(nullptr, zone.cursor));
}

// --- the title bar's messages ---

// Hover: the fade timer runs while the mouse is over the strip; the button
// left fades out and the one entered fades in.
LRESULT FrameWindow::OnMouseMove() {
  WindowRecord* record = record_;
  const HWND window = hwnd();
  const LPARAM lParam = message_.lParam;
  if (!record->mouseTracking) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
    TrackMouseEvent(&track);
  }
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  if (record->titleBar) {
    if (InStrip(*record, x, y)) {
      if (!record->animationTimer)
        SetTimer(window, reinterpret_cast<UINT_PTR>(window), kFadeTimerMs, nullptr);
      record->animationTimer = true;
    } else {
      record->animationTimer = false;
    }
  }
  int& hot = skin_.hotTitleButton_;
  hot = skin_.HitTestTitleButtons(n_, x, y);
  if (record->lastHotButton != 0 && record->lastHotButton != hot) {
    if (record->fadeOut.button != 0 && record->fadeOut.step < kFadeSteps)
      skin_.DrawTitleButton(n_, record->fadeOut.button, nullptr, false, false, 0);
    record->fadeOut = FadeRecord{record->lastHotButton, 0};
  }
  if (hot != 0 && hot != record->lastHotButton) record->fadeIn = FadeRecord{hot, 0};
  record->lastHotButton = hot;
  if (!record->maximised) {
    RECT client{};
    GetClientRect(window, &client);
    skin_.SetSizingCursor(n_, lParam, client);
  }
  return PassOn();
}

LRESULT FrameWindow::OnMouseHover() {
  record_->mouseTracking = true;
  return PassOn();
}

LRESULT FrameWindow::OnMouseLeave() {
  WindowRecord* record = record_;
  record->mouseTracking = false;
  if (!record->titleBar || record->lastHotButton == 0) return PassOn();
  if (record->fadeIn.button != 0 && record->fadeIn.step < kFadeSteps)
    skin_.DrawTitleButton(n_, record->fadeIn.button, nullptr, false, false, 0);
  if (record->fadeOut.button != 0 && record->fadeOut.step < kFadeSteps)
    skin_.DrawTitleButton(n_, record->fadeOut.button, nullptr, false, false, 0);
  record->fadeIn = FadeRecord{};
  record->fadeOut = FadeRecord{record->lastHotButton, 0};
  record->lastHotButton = 0;
  return PassOn();
}

// One step of the fades; the timer ends with them once the mouse has gone.
LRESULT FrameWindow::OnTimer() {
  const HWND window = hwnd();
  if (message_.wParam != reinterpret_cast<WPARAM>(window)) return PassOn();
  WindowRecord* record = record_;
  if (record->fadeIn.button != 0 && record->fadeIn.step < kFadeSteps) {
    ++record->fadeIn.step;
    skin_.DrawTitleButton(n_, record->fadeIn.button, nullptr, false, false,
                          kFadeStepValue * record->fadeIn.step);
  }
  if (record->fadeOut.button != 0 && record->fadeOut.step < kFadeSteps) {
    ++record->fadeOut.step;
    skin_.DrawTitleButton(n_, record->fadeOut.button, nullptr, false, false,
                          kFadeStepValue * kFadeSteps - kFadeStepValue * record->fadeOut.step);
  }
  const bool fadeOutDone = record->fadeOut.button == 0 || record->fadeOut.step >= kFadeSteps;
  if ((!record->mouseTracking || !record->animationTimer) && fadeOutDone) {
    record->animationTimer = false;
    KillTimer(window, reinterpret_cast<UINT_PTR>(window));
  }
  return 0;
}

// A press moves or sizes the window, or presses a title button.
LRESULT FrameWindow::OnLButtonDown() {
  const HWND window = hwnd();
  record_->fadeIn.button = 0;
  // The button pressed is the one under the point as the title bar lies
  // now: a move begun here may carry the window to another scale, whose
  // layout puts another button under the same client point.
  const int pressed =
      skin_.HitTestTitleButtons(n_, GET_X_LPARAM(message_.lParam), GET_Y_LPARAM(message_.lParam));
  if (record_->titleBar && !record_->maximised && !record_->minimised) {
    RECT client{};
    GetClientRect(window, &client);
    skin_.Press(n_, message_.lParam, client);
  }
  // The move or size loop dispatches messages: another window may have
  // gone meanwhile and this one been renumbered.
  if (!Refind()) return 0;
  int& hot = skin_.hotTitleButton_;
  hot = pressed;
  if (hot != 0) skin_.DrawTitleButton(n_, hot, nullptr, true, true, std::nullopt);
  return 0;
}

LRESULT FrameWindow::OnLButtonUp() {
  const int hot = skin_.hotTitleButton_;
  if (hot >= 1 && hot <= record_->titleButtons.Count() && record_->titleBar) {
    skin_.RunTitleButton(n_, hot);
    // The button may have closed the window.
    if (!IsWindow(hwnd())) return 0;
  }
  return PassOn();
}

LRESULT FrameWindow::OnLButtonDblClk() {
  if (GET_Y_LPARAM(message_.lParam) <= record_->titleHeight && record_->resize) {
    const int maximise = skin_.FindMaximiseButton(n_);
    if (maximise != 0) skin_.RunTitleButton(n_, maximise);
  }
  return PassOn();
}

LRESULT FrameWindow::OnSysCommand() {
  switch (message_.wParam & 0xFFF0) {
    case SC_MAXIMIZE:
      record_->maximised = true;
      record_->redrawNeeded = true;
      break;
    case SC_RESTORE: {
      record_->redrawNeeded = true;
      record_->minimised = false;
      const LRESULT result = PassOn();
      // A restore the system menu, the taskbar or the keyboard started
      // ends the maximised state too, unless it brought a minimised
      // window back maximised.
      if (Refind()) record_->maximised = IsZoomed(hwnd()) != FALSE;
      return result;
    }
    case SC_MINIMIZE:
      record_->redrawNeeded = true;
      record_->minimised = true;
      break;
    default:
      break;
  }
  return PassOn();
}

LRESULT FrameWindow::OnQueryOpen() {
  record_->minimised = false;
  return PassOn();
}

// The smallest track size always; the work area as the maximised size while
// the framework keeps the window maximised.
LRESULT FrameWindow::OnGetMinMaxInfo() {
  const LRESULT result = PassOn();
  if (!Refind()) return result;
  WindowRecord* record = record_;
  const LPARAM lParam = message_.lParam;
  MINMAXINFO info{};
  SIZE_T done = 0;
  if (!ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &info,
                         sizeof info, &done))
    return result;
  if (record->maximised) {
    const RECT work = WorkArea();
    record->workWidth = work.right - work.left;
    record->workHeight = work.bottom - work.top;
    info.ptMaxSize = POINT{record->workWidth, record->workHeight};
    info.ptMaxPosition = POINT{work.left, work.top};
  }
  info.ptMinTrackSize = POINT{record->minTrackWidth, record->minTrackHeight};
  *reinterpret_cast<MINMAXINFO*>(lParam) = info;
  return result;
}

// A window the system maximised to the whole screen leaves the taskbar
// free; the title buttons follow the new size.
LRESULT FrameWindow::OnWindowPosChanged() {
  const HWND window = hwnd();
  if (record_->maximiseButton) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (client.right == width && client.bottom == height) {
      record_->maximised = true;
      const RECT work = WorkArea();
      SetWindowPos(window, nullptr, work.left, work.top, work.right - work.left,
                   work.bottom - work.top, SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
  }
  skin_.LayOutTitleButtons(n_);
  return PassOn();
}

LRESULT FrameWindow::OnSize() {
  const HWND window = hwnd();
  record_->lastHotButton = 0;
  // The first size a window is given needs no rendering of its own,
  // unless the frame was rendered at another size already (a size lock
  // that comes after the first painting): that rendering would stay
  // stretched to the old size.
  if (skin_.firstPlacement_ && !RenderedAtOtherSize(window, message_.lParam)) {
    record_->redrawNeeded = false;
    skin_.firstPlacement_ = false;
  } else {
    skin_.firstPlacement_ = false;
    record_->redrawNeeded = true;
    // Nothing else repaints a window whose class asks for no redraw on
    // sizing, and only a full rendering renews the region to the new size.
    if (message_.wParam != SIZE_MINIMIZED) InvalidateRect(window, nullptr, FALSE);
  }
  return PassOn();
}

// The caption shows a new text at once.
LRESULT FrameWindow::OnSetText() {
  const LRESULT result = PassOn();
  if (Refind() && record_->caption && record_->titleBar)
    skin_.DrawCaption(n_, nullptr, reinterpret_cast<const char*>(message_.lParam));
  return result;
}

}  // namespace framework
