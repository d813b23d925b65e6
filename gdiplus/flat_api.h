#pragma once

// Our own declarations of the GDI+ flat interface (gdiplus.dll). Only the
// functions the wrappers call are listed; the argument lists follow the
// published signatures. The SDK headers are deliberately not used: the
// wrapper classes are ours and this keeps them free of the SDK's classes.

#include <objidl.h>
#include <windows.h>

#include <cstddef>
#include <cstdint>

namespace gdiplus {

// Opaque GDI+ objects.
struct GpGraphics;
struct GpPath;
struct GpBrush;
struct GpSolidFill;
struct GpLineGradient;
struct GpPathGradient;
struct GpPen;
struct GpFont;
struct GpFontFamily;
struct GpFontCollection;
struct GpStringFormat;
struct GpImage;
struct GpBitmap;
struct GpRegion;
struct GpMatrix;
struct GpImageAttributes;
struct GpCustomLineCap;

// The status every flat function returns; 0 is Ok.
using GpStatus = int;
using ARGB = uint32_t;
using REAL = float;

struct PointF {
  REAL X;
  REAL Y;
};
struct Point {
  INT X;
  INT Y;
};
struct RectF {
  REAL X;
  REAL Y;
  REAL Width;
  REAL Height;
};
struct Rect {
  INT X;
  INT Y;
  INT Width;
  INT Height;
};
struct CharacterRange {
  INT First;
  INT Length;
};

struct StartupInput {
  UINT32 GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};

struct ImageCodecInfo {
  CLSID Clsid;
  GUID FormatID;
  const WCHAR* CodecName;
  const WCHAR* DllName;
  const WCHAR* FormatDescription;
  const WCHAR* FilenameExtension;
  const WCHAR* MimeType;
  DWORD Flags;
  DWORD Version;
  DWORD SigCount;
  DWORD SigSize;
  const BYTE* SigPattern;
  const BYTE* SigMask;
};

struct EncoderParameter {
  GUID Guid;
  ULONG NumberOfValues;
  ULONG Type;
  void* Value;
};
struct EncoderParameters {
  UINT Count;
  EncoderParameter Parameter[1];
};

struct BitmapData {
  UINT Width;
  UINT Height;
  INT Stride;
  INT PixelFormat;
  void* Scan0;
  UINT_PTR Reserved;
};

using DrawImageAbort = BOOL(WINAPI*)(void*);
using GetThumbnailImageAbort = BOOL(WINAPI*)(void*);

// Status values the wrappers look at.
constexpr GpStatus kOk = 0;
constexpr GpStatus kGenericError = 1;
constexpr GpStatus kInvalidParameter = 2;

// Units, orders, modes and formats used by the program.
constexpr int kUnitWorld = 0;
constexpr int kUnitPixel = 2;
constexpr int kUnitPoint = 3;
constexpr int kMatrixOrderPrepend = 0;
constexpr int kMatrixOrderAppend = 1;
constexpr int kFillModeAlternate = 0;
constexpr int kFillModeWinding = 1;
constexpr int kCombineModeReplace = 0;
constexpr int kCombineModeIntersect = 1;
constexpr int kCombineModeUnion = 2;
constexpr int kWrapModeTile = 0;
constexpr int kWrapModeTileFlipXY = 3;
constexpr int kSmoothingModeAntiAlias = 4;
constexpr int kCompositingQualityHighQuality = 2;
constexpr int kInterpolationModeHighQualityBicubic = 7;
constexpr int kPixelOffsetModeHalf = 4;
constexpr int kStringAlignmentNear = 0;
constexpr int kStringAlignmentCenter = 1;
constexpr int kStringAlignmentFar = 2;
constexpr int kStringTrimmingEllipsisCharacter = 3;
constexpr int kFontStyleRegular = 0;
constexpr int kFontStyleBold = 1;
constexpr int kCoordinateSpaceWorld = 0;
constexpr int kCoordinateSpaceDevice = 2;
constexpr int kBrushTypeSolidColor = 0;
constexpr int kBrushTypePathGradient = 3;
constexpr int kBrushTypeLinearGradient = 4;
constexpr int kImageTypeBitmap = 1;
constexpr int kPixelFormat32bppRGB = 0x00022009;
constexpr int kPixelFormat32bppARGB = 0x0026200A;
constexpr int kPixelFormat32bppPARGB = 0x000E200B;
constexpr UINT kImageLockModeRead = 1;
constexpr UINT kImageLockModeWrite = 2;

extern "C" {

GpStatus WINAPI GdiplusStartup(ULONG_PTR* token, const StartupInput* input, void* output);
void WINAPI GdiplusShutdown(ULONG_PTR token);
void* WINAPI GdipAlloc(size_t size);
void WINAPI GdipFree(void* ptr);

// Graphics.
GpStatus WINAPI GdipCreateFromHDC(HDC hdc, GpGraphics** graphics);
GpStatus WINAPI GdipCreateFromHDC2(HDC hdc, HANDLE device, GpGraphics** graphics);
GpStatus WINAPI GdipCreateFromHWND(HWND hwnd, GpGraphics** graphics);
GpStatus WINAPI GdipCreateFromHWNDICM(HWND hwnd, GpGraphics** graphics);
GpStatus WINAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics);
GpStatus WINAPI GdipDeleteGraphics(GpGraphics* graphics);
GpStatus WINAPI GdipFlush(GpGraphics* graphics, INT intention);
GpStatus WINAPI GdipGetDC(GpGraphics* graphics, HDC* hdc);
GpStatus WINAPI GdipReleaseDC(GpGraphics* graphics, HDC hdc);
GpStatus WINAPI GdipSetCompositingMode(GpGraphics* graphics, INT mode);
GpStatus WINAPI GdipGetCompositingMode(GpGraphics* graphics, INT* mode);
GpStatus WINAPI GdipSetCompositingQuality(GpGraphics* graphics, INT quality);
GpStatus WINAPI GdipGetCompositingQuality(GpGraphics* graphics, INT* quality);
GpStatus WINAPI GdipSetTextRenderingHint(GpGraphics* graphics, INT hint);
GpStatus WINAPI GdipGetTextRenderingHint(GpGraphics* graphics, INT* hint);
GpStatus WINAPI GdipSetInterpolationMode(GpGraphics* graphics, INT mode);
GpStatus WINAPI GdipGetInterpolationMode(GpGraphics* graphics, INT* mode);
GpStatus WINAPI GdipSetSmoothingMode(GpGraphics* graphics, INT mode);
GpStatus WINAPI GdipGetSmoothingMode(GpGraphics* graphics, INT* mode);
GpStatus WINAPI GdipSetPixelOffsetMode(GpGraphics* graphics, INT mode);
GpStatus WINAPI GdipGetPixelOffsetMode(GpGraphics* graphics, INT* mode);
GpStatus WINAPI GdipResetWorldTransform(GpGraphics* graphics);
GpStatus WINAPI GdipTranslateWorldTransform(GpGraphics* graphics, REAL dx, REAL dy, INT order);
GpStatus WINAPI GdipScaleWorldTransform(GpGraphics* graphics, REAL sx, REAL sy, INT order);
GpStatus WINAPI GdipRotateWorldTransform(GpGraphics* graphics, REAL angle, INT order);
GpStatus WINAPI GdipSetPageUnit(GpGraphics* graphics, INT unit);
GpStatus WINAPI GdipGetPageUnit(GpGraphics* graphics, INT* unit);
GpStatus WINAPI GdipSetPageScale(GpGraphics* graphics, REAL scale);
GpStatus WINAPI GdipGetPageScale(GpGraphics* graphics, REAL* scale);
GpStatus WINAPI GdipGetDpiX(GpGraphics* graphics, REAL* dpi);
GpStatus WINAPI GdipGetDpiY(GpGraphics* graphics, REAL* dpi);
GpStatus WINAPI GdipTransformPoints(GpGraphics* graphics, INT destSpace, INT srcSpace,
                                    PointF* points, INT count);
GpStatus WINAPI GdipTransformPointsI(GpGraphics* graphics, INT destSpace, INT srcSpace,
                                     Point* points, INT count);
GpStatus WINAPI GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus WINAPI GdipDrawLineI(GpGraphics* graphics, GpPen* pen, INT x1, INT y1, INT x2, INT y2);
GpStatus WINAPI GdipDrawLines(GpGraphics* graphics, GpPen* pen, const PointF* points, INT count);
GpStatus WINAPI GdipDrawLinesI(GpGraphics* graphics, GpPen* pen, const Point* points, INT count);
GpStatus WINAPI GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                            REAL height, REAL startAngle, REAL sweepAngle);
GpStatus WINAPI GdipDrawArcI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width, INT height,
                             REAL startAngle, REAL sweepAngle);
