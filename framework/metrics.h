#pragma once

#include "framework/dpi.h"

namespace framework {

// Every length the framework paints a window with, at the window's scale.
// One set per attached window, made from its DPI in one place; at 96 DPI
// each one is the design value. Lengths of the design scale to the nearest
// pixel; hairlines (frames of one pixel, and lines laid beside each other)
// scale by whole pixels, so that neighbours neither overlap nor part.
struct Metrics {
  int dpi = kDesignDpi;

  // A length of the design (pixels at 96 DPI) at this scale.
  int Px(int design) const { return ScaleLength(design, dpi); }
  float Pxf(float design) const { return design * static_cast<float>(dpi) / kDesignDpi; }

  // Width of a hairline: 1 at 100 % and 125 %, 2 at 150 % and 200 %.
  int line = 1;

  // The frame.
  int regionCorner = 5;       // the window region's corner ellipse
  int backgroundCorner = 2;   // the background's clip, no rounder than the region
  int borderCorner = 7;       // the outer border line
  int innerBorderCorner = 6;  // the light line inside it
  int sizingZone = 10;        // along every edge
  int minTrackWidth = 200;
  int minTrackHeight = 150;

  // The title bar and its buttons (widths of the buttons come from each
  // button's own design width).
  int stripHeight = 22;
  int stripPadding = 2;  // left of the first button
  int buttonTop = 1;
  int buttonGap = 1;
  int titleButtonHeight = 18;
  int highlightCorner = 5;  // the close button's red
  int pressedShift = 1;     // a pressed button's picture sinks
  int captionLeft = 4;      // the caption area in the title bar
  int captionTop = 1;
  int iconGap = 2;  // left of the icon
  int iconSize = 17;
  int iconTextGap = 4;
  float titleFontSize = 12;
  int titleOutline = 1;    // the caption's grey outline
  int tipFontHeight = 12;  // the title buttons' tips: 9 points

  // Buttons, check boxes and radio buttons.
  int buttonCorner = 3;
  int focusInset = 3;    // the dotted focus mark inside the face
  int minFocusSize = 9;  // no mark on a smaller face
  int pressedInset = 2;  // the pressed look inside the face
  int minPressedSize = 7;
  int markLeft = 2;  // the box or circle of a check box or radio button
  int checkSize = 13;
  int checkCaptionLeft = 19;  // the caption: 17 right of the box's left edge
  int radioSize = 12;
  int radioCaptionLeft = 20;  // 18 right of the circle's
  int radioDotInset = 3;
  int pictureInset = 2;  // picture buttons
  int pictureCaptionGap = 4;

  // Edits and combo boxes.
  int comboCorner = 3;
  int dropButtonWidth = 17;
  int comboTextMargin = 4;
  float comboTextSize = 12;
  int comboArrowWidth = 7;
  int comboArrowHeight = 4;

  // Containers and group boxes.
  int containerCorner = 5;
  int innerContainerCorner = 3;
  int groupFrameTop = 5;  // room for the caption above the frame
  int groupCaptionLeft = 8;
  int groupCaptionClearance = 3;  // frame line left clear either side of the caption

  // Trackbars, progress bars and up-down controls.
  int trackCorner = 5;
  int trackInnerCorner = 3;
  float channelThickness = 4;
  int channelCorner = 1;
  float thumbHot = 11;
  float thumbCold = 4;
  float thumbAtEnd = 8;  // a cold thumb at the maximum sits further on
  float thumbRise = 4;   // how far a hot thumb stands out of the channel
  float thumbRiseTicksBefore = 2;
  float thumbRiseTicksBoth = 3;
  float thumbRiseCold = 0.5f;
  float filledAtEnd = 10;
  int progressCorner = 5;
  int progressInnerCorner = 1;
  int progressFillCorner = 3;
  int progressFillInset = 1;
  int progressFillShrink = 3;
  int upDownCorner = 3;
  int arrowLong = 7;  // the up-down and combo arrows: 7 x 4 (or 4 x 7)
  int arrowShort = 4;

  // List-type controls and headers.
  int headerTextPadding = 4;
  int headerIconPadding = 3;
  float headerFontSize = 12;  // a stand-alone header without a font of its own

  // Text drawn by the framework with no size of its own.
  float defaultFontSize = 12;
};

// The metrics of a window drawn at `dpi`.
Metrics MetricsForDpi(int dpi);

}  // namespace framework
