#include "framework/non_client.h"

namespace framework {

RECT ClientRectInWindow(HWND) {
  return RECT{};
}
bool HasBorder(HWND) {
  return false;
}
bool HasScrollBar(HWND) {
  return false;
}
HRGN ScrollBarRegion(HWND) {
  return nullptr;
}

}  // namespace framework
