#include "clicker/startup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "clicker/instructions.h"

namespace clicker {
namespace {

class RecordingStartup : public StartupPort {
 public:
  std::vector<std::string> steps;
  std::vector<int32_t> alphas;
  int32_t platform = 3;
  int sleeps = 0;

  void AttachSkin() override { steps.push_back("attach"); }
  void ShowInstructions(const char* text) override {
    steps.push_back("instructions");
    shown = text;
  }
  void DetachSkin() override { steps.push_back("detach"); }
  void RegisterAppHotkeys() override { steps.push_back("hotkeys"); }
  void InstallFramework() override { steps.push_back("framework"); }
  void SkinGroupBoxes() override { steps.push_back("groups"); }
  void HideWindow() override { steps.push_back("hide"); }
  void ShowWindow() override { steps.push_back("show"); }
  int32_t PlatformKind() override { return platform; }
  void SetWindowAlpha(int32_t alpha) override {
    if (steps.back() != "alpha") steps.push_back("alpha");
    alphas.push_back(alpha);
  }
  void PumpPending() override {}
  void SleepMs(int32_t ms) override {
    lastSleep = ms;
    ++sleeps;
  }
  int32_t lastSleep = 0;
  std::string shown;
};

TEST(Startup, SkinsOnlyTheInstructionsBoxThenRegistersAndFades) {
  RecordingStartup port;
  RunCreatedHandler(port);
  EXPECT_EQ(port.steps,
            (std::vector<std::string>{"attach", "instructions", "detach", "hotkeys", "framework",
                                      "groups", "hide", "alpha", "show", "alpha"}));
  ASSERT_EQ(port.alphas.size(), 38u);  // 0, 36 steps, 255
  EXPECT_EQ(port.alphas.front(), 0);
  const std::vector<int32_t> first(port.alphas.begin() + 1, port.alphas.begin() + 10);
  EXPECT_EQ(first, (std::vector<int32_t>{6, 13, 20, 27, 34, 41, 48, 55, 63}));
  EXPECT_EQ(port.alphas[35], 247);
  EXPECT_EQ(port.alphas[36], 255);
  EXPECT_EQ(port.alphas.back(), 255);
  EXPECT_EQ(port.sleeps, 36);
  EXPECT_EQ(port.lastSleep, kFadeSpeed);
}

TEST(Startup, OutsideTheNtFamilyTheWindowShowsAtOnce) {
  RecordingStartup port;
  port.platform = 2;
  FadeIn(port, kFadeSpeed);
  EXPECT_EQ(port.steps, (std::vector<std::string>{"hide", "show"}));
  EXPECT_TRUE(port.alphas.empty());
}

TEST(Startup, FadeSpeedIsClamped) {
  RecordingStartup port;
  FadeIn(port, 0);  // no steps, straight to opaque
  EXPECT_EQ(port.alphas, (std::vector<int32_t>{0, 255}));
  RecordingStartup fast;
  FadeIn(fast, 1000);  // clamped to 64: 256 steps
  EXPECT_EQ(fast.alphas.size(), 258u);
}

TEST(Startup, InstructionsHave24LinesAndNoTrailingBreak) {
  std::string text = texts::kInstructions;
  std::vector<std::string> lines;
  size_t at = 0;
  for (;;) {
    const size_t br = text.find("\r\n", at);
    lines.push_back(text.substr(at, br == std::string::npos ? std::string::npos : br - at));
    if (br == std::string::npos) break;
    at = br + 2;
  }
  ASSERT_EQ(lines.size(), 24u);
  for (int empty : {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22}) EXPECT_TRUE(lines[empty - 1].empty());
  for (int indented : {3, 5, 7, 9, 13, 17, 21}) {
    EXPECT_EQ(lines[indented - 1].substr(0, 4), "    ");
    EXPECT_NE(lines[indented - 1][4], ' ');
  }
  for (int signature : {23, 24}) {
    EXPECT_EQ(lines[signature - 1].find_first_not_of(' '), 74u);
  }
  EXPECT_FALSE(text.size() >= 2 && text.substr(text.size() - 2) == "\r\n");
}

}  // namespace
}  // namespace clicker
