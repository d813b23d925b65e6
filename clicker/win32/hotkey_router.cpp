#include "clicker/win32/hotkey_router.h"

namespace clicker::win32 {
namespace {

// The window whose procedure the router replaced leads back to the router.
constexpr char kRouterProperty[] = "Rt_Hotkeys";
// While a key is held the router looks every so often whether it is up again.
constexpr UINT_PTR kHeldTimer = 0x7A11;
constexpr UINT kHeldCheckMs = 25;

bool KeyDown(int32_t vk) {
  return (GetAsyncKeyState(vk) & 0x8000) != 0;
}

}  // namespace

UINT HotkeyRouter::TranslateModifiers(int32_t modifiers) {
  switch (modifiers) {
    case 1:
      return MOD_CONTROL;
    case 2:
      return MOD_SHIFT;
    case 4:
      return MOD_ALT;
    case 3:
      return MOD_CONTROL | MOD_SHIFT;
    case 5:
      return MOD_CONTROL | MOD_ALT;
    case 6:
      return MOD_SHIFT | MOD_ALT;
    default:
      return static_cast<UINT>(modifiers);
  }
}

int32_t HotkeyRouter::Register(HWND window, HWND receiver, int32_t modifiers, int32_t key) {
  receiver_ = receiver;
  const UINT systemModifiers = TranslateModifiers(modifiers);
  if (previous_ == nullptr) {
    window_ = window;
    SetPropA(window, kRouterProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HotkeyRouter::Procedure)));
  }
  ++sequence_;
  const int32_t id = 33000 + sequence_;
  lastIssuedId_ = id;
  const UINT vk = static_cast<UINT>(key);
  if (!RegisterHotKey(window, id, systemModifiers | MOD_NOREPEAT, vk) &&
      !RegisterHotKey(window, id, systemModifiers, vk)) {
    return 0;
  }
  keys_.push_back({id, key, false});
  return id;
}

bool HotkeyRouter::TakePress(int32_t id) {
  for (Key& key : keys_) {
    if (key.id != id) continue;
    // A key that is not down now cannot be repeating (a press posted by a
    // program, or one already let go).
    if (key.held && KeyDown(key.vk)) return false;
    key.held = true;
    SetTimer(window_, kHeldTimer, kHeldCheckMs, nullptr);
    return true;
  }
  return true;
}

void HotkeyRouter::CheckHeldKeys() {
  bool anyHeld = false;
  for (Key& key : keys_) {
    if (key.held && !KeyDown(key.vk)) key.held = false;
    anyHeld = anyHeld || key.held;
  }
  if (!anyHeld) KillTimer(window_, kHeldTimer);
}

LRESULT CALLBACK HotkeyRouter::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* router = static_cast<HotkeyRouter*>(GetPropA(window, kRouterProperty));
  if (router == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC previous = router->previous_;
  if (message == WM_TIMER && wParam == kHeldTimer) {
    router->CheckHeldKeys();
    return 0;
  }
  if (message == WM_HOTKEY) {
    for (int32_t id = kFirstId; id <= router->lastIssuedId_; ++id) {
      if (static_cast<WPARAM>(id) == wParam) {
        // Marked before it is handed on: the press may start a run that
        // dispatches the key's repeats long before it returns.
        if (router->TakePress(id)) SendMessageA(router->receiver_, kNotifyMessage, wParam, 0);
        break;
      }
    }
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace clicker::win32
