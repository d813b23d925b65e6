#include "clicker/win32/input_ops.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "clicker/win32/fine_timer.h"
#include "clicker/win32/message_pump.h"
#include "tests/framework/import_patch.h"
#include "win_test_support.h"

namespace clicker::win32 {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

struct Press {
  UINT message;
  POINT at;  // screen
};

std::vector<Press>* recorded = nullptr;

LRESULT CALLBACK RecorderProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
      if (recorded != nullptr) {
        POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(hwnd, &p);
        recorded->push_back({message, p});
      }
      return 0;
    default:
      return DefWindowProcA(hwnd, message, wParam, lParam);
  }
}

// A plain window that double-clicks are meant for, covering a screen area.
class ClickTarget : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = RecorderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "ClickTarget";
    RegisterClassA(&wc);
    window = CreateWindowExA(WS_EX_TOPMOST, "ClickTarget", "target", WS_POPUP | WS_VISIBLE, 100,
                             100, 400, 300, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    recorded = &presses;
    PumpFor(100);
  }
  void TearDown() override {
    recorded = nullptr;
    DestroyWindow(window);
  }

  std::vector<UINT> Messages() const {
    std::vector<UINT> out;
    for (const Press& p : presses) out.push_back(p.message);
    return out;
  }

  HWND window = nullptr;
  std::vector<Press> presses;
};

