#include "framework/buttons.h"

namespace framework {

void InstallPushButtons(SkinFramework&, int, HWND) {}
void InstallCheckAndRadioButtons(SkinFramework&, int, HWND) {}

LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void DrawButtonItem(SkinFramework&, int, const DRAWITEMSTRUCT&) {}
void RepaintButton(SkinFramework&, HWND, bool) {}

}  // namespace framework
