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

// The same pictures at their three scales.
struct CarriedSet {
  const char* name;
  PictureSet pictures;
  uint32_t width;  // at 1x
  uint32_t height;
};

inline const CarriedSet kCarriedSets[] = {
    {"help", HelpButtonPictures(), 26, 18},
    {"main menu", MainMenuButtonPictures(), 26, 18},
    {"minimise", MinimiseButtonPictures(), 26, 18},
    {"maximise", MaximiseButtonPictures(), 26, 18},
    {"restore", RestoreButtonPictures(), 26, 18},
    {"close", CloseButtonPictures(), 38, 18},
    {"check box", CheckBoxPictures(), 13, 13},
    {"check mark", CheckMarkPictures(), 13, 13},
    {"combo arrow", ComboArrowPictures(), 7, 4},
    {"up", ArrowUpPictures(), 7, 4},
    {"down", ArrowDownPictures(), 7, 4},
    {"left", ArrowLeftPictures(), 4, 7},
    {"right", ArrowRightPictures(), 4, 7},
};

}  // namespace gdiplus_test
