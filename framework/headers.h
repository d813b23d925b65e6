#pragma once

#include <windows.h>

namespace framework {

class SkinFramework;

// Every header standing directly in `parent`, and the header of every list
// view there.
void InstallHeaderControls(SkinFramework& framework, int windowNumber, HWND parent);
LRESULT CALLBACK HeaderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Paints every item of header `index` of window `windowNumber` at once.
void PaintHeader(SkinFramework& framework, int windowNumber, int index);
// The 1-based item under the point of a mouse message's lParam; 0 for none.
int HeaderHitTest(SkinFramework& framework, int windowNumber, int index, LPARAM lParam);

}  // namespace framework
