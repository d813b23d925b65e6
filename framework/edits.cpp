#include "framework/edits.h"

namespace framework {

void InstallEditsAndCombos(SkinFramework&, int, HWND) {}

LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}
LRESULT CALLBACK ComboWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void PaintEditFrame(SkinFramework&, int, int, bool, bool) {}
void PaintCombo(SkinFramework&, int, int, bool, bool) {}

}  // namespace framework
