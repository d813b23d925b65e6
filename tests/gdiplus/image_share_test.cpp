// Shares and moves of image wrappers: the decoded image and the stream it is
// read from stay alive as long as any wrapper may still draw it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "canvas.h"
#include "data/pictures/pictures.h"
#include "gdiplus/pen.h"

namespace {

using namespace gdiplus;

// True when `stream` still holds a live block that begins with `bytes`.
bool HoldsBytes(const MemoryStream* stream, const unsigned char* bytes, unsigned size) {
  if (stream == nullptr || stream->Stream() == nullptr || stream->HGlobal() == nullptr) {
    return false;
  }
  const std::vector<unsigned char> held = stream->ToBytes();
  return held.size() >= size && std::equal(bytes, bytes + size, held.begin());
}

// The arrow is 7 x 4 with a dark tip at the top centre.
void ExpectDrawsTheUpArrow(Image& image) {
  EXPECT_EQ(image.GetWidth(), 7u);
  gdiplus_test::Canvas canvas(7, 4);
  EXPECT_TRUE(canvas.graphics.DrawImage(image, 0, 0));
  EXPECT_LT(gdiplus_test::Red(canvas.At(3, 0)), 80);
}

TEST(ImageShareTest, MovingAShareOntoItsOwnWrapperKeepsTheImageAndItsStream) {
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(kArrowUpPng, kArrowUpPngSize));
  const HGLOBAL block = image.SourceStream()->HGlobal();
  {
    Image share = image.Share();
    image = std::move(share);
    EXPECT_FALSE(share.HasObject());
  }
  ASSERT_TRUE(image.HasObject());
  ASSERT_TRUE(HoldsBytes(image.SourceStream(), kArrowUpPng, kArrowUpPngSize));
  EXPECT_EQ(image.SourceStream()->HGlobal(), block);
  ExpectDrawsTheUpArrow(image);
  EXPECT_TRUE(image.Delete());
  EXPECT_EQ(image.SourceStream(), nullptr);

  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromBytes(kArrowUpPng, kArrowUpPngSize));
  {
    Bitmap share = bitmap.Share();
    bitmap = std::move(share);
  }
  ASSERT_TRUE(HoldsBytes(bitmap.BitmapSourceStream(), kArrowUpPng, kArrowUpPngSize));
  EXPECT_EQ(gdiplus_test::Alpha(bitmap.GetPixel(3, 0)), 255);
  EXPECT_EQ(LastStatus, kOk);

  Pen pen;
  ASSERT_TRUE(pen.Create(0xFF0000FF, 3.0f));
  {
    Pen share = pen.Share();
    pen = std::move(share);
  }
  EXPECT_FLOAT_EQ(pen.GetWidth(), 3.0f);
  EXPECT_EQ(LastStatus, kOk);
}

TEST(ImageShareTest, ASecondDecodeLeavesTheFirstImageItsStreamForItsShare) {
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(kArrowUpPng, kArrowUpPngSize));
  Image first = image.Share();
  const MemoryStream* firstStream = image.SourceStream();
  ASSERT_TRUE(image.LoadFromBytes(kCheckBoxPng, kCheckBoxPngSize));
  EXPECT_EQ(first.SourceStream(), firstStream);
  EXPECT_NE(image.SourceStream(), firstStream);
  ASSERT_TRUE(HoldsBytes(first.SourceStream(), kArrowUpPng, kArrowUpPngSize));
  EXPECT_TRUE(HoldsBytes(image.SourceStream(), kCheckBoxPng, kCheckBoxPngSize));
  ExpectDrawsTheUpArrow(first);
  EXPECT_EQ(image.GetWidth(), 13u);
  // Each image ends with its own stream.
  EXPECT_TRUE(first.Delete());
  EXPECT_TRUE(HoldsBytes(image.SourceStream(), kCheckBoxPng, kCheckBoxPngSize));
  EXPECT_EQ(image.GetWidth(), 13u);

  // Handed out raw by a share and then replaced: the image is alive, and so
  // is its stream.
  ASSERT_TRUE(image.LoadFromBytes(kArrowUpPng, kArrowUpPngSize));
  const HGLOBAL block = image.SourceStream()->HGlobal();
  void* handedOut = image.Share().Detach();
  ASSERT_TRUE(image.LoadFromBytes(kCheckBoxPng, kCheckBoxPngSize));
  EXPECT_GE(GlobalSize(block), kArrowUpPngSize);
  Image adopted;
  adopted.SetNativeBase(handedOut);
  ExpectDrawsTheUpArrow(adopted);

  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromBytes(kArrowUpPng, kArrowUpPngSize));
  Bitmap firstBitmap = bitmap.Share();
  ASSERT_TRUE(bitmap.CreateFromBytes(kCheckBoxPng, kCheckBoxPngSize));
  ASSERT_TRUE(HoldsBytes(firstBitmap.BitmapSourceStream(), kArrowUpPng, kArrowUpPngSize));
  EXPECT_TRUE(HoldsBytes(bitmap.BitmapSourceStream(), kCheckBoxPng, kCheckBoxPngSize));
  EXPECT_EQ(gdiplus_test::Alpha(firstBitmap.GetPixel(3, 0)), 255);
  EXPECT_EQ(bitmap.GetWidth(), 13u);
}

