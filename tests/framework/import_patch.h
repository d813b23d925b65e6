#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace framework::testing {

// Points every import slot of the test program that holds `function` of
// `module` at `replacement` until the patch goes out of scope. The framework
// is linked into the program, so its calls of that function go through these
// slots: a test can make a system call fail that never fails on its own.
class ImportPatch {
 public:
  ImportPatch(const char* module, const char* function, const void* replacement) {
    const auto original = reinterpret_cast<uintptr_t>(
        reinterpret_cast<const void*>(GetProcAddress(GetModuleHandleA(module), function)));
    if (original == 0) return;
    auto* base = reinterpret_cast<uint8_t*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) return;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         d->FirstThunk != 0; ++d) {
      for (auto* slot = reinterpret_cast<uintptr_t*>(base + d->FirstThunk); *slot != 0; ++slot) {
        if (*slot == original) {
          Write(slot, reinterpret_cast<uintptr_t>(replacement));
          patched_.push_back(Slot{slot, original});
        }
      }
    }
  }
  ~ImportPatch() {
    for (const Slot& slot : patched_) Write(slot.at, slot.original);
  }
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;

  // False when the program does not import the function.
  bool Active() const { return !patched_.empty(); }

 private:
  struct Slot {
    uintptr_t* at;
    uintptr_t original;
  };
  static void Write(uintptr_t* at, uintptr_t value) {
    DWORD old = 0;
    VirtualProtect(at, sizeof *at, PAGE_READWRITE, &old);
    *at = value;
    VirtualProtect(at, sizeof *at, old, &old);
  }
  std::vector<Slot> patched_;
};

}  // namespace framework::testing
