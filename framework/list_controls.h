#pragma once

#include <windows.h>

#include <optional>

namespace framework {

class SkinFramework;

void InstallListControls(SkinFramework& framework, int windowNumber, HWND parent);
LRESULT CALLBACK ListControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// An empty hot or focused value takes the record's own flag.
void PaintListFrame(SkinFramework& framework, int windowNumber, int index, std::optional<bool> hot,
                    std::optional<bool> focused);

}  // namespace framework
