#pragma once

#include <cstdint>
#include <string>

#include "clicker/click_type.h"

namespace clicker {

// The boxes the engine reads, named after their controls in the main window.
enum class Box {
  X,
  Y,
  X1,
  Y1,
  X2,
  Y2,
  X3,
  Y3,
  X4,
  Y4,
  X5,
  Y5,
  LoopCount,       // 编辑框3
  LoopInterval,    // 编辑框4
  ClickFrequency,  // 毫秒数
};

// The click-type radio buttons in screen order: 单选框1 .. 单选框4.
enum class Radio { Radio1, Radio2, Radio3, Radio4 };

// A point on the wait clock of an InputPort, in the port's own units.
using WaitMark = uint64_t;

// Tells a wait that the run it serves has been stopped: the engine's count of
// stops has moved on from the value the run began with.
struct StopSignal {
  const uint32_t* stops = nullptr;
  uint32_t atStart = 0;
  bool Raised() const { return stops != nullptr && *stops != atStart; }
};

// The operating system as the engine sees it.
class InputPort {
 public:
  virtual ~InputPort() = default;
  // Moves the cursor to the screen point and presses the buttons of the type;
  // a point no monitor holds, or that the cursor does not reach, is skipped.
  virtual void ClickAt(int32_t x, int32_t y, ClickType type) = 0;
  // Whether a monitor shows the screen point.
  virtual bool PointOnMonitor(int32_t x, int32_t y) = 0;
  // Waits at least ms milliseconds while dispatching every pending message;
  // returns at once, dispatching nothing, when ms is 0 or less.
  virtual void WaitPumping(int32_t ms) = 0;
  // Now on the wait clock.
  virtual WaitMark MarkNow() = 0;
  // Waits, dispatching every message meanwhile, until shortly before ms
  // milliseconds after the mark: the last stretch (a few milliseconds at
  // most) is left to ClickAtOnTime or WaitOut, and nothing is dispatched in
  // it, so what the engine reads after this wait still holds when it clicks.
  // Ends as soon as the stop signal is seen after a dispatch. A deadline
  // already near or past still serves the queue once. ms of 0 or less returns
  // at once, dispatching nothing.
  virtual void WaitPumpingNear(WaitMark start, int32_t ms, StopSignal stop) = 0;
  // Puts the cursor on the point at once and, ms after the mark, clicks like
  // ClickAt (cursor first, then the presses). Nothing is dispatched between
  // but a stop that has reached the program by then: it is run right before
  // the press, and when the stop signal is raised after it nothing is
  // clicked. A deadline already past, or further off than the last stretch
  // (a wait cut short), gets its click at once. Returns the mark the click
  // began at.
  virtual WaitMark ClickAtOnTime(WaitMark start, int32_t ms, int32_t x, int32_t y, ClickType type,
                                 StopSignal stop) = 0;
  // Spends what is left of ms after the mark, dispatching nothing, when that
  // is no more than the last stretch.
  virtual void WaitOut(WaitMark start, int32_t ms) = 0;
  // A run or cursor clicking needs the system timer at its finest; the calls
  // come in pairs and may nest.
  virtual void BeginFineTiming() = 0;
  virtual void EndFineTiming() = 0;
  // Dispatches the messages pending now, without waiting.
  virtual void PumpPending() = 0;
  virtual int32_t CursorX() = 0;
  virtual int32_t CursorY() = 0;
  // Task-modal information box titled 青禾温馨提示; returns when it is closed.
  virtual void ShowNotice(const char* text) = 0;
};

// The main window as the engine sees it. Texts are read at the moment of use.
class FormPort {
 public:
  virtual ~FormPort() = default;
  virtual std::string GetText(Box box) = 0;
  virtual bool IsSelected(Radio radio) = 0;
  // 0 or less stops the cursor-click timer; its current period changes nothing;
  // anything else restarts it with the new period.
  virtual void SetCursorTimerPeriod(int32_t ms) = 0;
};

}  // namespace clicker
