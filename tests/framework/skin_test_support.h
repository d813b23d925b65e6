#pragma once

// Shared pieces of the framework's Wine tests: a framework object, a plain
// top-level window with controls of the test's choosing (test_window.h, with
// the pumping and pixel reads), pictures of it and a count of live GDI
// objects.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "framework/records.h"
#include "framework/skin_framework.h"
#include "gdiplus/image.h"
#include "tests/framework/gdi_meter.h"
#include "tests/framework/test_window.h"
#include "tests/gdiplus/colours.h"

namespace framework::testing {

// Lets the window's and the controls' messages run for at least ms.
inline void PumpFor(int ms) {
  Pump(static_cast<DWORD>(ms));
}

// Saves what a window shows (its whole window area) as a PNG file.
inline bool SaveWindowPicture(HWND window, const char* path) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC source = GetWindowDC(window);
  HDC memory = CreateCompatibleDC(source);
  HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteDC(memory);
  ReleaseDC(window, source);
  bool saved = false;
  {
    gdiplus::Bitmap picture;
    if (picture.CreateFromHBITMAP(bitmap)) saved = picture.SaveToFile(path, "image/png");
  }
  DeleteObject(bitmap);
  return saved;
}

// Where the pictures of the tests go (the build's artefact folder, given by
// the test's environment, else the working directory).
inline std::string ArtefactPath(const char* name) {
  char folder[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA("CLICKER_ARTEFACTS", folder, MAX_PATH);
  std::string path = length > 0 && length < MAX_PATH ? std::string(folder) + "\\" : std::string();
  return path + name;
}

using test_colours::Near;

// The three channels added up, 0 to 765.
inline int ChannelSum(COLORREF colour) {
  return GetRValue(colour) + GetGValue(colour) + GetBValue(colour);
}

// The program-wide framework object for one test.
class FrameworkScope {
 public:
  explicit FrameworkScope(bool translucent = true) {
    framework_ = std::make_unique<SkinFramework>();
    framework_->StartUp();
    SetProgramFramework(framework_.get());
    framework_->Settings(1, translucent ? std::optional<int>(32) : std::nullopt);
    framework_->SetBackground(nullptr, nullptr, 0, kBackground, std::nullopt, std::nullopt);
  }
  ~FrameworkScope() {
    SetProgramFramework(nullptr);
    framework_.reset();
  }
  FrameworkScope(const FrameworkScope&) = delete;
  FrameworkScope& operator=(const FrameworkScope&) = delete;
  SkinFramework& operator*() { return *framework_; }
  SkinFramework* operator->() { return framework_.get(); }

  static constexpr COLORREF kBackground = RGB(40, 80, 160);

 private:
  std::unique_ptr<SkinFramework> framework_;
};

}  // namespace framework::testing
