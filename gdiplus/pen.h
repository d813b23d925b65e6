#pragma once

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

class Brush;

// A GDI+ pen.
class Pen : public GdiplusObject {
 public:
  Pen() = default;
  ~Pen() override { Delete(); }
  Pen(Pen&& other) noexcept { Adopt(other); }
  Pen& operator=(Pen&& other) noexcept { return MoveFrom(other); }
  Pen Share() const { return ShareOf(*this); }

  GpPen* native() const { return native_; }

  bool Delete();
  // A solid pen of one colour.
  bool Create(ARGB color, REAL width, int unit = kUnitWorld);
  // A pen that paints with a brush.
  bool Create(const Brush& brush, REAL width, int unit = kUnitWorld);
  bool Clone(Pen* target) const;
  bool SetWidth(REAL width);
  REAL GetWidth();
  bool SetUnit(int unit);
  int GetUnit();
  bool SetStartCap(int cap);
  bool SetEndCap(int cap);
  bool SetLineJoin(int join);
  int GetLineJoin();
  bool ResetTransform();
  bool TranslateTransform(REAL dx, REAL dy, int order = kMatrixOrderPrepend);
  bool ScaleTransform(REAL sx, REAL sy, int order = kMatrixOrderPrepend);
  bool ScaleAt(REAL sx, REAL sy, const PointF& centre, int order = kMatrixOrderPrepend);
  bool RotateTransform(REAL angle, int order = kMatrixOrderPrepend);
  bool RotateAt(REAL angle, const PointF& centre, int order = kMatrixOrderPrepend);
  bool SetColor(ARGB color);
  ARGB GetColor();
  int GetFillType();
  bool SetDashStyle(int style);
  int GetDashStyle();

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpPen*>(handle); }

 private:
  GpPen* native_ = nullptr;
};

}  // namespace gdiplus
