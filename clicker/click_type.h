#pragma once

#include <cstdint>

namespace clicker {

// Passed unchanged from the engine to ClickAt; values outside 0..3 click like LeftClick.
enum ClickType : int32_t {
  LeftClick = 0,
  LeftDoubleClick = 1,
  RightClick = 2,
  RightDoubleClick = 3,
};

}  // namespace clicker
