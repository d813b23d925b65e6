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

// The pictures of the frame and the controls are drawn at three scales, for
// displays at 100 %, 150 % and 200 %: kNamePng (the sizes below), kName15Png
// (each side 1.5 times, rounded half up) and kName20Png (twice). 32-bit RGBA
// PNGs.

// Title-bar buttons: 26 x 18, the close button 38 x 18; the restore picture
// is the maximise button's while the window is maximised.
extern const unsigned char kHelpButtonPng[];
extern const unsigned int kHelpButtonPngSize;
extern const unsigned char kHelpButton15Png[];
extern const unsigned int kHelpButton15PngSize;
extern const unsigned char kHelpButton20Png[];
extern const unsigned int kHelpButton20PngSize;
extern const unsigned char kMainMenuButtonPng[];
extern const unsigned int kMainMenuButtonPngSize;
extern const unsigned char kMainMenuButton15Png[];
extern const unsigned int kMainMenuButton15PngSize;
extern const unsigned char kMainMenuButton20Png[];
extern const unsigned int kMainMenuButton20PngSize;
extern const unsigned char kMinimiseButtonPng[];
extern const unsigned int kMinimiseButtonPngSize;
extern const unsigned char kMinimiseButton15Png[];
extern const unsigned int kMinimiseButton15PngSize;
extern const unsigned char kMinimiseButton20Png[];
extern const unsigned int kMinimiseButton20PngSize;
extern const unsigned char kMaximiseButtonPng[];
extern const unsigned int kMaximiseButtonPngSize;
extern const unsigned char kMaximiseButton15Png[];
extern const unsigned int kMaximiseButton15PngSize;
extern const unsigned char kMaximiseButton20Png[];
extern const unsigned int kMaximiseButton20PngSize;
extern const unsigned char kRestoreButtonPng[];
extern const unsigned int kRestoreButtonPngSize;
extern const unsigned char kRestoreButton15Png[];
extern const unsigned int kRestoreButton15PngSize;
extern const unsigned char kRestoreButton20Png[];
extern const unsigned int kRestoreButton20PngSize;
extern const unsigned char kCloseButtonPng[];
extern const unsigned int kCloseButtonPngSize;
extern const unsigned char kCloseButton15Png[];
extern const unsigned int kCloseButton15PngSize;
extern const unsigned char kCloseButton20Png[];
extern const unsigned int kCloseButton20PngSize;

// Check box, 13 x 13: the empty box, and the mark drawn over it when checked.
extern const unsigned char kCheckBoxPng[];
extern const unsigned int kCheckBoxPngSize;
extern const unsigned char kCheckBox15Png[];
extern const unsigned int kCheckBox15PngSize;
extern const unsigned char kCheckBox20Png[];
extern const unsigned int kCheckBox20PngSize;
extern const unsigned char kCheckMarkPng[];
extern const unsigned int kCheckMarkPngSize;
extern const unsigned char kCheckMark15Png[];
extern const unsigned int kCheckMark15PngSize;
extern const unsigned char kCheckMark20Png[];
extern const unsigned int kCheckMark20PngSize;

// Combo box drop-down arrow, 7 x 4.
extern const unsigned char kComboArrowPng[];
extern const unsigned int kComboArrowPngSize;
extern const unsigned char kComboArrow15Png[];
extern const unsigned int kComboArrow15PngSize;
extern const unsigned char kComboArrow20Png[];
extern const unsigned int kComboArrow20PngSize;

// Up-down arrows: up and down 7 x 4, left and right 4 x 7.
extern const unsigned char kArrowUpPng[];
extern const unsigned int kArrowUpPngSize;
extern const unsigned char kArrowUp15Png[];
extern const unsigned int kArrowUp15PngSize;
extern const unsigned char kArrowUp20Png[];
extern const unsigned int kArrowUp20PngSize;
extern const unsigned char kArrowDownPng[];
extern const unsigned int kArrowDownPngSize;
extern const unsigned char kArrowDown15Png[];
extern const unsigned int kArrowDown15PngSize;
extern const unsigned char kArrowDown20Png[];
extern const unsigned int kArrowDown20PngSize;
extern const unsigned char kArrowLeftPng[];
extern const unsigned int kArrowLeftPngSize;
extern const unsigned char kArrowLeft15Png[];
extern const unsigned int kArrowLeft15PngSize;
extern const unsigned char kArrowLeft20Png[];
extern const unsigned int kArrowLeft20PngSize;
extern const unsigned char kArrowRightPng[];
extern const unsigned int kArrowRightPngSize;
extern const unsigned char kArrowRight15Png[];
extern const unsigned int kArrowRight15PngSize;
extern const unsigned char kArrowRight20Png[];
extern const unsigned int kArrowRight20PngSize;

