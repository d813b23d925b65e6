#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "clicker/win32/message_pump.h"

namespace clicker::win32 {

// How a timer's ticks are timed: by a window timer (WM_TIMER, no faster than
// every 10 ms), or on the performance counter by the program's own message
// loops at any period (the window timer then stands in for loops not ours).
enum class TickTiming { Window, Counter };

// A timer with a window of its own that raises a tick event on every tick.
class TimerControl {
 public:
  static constexpr UINT_PTR kTimerId = 1000;

  explicit TimerControl(int32_t period = 0, std::function<void()> onTick = {},
                        TickTiming timing = TickTiming::Window);
  ~TimerControl();
  TimerControl(const TimerControl&) = delete;
  TimerControl& operator=(const TimerControl&) = delete;

  void SetOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }

  HWND window() const { return window_; }
  int32_t period() const { return period_; }
  bool running() const { return running_; }

 private:
  friend void SetTimerPeriod(TimerControl& timer, int32_t ms);
  friend void RestartTimer(TimerControl& timer);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  void RaiseTick() {
    if (running_ && onTick_) onTick_();
  }

  HWND window_ = nullptr;
  int32_t period_ = 0;
  bool running_ = false;
  std::function<void()> onTick_;
  // Counter timing only.
  std::unique_ptr<PreciseTicker> ticker_;
};

// 0 or less stops the timer; its current period leaves it untouched (a running
// timer is not restarted); any other period restarts it.
void SetTimerPeriod(TimerControl& timer, int32_t ms);

// Starts a running timer's period afresh from now.
void RestartTimer(TimerControl& timer);

}  // namespace clicker::win32
