#pragma once

// A plain top-level window of a test's own, made hidden: controls go in
// before the framework is attached to it; and what a window shows.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "tests/framework/gdi_meter.h"
#include "tests/gdiplus/colours.h"

namespace framework::testing {

// What a window shows at (x, y) of its window rectangle.
inline test_colours::Rgb PixelOf(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return test_colours::ToRgb(colour);
}

// `colour` laid at `alpha` over `under`, as GDI+ does.
inline test_colours::Rgb Blend(COLORREF under, COLORREF colour, int alpha) {
  auto mix = [alpha](int below, int above) {
    return (above * alpha + below * (255 - alpha)) / 255;
  };
  return test_colours::Rgb{mix(GetRValue(under), GetRValue(colour)),
                           mix(GetGValue(under), GetGValue(colour)),
                           mix(GetBValue(under), GetBValue(colour))};
}

class TestWindow {
 public:
  explicit TestWindow(int width = 480, int height = 360) {
    static const bool registered = [] {
      WNDCLASSA wc{};
      wc.lpfnWndProc = DefWindowProcA;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
      wc.lpszClassName = "TestWindow";
      return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    hwnd_ = CreateWindowExA(0, "TestWindow", "测试", WS_POPUP, 60, 60, width, height, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~TestWindow() {
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    Pump(10);
  }
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  // A visible child of the window (or of `parent`), with an id of its own.
  HWND Add(const char* className, DWORD style, int x, int y, int width, int height,
           const char* text = "", DWORD exStyle = 0, HWND parent = nullptr) {
    static int id = 100;
    return CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                           height, parent != nullptr ? parent : hwnd_,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(++id)),
                           GetModuleHandleA(nullptr), nullptr);
  }
  // Attaches the framework, then shows the window painted (unless not asked to).
  void Attach(SkinFramework& framework, bool show = true) {
    framework_ = &framework;
    framework.AttachWindow(hwnd_, AttachOptions{});
    if (show) Show();
  }
  void Show() {
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd_);
    Pump(100);
  }
  // The window's number and record once attached (a failure and an empty
  // record before).
  int Number() const { return framework_ != nullptr ? FindWindowNumber(*framework_, hwnd_) : 0; }
  WindowRecord& Record() const {
    WindowRecord* record = framework_ != nullptr ? framework_->Window(Number()) : nullptr;
    if (record != nullptr) return *record;
    ADD_FAILURE() << "the window is not attached";
    static WindowRecord none;
    return none;
  }

 private:
  HWND hwnd_ = nullptr;
  SkinFramework* framework_ = nullptr;
};

}  // namespace framework::testing
