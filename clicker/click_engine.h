#pragma once

#include <cstdint>

#include "clicker/ports.h"

namespace clicker {

// Decides where, how and how often the mouse is clicked. Runs on the window
// thread only; re-entered through the message dispatching inside its waits.
class ClickEngine {
 public:
  ClickEngine(InputPort& input, FormPort& form) : input_(input), form_(form) {}

  // Runs and notice boxes nested in each other's message loops deeper than
  // this are not started or shown: each level holds a dispatch of the window
  // system on the stack, measured at about 1.7 KiB per run in the i686 build
  // under Wine (2.7 KiB in the x86_64 one), so the 2 MiB stack would run out
  // near 1200 levels. The bound keeps the deepest level's notice box and
  // painting well inside it. A stop and the cursor timer still take effect
  // at the bound; only their notice is left out.
  static constexpr int32_t kMaxRunDepth = 32;

  // Point-list run: loop button 按钮1 and F1. A stop ends every run active
  // when it was requested, also one whose flag a later nested run cleared.
  void StartRun();
  // Hidden button 按钮2 and F2.
  void RequestStop();
  // F3 and F4.
  void StartCursorClicking();
  void StopCursorClicking();
  // Every tick of the cursor-click timer 青禾.
  void CursorClickTick();

  // The window is gone: every active run leaves at its next check, silently,
  // and cursor clicking no longer needs the fine timer.
  void AbandonRuns();

  // 1 after a stop until the next run starts; see stopRequested_.
  int32_t stopRequested() const { return stopRequested_; }
  int32_t runDepth() const { return runDepth_; }
  int32_t noticeDepth() const { return noticeDepth_; }

 private:
  // Empty or only white space: the clear buttons leave one space in a box,
  // and a box so cleared counts as one never filled.
  bool IsEmpty(Box box);
  int32_t ReadTruncated(Box box);
  int32_t ReadInt(Box box);
  // Reads a row's coordinate the way that row has always been read.
  int32_t ReadCoordinate(Box box);
  // The interval running after a run's latest click: the next click is due
  // ms after start. ms of 0 or less: nothing is due, the next click is made
  // at once.
  struct Interval {
    WaitMark start = 0;
    int32_t ms = 0;
  };
  // Clicks when the interval before is over, then waits, serving the queue,
  // until shortly before the loop interval read now has passed since the
  // click began, or the run is stopped.
  void ClickInTurn(Interval& interval, int32_t x, int32_t y, StopSignal stop);
  // Whether a monitor holds every point a cycle would click; the first one
  // that none holds is named in a notice. The system would put the cursor on
  // the edge of a monitor instead and press there.
  bool PointsOnMonitors();
  // Runs the cycles of a validated run.
  void RunCycles(int32_t cycles, StopSignal stop, Interval& interval);
  void SetCursorFineTiming(bool on);
  bool AtNestingBound() const { return runDepth_ + noticeDepth_ >= kMaxRunDepth; }
  // A notice box, unless the nesting is at its bound.
  void Notify(const char* text);

  InputPort& input_;
  FormPort& form_;
  // Whether a stop came since the latest run started: set by RequestStop
  // and AbandonRuns, cleared by StartRun. It stops nothing; it only says so.
  int32_t stopRequested_ = 0;
  // What stops runs: every stop counts here, and a run ends once the count
  // differs from its start (its StopSignal), so a run started later, which
  // clears the flag above, cannot undo a stop for the runs before it.
  uint32_t stops_ = 0;
  int32_t runDepth_ = 0;
  int32_t noticeDepth_ = 0;
  bool cursorFineTiming_ = false;
};

}  // namespace clicker
