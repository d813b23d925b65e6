// pe-exports FILE: maps a module image with the loader's parsing core (no code
// of the image runs, imports get stand-in addresses) and prints what its
// export lookup resolves, one line per ordinal and per name.

#include <cinttypes>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "hosting/pe_module.h"

namespace {

constexpr uint32_t kLargestRegion = 512u << 20;

// Regions from the heap, imports all answered, entry points never called.
class InspectSystem : public hosting::ModuleSystem {
 public:
  explicit InspectSystem(uint16_t machine) : machine_(machine) {}
  uint16_t Machine() const override { return machine_; }
  uint8_t* ReserveRegion(uint64_t address, uint32_t size) override {
    if (address != 0 || size > kLargestRegion) return nullptr;
    std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[size]());
    uint8_t* base = block.get();
    if (base) regions_[base] = std::move(block);
    return base;
  }
  bool ReleaseRegion(uint8_t* base) override { return regions_.erase(base) == 1; }
  void* LoadModule(const char*) override { return this; }
  uint64_t FindProcedure(void*, const char*) override { return 1; }
  uint64_t FindProcedureByOrdinal(void*, uint16_t) override { return 1; }
  int32_t CallEntryPoint(uint64_t, uint32_t) override { return 1; }

 private:
  uint16_t machine_;
  std::map<uint8_t*, std::unique_ptr<uint8_t[]>> regions_;
};

int Refuse(const char* file, const char* reason) {
  std::fprintf(stderr, "pe-exports: %s: %s\n", file, reason);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pe-exports FILE\n");
    return 1;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return Refuse(argv[1], "cannot read the file");
  std::vector<uint8_t> image((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());

  uint16_t machine = hosting::PeekMachine(image.data(), image.size());
  if (machine != hosting::kMachineAmd64) machine = hosting::kMachineI386;
  InspectSystem system(machine);
  hosting::PeModule module;
  if (!module.Load(system, image.data(), image.size())) {
    // Regions come from the heap: no image can have its preferred base here.
    if (module.LastError() == hosting::LoadError::kFixedBaseTaken)
      return Refuse(argv[1], "relocations stripped: it maps only at its preferred base");
    return Refuse(argv[1], hosting::LoadErrorText(module.LastError()));
  }

  hosting::ExportDirectory exports;
  hosting::LoadError error;
  if (!module.ReadExports(exports, error)) {
    if (error != hosting::LoadError::kNone) return Refuse(argv[1], hosting::LoadErrorText(error));
    return 0;  // no export directory: nothing to print
  }
  std::string out;
  char line[64];
  for (uint64_t i = 0; i < exports.numberOfFunctions; ++i) {
    uint64_t ordinal = exports.base + i;
    uintptr_t address = module.FindExport(std::to_string(ordinal).c_str());
    if (address == 0) continue;
    std::snprintf(line, sizeof line, "ordinal %" PRIu64 " %" PRIxPTR "\n", ordinal,
                  address - module.Handle());
    out += line;
  }
  for (uint32_t i = 0; i < exports.numberOfNames; ++i) {
    const char* name = module.ExportName(exports, i);
    if (name == nullptr) continue;
    uintptr_t address = module.FindExport(name);
    if (address == 0) continue;
    std::snprintf(line, sizeof line, " %" PRIxPTR "\n", address - module.Handle());
    out += "name ";
    out += name;
    out += line;
  }
  std::fputs(out.c_str(), stdout);
  return 0;
}
