#pragma once

// The program's in-memory module: maps a DLL image from a byte buffer into
// this process and hands out its exports, without the image touching disk.

#include <cstddef>
#include <cstdint>

#include "hosting/pe_module.h"

#ifdef _WIN32
#define HOSTING_STDCALL __stdcall
#else
#define HOSTING_STDCALL
#endif

namespace hosting {

// Asked for every import before the system is: the imported module's name,
// the function's name or its ordinal in decimal, and the caller's context.
// Returns the address, or 0 to let the system supply it.
using ImportResolver = uintptr_t(HOSTING_STDCALL*)(const char* module, const char* key,
                                                   uintptr_t context);

class MemoryModule {
 public:
  MemoryModule() = default;
  // Destroying the object leaves a mapped image mapped: the program maps its
  // engine once and keeps it until the process ends.
  ~MemoryModule() = default;
  // A copy names the same image.
  MemoryModule(const MemoryModule&) = default;
  MemoryModule& operator=(const MemoryModule&) = default;

  bool Load(const uint8_t* image, size_t size, ImportResolver resolver = nullptr,
            uintptr_t context = 0);
  bool Unload();
  // Exports forwarded to another module are looked up in that module.
  uintptr_t FindExport(const char* key) const;
  uintptr_t EntryPoint() const { return module_.EntryPoint(); }
  uintptr_t Handle() const { return module_.Handle(); }
  LoadError LastError() const { return module_.LastError(); }
  LoadError LookupError() const { return module_.LookupError(); }

 private:
  PeModule module_;
};

}  // namespace hosting
