#pragma once

#include <cstdint>
#include <string>

namespace clicker {

class ClickEngine;

// The ids RegisterGlobalHotkey gave for each key; 0 when a registration failed.
struct HotkeyIds {
  int32_t hotkeyF1 = 0;
  int32_t hotkeyF2 = 0;
  int32_t hotkeyF4 = 0;
  int32_t hotkeyF3 = 0;
};

// Virtual-key codes in registration order: F1, F2, F4, F3.
inline constexpr int32_t kHotkeyKeys[4] = {0x70, 0x71, 0x73, 0x72};

// Runs the action of a hotkey press; id is the first argument of the hidden
// label's notification. F2 does what a click on the hidden button 按钮2 does.
void DispatchHotkey(ClickEngine& engine, const HotkeyIds& ids, int32_t id);

// "X: 100     Y:200" for the cursor at (100, 200).
std::string CoordinateText(int32_t x, int32_t y);

}  // namespace clicker
