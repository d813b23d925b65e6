// The carried pictures have the sizes and formats the program draws them at.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "carried_pngs.h"
#include "data/pictures/pictures.h"

namespace {

using gdiplus_test::CarriedPng;

uint32_t BigEndian32(const unsigned char* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint32_t Little16(const unsigned char* p) {
  return p[0] | (uint32_t{p[1]} << 8);
}
uint32_t Little32(const unsigned char* p) {
  return Little16(p) | (Little16(p + 2) << 16);
}

TEST(PicturesTest, PngsAreRgbaOfTheirSizes) {
  const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const CarriedPng& png : gdiplus_test::kCarriedPngs) {
    SCOPED_TRACE(png.name);
    ASSERT_GT(png.size, 33u);
    EXPECT_EQ(0, memcmp(png.bytes, signature, 8));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(png.bytes + 12), 4), "IHDR");
    EXPECT_EQ(BigEndian32(png.bytes + 16), png.width);
    EXPECT_EQ(BigEndian32(png.bytes + 20), png.height);
    EXPECT_EQ(png.bytes[24], 8);        // bits per channel
    EXPECT_EQ(png.bytes[25], 6);        // RGBA
    EXPECT_EQ(png.bytes[png.size], 0);  // the spare terminator
  }
}

TEST(PicturesTest, EverySetHoldsItsPictureAt1xAnd1Point5xAnd2x) {
  for (const gdiplus_test::CarriedSet& set : gdiplus_test::kCarriedSets) {
    SCOPED_TRACE(set.name);
    // The 1x picture is the one the program has always drawn.
    bool listed = false;
    for (const CarriedPng& png : gdiplus_test::kCarriedPngs)
      listed = listed || (png.bytes == set.pictures.scales[0].bytes && png.width == set.width);
    EXPECT_TRUE(listed);
    // Each side times the scale, rounded half up, as the program rounds.
    const uint32_t widths[] = {set.width, (set.width * 3 + 1) / 2, set.width * 2};
    const uint32_t heights[] = {set.height, (set.height * 3 + 1) / 2, set.height * 2};
    for (int i = 0; i < 3; ++i) {
      const Picture& picture = set.pictures.scales[i];
      ASSERT_GT(picture.size, 33u);
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(picture.bytes + 12), 4), "IHDR");
      EXPECT_EQ(BigEndian32(picture.bytes + 16), widths[i]) << "scale " << i;
      EXPECT_EQ(BigEndian32(picture.bytes + 20), heights[i]) << "scale " << i;
      EXPECT_EQ(picture.bytes[25], 6);  // RGBA
    }
  }
}

TEST(PicturesTest, BackgroundIsA1440By900Jpeg) {
  ASSERT_GT(kBackgroundJpgSize, 4u);
  EXPECT_EQ(kBackgroundJpg[0], 0xFF);
  EXPECT_EQ(kBackgroundJpg[1], 0xD8);
  // Walk the segments to the frame header.
  unsigned at = 2;
  bool found = false;
  while (at + 9 < kBackgroundJpgSize && kBackgroundJpg[at] == 0xFF) {
    const unsigned char marker = kBackgroundJpg[at + 1];
    const unsigned length = (kBackgroundJpg[at + 2] << 8) | kBackgroundJpg[at + 3];
    if (marker >= 0xC0 && marker <= 0xC2) {
      EXPECT_EQ((kBackgroundJpg[at + 5] << 8) | kBackgroundJpg[at + 6], 900);
      EXPECT_EQ((kBackgroundJpg[at + 7] << 8) | kBackgroundJpg[at + 8], 1440);
      found = true;
      break;
    }
    at += 2 + length;
  }
  EXPECT_TRUE(found);
}

TEST(PicturesTest, IconIsOne128By128BitmapEntry) {
  ASSERT_EQ(kIconIcoSize, 67646u);
  const unsigned char* p = kIconIco;
  EXPECT_EQ(Little16(p), 0u);      // reserved
  EXPECT_EQ(Little16(p + 2), 1u);  // icon
  EXPECT_EQ(Little16(p + 4), 1u);  // one image
  EXPECT_EQ(p[6], 128);
  EXPECT_EQ(p[7], 128);
  EXPECT_EQ(Little16(p + 12), 32u);
  EXPECT_EQ(Little32(p + 14), 67624u);
  EXPECT_EQ(Little32(p + 18), 22u);
  const unsigned char* header = p + 22;
  EXPECT_EQ(Little32(header), 40u);
  EXPECT_EQ(Little32(header + 4), 128u);
  EXPECT_EQ(Little32(header + 8), 256u);  // colour and mask rows
  EXPECT_EQ(Little16(header + 14), 32u);
  // The pointer in the middle is opaque, the rounded corner transparent.
  auto alpha = [&](int x, int y) { return header[40 + ((127 - y) * 128 + x) * 4 + 3]; };
  EXPECT_EQ(alpha(60, 70), 255);
  EXPECT_EQ(alpha(1, 1), 0);
}

}  // namespace
