#pragma once

// The program's own pictures, embedded at build time from the files beside
// this header (drawn by make_pictures.py). Each array has one spare zero byte
// after its Size bytes.

// Window background: JPEG, 1440 x 900.
extern const unsigned char kBackgroundJpg[];
extern const unsigned int kBackgroundJpgSize;
// Window icon: a complete icon file, one 128 x 128 32-bit image (67,646 bytes).
extern const unsigned char kIconIco[];
extern const unsigned int kIconIcoSize;

// Title-bar buttons, 32-bit RGBA PNGs: 26 x 18, the close button 38 x 18.
extern const unsigned char kHelpButtonPng[];
extern const unsigned int kHelpButtonPngSize;
extern const unsigned char kMainMenuButtonPng[];
extern const unsigned int kMainMenuButtonPngSize;
extern const unsigned char kMinimiseButtonPng[];
extern const unsigned int kMinimiseButtonPngSize;
extern const unsigned char kMaximiseButtonPng[];
extern const unsigned int kMaximiseButtonPngSize;
// The maximise button while the window is maximised.
extern const unsigned char kRestoreButtonPng[];
extern const unsigned int kRestoreButtonPngSize;
extern const unsigned char kCloseButtonPng[];
extern const unsigned int kCloseButtonPngSize;

// Check box, 13 x 13: the empty box, and the mark drawn over it when checked.
extern const unsigned char kCheckBoxPng[];
extern const unsigned int kCheckBoxPngSize;
extern const unsigned char kCheckMarkPng[];
extern const unsigned int kCheckMarkPngSize;

// Combo box drop-down arrow, 7 x 4.
extern const unsigned char kComboArrowPng[];
extern const unsigned int kComboArrowPngSize;

// Up-down arrows: up and down 7 x 4, left and right 4 x 7.
extern const unsigned char kArrowUpPng[];
extern const unsigned int kArrowUpPngSize;
extern const unsigned char kArrowDownPng[];
extern const unsigned int kArrowDownPngSize;
extern const unsigned char kArrowLeftPng[];
extern const unsigned int kArrowLeftPngSize;
extern const unsigned char kArrowRightPng[];
extern const unsigned int kArrowRightPngSize;
