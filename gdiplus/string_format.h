#pragma once

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

// Layout of drawn and measured text.
class StringFormat : public GdiplusObject {
 public:
  StringFormat() = default;
  ~StringFormat() override { Delete(); }
  StringFormat(StringFormat&& other) noexcept { Adopt(other); }
  StringFormat& operator=(StringFormat&& other) noexcept { return MoveFrom(other); }
  StringFormat Share() const { return ShareOf(*this); }

  GpStringFormat* native() const { return native_; }

  bool Delete();
  bool Create(int flags = 0, LANGID language = LANG_NEUTRAL);
  bool Clone(StringFormat* target) const;
  // Own copies of GDI+'s two shared generic formats.
  bool CreateGenericDefault();
  bool CreateGenericTypographic();
  bool SetFlags(int flags);
  int GetFlags();
  // Alignments: 0 near, 1 centre, 2 far.
  bool SetAlign(int align);
  int GetAlign();
  bool SetLineAlign(int align);
  int GetLineAlign();
  bool SetTrimming(int trimming);
  int GetTrimming();
  bool SetHotkeyPrefix(int prefix);
  int GetHotkeyPrefix();
  bool SetMeasurableCharacterRanges(const CharacterRange* ranges, int count);
  int GetMeasurableCharacterRangeCount();

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpStringFormat*>(handle); }

 private:
  GpStringFormat* native_ = nullptr;
};

}  // namespace gdiplus
