#include "clicker/win32/timer_control.h"

namespace clicker::win32 {
namespace {

constexpr char kClassName[] = "ClickerTimerControl";
constexpr char kTimerProperty[] = "Rt_Timer";

void RegisterTimerClass() {
  static const bool registered = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

TimerControl::TimerControl(int32_t period, std::function<void()> onTick, TickTiming timing)
    : onTick_(std::move(onTick)) {
  RegisterTimerClass();
  window_ = CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  SetPropA(window_, kTimerProperty, this);
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TimerControl::Procedure));
  if (timing == TickTiming::Counter)
    ticker_ = std::make_unique<PreciseTicker>(window_, kTimerId, [this] { RaiseTick(); });
  SetTimerPeriod(*this, period);
}

TimerControl::~TimerControl() {
  ticker_.reset();
  if (running_) KillTimer(window_, kTimerId);
  RemovePropA(window_, kTimerProperty);
  DestroyWindow(window_);
}

LRESULT CALLBACK TimerControl::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    auto* timer = static_cast<TimerControl*>(GetPropA(window, kTimerProperty));
    if (timer == nullptr) return 0;
    if (timer->ticker_) {
      timer->ticker_->TickFromBackstop();
    } else {
      timer->RaiseTick();
    }
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void SetTimerPeriod(TimerControl& timer, int32_t ms) {
  const int32_t period = ms > 0 ? ms : 0;
  if (period == timer.period_) return;
  timer.period_ = period;
  if (timer.running_) KillTimer(timer.window_, TimerControl::kTimerId);
  timer.running_ = period > 0;
  RestartTimer(timer);
}

void RestartTimer(TimerControl& timer) {
  if (timer.ticker_) timer.ticker_->Start(timer.running_ ? timer.period_ : 0);
  if (timer.running_)
    SetTimer(timer.window_, TimerControl::kTimerId, static_cast<UINT>(timer.period_), nullptr);
}

}  // namespace clicker::win32
