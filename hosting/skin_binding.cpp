#include "hosting/skin_binding.h"

// Stand-in until the module loader and the skin engine land: start-up goes
// through these calls already, and they do nothing.

namespace hosting {

bool LoadSkinEngine() { return false; }
const uint8_t* SkinData() { return nullptr; }
uint32_t SkinDataSize() { return 0; }
int32_t AttachSkin(const uint8_t*, uint32_t, const char*, int32_t, int32_t, int32_t) { return 0; }
int32_t DetachSkin() { return 0; }
void ShutdownSkinHosting() {}

}  // namespace hosting
