// Title buttons, their hover fade, moving, sizing and maximising.
#include <windowsx.h>

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
  // A point beyond each edge keeps the tiled gradient from wrapping into the button.
  gradient.Create(gdiplus::PointF{b.x, b.y - 1}, gdiplus::PointF{b.x, b.y + b.h + 1}, top,
                  ToArgb(0x00FFFFFF, 0, 1));
  graphics.FillPath(gradient, path);
}

void SkinFramework::DrawTitleButton(int n, int index, gdiplus::Graphics* graphics, bool pressed,
                                    bool hot, std::optional<int> highlight) {
  WindowRecord* record = Window(n);
  if (record == nullptr || !record->titleButtons.Has(index) || record->cacheDc1 == nullptr) return;
  const TitleButton& b = record->titleButtons[index];
  const int x = static_cast<int>(b.x), y = static_cast<int>(b.y);
  const int w = static_cast<int>(b.w), h = static_cast<int>(b.h);
  // The clean title band lies in cache DC 2.
  if (record->cacheDc2 != nullptr)
    BitBlt(record->cacheDc1, x, y, w, h, record->cacheDc2, x, y, SRCCOPY);
  gdiplus::Graphics own;
  gdiplus::Graphics* g = graphics;
  if (g == nullptr) {
    own.FromHDC(record->cacheDc1);
    g = &own;
  }
  int value = highlight.value_or(hot || pressed ? 240 : 0);
  if (value > 0) DrawHighlight(*g, n, index, value);
  const bool restore = b.kind == kTitleMaximise && record->maximised && b.secondPicture;
  gdiplus::Bitmap* image = restore ? b.secondPicture.get() : b.normalPicture.get();
  // Pressed: the image sinks by a pixel of the design.
  const int shift = pressed ? record->metrics.pressedShift : 0;
  if (image != nullptr) DrawPictureAt(*g, *image, x + shift, y + shift, w, h);
  if (graphics == nullptr) {
    own.Delete();
    HDC dc = GetDC(record->window);
    BitBlt(dc, x, y, w, h, record->cacheDc1, x, y, SRCCOPY);
    ReleaseDC(record->window, dc);
  }
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

void SkinFramework::OnMouseMove(int n, HWND window, LPARAM lParam) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  if (!record->mouseTracking) {
    TRACKMOUSEEVENT track{sizeof track, TME_HOVER | TME_LEAVE, window, 1};
    TrackMouseEvent(&track);
  }
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  if (record->titleBar) {
    if (InStrip(*record, x, y)) {
      if (!record->animationTimer)
        SetTimer(window, reinterpret_cast<UINT_PTR>(window), kFadeTimerMs, nullptr);
      record->animationTimer = 1;
    } else {
      record->animationTimer = 0;
    }
  }
  hotTitleButton = HitTestTitleButtons(n, x, y);
  if (record->lastHotButton != 0 && record->lastHotButton != hotTitleButton) {
    if (record->fadeOut.button != 0 && record->fadeOut.step < kFadeSteps)
      DrawTitleButton(n, record->fadeOut.button, nullptr, false, false, 0);
    record->fadeOut = FadeRecord{record->lastHotButton, 0};
  }
  if (hotTitleButton != 0 && hotTitleButton != record->lastHotButton)
    record->fadeIn = FadeRecord{hotTitleButton, 0};
  record->lastHotButton = hotTitleButton;
  if (!record->maximised) {
    RECT client{};
    GetClientRect(window, &client);
    SetSizingCursor(n, lParam, client);
  }
}

void SkinFramework::OnMouseLeave(int n, HWND) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  record->mouseTracking = 0;
  if (!record->titleBar || record->lastHotButton == 0) return;
  if (record->fadeIn.button != 0 && record->fadeIn.step < kFadeSteps)
    DrawTitleButton(n, record->fadeIn.button, nullptr, false, false, 0);
  if (record->fadeOut.button != 0 && record->fadeOut.step < kFadeSteps)
    DrawTitleButton(n, record->fadeOut.button, nullptr, false, false, 0);
  record->fadeIn = FadeRecord{};
  record->fadeOut = FadeRecord{record->lastHotButton, 0};
  record->lastHotButton = 0;
}

void SkinFramework::OnFadeTick(int n, HWND window) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  if (record->fadeIn.button != 0 && record->fadeIn.step < kFadeSteps) {
    ++record->fadeIn.step;
    DrawTitleButton(n, record->fadeIn.button, nullptr, false, false,
                    kFadeStepValue * record->fadeIn.step);
  }
  if (record->fadeOut.button != 0 && record->fadeOut.step < kFadeSteps) {
    ++record->fadeOut.step;
    DrawTitleButton(n, record->fadeOut.button, nullptr, false, false,
                    kFadeStepValue * kFadeSteps - kFadeStepValue * record->fadeOut.step);
  }
  const bool fadeOutDone = record->fadeOut.button == 0 || record->fadeOut.step >= kFadeSteps;
  if ((!record->mouseTracking || !record->animationTimer) && fadeOutDone) {
    record->animationTimer = 0;
    KillTimer(window, reinterpret_cast<UINT_PTR>(window));
  }
}

