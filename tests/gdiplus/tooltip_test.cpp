// The tooltip helper on a real owner window.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "gdiplus/tooltip_helper.h"

namespace {

using gdiplus::ToolTipHelper;

constexpr char kCallbackText[] = "回调文字";
int callbackRequests = 0;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header->code == TTN_GETDISPINFOA) {
      ++callbackRequests;
      reinterpret_cast<NMTTDISPINFOA*>(lParam)->lpszText = const_cast<char*>(kCallbackText);
      return 0;
    }
    if (header->code == TTN_GETDISPINFOW) {
      ++callbackRequests;
      static WCHAR wide[32];
      MultiByteToWideChar(CP_ACP, 0, kCallbackText, -1, wide, 32);
      reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = wide;
      return 0;
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ToolTipTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ToolTipOwnerTest";
    RegisterClassA(&windowClass);
    owner_ = CreateWindowExA(0, "ToolTipOwnerTest", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }

  std::string TipText(HWND tooltip, UINT_PTR id) {
    char buffer[80] = {};
    TOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner_;
    info.uId = id;
    info.lpszText = buffer;
    SendMessageA(tooltip, TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&info));
    return buffer;
  }

  HWND owner_ = nullptr;
};

TEST_F(ToolTipTest, CreatesRectangularOrBalloonTips) {
  ToolTipHelper plain;
  HWND tip = plain.Create(owner_, 0);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(plain.Window(), tip);
  char className[64] = {};
  GetClassNameA(tip, className, sizeof(className));
  EXPECT_EQ(lstrcmpiA(className, "tooltips_class32"), 0);
  const LONG_PTR plainStyle = GetWindowLongPtrA(tip, GWL_STYLE);
  EXPECT_EQ(plainStyle & (TTS_ALWAYSTIP | TTS_BALLOON), TTS_ALWAYSTIP);

  ToolTipHelper balloon;
  HWND balloonTip = balloon.Create(owner_, 1);
  ASSERT_NE(balloonTip, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(balloonTip, GWL_STYLE) & (TTS_ALWAYSTIP | TTS_BALLOON), 0x41);
  DestroyWindow(tip);
  DestroyWindow(balloonTip);
}

TEST_F(ToolTipTest, ToolsAreAddedMovedRetitledAndRemoved) {
  ToolTipHelper helper;
  HWND tip = helper.Create(owner_, 0);
  ASSERT_NE(tip, nullptr);
  EXPECT_NE(helper.AddTool(RECT{10, 10, 36, 28}, "关闭", 7), 0);
  EXPECT_NE(helper.AddTool(RECT{40, 10, 66, 28}, "帮助", 8), 0);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
  EXPECT_EQ(TipText(tip, 7), "关闭");

  helper.UpdateTipText(7, "最小化");
  EXPECT_EQ(TipText(tip, 7), "最小化");

  helper.NewToolRect(7, RECT{100, 5, 138, 23});
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = owner_;
  info.uId = 7;
  ASSERT_TRUE(SendMessageA(tip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(info.rect.left, 100);
  EXPECT_EQ(info.rect.right, 138);
  EXPECT_EQ(info.uFlags & TTF_SUBCLASS, static_cast<UINT>(TTF_SUBCLASS));

  helper.DelTool(7);
  EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  EXPECT_EQ(TipText(tip, 8), "帮助");

  helper.SetTipBkColor(RGB(1, 2, 3));
  helper.SetTipTextColor(RGB(4, 5, 6));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPBKCOLOR, 0, 0)), RGB(1, 2, 3));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(tip, TTM_GETTIPTEXTCOLOR, 0, 0)), RGB(4, 5, 6));
  helper.SetMaxTipWidth(240);
  EXPECT_EQ(SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0), 240);
  DestroyWindow(tip);
}

TEST_F(ToolTipTest, CallbackToolAsksItsOwnerForTheText) {
  ToolTipHelper helper;
  HWND tip = helper.Create(owner_, 0);
  ASSERT_NE(tip, nullptr);
  EXPECT_NE(helper.AddCallbackTool(RECT{0, 0, 50, 20}, 3), 0);
  callbackRequests = 0;
  EXPECT_EQ(TipText(tip, 3), kCallbackText);
  EXPECT_GE(callbackRequests, 1);
  DestroyWindow(tip);
}

TEST(ToolTipHelperTest, MessagesWithoutATooltipDoNothing) {
  ToolTipHelper helper;
  EXPECT_EQ(helper.Window(), nullptr);
  EXPECT_EQ(helper.AddTool(RECT{0, 0, 1, 1}, "x", 1), 0);
  helper.SetMaxTipWidth(10);
  helper.DelTool(1);
}

}  // namespace
