#pragma once

#include <string>

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

class FontCollection;
class Graphics;

// A typeface. Destroying the wrapper leaves the GDI+ family alive (families
// handed out by fonts and collections are not ours to end); Delete ends it.
class FontFamily : public GdiplusObject {
 public:
  FontFamily() = default;
  ~FontFamily() override = default;
  FontFamily(FontFamily&& other) noexcept { Adopt(other); }
  FontFamily& operator=(FontFamily&& other) noexcept;
  FontFamily Share() const { return ShareOf(*this); }

  GpFontFamily* native() const { return native_; }

  bool Delete();
  // An installed family by name (collection null) or one of a collection.
  bool Create(const char* name, const FontCollection* collection = nullptr);
  bool Create(const WCHAR* name, const FontCollection* collection = nullptr);
  bool GenericSansSerif();
  bool GenericSerif();
  bool GenericMonospace();
  bool Clone(FontFamily* target) const;
  // The name as ANSI text ("" on failure).
  std::string GetFamilyName(LANGID language = LANG_NEUTRAL);
  // The name as UTF-16 into name[LF_FACESIZE].
  bool GetFamilyName(WCHAR* name, LANGID language = LANG_NEUTRAL);
  bool IsStyleAvailable(int style);
  int GetEmHeight(int style);
  int GetCellAscent(int style);
  int GetCellDescent(int style);
  int GetLineSpacing(int style);

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpFontFamily*>(handle); }

 private:
  GpFontFamily* native_ = nullptr;
};

// A set of families; destroying the wrapper leaves the collection alone.
class FontCollection : public GdiplusObject {
 public:
  FontCollection() = default;
  ~FontCollection() override = default;
  FontCollection(FontCollection&& other) noexcept { Adopt(other); }
  FontCollection& operator=(FontCollection&& other) noexcept;
  FontCollection Share() const { return ShareOf(*this); }

  GpFontCollection* native() const { return native_; }

  // The system's installed fonts.
  bool NewInstalled();
  int GetFamilyCount();
  // Fills families[0..wanted) with wrappers of the collection's families.
  bool GetFamilyList(FontFamily* families, int wanted, int* found);

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpFontCollection*>(handle); }

 private:
  GpFontCollection* native_ = nullptr;
};

// A font: family, size, style and unit.
class Font : public GdiplusObject {
 public:
  Font() = default;
  ~Font() override { Delete(); }
  Font(Font&& other) noexcept { Adopt(other); }
  Font& operator=(Font&& other) noexcept { return MoveFrom(other); }
  Font Share() const { return ShareOf(*this); }

  GpFont* native() const { return native_; }

  bool Delete();
  // style: bits 1 bold, 2 italic, 4 underline, 8 strikeout.
  bool Create(const FontFamily& family, REAL emSize, int style = kFontStyleRegular,
              int unit = kUnitPoint);
  // From a family name, through a temporary family that is ended again.
  bool Create(const char* familyName, REAL emSize, int style = kFontStyleRegular,
              int unit = kUnitPoint);
  bool Create(const WCHAR* familyName, REAL emSize, int style = kFontStyleRegular,
              int unit = kUnitPoint);
  // The system's default GUI font.
  bool CreateFromDefaultGuiFont();
  // The font selected into a DC.
  bool FromDC(HDC hdc);
  // A GDI font handle, measured on a DC.
  bool FromHFont(HDC hdc, HFONT font);
  bool FromLogFont(HDC hdc, const LOGFONTA& logFont);
  bool FromLogFont(HDC hdc, const LOGFONTW& logFont);
  bool Clone(Font* target) const;
  bool GetLogFont(const Graphics* graphics, LOGFONTA* logFont);
  bool GetLogFont(const Graphics* graphics, LOGFONTW* logFont);
  // The font's family into family, which holds a reference of its own: end
  // it with family->Delete() when done.
  bool GetFamily(FontFamily* family);
  int GetStyle();
  REAL GetSize();
  int GetUnit();
  REAL GetHeight(const Graphics* graphics);
  REAL GetHeightGivenDpi(REAL dpi);

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpFont*>(handle); }

 private:
  bool CreateFromName(const WCHAR* familyName, REAL emSize, int style, int unit);

  GpFont* native_ = nullptr;
};

}  // namespace gdiplus
