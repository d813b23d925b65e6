#pragma once

#include <windows.h>

namespace framework {

// The client area with its scroll bars, in the control's window coordinates.
RECT ClientRectInWindow(HWND control);
bool HasBorder(HWND control);
bool HasScrollBar(HWND control);
// The visible scroll bars in screen coordinates; the caller owns the region.
HRGN ScrollBarRegion(HWND control);
// The system's WM_NCPAINT kept to the scroll bars, after the framework has
// painted a bordered control's frame: the default painting gets the bars'
// region, or no region at all when there are none.
LRESULT PaintScrollBarsOnly(HWND control, LPARAM lParam);

}  // namespace framework
