#include "clicker/hotkeys.h"

#include <gtest/gtest.h>

#include "clicker/click_engine.h"
#include "clicker/texts.h"
#include "recording_ports.h"

namespace clicker {
namespace {

using testing::Event;
using testing::NoticeEvent;
using testing::PeriodEvent;
using testing::RecordingPorts;

TEST(DispatchHotkey, EachIdRunsExactlyItsAction) {
  const HotkeyIds ids{33001, 33002, 33003, 33004};
  RecordingPorts ports;
  ClickEngine engine(ports, ports);
  ports.Set(Box::ClickFrequency, "100");

  DispatchHotkey(engine, ids, 33001);  // F1: StartRun, which asks for the count
  EXPECT_EQ(ports.Notices(), std::vector<std::string>{texts::kEnterLoopCount});
  ports.log.clear();
  DispatchHotkey(engine, ids, 33002);  // F2: the hidden button's RequestStop
  EXPECT_EQ(ports.Notices(), std::vector<std::string>{texts::kStopNeedsX});
  EXPECT_EQ(engine.stopRequested(), 1);
  ports.log.clear();
  DispatchHotkey(engine, ids, 33003);  // F4
  EXPECT_EQ(ports.log, (std::vector<Event>{PeriodEvent(0), NoticeEvent(texts::kStopped)}));
  ports.log.clear();
  DispatchHotkey(engine, ids, 33004);  // F3
  EXPECT_EQ(ports.log, std::vector<Event>{PeriodEvent(100)});
  ports.log.clear();
  DispatchHotkey(engine, ids, 33005);
  DispatchHotkey(engine, ids, 0);
  EXPECT_TRUE(ports.log.empty());
}

TEST(DispatchHotkey, AFailedRegistrationLeavesOnlyThatKeyDead) {
  // F2 failed (0): the others keep their ids and still work.
  const HotkeyIds ids{33001, 0, 33003, 33004};
  RecordingPorts ports;
  ClickEngine engine(ports, ports);
  DispatchHotkey(engine, ids, 33002);
  EXPECT_TRUE(ports.log.empty());
  DispatchHotkey(engine, ids, 33003);
  EXPECT_EQ(ports.Notices(), std::vector<std::string>{texts::kStopped});
}

TEST(CoordinateText, MatchesTheDisplayFormat) {
  EXPECT_EQ(CoordinateText(100, 200), "X: 100     Y:200");
  EXPECT_EQ(CoordinateText(0, 0), "X: 0     Y:0");
  EXPECT_EQ(CoordinateText(-1920, -5), "X: -1920     Y:-5");
  EXPECT_EQ(CoordinateText(-2147483647 - 1, 2147483647), "X: -2147483648     Y:2147483647");
}

}  // namespace
}  // namespace clicker
