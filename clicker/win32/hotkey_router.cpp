#include "clicker/win32/hotkey_router.h"

namespace clicker::win32 {
namespace {

// The window whose procedure the router replaced leads back to the router.
constexpr char kRouterProperty[] = "Rt_Hotkeys";

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
  if (!RegisterHotKey(window, id, systemModifiers, static_cast<UINT>(key))) return 0;
  return id;
}

LRESULT CALLBACK HotkeyRouter::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* router = static_cast<HotkeyRouter*>(GetPropA(window, kRouterProperty));
  if (router == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  const WNDPROC previous = router->previous_;
  if (message == WM_HOTKEY) {
    for (int32_t id = kFirstId; id <= router->lastIssuedId_; ++id) {
      if (static_cast<WPARAM>(id) == wParam) {
        SendMessageA(router->receiver_, kNotifyMessage, wParam, 0);
        break;
      }
    }
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace clicker::win32
