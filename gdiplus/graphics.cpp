#include "gdiplus/graphics.h"

#include <vector>

#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image.h"
#include "gdiplus/image_attributes.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/string_format.h"

namespace gdiplus {

bool Graphics::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeleteGraphics(native_));
}

bool Graphics::Flush(int intention) {
  return Check(GdipFlush(native_, intention));
}

bool Graphics::FromHWND(HWND hwnd, int icm) {
  return Created(icm ? GdipCreateFromHWNDICM(hwnd, &native_) : GdipCreateFromHWND(hwnd, &native_),
                 native_);
}

bool Graphics::FromHDC(HDC hdc, HANDLE device) {
  LastStatus =
      device ? GdipCreateFromHDC2(hdc, device, &native_) : GdipCreateFromHDC(hdc, &native_);
  SetNativeBase(native_);
  return LastStatus == kOk;
}

bool Graphics::FromImage(const Image& image) {
  return Created(GdipGetImageGraphicsContext(NativeOf<GpImage>(image), &native_), native_);
}

HDC Graphics::GetDC() {
  HDC hdc = nullptr;
  return Value(GdipGetDC(native_, &hdc), hdc);
}

bool Graphics::ReleaseDC(HDC hdc) {
  return Check(GdipReleaseDC(native_, hdc));
}

bool Graphics::SetCompositingMode(int mode) {
  return Check(GdipSetCompositingMode(native_, mode));
}
int Graphics::GetCompositingMode() {
  INT value = 0;
  return Value(GdipGetCompositingMode(native_, &value), value);
}
bool Graphics::SetCompositingQuality(int quality) {
  return Check(GdipSetCompositingQuality(native_, quality));
}
int Graphics::GetCompositingQuality() {
  INT value = 0;
  return Value(GdipGetCompositingQuality(native_, &value), value);
}
bool Graphics::SetTextRenderingHint(int hint) {
  return Check(GdipSetTextRenderingHint(native_, hint));
}
int Graphics::GetTextRenderingHint() {
  INT value = 0;
  return Value(GdipGetTextRenderingHint(native_, &value), value);
}
bool Graphics::SetInterpolationMode(int mode) {
  return Check(GdipSetInterpolationMode(native_, mode));
}
int Graphics::GetInterpolationMode() {
  INT value = 0;
  return Value(GdipGetInterpolationMode(native_, &value), value);
}
bool Graphics::SetSmoothingMode(int mode) {
  return Check(GdipSetSmoothingMode(native_, mode));
}
int Graphics::GetSmoothingMode() {
  INT value = 0;
  return Value(GdipGetSmoothingMode(native_, &value), value);
}
bool Graphics::SetPixelOffsetMode(int mode) {
  return Check(GdipSetPixelOffsetMode(native_, mode));
}
int Graphics::GetPixelOffsetMode() {
  INT value = 0;
  return Value(GdipGetPixelOffsetMode(native_, &value), value);
}

bool Graphics::ResetWorldTransform() {
  return Check(GdipResetWorldTransform(native_));
}
bool Graphics::TranslateWorldTransform(REAL dx, REAL dy, int order) {
  return Check(GdipTranslateWorldTransform(native_, dx, dy, order));
}
bool Graphics::ScaleWorldTransform(REAL sx, REAL sy, int order) {
  return Check(GdipScaleWorldTransform(native_, sx, sy, order));
}
bool Graphics::ScaleAt(REAL sx, REAL sy, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateWorldTransform(dx, dy, order); },
      [&] { return ScaleWorldTransform(sx, sy, order); });
}
bool Graphics::RotateWorldTransform(REAL angle, int order) {
  return Check(GdipRotateWorldTransform(native_, angle, order));
}
bool Graphics::RotateAt(REAL angle, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateWorldTransform(dx, dy, order); },
      [&] { return RotateWorldTransform(angle, order); });
}
bool Graphics::SetPageUnit(int unit) {
  return Check(GdipSetPageUnit(native_, unit));
}
int Graphics::GetPageUnit() {
  INT value = 0;
  return Value(GdipGetPageUnit(native_, &value), value);
}
bool Graphics::SetPageScale(REAL scale) {
  return Check(GdipSetPageScale(native_, scale));
}
REAL Graphics::GetPageScale() {
  REAL value = 0;
  return Value(GdipGetPageScale(native_, &value), value);
}
REAL Graphics::GetDpiX() {
  REAL value = 0;
  return Value(GdipGetDpiX(native_, &value), value);
}
REAL Graphics::GetDpiY() {
  REAL value = 0;
  return Value(GdipGetDpiY(native_, &value), value);
}
bool Graphics::TransformPoints(int destSpace, int srcSpace, PointF* points, int count) {
  return Check(GdipTransformPoints(native_, destSpace, srcSpace, points, count));
}
bool Graphics::TransformPoints(int destSpace, int srcSpace, Point* points, int count) {
  return Check(GdipTransformPointsI(native_, destSpace, srcSpace, points, count));
}

