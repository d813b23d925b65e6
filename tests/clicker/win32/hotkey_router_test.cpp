#include "clicker/win32/hotkey_router.h"

#include <gtest/gtest.h>

#include <vector>

#include "win_test_support.h"

namespace clicker::win32 {
namespace {

using testing::PumpFor;
using testing::PumpUntil;

struct Seen {
  std::vector<WPARAM> notifications;
  std::vector<WPARAM> hotkeysPassedOn;
};
Seen* seen = nullptr;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY && seen != nullptr) seen->hotkeysPassedOn.push_back(wParam);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ReceiverProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == HotkeyRouter::kNotifyMessage && seen != nullptr) {
    seen->notifications.push_back(wParam);
    EXPECT_EQ(lParam, 0);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class HotkeyRouterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpfnWndProc = OwnerProc;
    wc.lpszClassName = "HotkeyOwner";
    RegisterClassA(&wc);
    wc.lpfnWndProc = ReceiverProc;
    wc.lpszClassName = "HotkeyReceiver";
    RegisterClassA(&wc);
    owner = CreateWindowExA(0, "HotkeyOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            wc.hInstance, nullptr);
    receiver = CreateWindowExA(0, "HotkeyReceiver", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               wc.hInstance, nullptr);
    seen = &record;
  }
  void TearDown() override {
    seen = nullptr;
    for (int id = HotkeyRouter::kFirstId; id <= router.lastIssuedId(); ++id)
      UnregisterHotKey(owner, id);
    DestroyWindow(owner);
    DestroyWindow(receiver);
  }

  HotkeyRouter router;
  HWND owner = nullptr;
  HWND receiver = nullptr;
  Seen record;
};

TEST_F(HotkeyRouterTest, IdsCountEveryAttemptAndAFailureGivesZero) {
  // Someone else holds F2 already: that registration fails, the next still gets 33003.
  const HWND other = CreateWindowExA(0, "HotkeyOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(RegisterHotKey(other, 1, 0, VK_F2));
  EXPECT_EQ(router.Register(owner, receiver, 0, VK_F1), 33001);
  EXPECT_EQ(router.Register(owner, receiver, 0, VK_F2), 0);
  EXPECT_EQ(router.Register(owner, receiver, 0, VK_F4), 33003);
  EXPECT_EQ(router.Register(owner, receiver, 0, VK_F3), 33004);
  EXPECT_EQ(router.lastIssuedId(), 33004);
  EXPECT_EQ(router.receiver(), receiver);
  UnregisterHotKey(other, 1);
  DestroyWindow(other);
}

TEST_F(HotkeyRouterTest, OnlyIssuedIdsAreHandedToTheReceiverAndAllArePassedOn) {
  router.Register(owner, receiver, 0, VK_F1);
  router.Register(owner, receiver, 0, VK_F2);
  SendMessageA(owner, WM_HOTKEY, 33002, 0);
  SendMessageA(owner, WM_HOTKEY, 33003, 0);  // not issued yet
  SendMessageA(owner, WM_HOTKEY, 5, 0);
  SendMessageA(owner, WM_KEYDOWN, VK_F1, 0);
  EXPECT_EQ(record.notifications, std::vector<WPARAM>{33002});
  EXPECT_EQ(record.hotkeysPassedOn, (std::vector<WPARAM>{33002, 33003, 5}));
}

TEST_F(HotkeyRouterTest, AKeyPressReachesTheReceiverWithItsId) {
  const int32_t f4 = router.Register(owner, receiver, 0, VK_F4);
  const int32_t f3 = router.Register(owner, receiver, 0, VK_F3);
  ASSERT_NE(f3, 0);
  keybd_event(VK_F3, 0, 0, 0);
  keybd_event(VK_F3, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(PumpUntil([&] { return !record.notifications.empty(); }));
  PumpFor(50);
  EXPECT_EQ(record.notifications, std::vector<WPARAM>{static_cast<WPARAM>(f3)});
  EXPECT_NE(f4, f3);
}

TEST_F(HotkeyRouterTest, AHeldKeyIsOnePressUntilItIsLetGo) {
  const int32_t f6 = router.Register(owner, receiver, 0, VK_F6);
  ASSERT_NE(f6, 0);
  // Auto-repeat: key-downs without a key-up between them. Wine may reset its
  // key state from the X server's (where the injected key is not down) when
  // the focus moves, so the hold is tried again when that cut it short.
  std::vector<WPARAM> held;
  for (int attempt = 0; attempt < 3; ++attempt) {
    record.notifications.clear();
    for (int i = 0; i < 4; ++i) {
      keybd_event(VK_F6, 0, 0, 0);
      PumpFor(40);
    }
    keybd_event(VK_F6, 0, KEYEVENTF_KEYUP, 0);
    PumpFor(100);
    held = record.notifications;
    if (held.size() == 1) break;
  }
  EXPECT_EQ(held, std::vector<WPARAM>{static_cast<WPARAM>(f6)});
  record.notifications = held;
  // Let go and pressed again: a new press.
  keybd_event(VK_F6, 0, 0, 0);
  keybd_event(VK_F6, 0, KEYEVENTF_KEYUP, 0);
  EXPECT_TRUE(PumpUntil([&] { return record.notifications.size() == 2; }));
  // Presses a program posts are never repeats, whatever came before.
  SendMessageA(owner, WM_HOTKEY, static_cast<WPARAM>(f6), 0);
  SendMessageA(owner, WM_HOTKEY, static_cast<WPARAM>(f6), 0);
  EXPECT_EQ(record.notifications.size(), 4u);
}

TEST(HotkeyModifiers, TranslateToTheSystemCodes) {
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(0), 0u);
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(1), static_cast<UINT>(MOD_CONTROL));
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(2), static_cast<UINT>(MOD_SHIFT));
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(4), static_cast<UINT>(MOD_ALT));
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(3), static_cast<UINT>(MOD_CONTROL | MOD_SHIFT));
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(5), static_cast<UINT>(MOD_CONTROL | MOD_ALT));
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(6), static_cast<UINT>(MOD_SHIFT | MOD_ALT));
  EXPECT_EQ(HotkeyRouter::TranslateModifiers(8), 8u);
}

}  // namespace
}  // namespace clicker::win32
