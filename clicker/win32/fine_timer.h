#pragma once

#include <windows.h>

namespace clicker::win32 {

// Holds the system timer at 1 ms while anybody needs it: the first hold calls
// timeBeginPeriod(1), the release of the last one timeEndPeriod(1), so the two
// always come in pairs. Windows ticks every 15.6 ms by default, which would
// stretch a 10 ms cursor-clicking period to 15.6 ms. While held, the process
// also opts out of power throttling where the system offers it.
void HoldFineTimer();
void ReleaseFineTimer();
int FineTimerHolds();

// The two system calls, replaceable so that tests can count them (Wine does
// not show the timer resolution). Both take and return what winmm's do.
struct TimerPeriodCalls {
  UINT(WINAPI* begin)(UINT);
  UINT(WINAPI* end)(UINT);
};
// Returns the calls in use before; a null member means winmm's own.
TimerPeriodCalls SetTimerPeriodCalls(TimerPeriodCalls calls);

}  // namespace clicker::win32
