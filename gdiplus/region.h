#pragma once

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

class Graphics;
class GraphicsPath;

// An area of the plane (clipping, hit tests, measured character ranges).
class Region : public GdiplusObject {
 public:
  Region() = default;
  ~Region() override { Delete(); }
  Region(Region&& other) noexcept { Adopt(other); }
  Region& operator=(Region&& other) noexcept { return MoveFrom(other); }
  Region Share() const { return ShareOf(*this); }

  GpRegion* native() const { return native_; }

  bool Delete();
  // An infinite region.
  bool Create();
  bool Create(const RectF& rect);
  bool Create(const Rect& rect);
  bool Create(const GraphicsPath& path);
  bool Create(HRGN hrgn);
  bool Clone(Region* target) const;
  bool SetInfinite();
  bool SetEmpty();
  // mode: 0 replace, 1 intersect, 2 union, 3 xor, 4 exclude, 5 complement.
  bool Combine(const RectF& rect, int mode);
  bool Combine(const Rect& rect, int mode);
  bool Combine(const Region& other, int mode);
  bool Combine(const GraphicsPath& path, int mode);
  bool Translate(REAL dx, REAL dy);
  bool TranslateI(int dx, int dy);
  bool GetBounds(const Graphics& graphics, RectF* bounds);
  bool GetBounds(const Graphics& graphics, Rect* bounds);
  // A GDI region of the same area (0 on failure); the caller deletes it.
  HRGN GetHRgn(const Graphics& graphics);
  bool IsEmpty(const Graphics& graphics);
  bool IsInfinite(const Graphics& graphics);
  bool IsEqual(const Region& other, const Graphics& graphics);
  bool IsVisiblePoint(REAL x, REAL y, const Graphics* graphics = nullptr);
  bool IsVisiblePointI(int x, int y, const Graphics* graphics = nullptr);

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpRegion*>(handle); }

 private:
  GpRegion* native_ = nullptr;
};

}  // namespace gdiplus
