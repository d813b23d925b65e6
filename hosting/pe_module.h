#pragma once

// Maps a module image held in a byte buffer into one memory region: headers,
// sections, base relocations, imports, the entry point; and looks up its
// exports. Everything it needs from the operating system goes through
// ModuleSystem, so a plain buffer and a table stand in for it in tests.

#include <cstddef>
#include <cstdint>

#include "hosting/pe_image.h"

namespace hosting {

class ModuleSystem {
 public:
  virtual ~ModuleSystem() = default;
  // The machine of the running process; images for any other are refused.
  virtual uint16_t Machine() const = 0;
  // A committed, zero-filled, read-write-execute region of `size` bytes at
  // `address`, or anywhere when `address` is 0; null when there is none.
  virtual uint8_t* ReserveRegion(uint64_t address, uint32_t size) = 0;
  virtual bool ReleaseRegion(uint8_t* base) = 0;
  // The caller's own resolver, asked before the system: 0 when it has no
  // address for `key` (a name, or an ordinal in decimal) of `module`.
  virtual uint64_t ResolveImport(const char* module, const char* key) {
    (void)module;
    (void)key;
    return 0;
  }
  // A module of the system, null when it cannot be loaded.
  virtual void* LoadModule(const char* name) = 0;
  virtual uint64_t FindProcedure(void* module, const char* name) = 0;
  virtual uint64_t FindProcedureByOrdinal(void* module, uint16_t ordinal) = 0;
  // Calls the entry point at `entry` with instance 0, `reason` and reserved 0.
  virtual int32_t CallEntryPoint(uint64_t entry, uint32_t reason) = 0;
};

struct ExportDirectory {
  uint32_t base = 0;
  uint32_t numberOfFunctions = 0;
  uint32_t numberOfNames = 0;
  uint32_t addressOfFunctions = 0;
  uint32_t addressOfNames = 0;
  uint32_t addressOfNameOrdinals = 0;
  // Where the directory lies: an address entry inside it is a forwarder.
  uint32_t directoryRva = 0;
  uint32_t directorySize = 0;
};

// A mapped image: the region and its size.
class PeModule {
 public:
  // Maps `image`; a loaded image is unloaded first. False, with nothing
  // mapped and no region left behind, when the image is refused.
  bool Load(ModuleSystem& system, const uint8_t* image, size_t size);
  // Detaches and releases the image; true when nothing is mapped afterwards.
  bool Unload(ModuleSystem& system);
  // Address of an export by name, or by ordinal written in decimal; 0 when
  // there is none or nothing is mapped. An export forwarded to another module
  // ("module.function") has no address here: 0, with kForwardedExport as the
  // LookupError.
  uintptr_t FindExport(const char* key) const;
  // The same, with forwarded exports looked up in their module through
  // `system`.
  uintptr_t FindExport(ModuleSystem& system, const char* key) const;
  // Why the last FindExport answered 0 (kNone after a found address).
  LoadError LookupError() const { return lookupError_; }
  uintptr_t EntryPoint() const;
  uintptr_t Handle() const { return reinterpret_cast<uintptr_t>(base_); }
  uint32_t Size() const { return size_; }
  uint16_t Machine() const { return machine_; }
  LoadError LastError() const { return lastError_; }

  // The export directory; false when the image has none or it is damaged
  // (then `error` says which).
  bool ReadExports(ExportDirectory& out, LoadError& error) const;
  // Name `index` of the name-pointer table, null when it is not a text
  // inside the image.
  const char* ExportName(const ExportDirectory& exports, uint32_t index) const;

 private:
  bool NameIs(uint32_t rva, const char* key) const;
  uintptr_t Lookup(ModuleSystem* system, const char* key) const;
  uintptr_t Forwarded(ModuleSystem* system, uint32_t rva) const;
  uintptr_t Fail(LoadError error) const {
    lookupError_ = error;
    return 0;
  }

  uint8_t* base_ = nullptr;
  uint32_t size_ = 0;
  uint16_t machine_ = 0;
  LoadError lastError_ = LoadError::kNone;
  mutable LoadError lookupError_ = LoadError::kNone;
};

}  // namespace hosting
