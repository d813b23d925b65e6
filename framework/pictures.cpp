#include "framework/pictures.h"

#include <cstdlib>

#include "framework/dpi.h"

namespace framework {

namespace {

constexpr int kSetDpis[3] = {kDesignDpi, kDesignDpi * 3 / 2, kDesignDpi * 2};
constexpr int kInterpolationHighQualityBicubic = 7;

}  // namespace

Picture PictureFor(const PictureSet& set, int dpi) {
  int best = 0;
  for (int i = 1; i < 3; ++i)
    if (std::abs(kSetDpis[i] - dpi) <= std::abs(kSetDpis[best] - dpi)) best = i;
  return set.scales[best];
}

std::shared_ptr<gdiplus::Bitmap> DecodePictureFor(const PictureSet& set, int dpi) {
  const Picture picture = PictureFor(set, dpi);
  auto decoded = std::make_shared<gdiplus::Bitmap>();
  if (!decoded->CreateFromBytes(picture.bytes, picture.size)) return nullptr;
  return decoded;
}

bool DrawPictureAt(gdiplus::Graphics& graphics, gdiplus::Image& picture, int x, int y, int width,
                   int height) {
  if (static_cast<int>(picture.GetWidth()) == width &&
      static_cast<int>(picture.GetHeight()) == height)
    return graphics.DrawImageRectI(picture, x, y, width, height);
  const int mode = graphics.GetInterpolationMode();
  graphics.SetInterpolationMode(kInterpolationHighQualityBicubic);
  const bool drawn = graphics.DrawImageRectI(picture, x, y, width, height);
  graphics.SetInterpolationMode(mode);
  return drawn;
}

bool DrawPictureAt(gdiplus::Graphics& graphics, const PictureSet& set, int dpi, int x, int y,
                   int width, int height) {
  const Picture chosen = PictureFor(set, dpi);
  gdiplus::Image picture;
  if (!picture.LoadFromBytes(chosen.bytes, chosen.size)) return false;
  return DrawPictureAt(graphics, picture, x, y, width, height);
}

}  // namespace framework
