// The framework runs for the whole test program, as it does for the whole
// program; each test window is attached and destroyed by its test.
#include <gtest/gtest.h>

#include "family_test_support.h"
#include "framework/shared.h"

namespace framework_test {
namespace {

framework::SkinFramework* theFramework = nullptr;

class FrameworkEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                       ICC_INTERNET_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryA("riched20.dll");
    theFramework = new framework::SkinFramework;
    theFramework->StartUp();
    framework::SetProgramFramework(theFramework);
  }
  void TearDown() override {
    delete theFramework;
    theFramework = nullptr;
  }
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new FrameworkEnvironment);

}  // namespace

framework::SkinFramework& Framework() {
  return *theFramework;
}

void FrameworkTest::SetUp() {
  framework::SkinFramework& fw = Framework();
  fw.Settings(1, 32);
  fw.SetBackground(nullptr, nullptr, 0, std::nullopt, LONG{RGB(255, 0, 0)}, std::nullopt);
  Background(RGB(0, 0, 160));
}

void FrameworkTest::TearDown() {
  Pump(10);
}

void FrameworkTest::Translucent(bool on) {
  Framework().Settings(1, on ? std::optional<int>(32) : std::nullopt);
}

void FrameworkTest::Background(COLORREF colour) {
  Framework().SetBackground(nullptr, nullptr, 0, colour, std::nullopt, 0);
}

}  // namespace framework_test
