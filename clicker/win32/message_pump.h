#pragma once

#include <windows.h>

#include <cstdint>

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

// Waits at least ms milliseconds, as measured by the performance counter,
// dispatching everything that arrives. It sleeps until a message comes or
// shortly before the end, and spins only that last stretch. Returns at once,
// dispatching nothing, for ms of 0 or less. Once the program is quitting there
// is nobody left to wait for, so a pending WM_QUIT ends the wait too.
void WaitPumping(int32_t ms);

// The performance counter, and the same wait up to ms after a mark taken from
// it; the stop signal ends it after the dispatch that raised it.
uint64_t CounterNow();
void WaitPumpingFrom(uint64_t start, int32_t ms, StopSignal stop);

// Runs the message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace clicker::win32