void SkinFramework::OnGetMinMaxInfo(int n, LPARAM lParam) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  MINMAXINFO info{};
  SIZE_T done = 0;
  if (!ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &info,
                         sizeof info, &done))
    return;
  if (record->maximised) {
    const RECT work = WorkArea();
    record->workWidth = work.right - work.left;
    record->workHeight = work.bottom - work.top;
    info.ptMaxSize = POINT{record->workWidth, record->workHeight};
    info.ptMaxPosition = POINT{work.left, work.top};
  }
  info.ptMinTrackSize = POINT{record->minTrackWidth, record->minTrackHeight};
  *reinterpret_cast<MINMAXINFO*>(lParam) = info;
}

void SkinFramework::OnWindowPosChanged(int n, HWND window) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  if (record->maximiseButton) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    if (client.right == width && client.bottom == height) {
      record->maximised = 1;
      const RECT work = WorkArea();
      SetWindowPos(window, nullptr, work.left, work.top, work.right - work.left,
                   work.bottom - work.top, SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
  }
  LayOutTitleButtons(n);
}

bool SkinFramework::OnFrameMessage(int n, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT* result) {
  WindowRecord* record = Window(n);
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(n, window, lParam);
      return false;
    case WM_MOUSEHOVER:
      record->mouseTracking = 1;
      return false;
    case WM_MOUSELEAVE:
      OnMouseLeave(n, window);
      return false;
    case WM_TIMER:
      if (wParam != reinterpret_cast<WPARAM>(window)) return false;
      OnFadeTick(n, window);
      *result = 0;
      return true;
    case WM_LBUTTONDOWN: {
      record->fadeIn.button = 0;
      // The button pressed is the one under the point as the title bar lies
      // now: a move begun here may carry the window to another scale, whose
      // layout puts another button under the same client point.
      const int pressed = HitTestTitleButtons(n, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      if (record->titleBar && !record->maximised && !record->minimised) {
        RECT client{};
        GetClientRect(window, &client);
        Press(n, lParam, client);
      }
      // The move or size loop dispatches messages: another window may have
      // gone meanwhile and this one been renumbered.
      n = ReadIntProp(window, kWindowNumberKey);
      record = Window(n);
      *result = 0;
      if (record == nullptr || record->window != window) return true;
      hotTitleButton = pressed;
      if (hotTitleButton != 0)
        DrawTitleButton(n, hotTitleButton, nullptr, true, true, std::nullopt);
      *result = 0;
      return true;
    }
    case WM_LBUTTONUP:
      if (hotTitleButton >= 1 && hotTitleButton <= record->titleButtons.Count() &&
          record->titleBar) {
        RunTitleButton(n, hotTitleButton);
        // The button may have closed the window.
        if (!IsWindow(window)) {
          *result = 0;
          return true;
        }
      }
      return false;
    case WM_LBUTTONDBLCLK:
      if (GET_Y_LPARAM(lParam) <= record->titleHeight && record->resize) {
        const int maximise = FindMaximiseButton(n);
        if (maximise != 0) RunTitleButton(n, maximise);
      }
      return false;
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_MAXIMIZE:
          record->maximised = 1;
          record->redrawNeeded = 1;
          break;
        case SC_RESTORE: {
          record->redrawNeeded = 1;
          record->minimised = 0;
          WNDPROC previous = ReadHandleProp<WNDPROC>(window, kPreviousProcKey);
          *result = previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                             : DefWindowProcA(window, message, wParam, lParam);
          // A restore the system menu, the taskbar or the keyboard started
          // ends the maximised state too, unless it brought a minimised
          // window back maximised.
          n = ReadIntProp(window, kWindowNumberKey);
          record = Window(n);
          if (record != nullptr && record->window == window)
            record->maximised = IsZoomed(window) ? 1 : 0;
          return true;
        }
        case SC_MINIMIZE:
          record->redrawNeeded = 1;
          record->minimised = 1;
          break;
        default:
          break;
      }
      return false;
    case WM_QUERYOPEN:
      record->minimised = 0;
      return false;
    case WM_GETMINMAXINFO: {
      WNDPROC previous = ReadHandleProp<WNDPROC>(window, kPreviousProcKey);
      *result = previous ? CallWindowProcA(previous, window, message, wParam, lParam) : 0;
      n = ReadIntProp(window, kWindowNumberKey);
      record = Window(n);
      if (record != nullptr && record->window == window) OnGetMinMaxInfo(n, lParam);
      return true;
    }
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(n, window);
      return false;
    case WM_SIZE:
      record->lastHotButton = 0;
      // The first size a window is given needs no rendering of its own,
      // unless the frame was rendered at another size already (a size lock
      // that comes after the first painting): that rendering would stay
      // stretched to the old size.
      if (firstPlacement && !RenderedAtOtherSize(window, lParam)) {
        record->redrawNeeded = 0;
        firstPlacement = 0;
      } else {
        firstPlacement = 0;
        record->redrawNeeded = 1;
        // Nothing else repaints a window whose class asks for no redraw on
        // sizing, and only a full rendering renews the region to the new size.
        if (wParam != SIZE_MINIMIZED) InvalidateRect(window, nullptr, FALSE);
      }
      return false;
    case WM_SETTEXT: {
      WNDPROC previous = ReadHandleProp<WNDPROC>(window, kPreviousProcKey);
      *result = previous ? CallWindowProcA(previous, window, message, wParam, lParam)
                         : DefWindowProcA(window, message, wParam, lParam);
      n = ReadIntProp(window, kWindowNumberKey);
      record = Window(n);
      if (record != nullptr && record->window == window && record->caption && record->titleBar)
        DrawCaption(n, nullptr, reinterpret_cast<const char*>(lParam));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace framework
