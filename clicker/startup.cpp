#include "clicker/startup.h"

#include "clicker/instructions.h"
#include "clicker/text_number.h"

namespace clicker {

int32_t FadeAlpha(int32_t speed, int32_t step) {
  const double divisor = speed == 0 ? 1.0 : static_cast<double>(speed);
  return TruncateToInt32(64.0 / divisor * step - 1.0);
}

void FadeIn(StartupPort& port, int32_t speed) {
  port.HideWindow();
  if (speed < 0) speed = 0;
  if (speed > 64) speed = 64;
  if (port.PlatformKind() != 3) {
    port.ShowWindow();
    return;
  }
  port.SetWindowAlpha(0);
  port.ShowWindow();
  for (int32_t step = 1; step <= 4 * speed; ++step) {
    port.SetWindowAlpha(FadeAlpha(speed, step));
    port.PumpPending();
    if (speed != 0) port.SleepMs(speed);
  }
  port.SetWindowAlpha(255);
}

void RunCreatedHandler(StartupPort& port) {
  port.AttachSkin();
  port.ShowInstructions(texts::kInstructions);
  port.DetachSkin();
  port.RegisterAppHotkeys();
  port.InstallFramework();
  port.SkinGroupBoxes();
  FadeIn(port, kFadeSpeed);
}

}  // namespace clicker
