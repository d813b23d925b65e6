#include "framework/pictures.h"

#include <cstdlib>

#include "framework/dpi.h"
#include "gdiplus/image_attributes.h"

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
  // Beyond its edges the picture continues mirrored, so that the edges keep
  // their colour instead of fading into what lies outside.
  gdiplus::ImageAttributes edges;
  if (!edges.Create() || !edges.SetWrapMode(gdiplus::kWrapModeTileFlipXY)) return false;
  const int mode = graphics.GetInterpolationMode();
  graphics.SetInterpolationMode(kInterpolationHighQualityBicubic);
  const bool drawn = graphics.DrawImageRectRect(
      picture, static_cast<float>(x), static_cast<float>(y), static_cast<float>(width),
      static_cast<float>(height), 0, 0, static_cast<float>(picture.GetWidth()),
      static_cast<float>(picture.GetHeight()), gdiplus::kUnitPixel, edges);
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
