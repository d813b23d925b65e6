#include "hosting/pe_module.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace hosting {

namespace {

constexpr uint32_t kRelocHighLow = 3;
constexpr uint32_t kRelocDir64 = 10;
constexpr uint32_t kReasonDetach = 0;
constexpr uint32_t kReasonAttach = 1;
constexpr uint32_t kImportDescriptorSize = 20;
constexpr uint32_t kExportDirectorySize = 40;

bool Inside(uint64_t offset, uint64_t length, uint64_t size) {
  return offset <= size && length <= size - offset;
}

uint64_t AlignUp(uint64_t value, uint64_t alignment) {
  return (value + alignment - 1) / alignment * alignment;
}

struct Region {
  uint8_t* base;
  uint32_t size;
};

// Adds the load delta to every HIGHLOW (and, in PE32+, DIR64) target. The
// walk ends at the first block of address 0 or at the end of the directory:
// a list that ends on a page boundary is followed by the next section's
// bytes, which are no blocks. Linkers may round the size up past the last
// block, so a tail too short for a block header ends it too. Every block
// must lie inside the directory and the image.
LoadError ApplyRelocations(Region region, const ImageHeaders& headers, uint64_t delta) {
  const DataDirectory& directory = headers.directories[kDirectoryBaseReloc];
  uint64_t off = directory.virtualAddress;
  const uint64_t end = off + directory.size;
  while (end - off >= 8) {
    if (!Inside(off, 8, region.size)) return LoadError::kBadRelocations;
    uint32_t page = Read32(region.base + off);
    uint32_t blockSize = Read32(region.base + off + 4);
    if (page == 0) break;
    if (blockSize < 8 || blockSize > end - off || !Inside(off, blockSize, region.size)) {
      return LoadError::kBadRelocations;
    }
    uint32_t count = (blockSize - 8) / 2;
    for (uint32_t k = 0; k < count; ++k) {
      uint16_t entry = Read16(region.base + off + 8 + 2 * k);
      uint32_t type = entry >> 12;
      uint64_t target = uint64_t{page} + (entry & 0x0FFFu);
      if (type == kRelocHighLow) {
        if (!Inside(target, 4, region.size)) return LoadError::kBadRelocations;
        uint8_t* p = region.base + target;
        Write32(p, static_cast<uint32_t>(Read32(p) + delta));
      } else if (type == kRelocDir64 && headers.pe32Plus) {
        if (!Inside(target, 8, region.size)) return LoadError::kBadRelocations;
        uint8_t* p = region.base + target;
        Write64(p, Read64(p) + delta);
      }
    }
    off += blockSize;
  }
  return LoadError::kNone;
}

// Fills every import slot: the caller's resolver first, then the system.
// Names and ordinals are read from the FirstThunk array itself.
LoadError BindImports(ModuleSystem& system, Region region, const ImageHeaders& headers) {
  const uint32_t thunkSize = headers.pe32Plus ? 8 : 4;
  const uint64_t ordinalFlag = headers.pe32Plus ? (uint64_t{1} << 63) : 0x80000000u;
  uint64_t off = headers.directories[kDirectoryImport].virtualAddress;
  for (;; off += kImportDescriptorSize) {
    if (!Inside(off, kImportDescriptorSize, region.size)) return LoadError::kBadImports;
    uint32_t nameRva = Read32(region.base + off + 12);
    uint32_t firstThunk = Read32(region.base + off + 16);
    if (firstThunk == 0) break;
    if (!TextInside(region.base, region.size, nameRva)) return LoadError::kBadImports;
    const char* name = reinterpret_cast<const char*>(region.base + nameRva);
    void* module = system.LoadModule(name);

    for (uint64_t slot = firstThunk;; slot += thunkSize) {
      if (!Inside(slot, thunkSize, region.size)) return LoadError::kBadImports;
      uint8_t* p = region.base + slot;
      uint64_t thunk = headers.pe32Plus ? Read64(p) : Read32(p);
      if (thunk == 0) break;
      uint64_t address = 0;
      if (thunk & ordinalFlag) {
        uint16_t ordinal = static_cast<uint16_t>(thunk & 0xFFFF);
        char key[8];
        std::snprintf(key, sizeof key, "%u", unsigned{ordinal});
        address = system.ResolveImport(name, key);
        if (address == 0 && module) address = system.FindProcedureByOrdinal(module, ordinal);
      } else {
        // Past the 16-bit hint.
        if (thunk > 0xFFFFFFFFu || !TextInside(region.base, region.size, thunk + 2)) {
          return LoadError::kBadImports;
        }
        const char* key = reinterpret_cast<const char*>(region.base + thunk + 2);
        address = system.ResolveImport(name, key);
        if (address == 0 && module) address = system.FindProcedure(module, key);
      }
      if (address == 0) return LoadError::kUnresolvedImport;
      if (headers.pe32Plus) {
        Write64(p, address);
      } else {
        if (address > 0xFFFFFFFFu) return LoadError::kUnresolvedImport;
        Write32(p, static_cast<uint32_t>(address));
      }
    }
  }
  return LoadError::kNone;
}

// Everything after the region exists; the caller releases it on failure.
LoadError FillRegion(ModuleSystem& system, Region region, const uint8_t* image,
                     const ImageHeaders& headers) {
  // Only the headers and the section table, not SizeOfHeaders bytes.
  std::memcpy(region.base, image, static_cast<size_t>(headers.HeaderBytes()));
  for (uint32_t i = 0; i < headers.numberOfSections; ++i) {
    SectionHeader s = ReadSection(image, headers, i);
    if (s.sizeOfRawData > 0 && s.virtualAddress != 0) {
      // Checked before the region was made: the raw data lies in the file
      // and the widened image size covers it.
      std::memcpy(region.base + s.virtualAddress, image + s.pointerToRawData, s.sizeOfRawData);
    }
  }

  const uint64_t delta = reinterpret_cast<uintptr_t>(region.base) - headers.imageBase;
  if (headers.directories[kDirectoryBaseReloc].size > 0) {
    LoadError error = ApplyRelocations(region, headers, delta);
    if (error != LoadError::kNone) return error;
  }
  if (headers.directories[kDirectoryImport].virtualAddress > 0) {
    LoadError error = BindImports(system, region, headers);
    if (error != LoadError::kNone) return error;
  }
  // A DLL without an entry point (resource-only) is not called at its headers.
  if (headers.IsDll() && headers.addressOfEntryPoint != 0) {
    if (headers.addressOfEntryPoint >= region.size) return LoadError::kBadEntryPoint;
    uint64_t entry = reinterpret_cast<uintptr_t>(region.base) + headers.addressOfEntryPoint;
    if (system.CallEntryPoint(entry, kReasonAttach) == 0) {
      system.CallEntryPoint(entry, kReasonDetach);
      return LoadError::kEntryPointRefused;
    }
  }
  return LoadError::kNone;
}

LoadError MapImage(ModuleSystem& system, const uint8_t* image, size_t size, Region& out) {
  out = Region{nullptr, 0};
  ImageHeaders headers;
  LoadError error = ReadHeaders(image, size, system.Machine(), headers);
  if (error != LoadError::kNone) return error;
  // Its thread-local storage would not be set up, and its code would use
  // slots it does not own: refused before anything is reserved.
  const DataDirectory& tls = headers.directories[kDirectoryTls];
  if (tls.virtualAddress != 0 || tls.size != 0) return LoadError::kThreadLocalStorage;

  // The region must hold every section's aligned end, whatever SizeOfImage says.
  uint64_t imageSize = headers.sizeOfImage;
  for (uint32_t i = 0; i < headers.numberOfSections; ++i) {
    SectionHeader s = ReadSection(image, headers, i);
    if (headers.sectionAlignment == 0) return LoadError::kBadSection;
    uint32_t extent = s.sizeOfRawData > s.virtualSize ? s.sizeOfRawData : s.virtualSize;
    uint64_t end = AlignUp(uint64_t{s.virtualAddress} + extent, headers.sectionAlignment);
    if (end > imageSize) imageSize = end;
    if (s.sizeOfRawData > 0 && s.virtualAddress != 0 &&
        !Inside(s.pointerToRawData, s.sizeOfRawData, size)) {
      return LoadError::kBadSection;
    }
  }
  if (imageSize == 0 || imageSize > 0xFFFFFFFFu || headers.HeaderBytes() > imageSize) {
    return LoadError::kBadImageSize;
  }

  Region region{nullptr, static_cast<uint32_t>(imageSize)};
  region.base = system.ReserveRegion(headers.imageBase, region.size);
  // An image whose header says its relocations were stripped runs at its
  // preferred base or not at all, whatever its directory holds (the system
  // may also round an unaligned base down). Any other image moves: one
  // without relocations has nothing to fix up and goes anywhere as it is.
  if (headers.RelocationsStripped() &&
      (region.base == nullptr || reinterpret_cast<uintptr_t>(region.base) != headers.imageBase)) {
    if (region.base != nullptr) system.ReleaseRegion(region.base);
    return LoadError::kFixedBaseTaken;
  }
  if (region.base == nullptr) region.base = system.ReserveRegion(0, region.size);
  if (region.base == nullptr) return LoadError::kNoRegion;

  error = FillRegion(system, region, image, headers);
  if (error != LoadError::kNone) {
    system.ReleaseRegion(region.base);
    return error;
  }
  out = region;
  return LoadError::kNone;
}

// The key is an ordinal when it is exactly the decimal text of its own value.
bool OrdinalKey(const char* key, int64_t& value) {
  const char* p = key;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  int64_t v = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (++digits > 11) return false;  // not the text of any 32-bit value
    v = v * 10 + (*p - '0');
  }
  if (negative) v = -v;
  char text[24];
  std::snprintf(text, sizeof text, "%lld", static_cast<long long>(v));
  value = v;
  return std::strcmp(text, key) == 0;
}

}  // namespace

