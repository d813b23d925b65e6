#include "clicker/click_engine.h"

#include <cstdio>

#include "clicker/text_number.h"
#include "clicker/texts.h"

namespace clicker {
namespace {

struct Row {
  Box x;
  Box y;
};

constexpr Row kRows[] = {
    {Box::X1, Box::Y1}, {Box::X2, Box::Y2}, {Box::X3, Box::Y3},
    {Box::X4, Box::Y4}, {Box::X5, Box::Y5},
};

}  // namespace

bool ClickEngine::IsEmpty(Box box) {
  return IsBlank(form_.GetText(box));
}

int32_t ClickEngine::ReadTruncated(Box box) {
  // A number beyond the 32-bit range stays on its side of it: an interval of
  // "3e+009" waits very long rather than not at all, a coordinate that large
  // lies on no monitor rather than wrapping onto one.
  return TruncateSaturated(TextToReal(form_.GetText(box)));
}

int32_t ClickEngine::ReadInt(Box box) {
  return TextToInt(form_.GetText(box));
}

int32_t ClickEngine::ReadCoordinate(Box box) {
  switch (box) {
    case Box::X3:
    case Box::Y3:
    case Box::X4:
    case Box::Y4:
    case Box::X5:
    case Box::Y5:
      return ReadInt(box);
    default:
      return ReadTruncated(box);
  }
}

void ClickEngine::ClickInTurn(Interval& interval, int32_t x, int32_t y, StopSignal stop) {
  // The interval runs from the start of the click, so what the click itself
  // costs does not add to every interval. Nothing has been dispatched since
  // the wait before left its last stretch, so the point read for this click
  // is what the boxes hold at its due time.
  WaitMark start;
  if (interval.ms > 0) {
    start = input_.ClickAtOnTime(interval.start, interval.ms, x, y, LeftClick, stop);
    // A stop that came in the last stretch was run in place of the click.
    if (stop.Raised()) return;
  } else {
    start = input_.MarkNow();
    input_.ClickAt(x, y, LeftClick);
  }
  interval = Interval{start, ReadTruncated(Box::LoopInterval)};
  if (interval.ms > 0) {
    input_.WaitPumpingNear(start, interval.ms, stop);
  } else {
    // No wait, but the queue is still served so that F2 and Esc reach a run
    // that would otherwise hold the window until its last cycle.
    input_.PumpPending();
  }
}

void ClickEngine::StartRun() {
  if (AtNestingBound()) return;
  stopRequested_ = 0;
  if (IsEmpty(Box::LoopCount)) return Notify(texts::kEnterLoopCount);
  if (IsEmpty(Box::LoopInterval)) return Notify(texts::kEnterLoopInterval);
  if (IsEmpty(Box::X)) return Notify(texts::kEnterX);
  if (IsEmpty(Box::Y)) return Notify(texts::kEnterY);

  // The count is the number the box shows: a box that lost the focus holding
  // a large one shows it in exponent form ("1e+006"), and a count beyond the
  // 32-bit range runs as long as the counter goes rather than wrapping.
  const int32_t cycles = TruncateSaturated(TextToReal(form_.GetText(Box::LoopCount)));
  if (cycles < 1) return;
  if (!PointsOnMonitors()) return;
  struct Active {
    ClickEngine& engine;
    explicit Active(ClickEngine& e) : engine(e) {
      ++engine.runDepth_;
      engine.input_.BeginFineTiming();
    }
    ~Active() {
      engine.input_.EndFineTiming();
      --engine.runDepth_;
    }
    Active(const Active&) = delete;
    Active& operator=(const Active&) = delete;
  } active(*this);
  const StopSignal stop{&stops_, stops_};
  Interval interval;
  RunCycles(cycles, stop, interval);
  // Every click is followed by its whole interval, the last one too; a
  // stopped run leaves at once.
  if (interval.ms > 0 && !stop.Raised()) input_.WaitOut(interval.start, interval.ms);
}

bool ClickEngine::PointsOnMonitors() {
  // The rows a cycle clicks, in its order: the main point, then each filled
  // row up to one whose Y is missing, where the run would end.
  const auto onMonitor = [this](int row, Box x, Box y) {
    if (input_.PointOnMonitor(ReadCoordinate(x), ReadCoordinate(y))) return true;
    char text[128];
    std::snprintf(text, sizeof text, texts::kPointOffMonitor, row);
    Notify(text);
    return false;
  };
  if (!onMonitor(1, Box::X, Box::Y)) return false;
  int row = 1;
  for (const Row& r : kRows) {
    ++row;
    if (IsEmpty(r.x)) continue;
    if (IsEmpty(r.y)) return true;
    if (!onMonitor(row, r.x, r.y)) return false;
  }
  return true;
}

void ClickEngine::RunCycles(int32_t cycles, StopSignal stop, Interval& interval) {
  for (int32_t cycle = 1; cycle <= cycles; ++cycle) {
    if (stop.Raised()) return;
    const int32_t x = ReadCoordinate(Box::X);
    const int32_t y = ReadCoordinate(Box::Y);
    ClickInTurn(interval, x, y, stop);
    for (const Row& row : kRows) {
      if (IsEmpty(row.x)) continue;
      // A row with X but no Y ends the whole run, silently. Row 5 does the
      // same: clicking it at (x, 0) would be a guess at a point never given.
      if (IsEmpty(row.y)) return;
      if (stop.Raised()) return;
      const int32_t rowX = ReadCoordinate(row.x);
      const int32_t rowY = ReadCoordinate(row.y);
      ClickInTurn(interval, rowX, rowY, stop);
    }
    if (stop.Raised()) return;
    if (cycle == INT32_MAX) return;  // the counter must not wrap
  }
}

void ClickEngine::Notify(const char* text) {
  if (AtNestingBound()) return;
  ++noticeDepth_;
  input_.ShowNotice(text);
  --noticeDepth_;
}

void ClickEngine::RequestStop() {
  stopRequested_ = 1;
  ++stops_;
  if (IsEmpty(Box::X)) {
    Notify(texts::kStopNeedsX);
  } else if (IsEmpty(Box::Y)) {
    Notify(texts::kStopNeedsY);
  } else {
    Notify(texts::kLoopEnded);
  }
}

void ClickEngine::AbandonRuns() {
  stopRequested_ = 1;
  ++stops_;
  SetCursorFineTiming(false);
}

void ClickEngine::SetCursorFineTiming(bool on) {
  if (on == cursorFineTiming_) return;
  cursorFineTiming_ = on;
  if (on) {
    input_.BeginFineTiming();
  } else {
    input_.EndFineTiming();
  }
}

void ClickEngine::StartCursorClicking() {
  const int32_t period = ReadTruncated(Box::ClickFrequency);
  form_.SetCursorTimerPeriod(period);
  SetCursorFineTiming(period > 0);
  if (IsEmpty(Box::ClickFrequency)) Notify(texts::kEnterFrequency);
}

void ClickEngine::StopCursorClicking() {
  form_.SetCursorTimerPeriod(0);
  SetCursorFineTiming(false);
  Notify(texts::kStopped);
}

void ClickEngine::CursorClickTick() {
  struct Choice {
    Radio radio;
    ClickType type;
  };
  static constexpr Choice kChoices[] = {
      {Radio::Radio1, LeftClick},
      {Radio::Radio2, RightClick},
      {Radio::Radio3, LeftDoubleClick},
      {Radio::Radio4, RightDoubleClick},
  };
  for (const Choice& choice : kChoices) {
    if (form_.IsSelected(choice.radio)) {
      const int32_t x = input_.CursorX();
      const int32_t y = input_.CursorY();
      input_.ClickAt(x, y, choice.type);
      return;
    }
  }
}

}  // namespace clicker
