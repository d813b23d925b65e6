#pragma once

// The real images the host tests map (built by the two mingw compilers), and
// a few independent readers for finding the fields the damage tests change.

#include <cstdint>
#include <string>
#include <vector>

namespace hosting {

struct TestImage {
  std::string arch;
  uint16_t machine;
  uint64_t preferredBase;
  std::vector<uint8_t> bytes;
};

std::vector<TestImage> SampleImages();
TestImage EngineImage(const std::string& arch);

// Field positions in a file image, read without the loader's code.
struct Layout {
  explicit Layout(const std::vector<uint8_t>& image);
  uint32_t nt;        // e_lfanew
  uint32_t optional;  // start of the optional header
  bool pe32Plus;
  uint32_t Directory(int index) const;  // file offset of a data-directory entry
  uint32_t Section(int index) const;    // file offset of a section header
  uint32_t RvaToFile(uint32_t rva) const;
  const std::vector<uint8_t>& image;
};

uint32_t Get32(const std::vector<uint8_t>& image, uint32_t offset);
uint16_t Get16(const std::vector<uint8_t>& image, uint32_t offset);
void Put32(std::vector<uint8_t>& image, uint32_t offset, uint32_t value);
void Put16(std::vector<uint8_t>& image, uint32_t offset, uint16_t value);

}  // namespace hosting
