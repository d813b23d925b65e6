// Text: ANSI texts of the system code page reach GDI+ as UTF-16, fonts by
// name and from GDI, string formats and measured ranges.
#include <gtest/gtest.h>

#include "canvas.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/region.h"
#include "gdiplus/string_format.h"

namespace {

using namespace gdiplus;
using gdiplus_test::Canvas;
using gdiplus_test::IsDark;

// "中文测试": eight bytes in code page 936, four UTF-16 units.
constexpr char kChinese[] = "中文测试";
constexpr WCHAR kChineseWide[] = {0x4E2D, 0x6587, 0x6D4B, 0x8BD5, 0};

TEST(TextTest, AnsiTextBecomesUtf16OfItsOwnLength) {
  ASSERT_EQ(GetACP(), 936u) << "the tests run in the zh_CN locale";
  ASSERT_EQ(sizeof(kChinese), 9u);
  const WideText wide(kChinese);
  EXPECT_EQ(wide.Length(), 4);
  EXPECT_EQ(lstrcmpW(wide.Get(), kChineseWide), 0);
  EXPECT_EQ(WideText("").Length(), 0);
  EXPECT_EQ(WideText(nullptr).Length(), 0);
  EXPECT_EQ(WideText("abc中").Length(), 4);
  EXPECT_EQ(ToAnsi(kChineseWide), kChinese);
}

TEST(TextTest, MeasuringAnsiAndUtf16TextGivesTheSameBoxAndLength) {
  Canvas canvas(200, 50);
  Font font;
  ASSERT_TRUE(font.Create("宋体", 16, kFontStyleRegular, kUnitPixel)) << LastStatus;
  const RectF layout{0, 0, 200, 50};
  RectF ansiBox{};
  RectF wideBox{};
  int ansiFitted = 0;
  int wideFitted = 0;
  int lines = 0;
  EXPECT_TRUE(canvas.graphics.MeasureString(kChinese, font, layout, nullptr, &ansiBox, &ansiFitted,
                                            &lines));
  EXPECT_TRUE(
      canvas.graphics.MeasureString(kChineseWide, font, layout, nullptr, &wideBox, &wideFitted));
  // GDI+ was handed the lstrlenW length: four characters, not eight bytes.
  EXPECT_EQ(ansiFitted, 4);
  EXPECT_EQ(wideFitted, 4);
  EXPECT_EQ(lines, 1);
  EXPECT_FLOAT_EQ(ansiBox.Width, wideBox.Width);
  EXPECT_FLOAT_EQ(ansiBox.Height, wideBox.Height);
  EXPECT_GT(ansiBox.Width, 4 * 12.0f);
}

TEST(TextTest, DrawnTextStaysInsideItsBox) {
  Canvas ansi(120, 40);
  Canvas wide(120, 40);
  Font font;
  ASSERT_TRUE(font.Create("微软雅黑", 16, kFontStyleBold, kUnitPixel)) << LastStatus;
  SolidBrush black;
  ASSERT_TRUE(black.Create(0xFF000000));
  const RectF box{10, 8, 90, 24};
  EXPECT_TRUE(ansi.graphics.DrawString(kChinese, font, box, nullptr, black));
  EXPECT_TRUE(wide.graphics.DrawString(kChineseWide, font, box, nullptr, black));
  int darkInside = 0;
  int darkOutside = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const ARGB pixel = ansi.At(x, y);
      ASSERT_EQ(pixel, wide.At(x, y)) << x << "," << y;
      const bool inside = x >= 10 && x < 100 && y >= 8 && y < 32;
      if (IsDark(pixel)) ++(inside ? darkInside : darkOutside);
    }
  }
  EXPECT_GT(darkInside, 40);
  EXPECT_EQ(darkOutside, 0);
}

TEST(TextTest, StringFormatAlignsTextInItsBox) {
  Canvas canvas(200, 30);
  Font font;
  ASSERT_TRUE(font.Create("宋体", 14, kFontStyleRegular, kUnitPixel));
  StringFormat format;
  ASSERT_TRUE(format.Create());
  EXPECT_TRUE(format.SetAlign(kStringAlignmentFar));
  EXPECT_TRUE(format.SetLineAlign(kStringAlignmentCenter));
  EXPECT_TRUE(format.SetTrimming(kStringTrimmingEllipsisCharacter));
  EXPECT_EQ(format.GetAlign(), kStringAlignmentFar);
  EXPECT_EQ(format.GetLineAlign(), kStringAlignmentCenter);
  EXPECT_EQ(format.GetTrimming(), kStringTrimmingEllipsisCharacter);
  SolidBrush black;
  ASSERT_TRUE(black.Create(0xFF000000));
  EXPECT_TRUE(canvas.graphics.DrawString("右", font, RectF{0, 0, 200, 30}, &format, black));
  int darkLeft = 0;
  int darkRight = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (IsDark(canvas.At(x, y))) ++(x < 150 ? darkLeft : darkRight);
    }
  }
  EXPECT_EQ(darkLeft, 0);
  EXPECT_GT(darkRight, 5);
}

