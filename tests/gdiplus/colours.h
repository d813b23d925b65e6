#pragma once

// Colours in the tests: packed (a COLORREF, 0x00BBGGRR, or a GDI+ ARGB,
// 0xAARRGGBB) or as (r, g, b).
#include <windows.h>

#include <cstdlib>

namespace test_colours {

// Whether two packed colours are within `tolerance` of each other in every
// byte (antialiasing, rounding, blending).
inline bool Near(DWORD a, DWORD b, int tolerance = 12) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int one = static_cast<int>((a >> shift) & 0xFF);
    const int other = static_cast<int>((b >> shift) & 0xFF);
    if (std::abs(one - other) > tolerance) return false;
  }
  return true;
}

// A pixel as (r, g, b); it passes for the COLORREF it stands for.
struct Rgb {
  int r = 0, g = 0, b = 0;
  operator COLORREF() const { return RGB(r, g, b); }
};
inline Rgb ToRgb(COLORREF c) {
  return Rgb{GetRValue(c), GetGValue(c), GetBValue(c)};
}

}  // namespace test_colours