bool PeModule::Load(ModuleSystem& system, const uint8_t* image, size_t size) {
  if (base_ != nullptr) Unload(system);
  Region region;
  lastError_ = MapImage(system, image, size, region);
  base_ = region.base;
  size_ = region.size;
  machine_ = base_ ? system.Machine() : 0;
  return base_ != nullptr;
}

bool PeModule::Unload(ModuleSystem& system) {
  if (base_ == nullptr) return true;
  ImageHeaders headers;
  if (ReadHeaders(base_, size_, machine_, headers) != LoadError::kNone) return false;
  if (headers.IsDll() && headers.addressOfEntryPoint != 0 && headers.addressOfEntryPoint < size_) {
    system.CallEntryPoint(Handle() + headers.addressOfEntryPoint, kReasonDetach);
  }
  if (!system.ReleaseRegion(base_)) return false;
  base_ = nullptr;
  size_ = 0;
  machine_ = 0;
  return true;
}

uintptr_t PeModule::EntryPoint() const {
  if (base_ == nullptr) return 0;
  ImageHeaders headers;
  if (ReadHeaders(base_, size_, machine_, headers) != LoadError::kNone) return 0;
  return Handle() + headers.addressOfEntryPoint;
}

bool PeModule::ReadExports(ExportDirectory& out, LoadError& error) const {
  out = ExportDirectory{};
  error = LoadError::kNone;
  if (base_ == nullptr) return false;
  ImageHeaders headers;
  error = ReadHeaders(base_, size_, machine_, headers);
  if (error != LoadError::kNone) return false;
  const DataDirectory& dir = headers.directories[kDirectoryExport];
  if (dir.size == 0) return false;
  error = LoadError::kBadExports;
  if (!Inside(dir.virtualAddress, kExportDirectorySize, size_)) return false;
  const uint8_t* d = base_ + dir.virtualAddress;
  out.directoryRva = dir.virtualAddress;
  out.directorySize = dir.size;
  out.base = Read32(d + 16);
  out.numberOfFunctions = Read32(d + 20);
  out.numberOfNames = Read32(d + 24);
  out.addressOfFunctions = Read32(d + 28);
  out.addressOfNames = Read32(d + 32);
  out.addressOfNameOrdinals = Read32(d + 36);
  // All three tables must lie inside the image before any entry is read.
  if (!Inside(out.addressOfFunctions, uint64_t{4} * out.numberOfFunctions, size_)) return false;
  if (out.numberOfNames > 0 &&
      (!Inside(out.addressOfNames, uint64_t{4} * out.numberOfNames, size_) ||
       !Inside(out.addressOfNameOrdinals, uint64_t{2} * out.numberOfNames, size_))) {
    return false;
  }
  error = LoadError::kNone;
  return true;
}

