// A stop that reaches the program in the last stretch before a due click,
// when the run dispatches nothing else, still comes before that click.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <thread>
#include <vector>

#include "clicker/texts.h"
#include "clicker/win32/main_window.h"
#include "clicker/win32/message_pump.h"
#include "win_test_support.h"

namespace clicker::win32 {
namespace {

using testing::NoticeCloser;
using testing::PumpFor;

// How a stop reaches the main window: the press of F2 as the system posts
// it, or a click of the hidden button 按钮2 (its own BM_CLICK, or the
// notification it makes, posted to the window).
enum class StopKind { Hotkey, ButtonClick, ButtonCommand };

const char* NameOf(StopKind kind) {
  switch (kind) {
    case StopKind::Hotkey:
      return "F2";
    case StopKind::ButtonClick:
      return "BM_CLICK of the hidden button";
    case StopKind::ButtonCommand:
      return "BN_CLICKED of the hidden button";
  }
  return "";
}

uint64_t CounterTicks(uint64_t us) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return us * static_cast<uint64_t>(frequency.QuadPart) / 1'000'000;
}

// Waits for the event while serving this thread's queue: the other thread
// may need this one to answer (making a window there can send a message to
// this thread's input method window).
void WaitServing(HANDLE event) {
  while (MsgWaitForMultipleObjects(1, &event, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
    PumpPending();
}

// Another thread: a window of its own under the click point counts the
// presses and notes when the first one came; then, a given time before a
// later click is due by that first one, it posts a stop (after a message of
// no meaning, when told, so that the stop is not the first thing waiting),
// spinning on the performance counter for the last milliseconds.
class Stopper {
 public:
  Stopper(HWND mainWindow, HWND stopButton, WPARAM f2Id)
      : mainWindow_(mainWindow), stopButton_(stopButton), f2Id_(f2Id) {
    order_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    posted_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    thread_ = std::thread([this] { Run(); });
    WaitServing(ready_);
  }
  ~Stopper() {
    end_ = true;
    SetEvent(order_);
    WaitServing(ended_);
    thread_.join();
    CloseHandle(order_);
    CloseHandle(posted_);
    CloseHandle(ready_);
    CloseHandle(ended_);
  }

  // The stop goes `before` ticks before the first press plus `after`.
  void PostStop(uint64_t after, uint64_t before, StopKind kind, bool behindAnother) {
    after_ = after;
    before_ = before;
    kind_ = kind;
    behindAnother_ = behindAnother;
    firstPress_ = 0;
    SetEvent(order_);
  }
  size_t TakePresses() { return presses_.exchange(0); }
  // At the press of this number, `message` is posted to `window` (0: none);
  // the counter time of that press is kept for its handler (an LPARAM holds
  // only 32 bits in the i686 build).
  uint64_t PressPostedAt() const { return pressPostedAt_; }
  void OnPressPost(size_t press, HWND window, UINT message) {
    pressToPostAt_ = press;
    postTo_ = window;
    postMessage_ = message;
  }
  // When PostMessage returned, with the stop in the queue, and when the click
  // it was timed against was due by the first press.
  struct Posted {
    uint64_t at;
    uint64_t due;
  };
  Posted WaitPosted() {
    WaitServing(posted_);
    return Posted{postedAt_, due_};
  }

 private:
  static LRESULT CALLBACK SinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) {
      if (auto* self = static_cast<Stopper*>(GetPropA(hwnd, "Test_Stopper"))) {
        const uint64_t now = CounterNow();
        const size_t press = ++self->presses_;
        if (press == 1 && self->firstPress_ == 0) self->firstPress_ = now;
        if (press == self->pressToPostAt_) {
          self->pressPostedAt_ = now;
          PostMessageA(self->postTo_, self->postMessage_, 0, 0);
        }
      }
      return 0;
    }
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  static void Serve() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
  void Deliver(StopKind kind) {
    if (behindAnother_) PostMessageA(mainWindow_, WM_NULL, 0, 0);
    switch (kind) {
      case StopKind::Hotkey:
        PostMessageA(mainWindow_, WM_HOTKEY, f2Id_, MAKELPARAM(0, VK_F2));
        break;
      case StopKind::ButtonClick:
        PostMessageA(stopButton_, BM_CLICK, 0, 0);
        break;
      case StopKind::ButtonCommand:
        PostMessageA(mainWindow_, WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(stopButton_)), BN_CLICKED),
                     reinterpret_cast<LPARAM>(stopButton_));
        break;
    }
  }
  void Run() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = SinkProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "StopperSink";
    RegisterClassA(&wc);
    const HWND sink =
        CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "StopperSink", "", WS_POPUP | WS_VISIBLE,
                        10, 10, 80, 80, nullptr, nullptr, wc.hInstance, nullptr);
    SetPropA(sink, "Test_Stopper", this);
    SetEvent(ready_);
    for (;;) {
      if (MsgWaitForMultipleObjects(1, &order_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        Serve();
        continue;
      }
      if (end_) break;
      // The click is due by the first press: wait for that one first.
      while (firstPress_ == 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        Serve();
      }
      due_ = firstPress_ + after_;
      const uint64_t at = due_ - before_;
      const uint64_t spinFrom = at - CounterTicks(2000);
      while (CounterNow() < spinFrom) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        Serve();
      }
      while (CounterNow() < at) {
      }
      Deliver(kind_);
      postedAt_ = CounterNow();
      SetEvent(posted_);
    }
    DestroyWindow(sink);
    SetEvent(ended_);
  }

  HWND mainWindow_;
  HWND stopButton_;
  WPARAM f2Id_;
  HANDLE order_ = nullptr;
  HANDLE posted_ = nullptr;
  HANDLE ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE ended_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::atomic<bool> end_{false};
  std::atomic<uint64_t> after_{0};
  std::atomic<uint64_t> before_{0};
  std::atomic<StopKind> kind_{StopKind::Hotkey};
  std::atomic<bool> behindAnother_{false};
  std::atomic<uint64_t> firstPress_{0};
  std::atomic<size_t> pressToPostAt_{0};
  std::atomic<HWND> postTo_{nullptr};
  std::atomic<UINT> postMessage_{0};
  std::atomic<uint64_t> pressPostedAt_{0};
  uint64_t postedAt_ = 0;
  uint64_t due_ = 0;
  std::atomic<size_t> presses_{0};
  std::thread thread_;
};

