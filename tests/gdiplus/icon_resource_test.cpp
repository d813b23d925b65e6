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

TEST(IconResourceTest, ResourceIdLoadsTheIconAtEverySizeItCarries) {
  HMODULE module = GetModuleHandleA(nullptr);
  HICON icon = LoadIconA(module, MAKEINTRESOURCEA(129));
  ASSERT_NE(icon, nullptr);
  for (int size : {16, 20, 24, 32, 40, 48, 64, 128, 256}) {
    HANDLE sized = LoadImageA(module, MAKEINTRESOURCEA(129), IMAGE_ICON, size, size, 0);
    ASSERT_NE(sized, nullptr) << size;
    EXPECT_EQ(IconWidth(static_cast<HICON>(sized)), size);
    DestroyIcon(static_cast<HICON>(sized));
  }
}

TEST(IconResourceTest, IconBytesMakeA32BitIconAndABitmap) {
  // The 128 x 128 image is the first entry of the file.
  const unsigned char* entry = kIconIco + 6;
  const DWORD bytes =
      entry[8] | entry[9] << 8 | entry[10] << 16 | static_cast<DWORD>(entry[11]) << 24;
  const DWORD offset =
      entry[12] | entry[13] << 8 | entry[14] << 16 | static_cast<DWORD>(entry[15]) << 24;
  HICON icon = CreateIconFromResourceEx(const_cast<BYTE*>(kIconIco + offset), bytes, TRUE,
                                        0x00030000, 0, 0, LR_DEFAULTCOLOR);
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
