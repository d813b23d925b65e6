#pragma once

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

class Pen;
class Brush;
class Font;
class StringFormat;
class GraphicsPath;
class Image;
class ImageAttributes;
class Region;

// A GDI+ drawing surface over a window, a DC or an image.
//
// Result shapes (shared by every wrapper class): creation methods and actions
// return true when GDI+ said Ok; single-value getters return the value, 0
// when the call failed; record getters fill the caller's record. Every call
// leaves its status in LastStatus. Point arrays are the caller's own arrays,
// handed to GDI+ in place, so out arrays come back filled. Text comes as ANSI
// (converted with WideText) or as UTF-16 (passed on as it is).
class Graphics : public GdiplusObject {
 public:
  Graphics() = default;
  ~Graphics() override { Delete(); }
  Graphics(Graphics&& other) noexcept { Adopt(other); }
  Graphics& operator=(Graphics&& other) noexcept { return MoveFrom(other); }
  // A second wrapper over the same GDI+ object (see GdiplusObject).
  Graphics Share() const { return ShareOf(*this); }

  GpGraphics* native() const { return native_; }

  bool Delete();
  bool Flush(int intention = 0);
  bool FromHWND(HWND hwnd, int icm = 0);
  bool FromHDC(HDC hdc, HANDLE device = nullptr);
  bool FromImage(const Image& image);
  HDC GetDC();
  bool ReleaseDC(HDC hdc);

  bool SetCompositingMode(int mode);
  int GetCompositingMode();
  bool SetCompositingQuality(int quality);
  int GetCompositingQuality();
  bool SetTextRenderingHint(int hint);
  int GetTextRenderingHint();
  bool SetInterpolationMode(int mode);
  int GetInterpolationMode();
  bool SetSmoothingMode(int mode);
  int GetSmoothingMode();
  bool SetPixelOffsetMode(int mode);
  int GetPixelOffsetMode();

  bool ResetWorldTransform();
  bool TranslateWorldTransform(REAL dx, REAL dy, int order = kMatrixOrderPrepend);
  bool ScaleWorldTransform(REAL sx, REAL sy, int order = kMatrixOrderPrepend);
  bool ScaleAt(REAL sx, REAL sy, const PointF& centre, int order = kMatrixOrderPrepend);
  bool RotateWorldTransform(REAL angle, int order = kMatrixOrderPrepend);
  bool RotateAt(REAL angle, const PointF& centre, int order = kMatrixOrderPrepend);
  bool SetPageUnit(int unit);
  int GetPageUnit();
  bool SetPageScale(REAL scale);
  REAL GetPageScale();
  REAL GetDpiX();
  REAL GetDpiY();
  bool TransformPoints(int destSpace, int srcSpace, PointF* points, int count);
  bool TransformPoints(int destSpace, int srcSpace, Point* points, int count);

  bool DrawLine(const Pen& pen, REAL x1, REAL y1, REAL x2, REAL y2);
  bool DrawLineI(const Pen& pen, int x1, int y1, int x2, int y2);
  bool DrawLines(const Pen& pen, const PointF* points, int count);
  bool DrawLines(const Pen& pen, const Point* points, int count);
  bool DrawArc(const Pen& pen, REAL x, REAL y, REAL width, REAL height, REAL start, REAL sweep);
  bool DrawArcI(const Pen& pen, int x, int y, int width, int height, REAL start, REAL sweep);
  bool DrawRectangle(const Pen& pen, REAL x, REAL y, REAL width, REAL height);
  bool DrawRectangleI(const Pen& pen, int x, int y, int width, int height);
  bool DrawEllipse(const Pen& pen, REAL x, REAL y, REAL width, REAL height);
  bool DrawEllipseI(const Pen& pen, int x, int y, int width, int height);
  bool DrawPolygon(const Pen& pen, const PointF* points, int count);
  bool DrawPolygon(const Pen& pen, const Point* points, int count);
  bool DrawPath(const Pen& pen, const GraphicsPath& path);

