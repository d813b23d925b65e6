#pragma once

#include "gdiplus/gdiplus_object.h"

namespace gdiplus {

// How an image is laid onto a graphics: here, what lies beyond its edges when
// it is resampled.
class ImageAttributes : public GdiplusObject {
 public:
  ImageAttributes() = default;
  ~ImageAttributes() override { Delete(); }
  ImageAttributes(ImageAttributes&& other) noexcept { Adopt(other); }
  ImageAttributes& operator=(ImageAttributes&& other) noexcept { return MoveFrom(other); }

  GpImageAttributes* native() const { return native_; }

  bool Delete();
  bool Create();
  // kWrapModeTileFlipXY: the image's own edge pixels, mirrored, lie beyond
  // it, so a resampled edge keeps its colour instead of fading out.
  bool SetWrapMode(int wrapMode, ARGB colour = 0, bool clamp = false);

 protected:
  void SetNative(void* handle) override { native_ = static_cast<GpImageAttributes*>(handle); }

 private:
  GpImageAttributes* native_ = nullptr;
};

}  // namespace gdiplus