GpStatus WINAPI GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                                  REAL height);
GpStatus WINAPI GdipDrawRectangleI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width,
                                   INT height);
GpStatus WINAPI GdipDrawEllipse(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width,
                                REAL height);
GpStatus WINAPI GdipDrawEllipseI(GpGraphics* graphics, GpPen* pen, INT x, INT y, INT width,
                                 INT height);
GpStatus WINAPI GdipDrawPolygon(GpGraphics* graphics, GpPen* pen, const PointF* points, INT count);
GpStatus WINAPI GdipDrawPolygonI(GpGraphics* graphics, GpPen* pen, const Point* points, INT count);
GpStatus WINAPI GdipDrawPath(GpGraphics* graphics, GpPen* pen, GpPath* path);
GpStatus WINAPI GdipGraphicsClear(GpGraphics* graphics, ARGB color);
GpStatus WINAPI GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                                  REAL height);
GpStatus WINAPI GdipFillRectangleI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width,
                                   INT height);
GpStatus WINAPI GdipFillPolygon(GpGraphics* graphics, GpBrush* brush, const PointF* points,
                                INT count, INT fillMode);
GpStatus WINAPI GdipFillPolygonI(GpGraphics* graphics, GpBrush* brush, const Point* points,
                                 INT count, INT fillMode);
