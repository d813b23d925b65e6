// Shapes, brushes, pens, clipping and transforms drawn into a 32-bit bitmap.
#include <gtest/gtest.h>

#include "canvas.h"
#include "data/pictures/pictures.h"
#include "gdiplus/brushes.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"

namespace {

using namespace gdiplus;
using gdiplus_test::Blue;
using gdiplus_test::Canvas;
using gdiplus_test::Green;
using gdiplus_test::Near;
using gdiplus_test::Red;

constexpr ARGB kWhite = 0xFFFFFFFF;
constexpr ARGB kRed = 0xFFFF0000;
constexpr ARGB kBlue = 0xFF0000FF;
constexpr ARGB kBlack = 0xFF000000;

TEST(DrawingTest, FillsRectanglesAndPathsAndStrokesLines) {
  Canvas canvas(100, 100);
  SolidBrush red;
  ASSERT_TRUE(red.Create(kRed));
  Pen blue;
  ASSERT_TRUE(blue.Create(kBlue, 3.0f));
  EXPECT_TRUE(canvas.graphics.FillRectangle(red, 10, 10, 30, 30));
  EXPECT_TRUE(canvas.graphics.DrawLine(blue, 50, 10, 90, 10));
  EXPECT_TRUE(canvas.graphics.DrawRectangle(blue, 50.5f, 50.5f, 40, 40));

  GraphicsPath ellipse;
  ASSERT_TRUE(ellipse.Create());
  EXPECT_TRUE(ellipse.AddEllipse(10, 55, 30, 30));
  EXPECT_TRUE(canvas.graphics.FillPath(red, ellipse));
  EXPECT_TRUE(canvas.graphics.DrawPath(blue, ellipse));

  EXPECT_TRUE(Near(canvas.At(25, 25), kRed, 8));
  EXPECT_TRUE(Near(canvas.At(5, 5), kWhite, 8));
  EXPECT_TRUE(Near(canvas.At(45, 25), kWhite, 8));
  EXPECT_TRUE(Near(canvas.At(70, 10), kBlue, 8));
  EXPECT_TRUE(Near(canvas.At(70, 14), kWhite, 8));
  EXPECT_TRUE(Near(canvas.At(70, 51), kBlue, 8));   // top edge of the outline
  EXPECT_TRUE(Near(canvas.At(70, 70), kWhite, 8));  // inside the outline
  EXPECT_TRUE(Near(canvas.At(25, 70), kRed, 8));    // ellipse centre
  EXPECT_TRUE(Near(canvas.At(11, 56), kWhite, 8));  // outside the ellipse, in its box
  EXPECT_EQ(LastStatus, kOk);
}

TEST(DrawingTest, IntegerFormsDrawLikeFloatForms) {
  Canvas canvas(60, 30);
  SolidBrush black;
  ASSERT_TRUE(black.Create(kBlack));
  Pen pen;
  ASSERT_TRUE(pen.Create(kBlack, 1.0f));
  EXPECT_TRUE(canvas.graphics.FillRectangleI(black, 5, 5, 10, 10));
  EXPECT_TRUE(canvas.graphics.FillEllipseI(black, 30, 5, 20, 20));
  EXPECT_TRUE(canvas.graphics.DrawLineI(pen, 0, 28, 59, 28));
  EXPECT_TRUE(Near(canvas.At(10, 10), kBlack, 8));
  EXPECT_TRUE(Near(canvas.At(40, 15), kBlack, 8));
  EXPECT_TRUE(Near(canvas.At(31, 6), kWhite, 8));
  EXPECT_EQ(Red(canvas.At(30, 28)), Red(canvas.At(10, 28)));
  EXPECT_LT(Red(canvas.At(30, 28)), 128);
}

TEST(DrawingTest, LinearGradientsBlendAcrossTheirLine) {
  Canvas canvas(100, 20);
  LinearGradientBrush ramp;
  ASSERT_TRUE(ramp.Create(PointF{0, 0}, PointF{100, 0}, kBlack, kWhite));
  EXPECT_TRUE(canvas.graphics.FillRectangle(ramp, 0, 0, 100, 10));
  const int left = Red(canvas.At(10, 5));
  const int middle = Red(canvas.At(50, 5));
  const int right = Red(canvas.At(90, 5));
  EXPECT_LT(left, middle);
  EXPECT_LT(middle, right);
  EXPECT_NEAR(middle, 128, 24);

  // Preset blend: red, green, blue along the line.
  LinearGradientBrush preset;
  ASSERT_TRUE(preset.CreateFromRect(RectF{0, 10, 100, 10}, kBlack, kBlack, 0));
  const ARGB colors[] = {kRed, 0xFF00FF00, kBlue};
  const REAL positions[] = {0.0f, 0.5f, 1.0f};
  EXPECT_TRUE(preset.SetPresetBlend(colors, positions, 3));
  EXPECT_TRUE(canvas.graphics.FillRectangle(preset, 0, 10, 100, 10));
  const ARGB start = canvas.At(2, 15);
  const ARGB centre = canvas.At(50, 15);
  const ARGB end = canvas.At(97, 15);
  EXPECT_GT(Red(start), 200);
  EXPECT_GT(Green(centre), 200);
  EXPECT_GT(Blue(end), 200);

  // A linear blend with focus 0.5 peaks at colour 2 in the middle.
  LinearGradientBrush peak;
  ASSERT_TRUE(peak.Create(Point{0, 0}, Point{100, 0}, kBlack, kWhite));
  EXPECT_TRUE(peak.SetLinearBlend(0.5f, 1.0f));
  Canvas second(100, 10);
  EXPECT_TRUE(second.graphics.FillRectangle(peak, 0, 0, 100, 10));
  EXPECT_GT(Red(second.At(50, 5)), 220);
  EXPECT_LT(Red(second.At(3, 5)), 40);
  EXPECT_LT(Red(second.At(97, 5)), 40);
}

TEST(DrawingTest, PathGradientGoesFromCentreToSurround) {
  Canvas canvas(100, 100, kBlack);
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddEllipse(0, 0, 100, 100));
  PathGradientBrush glow;
  ASSERT_TRUE(glow.CreateFromPath(path));
  EXPECT_TRUE(glow.SetCenterColor(kWhite));
  EXPECT_EQ(glow.GetCenterColor(), kWhite);
  ARGB surround[] = {kBlue};
  int count = 1;
  EXPECT_TRUE(glow.SetSurroundColors(surround, &count));
  EXPECT_EQ(count, 1);
  EXPECT_TRUE(canvas.graphics.FillPath(glow, path));
  const ARGB centre = canvas.At(50, 50);
  const ARGB rim = canvas.At(50, 4);
  EXPECT_GT(Red(centre), 200);
  EXPECT_LT(Red(rim), Red(centre) - 100);
  EXPECT_GT(Blue(rim), 150);
  EXPECT_TRUE(Near(canvas.At(2, 2), kBlack, 8));  // outside the ellipse
}

