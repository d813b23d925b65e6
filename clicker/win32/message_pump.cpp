#include "clicker/win32/message_pump.h"

#include "clicker/wait.h"

namespace clicker::win32 {
namespace {

PreTranslateHook preTranslate = nullptr;

// Waking from a sleep is exact to about a millisecond (less under Wine, whose
// server wakes on a millisecond poll); the stretch before the deadline is
// spun so that the wait still ends on time.
constexpr int64_t kSpinMicroseconds = 2000;

uint64_t CounterFrequency() {
  static const uint64_t frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<uint64_t>(f.QuadPart);
  }();
  return frequency;
}

// One waitable timer for all waits, high resolution where the system has one.
HANDLE WaitTimer() {
  static const HANDLE timer = [] {
    using CreateEx = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, LPCWSTR, DWORD, DWORD);
    constexpr DWORD kHighResolution = 0x2;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
    const HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto createEx = reinterpret_cast<CreateEx>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "CreateWaitableTimerExW")));
    HANDLE made = nullptr;
    if (createEx != nullptr) made = createEx(nullptr, nullptr, kHighResolution, TIMER_ALL_ACCESS);
    if (made == nullptr) made = CreateWaitableTimerW(nullptr, FALSE, nullptr);
    return made;
  }();
  return timer;
}

// Counter ticks in units of 1/perSecond s, without overflow for any wait.
uint64_t TicksIn(uint64_t ticks, uint64_t perSecond) {
  const uint64_t frequency = CounterFrequency();
  return ticks / frequency * perSecond + ticks % frequency * perSecond / frequency;
}

DWORD BackstopMs(uint64_t ticks) {
  const uint64_t ms = TicksIn(ticks, 1000) + 1;
  return ms < INFINITE ? static_cast<DWORD>(ms) : INFINITE - 1;
}

// Sleeps until a message arrives or the ticks have passed.
void SleepForMessage(uint64_t ticks) {
  const HANDLE timer = WaitTimer();
  if (timer != nullptr) {
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(TicksIn(ticks, 10'000'000));  // relative, 100 ns
    if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
      // The timeout backs the timer up: a timer that never fires must not
      // hold the window forever.
      MsgWaitForMultipleObjectsEx(1, &timer, BackstopMs(ticks), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
      CancelWaitableTimer(timer);
      return;
    }
  }
  MsgWaitForMultipleObjectsEx(0, nullptr, BackstopMs(ticks) - 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

uint64_t LastStretch() {
  return CounterFrequency() * kSpinMicroseconds / 1'000'000;
}

// Dispatches what is pending while goOn() holds after each dispatch. A
// pending WM_QUIT stays in the queue and ends the pumping; the result says
// whether one is waiting.
template <typename GoOn>
bool PumpWhile(GoOn&& goOn) {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (msg.message == WM_QUIT) return true;
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // A message sent from another thread after the look can end the
      // window; GetMessage then takes the quit, which belongs to the
      // program's message loop.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    DispatchOne(msg);
    if (!goOn()) return false;
  }
  return false;
}

bool WaitNear(uint64_t deadline, StopSignal stop) {
  const uint64_t stretch = LastStretch();
  const uint64_t lastStretchAt = deadline > stretch ? deadline - stretch : 0;
  // A wait leaves the queue as soon as a dispatch raised the stop or the last
  // stretch has begun, so that neither waits for a queue that keeps filling
  // (a handler as slow as the ticks that call it); the rest is served at the
  // next turn.
  const auto pump = [&] {
    return PumpWhile([&] { return !stop.Raised() && CounterNow() < lastStretchAt; });
  };
  return WaitUntilNear(
      deadline, stretch, CounterNow, pump, [&stop] { return stop.Raised(); }, SleepForMessage);
}

}  // namespace

uint64_t CounterNow() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart);
}

void SetPreTranslateHook(PreTranslateHook hook) {
  preTranslate = hook;
}

void DispatchOne(MSG& msg) {
  if (preTranslate != nullptr && preTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool PumpPending() {
  return PumpWhile([] { return true; });
}

uint64_t CounterAfter(uint64_t mark, int32_t ms) {
  return mark + TicksForMs(ms, CounterFrequency());
}

bool SpinUntilDue(uint64_t due, uint64_t early) {
  // The last stretch is judged by the due time; the spin may end before it.
  const uint64_t at = CounterNow();
  if (at < due && due - at > LastStretch()) return false;
  return SpinUntil(due > early ? due - early : 0, LastStretch(), CounterNow);
}

uint64_t TicksOfMicroseconds(uint32_t us) {
  return CounterFrequency() * us / 1'000'000;
}

bool DispatchWaiting(HWND window, UINT message, const std::function<bool(const MSG&)>& wanted) {
  MSG msg;
  if (!PeekMessageA(&msg, window, message, message, PM_NOREMOVE)) return false;
  if (msg.message != message || !wanted(msg)) return false;
  if (!PeekMessageA(&msg, window, message, message, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    // Not ours to take: the program's message loop ends on it.
    PostQuitMessage(static_cast<int>(msg.wParam));
    return false;
  }
  // A message sent from another thread, handled inside the peek, may have
  // put another one first: what was taken is run in its turn all the same.
  const bool stop = msg.message == message && wanted(msg);
  DispatchOne(msg);
  return stop;
}

void WaitPumping(int32_t ms) {
  if (ms <= 0) return;
  const uint64_t due = CounterAfter(CounterNow(), ms);
  if (WaitNear(due, StopSignal{})) SpinUntilDue(due);
}

void WaitPumpingNear(uint64_t start, int32_t ms, StopSignal stop) {
  if (ms <= 0) return;
  WaitNear(CounterAfter(start, ms), stop);
}

int RunMessageLoop() {
  MSG msg;
  int got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return -1;
    DispatchOne(msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace clicker::win32
