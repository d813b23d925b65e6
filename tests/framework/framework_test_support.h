#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "framework/records.h"
#include "framework/skin_framework.h"
#include "tests/framework/gdi_meter.h"

namespace framework::testing {

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
// Runs for every message the procedure sees, before it answers (a test's
// stand-in for what a modal loop does meanwhile); empty by default.
extern std::function<void(const Seen&)> whileHandling;
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
  // Window n moved to a monitor at `dpi`, as Windows tells it: the rectangle
  // suggested is its place with its size scaled by the ratio of the scales.
  void MoveToScale(int n, int dpi);

  std::unique_ptr<SkinFramework> skin;
  std::vector<HWND> windows;
};

// The first WM_SIZE of an attached window, its first placement: from then on
// the framework renders the frame again at every new size.
inline void HadFirstPlacement(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

// Screen pixel as a COLORREF.
COLORREF ScreenPixel(int x, int y);

// The pixels of title button `index` in the window's last rendering, row by
// row.
inline std::vector<COLORREF> TitleButtonPixels(const WindowRecord& record, int index) {
  const TitleButton& button = record.titleButtons[index];
  std::vector<COLORREF> pixels;
  for (int y = 0; y < static_cast<int>(button.h); ++y)
    for (int x = 0; x < static_cast<int>(button.w); ++x)
      pixels.push_back(GetPixel(record.frameCache, static_cast<int>(button.x) + x,
                                static_cast<int>(button.y) + y));
  return pixels;
}

}  // namespace framework::testing
