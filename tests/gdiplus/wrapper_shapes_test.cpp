// The common shapes of the wrappers: empty wrappers, failed creations,
// failing getters, shared and moved wrappers, the rounded-rectangle path and
// GDI+ start and stop.
#include <gtest/gtest.h>

#include <vector>

#include "canvas.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/string_format.h"

namespace {

using namespace gdiplus;

constexpr int32_t kMarker = 4321;
constexpr GpStatus kFontFamilyNotFound = 14;

template <class T>
void ExpectEmptyDeleteIsQuiet(const char* name) {
  SCOPED_TRACE(name);
  T wrapper;
  LastStatus = kMarker;
  EXPECT_FALSE(wrapper.Delete());
  EXPECT_EQ(LastStatus, kMarker);
}

TEST(WrapperShapesTest, DeletingAnEmptyWrapperIsFalseAndLeavesTheStatus) {
  ExpectEmptyDeleteIsQuiet<Graphics>("Graphics");
  ExpectEmptyDeleteIsQuiet<GraphicsPath>("GraphicsPath");
  ExpectEmptyDeleteIsQuiet<SolidBrush>("SolidBrush");
  ExpectEmptyDeleteIsQuiet<LinearGradientBrush>("LinearGradientBrush");
  ExpectEmptyDeleteIsQuiet<PathGradientBrush>("PathGradientBrush");
  ExpectEmptyDeleteIsQuiet<Pen>("Pen");
  ExpectEmptyDeleteIsQuiet<Font>("Font");
  ExpectEmptyDeleteIsQuiet<FontFamily>("FontFamily");
  ExpectEmptyDeleteIsQuiet<StringFormat>("StringFormat");
  ExpectEmptyDeleteIsQuiet<Image>("Image");
  ExpectEmptyDeleteIsQuiet<Bitmap>("Bitmap");
  ExpectEmptyDeleteIsQuiet<Region>("Region");
}

TEST(WrapperShapesTest, DeleteEmptiesEveryLevelAndReportsTheStatus) {
  SolidBrush brush;
  ASSERT_TRUE(brush.Create(0xFF102030));
  EXPECT_EQ(brush.GetNativeBase(), static_cast<void*>(brush.native()));
  EXPECT_EQ(brush.GetType(), kBrushTypeSolidColor);
  LastStatus = kMarker;
  EXPECT_TRUE(brush.Delete());
  EXPECT_EQ(LastStatus, kOk);
  EXPECT_EQ(brush.GetNativeBase(), nullptr);
  EXPECT_EQ(brush.native(), nullptr);
  EXPECT_FALSE(brush.Delete());

  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromScan0(3, 3));
  EXPECT_EQ(static_cast<void*>(bitmap.bitmap()), static_cast<void*>(bitmap.native()));
  EXPECT_TRUE(bitmap.Delete());
  EXPECT_EQ(bitmap.bitmap(), nullptr);
  EXPECT_EQ(bitmap.native(), nullptr);
}

TEST(WrapperShapesTest, FailedCreationsAreFalseAndKeepWhatGdiplusLeft) {
  FontFamily missing;
  EXPECT_FALSE(missing.Create("没有这种字体"));
  EXPECT_EQ(LastStatus, kFontFamilyNotFound);
  EXPECT_FALSE(missing.HasObject());

  Font font;
  EXPECT_FALSE(font.Create("没有这种字体", 12));
  EXPECT_EQ(LastStatus, kFontFamilyNotFound);
  EXPECT_FALSE(font.HasObject());

  const unsigned char garbage[] = {1, 2, 3, 4, 5, 6, 7, 8};
  Image image;
  EXPECT_FALSE(image.LoadFromBytes(garbage, sizeof(garbage)));
  EXPECT_NE(LastStatus, kOk);
  EXPECT_EQ(image.GetNativeBase(), static_cast<void*>(image.native()));
  Bitmap bitmap;
  EXPECT_FALSE(bitmap.CreateFromBytes(garbage, 0));
  EXPECT_NE(LastStatus, kOk);
  EXPECT_FALSE(bitmap.CreateFromScan0(-1, 5));
  EXPECT_EQ(LastStatus, kInvalidParameter);

  Pen pen;
  EXPECT_FALSE(pen.Create(SolidBrush(), 1.0f));  // an empty brush
  EXPECT_EQ(LastStatus, kInvalidParameter);
}

