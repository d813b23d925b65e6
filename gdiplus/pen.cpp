#include "gdiplus/pen.h"

#include "gdiplus/brushes.h"

namespace gdiplus {

bool Pen::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeletePen(native_));
}

bool Pen::Create(ARGB color, REAL width, int unit) {
  return Created(GdipCreatePen1(color, width, unit, &native_), native_);
}

bool Pen::Create(const Brush& brush, REAL width, int unit) {
  return Created(GdipCreatePen2(NativeOf<GpBrush>(brush), width, unit, &native_), native_);
}

bool Pen::Clone(Pen* target) const {
  GpPen* clone = nullptr;
  LastStatus = GdipClonePen(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

bool Pen::SetWidth(REAL width) {
  return Check(GdipSetPenWidth(native_, width));
}
REAL Pen::GetWidth() {
  REAL value = 0;
  return Value(GdipGetPenWidth(native_, &value), value);
}
bool Pen::SetUnit(int unit) {
  return Check(GdipSetPenUnit(native_, unit));
}
int Pen::GetUnit() {
  INT value = 0;
  return Value(GdipGetPenUnit(native_, &value), value);
}
bool Pen::SetStartCap(int cap) {
  return Check(GdipSetPenStartCap(native_, cap));
}
bool Pen::SetEndCap(int cap) {
  return Check(GdipSetPenEndCap(native_, cap));
}
bool Pen::SetLineJoin(int join) {
  return Check(GdipSetPenLineJoin(native_, join));
}
int Pen::GetLineJoin() {
  INT value = 0;
  return Value(GdipGetPenLineJoin(native_, &value), value);
}
bool Pen::ResetTransform() {
  return Check(GdipResetPenTransform(native_));
}
bool Pen::TranslateTransform(REAL dx, REAL dy, int order) {
  return Check(GdipTranslatePenTransform(native_, dx, dy, order));
}
bool Pen::ScaleTransform(REAL sx, REAL sy, int order) {
  return Check(GdipScalePenTransform(native_, sx, sy, order));
}
bool Pen::ScaleAt(REAL sx, REAL sy, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateTransform(dx, dy, order); },
      [&] { return ScaleTransform(sx, sy, order); });
}
bool Pen::RotateTransform(REAL angle, int order) {
  return Check(GdipRotatePenTransform(native_, angle, order));
}
bool Pen::RotateAt(REAL angle, const PointF& centre, int order) {
  return AroundCentre(
      centre, order, [&](REAL dx, REAL dy) { return TranslateTransform(dx, dy, order); },
      [&] { return RotateTransform(angle, order); });
}
bool Pen::SetColor(ARGB color) {
  return Check(GdipSetPenColor(native_, color));
}
ARGB Pen::GetColor() {
  ARGB value = 0;
  return Value(GdipGetPenColor(native_, &value), value);
}
int Pen::GetFillType() {
  INT value = 0;
  return Value(GdipGetPenFillType(native_, &value), value);
}
bool Pen::SetDashStyle(int style) {
  return Check(GdipSetPenDashStyle(native_, style));
}
int Pen::GetDashStyle() {
  INT value = 0;
  return Value(GdipGetPenDashStyle(native_, &value), value);
}

}  // namespace gdiplus
