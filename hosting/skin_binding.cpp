#include "hosting/skin_binding.h"

#include <vector>

#include "hosting/memory_module.h"

extern const unsigned char kSkinEngineImage[];
extern const unsigned int kSkinEngineImageSize;
extern const unsigned char kSkinData[];
extern const unsigned int kSkinDataSize;

namespace hosting {

namespace {

using AttachFunction = int32_t(HOSTING_STDCALL*)(const uint8_t* skin, uint32_t size,
                                                 const char* password, int32_t a, int32_t b,
                                                 int32_t c);
using DetachFunction = int32_t(HOSTING_STDCALL*)();

// The program's one module object and the binding's own state.
MemoryModule gEngine;
std::vector<uint8_t> gKeptSkin;
int32_t gSkinArguments[3];

}  // namespace

bool LoadSkinEngine() {
  return gEngine.Load(kSkinEngineImage, kSkinEngineImageSize);
}

bool LoadSkinEngine(const uint8_t* image, uint32_t size) {
  return gEngine.Load(image, size);
}

const uint8_t* SkinData() {
  return kSkinData;
}
uint32_t SkinDataSize() {
  return kSkinDataSize;
}

int32_t AttachSkin(const uint8_t* skin, uint32_t size, const char* password, int32_t a, int32_t b,
                   int32_t c) {
  if (skin != nullptr) {
    gKeptSkin.assign(skin, skin + size);
  } else {
    gKeptSkin.clear();
  }
  gSkinArguments[0] = a;
  gSkinArguments[1] = b;
  gSkinArguments[2] = c;
  // Looked up on every call: the engine may have been mapped again since.
  uintptr_t address = gEngine.FindExport("SkinH_AttachRes");
  if (address == 0) return 0;
  auto attach = reinterpret_cast<AttachFunction>(address);
  const char* text = password != nullptr && password[0] != '\0' ? password : nullptr;
  return attach(skin, size, text, a, b, c);
}

int32_t DetachSkin() {
  std::vector<uint8_t>().swap(gKeptSkin);
  uintptr_t address = gEngine.FindExport("SkinH_Detach");
  if (address == 0) return 0;
  return reinterpret_cast<DetachFunction>(address)();
}

void ShutdownSkinHosting() {
  std::vector<uint8_t>().swap(gKeptSkin);
  // The module object goes with the program; a skinned window that is still
  // being torn down may run engine code, so the image stays mapped.
  gEngine = MemoryModule();
}

uint32_t KeptSkinSize() {
  return static_cast<uint32_t>(gKeptSkin.size());
}
const uint8_t* KeptSkinBytes() {
  return gKeptSkin.data();
}
uintptr_t EngineExport(const char* name) {
  return gEngine.FindExport(name);
}

}  // namespace hosting
