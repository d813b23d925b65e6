#include "clicker/win32/fine_timer.h"

#include <mmsystem.h>

namespace clicker::win32 {
namespace {

TimerPeriodCalls calls{nullptr, nullptr};
int holds = 0;

}  // namespace

void HoldFineTimer() {
  if (holds++ == 0) (calls.begin != nullptr ? calls.begin : &timeBeginPeriod)(1);
}

void ReleaseFineTimer() {
  if (holds <= 0) return;
  if (--holds == 0) (calls.end != nullptr ? calls.end : &timeEndPeriod)(1);
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