TEST_F(ClickTarget, EachClickTypeArrivesAsItsButtonMessages) {
  struct Case {
    int32_t type;
    POINT at;
    std::vector<UINT> messages;
  };
  // Different points, so that one case's last press does not pair with the
  // next case's first press into a double click.
  const Case cases[] = {
      {LeftClick, {150, 150}, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {LeftDoubleClick, {250, 150}, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
      {RightClick, {350, 150}, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
      {RightDoubleClick,
       {450, 150},
       {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, WM_RBUTTONUP}},
      {7, {150, 300}, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
      {-1, {250, 300}, {WM_LBUTTONDOWN, WM_LBUTTONUP}},
  };
  for (const Case& c : cases) {
    presses.clear();
    ClickAt(c.at.x, c.at.y, static_cast<ClickType>(c.type));
    EXPECT_TRUE(PumpUntil([&] { return presses.size() >= c.messages.size(); }, 2000)) << c.type;
    PumpFor(50);
    EXPECT_EQ(Messages(), c.messages) << "type " << c.type;
    for (const Press& p : presses) {
      EXPECT_EQ(p.at.x, c.at.x) << c.type;
      EXPECT_EQ(p.at.y, c.at.y) << c.type;
    }
    EXPECT_EQ(CursorX(), c.at.x);
    EXPECT_EQ(CursorY(), c.at.y);
  }
}

TEST_F(ClickTarget, EveryClickLandsOnItsPointAfterLongWaitsToo) {
  // Wine may report a stale cursor position after a wait of this length; a
  // click that trusted it would land on the previous point.
  const POINT points[] = {{150, 150}, {450, 350}, {150, 350}};
  for (int cycle = 0; cycle < 2; ++cycle) {
    for (const POINT& at : points) {
      presses.clear();
      ClickAt(at.x, at.y, LeftClick);
      EXPECT_TRUE(PumpUntil([&] { return presses.size() >= 2; }, 2000));
      ASSERT_FALSE(presses.empty());
      EXPECT_EQ(presses[0].at.x, at.x) << cycle;
      EXPECT_EQ(presses[0].at.y, at.y) << cycle;
      WaitPumping(250);
    }
  }
}

TEST_F(ClickTarget, AClickOnTimeLandsOnItsPointAtItsDueTime) {
  // The cursor goes ahead to the point and is put there again at the due
  // time: long and short waits, points spread over the target.
  const POINT points[] = {{150, 150}, {450, 350}, {150, 350}, {480, 120}};
  int turn = 0;
  int onTime = 0;
  for (int32_t ms : {250, 20, 250, 20}) {
    for (const POINT& at : points) {
      presses.clear();
      const uint64_t mark = CounterNow();
      WaitPumpingNear(mark, ms, StopSignal{});
      const uint64_t due = CounterAfter(mark, ms);
      // Begun at the due time, or later when the machine was busy (the
      // wait or the move ahead ran past it); never before.
      const uint64_t began = ClickAtDue(due, at.x, at.y, LeftClick);
      EXPECT_GE(began, due);
      EXPECT_LT(began, CounterAfter(due, 20));
      if (began == due) ++onTime;
      EXPECT_TRUE(PumpUntil([&] { return presses.size() >= 2; }, 2000));
      ASSERT_FALSE(presses.empty());
      EXPECT_EQ(presses[0].at.x, at.x) << turn;
      EXPECT_EQ(presses[0].at.y, at.y) << turn;
      ++turn;
    }
  }
  EXPECT_GE(onTime, turn / 2);
  // A due time that the move ahead itself runs past (a move takes 50 us
  // and more under Wine) makes a late click, begun when the move ended.
  presses.clear();
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const uint64_t soon = CounterNow() + static_cast<uint64_t>(frequency.QuadPart) / 50'000;
  EXPECT_GT(ClickAtDue(soon, 200, 300, LeftClick), soon);
  EXPECT_TRUE(PumpUntil([&] { return presses.size() >= 2; }, 2000));
  // A due time further off than the last stretch (the wait before was cut
  // short) or already past gets its click at once, begun now.
  for (const int32_t ahead : {5000, -50}) {
    presses.clear();
    const uint64_t before = CounterNow();
    const uint64_t due = ahead > 0 ? CounterAfter(before, ahead) : before - CounterAfter(0, -ahead);
    const uint64_t began = ClickAtDue(due, 300, 200, LeftClick);
    EXPECT_GE(began, before) << ahead;
    EXPECT_LT(began, CounterAfter(before, 500)) << ahead;
    EXPECT_TRUE(PumpUntil([&] { return presses.size() >= 2; }, 2000)) << ahead;
    ASSERT_FALSE(presses.empty());
    EXPECT_EQ(presses[0].at.x, 300) << ahead;
  }
}

TEST_F(ClickTarget, ALookBeforeThePressCanCallItOffAndLeavesItOnTime) {
  // A look that finds a stop: nothing is pressed, though the cursor went
  // ahead to the point.
  LookLead lead;
  int looks = 0;
  ClickAtDue(
      CounterAfter(CounterNow(), 1), 150, 150, LeftClick,
      [&] {
        ++looks;
        return true;
      },
      lead);
  PumpFor(100);
  EXPECT_EQ(looks, 1);
  EXPECT_TRUE(presses.empty());
  EXPECT_EQ(CursorX(), 150);

  // A look that takes 300 us and finds nothing: after a few presses it
  // begins far enough ahead that the presses begin at their due times, as
  // the last ten of thirty mostly do.
  const uint64_t lookTakes = TicksOfMicroseconds(300);
  const auto slowLook = [&] {
    const uint64_t end = CounterNow() + lookTakes;
    while (CounterNow() < end) {
    }
    return false;
  };
  int onTime = 0;
  for (int i = 0; i < 30; ++i) {
    const POINT at{150 + 100 * (i % 3), 200};
    const uint64_t due = CounterNow() + TicksOfMicroseconds(1800);
    const uint64_t began = ClickAtDue(due, at.x, at.y, LeftClick, slowLook, lead);
    EXPECT_GE(began, due);
    if (i >= 20 && began == due) ++onTime;
    PumpFor(5);
  }
  EXPECT_GE(onTime, 5);  // the machine may be busy
  EXPECT_TRUE(PumpUntil([&] { return presses.size() >= 60; }, 2000));
}

// ClickAt as the system sees it through its imports: the cursor's moves (the
// first heldShort of them end on an edge) and each input call's presses.
struct InputCalls {
  static inline int moves = 0, heldShort = 0;
  static inline POINT at{};
  static inline std::vector<std::vector<DWORD>> sent;
  static BOOL WINAPI Move(int x, int y) { return ++moves, at = {x, heldShort-- > 0 ? 0 : y}, TRUE; }
  static BOOL WINAPI Read(POINT* p) { return *p = at, TRUE; }
  static UINT WINAPI Send(UINT count, INPUT* inputs, int) {
    sent.emplace_back();
    for (UINT i = 0; i < count; ++i) sent.back().push_back(inputs[i].mi.dwFlags);
    return count;
  }
};

TEST(ClickAt, PressesOnlyOnThePointAndAllInOneInputCall) {
  using framework::testing::ImportPatch;
  const ImportPatch move("user32.dll", "SetCursorPos", reinterpret_cast<void*>(&InputCalls::Move));
  const ImportPatch read("user32.dll", "GetCursorPos", reinterpret_cast<void*>(&InputCalls::Read));
  const ImportPatch send("user32.dll", "SendInput", reinterpret_cast<void*>(&InputCalls::Send));
  // X, moves held short, moves made, pressed: held short once is moved again;
  // twice, or left of every monitor, nothing is pressed.
  const std::tuple<int32_t, int, int, bool> cases[] = {
      {150, 0, 1, true}, {150, 1, 2, true}, {150, 2, 2, false}, {-100, 0, 0, false}};
  for (const auto& [x, heldShort, moves, pressed] : cases) {
    InputCalls::moves = 0;
    InputCalls::heldShort = heldShort;
    InputCalls::sent.clear();
    EXPECT_EQ(ClickAt(x, 150, RightDoubleClick), pressed);
    EXPECT_EQ(InputCalls::moves, moves) << heldShort;
    const ClickSequence presses = ClickSequenceOf(RightDoubleClick);
    std::vector<std::vector<DWORD>> calls;
    if (pressed) calls.emplace_back(presses.flags, presses.flags + presses.count);
    EXPECT_EQ(InputCalls::sent, calls) << heldShort;
  }
}

TEST(ClickSequenceOf, UnknownTypesClickLikeALeftSingleClick) {
  for (int32_t type : {7, 4, -1, 1000}) {
    const ClickSequence s = ClickSequenceOf(static_cast<ClickType>(type));
    ASSERT_EQ(s.count, 2);
    EXPECT_EQ(s.flags[0], static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN));
    EXPECT_EQ(s.flags[1], static_cast<DWORD>(MOUSEEVENTF_LEFTUP));
  }
}

class Waits : public ::testing::Test {
 protected:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_APP) {
      ++dispatched;
      // A flood: every message brings the next one, and raises the stop
      // once it has been served often enough.
      if (flood > 0) {
        if (--flood == 0 && stopsToRaise != nullptr) ++*stopsToRaise;
        PostMessageA(hwnd, WM_APP, 0, 0);
      }
      return 0;
    }
    if (message == WM_TIMER && stopsToRaise != nullptr) {
      ++*stopsToRaise;
      KillTimer(hwnd, wParam);
      return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "WaitProbe";
    RegisterClassA(&wc);
    window = CreateWindowExA(0, "WaitProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                             nullptr);
    dispatched = 0;
    flood = 0;
    PumpPending();
  }
  void TearDown() override {
    DestroyWindow(window);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
  static double Ms(LARGE_INTEGER a, LARGE_INTEGER b) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
  }

  HWND window = nullptr;
  static inline int dispatched = 0;
  static inline uint32_t* stopsToRaise = nullptr;
  static inline int flood = 0;
};

TEST_F(Waits, DispatchWaitingTakesTheWantedMessageAloneAndKeepsTheOrder) {
  // The first message of the number is the one looked at: one that is not
  // wanted keeps its place, and so does what waits behind it.
  PostMessageA(window, WM_APP, 1, 0);
  PostMessageA(window, WM_APP + 1, 7, 0);
  const auto seven = [](const MSG& msg) { return msg.wParam == 7; };
  EXPECT_FALSE(DispatchWaiting(window, WM_APP, seven));
  EXPECT_EQ(dispatched, 0);
  EXPECT_TRUE(DispatchWaiting(window, WM_APP + 1, seven));
  EXPECT_FALSE(DispatchWaiting(window, WM_APP + 1, seven));
  EXPECT_EQ(dispatched, 0);  // WM_APP + 1 goes to the window's default
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP));
  EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));

  // A quit waiting is left for the message loop.
  PostQuitMessage(4);
  EXPECT_FALSE(DispatchWaiting(window, WM_APP, [](const MSG&) { return true; }));
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 4u);
}

