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

// Runs the message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace clicker::win32
