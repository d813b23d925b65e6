#include "framework/metrics.h"

namespace framework {

Metrics MetricsForDpi(int dpi) {
  Metrics m;
  m.dpi = dpi > 0 ? dpi : kDesignDpi;
  // The defaults above are the design values; each is scaled here once.
  const Metrics d;
  m.line = (m.dpi + kDesignDpi / 2) / kDesignDpi;
  if (m.line < 1) m.line = 1;
  auto px = [&m](int design) { return m.Px(design); };
  auto pxf = [&m](float design) { return m.Pxf(design); };

  m.regionCorner = px(d.regionCorner);
  m.backgroundCorner = px(d.backgroundCorner);
  m.borderCorner = px(d.borderCorner);
  m.innerBorderCorner = px(d.innerBorderCorner);
  m.sizingZone = px(d.sizingZone);
  m.minTrackWidth = px(d.minTrackWidth);
  m.minTrackHeight = px(d.minTrackHeight);

  m.stripHeight = px(d.stripHeight);
  m.stripPadding = px(d.stripPadding);
  m.buttonTop = px(d.buttonTop);
  m.buttonGap = px(d.buttonGap);
  m.titleButtonHeight = px(d.titleButtonHeight);
  m.highlightCorner = px(d.highlightCorner);
  m.pressedShift = px(d.pressedShift);
  m.captionLeft = px(d.captionLeft);
  m.captionTop = px(d.captionTop);
  m.iconGap = px(d.iconGap);
  m.iconSize = px(d.iconSize);
  m.iconTextGap = px(d.iconTextGap);
  m.titleFontSize = pxf(d.titleFontSize);
  m.titleOutline = m.line;
  m.tipFontHeight = px(d.tipFontHeight);

  m.buttonCorner = px(d.buttonCorner);
  m.focusInset = px(d.focusInset);
  m.minFocusSize = px(d.minFocusSize);
  m.pressedInset = px(d.pressedInset);
  m.minPressedSize = px(d.minPressedSize);
  m.markLeft = px(d.markLeft);
  m.checkSize = px(d.checkSize);
  m.checkCaptionLeft = px(d.checkCaptionLeft);
  m.radioSize = px(d.radioSize);
  m.radioCaptionLeft = px(d.radioCaptionLeft);
  m.radioDotInset = px(d.radioDotInset);
  m.pictureInset = px(d.pictureInset);
  m.pictureCaptionGap = px(d.pictureCaptionGap);

  m.comboCorner = px(d.comboCorner);
  m.dropButtonWidth = px(d.dropButtonWidth);
  m.comboTextMargin = px(d.comboTextMargin);
  m.comboTextSize = pxf(d.comboTextSize);
  m.comboArrowWidth = px(d.comboArrowWidth);
  m.comboArrowHeight = px(d.comboArrowHeight);

  m.containerCorner = px(d.containerCorner);
  m.innerContainerCorner = px(d.innerContainerCorner);
  m.groupFrameTop = px(d.groupFrameTop);
  m.groupCaptionLeft = px(d.groupCaptionLeft);
  m.groupCaptionClearance = px(d.groupCaptionClearance);

  m.trackCorner = px(d.trackCorner);
  m.trackInnerCorner = px(d.trackInnerCorner);
  m.channelThickness = pxf(d.channelThickness);
  m.channelCorner = px(d.channelCorner);
  m.thumbHot = pxf(d.thumbHot);
  m.thumbCold = pxf(d.thumbCold);
  m.thumbAtEnd = pxf(d.thumbAtEnd);
  m.thumbRise = pxf(d.thumbRise);
  m.thumbRiseTicksBefore = pxf(d.thumbRiseTicksBefore);
  m.thumbRiseTicksBoth = pxf(d.thumbRiseTicksBoth);
  m.thumbRiseCold = pxf(d.thumbRiseCold);
  m.filledAtEnd = pxf(d.filledAtEnd);
  m.progressCorner = px(d.progressCorner);
  m.progressInnerCorner = px(d.progressInnerCorner);
  m.progressFillCorner = px(d.progressFillCorner);
  m.progressFillInset = m.line;
  m.progressFillShrink = px(d.progressFillShrink);
  m.upDownCorner = px(d.upDownCorner);
  m.arrowLong = px(d.arrowLong);
  m.arrowShort = px(d.arrowShort);

  m.headerTextPadding = px(d.headerTextPadding);
  m.headerIconPadding = px(d.headerIconPadding);
  m.headerFontSize = pxf(d.headerFontSize);
  m.defaultFontSize = pxf(d.defaultFontSize);
  return m;
}

}  // namespace framework
