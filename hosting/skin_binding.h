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
// SkinH_AttachRes; returns the engine's result.
int32_t AttachSkin(const uint8_t* skin, uint32_t size, const char* password, int32_t a, int32_t b,
                   int32_t c);

// Drops the kept copy and calls the engine's SkinH_Detach.
int32_t DetachSkin();

// Program end, in this order: the kept skin copy is freed, then the module
// object is destroyed.
void ShutdownSkinHosting();

}  // namespace hosting
