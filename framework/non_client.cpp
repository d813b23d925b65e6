#include "framework/non_client.h"

#include <cmath>
#include <initializer_list>

#include "framework/gdi_handles.h"

namespace framework {
namespace {

RECT BarRect(HWND control, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  if (!GetScrollBarInfo(control, object, &info)) return RECT{};
  return info.rcScrollBar;
}

}  // namespace

RECT ClientRectInWindow(HWND control) {
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  RECT client{};
  GetClientRect(control, &client);
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  const RECT horizontal = BarRect(control, OBJID_HSCROLL);
  const RECT vertical = BarRect(control, OBJID_VSCROLL);
  double spanWidth = client.right - client.left;
  double spanHeight = client.bottom - client.top;
  if (style & WS_VSCROLL) spanWidth += vertical.right - vertical.left;
  if (style & WS_HSCROLL) spanHeight += horizontal.bottom - horizontal.top;
  const double width = windowRect.right - windowRect.left;
  const double height = windowRect.bottom - windowRect.top;
  RECT result;
  result.left = static_cast<LONG>(std::floor((width - spanWidth) / 2.0));
  result.top = static_cast<LONG>(std::floor((height - spanHeight) / 2.0));
  result.right = result.left + static_cast<LONG>(spanWidth);
  result.bottom = result.top + static_cast<LONG>(spanHeight);
  return result;
}

bool HasBorder(HWND control) {
  if (GetWindowLongA(control, GWL_STYLE) & WS_BORDER) return true;
  const LONG ex = GetWindowLongA(control, GWL_EXSTYLE);
  for (LONG bits : {0x100L, 0x300L, 0x200L, 0x1L, 0x188L})
    if ((ex & bits) == bits) return true;
  return false;
}

bool HasScrollBar(HWND control) {
  return (GetWindowLongA(control, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

LRESULT PaintScrollBarsOnly(HWND control, LPARAM lParam) {
  if (!HasScrollBar(control))
    return DefWindowProcA(control, WM_NCPAINT, static_cast<WPARAM>(-1), lParam);
  const OwnedRegion bars(ScrollBarRegion(control));
  return DefWindowProcA(control, WM_NCPAINT, reinterpret_cast<WPARAM>(bars.get()), lParam);
}

HRGN ScrollBarRegion(HWND control) {
  const LONG style = GetWindowLongA(control, GWL_STYLE);
  OwnedRegion a;
  OwnedRegion b;
  const RECT horizontal = BarRect(control, OBJID_HSCROLL);
  if (style & WS_HSCROLL) a.Reset(CreateRectRgnIndirect(&horizontal));
  if (style & WS_VSCROLL) {
    RECT vertical = BarRect(control, OBJID_VSCROLL);
    if (style & WS_HSCROLL) vertical.bottom += horizontal.bottom - horizontal.top;
    b.Reset(CreateRectRgnIndirect(&vertical));
  }
  if (a.get() != nullptr && b.get() != nullptr) {
    HRGN both = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(both, a.get(), b.get(), RGN_OR);
    return both;
  }
  return a.get() != nullptr ? a.Release() : b.Release();
}

}  // namespace framework
