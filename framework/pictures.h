#pragma once

#include <windows.h>

#include <memory>

#include "data/pictures/pictures.h"
#include "framework/records.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"

namespace framework {

// Of the sizes the icon resource `name` of `module` carries, the largest
// not above `box` pixels (the smallest when none is that small); 0 when
// there is no such resource.
int CarriedIconSize(HMODULE module, const char* name, int box);

// The picture of a set drawn for the scale nearest to `dpi` (of two as near,
// the larger: shrinking keeps an edge sharper than growing).
Picture PictureFor(const PictureSet& set, int dpi);
// That picture decoded; nullptr when it is not one.
std::shared_ptr<gdiplus::Bitmap> DecodePictureFor(const PictureSet& set, int dpi);

// Draws `picture` over (x, y, width, height): as it is when it has that size,
// else resampled with high-quality bicubic interpolation.
bool DrawPictureAt(gdiplus::Graphics& graphics, gdiplus::Image& picture, int x, int y, int width,
                   int height);
// The same for the set's picture at `dpi`, decoded for this one drawing.
bool DrawPictureAt(gdiplus::Graphics& graphics, const PictureSet& set, int dpi, int x, int y,
                   int width, int height);

}  // namespace framework