TEST(WrapperShapesTest, GettersGiveZeroWhenTheCallFails) {
  Pen pen;
  LastStatus = kOk;
  EXPECT_EQ(pen.GetWidth(), 0.0f);
  EXPECT_EQ(LastStatus, kInvalidParameter);
  EXPECT_EQ(pen.GetColor(), 0u);
  Image image;
  EXPECT_EQ(image.GetWidth(), 0u);
  EXPECT_EQ(image.GetHeight(), 0u);
  Graphics graphics;
  EXPECT_EQ(graphics.GetSmoothingMode(), 0);
  EXPECT_EQ(graphics.GetDC(), nullptr);
  EXPECT_FALSE(graphics.SetSmoothingMode(kSmoothingModeAntiAlias));
  EXPECT_EQ(LastStatus, kInvalidParameter);

  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromScan0(4, 4));
  ASSERT_TRUE(bitmap.SetPixel(1, 1, 0xFF123456));
  EXPECT_EQ(bitmap.GetPixel(1, 1), 0xFF123456u);
  EXPECT_EQ(bitmap.GetPixel(40, 1), 0u);
  EXPECT_NE(LastStatus, kOk);

  // Setter and getter agree when the object exists.
  gdiplus_test::Canvas canvas(2, 2);
  EXPECT_TRUE(canvas.graphics.SetSmoothingMode(kSmoothingModeAntiAlias));
  EXPECT_EQ(canvas.graphics.GetSmoothingMode(), kSmoothingModeAntiAlias);
  EXPECT_TRUE(canvas.graphics.SetCompositingQuality(kCompositingQualityHighQuality));
  EXPECT_EQ(canvas.graphics.GetCompositingQuality(), kCompositingQualityHighQuality);
  EXPECT_TRUE(canvas.graphics.SetInterpolationMode(kInterpolationModeHighQualityBicubic));
  EXPECT_EQ(canvas.graphics.GetInterpolationMode(), kInterpolationModeHighQualityBicubic);
  EXPECT_TRUE(canvas.graphics.SetPixelOffsetMode(kPixelOffsetModeHalf));
  EXPECT_EQ(canvas.graphics.GetPixelOffsetMode(), kPixelOffsetModeHalf);
}

std::vector<PointF> RoundRectanglePoints(int percent) {
  GraphicsPath path;
  EXPECT_TRUE(path.Create());
  EXPECT_TRUE(path.AddRoundRectangle(10, 20, 100, 60, percent));
  std::vector<PointF> points(static_cast<size_t>(path.GetPointCount()));
  EXPECT_TRUE(path.GetPoints(points.data(), static_cast<int>(points.size())));
  return points;
}

bool SamePoints(const std::vector<PointF>& a, const std::vector<PointF>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].X != b[i].X || a[i].Y != b[i].Y) return false;
  }
  return true;
}

