#pragma once

#include <cstdint>

#include "clicker/ports.h"

namespace clicker {

// Decides where, how and how often the mouse is clicked. Runs on the window
// thread only; re-entered through the message dispatching inside its waits.
class ClickEngine {
 public:
  ClickEngine(InputPort& input, FormPort& form) : input_(input), form_(form) {}

  // Point-list run: loop button 按钮1 and F1. Nested runs share stopRequested.
  void StartRun();
  // Hidden button 按钮2 and F2.
  void RequestStop();
  // F3 and F4.
  void StartCursorClicking();
  void StopCursorClicking();
  // Every tick of the cursor-click timer 青禾.
  void CursorClickTick();

  // The window is gone: every active run leaves at its next check, silently.
  void AbandonRuns() { stopRequested_ = 1; }

  int32_t stopRequested() const { return stopRequested_; }

 private:
  bool IsEmpty(Box box) { return form_.GetText(box).empty(); }
  int32_t ReadTruncated(Box box);
  int32_t ReadInt(Box box);
  // Reads a row's coordinate the way that row has always been read.
  int32_t ReadCoordinate(Box box);
  // Clicks, then waits the loop interval read at this moment.
  void ClickAndWait(int32_t x, int32_t y);

  InputPort& input_;
  FormPort& form_;
  int32_t stopRequested_ = 0;
};

}  // namespace clicker
