// The carried pictures have the sizes and formats the program draws them at.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

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

// The 128 x 128 image the icon has always had, first, and beside it the
// sizes a Windows icon carries, each of its own size.
TEST(PicturesTest, IconCarriesThe128ImageAndEverySizeAWindowsIconHas) {
  const unsigned char* p = kIconIco;
  EXPECT_EQ(Little16(p), 0u);      // reserved
  EXPECT_EQ(Little16(p + 2), 1u);  // icon
  const uint32_t count = Little16(p + 4);
  std::vector<int> sizes;
  for (uint32_t i = 0; i < count; ++i) {
    const unsigned char* entry = p + 6 + 16 * i;
    const int size = entry[0] != 0 ? entry[0] : 256;
    sizes.push_back(size);
    SCOPED_TRACE(size);
    EXPECT_EQ(entry[1], entry[0]);
    EXPECT_EQ(Little16(entry + 6), 32u);
    const uint32_t offset = Little32(entry + 12);
    ASSERT_LE(offset + Little32(entry + 8), kIconIcoSize);
    const unsigned char* image = p + offset;
    if (size == 256) {
      // Kept PNG-compressed, as Windows keeps its largest size.
      EXPECT_EQ(std::memcmp(image, "\x89PNG", 4), 0);
      EXPECT_EQ(BigEndian32(image + 16), 256u);
      continue;
    }
    EXPECT_EQ(Little32(image), 40u);
    EXPECT_EQ(Little32(image + 4), static_cast<uint32_t>(size));
    EXPECT_EQ(Little32(image + 8), static_cast<uint32_t>(2 * size));  // colour and mask rows
    EXPECT_EQ(Little16(image + 14), 32u);
    // The pointer in the middle is opaque, the rounded corner (as good as)
    // transparent.
    auto alpha = [&](int x, int y) { return image[40 + ((size - 1 - y) * size + x) * 4 + 3]; };
    EXPECT_EQ(alpha(size * 60 / 128, size * 70 / 128), 255);
    EXPECT_LT(alpha(0, 0), 8);
  }
  EXPECT_EQ(sizes, (std::vector<int>{128, 16, 20, 24, 32, 40, 48, 64, 256}));
  // The 128 x 128 image is the one of before: 67,624 bytes at its old place
  // after the directory.
  EXPECT_EQ(Little32(p + 6 + 8), 67624u);
  EXPECT_EQ(Little32(p + 6 + 12), 6u + 16u * count);
}

}  // namespace
