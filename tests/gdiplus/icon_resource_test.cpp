// The program icon as resource 129 of an executable, and the icon file as
// GDI+ and the system read it.
#include <gtest/gtest.h>

#include "data/pictures/pictures.h"
#include "gdiplus/image.h"

namespace {

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof(bitmap), &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

TEST(IconResourceTest, ResourceIdLoadsTheIcon) {
  HMODULE module = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(module, MAKEINTRESOURCEA(129));
  ASSERT_NE(icon, nullptr);
  // At its own size the resource gives the full 128 x 128 image.
  HANDLE full = LoadImageA(module, MAKEINTRESOURCEA(129), IMAGE_ICON, 0, 0, 0);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(IconWidth(static_cast<HICON>(full)), 128);
  DestroyIcon(static_cast<HICON>(full));
}

TEST(IconResourceTest, IconBytesMakeA32BitIconAndABitmap) {
  // The 128 x 128 image follows the directory (6 bytes, and 16 an image).
  const size_t offset = 6 + 16 * (kIconIco[4] | kIconIco[5] << 8);
  HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(kIconIco + offset), kIconIcoSize - offset,
                                        TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(IconWidth(icon), 128);
  gdiplus::Bitmap bitmap;
  ASSERT_TRUE(bitmap.CreateFromHICON(icon));
  EXPECT_EQ(bitmap.GetWidth(), 128u);
  EXPECT_EQ(bitmap.GetHeight(), 128u);
  // Inside the pointer white, in the rounded corner nothing.
  const gdiplus::ARGB pointer = bitmap.GetPixel(60, 70);
  EXPECT_EQ(pointer >> 24, 0xFFu);
  EXPECT_GT(pointer & 0xFF, 200u);
  EXPECT_EQ(bitmap.GetPixel(1, 1) >> 24, 0u);
  DestroyIcon(icon);

  // GDI+ decodes the icon file itself as well.
  gdiplus::Bitmap decoded;
  ASSERT_TRUE(decoded.CreateFromBytes(kIconIco, kIconIcoSize));
  EXPECT_EQ(decoded.GetWidth(), 128u);
}

}  // namespace