const char* PeModule::ExportName(const ExportDirectory& exports, uint32_t index) const {
  if (index >= exports.numberOfNames) return nullptr;
  uint32_t rva = Read32(base_ + exports.addressOfNames + 4 * uint64_t{index});
  if (!TextInside(base_, size_, rva)) return nullptr;
  return reinterpret_cast<const char*>(base_ + rva);
}

// Compares no further than the key: a name without an end inside the image
// costs no more than a short one.
bool PeModule::NameIs(uint32_t rva, const char* key) const {
  for (uint64_t at = rva;; ++at, ++key) {
    if (at >= size_) return false;
    if (base_[at] != static_cast<uint8_t>(*key)) return false;
    if (*key == '\0') return true;
  }
}

uintptr_t PeModule::FindExport(const char* key) const {
  return Lookup(nullptr, key);
}

uintptr_t PeModule::FindExport(ModuleSystem& system, const char* key) const {
  return Lookup(&system, key);
}

// An address entry inside the export directory is the text "module.name" or
// "module.#ordinal" of a function another module supplies, not code here.
uintptr_t PeModule::Forwarded(ModuleSystem* system, uint32_t rva) const {
  if (system == nullptr) return Fail(LoadError::kForwardedExport);
  if (!TextInside(base_, size_, rva)) return Fail(LoadError::kBadExports);
  const char* text = reinterpret_cast<const char*>(base_ + rva);
  const char* dot = std::strrchr(text, '.');
  if (dot == nullptr || dot == text || dot[1] == '\0') return Fail(LoadError::kBadExports);
  std::string module(text, static_cast<size_t>(dot - text));
  module += ".dll";
  const char* function = dot + 1;
  void* handle = system->LoadModule(module.c_str());
  uint64_t address = 0;
  if (handle != nullptr && function[0] == '#') {
    char* end = nullptr;
    unsigned long ordinal = std::strtoul(function + 1, &end, 10);
    if (end != function + 1 && *end == '\0' && ordinal <= 0xFFFF) {
      address = system->FindProcedureByOrdinal(handle, static_cast<uint16_t>(ordinal));
    }
  } else if (handle != nullptr) {
    address = system->FindProcedure(handle, function);
  }
  if (address == 0 || static_cast<uintptr_t>(address) != address) {
    return Fail(LoadError::kUnresolvedForwarder);
  }
  lookupError_ = LoadError::kNone;
  return static_cast<uintptr_t>(address);
}

