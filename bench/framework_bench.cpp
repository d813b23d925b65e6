// The drawn frame's costs at the main window's size at the display's scale
// (498 x 468 at 96 DPI, 996 x 936 at 192): a full rendering, and the GDI
// objects and private bytes over many hover fades and renderings.
#include <windows.h>
// After windows.h.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "data/pictures/pictures.h"
#include "framework/dpi.h"
#include "framework/skin_framework.h"
#include "tests/framework/gdi_meter.h"

namespace {

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  if (counters.PrivateUsage != 0) return counters.PrivateUsage;
  // Wine leaves PrivateUsage at 0: add up the committed private regions.
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION info{};
  for (char* address = nullptr; VirtualQuery(address, &info, sizeof info) == sizeof info;
       address = static_cast<char*>(info.BaseAddress) + info.RegionSize) {
    if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
  }
  return total;
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND) return 0;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main() {
  using framework::testing::LiveGdiObjects;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &PlainProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "FrameworkBench";
  RegisterClassA(&wc);

  framework::SkinFramework skin;
  framework::SetProgramFramework(&skin);
  skin.StartUp();
  const int dpi = framework::MonitorDpi(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY));
  const int width = framework::ScaleLength(498, dpi);
  const int height = framework::ScaleLength(468, dpi);
  HWND window = CreateWindowExA(0, "FrameworkBench", "鼠标坐标", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                height, nullptr, nullptr, wc.hInstance, nullptr);
  std::printf("dpi=%d\nwidth=%d\nheight=%d\n", framework::WindowDpi(window), width, height);
  skin.SetBackground(nullptr, kBackgroundJpg, kBackgroundJpgSize, COLORREF{0}, LONG{0x00C0C0C0}, 3);
  skin.Settings(1, 32);
  framework::AttachOptions options;
  skin.AttachWindow(window, options);
  framework::testing::Pump(100);

  // Full renderings, presented.
  std::vector<double> times;
  for (int i = 0; i < 200; ++i) {
    const double t0 = NowMs();
    skin.RenderFrame(1, nullptr, true);
    times.push_back(NowMs() - t0);
  }
  std::sort(times.begin(), times.end());
  std::printf("render_median_ms=%.3f\nrender_p90_ms=%.3f\n", times[times.size() / 2],
              times[times.size() * 9 / 10]);

  framework::WindowRecord* record = skin.Window(1);
  if (record == nullptr) return 1;
  const framework::TitleButton& close = record->titleButtons[1];
  const LPARAM onClose =
      MAKELPARAM(static_cast<int>(close.x + close.w / 2), static_cast<int>(close.y + close.h / 2));
  auto fade = [&] {
    SendMessageA(window, WM_MOUSEHOVER, 0, 0);
    SendMessageA(window, WM_MOUSEMOVE, 0, onClose);
    for (int step = 0; step < 8; ++step)
      SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
    SendMessageA(window, WM_MOUSELEAVE, 0, 0);
    for (int step = 0; step < 9; ++step)
      SendMessageA(window, WM_TIMER, reinterpret_cast<WPARAM>(window), 0);
  };
  for (int i = 0; i < 20; ++i) fade();  // warm-up
  std::printf("gui_resources_reported=%lu\n",
              static_cast<unsigned long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)));
  const int gdiBefore = LiveGdiObjects();
  const SIZE_T bytesBefore = PrivateBytes();
  for (int i = 0; i < 1000; ++i) fade();
  framework::testing::Pump();
  const int gdiFades = LiveGdiObjects();
  const SIZE_T bytesFades = PrivateBytes();
  for (int i = 0; i < 1000; ++i) skin.RenderFrame(1, nullptr, true);
  framework::testing::Pump();
  const int gdiRenders = LiveGdiObjects();
  const SIZE_T bytesRenders = PrivateBytes();
  std::printf("gdi_before=%d\ngdi_after_fades=%d\ngdi_after_renders=%d\n", gdiBefore, gdiFades,
              gdiRenders);
  std::printf(
      "private_kib_before=%zu\nprivate_kib_after_fades=%zu\nprivate_kib_after_renders=%zu\n",
      static_cast<size_t>(bytesBefore / 1024), static_cast<size_t>(bytesFades / 1024),
      static_cast<size_t>(bytesRenders / 1024));
  DestroyWindow(window);
  framework::testing::Pump();
  return 0;
}