TEST(ImageShareTest, WhicheverWrapperKeepsTheImageKeepsItsStream) {
  // The share lets go: the wrapper still draws.
  Image image;
  ASSERT_TRUE(image.LoadFromBytes(kArrowUpPng, kArrowUpPngSize));
  {
    Image share = image.Share();
    EXPECT_EQ(share.Detach(), image.GetNativeBase());
  }
  ASSERT_TRUE(HoldsBytes(image.SourceStream(), kArrowUpPng, kArrowUpPngSize));
  ExpectDrawsTheUpArrow(image);

  // The wrapper lets go: the share draws, and its delete ends both.
  Image share = image.Share();
  image.Detach();
  EXPECT_EQ(image.SourceStream(), nullptr);
  ASSERT_TRUE(HoldsBytes(share.SourceStream(), kArrowUpPng, kArrowUpPngSize));
  ExpectDrawsTheUpArrow(share);
  EXPECT_TRUE(share.Delete());
  EXPECT_FALSE(share.HasObject());

  // A move hands the stream over with the image.
  Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromBytes(kArrowUpPng, kArrowUpPngSize));
  Bitmap moved = std::move(bitmap);
  EXPECT_EQ(bitmap.BitmapSourceStream(), nullptr);
  EXPECT_TRUE(HoldsBytes(moved.BitmapSourceStream(), kArrowUpPng, kArrowUpPngSize));
  Bitmap other;
  ASSERT_TRUE(other.CreateFromBytes(kCheckBoxPng, kCheckBoxPngSize));
  other = std::move(moved);
  EXPECT_EQ(other.GetWidth(), 7u);
  EXPECT_TRUE(HoldsBytes(other.BitmapSourceStream(), kArrowUpPng, kArrowUpPngSize));
}

// The encoder writes far more than the stream's first block: the bytes come
// from the block the stream ends up with.
TEST(ImageShareTest, SavingALargeImageGivesEveryEncodedByte) {
  const int size = 400;
  std::vector<uint32_t> pixels(size * size);
  unsigned seed = 12345;
  for (uint32_t& pixel : pixels) {
    seed = seed * 1103515245u + 12345u;
    pixel = 0xFF000000u | (seed >> 8);
  }
  Bitmap noise;
  ASSERT_TRUE(noise.CreateFromScan0(size, size, size * 4, kPixelFormat32bppARGB,
                                    reinterpret_cast<BYTE*>(pixels.data())));
  const std::vector<unsigned char> png = noise.SaveToBytes("image/png");
  ASSERT_GT(png.size(), 256u * 1024);
  Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromBytes(png.data(), static_cast<unsigned>(png.size())));
  ASSERT_EQ(decoded.GetWidth(), static_cast<UINT>(size));
  for (int i = 0; i < size; i += 7) {
    ASSERT_EQ(decoded.GetPixel(i, size - 1 - i), pixels[(size - 1 - i) * size + i]) << i;
  }
}

}  // namespace