TEST(DrawingTest, PenFromABrushPaintsWithTheBrush) {
  Canvas canvas(40, 40);
  SolidBrush red;
  ASSERT_TRUE(red.Create(kRed));
  Pen pen;
  ASSERT_TRUE(pen.Create(red, 1.0f));
  EXPECT_TRUE(pen.SetWidth(6.0f));
  EXPECT_FLOAT_EQ(pen.GetWidth(), 6.0f);
  EXPECT_TRUE(canvas.graphics.DrawLine(pen, 0, 20, 40, 20));
  EXPECT_TRUE(Near(canvas.At(20, 18), kRed, 8));
  EXPECT_TRUE(Near(canvas.At(20, 22), kRed, 8));
  EXPECT_TRUE(Near(canvas.At(20, 26), kWhite, 8));
}

TEST(DrawingTest, ClippingLimitsFillsUntilReset) {
  Canvas canvas(60, 60);
  SolidBrush red;
  ASSERT_TRUE(red.Create(kRed));
  EXPECT_TRUE(canvas.graphics.SetClipRect(10, 10, 20, 20));
  EXPECT_TRUE(canvas.graphics.FillRectangle(red, 0, 0, 60, 60));
  EXPECT_TRUE(Near(canvas.At(20, 20), kRed, 8));
  EXPECT_TRUE(Near(canvas.At(40, 40), kWhite, 8));

  GraphicsPath circle;
  ASSERT_TRUE(circle.Create());
  ASSERT_TRUE(circle.AddEllipse(30, 30, 30, 30));
  EXPECT_TRUE(canvas.graphics.SetClipPath(circle));
  SolidBrush blue;
  ASSERT_TRUE(blue.Create(kBlue));
  EXPECT_TRUE(canvas.graphics.FillRectangle(blue, 0, 0, 60, 60));
  EXPECT_TRUE(Near(canvas.At(45, 45), kBlue, 8));
  EXPECT_TRUE(Near(canvas.At(20, 20), kRed, 8));
  EXPECT_TRUE(Near(canvas.At(31, 31), kWhite, 8));

  EXPECT_TRUE(canvas.graphics.ResetClip());
  EXPECT_TRUE(canvas.graphics.FillRectangle(blue, 0, 0, 5, 5));
  EXPECT_TRUE(Near(canvas.At(2, 2), kBlue, 8));
}

