#include "clicker/hotkeys.h"

#include <cstdio>

#include "clicker/click_engine.h"

namespace clicker {

void DispatchHotkey(ClickEngine& engine, const HotkeyIds& ids, int32_t id) {
  // One test after the other with the same id: F1 may run for a long time and
  // the dispatcher carries on afterwards.
  if (id == ids.hotkeyF1) engine.StartRun();
  if (id == ids.hotkeyF2) engine.RequestStop();
  if (id == ids.hotkeyF4) {
    engine.StopCursorClicking();
    return;
  }
  if (id == ids.hotkeyF3) engine.StartCursorClicking();
}

std::string CoordinateText(int32_t x, int32_t y) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "X: %ld     Y:%ld", static_cast<long>(x),
                static_cast<long>(y));
  return buffer;
}

}  // namespace clicker
