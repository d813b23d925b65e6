#pragma once

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

class GraphicsPath;

// What every brush shares: GpBrush* as its first-level pointer. The concrete
// brushes keep one more copy, typed for their own flat functions.
class Brush : public GdiplusObject {
 public:
  ~Brush() override { Delete(); }

  GpBrush* native() const { return native_; }

  bool Delete();
  // GDI+'s brush type (0 solid, 3 path gradient, 4 linear gradient).
  int GetType();

 protected:
  Brush() = default;
  void SetNative(void* handle) override {
    native_ = static_cast<GpBrush*>(handle);
    SetNativeDerived(handle);
  }
  // Empty here: while a Brush is being destroyed its derived part is gone.
  virtual void SetNativeDerived(void* /*handle*/) {}
  // A GDI+ clone of this brush into target (any brush class of the same kind).
  bool CloneInto(Brush* target) const;

 private:
  GpBrush* native_ = nullptr;
};

class SolidBrush : public Brush {
 public:
  SolidBrush() = default;
  SolidBrush(SolidBrush&& other) noexcept { Adopt(other); }
  SolidBrush& operator=(SolidBrush&& other) noexcept { return MoveFrom(other); }
  SolidBrush Share() const { return ShareOf(*this); }

  bool Clone(SolidBrush* target) const { return CloneInto(target); }
  bool Create(ARGB color);
  bool SetColor(ARGB color);
  ARGB GetColor();

 protected:
  void SetNativeDerived(void* handle) override { fill_ = static_cast<GpSolidFill*>(handle); }

 private:
  GpSolidFill* fill_ = nullptr;
};

class LinearGradientBrush : public Brush {
 public:
  LinearGradientBrush() = default;
  LinearGradientBrush(LinearGradientBrush&& other) noexcept { Adopt(other); }
  LinearGradientBrush& operator=(LinearGradientBrush&& other) noexcept { return MoveFrom(other); }
  LinearGradientBrush Share() const { return ShareOf(*this); }

  bool Clone(LinearGradientBrush* target) const { return CloneInto(target); }
  // Colour 1 at point 1, colour 2 at point 2.
  bool Create(const PointF& point1, const PointF& point2, ARGB color1, ARGB color2,
              int wrapMode = kWrapModeTile);
  bool Create(const Point& point1, const Point& point2, ARGB color1, ARGB color2,
              int wrapMode = kWrapModeTile);
  // mode: 0 horizontal, 1 vertical, 2 forward diagonal, 3 backward diagonal.
  bool CreateFromRect(const RectF& rect, ARGB color1, ARGB color2, int mode,
                      int wrapMode = kWrapModeTile);
  bool CreateFromRect(const Rect& rect, ARGB color1, ARGB color2, int mode,
                      int wrapMode = kWrapModeTile);
  bool SetColors(ARGB color1, ARGB color2);
  // colors receives two values.
  bool GetColors(ARGB colors[2]);
  bool GetRect(RectF* rect);
  bool GetRect(Rect* rect);
  bool SetGammaCorrection(bool useGamma);
  bool SetBlend(const REAL* factors, const REAL* positions, int count);
  bool SetPresetBlend(const ARGB* colors, const REAL* positions, int count);
  bool SetSigmaBlend(REAL focus, REAL scale);
  bool SetLinearBlend(REAL focus, REAL scale);
  bool SetWrapMode(int wrapMode);
  int GetWrapMode();
  bool ResetTransform();
  bool TranslateTransform(REAL dx, REAL dy, int order = kMatrixOrderPrepend);
  bool ScaleTransform(REAL sx, REAL sy, int order = kMatrixOrderPrepend);
  bool ScaleAt(REAL sx, REAL sy, const PointF& centre, int order = kMatrixOrderPrepend);
  bool RotateTransform(REAL angle, int order = kMatrixOrderPrepend);
  bool RotateAt(REAL angle, const PointF& centre, int order = kMatrixOrderPrepend);

 protected:
  void SetNativeDerived(void* handle) override { line_ = static_cast<GpLineGradient*>(handle); }

 private:
  GpLineGradient* line_ = nullptr;
};

class PathGradientBrush : public Brush {
 public:
  PathGradientBrush() = default;
  PathGradientBrush(PathGradientBrush&& other) noexcept { Adopt(other); }
  PathGradientBrush& operator=(PathGradientBrush&& other) noexcept { return MoveFrom(other); }
  PathGradientBrush Share() const { return ShareOf(*this); }

  bool Clone(PathGradientBrush* target) const { return CloneInto(target); }
  bool Create(const PointF* points, int count, int wrapMode = kWrapModeTile);
  bool Create(const Point* points, int count, int wrapMode = kWrapModeTile);
  bool CreateFromPath(const GraphicsPath& path);
  bool SetCenterColor(ARGB color);
  ARGB GetCenterColor();
  int GetPointCount();
  int GetSurroundColorCount();
  // count: in, the colours given; out, the colours taken.
  bool SetSurroundColors(const ARGB* colors, int* count);
  bool GetSurroundColors(ARGB* colors, int* count);
  bool SetCenterPoint(const PointF& point);
  bool SetCenterPoint(const Point& point);
  bool GetCenterPoint(PointF* point);
  bool GetRect(RectF* rect);
  bool SetFocusScales(REAL xScale, REAL yScale);
  bool SetLinearBlend(REAL focus, REAL scale);
  bool SetWrapMode(int wrapMode);
  bool ResetTransform();
  bool TranslateTransform(REAL dx, REAL dy, int order = kMatrixOrderPrepend);
  bool ScaleTransform(REAL sx, REAL sy, int order = kMatrixOrderPrepend);
  bool ScaleAt(REAL sx, REAL sy, const PointF& centre, int order = kMatrixOrderPrepend);
  bool RotateTransform(REAL angle, int order = kMatrixOrderPrepend);
  bool RotateAt(REAL angle, const PointF& centre, int order = kMatrixOrderPrepend);

 protected:
  void SetNativeDerived(void* handle) override { path_ = static_cast<GpPathGradient*>(handle); }

 private:
  GpPathGradient* path_ = nullptr;
};

}  // namespace gdiplus