// One embedded picture.
struct Picture {
  const unsigned char* bytes;
  unsigned int size;
};

// A picture at its three scales, 1x first.
struct PictureSet {
  Picture scales[3];
};

inline PictureSet HelpButtonPictures() {
  return {{{kHelpButtonPng, kHelpButtonPngSize},
           {kHelpButton15Png, kHelpButton15PngSize},
           {kHelpButton20Png, kHelpButton20PngSize}}};
}

inline PictureSet MainMenuButtonPictures() {
  return {{{kMainMenuButtonPng, kMainMenuButtonPngSize},
           {kMainMenuButton15Png, kMainMenuButton15PngSize},
           {kMainMenuButton20Png, kMainMenuButton20PngSize}}};
}

inline PictureSet MinimiseButtonPictures() {
  return {{{kMinimiseButtonPng, kMinimiseButtonPngSize},
           {kMinimiseButton15Png, kMinimiseButton15PngSize},
           {kMinimiseButton20Png, kMinimiseButton20PngSize}}};
}

inline PictureSet MaximiseButtonPictures() {
  return {{{kMaximiseButtonPng, kMaximiseButtonPngSize},
           {kMaximiseButton15Png, kMaximiseButton15PngSize},
           {kMaximiseButton20Png, kMaximiseButton20PngSize}}};
}

inline PictureSet RestoreButtonPictures() {
  return {{{kRestoreButtonPng, kRestoreButtonPngSize},
           {kRestoreButton15Png, kRestoreButton15PngSize},
           {kRestoreButton20Png, kRestoreButton20PngSize}}};
}

inline PictureSet CloseButtonPictures() {
  return {{{kCloseButtonPng, kCloseButtonPngSize},
           {kCloseButton15Png, kCloseButton15PngSize},
           {kCloseButton20Png, kCloseButton20PngSize}}};
}

inline PictureSet CheckBoxPictures() {
  return {{{kCheckBoxPng, kCheckBoxPngSize},
           {kCheckBox15Png, kCheckBox15PngSize},
           {kCheckBox20Png, kCheckBox20PngSize}}};
}

inline PictureSet CheckMarkPictures() {
  return {{{kCheckMarkPng, kCheckMarkPngSize},
           {kCheckMark15Png, kCheckMark15PngSize},
           {kCheckMark20Png, kCheckMark20PngSize}}};
}

inline PictureSet ComboArrowPictures() {
  return {{{kComboArrowPng, kComboArrowPngSize},
           {kComboArrow15Png, kComboArrow15PngSize},
           {kComboArrow20Png, kComboArrow20PngSize}}};
}

inline PictureSet ArrowUpPictures() {
  return {{{kArrowUpPng, kArrowUpPngSize},
           {kArrowUp15Png, kArrowUp15PngSize},
           {kArrowUp20Png, kArrowUp20PngSize}}};
}

inline PictureSet ArrowDownPictures() {
  return {{{kArrowDownPng, kArrowDownPngSize},
           {kArrowDown15Png, kArrowDown15PngSize},
           {kArrowDown20Png, kArrowDown20PngSize}}};
}

inline PictureSet ArrowLeftPictures() {
  return {{{kArrowLeftPng, kArrowLeftPngSize},
           {kArrowLeft15Png, kArrowLeft15PngSize},
           {kArrowLeft20Png, kArrowLeft20PngSize}}};
}

inline PictureSet ArrowRightPictures() {
  return {{{kArrowRightPng, kArrowRightPngSize},
           {kArrowRight15Png, kArrowRight15PngSize},
           {kArrowRight20Png, kArrowRight20PngSize}}};
}
