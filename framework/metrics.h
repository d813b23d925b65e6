#pragma once

#include <cstddef>
#include <iterator>

#include "framework/dpi.h"

namespace framework {

// Every length the framework paints a window with, at the window's scale.
// One set per attached window, made from its DPI in one place; each member's
// initialiser is its design value (what it is at 96 DPI), and the tables
// below say how each grows. Lengths of the design scale to the nearest
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

// How a length of the design grows with the scale.
enum class Scaling {
  kNearest,   // to the nearest pixel
  kHairline,  // by whole pixels (as Metrics::line), so that lines laid side by side stay flush
};
struct IntLength {
  int Metrics::*field;
  Scaling scaling;
};

// Every length of Metrics and how it scales; MetricsForDpi goes through these
// two tables. The checks below them keep the tables and the struct in step:
// a length added to Metrics and not here does not compile.
inline constexpr IntLength kIntLengths[] = {
    {&Metrics::line, Scaling::kHairline},
    {&Metrics::regionCorner, Scaling::kNearest},
    {&Metrics::backgroundCorner, Scaling::kNearest},
    {&Metrics::borderCorner, Scaling::kNearest},
    {&Metrics::innerBorderCorner, Scaling::kNearest},
    {&Metrics::sizingZone, Scaling::kNearest},
    {&Metrics::minTrackWidth, Scaling::kNearest},
    {&Metrics::minTrackHeight, Scaling::kNearest},
    {&Metrics::stripHeight, Scaling::kNearest},
    {&Metrics::stripPadding, Scaling::kNearest},
    {&Metrics::buttonTop, Scaling::kNearest},
    {&Metrics::buttonGap, Scaling::kNearest},
    {&Metrics::highlightCorner, Scaling::kNearest},
    {&Metrics::pressedShift, Scaling::kNearest},
    {&Metrics::captionLeft, Scaling::kNearest},
    {&Metrics::captionTop, Scaling::kNearest},
    {&Metrics::iconGap, Scaling::kNearest},
    {&Metrics::iconSize, Scaling::kNearest},
    {&Metrics::iconTextGap, Scaling::kNearest},
    {&Metrics::titleOutline, Scaling::kHairline},
    {&Metrics::tipFontHeight, Scaling::kNearest},
    {&Metrics::buttonCorner, Scaling::kNearest},
    {&Metrics::focusInset, Scaling::kNearest},
    {&Metrics::minFocusSize, Scaling::kNearest},
    {&Metrics::pressedInset, Scaling::kNearest},
    {&Metrics::minPressedSize, Scaling::kNearest},
    {&Metrics::markLeft, Scaling::kNearest},
    {&Metrics::checkSize, Scaling::kNearest},
    {&Metrics::checkCaptionLeft, Scaling::kNearest},
    {&Metrics::radioSize, Scaling::kNearest},
    {&Metrics::radioCaptionLeft, Scaling::kNearest},
    {&Metrics::radioDotInset, Scaling::kNearest},
    {&Metrics::pictureInset, Scaling::kNearest},
    {&Metrics::pictureCaptionGap, Scaling::kNearest},
    {&Metrics::comboCorner, Scaling::kNearest},
    {&Metrics::dropButtonWidth, Scaling::kNearest},
    {&Metrics::comboTextMargin, Scaling::kNearest},
    {&Metrics::comboArrowWidth, Scaling::kNearest},
    {&Metrics::comboArrowHeight, Scaling::kNearest},
    {&Metrics::containerCorner, Scaling::kNearest},
    {&Metrics::innerContainerCorner, Scaling::kNearest},
    {&Metrics::groupFrameTop, Scaling::kNearest},
    {&Metrics::groupCaptionLeft, Scaling::kNearest},
    {&Metrics::groupCaptionClearance, Scaling::kNearest},
    {&Metrics::trackCorner, Scaling::kNearest},
    {&Metrics::trackInnerCorner, Scaling::kNearest},
    {&Metrics::channelCorner, Scaling::kNearest},
    {&Metrics::progressCorner, Scaling::kNearest},
    {&Metrics::progressInnerCorner, Scaling::kNearest},
    {&Metrics::progressFillCorner, Scaling::kNearest},
    {&Metrics::progressFillInset, Scaling::kHairline},
    {&Metrics::progressFillShrink, Scaling::kNearest},
    {&Metrics::upDownCorner, Scaling::kNearest},
    {&Metrics::arrowLong, Scaling::kNearest},
    {&Metrics::arrowShort, Scaling::kNearest},
    {&Metrics::headerTextPadding, Scaling::kNearest},
    {&Metrics::headerIconPadding, Scaling::kNearest},
};
// Lengths kept as fractions (font sizes, GDI+ coordinates): scaled exactly.
inline constexpr float Metrics::*kFloatLengths[] = {
    &Metrics::titleFontSize,      &Metrics::comboTextSize,
    &Metrics::channelThickness,   &Metrics::thumbHot,
    &Metrics::thumbCold,          &Metrics::thumbAtEnd,
    &Metrics::thumbRise,          &Metrics::thumbRiseTicksBefore,
    &Metrics::thumbRiseTicksBoth, &Metrics::thumbRiseCold,
    &Metrics::filledAtEnd,        &Metrics::headerFontSize,
    &Metrics::defaultFontSize,
};

namespace metrics_check {
constexpr bool IntsDistinct() {
  for (size_t i = 0; i < std::size(kIntLengths); ++i)
    for (size_t j = i + 1; j < std::size(kIntLengths); ++j)
      if (kIntLengths[i].field == kIntLengths[j].field) return false;
  return true;
}
constexpr bool FloatsDistinct() {
  for (size_t i = 0; i < std::size(kFloatLengths); ++i)
    for (size_t j = i + 1; j < std::size(kFloatLengths); ++j)
      if (kFloatLengths[i] == kFloatLengths[j]) return false;
  return true;
}
}  // namespace metrics_check
static_assert(metrics_check::IntsDistinct() && metrics_check::FloatsDistinct(),
              "a length is named twice in the tables of Metrics");
static_assert(sizeof(Metrics) == sizeof(int) * (1 + std::size(kIntLengths)) +
                                     sizeof(float) * std::size(kFloatLengths),
              "every length of Metrics (but dpi) belongs in kIntLengths or kFloatLengths");

// The metrics of a window drawn at `dpi`.
Metrics MetricsForDpi(int dpi);

}  // namespace framework
