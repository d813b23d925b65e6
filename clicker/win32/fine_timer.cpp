#include "clicker/win32/fine_timer.h"

#include <mmsystem.h>

namespace clicker::win32 {
namespace {

TimerPeriodCalls calls{nullptr, nullptr};
int holds = 0;

// SetProcessInformation and its power-throttling class, as the SDK of
// Windows 11 has them (older headers lack the timer-resolution flag).
using SetProcessInformationCall = BOOL(WINAPI*)(HANDLE, int, LPVOID, DWORD);
constexpr int kProcessPowerThrottling = 4;
constexpr ULONG kThrottlingVersion = 1;
constexpr ULONG kThrottleExecutionSpeed = 0x1;
constexpr ULONG kThrottleIgnoreTimerResolution = 0x4;
struct PowerThrottlingState {
  ULONG version;
  ULONG controlMask;
  ULONG stateMask;
};

// Windows 11 no longer promises a process whose windows are all minimised or
// covered (the user has clicked into another program: the normal case) the
// timer resolution it asked for, and may slow it down; a process can say it
// wants neither. The call exists from Windows 8 and the timer flag from
// Windows 11, so the call is looked up here, and a system that refuses the
// flag is asked again without it. Released, the system decides again.
void OptOutOfThrottling(bool optOut) {
  const HMODULE kernel = GetModuleHandleA("kernel32.dll");
  const auto set = reinterpret_cast<SetProcessInformationCall>(
      reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetProcessInformation")));
  if (set == nullptr) return;
  PowerThrottlingState state{kThrottlingVersion, 0, 0};
  if (optOut) state.controlMask = kThrottleExecutionSpeed | kThrottleIgnoreTimerResolution;
  if (set(GetCurrentProcess(), kProcessPowerThrottling, &state, sizeof state) || !optOut) return;
  state.controlMask = kThrottleExecutionSpeed;
  set(GetCurrentProcess(), kProcessPowerThrottling, &state, sizeof state);
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
