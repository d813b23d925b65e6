#include "gdiplus/region.h"

#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"

namespace gdiplus {

bool Region::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeleteRegion(native_));
}

bool Region::Create() {
  return Created(GdipCreateRegion(&native_), native_);
}
bool Region::Create(const RectF& rect) {
  return Created(GdipCreateRegionRect(&rect, &native_), native_);
}
bool Region::Create(const Rect& rect) {
  return Created(GdipCreateRegionRectI(&rect, &native_), native_);
}
bool Region::Create(const GraphicsPath& path) {
  return Created(GdipCreateRegionPath(NativeOf<GpPath>(path), &native_), native_);
}
bool Region::Create(HRGN hrgn) {
  return Created(GdipCreateRegionHrgn(hrgn, &native_), native_);
}

bool Region::Clone(Region* target) const {
  GpRegion* clone = nullptr;
  LastStatus = GdipCloneRegion(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

bool Region::SetInfinite() {
  return Check(GdipSetInfinite(native_));
}
bool Region::SetEmpty() {
  return Check(GdipSetEmpty(native_));
}
bool Region::Combine(const RectF& rect, int mode) {
  return Check(GdipCombineRegionRect(native_, &rect, mode));
}
bool Region::Combine(const Rect& rect, int mode) {
  return Check(GdipCombineRegionRectI(native_, &rect, mode));
}
bool Region::Combine(const Region& other, int mode) {
  return Check(GdipCombineRegionRegion(native_, other.native_, mode));
}
bool Region::Combine(const GraphicsPath& path, int mode) {
  return Check(GdipCombineRegionPath(native_, NativeOf<GpPath>(path), mode));
}
bool Region::Translate(REAL dx, REAL dy) {
  return Check(GdipTranslateRegion(native_, dx, dy));
}
bool Region::TranslateI(int dx, int dy) {
  return Check(GdipTranslateRegionI(native_, dx, dy));
}
bool Region::GetBounds(const Graphics& graphics, RectF* bounds) {
  return Check(GdipGetRegionBounds(native_, NativeOf<GpGraphics>(graphics), bounds));
}
bool Region::GetBounds(const Graphics& graphics, Rect* bounds) {
  return Check(GdipGetRegionBoundsI(native_, NativeOf<GpGraphics>(graphics), bounds));
}
HRGN Region::GetHRgn(const Graphics& graphics) {
  HRGN value = nullptr;
  return Value(GdipGetRegionHRgn(native_, NativeOf<GpGraphics>(graphics), &value), value);
}
bool Region::IsEmpty(const Graphics& graphics) {
  BOOL value = FALSE;
  return Value(GdipIsEmptyRegion(native_, NativeOf<GpGraphics>(graphics), &value), value) != FALSE;
}
bool Region::IsInfinite(const Graphics& graphics) {
  BOOL value = FALSE;
  return Value(GdipIsInfiniteRegion(native_, NativeOf<GpGraphics>(graphics), &value), value) !=
         FALSE;
}
bool Region::IsEqual(const Region& other, const Graphics& graphics) {
  BOOL value = FALSE;
  return Value(GdipIsEqualRegion(native_, other.native_, NativeOf<GpGraphics>(graphics), &value),
               value) != FALSE;
}
bool Region::IsVisiblePoint(REAL x, REAL y, const Graphics* graphics) {
  BOOL value = FALSE;
  return Value(GdipIsVisibleRegionPoint(native_, x, y, NativeOf<GpGraphics>(graphics), &value),
               value) != FALSE;
}
bool Region::IsVisiblePointI(int x, int y, const Graphics* graphics) {
  BOOL value = FALSE;
  return Value(GdipIsVisibleRegionPointI(native_, x, y, NativeOf<GpGraphics>(graphics), &value),
               value) != FALSE;
}

}  // namespace gdiplus
