#include "framework/dpi.h"

namespace framework {
namespace {

template <class Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A DPI no display has is a broken answer: the system's stands in.
int Plausible(UINT dpi) {
  return dpi >= 48 && dpi <= 960 ? static_cast<int>(dpi) : SystemDpi();
}

}  // namespace

const DpiFunctions& DpiFunctions::OfSystem() {
  static const DpiFunctions functions = [] {
    DpiFunctions found;
    found.getDpiForWindow =
        Find<decltype(found.getDpiForWindow)>(GetModuleHandleA("user32.dll"), "GetDpiForWindow");
    // shcore is not loaded by anything else of ours; it stays for the process.
    found.getDpiForMonitor =
        Find<decltype(found.getDpiForMonitor)>(LoadLibraryA("shcore.dll"), "GetDpiForMonitor");
    return found;
  }();
  return functions;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dpi >= 48 && dpi <= 960 ? dpi : kDesignDpi;
}

int WindowDpi(HWND window, const DpiFunctions& functions) {
  if (window != nullptr && functions.getDpiForWindow != nullptr)
    return Plausible(functions.getDpiForWindow(window));
  if (window != nullptr && functions.getDpiForMonitor != nullptr)
    return MonitorDpi(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), functions);
  return SystemDpi();
}

int MonitorDpi(HMONITOR monitor, const DpiFunctions& functions) {
  if (monitor == nullptr || functions.getDpiForMonitor == nullptr) return SystemDpi();
  UINT x = 0;
  UINT y = 0;
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  if (FAILED(functions.getDpiForMonitor(monitor, kEffectiveDpi, &x, &y))) return SystemDpi();
  return Plausible(y);
}

}  // namespace framework