TEST_F(Waits, ZeroOrNegativeReturnAtOnceWithoutDispatching) {
  PostMessageA(window, WM_APP, 0, 0);
  WaitPumping(0);
  WaitPumping(-5);
  EXPECT_EQ(dispatched, 0);
  PumpPending();
  EXPECT_EQ(dispatched, 1);
}

TEST_F(Waits, LastAtLeastTheTimeAskedAndDispatchMeanwhile) {
  for (int32_t ms : {1, 10, 50}) {
    dispatched = 0;
    PostMessageA(window, WM_APP, 0, 0);
    LARGE_INTEGER before, after;
    QueryPerformanceCounter(&before);
    WaitPumping(ms);
    QueryPerformanceCounter(&after);
    const double took = Ms(before, after);
    EXPECT_GE(took, ms) << ms;
    EXPECT_LT(took, ms + 20.0) << ms;  // generous: the machine may be busy
    EXPECT_EQ(dispatched, 1) << ms;
  }
}

TEST_F(Waits, APendingQuitStaysQueuedAndEndsTheWait) {
  PostMessageA(window, WM_APP, 0, 0);
  PostQuitMessage(3);
  LARGE_INTEGER before, after;
  QueryPerformanceCounter(&before);
  WaitPumping(2000);
  QueryPerformanceCounter(&after);
  EXPECT_LT(Ms(before, after), 500.0);
  EXPECT_EQ(dispatched, 1);
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(Waits, AWaitFromAMarkLeavesOnlyItsLastStretchOrEndsAtTheStop) {
  // The time before the wait counts: 30 ms spent, 50 ms asked, 20 ms waited,
  // all but the last stretch of it; spinning that out ends it on time.
  LARGE_INTEGER before, after;
  QueryPerformanceCounter(&before);
  const uint64_t mark = CounterNow();
  Sleep(30);
  WaitPumpingNear(mark, 50, StopSignal{});
  QueryPerformanceCounter(&after);
  EXPECT_GE(Ms(before, after), 47.0);
  EXPECT_LT(Ms(before, after), 70.0);
  EXPECT_TRUE(SpinUntilDue(CounterAfter(mark, 50)));
  QueryPerformanceCounter(&after);
  EXPECT_GE(Ms(before, after), 50.0);
  EXPECT_GE(CounterNow(), CounterAfter(mark, 50));

  // A past deadline still serves the queue once, and counts as reached.
  dispatched = 0;
  PostMessageA(window, WM_APP, 0, 0);
  WaitPumpingNear(mark, 10, StopSignal{});
  EXPECT_EQ(dispatched, 1);
  EXPECT_TRUE(SpinUntilDue(CounterAfter(mark, 10)));

  // A stop arriving in a dispatch ends a long wait right after it, and what
  // is left of it is not spun.
  uint32_t stops = 0;
  stopsToRaise = &stops;
  SetTimer(window, 1, 100, nullptr);
  QueryPerformanceCounter(&before);
  const uint64_t longMark = CounterNow();
  WaitPumpingNear(longMark, 5000, StopSignal{&stops, 0});
  EXPECT_FALSE(SpinUntilDue(CounterAfter(longMark, 5000)));
  QueryPerformanceCounter(&after);
  KillTimer(window, 1);
  stopsToRaise = nullptr;
  EXPECT_EQ(stops, 1u);
  EXPECT_GE(Ms(before, after), 90.0);
  EXPECT_LT(Ms(before, after), 1000.0);
}

TEST_F(Waits, AQueueThatNeverEmptiesHoldsNeitherTheDeadlineNorTheStop) {
  // Without a stop the flood goes on through the wait and after it.
  flood = 1 << 30;
  PostMessageA(window, WM_APP, 0, 0);
  LARGE_INTEGER before, after;
  QueryPerformanceCounter(&before);
  WaitPumping(30);
  QueryPerformanceCounter(&after);
  EXPECT_GE(Ms(before, after), 30.0);
  EXPECT_LT(Ms(before, after), 60.0);
  EXPECT_GT(dispatched, 10);

  // The dispatch that raises the stop ends a long wait, flood or not.
  uint32_t stops = 0;
  stopsToRaise = &stops;
  flood = 200;
  QueryPerformanceCounter(&before);
  const uint64_t mark = CounterNow();
  WaitPumpingNear(mark, 5000, StopSignal{&stops, 0});
  QueryPerformanceCounter(&after);
  stopsToRaise = nullptr;
  flood = 0;
  EXPECT_EQ(stops, 1u);
  EXPECT_LT(Ms(before, after), 1000.0);
}

TEST_F(Waits, AWaitSleepsAndSpinsOnlyItsLastStretch) {
  const auto threadMs = [] {
    FILETIME created, exited, kernel, user;
    GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user);
    const auto value = [](FILETIME t) {
      return (static_cast<uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(value(kernel) + value(user)) / 10'000.0;
  };
  // The meter is live: a spin of 300 ms shows (on a busy machine the spin
  // gets only part of a core, so the wait is judged by the same share).
  double start = threadMs();
  const DWORD spinEnd = GetTickCount() + 300;
  while (static_cast<LONG>(GetTickCount() - spinEnd) < 0) {
  }
  const double spun = threadMs() - start;
  EXPECT_GT(spun, 30.0);
  // A wait of 1 s costs a small part of what spinning it would.
  start = threadMs();
  WaitPumping(1000);
  const double waited = threadMs() - start;
  EXPECT_LT(waited, spun / 300.0 * 1000.0 * 0.15) << "spun " << spun;
}

// A window that another thread's message destroys, and whose end ends the
// message loop with code 7.
LRESULT CALLBACK QuitProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP + 1) {
    DestroyWindow(hwnd);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(7);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HANDLE destroyAsked = nullptr;
bool destroyTimed = false;

// Sees the wait look at the message waiting in the queue (without taking it
// out) and has the other thread send its message right then, so that it is
// handled when the wait next takes a message.
LRESULT CALLBACK SendBetweenLookAndTake(int code, WPARAM removal, LPARAM lParam) {
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && (removal & PM_REMOVE) == 0 && msg->message == WM_APP && !destroyTimed) {
    destroyTimed = true;
    SetEvent(destroyAsked);
    while ((HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) == 0) Sleep(0);
  }
  return CallNextHookEx(nullptr, code, removal, lParam);
}

// The program's shape: a wait in a run, then the message loop until WM_QUIT.
// Exits with the loop's code, or 99 when the loop never ends.
[[noreturn]] void WaitWhileAnotherThreadDestroysTheWindow() {
  std::thread([] {
    Sleep(10'000);
    ExitProcess(99);
  }).detach();
  WNDCLASSA wc{};
  wc.lpfnWndProc = QuitProbeProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "QuitProbe";
  RegisterClassA(&wc);
  const HWND window = CreateWindowExA(0, "QuitProbe", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      wc.hInstance, nullptr);
  destroyAsked = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread sender([window] {
    WaitForSingleObject(destroyAsked, INFINITE);
    SendMessageA(window, WM_APP + 1, 0, 0);
  });
  const HHOOK hook =
      SetWindowsHookExA(WH_GETMESSAGE, SendBetweenLookAndTake, nullptr, GetCurrentThreadId());
  PostMessageA(window, WM_APP, 0, 0);
  WaitPumping(300);
  UnhookWindowsHookEx(hook);
  sender.join();
  std::exit(destroyTimed ? RunMessageLoop() : 98);
}

TEST(LostQuit, AWindowDestroyedFromAnotherThreadInsideAWaitStillEndsTheProgram) {
  // The message that destroys the window comes between the wait's look at
  // the queue and its taking a message out: the quit that follows is taken
  // by the wait, which must leave it for the program's message loop.
  EXPECT_EXIT(WaitWhileAnotherThreadDestroysTheWindow(), ::testing::ExitedWithCode(7), "");
}

int begun = 0;
int ended = 0;
UINT WINAPI CountBegin(UINT ms) {
  if (ms == 1) ++begun;
  return 0;
}
UINT WINAPI CountEnd(UINT ms) {
  if (ms == 1) ++ended;
  return 0;
}

TEST(FineTimer, HoldsPairTheSystemCallsAcrossNesting) {
  begun = ended = 0;
  const TimerPeriodCalls before = SetTimerPeriodCalls({&CountBegin, &CountEnd});
  Win32InputPort port;
  port.BeginFineTiming();
  port.BeginFineTiming();
  EXPECT_EQ(begun, 1);
  port.EndFineTiming();
  EXPECT_EQ(ended, 0);
  port.EndFineTiming();
  EXPECT_EQ(ended, 1);
  port.EndFineTiming();  // an extra release ends nothing
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(FineTimerHolds(), 0);
  SetTimerPeriodCalls(before);
}

// SetProcessInformation as the fine timer finds it at run time, on Windows
// 10, which does not know the timer flag.
struct Throttling {
  static inline FARPROC(WINAPI* find)(HMODULE, LPCSTR) = nullptr;
  static inline std::vector<ULONG> masks;
  static BOOL WINAPI Set(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID info, DWORD) {
    masks.push_back(static_cast<const PROCESS_POWER_THROTTLING_STATE*>(info)->ControlMask);
    return masks.back() != PROCESS_POWER_THROTTLING_VALID_FLAGS;
  }
  static FARPROC WINAPI Find(HMODULE module, LPCSTR name) {
    if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 &&
        std::string(name) == "SetProcessInformation")
      return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&Set));
    return find(module, name);
  }
};

TEST(FineTimer, OptsOutOfPowerThrottlingWhileHeldWhereTheSystemCan) {
  Throttling::find = &GetProcAddress;
  const framework::testing::ImportPatch find("kernel32.dll", "GetProcAddress",
                                             reinterpret_cast<void*>(&Throttling::Find));
  HoldFineTimer();
  ReleaseFineTimer();  // the system decides again
  EXPECT_EQ(Throttling::masks, (std::vector<ULONG>{PROCESS_POWER_THROTTLING_VALID_FLAGS,
                                                   PROCESS_POWER_THROTTLING_EXECUTION_SPEED, 0}));
}

TEST(Platform, WineIsTheNtFamilyAndAlphaMakesTheWindowLayered) {
  EXPECT_EQ(PlatformKind(), 3);
  const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
  for (const auto& [given, expected] : {std::pair{100, 100}, {-20, 0}, {999, 255}}) {
    SetWindowAlpha(window, given);
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, expected);
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  }
  DestroyWindow(window);
  const DWORD before = GetTickCount();
  SleepMs(-1);
  SleepMs(0);
  EXPECT_LT(GetTickCount() - before, 100u);
}

}  // namespace
}  // namespace clicker::win32
