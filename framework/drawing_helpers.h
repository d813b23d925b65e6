#pragma once

#include <windows.h>

#include <optional>

#include "gdiplus/graphics.h"

namespace framework {

class SkinFramework;

// The control's background snapshot over its window rectangle, veiled with
// white at the veil alpha. Released with ReleaseSnapshot.
HDC MakeVeilDC(SkinFramework& framework, HWND control);
// A DC of `window` (GetDC unless useGiven, then `dc`) whose clipping leaves
// out every visible, not transparent direct child. The caller releases it.
HDC ChildClippedDC(HWND window, HDC dc, int useGiven);
void InvalidateChildren(HWND window);
void InvalidateWithChildren(HWND window, int withChildren);
// Repaints the skinned controls of window n that sit directly on it.
void RefreshSkinnedControls(SkinFramework& framework, int n);

struct TextSize {
  int width = 0;
  int height = 0;
};
// floor(height) + 1 of the text's bounding box; `size` gets the box too.
int MeasureText(const char* text, const char* face, float fontSize, int style,
                TextSize* size = nullptr);

// Text with a four-way outline at alpha 150. No face: "宋体"; no size: 13;
// no outline width: 1.
void DrawOutlinedText(gdiplus::Graphics& graphics, const char* text, const gdiplus::RectF& layout,
                      COLORREF textColour, COLORREF outlineColour, std::optional<int> outlineWidth,
                      const char* face, std::optional<float> fontSize, int style, int align,
                      int lineAlign);

}  // namespace framework