TEST(DrawingTest, DrawsDecodedPicturesAtTheirSizeAndScaled) {
  Canvas canvas(40, 40);
  Bitmap arrow;
  ASSERT_TRUE(arrow.CreateFromBytes(kArrowDownPng, kArrowDownPngSize));
  EXPECT_TRUE(canvas.graphics.DrawImage(arrow, 0, 0));
  EXPECT_TRUE(canvas.graphics.DrawImageRectRect(arrow, 10, 10, 28, 16, 0, 0, 7, 4));
  EXPECT_TRUE(canvas.graphics.DrawImageRectRectI(arrow, 0, 30, 7, 4, 0, 0, 7, 4));
  // Natural size: the top row is the triangle's base, the tip in the middle.
  EXPECT_LT(Red(canvas.At(0, 0)), 80);
  EXPECT_LT(Red(canvas.At(3, 3)), 80);
  EXPECT_TRUE(Near(canvas.At(0, 3), kWhite, 40));
  EXPECT_LT(Red(canvas.At(3, 33)), 80);
  // Four times larger: the tip region is dark, the bottom corners light.
  EXPECT_LT(Red(canvas.At(24, 12)), 80);
  EXPECT_LT(Red(canvas.At(24, 19)), 80);
  EXPECT_GT(Red(canvas.At(11, 24)), 200);
  EXPECT_GT(Red(canvas.At(36, 24)), 200);
}

TEST(DrawingTest, PointArraysComeBackFromDrawingUnchangedAndFromTransformsMoved) {
  Canvas canvas(50, 50);
  Pen pen;
  ASSERT_TRUE(pen.Create(kBlack, 1.0f));
  PointF points[] = {{1, 2}, {30, 40}, {45, 5}};
  EXPECT_TRUE(canvas.graphics.DrawLines(pen, points, 3));
  Point ints[] = {{3, 4}, {20, 20}};
  EXPECT_TRUE(canvas.graphics.DrawLines(pen, ints, 2));
  EXPECT_FLOAT_EQ(points[1].X, 30);
  EXPECT_FLOAT_EQ(points[1].Y, 40);
  EXPECT_EQ(ints[0].X, 3);

  EXPECT_TRUE(canvas.graphics.TranslateWorldTransform(10, 20));
  EXPECT_TRUE(
      canvas.graphics.TransformPoints(kCoordinateSpaceDevice, kCoordinateSpaceWorld, points, 3));
  EXPECT_FLOAT_EQ(points[0].X, 11);
  EXPECT_FLOAT_EQ(points[0].Y, 22);
  EXPECT_FLOAT_EQ(points[2].X, 55);
  EXPECT_TRUE(
      canvas.graphics.TransformPoints(kCoordinateSpaceDevice, kCoordinateSpaceWorld, ints, 2));
  EXPECT_EQ(ints[1].X, 30);
  EXPECT_EQ(ints[1].Y, 40);
}

