#include "clicker/win32/message_pump.h"

#include <algorithm>
#include <vector>

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

uint64_t LastStretch() {
  return CounterFrequency() * kSpinMicroseconds / 1'000'000;
}

// The running precise tickers (in practice the one of cursor clicking).
std::vector<PreciseTicker*> tickers;
// A tick is never spun for longer than a run spins for its click.
constexpr uint32_t kLeastLeadMicroseconds = 250;

WakeLead& TickLead() {
  static WakeLead lead(CounterFrequency() * kLeastLeadMicroseconds / 1'000'000, LastStretch());
  return lead;
}

// How long before its tick a ticker spins. Up to 2 ms a sleep gains nothing
// (the system's wake is late by about as much, and a tick a whole period late
// is lost), and the whole period is spun; above, the wake lead, but no more
// than a sixteenth of the period or 0.6 ms, whichever is more: a wake is late
// by up to that much under Wine and on systems without a high-resolution
// timer, and the spin still costs little at 10 ms (a tick woken later comes a
// little late, and the next one keeps its time).
uint64_t LeadOf(const PreciseTicker& ticker) {
  const uint64_t period = ticker.period();
  if (period <= 2 * CounterFrequency() / 1000) return period;
  constexpr uint64_t kSpinFloorMicroseconds = 600;
  const uint64_t floor = CounterFrequency() * kSpinFloorMicroseconds / 1'000'000;
  return std::min(TickLead().ticks(), std::max(period / 16, floor));
}

// When the first running ticker wants the loops awake: its lead before its
// tick; UINT64_MAX when none runs.
uint64_t NextTickWake() {
  uint64_t wake = UINT64_MAX;
  for (const PreciseTicker* ticker : tickers) {
    const uint64_t lead = LeadOf(*ticker);
    wake = std::min(wake, ticker->due() > lead ? ticker->due() - lead : 0);
  }
  return wake;
}

// Until when the loops may dispatch messages before the first tick: its
// wake, or, for a ticker that spins its whole period, its due time, so that
// the queue is served between ticks (every click at the tool's own window
// brings messages of its own).
uint64_t NextTickServe() {
  uint64_t until = UINT64_MAX;
  for (const PreciseTicker* ticker : tickers) {
    const uint64_t lead = LeadOf(*ticker);
    const uint64_t due = ticker->due();
    until = std::min(until, lead == ticker->period() ? due : due > lead ? due - lead : 0);
  }
  return until;
}

// Runs the ticks that are due. One due within its lead, and no later than
// spinTo, is spun up to first, so that it comes on time; a wait does not spin
// into its own last stretch for a tick (its spin serves the ticks there). A
// tick that pumps messages itself does not start more ticks inside.
constexpr uint64_t kSpinAny = UINT64_MAX;
constexpr uint64_t kSpinNone = 0;
void ServeTicks(uint64_t spinTo) {
  static bool serving = false;
  if (serving || tickers.empty()) return;
  serving = true;
  for (size_t i = 0; i < tickers.size(); ++i) {
    PreciseTicker* ticker = tickers[i];
    const uint64_t due = ticker->due();
    uint64_t now = CounterNow();
    if (now < due) {
      if (due > spinTo || due - now > LeadOf(*ticker)) continue;
      while ((now = CounterNow()) < due) {
      }
    }
    ticker->Tick(now);
  }
  serving = false;
}

constexpr uint64_t kUntilMessage = UINT64_MAX;

