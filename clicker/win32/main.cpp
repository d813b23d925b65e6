#include <windows.h>

#include "clicker/win32/main_window.h"
#include "clicker/win32/message_pump.h"
#include "hosting/skin_binding.h"

namespace {

clicker::win32::MainWindow* mainWindow = nullptr;

bool PreTranslate(MSG& msg) {
  return mainWindow != nullptr && mainWindow->form().PreTranslate(msg);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
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
  return exitCode;
}
