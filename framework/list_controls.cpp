#include "framework/list_controls.h"

namespace framework {

void InstallListControls(SkinFramework&, int, HWND) {}
void InstallHeaderControls(SkinFramework&, int, HWND) {}

LRESULT CALLBACK ListControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
LRESULT CALLBACK HeaderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void PaintListFrame(SkinFramework&, int, int, std::optional<bool>, std::optional<bool>) {}
void PaintHeader(SkinFramework&, int, int) {}
int HeaderHitTest(SkinFramework&, int, int, LPARAM) {
  return 0;
}

}  // namespace framework
