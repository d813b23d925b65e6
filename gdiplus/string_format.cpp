#include "gdiplus/string_format.h"

namespace gdiplus {

bool StringFormat::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDeleteStringFormat(native_));
}

bool StringFormat::Create(int flags, LANGID language) {
  return Created(GdipCreateStringFormat(flags, language, &native_), native_);
}

bool StringFormat::Clone(StringFormat* target) const {
  GpStringFormat* clone = nullptr;
  LastStatus = GdipCloneStringFormat(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

bool StringFormat::CreateGenericDefault() {
  GpStringFormat* shared = nullptr;
  LastStatus = GdipStringFormatGetGenericDefault(&shared);
  if (LastStatus != kOk) return false;
  GpStringFormat* clone = nullptr;
  return Created(GdipCloneStringFormat(shared, &clone), clone);
}

bool StringFormat::CreateGenericTypographic() {
  GpStringFormat* shared = nullptr;
  LastStatus = GdipStringFormatGetGenericTypographic(&shared);
  if (LastStatus != kOk) return false;
  GpStringFormat* clone = nullptr;
  return Created(GdipCloneStringFormat(shared, &clone), clone);
}

bool StringFormat::SetFlags(int flags) {
  return Check(GdipSetStringFormatFlags(native_, flags));
}
int StringFormat::GetFlags() {
  INT value = 0;
  return Value(GdipGetStringFormatFlags(native_, &value), value);
}
bool StringFormat::SetAlign(int align) {
  return Check(GdipSetStringFormatAlign(native_, align));
}
int StringFormat::GetAlign() {
  INT value = 0;
  return Value(GdipGetStringFormatAlign(native_, &value), value);
}
bool StringFormat::SetLineAlign(int align) {
  return Check(GdipSetStringFormatLineAlign(native_, align));
}
int StringFormat::GetLineAlign() {
  INT value = 0;
  return Value(GdipGetStringFormatLineAlign(native_, &value), value);
}
bool StringFormat::SetTrimming(int trimming) {
  return Check(GdipSetStringFormatTrimming(native_, trimming));
}
int StringFormat::GetTrimming() {
  INT value = 0;
  return Value(GdipGetStringFormatTrimming(native_, &value), value);
}
bool StringFormat::SetHotkeyPrefix(int prefix) {
  return Check(GdipSetStringFormatHotkeyPrefix(native_, prefix));
}
int StringFormat::GetHotkeyPrefix() {
  INT value = 0;
  return Value(GdipGetStringFormatHotkeyPrefix(native_, &value), value);
}
bool StringFormat::SetMeasurableCharacterRanges(const CharacterRange* ranges, int count) {
  return Check(GdipSetStringFormatMeasurableCharacterRanges(native_, count, ranges));
}
int StringFormat::GetMeasurableCharacterRangeCount() {
  INT value = 0;
  return Value(GdipGetStringFormatMeasurableCharacterRangeCount(native_, &value), value);
}

}  // namespace gdiplus