bool Graphics::DrawLine(const Pen& pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  return Check(GdipDrawLine(native_, NativeOf<GpPen>(pen), x1, y1, x2, y2));
}
bool Graphics::DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2) {
  return Check(GdipDrawLineI(native_, NativeOf<GpPen>(pen), x1, y1, x2, y2));
}
bool Graphics::DrawLines(const Pen& pen, const PointF* points, int count) {
  return Check(GdipDrawLines(native_, NativeOf<GpPen>(pen), points, count));
}
bool Graphics::DrawLines(const Pen& pen, const Point* points, int count) {
  return Check(GdipDrawLinesI(native_, NativeOf<GpPen>(pen), points, count));
}
bool Graphics::DrawArc(const Pen& pen, REAL x, REAL y, REAL width, REAL height, REAL start,
                       REAL sweep) {
  return Check(GdipDrawArc(native_, NativeOf<GpPen>(pen), x, y, width, height, start, sweep));
}
bool Graphics::DrawArcI(const Pen& pen, int x, int y, int width, int height, REAL start,
                        REAL sweep) {
  return Check(GdipDrawArcI(native_, NativeOf<GpPen>(pen), x, y, width, height, start, sweep));
}
bool Graphics::DrawRectangle(const Pen& pen, REAL x, REAL y, REAL width, REAL height) {
  return Check(GdipDrawRectangle(native_, NativeOf<GpPen>(pen), x, y, width, height));
}
bool Graphics::DrawRectangleI(const Pen& pen, int x, int y, int width, int height) {
  return Check(GdipDrawRectangleI(native_, NativeOf<GpPen>(pen), x, y, width, height));
}
bool Graphics::DrawEllipse(const Pen& pen, REAL x, REAL y, REAL width, REAL height) {
  return Check(GdipDrawEllipse(native_, NativeOf<GpPen>(pen), x, y, width, height));
}
bool Graphics::DrawEllipseI(const Pen& pen, int x, int y, int width, int height) {
  return Check(GdipDrawEllipseI(native_, NativeOf<GpPen>(pen), x, y, width, height));
}
bool Graphics::DrawPolygon(const Pen& pen, const PointF* points, int count) {
  return Check(GdipDrawPolygon(native_, NativeOf<GpPen>(pen), points, count));
}
bool Graphics::DrawPolygon(const Pen& pen, const Point* points, int count) {
  return Check(GdipDrawPolygonI(native_, NativeOf<GpPen>(pen), points, count));
}
bool Graphics::DrawPath(const Pen& pen, const GraphicsPath& path) {
  return Check(GdipDrawPath(native_, NativeOf<GpPen>(pen), NativeOf<GpPath>(path)));
}

bool Graphics::Clear(ARGB color) {
  return Check(GdipGraphicsClear(native_, color));
}
bool Graphics::FillRectangle(const Brush& brush, REAL x, REAL y, REAL width, REAL height) {
  return Check(GdipFillRectangle(native_, NativeOf<GpBrush>(brush), x, y, width, height));
}
bool Graphics::FillRectangle(const Brush& brush, const RectF& rect) {
  return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}