GpStatus WINAPI GdipFillEllipse(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width,
                                REAL height);
GpStatus WINAPI GdipFillEllipseI(GpGraphics* graphics, GpBrush* brush, INT x, INT y, INT width,
                                 INT height);
GpStatus WINAPI GdipFillPath(GpGraphics* graphics, GpBrush* brush, GpPath* path);
GpStatus WINAPI GdipFillRegion(GpGraphics* graphics, GpBrush* brush, GpRegion* region);
GpStatus WINAPI GdipDrawString(GpGraphics* graphics, const WCHAR* text, INT length,
                               const GpFont* font, const RectF* layoutRect,
                               const GpStringFormat* format, const GpBrush* brush);
GpStatus WINAPI GdipMeasureString(GpGraphics* graphics, const WCHAR* text, INT length,
                                  const GpFont* font, const RectF* layoutRect,
                                  const GpStringFormat* format, RectF* boundingBox,
                                  INT* codepointsFitted, INT* linesFilled);
GpStatus WINAPI GdipMeasureCharacterRanges(GpGraphics* graphics, const WCHAR* text, INT length,
                                           const GpFont* font, const RectF* layoutRect,
                                           const GpStringFormat* format, INT regionCount,
                                           GpRegion** regions);
GpStatus WINAPI GdipDrawImage(GpGraphics* graphics, GpImage* image, REAL x, REAL y);
GpStatus WINAPI GdipDrawImageI(GpGraphics* graphics, GpImage* image, INT x, INT y);
GpStatus WINAPI GdipDrawImageRect(GpGraphics* graphics, GpImage* image, REAL x, REAL y, REAL width,
                                  REAL height);
GpStatus WINAPI GdipDrawImageRectI(GpGraphics* graphics, GpImage* image, INT x, INT y, INT width,
                                   INT height);
GpStatus WINAPI GdipCreateImageAttributes(GpImageAttributes** attributes);
GpStatus WINAPI GdipDisposeImageAttributes(GpImageAttributes* attributes);
GpStatus WINAPI GdipSetImageAttributesWrapMode(GpImageAttributes* attributes, INT wrap, ARGB argb,
                                               BOOL clamp);
GpStatus WINAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dstx, REAL dsty,
                                      REAL dstwidth, REAL dstheight, REAL srcx, REAL srcy,
                                      REAL srcwidth, REAL srcheight, INT srcUnit,
                                      const GpImageAttributes* attributes, DrawImageAbort callback,
                                      void* callbackData);
GpStatus WINAPI GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstx, INT dsty,
                                       INT dstwidth, INT dstheight, INT srcx, INT srcy,
                                       INT srcwidth, INT srcheight, INT srcUnit,
                                       const GpImageAttributes* attributes, DrawImageAbort callback,
                                       void* callbackData);
GpStatus WINAPI GdipSetClipPath(GpGraphics* graphics, GpPath* path, INT combineMode);
GpStatus WINAPI GdipSetClipRect(GpGraphics* graphics, REAL x, REAL y, REAL width, REAL height,
                                INT combineMode);
GpStatus WINAPI GdipSetClipRectI(GpGraphics* graphics, INT x, INT y, INT width, INT height,
                                 INT combineMode);
GpStatus WINAPI GdipSetClipRegion(GpGraphics* graphics, GpRegion* region, INT combineMode);
GpStatus WINAPI GdipResetClip(GpGraphics* graphics);
GpStatus WINAPI GdipGetClipBounds(GpGraphics* graphics, RectF* rect);
GpStatus WINAPI GdipIsClipEmpty(GpGraphics* graphics, BOOL* result);
GpStatus WINAPI GdipSaveGraphics(GpGraphics* graphics, UINT* state);
GpStatus WINAPI GdipRestoreGraphics(GpGraphics* graphics, UINT state);

