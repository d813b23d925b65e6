// Images decoded from byte arrays through the memory stream, saved to bytes
// and decoded again.
#include <gtest/gtest.h>

#include <vector>

#include "canvas.h"
#include "carried_pngs.h"
#include "data/pictures/pictures.h"

namespace {

using gdiplus_test::CarriedPng;

using namespace gdiplus;
using gdiplus_test::Alpha;
using gdiplus_test::Blue;
using gdiplus_test::Green;
using gdiplus_test::Red;

TEST(ImageTest, DecodesEveryCarriedPngWithItsSize) {
  for (const CarriedPng& picture : gdiplus_test::kCarriedPngs) {
    SCOPED_TRACE(picture.name);
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.CreateFromBytes(picture.bytes, picture.size));
    EXPECT_EQ(bitmap.GetWidth(), picture.width);
    EXPECT_EQ(bitmap.GetHeight(), picture.height);
    EXPECT_EQ(bitmap.GetType(), kImageTypeBitmap);
    EXPECT_TRUE(bitmap.Delete());
    EXPECT_FALSE(bitmap.HasObject());
  }
}

TEST(ImageTest, PngPixelsAreWhereTheyWereDrawn) {
  Bitmap up;
  ASSERT_TRUE(up.CreateFromBytes(kArrowUpPng, kArrowUpPngSize));
  const ARGB tip = up.GetPixel(3, 0);
  EXPECT_EQ(Alpha(tip), 255);
  EXPECT_LT(Red(tip) + Green(tip) + Blue(tip), 3 * 60);
  EXPECT_EQ(Alpha(up.GetPixel(0, 0)), 0);
  EXPECT_EQ(Alpha(up.GetPixel(0, 3)), 255);  // the base spans the bottom row

  Bitmap left;
  ASSERT_TRUE(left.CreateFromBytes(kArrowLeftPng, kArrowLeftPngSize));
  EXPECT_EQ(Alpha(left.GetPixel(0, 3)), 255);  // tip on the left
  EXPECT_EQ(Alpha(left.GetPixel(0, 0)), 0);
  EXPECT_EQ(Alpha(left.GetPixel(3, 0)), 255);

  Bitmap box;
  ASSERT_TRUE(box.CreateFromBytes(kCheckBoxPng, kCheckBoxPngSize));
  const ARGB inside = box.GetPixel(6, 6);
  EXPECT_EQ(Alpha(inside), 255);
  EXPECT_GT(Red(inside), 220);
  EXPECT_LT(Alpha(box.GetPixel(0, 0)), 255);  // rounded corner

  // Title glyphs are light on a transparent ground.
  Bitmap close;
  ASSERT_TRUE(close.CreateFromBytes(kCloseButtonPng, kCloseButtonPngSize));
  EXPECT_EQ(Alpha(close.GetPixel(1, 1)), 0);
  const ARGB centre = close.GetPixel(19, 8);
  EXPECT_GT(Alpha(centre), 200);
  EXPECT_GT(Red(centre), 200);
}

TEST(ImageTest, DecodesTheBackgroundJpegAsImageAndAsBitmap) {
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(kBackgroundJpg, kBackgroundJpgSize));
  EXPECT_EQ(image.GetWidth(), 1440u);
  EXPECT_EQ(image.GetHeight(), 900u);
  REAL width = 0;
  REAL height = 0;
  EXPECT_TRUE(image.GetDimension(&width, &height));
  EXPECT_FLOAT_EQ(width, 1440);

  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromBytes(kBackgroundJpg, kBackgroundJpgSize));
  const ARGB top = bitmap.GetPixel(720, 10);
  const ARGB bottom = bitmap.GetPixel(720, 880);
  EXPECT_EQ(Alpha(top), 255);
  EXPECT_GT(Blue(top), Red(top) + 40);  // the deep blue of the title band
  EXPECT_GT(Red(bottom), 200);          // light where the controls sit
  EXPECT_GT(Blue(bottom), 200);

  // Drawn stretched into a small canvas, as the frame does.
  gdiplus_test::Canvas canvas(144, 90);
  EXPECT_TRUE(canvas.graphics.DrawImageRect(image, 0, 0, 144, 90));
  EXPECT_GT(Blue(canvas.At(72, 1)), Red(canvas.At(72, 1)) + 40);
}

