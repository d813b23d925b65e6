#include "gdiplus/font.h"

#include <vector>

#include "gdiplus/graphics.h"

namespace gdiplus {

// Family.

FontFamily& FontFamily::operator=(FontFamily&& other) noexcept {
  if (this != &other) Adopt(other);
  return *this;
}

bool FontFamily::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeleteFontFamily(native_));
}

bool FontFamily::Create(const char* name, const FontCollection* collection) {
  const WideText wide(name);
  return Create(wide.Get(), collection);
}
bool FontFamily::Create(const WCHAR* name, const FontCollection* collection) {
  return Created(
      GdipCreateFontFamilyFromName(name, NativeOf<GpFontCollection>(collection), &native_),
      native_);
}
bool FontFamily::GenericSansSerif() {
  return Created(GdipGetGenericFontFamilySansSerif(&native_), native_);
}
bool FontFamily::GenericSerif() {
  return Created(GdipGetGenericFontFamilySerif(&native_), native_);
}
bool FontFamily::GenericMonospace() {
  return Created(GdipGetGenericFontFamilyMonospace(&native_), native_);
}

bool FontFamily::Clone(FontFamily* target) const {
  GpFontFamily* clone = nullptr;
  LastStatus = GdipCloneFontFamily(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

std::string FontFamily::GetFamilyName(LANGID language) {
  WCHAR name[LF_FACESIZE] = {};
  if (!GetFamilyName(name, language)) return std::string();
  return ToAnsi(name);
}
bool FontFamily::GetFamilyName(WCHAR* name, LANGID language) {
  return Check(GdipGetFamilyName(native_, name, language));
}
bool FontFamily::IsStyleAvailable(int style) {
  BOOL value = FALSE;
  return Value(GdipIsStyleAvailable(native_, style, &value), value) != FALSE;
}
int FontFamily::GetEmHeight(int style) {
  UINT16 value = 0;
  return Value(GdipGetEmHeight(native_, style, &value), value);
}
int FontFamily::GetCellAscent(int style) {
  UINT16 value = 0;
  return Value(GdipGetCellAscent(native_, style, &value), value);
}
int FontFamily::GetCellDescent(int style) {
  UINT16 value = 0;
  return Value(GdipGetCellDescent(native_, style, &value), value);
}
int FontFamily::GetLineSpacing(int style) {
  UINT16 value = 0;
  return Value(GdipGetLineSpacing(native_, style, &value), value);
}

// Collection.

FontCollection& FontCollection::operator=(FontCollection&& other) noexcept {
  if (this != &other) Adopt(other);
  return *this;
}

bool FontCollection::NewInstalled() {
  return Created(GdipNewInstalledFontCollection(&native_), native_);
}

int FontCollection::GetFamilyCount() {
  INT value = 0;
  return Value(GdipGetFontCollectionFamilyCount(native_, &value), value);
}

bool FontCollection::GetFamilyList(FontFamily* families, int wanted, int* found) {
  std::vector<GpFontFamily*> natives(static_cast<size_t>(wanted > 0 ? wanted : 0), nullptr);
  INT got = 0;
  LastStatus = GdipGetFontCollectionFamilyList(native_, wanted, natives.data(), &got);
  for (int i = 0; i < got && i < wanted; ++i) families[i].SetNativeBase(natives[i]);
  if (found != nullptr) *found = got;
  return LastStatus == kOk;
}

// Font.

bool Font::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeleteFont(native_));
}

bool Font::Create(const FontFamily& family, REAL emSize, int style, int unit) {
  return Created(GdipCreateFont(NativeOf<GpFontFamily>(family), emSize, style, unit, &native_),
                 native_);
}

bool Font::CreateFromName(const WCHAR* familyName, REAL emSize, int style, int unit) {
  FontCollection installed;  // empty: the family is looked up among the installed fonts
  GpFontFamily* family = nullptr;
  LastStatus =
      GdipCreateFontFamilyFromName(familyName, NativeOf<GpFontCollection>(installed), &family);
  if (LastStatus != kOk) return false;
  const GpStatus status = GdipCreateFont(family, emSize, style, unit, &native_);
  // The font keeps its own reference to the family; without this every font
  // made by name would leave one family behind.
  GdipDeleteFontFamily(family);
  return Created(status, native_);
}

bool Font::Create(const char* familyName, REAL emSize, int style, int unit) {
  const WideText wide(familyName);
  return CreateFromName(wide.Get(), emSize, style, unit);
}
bool Font::Create(const WCHAR* familyName, REAL emSize, int style, int unit) {
  return CreateFromName(familyName, emSize, style, unit);
}

bool Font::CreateFromDefaultGuiFont() {
  auto* logFont = static_cast<LOGFONTA*>(Alloc(sizeof(LOGFONTA)));
  if (logFont == nullptr) return false;
  ZeroMemory(logFont, sizeof(LOGFONTA));
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTA), logFont);
  HDC screen = ::GetDC(nullptr);
  const bool result = Created(GdipCreateFontFromLogfontA(screen, logFont, &native_), native_);
  ::ReleaseDC(nullptr, screen);
  Free(logFont);
  return result;
}

bool Font::FromDC(HDC hdc) {
  return Created(GdipCreateFontFromDC(hdc, &native_), native_);
}

bool Font::FromHFont(HDC hdc, HFONT font) {
  LOGFONTA logFont{};
  GetObjectA(font, sizeof(logFont), &logFont);
  return Created(GdipCreateFontFromLogfontA(hdc, &logFont, &native_), native_);
}

bool Font::FromLogFont(HDC hdc, const LOGFONTA& logFont) {
  return Created(GdipCreateFontFromLogfontA(hdc, &logFont, &native_), native_);
}
bool Font::FromLogFont(HDC hdc, const LOGFONTW& logFont) {
  return Created(GdipCreateFontFromLogfontW(hdc, &logFont, &native_), native_);
}

bool Font::Clone(Font* target) const {
  GpFont* clone = nullptr;
  LastStatus = GdipCloneFont(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

bool Font::GetLogFont(const Graphics* graphics, LOGFONTA* logFont) {
  return Check(GdipGetLogFontA(native_, NativeOf<GpGraphics>(graphics), logFont));
}
bool Font::GetLogFont(const Graphics* graphics, LOGFONTW* logFont) {
  return Check(GdipGetLogFontW(native_, NativeOf<GpGraphics>(graphics), logFont));
}

bool Font::GetFamily(FontFamily* family) {
  GpFontFamily* result = nullptr;
  LastStatus = GdipGetFamily(native_, &result);
  family->SetNativeBase(result);
  return LastStatus == kOk;
}

int Font::GetStyle() {
  INT value = 0;
  return Value(GdipGetFontStyle(native_, &value), value);
}
REAL Font::GetSize() {
  REAL value = 0;
  return Value(GdipGetFontSize(native_, &value), value);
}
int Font::GetUnit() {
  INT value = 0;
  return Value(GdipGetFontUnit(native_, &value), value);
}
REAL Font::GetHeight(const Graphics* graphics) {
  REAL value = 0;
  return Value(GdipGetFontHeight(native_, NativeOf<GpGraphics>(graphics), &value), value);
}
REAL Font::GetHeightGivenDpi(REAL dpi) {
  REAL value = 0;
  return Value(GdipGetFontHeightGivenDPI(native_, dpi, &value), value);
}

}  // namespace gdiplus
