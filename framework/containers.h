#pragma once

#include <windows.h>

#include <optional>

namespace framework {

class SkinFramework;

// Skins a control that paints itself: its plain background colour (the key
// colour, default COLOR_BTNFACE) becomes transparent.
void SkinGenericControl(SkinFramework& framework, HWND control, std::optional<COLORREF> keyColour,
                        std::optional<COLORREF> containerColour, std::optional<int> containerAlpha);
LRESULT CALLBACK GenericControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Installs a container (a group box) and skins the controls inside it.
void SkinContainer(SkinFramework& framework, HWND container, std::optional<int> option,
                   std::optional<COLORREF> colour, std::optional<int> alpha,
                   std::optional<int> secondValue);
LRESULT CALLBACK ContainerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace framework