// A window of the main thread whose message, dispatched by a run's wait,
// keeps it until the wait's last stretch has begun; meanwhile F2 arrives, and
// the handler looks into the queue (as much of what a handler calls does),
// which clears the system's note that a posted message waits.
struct LateHandler {
  static constexpr UINT kMessage = WM_APP + 21;
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kMessage) return DefWindowProcA(hwnd, message, wParam, lParam);
    auto* self = static_cast<LateHandler*>(GetPropA(hwnd, "Test_Late"));
    // The press came a while after its click began: from it, the next
    // click is due in less than an interval.
    const uint64_t press = self->stopper.PressPostedAt();
    while (CounterNow() < press + self->until) {
    }
    PostMessageA(self->mainWindow, WM_HOTKEY, self->f2, MAKELPARAM(0, VK_F2));
    MSG msg;
    PeekMessageA(&msg, nullptr, WM_APP + 22, WM_APP + 22, PM_NOREMOVE);
    ++self->ran;
    return 0;
  }
  LateHandler(const Stopper& source, HWND main, WPARAM f2Id, uint64_t untilTicks)
      : stopper(source), mainWindow(main), f2(f2Id), until(untilTicks) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "LateHandler";
    RegisterClassA(&wc);
    hwnd = CreateWindowExA(0, "LateHandler", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance,
                           nullptr);
    SetPropA(hwnd, "Test_Late", this);
  }
  ~LateHandler() { DestroyWindow(hwnd); }
  const Stopper& stopper;
  HWND mainWindow;
  WPARAM f2;
  uint64_t until;
  HWND hwnd = nullptr;
  int ran = 0;
};

MainWindow* current = nullptr;
bool PreTranslate(MSG& msg) {
  return current != nullptr && current->form().PreTranslate(msg);
}

