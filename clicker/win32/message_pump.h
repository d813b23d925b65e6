#pragma once

#include <windows.h>

#include <cstdint>

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

// Spins for at least ms milliseconds, dispatching everything that arrives, as
// measured by the performance counter. Returns at once, dispatching nothing,
// for ms of 0 or less. Once the program is quitting there is nobody left to
// wait for, so a pending WM_QUIT ends the wait too.
void WaitPumping(int32_t ms);

// Runs the message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace clicker::win32
