// libFuzzer target over the loader's parsing core: any bytes are mapped as an
// image for both machines, and whatever maps has its exports walked and is
// unmapped again. No byte of the input may make the core read or write
// outside the buffer or the region.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "hosting/pe_module.h"

namespace {

class FuzzSystem : public hosting::ModuleSystem {
 public:
  explicit FuzzSystem(uint16_t machine) : machine_(machine) {}
  uint16_t Machine() const override { return machine_; }
  // calloc hands large blocks out as untouched zero pages, so a mutated
  // image size costs little; the map frees what a test leaves.
  uint8_t* ReserveRegion(uint64_t address, uint32_t size) override {
    if (address != 0 || size > (4u << 20)) return nullptr;
    auto* base = static_cast<uint8_t*>(std::calloc(size, 1));
    if (base) regions_[base] = Block(base);
    return base;
  }
  bool ReleaseRegion(uint8_t* base) override { return regions_.erase(base) == 1; }
  uint64_t ResolveImport(const char* module, const char* key) override {
    return std::strlen(module) + std::strlen(key) > 40 ? 0 : 0x1000;
  }
  void* LoadModule(const char*) override { return this; }
  uint64_t FindProcedure(void*, const char* name) override { return name[0] ? 0x2000 : 0; }
  uint64_t FindProcedureByOrdinal(void*, uint16_t ordinal) override { return ordinal; }
  int32_t CallEntryPoint(uint64_t entry, uint32_t) override { return entry & 1 ? 0 : 1; }
  size_t Live() const { return regions_.size(); }

 private:
  uint16_t machine_;
  struct Free {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  using Block = std::unique_ptr<uint8_t, Free>;
  std::map<uint8_t*, Block> regions_;
};

void Exercise(uint16_t machine, const uint8_t* data, size_t size) {
  FuzzSystem system(machine);
  hosting::PeModule module;
  if (!module.Load(system, data, size)) {
    if (system.Live() != 0) __builtin_trap();  // a refused image left a region
    return;
  }
  hosting::ExportDirectory exports;
  hosting::LoadError error;
  if (module.ReadExports(exports, error)) {
    for (uint32_t i = 0; i < exports.numberOfNames && i < 16; ++i) {
      const char* name = module.ExportName(exports, i);
      if (name) module.FindExport(name);
      if (name) module.FindExport(system, name);  // forwarders resolved too
    }
    for (uint32_t i = 0; i < exports.numberOfFunctions && i < 256; ++i) {
      const std::string ordinal = std::to_string(uint64_t{exports.base} + i);
      module.FindExport(ordinal.c_str());
      module.FindExport(system, ordinal.c_str());
    }
  }
  module.FindExport("SkinH_AttachRes");
  module.EntryPoint();
  // An image whose relocations or imports overwrote its own headers stays
  // mapped, as the loader can no longer read them; anything else is gone.
  if (module.Unload(system) && system.Live() != 0) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Exercise(hosting::kMachineI386, data, size);
  Exercise(hosting::kMachineAmd64, data, size);
  return 0;
}
