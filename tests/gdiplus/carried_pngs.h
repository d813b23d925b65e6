#pragma once
// The PNG pictures the program carries, with the sizes it draws them at.

#include <cstdint>

#include "data/pictures/pictures.h"

namespace gdiplus_test {

struct CarriedPng {
  const char* name;
  const unsigned char* bytes;
  unsigned size;
  uint32_t width;
  uint32_t height;
};

inline const CarriedPng kCarriedPngs[] = {
    {"help", kHelpButtonPng, kHelpButtonPngSize, 26, 18},
    {"main menu", kMainMenuButtonPng, kMainMenuButtonPngSize, 26, 18},
    {"minimise", kMinimiseButtonPng, kMinimiseButtonPngSize, 26, 18},
    {"maximise", kMaximiseButtonPng, kMaximiseButtonPngSize, 26, 18},
    {"restore", kRestoreButtonPng, kRestoreButtonPngSize, 26, 18},
    {"close", kCloseButtonPng, kCloseButtonPngSize, 38, 18},
    {"check box", kCheckBoxPng, kCheckBoxPngSize, 13, 13},
    {"check mark", kCheckMarkPng, kCheckMarkPngSize, 13, 13},
    {"combo arrow", kComboArrowPng, kComboArrowPngSize, 7, 4},
    {"up", kArrowUpPng, kArrowUpPngSize, 7, 4},
    {"down", kArrowDownPng, kArrowDownPngSize, 7, 4},
    {"left", kArrowLeftPng, kArrowLeftPngSize, 4, 7},
    {"right", kArrowRightPng, kArrowRightPngSize, 4, 7},
};

}  // namespace gdiplus_test
