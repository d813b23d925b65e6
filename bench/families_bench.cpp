// The control families' costs at the main window's settings: the time of
// one repaint of an edit frame, a push button, a check box, a radio button
// and a combo box, and the GDI objects and private bytes over 10,000
// repaints of each.
#include <windows.h>
// After windows.h.
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "data/pictures/pictures.h"
#include "framework/buttons.h"
#include "framework/edits.h"
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

HWND Add(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w, int h,
         DWORD ex = 0) {
  HWND control = CreateWindowExA(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
               FALSE);
  return control;
}

// Times `repaint` run `count` times (after a warm-up), keeping the GDI and
// memory figures around the run.
void Measure(const char* name, int count, const std::function<void(int)>& repaint) {
  for (int i = 0; i < 50; ++i) repaint(i);
  framework::testing::Pump();
  const int gdiBefore = framework::testing::LiveGdiObjects();
  const SIZE_T bytesBefore = PrivateBytes();
  std::vector<double> times;
  times.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double t0 = NowMs();
    repaint(i);
    times.push_back(NowMs() - t0);
    if (i % 100 == 0) framework::testing::Pump();
  }
  framework::testing::Pump();
  const int gdiAfter = framework::testing::LiveGdiObjects();
  const SIZE_T bytesAfter = PrivateBytes();
  std::sort(times.begin(), times.end());
  std::printf(
      "%s_repaints=%d\n%s_median_ms=%.3f\n%s_p90_ms=%.3f\n%s_gdi_before=%d\n%s_gdi_after=%d\n"
      "%s_private_kb_before=%llu\n%s_private_kb_after=%llu\n",
      name, count, name, times[times.size() / 2], name, times[times.size() * 9 / 10], name,
      gdiBefore, name, gdiAfter, name, static_cast<unsigned long long>(bytesBefore / 1024), name,
      static_cast<unsigned long long>(bytesAfter / 1024));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 10000;
  WNDCLASSA wc{};
  wc.lpfnWndProc = &DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "FamiliesBench";
  RegisterClassA(&wc);

  framework::SkinFramework skin;
  framework::SetProgramFramework(&skin);
  skin.StartUp();
  HWND window = CreateWindowExA(0, "FamiliesBench", "families", WS_POPUP, 100, 100, 498, 468,
                                nullptr, nullptr, wc.hInstance, nullptr);
  HWND edit = Add(window, "EDIT", "123", ES_AUTOHSCROLL, 32, 192, 96, 24, WS_EX_CLIENTEDGE);
  HWND push = Add(window, "BUTTON", "清除", BS_PUSHBUTTON, 416, 128, 40, 24);
  HWND check = Add(window, "BUTTON", "复选框", BS_AUTOCHECKBOX, 32, 64, 96, 24);
  HWND radio = Add(window, "BUTTON", "鼠标左键单击", BS_AUTORADIOBUTTON, 32, 88, 96, 24);
  HWND combo = Add(window, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 160, 88, 120, 200);
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("选项"));
  SendMessageA(combo, CB_SETCURSEL, 0, 0);
  SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
  skin.SetBackground(nullptr, kBackgroundJpg, kBackgroundJpgSize, COLORREF{0}, LONG{0x00C0C0C0}, 3);
  skin.Settings(1, 32);
  skin.AttachWindow(window, framework::AttachOptions{});
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  framework::testing::Pump(200);

  const framework::WindowRecord* record = skin.Window(1);
  if (record == nullptr) return 1;
  const int editIndex = record->edits.Find(edit);
  const int comboIndex = record->combos.Find(combo);
  // A repaint as the system asks for it: the whole control, erased, with its frame.
  auto redraw = [](HWND control) {
    RedrawWindow(control, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  };
  Measure("edit_frame", count,
          [&](int i) { framework::PaintEditFrame(skin, 1, editIndex, i & 1, false); });
  Measure("edit_redraw", count, [&](int) { redraw(edit); });
  Measure("push_button", count, [&](int i) { framework::RepaintButton(skin, push, i & 1); });
  Measure("push_redraw", count, [&](int) { redraw(push); });
  Measure("check_box", count, [&](int i) { framework::RepaintButton(skin, check, i & 1); });
  Measure("radio_button", count, [&](int i) { framework::RepaintButton(skin, radio, i & 1); });
  Measure("combo_box", count,
          [&](int i) { framework::PaintCombo(skin, 1, comboIndex, i & 1, false); });
  DestroyWindow(window);
  framework::testing::Pump();
  return 0;
}
