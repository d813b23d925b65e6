#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "clicker/ports.h"

namespace clicker::testing {

// One log for everything the engine does through its ports, in order.
struct Event {
  enum Kind { Click, Wait, Pump, Notice, Period } kind;
  int32_t a = 0;  // x, ms or period
  int32_t b = 0;  // y
  int32_t type = 0;
  std::string text;

  bool operator==(const Event& o) const {
    return kind == o.kind && a == o.a && b == o.b && type == o.type && text == o.text;
  }
};

inline void PrintTo(const Event& e, std::ostream* os) {
  static const char* const kNames[] = {"Click", "Wait", "Pump", "Notice", "Period"};
  *os << kNames[e.kind] << "(" << e.a << ", " << e.b << ", type " << e.type << ", \"" << e.text
      << "\")";
}

inline Event ClickEvent(int32_t x, int32_t y, ClickType t = LeftClick) {
  return {Event::Click, x, y, t, {}};
}
inline Event WaitEvent(int32_t ms) {
  return {Event::Wait, ms, 0, 0, {}};
}
inline Event PumpEvent() {
  return {Event::Pump, 0, 0, 0, {}};
}
inline Event NoticeEvent(const char* text) {
  return {Event::Notice, 0, 0, 0, text};
}
inline Event PeriodEvent(int32_t ms) {
  return {Event::Period, ms, 0, 0, {}};
}

class RecordingPorts : public InputPort, public FormPort {
 public:
  std::vector<Event> log;
  std::map<Box, std::string> boxes;
  std::set<Radio> selected;
  int32_t cursorX = 0, cursorY = 0;
  // Runs inside the n-th wait or pump (0-based), as a dispatched message would.
  std::map<int, std::function<void()>> duringWait;
  int waits = 0;
  // A clock in microseconds: a click costs clickCost, a wait ends at its
  // deadline, or at once when the stop signal is raised after its dispatch.
  uint64_t now = 0;
  uint64_t clickCost = 0;
  uint64_t lastStretch = 2000;
  std::vector<uint64_t> clickTimes;
  // The due times of the clicks made on time, and the waits spent out.
  std::vector<uint64_t> dueTimes;
  int waitOuts = 0;
  // The fine timer: begun minus ended, and the most ever held at once.
  int fineTiming = 0;
  int fineTimingPeak = 0;
  int fineTimingEnds = 0;

  void Set(Box box, std::string text) { boxes[box] = std::move(text); }
  // The four boxes a run needs.
  void FillRun(const char* count, const char* interval, const char* x, const char* y) {
    Set(Box::LoopCount, count);
    Set(Box::LoopInterval, interval);
    Set(Box::X, x);
    Set(Box::Y, y);
  }

  void ClickAt(int32_t x, int32_t y, ClickType type) override {
    log.push_back(ClickEvent(x, y, type));
    clickTimes.push_back(now);
    now += clickCost;
  }
  WaitMark MarkNow() override { return now; }
  // The wait leaves its last stretch to the click or to WaitOut.
  void WaitPumpingNear(WaitMark start, int32_t ms, StopSignal stop) override {
    log.push_back(WaitEvent(ms));
    Dispatch();
    if (stop.Raised()) return;
    const uint64_t end = start + static_cast<uint64_t>(ms) * 1000;
    if (end > now + lastStretch) now = end - lastStretch;
  }
  // Runs right before the n-th click on time (0-based), as a stop found
  // waiting in the queue there would.
  std::map<int, std::function<void()>> beforePress;
  int onTime = 0;
  WaitMark ClickAtOnTime(WaitMark start, int32_t ms, int32_t x, int32_t y, ClickType type,
                         StopSignal stop) override {
    const uint64_t due = start + static_cast<uint64_t>(ms > 0 ? ms : 0) * 1000;
    dueTimes.push_back(due);
    if (due > now) now = due;
    auto it = beforePress.find(onTime++);
    if (it != beforePress.end()) {
      auto action = std::move(it->second);
      beforePress.erase(it);
      action();
    }
    if (stop.Raised()) return now;
    const uint64_t began = now;
    ClickAt(x, y, type);
    return began;
  }
  void WaitOut(WaitMark start, int32_t ms) override {
    const uint64_t end = start + static_cast<uint64_t>(ms) * 1000;
    if (end > now) now = end;
    ++waitOuts;
  }
  void BeginFineTiming() override {
    if (++fineTiming > fineTimingPeak) fineTimingPeak = fineTiming;
  }
  void EndFineTiming() override {
    --fineTiming;
    ++fineTimingEnds;
  }
  void WaitPumping(int32_t ms) override {
    log.push_back(WaitEvent(ms));
    Dispatch();
    if (ms > 0) now += static_cast<uint64_t>(ms) * 1000;
  }
  void PumpPending() override {
    log.push_back(PumpEvent());
    Dispatch();
  }
  // Points no monitor holds.
  std::set<std::pair<int32_t, int32_t>> offMonitor;
  bool PointOnMonitor(int32_t x, int32_t y) override { return offMonitor.count({x, y}) == 0; }
  int32_t CursorX() override { return cursorX; }
  int32_t CursorY() override { return cursorY; }
  // A notice box runs a message loop of its own: onNotice runs inside it.
  std::function<void()> onNotice;
  void ShowNotice(const char* text) override {
    log.push_back(NoticeEvent(text));
    if (onNotice) onNotice();
  }

  std::string GetText(Box box) override {
    auto it = boxes.find(box);
    return it == boxes.end() ? std::string() : it->second;
  }
  bool IsSelected(Radio radio) override { return selected.count(radio) != 0; }
  void SetCursorTimerPeriod(int32_t ms) override { log.push_back(PeriodEvent(ms)); }

  std::vector<Event> Clicks() const {
    std::vector<Event> out;
    for (const Event& e : log)
      if (e.kind == Event::Click) out.push_back(e);
    return out;
  }
  std::vector<std::string> Notices() const {
    std::vector<std::string> out;
    for (const Event& e : log)
      if (e.kind == Event::Notice) out.push_back(e.text);
    return out;
  }

 private:
  void Dispatch() {
    auto it = duringWait.find(waits++);
    if (it != duringWait.end()) {
      auto action = std::move(it->second);
      duringWait.erase(it);
      action();
    }
  }
};

}  // namespace clicker::testing
