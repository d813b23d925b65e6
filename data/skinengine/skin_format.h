#pragma once

// The engine's skin data: ".SHE" 00, version 1, a 16-bit record count, then
// records of tag, length and bytes (see data/skin/make_skin.py). Parsing
// checks every length against the byte count it was given.

#include <stdint.h>

namespace skinengine {

struct Rgb {
  uint8_t r, g, b;
};

struct Skin {
  Rgb backgroundTop;
  Rgb backgroundBottom;
  Rgb text;
  Rgb buttonFace;
  Rgb buttonPressed;
  Rgb buttonText;
  Rgb buttonBorder;
};

// True when `data` holds a complete skin with every colour; `out` is only
// written then.
bool ParseSkin(const uint8_t* data, uint32_t size, Skin& out);

}  // namespace skinengine
