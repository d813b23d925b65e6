// The program's start-up sequence for the skin, on its own: map the carried
// engine, attach the skin, show the instructions box, detach; then one more
// box, which must come up in the system's look.

#include <windows.h>

#include "clicker/instructions.h"
#include "clicker/texts.h"
#include "hosting/skin_binding.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  hosting::LoadSkinEngine();
  hosting::AttachSkin(hosting::SkinData(), hosting::SkinDataSize(), "", 0, 0, 0);
  MessageBoxA(nullptr, clicker::texts::kInstructions, clicker::texts::kNoticeTitle,
              MB_OK | MB_TASKMODAL);
  hosting::DetachSkin();
  MessageBoxA(nullptr, "皮肤已卸下：这个提示框是系统的样子。", clicker::texts::kNoticeTitle,
              MB_OK | MB_TASKMODAL);
  hosting::ShutdownSkinHosting();
  return 0;
}
