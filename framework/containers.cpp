#include "framework/containers.h"

namespace framework {

void SkinGenericControl(SkinFramework&, HWND, std::optional<COLORREF>, std::optional<COLORREF>,
                        std::optional<int>) {}

LRESULT CALLBACK GenericControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

void SkinContainer(SkinFramework&, HWND, std::optional<int>, std::optional<COLORREF>,
                   std::optional<int>, std::optional<int>) {}

LRESULT CALLBACK ContainerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace framework
