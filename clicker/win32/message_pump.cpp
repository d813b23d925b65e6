#include "clicker/win32/message_pump.h"

#include "clicker/wait.h"

namespace clicker::win32 {
namespace {

PreTranslateHook preTranslate = nullptr;

uint64_t CounterFrequency() {
  static const uint64_t frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<uint64_t>(f.QuadPart);
  }();
  return frequency;
}

uint64_t CounterNow() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<uint64_t>(now.QuadPart);
}

}  // namespace

void SetPreTranslateHook(PreTranslateHook hook) {
  preTranslate = hook;
}

void DispatchOne(MSG& msg) {
  if (preTranslate != nullptr && preTranslate(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool PumpPending() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
    if (msg.message == WM_QUIT) return true;
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return true;
    DispatchOne(msg);
  }
  return false;
}

void WaitPumping(int32_t ms) {
  SpinWait(ms, CounterFrequency(), CounterNow, PumpPending);
}

int RunMessageLoop() {
  MSG msg;
  int got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) return -1;
    DispatchOne(msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace clicker::win32
