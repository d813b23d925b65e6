#include "tests/hosting/test_images.h"

#include <stdexcept>

extern const unsigned char kSample_i686[];
extern const unsigned int kSample_i686Size;
extern const unsigned char kSample_x86_64[];
extern const unsigned int kSample_x86_64Size;
extern const unsigned char kEngine_i686[];
extern const unsigned int kEngine_i686Size;
extern const unsigned char kEngine_x86_64[];
extern const unsigned int kEngine_x86_64Size;

namespace hosting {

std::vector<TestImage> SampleImages() {
  return {
      {"i686", 0x014C, 0x1A000000, {kSample_i686, kSample_i686 + kSample_i686Size}},
      {"x86_64", 0x8664, 0x2A0000000, {kSample_x86_64, kSample_x86_64 + kSample_x86_64Size}},
  };
}

TestImage EngineImage(const std::string& arch) {
  if (arch == "i686") return {arch, 0x014C, 0, {kEngine_i686, kEngine_i686 + kEngine_i686Size}};
  return {arch, 0x8664, 0, {kEngine_x86_64, kEngine_x86_64 + kEngine_x86_64Size}};
}

uint32_t Get32(const std::vector<uint8_t>& image, uint32_t offset) {
  return image.at(offset) | (image.at(offset + 1) << 8) | (image.at(offset + 2) << 16) |
         (uint32_t{image.at(offset + 3)} << 24);
}

uint16_t Get16(const std::vector<uint8_t>& image, uint32_t offset) {
  return static_cast<uint16_t>(image.at(offset) | (image.at(offset + 1) << 8));
}

void Put32(std::vector<uint8_t>& image, uint32_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) image.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

void Put16(std::vector<uint8_t>& image, uint32_t offset, uint16_t value) {
  image.at(offset) = static_cast<uint8_t>(value);
  image.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

Layout::Layout(const std::vector<uint8_t>& img)
    : nt(Get32(img, 60)), optional(nt + 24), pe32Plus(Get16(img, nt + 24) == 0x20B), image(img) {}

uint32_t Layout::Directory(int index) const {
  return optional + (pe32Plus ? 112 : 96) + 8 * index;
}

uint32_t Layout::Section(int index) const {
  return optional + Get16(image, nt + 20) + 40 * index;
}

uint32_t Layout::RvaToFile(uint32_t rva) const {
  int count = Get16(image, nt + 6);
  for (int i = 0; i < count; ++i) {
    uint32_t s = Section(i);
    uint32_t va = Get32(image, s + 12);
    uint32_t raw = Get32(image, s + 16);
    if (rva >= va && rva < va + raw) return Get32(image, s + 20) + (rva - va);
  }
  throw std::runtime_error("RVA outside every section's raw data");
}

}  // namespace hosting