// Paths.
GpStatus WINAPI GdipCreatePath(INT fillMode, GpPath** path);
GpStatus WINAPI GdipDeletePath(GpPath* path);
GpStatus WINAPI GdipClonePath(GpPath* path, GpPath** clone);
GpStatus WINAPI GdipResetPath(GpPath* path);
GpStatus WINAPI GdipGetPathFillMode(GpPath* path, INT* fillMode);
GpStatus WINAPI GdipSetPathFillMode(GpPath* path, INT fillMode);
GpStatus WINAPI GdipGetPointCount(GpPath* path, INT* count);
GpStatus WINAPI GdipGetPathPoints(GpPath* path, PointF* points, INT count);
GpStatus WINAPI GdipGetPathPointsI(GpPath* path, Point* points, INT count);
GpStatus WINAPI GdipStartPathFigure(GpPath* path);
GpStatus WINAPI GdipClosePathFigure(GpPath* path);
GpStatus WINAPI GdipClosePathFigures(GpPath* path);
GpStatus WINAPI GdipAddPathLine(GpPath* path, REAL x1, REAL y1, REAL x2, REAL y2);
GpStatus WINAPI GdipAddPathLineI(GpPath* path, INT x1, INT y1, INT x2, INT y2);
GpStatus WINAPI GdipAddPathLine2(GpPath* path, const PointF* points, INT count);
GpStatus WINAPI GdipAddPathLine2I(GpPath* path, const Point* points, INT count);
GpStatus WINAPI GdipAddPathArc(GpPath* path, REAL x, REAL y, REAL width, REAL height,
                               REAL startAngle, REAL sweepAngle);
GpStatus WINAPI GdipAddPathArcI(GpPath* path, INT x, INT y, INT width, INT height, REAL startAngle,
                                REAL sweepAngle);
GpStatus WINAPI GdipAddPathRectangle(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GpStatus WINAPI GdipAddPathRectangleI(GpPath* path, INT x, INT y, INT width, INT height);
GpStatus WINAPI GdipAddPathEllipse(GpPath* path, REAL x, REAL y, REAL width, REAL height);
GpStatus WINAPI GdipAddPathEllipseI(GpPath* path, INT x, INT y, INT width, INT height);
GpStatus WINAPI GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height,
                               REAL startAngle, REAL sweepAngle);
GpStatus WINAPI GdipAddPathPolygon(GpPath* path, const PointF* points, INT count);
GpStatus WINAPI GdipAddPathPolygonI(GpPath* path, const Point* points, INT count);
GpStatus WINAPI GdipAddPathPath(GpPath* path, const GpPath* addingPath, BOOL connect);
GpStatus WINAPI GdipAddPathString(GpPath* path, const WCHAR* text, INT length,
                                  const GpFontFamily* family, INT style, REAL emSize,
                                  const RectF* layoutRect, const GpStringFormat* format);
GpStatus WINAPI GdipAddPathStringI(GpPath* path, const WCHAR* text, INT length,
                                   const GpFontFamily* family, INT style, REAL emSize,
                                   const Rect* layoutRect, const GpStringFormat* format);
GpStatus WINAPI GdipGetPathWorldBounds(GpPath* path, RectF* bounds, const GpMatrix* matrix,
                                       const GpPen* pen);
GpStatus WINAPI GdipGetPathWorldBoundsI(GpPath* path, Rect* bounds, const GpMatrix* matrix,
                                        const GpPen* pen);
GpStatus WINAPI GdipIsVisiblePathPoint(GpPath* path, REAL x, REAL y, GpGraphics* graphics,
                                       BOOL* result);
GpStatus WINAPI GdipIsVisiblePathPointI(GpPath* path, INT x, INT y, GpGraphics* graphics,
                                        BOOL* result);

// Brushes.
GpStatus WINAPI GdipDeleteBrush(GpBrush* brush);
GpStatus WINAPI GdipCloneBrush(GpBrush* brush, GpBrush** clone);
GpStatus WINAPI GdipGetBrushType(GpBrush* brush, INT* type);
GpStatus WINAPI GdipCreateSolidFill(ARGB color, GpSolidFill** brush);
GpStatus WINAPI GdipSetSolidFillColor(GpSolidFill* brush, ARGB color);
GpStatus WINAPI GdipGetSolidFillColor(GpSolidFill* brush, ARGB* color);
GpStatus WINAPI GdipCreateLineBrush(const PointF* point1, const PointF* point2, ARGB color1,
                                    ARGB color2, INT wrapMode, GpLineGradient** brush);
GpStatus WINAPI GdipCreateLineBrushI(const Point* point1, const Point* point2, ARGB color1,
                                     ARGB color2, INT wrapMode, GpLineGradient** brush);