  bool Clear(ARGB color);
  bool FillRectangle(const Brush& brush, REAL x, REAL y, REAL width, REAL height);
  bool FillRectangle(const Brush& brush, const RectF& rect);
  bool FillRectangleI(const Brush& brush, int x, int y, int width, int height);
  bool FillPolygon(const Brush& brush, const PointF* points, int count,
                   int fillMode = kFillModeAlternate);
  bool FillPolygon(const Brush& brush, const Point* points, int count,
                   int fillMode = kFillModeAlternate);
  bool FillEllipse(const Brush& brush, REAL x, REAL y, REAL width, REAL height);
  bool FillEllipseI(const Brush& brush, int x, int y, int width, int height);
  bool FillPath(const Brush& brush, const GraphicsPath& path);
  bool FillRegion(const Brush& brush, const Region& region);

  // The format may be null (GDI+'s default layout).
  bool DrawString(const char* text, const Font& font, const RectF& layout,
                  const StringFormat* format, const Brush& brush);
  bool DrawString(const WCHAR* text, const Font& font, const RectF& layout,
                  const StringFormat* format, const Brush& brush);
  bool MeasureString(const char* text, const Font& font, const RectF& layout,
                     const StringFormat* format, RectF* bounds, int* codepointsFitted = nullptr,
                     int* linesFilled = nullptr);
  bool MeasureString(const WCHAR* text, const Font& font, const RectF& layout,
                     const StringFormat* format, RectF* bounds, int* codepointsFitted = nullptr,
                     int* linesFilled = nullptr);
  // Creates one region in each of regions[0..count) (they should be empty),
  // then measures the format's character ranges into them.
  bool MeasureCharacterRanges(const char* text, const Font& font, const RectF& layout,
                              const StringFormat& format, int count, Region* regions);
  bool MeasureCharacterRanges(const WCHAR* text, const Font& font, const RectF& layout,
                              const StringFormat& format, int count, Region* regions);

  bool DrawImage(const Image& image, REAL x, REAL y);
  bool DrawImageI(const Image& image, int x, int y);
  bool DrawImageRect(const Image& image, REAL x, REAL y, REAL width, REAL height);
  bool DrawImageRectI(const Image& image, int x, int y, int width, int height);
  bool DrawImageRectRect(const Image& image, REAL dstX, REAL dstY, REAL dstWidth, REAL dstHeight,
                         REAL srcX, REAL srcY, REAL srcWidth, REAL srcHeight,
                         int srcUnit = kUnitPixel);
  bool DrawImageRectRectI(const Image& image, int dstX, int dstY, int dstWidth, int dstHeight,
                          int srcX, int srcY, int srcWidth, int srcHeight,
                          int srcUnit = kUnitPixel);
  // The same, laid on with the given attributes.
  bool DrawImageRectRect(const Image& image, REAL dstX, REAL dstY, REAL dstWidth, REAL dstHeight,
                         REAL srcX, REAL srcY, REAL srcWidth, REAL srcHeight, int srcUnit,
                         const ImageAttributes& attributes);

  bool SetClipPath(const GraphicsPath& path, int combineMode = kCombineModeReplace);
  bool SetClipRect(REAL x, REAL y, REAL width, REAL height, int combineMode = kCombineModeReplace);
  bool SetClipRectI(int x, int y, int width, int height, int combineMode = kCombineModeReplace);
  bool SetClipRegion(const Region& region, int combineMode = kCombineModeReplace);
  bool ResetClip();
  bool GetClipBounds(RectF* bounds);
  bool IsClipEmpty();
  // Save returns the state to hand to Restore (0 on failure).
  UINT Save();
  bool Restore(UINT state);

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpGraphics*>(handle); }

 private:
  bool MeasureRanges(const WCHAR* text, INT length, const Font& font, const RectF& layout,
                     const StringFormat& format, int count, Region* regions);

  GpGraphics* native_ = nullptr;
};

}  // namespace gdiplus
