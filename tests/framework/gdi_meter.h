#pragma once

#include <windows.h>
// After windows.h.
#include <psapi.h>

#include <cstdint>

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

// Private bytes of this process; Wine leaves PrivateUsage at 0 and reports
// the committed memory as the page-file usage.
inline SIZE_T PrivateBytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof counters);
  return counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
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

}  // namespace framework::testing
