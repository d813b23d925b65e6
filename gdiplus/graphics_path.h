#pragma once

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

class FontFamily;
class StringFormat;
class Graphics;
class Pen;

// A GDI+ path (shapes as in Graphics).
class GraphicsPath : public GdiplusObject {
 public:
  GraphicsPath() = default;
  ~GraphicsPath() override { Delete(); }
  GraphicsPath(GraphicsPath&& other) noexcept { Adopt(other); }
  GraphicsPath& operator=(GraphicsPath&& other) noexcept { return MoveFrom(other); }
  GraphicsPath Share() const { return ShareOf(*this); }

  GpPath* native() const { return native_; }

  bool Delete();
  bool Create(int fillMode = kFillModeAlternate);
  // A new path object with this one's figures, held by target.
  bool Clone(GraphicsPath* target) const;
  bool Reset();
  int GetFillMode();
  bool SetFillMode(int fillMode);
  int GetPointCount();
  // Fills points[0..count); count should come from GetPointCount.
  bool GetPoints(PointF* points, int count);
  bool GetPoints(Point* points, int count);
  bool StartFigure();
  bool CloseFigure();
  bool CloseAllFigures();

  bool AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
  bool AddLineI(int x1, int y1, int x2, int y2);
  bool AddLines(const PointF* points, int count);
  bool AddLines(const Point* points, int count);
  bool AddArc(REAL x, REAL y, REAL width, REAL height, REAL start, REAL sweep);
  bool AddArcI(int x, int y, int width, int height, REAL start, REAL sweep);
  bool AddRectangle(REAL x, REAL y, REAL width, REAL height);
  bool AddRectangleI(int x, int y, int width, int height);
  // A rectangle whose corners are quarter ellipses of percent (1..100, clamped)
  // of the width and height; the figure is closed.
  bool AddRoundRectangle(REAL x, REAL y, REAL width, REAL height, int percent);
  bool AddEllipse(REAL x, REAL y, REAL width, REAL height);
  bool AddEllipseI(int x, int y, int width, int height);
  bool AddPie(REAL x, REAL y, REAL width, REAL height, REAL start, REAL sweep);
  bool AddPolygon(const PointF* points, int count);
  bool AddPolygon(const Point* points, int count);
  bool AddPath(const GraphicsPath& other, bool connect);
  bool AddString(const char* text, const FontFamily& family, int style, REAL emSize,
                 const RectF& layout, const StringFormat* format);
  bool AddString(const WCHAR* text, const FontFamily& family, int style, REAL emSize,
                 const RectF& layout, const StringFormat* format);
  bool AddStringI(const char* text, const FontFamily& family, int style, REAL emSize,
                  const Rect& layout, const StringFormat* format);
  bool AddStringI(const WCHAR* text, const FontFamily& family, int style, REAL emSize,
                  const Rect& layout, const StringFormat* format);

  // Bounds in world units; a pen widens them by its outline.
  bool GetWorldBounds(RectF* bounds, const Pen* pen = nullptr);
  bool GetWorldBounds(Rect* bounds, const Pen* pen = nullptr);
  bool IsVisiblePoint(REAL x, REAL y, const Graphics* graphics = nullptr);
  bool IsVisiblePointI(int x, int y, const Graphics* graphics = nullptr);

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpPath*>(handle); }

 private:
  GpPath* native_ = nullptr;
};

}  // namespace gdiplus
