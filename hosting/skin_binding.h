#pragma once

#include <cstdint>

namespace hosting {

// Program start: maps the carried skin engine into the program's one module
// object. The result is not looked at by start-up.
bool LoadSkinEngine();

// The carried skin data.
const uint8_t* SkinData();
uint32_t SkinDataSize();

// Keeps a copy of the skin, remembers a, b, c and calls the engine's
// SkinH_AttachRes; returns the engine's result (0 when the engine has no
// such export).
int32_t AttachSkin(const uint8_t* skin, uint32_t size, const char* password, int32_t a, int32_t b,
                   int32_t c);

// Drops the kept copy and calls the engine's SkinH_Detach (0 when the engine
// has no such export).
int32_t DetachSkin();

// Program end, in this order: the kept skin copy is freed, then the module
// object is destroyed (the engine image itself stays mapped).
void ShutdownSkinHosting();

// For tests: maps another engine image in place of the carried one, and
// shows the kept skin copy.
bool LoadSkinEngine(const uint8_t* image, uint32_t size);
uint32_t KeptSkinSize();
const uint8_t* KeptSkinBytes();
uintptr_t EngineExport(const char* name);

}  // namespace hosting
