#include <windows.h>

#include <memory>

#include "clicker/win32/main_window.h"
#include "clicker/win32/message_pump.h"
#include "framework/skin_framework.h"
#include "hosting/skin_binding.h"

namespace {

clicker::win32::MainWindow* mainWindow = nullptr;

bool PreTranslate(MSG& msg) {
  return mainWindow != nullptr && mainWindow->form().PreTranslate(msg);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The drawn framework exists from before the window to the program's end.
  auto skin = std::make_unique<framework::SkinFramework>();
  framework::SetProgramFramework(skin.get());
  skin->StartUp();
  hosting::LoadSkinEngine();
  int exitCode = 0;
  {
    clicker::win32::MainWindow window;
    mainWindow = &window;
    clicker::win32::SetPreTranslateHook(&PreTranslate);
    if (window.Create()) exitCode = clicker::win32::RunMessageLoop();
    clicker::win32::SetPreTranslateHook(nullptr);
    mainWindow = nullptr;
  }
  hosting::ShutdownSkinHosting();
  // Ends GDI+; the window table goes with the object.
  skin.reset();
  return exitCode;
}
