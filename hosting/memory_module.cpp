#include "hosting/memory_module.h"

#include <windows.h>

namespace hosting {

namespace {

using EntryFunction = BOOL(WINAPI*)(HINSTANCE, DWORD, LPVOID);

#if defined(_M_X64) || defined(__x86_64__)
constexpr uint16_t kOwnMachine = kMachineAmd64;
#else
constexpr uint16_t kOwnMachine = kMachineI386;
#endif

class Win32System : public ModuleSystem {
 public:
  Win32System(ImportResolver resolver, uintptr_t context)
      : resolver_(resolver), context_(context) {}

  uint16_t Machine() const override { return kOwnMachine; }

  uint8_t* ReserveRegion(uint64_t address, uint32_t size) override {
    if (static_cast<uintptr_t>(address) != address) return nullptr;
    void* at = reinterpret_cast<void*>(static_cast<uintptr_t>(address));
    return static_cast<uint8_t*>(
        VirtualAlloc(at, size, MEM_RESERVE | MEM_COMMIT, PAGE_EXECUTE_READWRITE));
  }

  bool ReleaseRegion(uint8_t* base) override { return VirtualFree(base, 0, MEM_RELEASE) != 0; }

  uint64_t ResolveImport(const char* module, const char* key) override {
    return resolver_ ? resolver_(module, key, context_) : 0;
  }

  // Never freed: the mapped image keeps calling into it.
  void* LoadModule(const char* name) override { return LoadLibraryA(name); }

  uint64_t FindProcedure(void* module, const char* name) override {
    return reinterpret_cast<uintptr_t>(GetProcAddress(static_cast<HMODULE>(module), name));
  }

  uint64_t FindProcedureByOrdinal(void* module, uint16_t ordinal) override {
    return reinterpret_cast<uintptr_t>(
        GetProcAddress(static_cast<HMODULE>(module), MAKEINTRESOURCEA(ordinal)));
  }

  int32_t CallEntryPoint(uint64_t entry, uint32_t reason) override {
    auto call = reinterpret_cast<EntryFunction>(static_cast<uintptr_t>(entry));
    return call(nullptr, reason, nullptr);
  }

 private:
  ImportResolver resolver_;
  uintptr_t context_;
};

}  // namespace

bool MemoryModule::Load(const uint8_t* image, size_t size, ImportResolver resolver,
                        uintptr_t context) {
  Win32System system(resolver, context);
  return module_.Load(system, image, size);
}

uintptr_t MemoryModule::FindExport(const char* key) const {
  Win32System system(nullptr, 0);
  return module_.FindExport(system, key);
}

bool MemoryModule::Unload() {
  Win32System system(nullptr, 0);
  return module_.Unload(system);
}

}  // namespace hosting
