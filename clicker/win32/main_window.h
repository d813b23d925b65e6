#pragma once

#include <windows.h>

#include <cstdint>

#include "clicker/click_engine.h"
#include "clicker/hotkeys.h"
#include "clicker/ports.h"
#include "clicker/startup.h"
#include "clicker/win32/form.h"
#include "clicker/win32/hotkey_router.h"
#include "clicker/win32/input_ops.h"

namespace clicker::win32 {

// The window 鼠标坐标 with every control the user works with, the engine
// behind its buttons, hotkeys and timers, and its start-up sequence.
class MainWindow : public FormPort, private StartupPort {
 public:
  MainWindow();

  // Creates the window and runs its created handler (instructions box,
  // hotkeys, fade-in). False when the window could not be made.
  bool Create();

  HWND window() const { return form_.window(); }
  Form& form() { return form_; }
  ClickEngine& engine() { return engine_; }
  const HotkeyIds& hotkeyIds() const { return hotkeyIds_; }

  // FormPort
  std::string GetText(Box box) override;
  bool IsSelected(Radio radio) override;
  void SetCursorTimerPeriod(int32_t ms) override;

  // Handlers bound to the controls' events.
  void ClearBoxes(const char* const* names, size_t count);
  void ShowCursorPosition();
  void SetLabelColours();
  void LockSize();
  void RegisterAppHotkeys() override;

 private:
  // StartupPort
  void AttachSkin() override;
  void ShowInstructions(const char* text) override;
  void DetachSkin() override;
  void InstallFramework() override;
  void SkinGroupBoxes() override;
  void HideWindow() override;
  void ShowWindow() override;
  int32_t PlatformKind() override;
  void SetWindowAlpha(int32_t alpha) override;
  void PumpPending() override;
  void SleepMs(int32_t ms) override;

  void BindEvents();
  void RunWaitingStop();

  Form form_;
  Win32InputPort input_;
  ClickEngine engine_;
  HotkeyRouter router_;
  HotkeyIds hotkeyIds_;
  POINT lastCursor_{INT32_MIN, INT32_MIN};
};

// Runs a stop that waits in the window's queue, with nothing else but the
// keys that came before it: F2's WM_HOTKEY, or a click of the hidden button
// 按钮2 (BM_CLICK to it, or its BN_CLICKED posted to the window). The main
// window runs it right before every press on time.
void RunWaitingStop(HWND window, HWND stopButton, const HotkeyIds& ids);

// The main window's description table, for tests.
const ControlSpec* MainWindowControls(size_t* count);
const WindowSpec& MainWindowSpec();

}  // namespace clicker::win32
