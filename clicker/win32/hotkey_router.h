#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace clicker::win32 {

// Hotkey presses reach the window as WM_HOTKEY; the router's procedure, put in
// front of the window's own, hands each press of an id it issued to the
// receiver as message 0x8075 (wParam = the id).
class HotkeyRouter {
 public:
  static constexpr UINT kNotifyMessage = 0x8075;
  static constexpr int32_t kFirstId = 33001;

  // Registers a global hotkey on window; returns its id, or 0 when the system
  // refused it. Every attempt uses up an id. Modifier codes: 1 Ctrl, 2 Shift,
  // 4 Alt, 3, 5 and 6 their pairs; other values go to the system unchanged.
  // A held key is one press: the key is registered without auto-repeat where
  // the system knows MOD_NOREPEAT, and without the flag where it refuses it;
  // either way a press of a key still held since its last press is not
  // handed on.
  int32_t Register(HWND window, HWND receiver, int32_t modifiers, int32_t key);

  int32_t lastIssuedId() const { return lastIssuedId_; }
  HWND receiver() const { return receiver_; }

  static UINT TranslateModifiers(int32_t modifiers);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Whether a press of the id is to be handed on; marks the key held.
  bool TakePress(int32_t id);
  // Forgets the keys that are up again.
  void CheckHeldKeys();

  struct Key {
    int32_t id;
    int32_t vk;
    bool held;
  };
  std::vector<Key> keys_;

  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
  HWND receiver_ = nullptr;
  int32_t sequence_ = 0;
  int32_t lastIssuedId_ = 0;
};

}  // namespace clicker::win32
