#include "skin_format.h"

namespace skinengine {

namespace {

constexpr uint8_t kFirstColourTag = 2;
constexpr uint8_t kLastColourTag = 8;
constexpr uint32_t kHeaderSize = 8;

}  // namespace

bool ParseSkin(const uint8_t* data, uint32_t size, Skin& out) {
  if (data == nullptr || size < kHeaderSize) return false;
  if (data[0] != '.' || data[1] != 'S' || data[2] != 'H' || data[3] != 'E' || data[4] != 0) {
    return false;
  }
  if (data[5] != 1) return false;
  uint32_t count = data[6] | (data[7] << 8);
  Rgb colours[kLastColourTag + 1];
  bool seen[kLastColourTag + 1] = {};
  uint32_t off = kHeaderSize;
  for (uint32_t i = 0; i < count; ++i) {
    if (size - off < 2) return false;
    uint8_t tag = data[off];
    uint8_t length = data[off + 1];
    off += 2;
    if (size - off < length) return false;
    if (tag >= kFirstColourTag && tag <= kLastColourTag) {
      if (length != 3) return false;
      colours[tag] = Rgb{data[off], data[off + 1], data[off + 2]};
      seen[tag] = true;
    }
    off += length;  // unknown tags (the name among them) are skipped
  }
  for (uint8_t tag = kFirstColourTag; tag <= kLastColourTag; ++tag) {
    if (!seen[tag]) return false;
  }
  out.backgroundTop = colours[2];
  out.backgroundBottom = colours[3];
  out.text = colours[4];
  out.buttonFace = colours[5];
  out.buttonPressed = colours[6];
  out.buttonText = colours[7];
  out.buttonBorder = colours[8];
  return true;
}

}  // namespace skinengine
