#pragma once

#include <cstdint>

namespace clicker {

// What the main window's created handler needs from the system, the skin
// binding and the framework, so the order of start-up can be checked anywhere.
class StartupPort {
 public:
  virtual ~StartupPort() = default;
  virtual void AttachSkin() = 0;  // the carried skin, no password, 0, 0, 0
  virtual void ShowInstructions(const char* text) = 0;
  virtual void DetachSkin() = 0;
  virtual void RegisterAppHotkeys() = 0;
  virtual void InstallFramework() = 0;
  virtual void SkinGroupBoxes() = 0;
  virtual void HideWindow() = 0;
  virtual void ShowWindow() = 0;
  virtual int32_t PlatformKind() = 0;  // 3 for the NT family
  virtual void SetWindowAlpha(int32_t alpha) = 0;
  virtual void PumpPending() = 0;
  virtual void SleepMs(int32_t ms) = 0;
};

inline constexpr int32_t kFadeSpeed = 9;

// The main window's created handler: skin on for the instructions box only,
// then hotkeys, framework, and the fade-in.
void RunCreatedHandler(StartupPort& port);

// Hides the window and fades it in over 4 × speed steps (speed 0..64).
void FadeIn(StartupPort& port, int32_t speed);

// The alpha of fade step i (1-based) at the given speed.
int32_t FadeAlpha(int32_t speed, int32_t step);

}  // namespace clicker