GpStatus WINAPI GdipCreateLineBrushFromRect(const RectF* rect, ARGB color1, ARGB color2, INT mode,
                                            INT wrapMode, GpLineGradient** brush);
GpStatus WINAPI GdipCreateLineBrushFromRectI(const Rect* rect, ARGB color1, ARGB color2, INT mode,
                                             INT wrapMode, GpLineGradient** brush);
GpStatus WINAPI GdipSetLineColors(GpLineGradient* brush, ARGB color1, ARGB color2);
GpStatus WINAPI GdipGetLineColors(GpLineGradient* brush, ARGB* colors);
GpStatus WINAPI GdipGetLineRect(GpLineGradient* brush, RectF* rect);
GpStatus WINAPI GdipGetLineRectI(GpLineGradient* brush, Rect* rect);
GpStatus WINAPI GdipSetLineGammaCorrection(GpLineGradient* brush, BOOL useGamma);
GpStatus WINAPI GdipSetLineBlend(GpLineGradient* brush, const REAL* blend, const REAL* positions,
                                 INT count);
GpStatus WINAPI GdipSetLinePresetBlend(GpLineGradient* brush, const ARGB* blend,
                                       const REAL* positions, INT count);
GpStatus WINAPI GdipSetLineSigmaBlend(GpLineGradient* brush, REAL focus, REAL scale);
GpStatus WINAPI GdipSetLineLinearBlend(GpLineGradient* brush, REAL focus, REAL scale);
GpStatus WINAPI GdipSetLineWrapMode(GpLineGradient* brush, INT wrapMode);
GpStatus WINAPI GdipGetLineWrapMode(GpLineGradient* brush, INT* wrapMode);
GpStatus WINAPI GdipResetLineTransform(GpLineGradient* brush);
GpStatus WINAPI GdipTranslateLineTransform(GpLineGradient* brush, REAL dx, REAL dy, INT order);
GpStatus WINAPI GdipScaleLineTransform(GpLineGradient* brush, REAL sx, REAL sy, INT order);
GpStatus WINAPI GdipRotateLineTransform(GpLineGradient* brush, REAL angle, INT order);
GpStatus WINAPI GdipCreatePathGradient(const PointF* points, INT count, INT wrapMode,
                                       GpPathGradient** brush);
GpStatus WINAPI GdipCreatePathGradientI(const Point* points, INT count, INT wrapMode,
                                        GpPathGradient** brush);
GpStatus WINAPI GdipCreatePathGradientFromPath(const GpPath* path, GpPathGradient** brush);
GpStatus WINAPI GdipSetPathGradientCenterColor(GpPathGradient* brush, ARGB color);
GpStatus WINAPI GdipGetPathGradientCenterColor(GpPathGradient* brush, ARGB* color);
GpStatus WINAPI GdipGetPathGradientPointCount(GpPathGradient* brush, INT* count);
GpStatus WINAPI GdipGetPathGradientSurroundColorCount(GpPathGradient* brush, INT* count);
GpStatus WINAPI GdipSetPathGradientSurroundColorsWithCount(GpPathGradient* brush,
                                                           const ARGB* colors, INT* count);
GpStatus WINAPI GdipGetPathGradientSurroundColorsWithCount(GpPathGradient* brush, ARGB* colors,
                                                           INT* count);
GpStatus WINAPI GdipSetPathGradientCenterPoint(GpPathGradient* brush, const PointF* point);
GpStatus WINAPI GdipSetPathGradientCenterPointI(GpPathGradient* brush, const Point* point);
GpStatus WINAPI GdipGetPathGradientCenterPoint(GpPathGradient* brush, PointF* point);
GpStatus WINAPI GdipGetPathGradientRect(GpPathGradient* brush, RectF* rect);
GpStatus WINAPI GdipSetPathGradientFocusScales(GpPathGradient* brush, REAL xScale, REAL yScale);
GpStatus WINAPI GdipSetPathGradientLinearBlend(GpPathGradient* brush, REAL focus, REAL scale);
GpStatus WINAPI GdipSetPathGradientWrapMode(GpPathGradient* brush, INT wrapMode);
GpStatus WINAPI GdipResetPathGradientTransform(GpPathGradient* brush);
GpStatus WINAPI GdipTranslatePathGradientTransform(GpPathGradient* brush, REAL dx, REAL dy,
                                                   INT order);
GpStatus WINAPI GdipScalePathGradientTransform(GpPathGradient* brush, REAL sx, REAL sy, INT order);
GpStatus WINAPI GdipRotatePathGradientTransform(GpPathGradient* brush, REAL angle, INT order);

