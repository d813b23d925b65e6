#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "framework/records.h"
#include "framework/skin_framework.h"

namespace framework::testing {

// Live GDI objects of this process. GetGuiResources answers 0 under Wine,
// which accepts a handle by its table index alone, so there the table is
// walked instead.
inline int LiveGdiObjects() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  if (reported > 0) return static_cast<int>(reported);
  int count = 0;
  for (uintptr_t index = 1; index < 0x10000; ++index)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
  return count;
}

// Dispatches what is queued; with ms > 0 keeps doing so for that long.
inline void Pump(DWORD ms = 0) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    if (ms > 0) Sleep(1);
  } while (GetTickCount() - start < ms);
}

struct Seen {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// The procedure the framework finds on a test window: it keeps what reaches
// it, answers the colour messages with a marker, and swallows the system
// commands that would start a modal loop, unless passSystemCommands is set.
inline constexpr LRESULT kColourMarker = 0x1234;
std::vector<Seen>& SeenMessages();
extern bool passSystemCommands;
LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The number of system commands `command` seen (masked with 0xFFF0 unless exact).
int CountSystemCommands(WPARAM command, bool exact = false);

class FrameworkTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A visible top-level test window with the recording procedure.
  HWND MakeWindow(DWORD extraStyle = 0, int x = 100, int y = 100, int width = 400, int height = 300,
                  const char* title = "框架测试");
  HWND MakeChild(HWND parent, const char* className, int x, int y, int width, int height);
  // Attaches with the application's values unless told otherwise.
  int Attach(HWND window, int titleHeight = 25);
  // Record n, or a failure and an empty record.
  WindowRecord& Record(int n);

  std::unique_ptr<SkinFramework> skin;
  std::vector<HWND> windows;
};

// Screen pixel as a COLORREF.
COLORREF ScreenPixel(int x, int y);

}  // namespace framework::testing
