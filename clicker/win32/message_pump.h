#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "clicker/ports.h"

namespace clicker::win32 {

// The application's own treatment of a message before it is translated and
// dispatched (Esc and Tab of the main window); returns true when it consumed it.
using PreTranslateHook = bool (*)(MSG& msg);
void SetPreTranslateHook(PreTranslateHook hook);

// Takes one message out of the queue and runs it through the normal pump:
// pre-translation, TranslateMessage, DispatchMessage.
void DispatchOne(MSG& msg);

// Dispatches every message pending now. A pending WM_QUIT stays in the queue
// and ends the pumping; the result says whether one is waiting.
bool PumpPending();

// Takes out and dispatches the first message of the number that waits for
// the window, when wanted() accepts it; every other message stays where it
// is. Returns whether it dispatched the wanted one.
bool DispatchWaiting(HWND window, UINT message, const std::function<bool(const MSG&)>& wanted);

// Waits at least ms milliseconds, as measured by the performance counter,
// dispatching everything that arrives. It sleeps until a message comes or
// shortly before the end, and spins only that last stretch. Returns at once,
// dispatching nothing, for ms of 0 or less. Once the program is quitting there
// is nobody left to wait for, so a pending WM_QUIT ends the wait too.
void WaitPumping(int32_t ms);

// The performance counter, and the time ms after a mark taken from it.
uint64_t CounterNow();
uint64_t CounterAfter(uint64_t mark, int32_t ms);

// The same wait up to shortly before ms after a mark: it returns with no more
// than the last stretch left, which SpinUntilDue spends. The stop signal ends
// it after the dispatch that raised it.
void WaitPumpingNear(uint64_t start, int32_t ms, StopSignal stop);
// Spins, dispatching nothing, until the due time (or early ticks before it)
// when no more than the last stretch is left; returns whether it was (false:
// further off, nothing spun). A due time already passed counts as reached.
bool SpinUntilDue(uint64_t due, uint64_t early = 0);
// Performance counter ticks in so many microseconds.
uint64_t TicksOfMicroseconds(uint32_t us);

// Runs the message loop until WM_QUIT; returns its exit code. While a
// precise ticker runs, the loop sleeps no longer than up to its next tick.
int RunMessageLoop();

// A periodic tick at any period, served on the performance counter by the
// program's own message loop and waits: they wake shortly before each tick,
// spin the rest and run it, as a run does for its clicks. A window timer
// runs no faster than every 10 ms, and Windows may coalesce it with others.
// In a loop that is not the program's own (a message box, the window being
// moved) only the backstop, a window timer of the period on the given
// window, brings the ticks; the owner passes that timer's WM_TIMER to
// TickFromBackstop. The program's own loops take it out unseen.
class PreciseTicker {
 public:
  PreciseTicker(HWND backstopWindow, UINT_PTR backstopId, std::function<void()> onTick);
  ~PreciseTicker();
  PreciseTicker(const PreciseTicker&) = delete;
  PreciseTicker& operator=(const PreciseTicker&) = delete;

  // The first tick one period from now; ms of 0 or less stops the ticker.
  void Start(int32_t ms);
  void Stop();
  bool running() const { return period_ != 0; }

  // A WM_TIMER of the backstop, which only a loop not of the program's own
  // lets through: the tick runs when it is due within half a period.
  void TickFromBackstop();

  // For the loops: the period and the next due time in counter ticks, and
  // the tick itself, run at the counter time now.
  uint64_t period() const { return period_; }
  uint64_t due() const { return due_; }
  void Tick(uint64_t now);
  bool IsBackstop(const MSG& msg) const {
    return msg.message == WM_TIMER && msg.hwnd == backstopWindow_ && msg.wParam == backstopId_;
  }

 private:
  HWND backstopWindow_;
  UINT_PTR backstopId_;
  std::function<void()> onTick_;
  uint64_t period_ = 0;  // counter ticks; 0: stopped
  uint64_t due_ = 0;
};

}  // namespace clicker::win32
