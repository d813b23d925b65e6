#pragma once

#include <windows.h>

namespace framework {

// Lengths of the design are pixels of a display at 96 DPI (100 %).
inline constexpr int kDesignDpi = 96;

// A design length at `dpi`, rounded to the nearest pixel (halves away from
// zero, as MulDiv rounds).
inline int ScaleLength(int design, int dpi) {
  const long long product = static_cast<long long>(design) * dpi;
  const long long half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                       : -((-product + half) / kDesignDpi));
}

// Whether a DPI is one a display can have (what a system call or a message
// claims is checked against this before it is used).
inline bool IsPlausibleDpi(int dpi) {
  return dpi >= 48 && dpi <= 960;
}

// The per-monitor DPI functions of Windows 8.1 and 10, looked up at run time:
// Windows 7 has neither, and there everything is at the system DPI.
struct DpiFunctions {
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;
  HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;

  // This system's, found once.
  static const DpiFunctions& OfSystem();
};

// The DPI of the screen as the process sees it (its system DPI).
int SystemDpi();
// The DPI a window is drawn at: its monitor's for a per-monitor aware
// program, else the system DPI.
int WindowDpi(HWND window, const DpiFunctions& functions = DpiFunctions::OfSystem());
int MonitorDpi(HMONITOR monitor, const DpiFunctions& functions = DpiFunctions::OfSystem());

}  // namespace framework
