#include "clicker/win32/input_ops.h"

#include "clicker/texts.h"
#include "clicker/win32/fine_timer.h"
#include "clicker/win32/message_pump.h"

namespace clicker::win32 {

ClickSequence ClickSequenceOf(ClickType type) {
  switch (type) {
    case LeftDoubleClick:
      return {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP},
              4};
    case RightClick:
      return {{MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 0, 0}, 2};
    case RightDoubleClick:
      return {
          {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP},
          4};
    default:  // LeftClick and anything unknown
      return {{MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 0, 0}, 2};
  }
}

bool PointOnMonitor(int32_t x, int32_t y) {
  return MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONULL) != nullptr;
}

bool PutCursorOn(int32_t x, int32_t y) {
  for (int move = 0; move < 2; ++move) {
    SetCursorPos(x, y);
    POINT at{};
    if (GetCursorPos(&at) && at.x == x && at.y == y) return true;
  }
  return false;
}

namespace {

// ClickAt for a point known to lie on a monitor.
bool PressAt(int32_t x, int32_t y, ClickType type) {
  if (!PutCursorOn(x, y)) return false;
  // One call for all the presses: the system does not put the user's own
  // input between them, so a click cannot become a drag. No move or absolute
  // flag: they happen where the cursor was put, on that very pixel; dx and
  // dy only carry the point along.
  const ClickSequence sequence = ClickSequenceOf(type);
  INPUT inputs[4] = {};
  for (int i = 0; i < sequence.count; ++i) {
    inputs[i].type = INPUT_MOUSE;
    inputs[i].mi.dx = x;
    inputs[i].mi.dy = y;
    inputs[i].mi.dwFlags = sequence.flags[i];
  }
  const auto count = static_cast<UINT>(sequence.count);
  return SendInput(count, inputs, sizeof(INPUT)) == count;
}

}  // namespace

bool ClickAt(int32_t x, int32_t y, ClickType type) {
  // The system would put the cursor for a point no monitor holds on the edge
  // of one, and the press would land there.
  return PointOnMonitor(x, y) && PressAt(x, y, type);
}

uint64_t ClickAtDue(uint64_t due, int32_t x, int32_t y, ClickType type) {
  LookLead none{0};
  return ClickAtDue(due, x, y, type, nullptr, none);
}

void LookLead::Took(uint64_t taken) {
  const uint64_t most = TicksOfMicroseconds(kMostMicroseconds);
  const uint64_t target = taken < most / 2 ? 2 * taken : most;
  if (target >= ticks) {
    ticks += (target - ticks) / 8;
  } else {
    ticks -= (ticks - target) / 8;
  }
}

uint64_t ClickAtDue(uint64_t due, int32_t x, int32_t y, ClickType type,
                    const std::function<bool()>& stopped, LookLead& lead) {
  // Moving the pointer sets the window system to work for whatever lies
  // under the point (crossing and hover events); done ahead, that work is
  // over by the due time, and the press itself comes on time.
  // The point is looked at once, ahead: a look into the system's monitors
  // can take a while, and the press must not wait for it.
  const bool onMonitor = PointOnMonitor(x, y);
  bool onTime = false;
  if (CounterNow() < due) {
    if (onMonitor) SetCursorPos(x, y);
    onTime = CounterNow() < due && SpinUntilDue(due, stopped ? lead.ticks : 0);
  }
  if (stopped) {
    const uint64_t lookedAt = CounterNow();
    if (stopped()) return lookedAt;
    if (onTime) lead.Took(CounterNow() - lookedAt);
    onTime = onTime && CounterNow() < due && SpinUntilDue(due);
  }
  // A move or a look that took it past the due time makes the click late:
  // its interval then runs from now, like that of any late click.
  const uint64_t began = onTime ? due : CounterNow();
  if (onMonitor) PressAt(x, y, type);
  return began;
}

int32_t CursorX() {
  POINT p{};
  GetCursorPos(&p);
  return p.x;
}

int32_t CursorY() {
  POINT p{};
  GetCursorPos(&p);
  return p.y;
}

void ShowNotice(const char* text, NoticeIcon icon) {
  UINT style = MB_OK | MB_TASKMODAL;
  if (icon == NoticeIcon::Information) style |= MB_ICONINFORMATION;
  MessageBoxA(nullptr, text, texts::kNoticeTitle, style);
}

int32_t PlatformKind() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
  // GetVersionExA is deprecated for version checks, not for the platform id.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&info)) return 0;
#pragma GCC diagnostic pop
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s:
      return 1;
    case VER_PLATFORM_WIN32_WINDOWS:
      return 2;
    case VER_PLATFORM_WIN32_NT:
      return 3;
    default:
      return 0;
  }
}

void SetWindowAlpha(HWND window, int32_t alpha) {
  if (PlatformKind() != 3) return;
  if (alpha < 0) alpha = 0;
  if (alpha > 255) alpha = 255;
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  if ((exStyle & WS_EX_LAYERED) == 0)
    SetWindowLongPtrA(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

void SleepMs(int32_t ms) {
  Sleep(ms < 0 ? 0 : static_cast<DWORD>(ms));
}

void Win32InputPort::ClickAt(int32_t x, int32_t y, ClickType type) {
  win32::ClickAt(x, y, type);
}
bool Win32InputPort::PointOnMonitor(int32_t x, int32_t y) {
  return win32::PointOnMonitor(x, y);
}
void Win32InputPort::WaitPumping(int32_t ms) {
  win32::WaitPumping(ms);
}
WaitMark Win32InputPort::MarkNow() {
  return CounterNow();
}
void Win32InputPort::WaitPumpingNear(WaitMark start, int32_t ms, StopSignal stop) {
  win32::WaitPumpingNear(start, ms, stop);
}
WaitMark Win32InputPort::ClickAtOnTime(WaitMark start, int32_t ms, int32_t x, int32_t y,
                                       ClickType type, StopSignal stop) {
  const uint64_t due = CounterAfter(start, ms);
  if (!runWaitingStop_) return ClickAtDue(due, x, y, type);
  const std::function<bool()> stopped = [this, stop] {
    runWaitingStop_();
    return stop.Raised();
  };
  return ClickAtDue(due, x, y, type, stopped, lookLead_);
}
void Win32InputPort::SetStopFinder(std::function<void()> runWaitingStop) {
  runWaitingStop_ = std::move(runWaitingStop);
}
void Win32InputPort::WaitOut(WaitMark start, int32_t ms) {
  SpinUntilDue(CounterAfter(start, ms));
}
void Win32InputPort::BeginFineTiming() {
  HoldFineTimer();
}
void Win32InputPort::EndFineTiming() {
  ReleaseFineTimer();
}
void Win32InputPort::PumpPending() {
  win32::PumpPending();
}
int32_t Win32InputPort::CursorX() {
  return win32::CursorX();
}
int32_t Win32InputPort::CursorY() {
  return win32::CursorY();
}
void Win32InputPort::ShowNotice(const char* text) {
  win32::ShowNotice(text);
}

}  // namespace clicker::win32