// Where (10, 10) lands after an existing translation by (100, 0) and a
// doubling about (10, 10) in the given order.
PointF ScaledAtCentre(int order) {
  Canvas canvas(4, 4);
  canvas.graphics.TranslateWorldTransform(100, 0);
  EXPECT_TRUE(canvas.graphics.ScaleAt(2, 2, PointF{10, 10}, order));
  PointF point{10, 10};
  canvas.graphics.TransformPoints(kCoordinateSpaceDevice, kCoordinateSpaceWorld, &point, 1);
  return point;
}

TEST(DrawingTest, ScaleAtPrependsOrAppendsAboutTheCentre) {
  // Prepending scales about the centre before the translation: the centre stays.
  const PointF prepended = ScaledAtCentre(kMatrixOrderPrepend);
  EXPECT_FLOAT_EQ(prepended.X, 110);
  EXPECT_FLOAT_EQ(prepended.Y, 10);
  // Appending scales the translated point about the centre.
  const PointF appended = ScaledAtCentre(kMatrixOrderAppend);
  EXPECT_FLOAT_EQ(appended.X, 210);
  EXPECT_FLOAT_EQ(appended.Y, 10);

  Canvas canvas(4, 4);
  EXPECT_TRUE(canvas.graphics.RotateAt(90, PointF{10, 10}));
  PointF point{20, 10};
  canvas.graphics.TransformPoints(kCoordinateSpaceDevice, kCoordinateSpaceWorld, &point, 1);
  EXPECT_NEAR(point.X, 10, 1e-3);
  EXPECT_NEAR(point.Y, 20, 1e-3);
}

TEST(DrawingTest, BrushAndPenTransformsScaleAboutTheCentre) {
  // A gradient brush scaled about the middle of its line keeps its middle colour there.
  Canvas canvas(100, 10);
  LinearGradientBrush ramp;
  ASSERT_TRUE(ramp.Create(PointF{0, 0}, PointF{100, 0}, kBlack, kWhite));
  EXPECT_TRUE(ramp.ScaleAt(0.5f, 1, PointF{50, 0}));
  EXPECT_TRUE(ramp.RotateAt(0, PointF{50, 0}));
  EXPECT_TRUE(canvas.graphics.FillRectangle(ramp, 0, 0, 100, 10));
  EXPECT_NEAR(Red(canvas.At(50, 5)), 128, 24);
  EXPECT_LT(Red(canvas.At(30, 5)), 40);  // the ramp now ends at 25 and 75

  Pen pen;
  ASSERT_TRUE(pen.Create(kBlack, 2.0f));
  EXPECT_TRUE(pen.ScaleAt(3, 3, PointF{5, 5}));
  EXPECT_TRUE(pen.RotateAt(45, PointF{5, 5}, kMatrixOrderAppend));
  GraphicsPath path;
  ASSERT_TRUE(path.Create());
  ASSERT_TRUE(path.AddEllipse(0, 0, 10, 10));
  PathGradientBrush glow;
  ASSERT_TRUE(glow.CreateFromPath(path));
  EXPECT_TRUE(glow.ScaleAt(2, 2, PointF{5, 5}, kMatrixOrderAppend));
  EXPECT_TRUE(glow.RotateAt(30, PointF{5, 5}));
}

}  // namespace