// Pens.
GpStatus WINAPI GdipCreatePen1(ARGB color, REAL width, INT unit, GpPen** pen);
GpStatus WINAPI GdipCreatePen2(GpBrush* brush, REAL width, INT unit, GpPen** pen);
GpStatus WINAPI GdipClonePen(GpPen* pen, GpPen** clone);
GpStatus WINAPI GdipDeletePen(GpPen* pen);
GpStatus WINAPI GdipSetPenWidth(GpPen* pen, REAL width);
GpStatus WINAPI GdipGetPenWidth(GpPen* pen, REAL* width);
GpStatus WINAPI GdipSetPenUnit(GpPen* pen, INT unit);
GpStatus WINAPI GdipGetPenUnit(GpPen* pen, INT* unit);
GpStatus WINAPI GdipSetPenStartCap(GpPen* pen, INT cap);
GpStatus WINAPI GdipSetPenEndCap(GpPen* pen, INT cap);
GpStatus WINAPI GdipSetPenLineJoin(GpPen* pen, INT join);
GpStatus WINAPI GdipGetPenLineJoin(GpPen* pen, INT* join);
GpStatus WINAPI GdipResetPenTransform(GpPen* pen);
GpStatus WINAPI GdipTranslatePenTransform(GpPen* pen, REAL dx, REAL dy, INT order);
GpStatus WINAPI GdipScalePenTransform(GpPen* pen, REAL sx, REAL sy, INT order);
GpStatus WINAPI GdipRotatePenTransform(GpPen* pen, REAL angle, INT order);
GpStatus WINAPI GdipSetPenColor(GpPen* pen, ARGB color);
GpStatus WINAPI GdipGetPenColor(GpPen* pen, ARGB* color);
GpStatus WINAPI GdipGetPenFillType(GpPen* pen, INT* type);
GpStatus WINAPI GdipSetPenDashStyle(GpPen* pen, INT style);
GpStatus WINAPI GdipGetPenDashStyle(GpPen* pen, INT* style);

// Fonts.
GpStatus WINAPI GdipCreateFont(const GpFontFamily* family, REAL emSize, INT style, INT unit,
                               GpFont** font);
GpStatus WINAPI GdipCreateFontFromDC(HDC hdc, GpFont** font);
GpStatus WINAPI GdipCreateFontFromLogfontA(HDC hdc, const LOGFONTA* logfont, GpFont** font);
GpStatus WINAPI GdipCreateFontFromLogfontW(HDC hdc, const LOGFONTW* logfont, GpFont** font);
GpStatus WINAPI GdipCloneFont(GpFont* font, GpFont** clone);
GpStatus WINAPI GdipDeleteFont(GpFont* font);
GpStatus WINAPI GdipGetLogFontA(GpFont* font, GpGraphics* graphics, LOGFONTA* logfont);
GpStatus WINAPI GdipGetLogFontW(GpFont* font, GpGraphics* graphics, LOGFONTW* logfont);
GpStatus WINAPI GdipGetFamily(GpFont* font, GpFontFamily** family);
GpStatus WINAPI GdipGetFontStyle(GpFont* font, INT* style);
GpStatus WINAPI GdipGetFontSize(GpFont* font, REAL* size);
GpStatus WINAPI GdipGetFontUnit(GpFont* font, INT* unit);
GpStatus WINAPI GdipGetFontHeight(const GpFont* font, const GpGraphics* graphics, REAL* height);
GpStatus WINAPI GdipGetFontHeightGivenDPI(const GpFont* font, REAL dpi, REAL* height);
GpStatus WINAPI GdipCreateFontFamilyFromName(const WCHAR* name, GpFontCollection* collection,
                                             GpFontFamily** family);
GpStatus WINAPI GdipDeleteFontFamily(GpFontFamily* family);
GpStatus WINAPI GdipCloneFontFamily(GpFontFamily* family, GpFontFamily** clone);
GpStatus WINAPI GdipGetGenericFontFamilySansSerif(GpFontFamily** family);
GpStatus WINAPI GdipGetGenericFontFamilySerif(GpFontFamily** family);
GpStatus WINAPI GdipGetGenericFontFamilyMonospace(GpFontFamily** family);
GpStatus WINAPI GdipGetFamilyName(const GpFontFamily* family, WCHAR* name, LANGID language);
GpStatus WINAPI GdipIsStyleAvailable(const GpFontFamily* family, INT style, BOOL* available);
GpStatus WINAPI GdipGetEmHeight(const GpFontFamily* family, INT style, UINT16* height);
GpStatus WINAPI GdipGetCellAscent(const GpFontFamily* family, INT style, UINT16* ascent);
GpStatus WINAPI GdipGetCellDescent(const GpFontFamily* family, INT style, UINT16* descent);
GpStatus WINAPI GdipGetLineSpacing(const GpFontFamily* family, INT style, UINT16* spacing);
GpStatus WINAPI GdipNewInstalledFontCollection(GpFontCollection** collection);
GpStatus WINAPI GdipGetFontCollectionFamilyCount(GpFontCollection* collection, INT* count);
GpStatus WINAPI GdipGetFontCollectionFamilyList(GpFontCollection* collection, INT wanted,
                                                GpFontFamily** families, INT* found);