uintptr_t PeModule::Lookup(ModuleSystem* system, const char* key) const {
  ExportDirectory exports;
  // A null key never reaches ReadExports, which would set it.
  LoadError error = LoadError::kNone;
  if (key == nullptr || !ReadExports(exports, error)) {
    return Fail(error != LoadError::kNone ? error : LoadError::kNoSuchExport);
  }
  // 0 for an empty entry, which a name lookup passes over.
  auto address = [&](uint64_t index) -> uintptr_t {
    uint32_t rva = Read32(base_ + exports.addressOfFunctions + 4 * index);
    if (rva == 0 || rva >= size_) return 0;
    if (rva >= exports.directoryRva && rva - exports.directoryRva < exports.directorySize) {
      return Forwarded(system, rva);
    }
    lookupError_ = LoadError::kNone;
    return Handle() + rva;
  };
  lookupError_ = LoadError::kNoSuchExport;

  int64_t value = 0;
  if (OrdinalKey(key, value)) {
    int64_t index = value - int64_t{exports.base};
    if (index < 0 || index >= int64_t{exports.numberOfFunctions}) return 0;
    return address(static_cast<uint64_t>(index));
  }
  // Each name is read through its own entry of the name-pointer table.
  for (uint32_t i = 0; i < exports.numberOfNames; ++i) {
    uint32_t nameRva = Read32(base_ + exports.addressOfNames + 4 * uint64_t{i});
    uint16_t ordinal = Read16(base_ + exports.addressOfNameOrdinals + 2 * uint64_t{i});
    if (ordinal >= exports.numberOfFunctions || !NameIs(nameRva, key)) continue;
    uintptr_t found = address(ordinal);
    if (found != 0) return found;
    // A forwarder that does not resolve ends the search with its reason.
    if (lookupError_ != LoadError::kNoSuchExport) return 0;
  }
  return 0;
}

}  // namespace hosting