// Sleeps until a message arrives, the ticks have passed or a precise ticker
// wants to wake; with kUntilMessage and no ticker, until a message.
void SleepForMessage(uint64_t ticks) {
  const uint64_t now = CounterNow();
  const uint64_t wake = NextTickWake();
  if (wake != UINT64_MAX) {
    if (wake <= now) return;
    ticks = std::min(ticks, wake - now);
  }
  if (ticks == kUntilMessage) {
    MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return;
  }
  const HANDLE timer = WaitTimer();
  if (timer != nullptr) {
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(TicksIn(ticks, 10'000'000));  // relative, 100 ns
    if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
      // The timeout backs the timer up: a timer that never fires must not
      // hold the window forever.
      const DWORD woke = MsgWaitForMultipleObjectsEx(1, &timer, BackstopMs(ticks), QS_ALLINPUT,
                                                     MWMO_INPUTAVAILABLE);
      CancelWaitableTimer(timer);
      // How late the timer ends its sleeps is what the ticks' lead follows.
      if (woke == WAIT_OBJECT_0) {
        const uint64_t asked = now + ticks;
        const uint64_t ended = CounterNow();
        TickLead().Woke(ended > asked ? ended - asked : 0);
      }
      return;
    }
  }
  MsgWaitForMultipleObjectsEx(0, nullptr, BackstopMs(ticks) - 1, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
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
  // A wait leaves the queue as soon as a dispatch raised the stop, the last
  // stretch has begun or a precise tick is near, so that none of them waits
  // for a queue that keeps filling (a handler as slow as the ticks that call
  // it); the rest is served at the next turn.
  const auto pump = [&] {
    ServeTicks(lastStretchAt);
    return PumpWhile([&] {
      const uint64_t now = CounterNow();
      return !stop.Raised() && now < lastStretchAt && now < NextTickServe();
    });
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
  // The backstop of a precise ticker is for loops that are not ours: here
  // the ticks are served on the counter.
  for (const PreciseTicker* ticker : tickers) {
    if (ticker->IsBackstop(msg)) return;
  }
  if (preTranslate != nullptr && preTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool PumpPending() {
  ServeTicks(kSpinNone);
  return PumpWhile([] { return true; });
}

uint64_t CounterAfter(uint64_t mark, int32_t ms) {
  return mark + TicksForMs(ms, CounterFrequency());
}

bool SpinUntilDue(uint64_t due, uint64_t early) {
  // The last stretch is judged by the due time; the spin may end before it.
  const uint64_t at = CounterNow();
  if (at < due && due - at > LastStretch()) return false;
  // Clicks at the cursor keep their time meanwhile.
  return SpinUntil(due > early ? due - early : 0, LastStretch(), CounterNow,
                   [] { ServeTicks(kSpinNone); });
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
  for (;;) {
    ServeTicks(kSpinAny);
    if (PumpWhile([] { return CounterNow() < NextTickServe(); })) break;
    SleepForMessage(kUntilMessage);
  }
  // The quit that ended the pumping; a message that came in between still
  // goes its way.
  MSG msg;
  int got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) > 0) DispatchOne(msg);
  return got == 0 ? static_cast<int>(msg.wParam) : -1;
}

PreciseTicker::PreciseTicker(HWND backstopWindow, UINT_PTR backstopId, std::function<void()> onTick)
    : backstopWindow_(backstopWindow), backstopId_(backstopId), onTick_(std::move(onTick)) {}

PreciseTicker::~PreciseTicker() {
  Stop();
}

void PreciseTicker::Start(int32_t ms) {
  if (ms <= 0) return Stop();
  period_ = TicksForMs(ms, CounterFrequency());
  due_ = CounterNow() + period_;
  if (std::find(tickers.begin(), tickers.end(), this) == tickers.end()) tickers.push_back(this);
}

void PreciseTicker::Stop() {
  period_ = 0;
  tickers.erase(std::remove(tickers.begin(), tickers.end(), this), tickers.end());
}

void PreciseTicker::Tick(uint64_t now) {
  // The ticks keep to their grid, as a window timer's do: one that came late
  // does not put off the ones after it, and the ticks a busy spell missed
  // are left out rather than made up in a burst.
  due_ += period_;
  if (due_ <= now) due_ += (now - due_) / period_ * period_ + period_;
  if (onTick_) onTick_();
}

void PreciseTicker::TickFromBackstop() {
  if (!running()) return;
  const uint64_t now = CounterNow();
  if (now + period_ / 2 >= due_) Tick(now);
}

}  // namespace clicker::win32