TEST(ImageTest, SavesToBytesAndDecodesTheSameImageAgain) {
  Bitmap original;
  ASSERT_TRUE(original.CreateFromScan0(16, 8, kPixelFormat32bppARGB));
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) {
      original.SetPixel(
          x, y,
          0xFF000000u | static_cast<ARGB>(x * 16) << 16 | static_cast<ARGB>(y * 32) << 8 | 0x40);
    }
  }
  original.SetPixel(5, 5, 0x80FF8000);
  const std::vector<unsigned char> png = original.SaveToBytes("image/png");
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(png[2], 'N');

  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromBytes(png.data(), static_cast<unsigned>(png.size())));
  EXPECT_EQ(decoded.GetWidth(), 16u);
  EXPECT_EQ(decoded.GetHeight(), 8u);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) {
      ASSERT_EQ(decoded.GetPixel(x, y), original.GetPixel(x, y)) << x << "," << y;
    }
  }

  // JPEG is lossy: same size, colours close.
  Image background;
  ASSERT_TRUE(background.LoadFromBytes(kBackgroundJpg, kBackgroundJpgSize));
  const std::vector<unsigned char> jpeg = background.SaveToBytes("image/jpeg");
  ASSERT_GT(jpeg.size(), 2u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  Bitmap again;
  ASSERT_TRUE(again.CreateFromBytes(jpeg.data(), static_cast<unsigned>(jpeg.size())));
  EXPECT_EQ(again.GetWidth(), 1440u);
  EXPECT_EQ(again.GetHeight(), 900u);
  Bitmap first;
  ASSERT_TRUE(first.CreateFromBytes(kBackgroundJpg, kBackgroundJpgSize));
  EXPECT_TRUE(gdiplus_test::Near(again.GetPixel(700, 450), first.GetPixel(700, 450), 12));
}

TEST(ImageTest, EncodersAreFoundByMimeTypeOnly) {
  EXPECT_EQ(Image::EncoderClsid("image/png"), "{557CF406-1A04-11D3-9A73-0000F81EF32E}");
  EXPECT_EQ(Image::EncoderClsid("IMAGE/PNG"), "{557CF406-1A04-11D3-9A73-0000F81EF32E}");
  EXPECT_EQ(Image::EncoderClsid("image/none"), "");
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromScan0(2, 2));
  EXPECT_TRUE(bitmap.SaveToBytes("image/none").empty());
  EXPECT_EQ(LastStatus, kInvalidParameter);
}

TEST(ImageTest, DecodedImageOutlivesTheCallersBuffer) {
  std::vector<unsigned char> bytes(kComboArrowPng, kComboArrowPng + kComboArrowPngSize);
  Bitmap arrow;
  ASSERT_TRUE(arrow.CreateFromBytes(bytes.data(), static_cast<unsigned>(bytes.size())));
  bytes.assign(bytes.size(), 0);
  bytes.clear();
  bytes.shrink_to_fit();
  gdiplus_test::Canvas canvas(7, 4);
  EXPECT_TRUE(canvas.graphics.DrawImage(arrow, 0, 0));
  EXPECT_LT(Red(canvas.At(3, 0)), 80);
  EXPECT_EQ(Alpha(arrow.GetPixel(3, 3)), 255);
}

TEST(ImageTest, GdiBitmapsAndRotationsRoundTrip) {
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromBytes(kArrowRightPng, kArrowRightPngSize));
  HBITMAP gdi = bitmap.CreateHBITMAP(0xFFFFFFFF);
  ASSERT_NE(gdi, nullptr);
  Bitmap back;
  ASSERT_TRUE(back.CreateFromHBITMAP(gdi));
  DeleteObject(gdi);
  EXPECT_EQ(back.GetWidth(), 4u);
  EXPECT_EQ(back.GetHeight(), 7u);
  EXPECT_LT(Red(back.GetPixel(0, 0)), 80);   // the arrow's left edge
  EXPECT_GT(Red(back.GetPixel(3, 0)), 200);  // the white background

  EXPECT_TRUE(bitmap.RotateFlip(1));  // 90 degrees clockwise
  EXPECT_EQ(bitmap.GetWidth(), 7u);
  EXPECT_EQ(bitmap.GetHeight(), 4u);

  Bitmap area;
  ASSERT_TRUE(bitmap.CloneArea(0, 0, 3, 2, kPixelFormat32bppARGB, &area));
  EXPECT_EQ(area.GetWidth(), 3u);
  EXPECT_EQ(area.GetPixel(1, 1), bitmap.GetPixel(1, 1));
}

}  // namespace
