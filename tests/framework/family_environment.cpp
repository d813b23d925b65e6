// The framework runs for the whole test program, as it does for the whole
// program; each test window is attached and destroyed by its test.
#include <gtest/gtest.h>

#include "family_test_support.h"
#include "framework/shared.h"

namespace framework_test {
namespace {

constexpr char kClassName[] = "FrameworkTestWindow";
framework::SkinFramework* theFramework = nullptr;

class FrameworkEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                       ICC_INTERNET_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    LoadLibraryA("riched20.dll");
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    RegisterClassA(&wc);
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

TestWindow::TestWindow(int width, int height) {
  hwnd_ = CreateWindowExA(0, kClassName, "测试", WS_POPUP, 60, 60, width, height, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
}

TestWindow::~TestWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  Pump(10);
}

HWND TestWindow::Add(const char* className, DWORD style, int x, int y, int width, int height,
                     const char* text, DWORD exStyle, HWND parent) {
  static int id = 100;
  return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                         height, parent != nullptr ? parent : hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)),
                         GetModuleHandleA(nullptr), nullptr);
}

void TestWindow::Attach() {
  Framework().AttachWindow(hwnd_, framework::AttachOptions{});
  ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  UpdateWindow(hwnd_);
  Pump(100);
}

int TestWindow::Number() const {
  return framework::FindWindowNumber(Framework(), hwnd_);
}

framework::WindowRecord& TestWindow::Record() const {
  return *Framework().Window(Number());
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