class LastStretchStop : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<MainWindow>();
    current = main.get();
    SetPreTranslateHook(&PreTranslate);
    ASSERT_TRUE(main->Create());  // the closer answers the instructions box
    notices.clear();
    PumpFor(30);
  }
  void TearDown() override {
    main.reset();
    current = nullptr;
    SetPreTranslateHook(nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  NoticeCloser notices;
  std::unique_ptr<MainWindow> main;
};

TEST_F(LastStretchStop, NoClickFollowsAStopThatCameBeforeIt) {
  // Three clicks, then the stop some time before the fourth is due; a run
  // whose stop never arrives ends after six.
  constexpr int32_t kIntervalMs = 20;
  constexpr size_t kClicksBefore = 3;
  const HWND window = main->window();
  SetWindowTextA(main->form().Control("编辑框3"), "6");
  SetWindowTextA(main->form().Control("编辑框4"), "20");
  SetWindowTextA(main->form().Control("X"), "50");
  SetWindowTextA(main->form().Control("Y"), "50");
  Stopper stopper(window, main->form().Control("按钮2"),
                  static_cast<WPARAM>(main->hotkeyIds().hotkeyF2));
  PumpFor(50);

  // Microseconds before the due time by the first press, all inside the last
  // 2 ms, in which the run serves nothing.
  const uint64_t offsets[] = {1950, 1900, 1850, 1800, 1700, 1600, 1500, 1400, 1300, 1200};
  const StopKind kinds[] = {StopKind::Hotkey, StopKind::ButtonClick, StopKind::ButtonCommand};
  const uint64_t interval = CounterTicks(kIntervalMs * 1000u);
  // The click is due no later than by the first press (which arrives a
  // while after its click began) and no sooner than by the run's start. A
  // stop counts when it surely reached the program inside the last stretch
  // and before the look for a stop, which begins at most half a millisecond
  // before the due time.
  const uint64_t lastStretch = CounterTicks(2000);
  const uint64_t lookLead = CounterTicks(LookLead::kMostMicroseconds + 100);
  int trials = 0;
  int counted = 0;
  uint64_t nearest = UINT64_MAX;
  uint64_t furthest = 0;
  for (const StopKind kind : kinds) {
    for (const uint64_t offset : offsets) {
      const bool behindAnother = offset % 100 == 0 && offset / 100 % 2 == 1;
      for (int attempt = 0; attempt < 8; ++attempt) {
        notices.clear();
        stopper.TakePresses();
        stopper.PostStop(kClicksBefore * interval, CounterTicks(offset), kind, behindAnother);
        const uint64_t earliestDue = CounterNow() + kClicksBefore * interval;
        main->engine().StartRun();  // returns when the stop has ended it
        PumpFor(60);                // presses on their way still arrive
        const size_t presses = stopper.TakePresses();
        ++trials;
        EXPECT_EQ(notices.texts(), std::vector<std::string>{texts::kLoopEnded}) << NameOf(kind);
        // Once PostMessage has returned the stop is in the queue. A post held
        // up past the look, or made before the last stretch (the machine
        // busy), says nothing about it: the trial is made again.
        const Stopper::Posted posted = stopper.WaitPosted();
        if (posted.at + lookLead > earliestDue || posted.due - posted.at > lastStretch) continue;
        ++counted;
        nearest = std::min(nearest, posted.due - posted.at);
        furthest = std::max(furthest, posted.due - posted.at);
        EXPECT_LE(presses, kClicksBefore)
            << NameOf(kind) << (behindAnother ? " behind another message" : "") << ", posted "
            << (posted.due - posted.at) * 1000 / CounterTicks(1000)
            << " us before the click was due";
        break;
      }
    }
  }
  const uint64_t perUs = CounterTicks(1000) / 1000;
  std::printf("stops posted %d; %d reached the program %llu-%llu us before a click was due\n",
              trials, counted, static_cast<unsigned long long>(nearest / perUs),
              static_cast<unsigned long long>(furthest / perUs));
  const int pairs = static_cast<int>(sizeof offsets / sizeof offsets[0] * 3);
  // Under emulation the press reaches the sink late and fewer trials count.
  EXPECT_GE(counted, pairs / 3);
}

TEST_F(LastStretchStop, AStopLeftInTheQueueByTheWaitsLastDispatchIsStillSeen) {
  // The wait before the fourth click dispatches a message that runs into
  // the last stretch; F2 comes meanwhile and is left in the queue, with the
  // system's note of it cleared: the look before the press must still find it.
  constexpr int32_t kIntervalMs = 20;
  SetWindowTextA(main->form().Control("编辑框3"), "6");
  SetWindowTextA(main->form().Control("编辑框4"), "20");
  SetWindowTextA(main->form().Control("X"), "50");
  SetWindowTextA(main->form().Control("Y"), "50");
  const auto f2 = static_cast<WPARAM>(main->hotkeyIds().hotkeyF2);
  ASSERT_NE(f2, 0u);
  Stopper stopper(main->window(), main->form().Control("按钮2"), f2);
  // From the third press (a fraction of a millisecond after its click), the
  // handler holds the wait until 1.7 ms before the fourth click is due by
  // it: inside the last 2 ms, before the look.
  LateHandler late(stopper, main->window(), f2, CounterTicks(kIntervalMs * 1000u - 1700));
  stopper.OnPressPost(3, late.hwnd, LateHandler::kMessage);
  PumpFor(50);
  stopper.TakePresses();
  notices.clear();
  main->engine().StartRun();
  PumpFor(60);
  EXPECT_EQ(late.ran, 1);
  EXPECT_EQ(notices.texts(), std::vector<std::string>{texts::kLoopEnded});
  EXPECT_EQ(stopper.TakePresses(), 3u) << "a click followed the stop";
  stopper.OnPressPost(0, nullptr, 0);
}

}  // namespace
}  // namespace clicker::win32
