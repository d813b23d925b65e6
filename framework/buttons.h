#pragma once

#include <windows.h>

namespace framework {

class SkinFramework;

// First and second install pass over the "Button" children of `parent`.
void InstallPushButtons(SkinFramework& framework, int windowNumber, HWND parent);
void InstallCheckAndRadioButtons(SkinFramework& framework, int windowNumber, HWND parent);
LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_DRAWITEM of window `windowNumber`; `item` is already a copy.
void DrawButtonItem(SkinFramework& framework, int windowNumber, const DRAWITEMSTRUCT& item);
void RepaintButton(SkinFramework& framework, HWND button, bool hot);

}  // namespace framework
