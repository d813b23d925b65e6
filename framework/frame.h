#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/records.h"
#include "gdiplus/image.h"

namespace framework {

// Title-button strip and fade.
inline constexpr int kStripHeight = 22;
inline constexpr int kFadeSteps = 8;
inline constexpr int kFadeStepValue = 30;
inline constexpr UINT kFadeTimerMs = 20;
// Width of the sizing zones along the edges.
inline constexpr int kSizingZone = 10;
inline constexpr COLORREF kMagenta = 0x00FF00FF;

// The per-channel mean of `samples` pixels at random positions.
COLORREF RepresentativeColour(gdiplus::Bitmap& image, int samples = 2000);
// Decodes image bytes; nullptr when they are empty or not an image.
std::shared_ptr<gdiplus::Bitmap> DecodePicture(const Bytes& bytes);
// A 32-bit ARGB bitmap of the given size as a GDI bitmap (null on failure).
HBITMAP MakeArgbBitmap(int width, int height);
// The sizing command (0xF001..0xF008) and cursor for a point of the client
// area, or 0 outside the zones.
struct SizingZone {
  WPARAM command = 0;
  LPCSTR cursor = nullptr;
};
SizingZone SizingZoneAt(int x, int y, const RECT& client);
// Height of the taskbar (0 when there is none).
RECT WorkArea();

}  // namespace framework