TEST(TextTest, MeasuresCharacterRangesIntoNewRegions) {
  Canvas canvas(200, 40);
  Font font;
  ASSERT_TRUE(font.Create("宋体", 16, kFontStyleRegular, kUnitPixel));
  StringFormat format;
  ASSERT_TRUE(format.Create());
  const CharacterRange ranges[] = {{0, 1}, {2, 2}};
  ASSERT_TRUE(format.SetMeasurableCharacterRanges(ranges, 2));
  EXPECT_EQ(format.GetMeasurableCharacterRangeCount(), 2);
  Region regions[2];
  ASSERT_TRUE(canvas.graphics.MeasureCharacterRanges(kChinese, font, RectF{0, 0, 200, 40}, format,
                                                     2, regions));
  RectF first{};
  RectF second{};
  ASSERT_TRUE(regions[0].GetBounds(canvas.graphics, &first));
  ASSERT_TRUE(regions[1].GetBounds(canvas.graphics, &second));
  EXPECT_GT(first.Width, 8);
  // The second range covers characters 3 and 4: twice as wide, further right.
  EXPECT_NEAR(second.Width, 2 * first.Width, 2);
  EXPECT_GT(second.X, first.X + first.Width);
}

TEST(TextTest, FontsKnowTheirFamilySizeAndStyle) {
  Font font;
  ASSERT_TRUE(font.Create("宋体", 12, kFontStyleBold, kUnitPixel));
  EXPECT_FLOAT_EQ(font.GetSize(), 12);
  EXPECT_EQ(font.GetStyle(), kFontStyleBold);
  EXPECT_EQ(font.GetUnit(), kUnitPixel);
  FontFamily family;
  ASSERT_TRUE(font.GetFamily(&family));
  EXPECT_FALSE(family.GetFamilyName().empty());
  EXPECT_GT(family.GetEmHeight(kFontStyleRegular), 0);
  EXPECT_TRUE(family.Delete());

  FontFamily kai;
  ASSERT_TRUE(kai.Create("楷体"));
  Font fromFamily;
  EXPECT_TRUE(fromFamily.Create(kai, 10));
  EXPECT_TRUE(kai.Delete());
  EXPECT_FLOAT_EQ(fromFamily.GetSize(), 10);  // the font keeps its own family

  Font gui;
  EXPECT_TRUE(gui.CreateFromDefaultGuiFont()) << LastStatus;
  EXPECT_GT(gui.GetSize(), 0);

  HDC screen = GetDC(nullptr);
  HFONT gdiFont = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
  Font fromGdi;
  EXPECT_TRUE(fromGdi.FromHFont(screen, gdiFont)) << LastStatus;
  EXPECT_EQ(fromGdi.GetStyle() & kFontStyleBold, kFontStyleBold);
  LOGFONTA logFont{};
  Canvas canvas(2, 2);
  EXPECT_TRUE(fromGdi.GetLogFont(&canvas.graphics, &logFont)) << LastStatus;
  EXPECT_NE(logFont.lfHeight, 0);
  DeleteObject(gdiFont);
  ReleaseDC(nullptr, screen);
}

TEST(TextTest, PathsTakeTextInBothForms) {
  FontFamily family;
  ASSERT_TRUE(family.Create(L"SimSun-ExtB"));
  GraphicsPath ansi;
  GraphicsPath wide;
  ASSERT_TRUE(ansi.Create());
  ASSERT_TRUE(wide.Create());
  // Wine's GDI+ wants a format here.
  StringFormat format;
  ASSERT_TRUE(format.Create());
  EXPECT_TRUE(ansi.AddString(kChinese, family, 0, 20, RectF{0, 0, 200, 40}, &format)) << LastStatus;
  EXPECT_TRUE(wide.AddString(kChineseWide, family, 0, 20, RectF{0, 0, 200, 40}, &format));
  EXPECT_GT(ansi.GetPointCount(), 10);
  EXPECT_EQ(ansi.GetPointCount(), wide.GetPointCount());
  family.Delete();
}

}  // namespace
