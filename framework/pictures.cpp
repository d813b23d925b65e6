#include "framework/pictures.h"

#include <cstdlib>

#include "framework/dpi.h"
#include "gdiplus/image_attributes.h"

namespace framework {

namespace {

constexpr int kSetDpis[3] = {kDesignDpi, kDesignDpi * 3 / 2, kDesignDpi * 2};
constexpr int kInterpolationHighQualityBicubic = 7;

// An entry of an icon group resource (RT_GROUP_ICON).
#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width, height;  // 0: 256
  BYTE colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

}  // namespace

int CarriedIconSize(HMODULE module, const char* name, int box) {
  const HRSRC found = name != nullptr ? FindResourceA(module, name, RT_GROUP_ICON) : nullptr;
  const HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const auto* group = static_cast<const BYTE*>(loaded != nullptr ? LockResource(loaded) : nullptr);
  const DWORD length = found != nullptr ? SizeofResource(module, found) : 0;
  if (group == nullptr || length < 6) return 0;
  const WORD count = static_cast<WORD>(group[4] | group[5] << 8);
  int fitting = 0;
  int smallest = 0;
  for (WORD i = 0; i < count && 6 + (i + 1) * sizeof(GroupIconEntry) <= length; ++i) {
    GroupIconEntry entry;
    CopyMemory(&entry, group + 6 + i * sizeof entry, sizeof entry);
    const int size = entry.width != 0 ? entry.width : 256;
    if (size <= box && size > fitting) fitting = size;
    if (smallest == 0 || size < smallest) smallest = size;
  }
  return fitting != 0 ? fitting : smallest;
}

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
