#include "clicker/click_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>

#include "clicker/texts.h"
#include "recording_ports.h"

namespace clicker {
namespace {

using testing::ClickEvent;
using testing::Event;
using testing::NoticeEvent;
using testing::PeriodEvent;
using testing::PumpEvent;
using testing::RecordingPorts;
using testing::WaitEvent;

class ClickEngineTest : public ::testing::Test {
 protected:
  RecordingPorts ports;
  ClickEngine engine{ports, ports};

  void FillRequired(const char* count, const char* interval, const char* x, const char* y) {
    ports.FillRun(count, interval, x, y);
  }
};

TEST_F(ClickEngineTest, ValidationStopsAtTheFirstEmptyBoxInOrder) {
  engine.StartRun();
  EXPECT_EQ(ports.log, std::vector<Event>{NoticeEvent(texts::kEnterLoopCount)});

  // Fill the boxes one by one in check order; each time the next one is reported.
  const Box order[] = {Box::LoopCount, Box::LoopInterval, Box::X, Box::Y};
  const char* notices[] = {texts::kEnterLoopInterval, texts::kEnterX, texts::kEnterY};
  for (int filled = 1; filled < 4; ++filled) {
    RecordingPorts p;
    for (int i = 0; i < filled; ++i) p.Set(order[i], "5");
    // Later boxes filled out of order must not change which notice comes first.
    p.Set(Box::X1, "1");
    ClickEngine e(p, p);
    e.StartRun();
    EXPECT_EQ(p.log, std::vector<Event>{NoticeEvent(notices[filled - 1])}) << filled;
  }
}

TEST_F(ClickEngineTest, RunsMainPointThenFilledRowsInRowOrderEveryCycle) {
  FillRequired("2", "500", "100", "200");
  ports.Set(Box::X1, "11");
  ports.Set(Box::Y1, "12");
  ports.Set(Box::X3, "31");
  ports.Set(Box::Y3, "32");
  ports.Set(Box::Y2, "99");  // a Y without its X does not make a row
  engine.StartRun();
  const std::vector<Event> cycle = {ClickEvent(100, 200), WaitEvent(500),     ClickEvent(11, 12),
                                    WaitEvent(500),       ClickEvent(31, 32), WaitEvent(500)};
  std::vector<Event> expected = cycle;
  expected.insert(expected.end(), cycle.begin(), cycle.end());
  EXPECT_EQ(ports.log, expected);
}

TEST_F(ClickEngineTest, CycleCountIsTruncatedFixedAtStartAndNeverNegative) {
  FillRequired("2.5", "1", "1", "2");
  // Raising the count during the run does not add cycles.
  ports.duringWait[0] = [&] { ports.Set(Box::LoopCount, "9"); };
  engine.StartRun();
  EXPECT_EQ(ports.Clicks().size(), 2u);

  for (const char* count : {"-3", "0.9", "abc"}) {
    RecordingPorts p;
    p.Set(Box::LoopCount, count);
    p.Set(Box::LoopInterval, "1");
    p.Set(Box::X, "1");
    p.Set(Box::Y, "1");
    ClickEngine e(p, p);
    e.StartRun();
    EXPECT_TRUE(p.log.empty()) << count;  // no cycle and no notice
  }
}

TEST_F(ClickEngineTest, TheCountIsTheNumberTheBoxShows) {
  // A count box left with a large number shows it in exponent form, and a
  // run reads it so: 1e+006 is a million cycles, not one.
  const std::pair<const char*, int> counts[] = {{"1e+006", 1'000'000},
                                                {"1.5e1", 15},
                                                {"2.5", 2},
                                                {"3e+009", INT32_MAX},
                                                {"1e999", INT32_MAX}};
  for (const auto& [count, cycles] : counts) {
    RecordingPorts p;
    p.FillRun(count, "20", "1", "2");
    ClickEngine e(p, p);
    // A long run is stopped after its 40th click; a short one ends by itself.
    p.duringWait[39] = [&] { e.RequestStop(); };
    e.StartRun();
    EXPECT_EQ(p.Clicks().size(), static_cast<size_t>(std::min(cycles, 40))) << count;
  }
  // Beyond the 32-bit range below, as anything below 1: no cycle.
  for (const char* count : {"-1e+010", "-3e+009", "4.2e-001"}) {
    RecordingPorts p;
    p.FillRun(count, "20", "1", "2");
    ClickEngine e(p, p);
    e.StartRun();
    EXPECT_TRUE(p.log.empty()) << count;
  }
}

TEST_F(ClickEngineTest, EveryBoxIsReadAtTheMomentOfUse) {
  FillRequired("3", "10", "1", "1");
  ports.duringWait[0] = [&] {
    ports.Set(Box::LoopInterval, "20");
    ports.Set(Box::X, "5");
  };
  ports.duringWait[1] = [&] {
    ports.Set(Box::X1, "7");
    ports.Set(Box::Y1, "8");
  };
  engine.StartRun();
  EXPECT_EQ(ports.log,
            (std::vector<Event>{ClickEvent(1, 1), WaitEvent(10), ClickEvent(5, 1), WaitEvent(20),
                                ClickEvent(7, 8), WaitEvent(20), ClickEvent(5, 1), WaitEvent(20),
                                ClickEvent(7, 8), WaitEvent(20)}));
}

TEST_F(ClickEngineTest, ARowWithXButNoYEndsTheRunSilently) {
  for (Box rowX : {Box::X1, Box::X2, Box::X3, Box::X4, Box::X5}) {
    RecordingPorts p;
    p.FillRun("3", "7", "1", "2");
    p.Set(rowX, "50");
    ClickEngine e(p, p);
    e.StartRun();
    EXPECT_EQ(p.log, (std::vector<Event>{ClickEvent(1, 2), WaitEvent(7)}))
        << static_cast<int>(rowX);
  }
  // A filled row before the broken one is still clicked once.
  FillRequired("3", "7", "1", "2");
  ports.Set(Box::X1, "10");
  ports.Set(Box::Y1, "11");
  ports.Set(Box::X2, "20");
  engine.StartRun();
  EXPECT_EQ(ports.log,
            (std::vector<Event>{ClickEvent(1, 2), WaitEvent(7), ClickEvent(10, 11), WaitEvent(7)}));
}

TEST_F(ClickEngineTest, BlankBoxesAreEmptyWhereverTheEngineAsks) {
  // The clear buttons write one space. A row cleared so is skipped, not
  // clicked at (0, 0); a row whose Y alone is blank ends the run like an
  // empty one.
  FillRequired("2", "5", "100", "200");
  ports.Set(Box::X1, " ");
  ports.Set(Box::Y1, " ");
  ports.Set(Box::X2, "30");
  ports.Set(Box::Y2, "40");
  engine.StartRun();
  EXPECT_EQ(ports.Clicks(), (std::vector<Event>{ClickEvent(100, 200), ClickEvent(30, 40),
                                                ClickEvent(100, 200), ClickEvent(30, 40)}));
  ports.log.clear();
  ports.Set(Box::Y2, " \t");
  engine.StartRun();
  EXPECT_EQ(ports.Clicks(), (std::vector<Event>{ClickEvent(100, 200)}));

  // After 初 始 化 every box holds one space: F1 and F3 ask for their
  // boxes as they do for boxes never filled, and F2 for the main point.
  RecordingPorts p;
  for (int b = 0; b <= static_cast<int>(Box::ClickFrequency); ++b) p.Set(static_cast<Box>(b), " ");
  ClickEngine e(p, p);
  e.StartRun();
  e.StartCursorClicking();
  e.RequestStop();
  p.Set(Box::X, "7");
  e.RequestStop();
  EXPECT_EQ(p.log,
            (std::vector<Event>{NoticeEvent(texts::kEnterLoopCount), PeriodEvent(0),
                                NoticeEvent(texts::kEnterFrequency),
                                NoticeEvent(texts::kStopNeedsX), NoticeEvent(texts::kStopNeedsY)}));

  // Each of the four boxes a run needs, blank on its own, gets its notice.
  const std::pair<Box, const char*> required[] = {{Box::LoopCount, texts::kEnterLoopCount},
                                                  {Box::LoopInterval, texts::kEnterLoopInterval},
                                                  {Box::X, texts::kEnterX},
                                                  {Box::Y, texts::kEnterY}};
  for (const auto& [box, notice] : required) {
    RecordingPorts q;
    q.FillRun("3", "5", "1", "2");
    q.Set(box, "  ");
    ClickEngine r(q, q);
    r.StartRun();
    EXPECT_EQ(q.log, std::vector<Event>{NoticeEvent(notice)}) << notice;
  }
}

TEST_F(ClickEngineTest, CoordinatesAreTruncatedOrReadAsIntegersByRow) {
  FillRequired("1", "1", "-3.9", "1e10");
  ports.Set(Box::X1, "2.7");
  ports.Set(Box::Y1, "-0.5");
  ports.Set(Box::X3, "2.7");
  ports.Set(Box::Y3, "1e10");
  ports.Set(Box::X5, "-40x");
  ports.Set(Box::Y5, "+41");
  engine.StartRun();
  // 1e10 stays at the end of the range (its low 32 bits would be a point of
  // their own); rows 3 to 5 read leading integers.
  EXPECT_EQ(ports.Clicks(), (std::vector<Event>{ClickEvent(-3, 2147483647), ClickEvent(2, 0),
                                                ClickEvent(2, 1), ClickEvent(-40, 41)}));
}

TEST_F(ClickEngineTest, IntervalsAndPeriodsBeyondTheRangeWaitLongInsteadOfWrapping) {
  // Truncated to their low 32 bits these were negative or 0: no wait at all.
  for (const char* text : {"3000000000", "3e+009", "3.40282e+038"}) {
    RecordingPorts p;
    ClickEngine e(p, p);
    p.FillRun("2", text, "1", "2");
    p.duringWait[0] = [&] { e.RequestStop(); };
    e.StartRun();
    EXPECT_EQ(p.Clicks().size(), 1u) << text;
    EXPECT_EQ(p.log[1], WaitEvent(INT32_MAX)) << text;
    p.Set(Box::ClickFrequency, text);
    e.StartCursorClicking();
    EXPECT_EQ(p.log.back(), PeriodEvent(INT32_MAX)) << text;
  }
}

TEST_F(ClickEngineTest, ARunWithAPointNoMonitorHoldsNamesItsRowAndClicksNothing) {
  // The row put off every monitor and the row the notice names; 0: a row
  // after one without Y, where the run ends, is never looked at.
  const std::tuple<Box, Box, int> cases[] = {
      {Box::X, Box::Y, 1}, {Box::X1, Box::Y1, 2}, {Box::X5, Box::Y5, 6}, {Box::X4, Box::Y4, 0}};
  for (const auto& [x, y, row] : cases) {
    RecordingPorts p;
    ClickEngine e(p, p);
    p.FillRun("1", "10", "1", "2");
    if (row == 0) p.Set(Box::X3, "7");
    p.Set(x, "-100");
    p.Set(y, "50");
    p.offMonitor = {{-100, 50}};
    e.StartRun();
    char text[128];
    std::snprintf(text, sizeof text, texts::kPointOffMonitor, row);
    EXPECT_EQ(p.Notices(), row ? std::vector<std::string>{text} : std::vector<std::string>{});
    EXPECT_EQ(p.Clicks().size(), row ? 0u : 1u) << row;
  }
}

TEST_F(ClickEngineTest, ShortIntervalsStillServeTheQueueSoAStopArrives) {
  FillRequired("1000", "0.9", "1", "2");
  ports.duringWait[2] = [&] { engine.RequestStop(); };
  engine.StartRun();
  // No wait at all, a pump after every click, and the stop ends the run.
  EXPECT_EQ(ports.log,
            (std::vector<Event>{ClickEvent(1, 2), PumpEvent(), ClickEvent(1, 2), PumpEvent(),
                                ClickEvent(1, 2), PumpEvent(), NoticeEvent(texts::kLoopEnded)}));
  EXPECT_EQ(engine.stopRequested(), 1);
}

TEST_F(ClickEngineTest, StopDuringAWaitEndsTheRunAtItsNextCheck) {
  FillRequired("5", "10", "1", "2");
  ports.Set(Box::X1, "3");
  ports.Set(Box::Y1, "4");
  ports.duringWait[0] = [&] { engine.RequestStop(); };
  engine.StartRun();
  EXPECT_EQ(ports.log,
            (std::vector<Event>{ClickEvent(1, 2), WaitEvent(10), NoticeEvent(texts::kLoopEnded)}));
}

TEST_F(ClickEngineTest, AStopRunRightBeforeAPressCallsItOffAndEndsTheRun) {
  // The stop reaches the program in the last stretch before the fourth
  // click, where nothing else is dispatched: that click and everything after
  // it are left out, the last interval too.
  FillRequired("5", "10", "1", "2");
  ports.Set(Box::X1, "3");
  ports.Set(Box::Y1, "4");
  ports.beforePress[2] = [&] { engine.RequestStop(); };
  engine.StartRun();
  EXPECT_EQ(ports.log,
            (std::vector<Event>{ClickEvent(1, 2), WaitEvent(10), ClickEvent(3, 4), WaitEvent(10),
                                ClickEvent(1, 2), WaitEvent(10), NoticeEvent(texts::kLoopEnded)}));
  EXPECT_EQ(ports.waitOuts, 0);

  // The stop's notice box serves the queue: F1 pressed in it runs a new run,
  // and when the box closes the stopped run still clicks nothing.
  RecordingPorts p;
  ClickEngine e(p, p);
  p.FillRun("3", "10", "1", "2");
  p.beforePress[0] = [&] { e.RequestStop(); };
  p.onNotice = [&] {
    p.onNotice = nullptr;
    p.Set(Box::X, "9");
    e.StartRun();
  };
  e.StartRun();
  std::vector<int32_t> xs;
  for (const Event& c : p.Clicks()) xs.push_back(c.a);
  EXPECT_EQ(xs, (std::vector<int32_t>{1, 9, 9, 9}));
}

TEST_F(ClickEngineTest, StopNoticeDependsOnTheMainPointAndAlwaysSetsTheFlag) {
  engine.RequestStop();
  ports.Set(Box::X, "1");
  engine.RequestStop();
  ports.Set(Box::Y, "2");
  engine.RequestStop();
  EXPECT_EQ(ports.Notices(),
            (std::vector<std::string>{texts::kStopNeedsX, texts::kStopNeedsY, texts::kLoopEnded}));
  EXPECT_EQ(engine.stopRequested(), 1);
  // The next run clears the flag and runs normally.
  FillRequired("2", "1", "1", "2");
  engine.StartRun();
  EXPECT_EQ(ports.Clicks().size(), 2u);
  EXPECT_EQ(engine.stopRequested(), 0);
}

TEST_F(ClickEngineTest, AStopEndsEveryRunActiveWhenItCameEvenAfterANestedRunClearsTheFlag) {
  FillRequired("3", "5000", "1", "1");
  // F2, then F1 while the outer run waits: the new run clears the flag and
  // runs its own cycles; the outer run must not come back after it.
  ports.duringWait[0] = [&] {
    engine.RequestStop();
    ports.Set(Box::X, "2");
    engine.StartRun();
  };
  engine.StartRun();
  std::vector<int32_t> xs;
  for (const Event& e : ports.Clicks()) xs.push_back(e.a);
  EXPECT_EQ(xs, (std::vector<int32_t>{1, 2, 2, 2}));
  // The stopped wait ended at the stop: the clock holds the new run's three
  // intervals only.
  EXPECT_EQ(ports.now, 3u * 5'000'000);
  EXPECT_EQ(engine.stopRequested(), 0);

  // One stop inside the inner run ends both, each in the wait it is in.
  RecordingPorts p;
  ClickEngine e(p, p);
  p.FillRun("3", "10", "1", "1");
  p.duringWait[0] = [&] { e.StartRun(); };
  p.duringWait[1] = [&] { e.RequestStop(); };
  e.StartRun();
  EXPECT_EQ(p.Clicks().size(), 2u);
  EXPECT_EQ(p.now, 0u);
}

TEST_F(ClickEngineTest, IntervalsRunFromTheStartOfEachClickAndNeverEndBeforeIt) {
  FillRequired("2", "10", "1", "2");
  ports.Set(Box::X1, "3");
  ports.Set(Box::Y1, "4");
  ports.clickCost = 3000;  // a click that takes 3 ms does not stretch the 10 ms
  engine.StartRun();
  EXPECT_EQ(ports.clickTimes, (std::vector<uint64_t>{0, 10'000, 20'000, 30'000}));

  RecordingPorts slow;
  ClickEngine e(slow, slow);
  slow.FillRun("3", "10", "1", "1");
  slow.clickCost = 15'000;  // longer than the interval: the next click follows at once
  e.StartRun();
  EXPECT_EQ(slow.clickTimes, (std::vector<uint64_t>{0, 15'000, 30'000}));
}

TEST_F(ClickEngineTest, EachLaterClickIsMadeAtItsDueTimeWithTheIntervalReadAfterTheClickBefore) {
  FillRequired("2", "10", "1", "2");
  ports.Set(Box::X1, "3");
  ports.Set(Box::Y1, "4");
  // The interval is changed during the first wait: it counts from the next
  // click on, which is still due 10 ms after the first.
  ports.duringWait[0] = [&] { ports.Set(Box::LoopInterval, "20"); };
  engine.StartRun();
  EXPECT_EQ(ports.dueTimes, (std::vector<uint64_t>{10'000, 30'000, 50'000}));
  EXPECT_EQ(ports.clickTimes, (std::vector<uint64_t>{0, 10'000, 30'000, 50'000}));
  // The last click is followed by its whole interval too.
  EXPECT_EQ(ports.waitOuts, 1);
  EXPECT_EQ(ports.now, 70'000u);

  // A run ended by a row without Y spends its last interval as well; a
  // stopped one does not.
  RecordingPorts ended;
  ClickEngine e(ended, ended);
  ended.FillRun("3", "10", "1", "1");
  ended.Set(Box::X2, "5");
  e.StartRun();
  EXPECT_EQ(ended.Clicks().size(), 1u);
  EXPECT_EQ(ended.waitOuts, 1);
  EXPECT_EQ(ended.now, 10'000u);

  RecordingPorts stopped;
  ClickEngine s(stopped, stopped);
  stopped.FillRun("3", "10", "1", "1");
  stopped.duringWait[1] = [&] { s.RequestStop(); };
  s.StartRun();
  EXPECT_EQ(stopped.Clicks().size(), 2u);
  EXPECT_EQ(stopped.waitOuts, 0);
  EXPECT_EQ(stopped.now, 10'000u);
}

TEST_F(ClickEngineTest, RunsNestOnlyToTheirBound) {
  FillRequired("2", "10", "1", "1");
  // Every wait starts another run, as a held key or a point on the loop
  // button would.
  int deepest = 0;
  std::function<void()> nest = [&] {
    deepest = std::max(deepest, engine.runDepth());
    engine.StartRun();
  };
  for (int i = 0; i < 200; ++i) ports.duringWait[i] = nest;
  engine.StartRun();
  EXPECT_EQ(deepest, ClickEngine::kMaxRunDepth);
  EXPECT_EQ(engine.runDepth(), 0);
  EXPECT_EQ(ports.fineTiming, 0);
  // Once the nesting unwinds, runs start again.
  ports.log.clear();
  engine.StartRun();
  EXPECT_EQ(ports.Clicks().size(), 2u);
}

TEST_F(ClickEngineTest, NoticeBoxesNestOnlyToTheBoundAndAStopStillTakesEffectThere) {
  // F1 pressed again in every open "请输入‘循环次数’" box.
  int deepest = 0;
  ports.onNotice = [&] {
    deepest = std::max(deepest, engine.noticeDepth());
    engine.StartRun();
  };
  engine.StartRun();
  EXPECT_EQ(deepest, ClickEngine::kMaxRunDepth);
  EXPECT_EQ(ports.Notices().size(), static_cast<size_t>(ClickEngine::kMaxRunDepth));
  EXPECT_EQ(engine.noticeDepth(), 0);

  // At the bound F2 and F4 still stop; only their boxes are left out.
  FillRequired("1", "10", "1", "1");
  ports.log.clear();
  std::vector<Event> atBound;
  ports.onNotice = [&] {
    if (engine.noticeDepth() < ClickEngine::kMaxRunDepth) return engine.RequestStop();
    ports.onNotice = nullptr;
    const size_t before = ports.log.size();
    engine.StopCursorClicking();
    engine.RequestStop();
    atBound.assign(ports.log.begin() + static_cast<std::ptrdiff_t>(before), ports.log.end());
  };
  engine.RequestStop();
  EXPECT_EQ(atBound, std::vector<Event>{PeriodEvent(0)});
  EXPECT_EQ(ports.Notices().size(), static_cast<size_t>(ClickEngine::kMaxRunDepth));
  EXPECT_EQ(engine.stopRequested(), 1);
}

TEST_F(ClickEngineTest, TheFineTimerIsHeldWhileARunOrCursorClickingIsOnAndAlwaysReleased) {
  FillRequired("2", "10", "1", "1");
  int heldInWait = -1;
  ports.duringWait[0] = [&] { heldInWait = ports.fineTiming; };
  engine.StartRun();
  EXPECT_EQ(heldInWait, 1);
  EXPECT_EQ(ports.fineTiming, 0);

  ports.Set(Box::LoopCount, "0.5");  // no cycle: nothing to hold it for
  engine.StartRun();
  EXPECT_EQ(ports.fineTimingPeak, 1);

  ports.Set(Box::ClickFrequency, "10");
  engine.StartCursorClicking();
  engine.StartCursorClicking();  // the same period again holds it once
  EXPECT_EQ(ports.fineTiming, 1);
  ports.Set(Box::LoopCount, "1");
  engine.StartRun();  // a run during cursor clicking holds it once more
  EXPECT_EQ(ports.fineTimingPeak, 2);
  EXPECT_EQ(ports.fineTiming, 1);
  engine.StopCursorClicking();
  EXPECT_EQ(ports.fineTiming, 0);
  engine.StopCursorClicking();  // F4 twice ends nothing twice
  EXPECT_EQ(ports.fineTiming, 0);

  engine.StartCursorClicking();
  ports.Set(Box::ClickFrequency, "");
  engine.StartCursorClicking();  // an empty box stops it
  EXPECT_EQ(ports.fineTiming, 0);
  ports.Set(Box::ClickFrequency, "10");
  engine.StartCursorClicking();
  engine.AbandonRuns();  // the window closes while cursor clicking is on
  EXPECT_EQ(ports.fineTiming, 0);
}

TEST_F(ClickEngineTest, CursorClickingSetsThePeriodFirstThenChecksTheBox) {
  engine.StartCursorClicking();
  ports.Set(Box::ClickFrequency, "100.7");
  engine.StartCursorClicking();
  ports.Set(Box::ClickFrequency, "-5");
  engine.StartCursorClicking();
  engine.StopCursorClicking();
  EXPECT_EQ(ports.log, (std::vector<Event>{PeriodEvent(0), NoticeEvent(texts::kEnterFrequency),
                                           PeriodEvent(100), PeriodEvent(-5), PeriodEvent(0),
                                           NoticeEvent(texts::kStopped)}));
}

TEST_F(ClickEngineTest, CursorTickUsesTheFirstSelectedRadioInScreenOrder) {
  ports.cursorX = -10;
  ports.cursorY = 20;
  engine.CursorClickTick();
  EXPECT_TRUE(ports.log.empty());

  const std::pair<Radio, ClickType> mapping[] = {{Radio::Radio1, LeftClick},
                                                 {Radio::Radio2, RightClick},
                                                 {Radio::Radio3, LeftDoubleClick},
                                                 {Radio::Radio4, RightDoubleClick}};
  for (const auto& [radio, type] : mapping) {
    ports.log.clear();
    ports.selected = {radio};
    engine.CursorClickTick();
    EXPECT_EQ(ports.log, std::vector<Event>{ClickEvent(-10, 20, type)});
  }
  ports.log.clear();
  ports.selected = {Radio::Radio4, Radio::Radio2};
  engine.CursorClickTick();
  EXPECT_EQ(ports.log, std::vector<Event>{ClickEvent(-10, 20, RightClick)});
}

TEST(Texts, AreCodePage936Bytes) {
  // 青禾温馨提示 in GBK: a build that stopped converting literals shows here.
  EXPECT_STREQ(texts::kNoticeTitle, "\xC7\xE0\xBA\xCC\xCE\xC2\xDC\xB0\xCC\xE1\xCA\xBE");
  // The quotes of ‘循环次数’ are A1AE and A1AF.
  EXPECT_STREQ(texts::kEnterLoopCount,
               "\xC7\xEB\xCA\xE4\xC8\xEB\xA1\xAE\xD1\xAD\xBB\xB7\xB4\xCE\xCA\xFD\xA1\xAF");
}

}  // namespace
}  // namespace clicker
