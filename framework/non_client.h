#pragma once

#include <windows.h>

namespace framework {

// The client area with its scroll bars, in the control's window coordinates.
RECT ClientRectInWindow(HWND control);
bool HasBorder(HWND control);
bool HasScrollBar(HWND control);
// The visible scroll bars in screen coordinates; the caller owns the region.
HRGN ScrollBarRegion(HWND control);

}  // namespace framework
