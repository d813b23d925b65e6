#include "clicker/win32/fine_timer.h"

#include <mmsystem.h>

namespace clicker::win32 {
namespace {

TimerPeriodCalls calls{nullptr, nullptr};
int holds = 0;

// Windows 11 no longer promises a process whose windows are all minimised or
// covered (the user has clicked into another program: the normal case) the
// timer resolution it asked for, and may slow it down; a process can say it
// wants neither. SetProcessInformation exists from Windows 8, its
// power-throttling class from Windows 10 1709 and the timer flag from
// Windows 11, so the call is looked up here, and a system that refuses the
// flag is asked again without it (an older one refuses both, and throttles
// nothing). Released, the system decides again.
void OptOutOfThrottling(bool optOut) {
  using SetInformation = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
  const auto set = reinterpret_cast<SetInformation>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetProcessInformation")));
  if (set == nullptr) return;
  PROCESS_POWER_THROTTLING_STATE state{PROCESS_POWER_THROTTLING_CURRENT_VERSION, 0, 0};
  if (optOut) state.ControlMask = PROCESS_POWER_THROTTLING_VALID_FLAGS;
  if (set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state) || !optOut) return;
  state.ControlMask = PROCESS_POWER_THROTTLING_EXECUTION_SPEED;
  set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);
}

}  // namespace

void HoldFineTimer() {
  if (holds++ != 0) return;
  (calls.begin != nullptr ? calls.begin : &timeBeginPeriod)(1);
  OptOutOfThrottling(true);
}

void ReleaseFineTimer() {
  if (holds <= 0) return;
  if (--holds != 0) return;
  (calls.end != nullptr ? calls.end : &timeEndPeriod)(1);
  OptOutOfThrottling(false);
}

int FineTimerHolds() {
  return holds;
}

TimerPeriodCalls SetTimerPeriodCalls(TimerPeriodCalls replacement) {
  const TimerPeriodCalls before = calls;
  calls = replacement;
  return before;
}

}  // namespace clicker::win32
