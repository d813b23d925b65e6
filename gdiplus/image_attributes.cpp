#include "gdiplus/image_attributes.h"

namespace gdiplus {

bool ImageAttributes::Delete() {
  if (native_ == nullptr) return false;
  return Deleted(GdipDisposeImageAttributes(native_));
}

bool ImageAttributes::Create() {
  return Created(GdipCreateImageAttributes(&native_), native_);
}

bool ImageAttributes::SetWrapMode(int wrapMode, ARGB colour, bool clamp) {
  return Check(GdipSetImageAttributesWrapMode(native_, wrapMode, colour, clamp ? TRUE : FALSE));
}

}  // namespace gdiplus
