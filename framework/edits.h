#pragma once

#include <windows.h>

namespace framework {

class SkinFramework;

void InstallEditsAndCombos(SkinFramework& framework, int windowNumber, HWND parent);
LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintEditFrame(SkinFramework& framework, int windowNumber, int index, bool hot, bool focused);
void PaintCombo(SkinFramework& framework, int windowNumber, int index, bool hot, bool focused);

}  // namespace framework
