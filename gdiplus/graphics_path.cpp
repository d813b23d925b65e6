#include "gdiplus/graphics_path.h"

#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/pen.h"
#include "gdiplus/string_format.h"

namespace gdiplus {

bool GraphicsPath::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeletePath(native_));
}

bool GraphicsPath::Create(int fillMode) {
  return Created(GdipCreatePath(fillMode, &native_), native_);
}

bool GraphicsPath::Clone(GraphicsPath* target) const {
  GpPath* clone = nullptr;
  LastStatus = GdipClonePath(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

bool GraphicsPath::Reset() {
  return Check(GdipResetPath(native_));
}
int GraphicsPath::GetFillMode() {
  INT value = 0;
  return Value(GdipGetPathFillMode(native_, &value), value);
}
bool GraphicsPath::SetFillMode(int fillMode) {
  return Check(GdipSetPathFillMode(native_, fillMode));
}
int GraphicsPath::GetPointCount() {
  INT value = 0;
  return Value(GdipGetPointCount(native_, &value), value);
}
bool GraphicsPath::GetPoints(PointF* points, int count) {
  return Check(GdipGetPathPoints(native_, points, count));
}
bool GraphicsPath::GetPoints(Point* points, int count) {
  return Check(GdipGetPathPointsI(native_, points, count));
}
bool GraphicsPath::StartFigure() {
  return Check(GdipStartPathFigure(native_));
}
bool GraphicsPath::CloseFigure() {
  return Check(GdipClosePathFigure(native_));
}
bool GraphicsPath::CloseAllFigures() {
  return Check(GdipClosePathFigures(native_));
}

bool GraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
  return Check(GdipAddPathLine(native_, x1, y1, x2, y2));
}
bool GraphicsPath::AddLineI(int x1, int y1, int x2, int y2) {
  return Check(GdipAddPathLineI(native_, x1, y1, x2, y2));
}
bool GraphicsPath::AddLines(const PointF* points, int count) {
  return Check(GdipAddPathLine2(native_, points, count));
}
bool GraphicsPath::AddLines(const Point* points, int count) {
  return Check(GdipAddPathLine2I(native_, points, count));
}
bool GraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL start, REAL sweep) {
  return Check(GdipAddPathArc(native_, x, y, width, height, start, sweep));
}
bool GraphicsPath::AddArcI(int x, int y, int width, int height, REAL start, REAL sweep) {
  return Check(GdipAddPathArcI(native_, x, y, width, height, start, sweep));
}
bool GraphicsPath::AddRectangle(REAL x, REAL y, REAL width, REAL height) {
  return Check(GdipAddPathRectangle(native_, x, y, width, height));
}
bool GraphicsPath::AddRectangleI(int x, int y, int width, int height) {
  return Check(GdipAddPathRectangleI(native_, x, y, width, height));
}

bool GraphicsPath::AddRoundRectangle(REAL x, REAL y, REAL width, REAL height, int percent) {
  if (percent < 1) percent = 1;
  if (percent > 100) percent = 100;
  // Whole units, as the corner boxes have always been sized.
  const REAL ew = static_cast<REAL>(static_cast<int>(width * static_cast<REAL>(percent) / 100));
  const REAL eh = static_cast<REAL>(static_cast<int>(height * static_cast<REAL>(percent) / 100));
  const REAL right = x + width;
  const REAL bottom = y + height;
  GdipAddPathArc(native_, right - ew, y, ew, eh, 270, 90);
  GdipAddPathArc(native_, right - ew, bottom - eh, ew, eh, 0, 90);
  GdipAddPathArc(native_, x, bottom - eh, ew, eh, 90, 90);
  GdipAddPathArc(native_, x, y, ew, eh, 180, 90);
  return Check(GdipClosePathFigure(native_));
}

bool GraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height) {
  return Check(GdipAddPathEllipse(native_, x, y, width, height));
}
bool GraphicsPath::AddEllipseI(int x, int y, int width, int height) {
  return Check(GdipAddPathEllipseI(native_, x, y, width, height));
}
bool GraphicsPath::AddPie(REAL x, REAL y, REAL width, REAL height, REAL start, REAL sweep) {
  return Check(GdipAddPathPie(native_, x, y, width, height, start, sweep));
}
bool GraphicsPath::AddPolygon(const PointF* points, int count) {
  return Check(GdipAddPathPolygon(native_, points, count));
}
bool GraphicsPath::AddPolygon(const Point* points, int count) {
  return Check(GdipAddPathPolygonI(native_, points, count));
}
bool GraphicsPath::AddPath(const GraphicsPath& other, bool connect) {
  return Check(GdipAddPathPath(native_, other.native_, connect ? TRUE : FALSE));
}
bool GraphicsPath::AddString(const char* text, const FontFamily& family, int style, REAL emSize,
                             const RectF& layout, const StringFormat* format) {
  const WideText wide(text);
  return Check(GdipAddPathString(native_, wide.Get(), wide.Length(), NativeOf<GpFontFamily>(family),
                                 style, emSize, &layout, NativeOf<GpStringFormat>(format)));
}
bool GraphicsPath::AddString(const WCHAR* text, const FontFamily& family, int style, REAL emSize,
                             const RectF& layout, const StringFormat* format) {
  return Check(GdipAddPathString(native_, text, text ? lstrlenW(text) : 0,
                                 NativeOf<GpFontFamily>(family), style, emSize, &layout,
                                 NativeOf<GpStringFormat>(format)));
}
bool GraphicsPath::AddStringI(const char* text, const FontFamily& family, int style, REAL emSize,
                              const Rect& layout, const StringFormat* format) {
  const WideText wide(text);
  return Check(GdipAddPathStringI(native_, wide.Get(), wide.Length(),
                                  NativeOf<GpFontFamily>(family), style, emSize, &layout,
                                  NativeOf<GpStringFormat>(format)));
}
bool GraphicsPath::AddStringI(const WCHAR* text, const FontFamily& family, int style, REAL emSize,
                              const Rect& layout, const StringFormat* format) {
  return Check(GdipAddPathStringI(native_, text, text ? lstrlenW(text) : 0,
                                  NativeOf<GpFontFamily>(family), style, emSize, &layout,
                                  NativeOf<GpStringFormat>(format)));
}

bool GraphicsPath::GetWorldBounds(RectF* bounds, const Pen* pen) {
  return Check(GdipGetPathWorldBounds(native_, bounds, nullptr, NativeOf<GpPen>(pen)));
}
bool GraphicsPath::GetWorldBounds(Rect* bounds, const Pen* pen) {
  return Check(GdipGetPathWorldBoundsI(native_, bounds, nullptr, NativeOf<GpPen>(pen)));
}
bool GraphicsPath::IsVisiblePoint(REAL x, REAL y, const Graphics* graphics) {
  BOOL value = FALSE;
  return Value(GdipIsVisiblePathPoint(native_, x, y, NativeOf<GpGraphics>(graphics), &value),
               value) != FALSE;
}
bool GraphicsPath::IsVisiblePointI(int x, int y, const Graphics* graphics) {
  BOOL value = FALSE;
  return Value(GdipIsVisiblePathPointI(native_, x, y, NativeOf<GpGraphics>(graphics), &value),
               value) != FALSE;
}

}  // namespace gdiplus