bool Graphics::FillRectangleI(const Brush& brush, int x, int y, int width, int height) {
  return Check(GdipFillRectangleI(native_, NativeOf<GpBrush>(brush), x, y, width, height));
}
bool Graphics::FillPolygon(const Brush& brush, const PointF* points, int count, int fillMode) {
  return Check(GdipFillPolygon(native_, NativeOf<GpBrush>(brush), points, count, fillMode));
}
bool Graphics::FillPolygon(const Brush& brush, const Point* points, int count, int fillMode) {
  return Check(GdipFillPolygonI(native_, NativeOf<GpBrush>(brush), points, count, fillMode));
}
bool Graphics::FillEllipse(const Brush& brush, REAL x, REAL y, REAL width, REAL height) {
  return Check(GdipFillEllipse(native_, NativeOf<GpBrush>(brush), x, y, width, height));
}
bool Graphics::FillEllipseI(const Brush& brush, int x, int y, int width, int height) {
  return Check(GdipFillEllipseI(native_, NativeOf<GpBrush>(brush), x, y, width, height));
}
bool Graphics::FillPath(const Brush& brush, const GraphicsPath& path) {
  return Check(GdipFillPath(native_, NativeOf<GpBrush>(brush), NativeOf<GpPath>(path)));
}
bool Graphics::FillRegion(const Brush& brush, const Region& region) {
  return Check(GdipFillRegion(native_, NativeOf<GpBrush>(brush), NativeOf<GpRegion>(region)));
}

bool Graphics::DrawString(const char* text, const Font& font, const RectF& layout,
                          const StringFormat* format, const Brush& brush) {
  const WideText wide(text);
  return Check(GdipDrawString(native_, wide.Get(), wide.Length(), NativeOf<GpFont>(font), &layout,
                              NativeOf<GpStringFormat>(format), NativeOf<GpBrush>(brush)));
}
bool Graphics::DrawString(const WCHAR* text, const Font& font, const RectF& layout,
                          const StringFormat* format, const Brush& brush) {
  return Check(GdipDrawString(native_, text, text ? lstrlenW(text) : 0, NativeOf<GpFont>(font),
                              &layout, NativeOf<GpStringFormat>(format), NativeOf<GpBrush>(brush)));
}
bool Graphics::MeasureString(const char* text, const Font& font, const RectF& layout,
                             const StringFormat* format, RectF* bounds, int* codepointsFitted,
                             int* linesFilled) {
  const WideText wide(text);
  return MeasureString(wide.Get(), font, layout, format, bounds, codepointsFitted, linesFilled);
}
bool Graphics::MeasureString(const WCHAR* text, const Font& font, const RectF& layout,
                             const StringFormat* format, RectF* bounds, int* codepointsFitted,
                             int* linesFilled) {
  return Check(GdipMeasureString(native_, text, text ? lstrlenW(text) : 0, NativeOf<GpFont>(font),
                                 &layout, NativeOf<GpStringFormat>(format), bounds,
                                 codepointsFitted, linesFilled));
}

bool Graphics::MeasureRanges(const WCHAR* text, INT length, const Font& font, const RectF& layout,
                             const StringFormat& format, int count, Region* regions) {
  std::vector<GpRegion*> natives;
  for (int i = 0; i < count; ++i) {
    regions[i].Create();
    natives.push_back(NativeOf<GpRegion>(regions[i]));
  }
  return Check(GdipMeasureCharacterRanges(native_, text, length, NativeOf<GpFont>(font), &layout,
                                          NativeOf<GpStringFormat>(format), count, natives.data()));
}
bool Graphics::MeasureCharacterRanges(const char* text, const Font& font, const RectF& layout,
                                      const StringFormat& format, int count, Region* regions) {
  const WideText wide(text);
  return MeasureRanges(wide.Get(), wide.Length(), font, layout, format, count, regions);
}
bool Graphics::MeasureCharacterRanges(const WCHAR* text, const Font& font, const RectF& layout,
                                      const StringFormat& format, int count, Region* regions) {
  return MeasureRanges(text, text ? lstrlenW(text) : 0, font, layout, format, count, regions);
}