TEST(WrapperShapesTest, RoundRectanglePercentIsClampedToOneThroughHundred) {
  const auto one = RoundRectanglePoints(1);
  const auto hundred = RoundRectanglePoints(100);
  EXPECT_TRUE(SamePoints(RoundRectanglePoints(0), one));
  EXPECT_TRUE(SamePoints(RoundRectanglePoints(-5), one));
  EXPECT_TRUE(SamePoints(RoundRectanglePoints(150), hundred));
  EXPECT_FALSE(SamePoints(one, hundred));

  // The figure spans the rectangle; at 100 % the corners meet in the middle.
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddRoundRectangle(10, 20, 100, 60, 100));
  RectF bounds{};
  ASSERT_TRUE(path.GetWorldBounds(&bounds));
  EXPECT_NEAR(bounds.X, 10, 0.01);
  EXPECT_NEAR(bounds.Y, 20, 0.01);
  EXPECT_NEAR(bounds.Width, 100, 0.01);
  EXPECT_NEAR(bounds.Height, 60, 0.01);
  EXPECT_TRUE(path.IsVisiblePoint(60, 50));
  EXPECT_FALSE(path.IsVisiblePoint(12, 22));  // cut off by the corner arc

  // At 20 %: corner boxes of 20 x 12, so a point 2 units inside a corner is out
  // and one on the straight edge is in.
  GraphicsPath small;
  ASSERT_TRUE(small.Create());
  ASSERT_TRUE(small.AddRoundRectangle(10, 20, 100, 60, 20));
  EXPECT_FALSE(small.IsVisiblePoint(11, 21));
  EXPECT_TRUE(small.IsVisiblePoint(60, 21));
  EXPECT_TRUE(small.IsVisiblePoint(11, 50));
}

TEST(WrapperShapesTest, SharedCopiesHoldTheSamePointerAndMovesHandItOver) {
  Pen pen;
  ASSERT_TRUE(pen.Create(0xFF00FF00, 2.0f));
  {
    Pen shared = pen.Share();
    EXPECT_EQ(shared.GetNativeBase(), pen.GetNativeBase());
    EXPECT_TRUE(shared.SetWidth(5.0f));
    EXPECT_FLOAT_EQ(pen.GetWidth(), 5.0f);  // one object, two wrappers
    EXPECT_EQ(shared.Detach(), pen.GetNativeBase());
    EXPECT_FALSE(shared.HasObject());
  }
  EXPECT_FLOAT_EQ(pen.GetWidth(), 5.0f);  // still alive after the copy went

  Pen moved(std::move(pen));
  EXPECT_FALSE(pen.HasObject());
  EXPECT_FLOAT_EQ(moved.GetWidth(), 5.0f);

  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromScan0(2, 2));
  Bitmap other = std::move(bitmap);
  EXPECT_FALSE(bitmap.HasObject());
  EXPECT_EQ(bitmap.bitmap(), nullptr);
  EXPECT_EQ(other.GetWidth(), 2u);

  Pen clone;
  ASSERT_TRUE(moved.Clone(&clone));
  EXPECT_NE(clone.GetNativeBase(), moved.GetNativeBase());
  EXPECT_FLOAT_EQ(clone.GetWidth(), 5.0f);
}

TEST(WrapperShapesTest, StartAndStopKeepTheProgramToken) {
  const ULONG_PTR token = StartGdiplus();
  EXPECT_NE(token, 0u);
  EXPECT_EQ(GdiplusStartupToken, token);
  StopGdiplus();
  EXPECT_EQ(GdiplusStartupToken, 0u);
  StopGdiplus();  // nothing left to stop
  // The test program's own start is untouched.
  SolidBrush brush;
  EXPECT_TRUE(brush.Create(0xFF000000));
}

TEST(WrapperShapesTest, RegionsCombineAndHitTest) {
  gdiplus_test::Canvas canvas(10, 10);
  Region region;
  ASSERT_TRUE(region.Create(RectF{0, 0, 10, 10}));
  EXPECT_TRUE(region.Combine(Rect{5, 5, 10, 10}, kCombineModeIntersect));
  EXPECT_TRUE(region.IsVisiblePoint(7, 7));
  EXPECT_FALSE(region.IsVisiblePoint(2, 2));
  RectF bounds{};
  EXPECT_TRUE(region.GetBounds(canvas.graphics, &bounds));
  EXPECT_FLOAT_EQ(bounds.X, 5);
  EXPECT_FLOAT_EQ(bounds.Width, 5);
  EXPECT_TRUE(region.SetEmpty());
  EXPECT_TRUE(region.IsEmpty(canvas.graphics));
  Region infinite;
  ASSERT_TRUE(infinite.Create());
  EXPECT_TRUE(infinite.IsInfinite(canvas.graphics));
}

}  // namespace
