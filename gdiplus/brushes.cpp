#include "gdiplus/brushes.h"

#include "gdiplus/graphics_path.h"

namespace gdiplus {

bool Brush::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeleteBrush(native_));
}

int Brush::GetType() {
  INT value = 0;
  return Value(GdipGetBrushType(native_, &value), value);
}

bool Brush::CloneInto(Brush* target) const {
  GpBrush* clone = nullptr;
  LastStatus = GdipCloneBrush(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

// Solid.

bool SolidBrush::Create(ARGB color) {
  return Created(GdipCreateSolidFill(color, &fill_), fill_);
}

bool SolidBrush::SetColor(ARGB color) {
  return Check(GdipSetSolidFillColor(fill_, color));
}

ARGB SolidBrush::GetColor() {
  ARGB value = 0;
  return Value(GdipGetSolidFillColor(fill_, &value), value);
}

// Linear gradient.

bool LinearGradientBrush::Create(const PointF& point1, const PointF& point2, ARGB color1,
                                 ARGB color2, int wrapMode) {
  return Created(GdipCreateLineBrush(&point1, &point2, color1, color2, wrapMode, &line_), line_);
}
bool LinearGradientBrush::Create(const Point& point1, const Point& point2, ARGB color1, ARGB color2,
                                 int wrapMode) {
  return Created(GdipCreateLineBrushI(&point1, &point2, color1, color2, wrapMode, &line_), line_);
}
bool LinearGradientBrush::CreateFromRect(const RectF& rect, ARGB color1, ARGB color2, int mode,
                                         int wrapMode) {
  return Created(GdipCreateLineBrushFromRect(&rect, color1, color2, mode, wrapMode, &line_), line_);
}
bool LinearGradientBrush::CreateFromRect(const Rect& rect, ARGB color1, ARGB color2, int mode,
                                         int wrapMode) {
  return Created(GdipCreateLineBrushFromRectI(&rect, color1, color2, mode, wrapMode, &line_),
                 line_);
}
bool LinearGradientBrush::SetColors(ARGB color1, ARGB color2) {
  return Check(GdipSetLineColors(line_, color1, color2));
}
bool LinearGradientBrush::GetColors(ARGB colors[2]) {
  return Check(GdipGetLineColors(line_, colors));
}
bool LinearGradientBrush::GetRect(RectF* rect) {
  return Check(GdipGetLineRect(line_, rect));
}
bool LinearGradientBrush::GetRect(Rect* rect) {
  return Check(GdipGetLineRectI(line_, rect));
}
bool LinearGradientBrush::SetGammaCorrection(bool useGamma) {
  return Check(GdipSetLineGammaCorrection(line_, useGamma ? TRUE : FALSE));
}
bool LinearGradientBrush::SetBlend(const REAL* factors, const REAL* positions, int count) {
  return Check(GdipSetLineBlend(line_, factors, positions, count));
}
bool LinearGradientBrush::SetPresetBlend(const ARGB* colors, const REAL* positions, int count) {
  return Check(GdipSetLinePresetBlend(line_, colors, positions, count));
}
bool LinearGradientBrush::SetSigmaBlend(REAL focus, REAL scale) {
  return Check(GdipSetLineSigmaBlend(line_, focus, scale));
}
bool LinearGradientBrush::SetLinearBlend(REAL focus, REAL scale) {
  return Check(GdipSetLineLinearBlend(line_, focus, scale));
}
bool LinearGradientBrush::SetWrapMode(int wrapMode) {
  return Check(GdipSetLineWrapMode(line_, wrapMode));
}
int LinearGradientBrush::GetWrapMode() {
  INT value = 0;
  return Value(GdipGetLineWrapMode(line_, &value), value);
}
bool LinearGradientBrush::ResetTransform() {
  return Check(GdipResetLineTransform(line_));
}
bool LinearGradientBrush::TranslateTransform(REAL dx, REAL dy, int order) {
  return Check(GdipTranslateLineTransform(line_, dx, dy, order));
}
bool LinearGradientBrush::ScaleTransform(REAL sx, REAL sy, int order) {
  return Check(GdipScaleLineTransform(line_, sx, sy, order));
}
bool LinearGradientBrush::ScaleAt(REAL sx, REAL sy, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateTransform(dx, dy, order); },
      [&] { return ScaleTransform(sx, sy, order); });
}
bool LinearGradientBrush::RotateTransform(REAL angle, int order) {
  return Check(GdipRotateLineTransform(line_, angle, order));
}
bool LinearGradientBrush::RotateAt(REAL angle, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateTransform(dx, dy, order); },
      [&] { return RotateTransform(angle, order); });
}

