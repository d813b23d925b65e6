#include "framework/range_controls.h"

namespace framework {

void InstallTrackbars(SkinFramework&, int, HWND) {}
void InstallProgressBars(SkinFramework&, int, HWND) {}
void InstallUpDowns(SkinFramework&, int, HWND) {}

LRESULT CALLBACK TrackbarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
LRESULT CALLBACK UpDownWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void PaintTrackbar(SkinFramework&, int, int) {}
void PaintProgressBar(SkinFramework&, int, int, HDC) {}
void PaintUpDown(SkinFramework&, int, int, std::optional<bool>, std::optional<bool>,
                 std::optional<LPARAM>) {}
int UpDownHitTest(SkinFramework&, int, int, LPARAM) {
  return 2;
}

}  // namespace framework