bool Graphics::DrawImage(const Image& image, REAL x, REAL y) {
  return Check(GdipDrawImage(native_, NativeOf<GpImage>(image), x, y));
}
bool Graphics::DrawImageI(const Image& image, int x, int y) {
  return Check(GdipDrawImageI(native_, NativeOf<GpImage>(image), x, y));
}
bool Graphics::DrawImageRect(const Image& image, REAL x, REAL y, REAL width, REAL height) {
  return Check(GdipDrawImageRect(native_, NativeOf<GpImage>(image), x, y, width, height));
}
bool Graphics::DrawImageRectI(const Image& image, int x, int y, int width, int height) {
  return Check(GdipDrawImageRectI(native_, NativeOf<GpImage>(image), x, y, width, height));
}
bool Graphics::DrawImageRectRect(const Image& image, REAL dstX, REAL dstY, REAL dstWidth,
                                 REAL dstHeight, REAL srcX, REAL srcY, REAL srcWidth,
                                 REAL srcHeight, int srcUnit) {
  return Check(GdipDrawImageRectRect(native_, NativeOf<GpImage>(image), dstX, dstY, dstWidth,
                                     dstHeight, srcX, srcY, srcWidth, srcHeight, srcUnit, nullptr,
                                     nullptr, nullptr));
}
bool Graphics::DrawImageRectRect(const Image& image, REAL dstX, REAL dstY, REAL dstWidth,
                                 REAL dstHeight, REAL srcX, REAL srcY, REAL srcWidth,
                                 REAL srcHeight, int srcUnit, const ImageAttributes& attributes) {
  return Check(GdipDrawImageRectRect(native_, NativeOf<GpImage>(image), dstX, dstY, dstWidth,
                                     dstHeight, srcX, srcY, srcWidth, srcHeight, srcUnit,
                                     attributes.native(), nullptr, nullptr));
}
bool Graphics::DrawImageRectRectI(const Image& image, int dstX, int dstY, int dstWidth,
                                  int dstHeight, int srcX, int srcY, int srcWidth, int srcHeight,
                                  int srcUnit) {
  return Check(GdipDrawImageRectRectI(native_, NativeOf<GpImage>(image), dstX, dstY, dstWidth,
                                      dstHeight, srcX, srcY, srcWidth, srcHeight, srcUnit, nullptr,
                                      nullptr, nullptr));
}

bool Graphics::SetClipPath(const GraphicsPath& path, int combineMode) {
  return Check(GdipSetClipPath(native_, NativeOf<GpPath>(path), combineMode));
}
bool Graphics::SetClipRect(REAL x, REAL y, REAL width, REAL height, int combineMode) {
  return Check(GdipSetClipRect(native_, x, y, width, height, combineMode));
}
bool Graphics::SetClipRectI(int x, int y, int width, int height, int combineMode) {
  return Check(GdipSetClipRectI(native_, x, y, width, height, combineMode));
}
bool Graphics::SetClipRegion(const Region& region, int combineMode) {
  return Check(GdipSetClipRegion(native_, NativeOf<GpRegion>(region), combineMode));
}
bool Graphics::ResetClip() {
  return Check(GdipResetClip(native_));
}
bool Graphics::GetClipBounds(RectF* bounds) {
  return Check(GdipGetClipBounds(native_, bounds));
}
bool Graphics::IsClipEmpty() {
  BOOL value = FALSE;
  return Value(GdipIsClipEmpty(native_, &value), value) != FALSE;
}
UINT Graphics::Save() {
  UINT state = 0;
  return Value(GdipSaveGraphics(native_, &state), state);
}
bool Graphics::Restore(UINT state) {
  return Check(GdipRestoreGraphics(native_, state));
}

}  // namespace gdiplus
