#include "hosting/pe_image.h"

#include <cstring>

namespace hosting {

namespace {

constexpr uint16_t kDosMagic = 0x5A4D;
constexpr uint32_t kPeSignature = 0x00004550;
constexpr uint16_t kMagicPe32 = 0x10B;
constexpr uint16_t kMagicPe32Plus = 0x20B;
constexpr uint32_t kFileHeaderOffset = 4;
constexpr uint32_t kOptionalHeaderOffset = 24;

}  // namespace

const char* LoadErrorText(LoadError error) {
  switch (error) {
    case LoadError::kNone:
      return "no error";
    case LoadError::kTooSmall:
      return "shorter than a DOS header";
    case LoadError::kNoDosSignature:
      return "no MZ signature";
    case LoadError::kTruncatedHeaders:
      return "ends inside the NT headers";
    case LoadError::kNoPeSignature:
      return "no PE signature";
    case LoadError::kWrongMachine:
      return "built for another machine";
    case LoadError::kBadOptionalHeader:
      return "optional header does not fit the machine";
    case LoadError::kNotExecutable:
      return "not an executable image";
    case LoadError::kTruncatedSectionTable:
      return "ends inside the section table";
    case LoadError::kBadSection:
      return "section outside the file or the image";
    case LoadError::kBadImageSize:
      return "bad image size";
    case LoadError::kNoRegion:
      return "no memory region for the image";
    case LoadError::kFixedBaseTaken:
      return "relocations stripped, and its preferred base is taken";
    case LoadError::kBadRelocations:
      return "bad base relocations";
    case LoadError::kBadImports:
      return "bad import table";
    case LoadError::kUnresolvedImport:
      return "unresolved import";
    case LoadError::kBadEntryPoint:
      return "entry point outside the image";
    case LoadError::kEntryPointRefused:
      return "entry point refused the attach";
    case LoadError::kBadExports:
      return "bad export directory";
    case LoadError::kThreadLocalStorage:
      return "has thread-local storage, which is not set up";
    case LoadError::kNoSuchExport:
      return "no such export";
    case LoadError::kForwardedExport:
      return "export forwarded to another module";
    case LoadError::kUnresolvedForwarder:
      return "forwarded export not found in its module";
  }
  return "unknown error";
}

uint16_t Read16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t Read32(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

uint64_t Read64(const uint8_t* p) {
  return uint64_t{Read32(p)} | (uint64_t{Read32(p + 4)} << 32);
}

void Write32(uint8_t* p, uint32_t value) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

void Write64(uint8_t* p, uint64_t value) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}

uint16_t PeekMachine(const uint8_t* image, size_t size) {
  if (size < kDosHeaderSize) return 0;
  uint64_t nt = Read32(image + 60);
  if (nt + kOptionalHeaderOffset > size) return 0;
  return Read16(image + nt + kFileHeaderOffset);
}

bool TextInside(const uint8_t* base, uint64_t size, uint64_t offset) {
  if (offset >= size) return false;
  return std::memchr(base + offset, 0, static_cast<size_t>(size - offset)) != nullptr;
}

LoadError ReadHeaders(const uint8_t* image, size_t size, uint16_t machine, ImageHeaders& out) {
  out = ImageHeaders{};
  if (size < kDosHeaderSize) return LoadError::kTooSmall;
  if (Read16(image) != kDosMagic) return LoadError::kNoDosSignature;

  // e_lfanew is signed in the file format; a negative one points nowhere.
  int32_t lfanew = static_cast<int32_t>(Read32(image + 60));
  out.pe32Plus = machine == kMachineAmd64;
  if (lfanew < 0 || uint64_t(uint32_t(lfanew)) + out.NtHeadersSize() > size) {
    return LoadError::kTruncatedHeaders;
  }
  out.ntOffset = static_cast<uint32_t>(lfanew);
  const uint8_t* nt = image + out.ntOffset;
  if (Read32(nt) != kPeSignature) return LoadError::kNoPeSignature;

  const uint8_t* file = nt + kFileHeaderOffset;
  out.machine = Read16(file);
  out.numberOfSections = Read16(file + 2);
  uint16_t sizeOfOptionalHeader = Read16(file + 16);
  out.characteristics = Read16(file + 18);
  if (out.machine != machine) return LoadError::kWrongMachine;

  // The section table is taken to follow the fixed-size optional header;
  // an image that says otherwise would have its sections misread.
  const uint8_t* opt = nt + kOptionalHeaderOffset;
  uint16_t magic = Read16(opt);
  if (magic != (out.pe32Plus ? kMagicPe32Plus : kMagicPe32) ||
      sizeOfOptionalHeader != out.NtHeadersSize() - kOptionalHeaderOffset) {
    return LoadError::kBadOptionalHeader;
  }
  if ((out.characteristics & kFileExecutable) == 0) return LoadError::kNotExecutable;
  if (out.HeaderBytes() > size) return LoadError::kTruncatedSectionTable;

  out.addressOfEntryPoint = Read32(opt + 16);
  out.imageBase = out.pe32Plus ? Read64(opt + 24) : Read32(opt + 28);
  out.sectionAlignment = Read32(opt + 32);
  out.sizeOfImage = Read32(opt + 56);
  uint32_t directoryCount = Read32(opt + (out.pe32Plus ? 108 : 92));
  const uint8_t* dirs = opt + (out.pe32Plus ? 112 : 96);
  // Entries past NumberOfRvaAndSizes are not part of the header.
  for (uint32_t i = 0; i < kDirectoryCount && i < directoryCount; ++i) {
    out.directories[i].virtualAddress = Read32(dirs + 8 * i);
    out.directories[i].size = Read32(dirs + 8 * i + 4);
  }
  return LoadError::kNone;
}

SectionHeader ReadSection(const uint8_t* image, const ImageHeaders& headers, uint32_t index) {
  const uint8_t* s =
      image + headers.ntOffset + headers.NtHeadersSize() + kSectionHeaderSize * index;
  SectionHeader section;
  section.virtualSize = Read32(s + 8);
  section.virtualAddress = Read32(s + 12);
  section.sizeOfRawData = Read32(s + 16);
  section.pointerToRawData = Read32(s + 20);
  return section;
}

}  // namespace hosting