// Path gradient.

bool PathGradientBrush::Create(const PointF* points, int count, int wrapMode) {
  return Created(GdipCreatePathGradient(points, count, wrapMode, &path_), path_);
}
bool PathGradientBrush::Create(const Point* points, int count, int wrapMode) {
  return Created(GdipCreatePathGradientI(points, count, wrapMode, &path_), path_);
}
bool PathGradientBrush::CreateFromPath(const GraphicsPath& path) {
  return Created(GdipCreatePathGradientFromPath(NativeOf<GpPath>(path), &path_), path_);
}
bool PathGradientBrush::SetCenterColor(ARGB color) {
  return Check(GdipSetPathGradientCenterColor(path_, color));
}
ARGB PathGradientBrush::GetCenterColor() {
  ARGB value = 0;
  return Value(GdipGetPathGradientCenterColor(path_, &value), value);
}
int PathGradientBrush::GetPointCount() {
  INT value = 0;
  return Value(GdipGetPathGradientPointCount(path_, &value), value);
}
int PathGradientBrush::GetSurroundColorCount() {
  INT value = 0;
  return Value(GdipGetPathGradientSurroundColorCount(path_, &value), value);
}
bool PathGradientBrush::SetSurroundColors(const ARGB* colors, int* count) {
  return Check(GdipSetPathGradientSurroundColorsWithCount(path_, colors, count));
}
bool PathGradientBrush::GetSurroundColors(ARGB* colors, int* count) {
  return Check(GdipGetPathGradientSurroundColorsWithCount(path_, colors, count));
}
bool PathGradientBrush::SetCenterPoint(const PointF& point) {
  return Check(GdipSetPathGradientCenterPoint(path_, &point));
}
bool PathGradientBrush::SetCenterPoint(const Point& point) {
  return Check(GdipSetPathGradientCenterPointI(path_, &point));
}
bool PathGradientBrush::GetCenterPoint(PointF* point) {
  return Check(GdipGetPathGradientCenterPoint(path_, point));
}
bool PathGradientBrush::GetRect(RectF* rect) {
  return Check(GdipGetPathGradientRect(path_, rect));
}
bool PathGradientBrush::SetFocusScales(REAL xScale, REAL yScale) {
  return Check(GdipSetPathGradientFocusScales(path_, xScale, yScale));
}
bool PathGradientBrush::SetLinearBlend(REAL focus, REAL scale) {
  return Check(GdipSetPathGradientLinearBlend(path_, focus, scale));
}
bool PathGradientBrush::SetWrapMode(int wrapMode) {
  return Check(GdipSetPathGradientWrapMode(path_, wrapMode));
}
bool PathGradientBrush::ResetTransform() {
  return Check(GdipResetPathGradientTransform(path_));
}
bool PathGradientBrush::TranslateTransform(REAL dx, REAL dy, int order) {
  return Check(GdipTranslatePathGradientTransform(path_, dx, dy, order));
}
bool PathGradientBrush::ScaleTransform(REAL sx, REAL sy, int order) {
  return Check(GdipScalePathGradientTransform(path_, sx, sy, order));
}
bool PathGradientBrush::ScaleAt(REAL sx, REAL sy, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateTransform(dx, dy, order); },
      [&] { return ScaleTransform(sx, sy, order); });
}
bool PathGradientBrush::RotateTransform(REAL angle, int order) {
  return Check(GdipRotatePathGradientTransform(path_, angle, order));
}
bool PathGradientBrush::RotateAt(REAL angle, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateTransform(dx, dy, order); },
      [&] { return RotateTransform(angle, order); });
}

}  // namespace gdiplus
