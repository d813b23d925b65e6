#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "clicker/click_type.h"
#include "clicker/ports.h"
#include "clicker/win32/message_pump.h"

namespace clicker::win32 {

// Whether a monitor shows the screen point.
bool PointOnMonitor(int32_t x, int32_t y);

// Puts the cursor on the point and reads it back; a move that ended short of
// it (clamped on its way between monitors of other sizes or scales) is made
// once more. Returns whether the cursor is on the point.
bool PutCursorOn(int32_t x, int32_t y);

// Puts the cursor on the point, then presses the buttons of the type in one
// input call. The cursor is always moved: after a long wait Wine's
// GetCursorPos can report a place the cursor is no longer at. A point no
// monitor holds, or one the cursor does not reach, is not pressed: returns
// whether it was.
bool ClickAt(int32_t x, int32_t y, ClickType type);

// ClickAt at a due time on the performance counter: the cursor goes to the
// point at once, and at the due time ClickAt puts it there again and presses.
// Only the last stretch of a wait is spent here, dispatching nothing; a due
// time further off or past gets its click at once. Returns when the click
// began: the due time, or now when that has passed.
uint64_t ClickAtDue(uint64_t due, int32_t x, int32_t y, ClickType type);

// How far ahead of a due time the look for a stop before the press begins:
// about twice what looks have lately taken, so that what a look costs does
// not make the press late.
struct LookLead {
  static constexpr uint32_t kFirstMicroseconds = 100;
  static constexpr uint32_t kMostMicroseconds = 500;
  uint64_t ticks = TicksOfMicroseconds(kFirstMicroseconds);
  // A look that took so many ticks moves the lead an eighth of the way
  // toward twice that.
  void Took(uint64_t taken);
};

// ClickAtDue with a look before the press: stopped() runs a stop that waits
// in the queue and answers whether the press is off; then nothing is
// clicked (the cursor has gone ahead to the point). The look begins the lead
// ahead of the due time, and the lead follows what the look took.
uint64_t ClickAtDue(uint64_t due, int32_t x, int32_t y, ClickType type,
                    const std::function<bool()>& stopped, LookLead& lead);

int32_t CursorX();
int32_t CursorY();

enum class NoticeIcon { None, Information };
// Task-modal box titled 青禾温馨提示 with an OK button; returns when closed.
void ShowNotice(const char* text, NoticeIcon icon = NoticeIcon::Information);

// 1 Win32s, 2 Windows 9x, 3 NT family, 0 other.
int32_t PlatformKind();

// Makes the window layered and sets its alpha (clamped to 0..255); NT only.
void SetWindowAlpha(HWND window, int32_t alpha);

// Sleep(ms), or Sleep(0) for a negative ms.
void SleepMs(int32_t ms);

// Mouse-button flags of mouse_event for each press of a click type, in order.
struct ClickSequence {
  DWORD flags[4];
  int count;
};
ClickSequence ClickSequenceOf(ClickType type);

// The engine's view of the operating system.
class Win32InputPort : public InputPort {
 public:
  void ClickAt(int32_t x, int32_t y, ClickType type) override;
  bool PointOnMonitor(int32_t x, int32_t y) override;
  void WaitPumping(int32_t ms) override;
  WaitMark MarkNow() override;
  void WaitPumpingNear(WaitMark start, int32_t ms, StopSignal stop) override;
  WaitMark ClickAtOnTime(WaitMark start, int32_t ms, int32_t x, int32_t y, ClickType type,
                         StopSignal stop) override;
  void WaitOut(WaitMark start, int32_t ms) override;
  void BeginFineTiming() override;
  void EndFineTiming() override;
  void PumpPending() override;
  int32_t CursorX() override;
  int32_t CursorY() override;
  void ShowNotice(const char* text) override;

  // How the window finds a stop that waits in its queue and runs it,
  // dispatching nothing else: looked for right before every press on time,
  // so that a stop which came in the last stretch is not followed by a click.
  void SetStopFinder(std::function<void()> runWaitingStop);

 private:
  std::function<void()> runWaitingStop_;
  LookLead lookLead_;
};

}  // namespace clicker::win32