// String formats.
GpStatus WINAPI GdipCreateStringFormat(INT attributes, LANGID language, GpStringFormat** format);
GpStatus WINAPI GdipDeleteStringFormat(GpStringFormat* format);
GpStatus WINAPI GdipStringFormatGetGenericDefault(GpStringFormat** format);
GpStatus WINAPI GdipStringFormatGetGenericTypographic(GpStringFormat** format);
GpStatus WINAPI GdipCloneStringFormat(const GpStringFormat* format, GpStringFormat** clone);
GpStatus WINAPI GdipSetStringFormatFlags(GpStringFormat* format, INT flags);
GpStatus WINAPI GdipGetStringFormatFlags(const GpStringFormat* format, INT* flags);
GpStatus WINAPI GdipSetStringFormatAlign(GpStringFormat* format, INT align);
GpStatus WINAPI GdipGetStringFormatAlign(const GpStringFormat* format, INT* align);
GpStatus WINAPI GdipSetStringFormatLineAlign(GpStringFormat* format, INT align);
GpStatus WINAPI GdipGetStringFormatLineAlign(const GpStringFormat* format, INT* align);
GpStatus WINAPI GdipSetStringFormatTrimming(GpStringFormat* format, INT trimming);
GpStatus WINAPI GdipGetStringFormatTrimming(const GpStringFormat* format, INT* trimming);
GpStatus WINAPI GdipSetStringFormatHotkeyPrefix(GpStringFormat* format, INT prefix);
GpStatus WINAPI GdipGetStringFormatHotkeyPrefix(const GpStringFormat* format, INT* prefix);
GpStatus WINAPI GdipSetStringFormatMeasurableCharacterRanges(GpStringFormat* format, INT count,
                                                             const CharacterRange* ranges);
GpStatus WINAPI GdipGetStringFormatMeasurableCharacterRangeCount(const GpStringFormat* format,
                                                                 INT* count);

// Images and bitmaps.
GpStatus WINAPI GdipLoadImageFromFile(const WCHAR* filename, GpImage** image);
GpStatus WINAPI GdipLoadImageFromFileICM(const WCHAR* filename, GpImage** image);
GpStatus WINAPI GdipLoadImageFromStream(IStream* stream, GpImage** image);
GpStatus WINAPI GdipLoadImageFromStreamICM(IStream* stream, GpImage** image);
GpStatus WINAPI GdipCloneImage(GpImage* image, GpImage** clone);
GpStatus WINAPI GdipDisposeImage(GpImage* image);
GpStatus WINAPI GdipSaveImageToFile(GpImage* image, const WCHAR* filename, const CLSID* encoder,
                                    const EncoderParameters* parameters);
GpStatus WINAPI GdipSaveImageToStream(GpImage* image, IStream* stream, const CLSID* encoder,
                                      const EncoderParameters* parameters);
GpStatus WINAPI GdipGetImageEncodersSize(UINT* count, UINT* size);
GpStatus WINAPI GdipGetImageEncoders(UINT count, UINT size, ImageCodecInfo* encoders);
GpStatus WINAPI GdipGetImageType(GpImage* image, INT* type);
GpStatus WINAPI GdipGetImageWidth(GpImage* image, UINT* width);
GpStatus WINAPI GdipGetImageHeight(GpImage* image, UINT* height);
GpStatus WINAPI GdipGetImageDimension(GpImage* image, REAL* width, REAL* height);
GpStatus WINAPI GdipGetImageBounds(GpImage* image, RectF* bounds, INT* unit);
GpStatus WINAPI GdipGetImageHorizontalResolution(GpImage* image, REAL* resolution);
GpStatus WINAPI GdipGetImageVerticalResolution(GpImage* image, REAL* resolution);
GpStatus WINAPI GdipGetImageFlags(GpImage* image, UINT* flags);
GpStatus WINAPI GdipGetImagePixelFormat(GpImage* image, INT* format);
GpStatus WINAPI GdipGetImageRawFormat(GpImage* image, GUID* format);
GpStatus WINAPI GdipImageRotateFlip(GpImage* image, INT type);
GpStatus WINAPI GdipGetImageThumbnail(GpImage* image, UINT width, UINT height, GpImage** thumbnail,
                                      GetThumbnailImageAbort callback, void* callbackData);
