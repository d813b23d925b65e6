#pragma once

// Reading the headers of a Windows module image (PE32 and PE32+) out of a
// plain byte buffer. No Windows headers: the fields are read at their
// documented little-endian offsets, so this builds and is tested on Linux.

#include <cstddef>
#include <cstdint>

namespace hosting {

constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kMachineAmd64 = 0x8664;

constexpr uint32_t kDosHeaderSize = 64;
constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint32_t kNtHeadersSize32 = 248;  // signature, file header, 224-byte optional header
constexpr uint32_t kNtHeadersSize64 = 264;  // the same with a 240-byte optional header

constexpr uint32_t kDirectoryExport = 0;
constexpr uint32_t kDirectoryImport = 1;
constexpr uint32_t kDirectoryBaseReloc = 5;
constexpr uint32_t kDirectoryTls = 9;
constexpr uint32_t kDirectoryCount = 16;

constexpr uint16_t kFileRelocsStripped = 0x0001;
constexpr uint16_t kFileExecutable = 0x0002;
constexpr uint16_t kFileDll = 0x2000;

// Why an image was refused; kNone when it was not.
enum class LoadError {
  kNone,
  kTooSmall,
  kNoDosSignature,
  kTruncatedHeaders,
  kNoPeSignature,
  kWrongMachine,
  kBadOptionalHeader,
  kNotExecutable,
  kTruncatedSectionTable,
  kBadSection,
  kBadImageSize,
  kNoRegion,
  kFixedBaseTaken,
  kBadRelocations,
  kBadImports,
  kUnresolvedImport,
  kBadEntryPoint,
  kEntryPointRefused,
  kBadExports,
  kThreadLocalStorage,
  kNoSuchExport,
  kForwardedExport,
  kUnresolvedForwarder,
};

// One short English line for tools and test messages.
const char* LoadErrorText(LoadError error);

struct DataDirectory {
  uint32_t virtualAddress = 0;
  uint32_t size = 0;
};

struct SectionHeader {
  uint32_t virtualSize = 0;
  uint32_t virtualAddress = 0;
  uint32_t sizeOfRawData = 0;
  uint32_t pointerToRawData = 0;
};

struct ImageHeaders {
  uint32_t ntOffset = 0;  // e_lfanew
  uint16_t machine = 0;
  uint16_t numberOfSections = 0;
  uint16_t characteristics = 0;
  bool pe32Plus = false;
  uint32_t addressOfEntryPoint = 0;
  uint64_t imageBase = 0;
  uint32_t sectionAlignment = 0;
  uint32_t sizeOfImage = 0;
  DataDirectory directories[kDirectoryCount];

  uint32_t NtHeadersSize() const { return pe32Plus ? kNtHeadersSize64 : kNtHeadersSize32; }
  // Everything from the DOS header up to the end of the section table.
  uint64_t HeaderBytes() const {
    return uint64_t{ntOffset} + NtHeadersSize() + uint64_t{kSectionHeaderSize} * numberOfSections;
  }
  bool IsDll() const { return (characteristics & kFileDll) != 0; }
  // The file header says the linker dropped the image's relocations: it was
  // linked for its preferred base alone.
  bool RelocationsStripped() const { return (characteristics & kFileRelocsStripped) != 0; }
};

uint16_t Read16(const uint8_t* p);
uint32_t Read32(const uint8_t* p);
uint64_t Read64(const uint8_t* p);
void Write32(uint8_t* p, uint32_t value);
void Write64(uint8_t* p, uint64_t value);

// Reads and checks the DOS header, the NT headers and the extent of the
// section table of the `size` bytes at `image`, for a process of `machine`.
LoadError ReadHeaders(const uint8_t* image, size_t size, uint16_t machine, ImageHeaders& out);

// Section header `index` (the table was checked by ReadHeaders).
SectionHeader ReadSection(const uint8_t* image, const ImageHeaders& headers, uint32_t index);

// The machine field of an image, 0 when the buffer is too short to have one.
uint16_t PeekMachine(const uint8_t* image, size_t size);

// True when a NUL-terminated text starts at `offset` and ends inside `size`.
bool TextInside(const uint8_t* base, uint64_t size, uint64_t offset);

}  // namespace hosting
