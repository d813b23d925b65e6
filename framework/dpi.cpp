#include "framework/dpi.h"

#include "framework/gdi_handles.h"

namespace framework {
namespace {

template <class Function>
Function Find(HMODULE module, const char* name) {
  if (module == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// A DPI no display has is a broken answer: the system's stands in.
int Plausible(UINT dpi) {
  return dpi <= 960 && IsPlausibleDpi(static_cast<int>(dpi)) ? static_cast<int>(dpi) : SystemDpi();
}

}  // namespace

const DpiFunctions& DpiFunctions::OfSystem() {
  static const DpiFunctions functions = [] {
    DpiFunctions found;
    found.getDpiForWindow =
        Find<decltype(found.getDpiForWindow)>(GetModuleHandleA("user32.dll"), "GetDpiForWindow");
    // shcore comes from the system folder only: a file of that name beside
    // the program (a downloads folder) is never loaded. It stays for the
    // process.
    char path[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryA(path, MAX_PATH - 12);
    HMODULE shcore = nullptr;
    if (length > 0 && length < MAX_PATH - 12) {
      lstrcatA(path, "\\shcore.dll");
      shcore = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    found.getDpiForMonitor = Find<decltype(found.getDpiForMonitor)>(shcore, "GetDpiForMonitor");
    return found;
  }();
  return functions;
}

int SystemDpi() {
  const WindowDc screen(nullptr, WindowDc::Area::kClient);
  const int dpi = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 0;
  return IsPlausibleDpi(dpi) ? dpi : kDesignDpi;
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