GpStatus WINAPI GdipCreateBitmapFromFile(const WCHAR* filename, GpBitmap** bitmap);
GpStatus WINAPI GdipCreateBitmapFromFileICM(const WCHAR* filename, GpBitmap** bitmap);
GpStatus WINAPI GdipCreateBitmapFromStream(IStream* stream, GpBitmap** bitmap);
GpStatus WINAPI GdipCreateBitmapFromStreamICM(IStream* stream, GpBitmap** bitmap);
GpStatus WINAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, INT format,
                                          BYTE* scan0, GpBitmap** bitmap);
GpStatus WINAPI GdipCreateBitmapFromGraphics(INT width, INT height, GpGraphics* target,
                                             GpBitmap** bitmap);
GpStatus WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP hbitmap, HPALETTE palette, GpBitmap** bitmap);
GpStatus WINAPI GdipCreateBitmapFromHICON(HICON icon, GpBitmap** bitmap);
GpStatus WINAPI GdipCreateHBITMAPFromBitmap(GpBitmap* bitmap, HBITMAP* hbitmap, ARGB background);
GpStatus WINAPI GdipCreateHICONFromBitmap(GpBitmap* bitmap, HICON* icon);
GpStatus WINAPI GdipCloneBitmapAreaI(INT x, INT y, INT width, INT height, INT format,
                                     GpBitmap* source, GpBitmap** clone);
GpStatus WINAPI GdipBitmapLockBits(GpBitmap* bitmap, const Rect* rect, UINT flags, INT format,
                                   BitmapData* data);
GpStatus WINAPI GdipBitmapUnlockBits(GpBitmap* bitmap, BitmapData* data);
GpStatus WINAPI GdipBitmapGetPixel(GpBitmap* bitmap, INT x, INT y, ARGB* color);
GpStatus WINAPI GdipBitmapSetPixel(GpBitmap* bitmap, INT x, INT y, ARGB color);
GpStatus WINAPI GdipBitmapSetResolution(GpBitmap* bitmap, REAL xdpi, REAL ydpi);

// Regions.
GpStatus WINAPI GdipCreateRegion(GpRegion** region);
GpStatus WINAPI GdipCreateRegionRect(const RectF* rect, GpRegion** region);
GpStatus WINAPI GdipCreateRegionRectI(const Rect* rect, GpRegion** region);
GpStatus WINAPI GdipCreateRegionPath(GpPath* path, GpRegion** region);
GpStatus WINAPI GdipCreateRegionHrgn(HRGN hrgn, GpRegion** region);
GpStatus WINAPI GdipCloneRegion(GpRegion* region, GpRegion** clone);
GpStatus WINAPI GdipDeleteRegion(GpRegion* region);
GpStatus WINAPI GdipSetInfinite(GpRegion* region);
GpStatus WINAPI GdipSetEmpty(GpRegion* region);
GpStatus WINAPI GdipCombineRegionRect(GpRegion* region, const RectF* rect, INT mode);
GpStatus WINAPI GdipCombineRegionRectI(GpRegion* region, const Rect* rect, INT mode);
GpStatus WINAPI GdipCombineRegionRegion(GpRegion* region, GpRegion* other, INT mode);
GpStatus WINAPI GdipCombineRegionPath(GpRegion* region, GpPath* path, INT mode);
GpStatus WINAPI GdipTranslateRegion(GpRegion* region, REAL dx, REAL dy);
GpStatus WINAPI GdipTranslateRegionI(GpRegion* region, INT dx, INT dy);
GpStatus WINAPI GdipGetRegionBounds(GpRegion* region, GpGraphics* graphics, RectF* rect);
GpStatus WINAPI GdipGetRegionBoundsI(GpRegion* region, GpGraphics* graphics, Rect* rect);
GpStatus WINAPI GdipGetRegionHRgn(GpRegion* region, GpGraphics* graphics, HRGN* hrgn);
GpStatus WINAPI GdipIsEmptyRegion(GpRegion* region, GpGraphics* graphics, BOOL* result);
GpStatus WINAPI GdipIsInfiniteRegion(GpRegion* region, GpGraphics* graphics, BOOL* result);
GpStatus WINAPI GdipIsEqualRegion(GpRegion* region, GpRegion* other, GpGraphics* graphics,
                                  BOOL* result);
GpStatus WINAPI GdipIsVisibleRegionPoint(GpRegion* region, REAL x, REAL y, GpGraphics* graphics,
                                         BOOL* result);
GpStatus WINAPI GdipIsVisibleRegionPointI(GpRegion* region, INT x, INT y, GpGraphics* graphics,
                                          BOOL* result);

}  // extern "C"

}  // namespace gdiplus
