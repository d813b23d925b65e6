#include "clicker/win32/main_window.h"

#include <gtest/gtest.h>
#include <imm.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include "clicker/texts.h"
#include "clicker/win32/fine_timer.h"
#include "clicker/win32/message_pump.h"
#include "win_test_support.h"

namespace clicker::win32 {
namespace {

using testing::NoticeCloser;
using testing::PumpFor;
using testing::PumpUntil;
using testing::TextOf;

MainWindow* current = nullptr;
bool PreTranslate(MSG& msg) {
  return current != nullptr && current->form().PreTranslate(msg);
}

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main = std::make_unique<MainWindow>();
    current = main.get();
    SetPreTranslateHook(&PreTranslate);
    ASSERT_TRUE(main->Create());  // the closer answers the instructions box
    ASSERT_EQ(notices.texts().size(), 1u);
    EXPECT_EQ(notices.texts()[0].rfind("尊敬的客户：\r\n", 0), 0u);
    notices.clear();
    PumpFor(30);
  }
  void TearDown() override {
    main.reset();
    current = nullptr;
    SetPreTranslateHook(nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  HWND Get(const char* name) { return main->form().Control(name); }
  std::string Text(const char* name) { return TextOf(Get(name)); }
  void Type(const char* name, const char* keys) {
    for (const char* k = keys; *k; ++k)
      SendMessageA(Get(name), WM_CHAR, static_cast<unsigned char>(*k), 0);
  }
  void Leave(const char* name) {
    SetFocus(Get(name));
    SetFocus(Get(std::strcmp(name, "按钮1") == 0 ? "X" : "按钮1"));
  }
  void Key(BYTE vk) {
    keybd_event(vk, 0, 0, 0);
    keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
  }

  // A small window of the test's own, away from the main window, that counts
  // the left presses a run sends it.
  struct ClickSink {
    ClickSink() {
      WNDCLASSA wc{};
      wc.lpfnWndProc = Proc;
      wc.hInstance = GetModuleHandleA(nullptr);
      wc.lpszClassName = "ClickSink";
      RegisterClassA(&wc);
      window = CreateWindowExA(WS_EX_TOPMOST, "ClickSink", "", WS_POPUP | WS_VISIBLE, 10, 10, 80,
                               80, nullptr, nullptr, wc.hInstance, nullptr);
      SetPropA(window, "Test_Sink", this);
    }
    ~ClickSink() { DestroyWindow(window); }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
      if (message == WM_LBUTTONDOWN) {
        if (auto* sink = static_cast<ClickSink*>(GetPropA(hwnd, "Test_Sink"))) ++sink->clicks;
        return 0;
      }
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    HWND window = nullptr;
    int clicks = 0;
  };

  void FillRun(const char* count, const char* interval, const ClickSink&) {
    SetWindowTextA(Get("编辑框3"), count);
    SetWindowTextA(Get("编辑框4"), interval);
    SetWindowTextA(Get("X"), "50");
    SetWindowTextA(Get("Y"), "50");
  }

  NoticeCloser notices;
  std::unique_ptr<MainWindow> main;
};

TEST_F(MainWindowTest, TheSizeLockUndoesEveryLaterResize) {
  const HWND window = main->window();
  for (const SIZE size : {SIZE{300, 200}, SIZE{498, 510}, SIZE{700, 468}}) {
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    RECT frame{};
    EXPECT_TRUE(PumpUntil([&] {
      GetWindowRect(window, &frame);
      return frame.right - frame.left == 498 && frame.bottom - frame.top == 468;
    })) << size.cx
        << " x " << size.cy;
  }
}

TEST_F(MainWindowTest, EveryControlSitsWhereTheTableSaysWithItsCaption) {
  const HWND window = main->window();
  EXPECT_EQ(TextOf(window), "鼠标坐标");
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.right - frame.left, 498);
  EXPECT_EQ(frame.bottom - frame.top, 468);  // the size lock has cut the hidden strip
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 498) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 510) / 2);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

  size_t count = 0;
  const ControlSpec* entries = MainWindowControls(&count);
  ASSERT_EQ(count, 49u);
  for (size_t i = 0; i < count; ++i) {
    const ControlSpec& entry = entries[i];
    if (entry.kind == ControlKind::Timer) {
      ASSERT_NE(main->form().Timer(entry.name), nullptr) << entry.name;
      continue;
    }
    const HWND control = Get(entry.name);
    ASSERT_NE(control, nullptr) << entry.name;
    const HWND parent = entry.parent ? Get(entry.parent) : window;
    EXPECT_EQ(GetParent(control), parent) << entry.name;
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, entry.left) << entry.name;
    EXPECT_EQ(r.top, entry.top) << entry.name;
    EXPECT_EQ(r.right - r.left, entry.width) << entry.name;
    // A multi-line box may grow downwards to show whole lines (the scale
    // tests check it grows into free room only).
    if (entry.multiLine) {
      EXPECT_GE(r.bottom - r.top, entry.height) << entry.name;
    } else {
      EXPECT_EQ(r.bottom - r.top, entry.height) << entry.name;
    }
    EXPECT_EQ(IsWindowVisible(control) == FALSE, entry.hidden) << entry.name;
    if (std::strcmp(entry.name, "透明标签4") != 0) {
      EXPECT_EQ(Text(entry.name), entry.caption) << entry.name;
    }
  }
  EXPECT_FALSE(IsWindowVisible(Get("按钮2")));
  EXPECT_FALSE(IsWindowVisible(Get("标签3")));
  for (const char* radio : {"单选框1", "单选框2", "单选框3", "单选框4"}) {
    EXPECT_FALSE(main->form().IsChecked(radio));
  }
  EXPECT_EQ(main->form().Timer("时钟1")->period(), 1);
  EXPECT_EQ(main->form().Timer("时钟2")->period(), 500);
  EXPECT_EQ(main->form().Timer("时钟3")->period(), 500);
  EXPECT_EQ(main->form().Timer("时钟4")->period(), 1);
  EXPECT_EQ(main->form().Timer("青禾")->period(), 0);
  EXPECT_EQ(main->form().Timer("XY值")->period(), 0);
}

TEST_F(MainWindowTest, NumericBoxesDropWhatTheyDoNotAccept) {
  Type("X", "a1.-b2e");
  EXPECT_EQ(Text("X"), "1-2");
  Type("毫秒数", "a1.-b2e");
  EXPECT_EQ(Text("毫秒数"), "1.-2");
  Type("编辑框1", "zz");
  EXPECT_EQ(Text("编辑框1").substr(0, 2), "F1");  // read-only
}

TEST_F(MainWindowTest, TheEngineSeesEveryWayABoxChanges) {
  Type("X", "12");
  EXPECT_EQ(main->GetText(Box::X), "12");
  SendMessageA(Get("X"), EM_SETSEL, 0, -1);
  SendMessageA(Get("X"), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("7"));
  EXPECT_EQ(main->GetText(Box::X), "7");
  SendMessageA(Get("X"), EM_UNDO, 0, 0);
  EXPECT_EQ(main->GetText(Box::X), Text("X"));
  SetWindowTextA(Get("Y5"), "-3");
  EXPECT_EQ(main->GetText(Box::Y5), "-3");
  SendMessageA(Get("Y5"), EM_SETSEL, 2, 2);
  SendMessageA(Get("Y5"), WM_CHAR, VK_BACK, 0);
  EXPECT_EQ(main->GetText(Box::Y5), "-");
  main->form().SetText("编辑框4", "40");
  EXPECT_EQ(main->GetText(Box::LoopInterval), "40");
  // Through the clipboard, as a paste with Ctrl+V would do: by the rule of
  // typed characters ("1,000" as it stood would read as 1 ms).
  SetWindowTextA(Get("编辑框3"), "1,000");
  SendMessageA(Get("编辑框3"), EM_SETSEL, 0, -1);
  SendMessageA(Get("编辑框3"), WM_COPY, 0, 0);
  SendMessageA(Get("毫秒数"), WM_PASTE, 0, 0);
  EXPECT_EQ(main->GetText(Box::ClickFrequency), "1000");
  for (int b = 0; b <= static_cast<int>(Box::ClickFrequency); ++b) {
    static constexpr const char* kNames[] = {"X",  "Y",  "X1",      "Y1",      "X2",
                                             "Y2", "X3", "Y3",      "X4",      "Y4",
                                             "X5", "Y5", "编辑框3", "编辑框4", "毫秒数"};
    EXPECT_EQ(main->GetText(static_cast<Box>(b)), Text(kNames[b])) << kNames[b];
  }
}

TEST_F(MainWindowTest, TheLookBeforeAPressFindsF2BehindEveryKeyButF1) {
  // Keys ahead of F2 run in their turn on the way to it (F3 starts cursor
  // clicking); F1 keeps its turn and the stop behind it waits.
  const HotkeyIds& ids = main->hotkeyIds();
  SetWindowTextA(Get("X"), "1");
  SetWindowTextA(Get("Y"), "1");
  SetWindowTextA(Get("毫秒数"), "100");
  for (const int32_t ahead : {ids.hotkeyF3, ids.hotkeyF4, 0xBEEF, ids.hotkeyF1}) {
    notices.clear();
    PostMessageA(main->window(), WM_HOTKEY, static_cast<WPARAM>(ahead), 0);
    PostMessageA(main->window(), WM_HOTKEY, static_cast<WPARAM>(ids.hotkeyF2), 0);
    RunWaitingStop(main->window(), Get("按钮2"), ids);
    const std::vector<std::string> seen = notices.texts();
    EXPECT_EQ(std::count(seen.begin(), seen.end(), texts::kLoopEnded), ahead != ids.hotkeyF1);
    EXPECT_EQ(main->form().Timer("青禾")->running(), ahead == ids.hotkeyF3) << ahead;
    MSG msg;
    while (PeekMessageA(&msg, main->window(), WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) {
    }
  }
}

TEST_F(MainWindowTest, BoxesAreNormalisedWhenTheyLoseTheFocus) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"Y1", "0", ""},
      {"X", "00012", "12"},
      {"X5", "99999999999", "2147483647"},
      {"Y", "-7", "-7"},
      {"X2", " ", ""},
      {"编辑框4", "1234567", "1.23457e+006"},
      {"编辑框3", "2.50", "2.5"},
      {"毫秒数", "0", ""},
      {"编辑框3", "-0.5", "-0.5"},
  };
  for (const auto& [box, typed, expected] : cases) {
    SetWindowTextA(Get(box), typed);
    EXPECT_EQ(Text(box), typed) << box;  // text set by the program stays until the user leaves
    Leave(box);
    EXPECT_EQ(Text(box), expected) << box << " " << typed;
  }
}

TEST_F(MainWindowTest, ClearButtonsWriteOneSpaceWhichCountsAsEmpty) {
  for (const char* box : {"X", "Y", "X2", "Y2", "毫秒数"}) SetWindowTextA(Get(box), "5");
  SendMessageA(Get("按钮5"), BM_CLICK, 0, 0);
  EXPECT_EQ(Text("X2"), " ");
  EXPECT_EQ(Text("Y2"), " ");
  EXPECT_EQ(Text("X"), "5");
  SendMessageA(Get("按钮3"), BM_CLICK, 0,
               0);  // sits in a group box: reaches the window all the same
  EXPECT_EQ(Text("X"), " ");
  EXPECT_EQ(Text("Y"), " ");
  Leave("X2");
  EXPECT_EQ(Text("X2"), "");

  SendMessageA(Get("按钮9"), BM_CLICK, 0, 0);
  for (const char* box : {"X", "Y", "X1", "Y1", "X2", "Y2", "X3", "Y3", "X4", "Y4", "X5", "Y5",
                          "毫秒数", "编辑框3", "编辑框4"}) {
    EXPECT_EQ(Text(box), " ") << box;
  }
  // Every box holds a space, which counts as empty: the loop button and F3
  // ask for their boxes as they do for boxes never filled.
  SendMessageA(Get("按钮1"), BM_CLICK, 0, 0);
  EXPECT_TRUE(PumpUntil([&] { return notices.texts().size() == 1; }));
  Key(VK_F3);
  EXPECT_TRUE(PumpUntil([&] { return notices.texts().size() == 2; }));
  EXPECT_EQ(notices.texts(),
            (std::vector<std::string>{texts::kEnterLoopCount, texts::kEnterFrequency}));
  EXPECT_FALSE(main->form().Timer("青禾")->running());
}

TEST_F(MainWindowTest, TimersColourTheNotesLockTheSizeAndShowTheCursor) {
  SetCursorPos(100, 200);
  EXPECT_TRUE(PumpUntil([&] { return Text("透明标签4") == "X: 100     Y:200"; }));
  SetCursorPos(0, 0);
  EXPECT_TRUE(PumpUntil([&] { return Text("透明标签4") == "X: 0     Y:0"; }));

  EXPECT_TRUE(PumpUntil([&] { return main->form().LabelColour("透明标签3") == RGB(0, 0, 255); }));
  EXPECT_EQ(main->form().LabelColour("透明标签1"), RGB(255, 0, 0));
  EXPECT_EQ(main->form().LabelColour("透明标签2"), RGB(255, 0, 0));

  SetWindowPos(main->window(), nullptr, 0, 0, 700, 300, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(PumpUntil([&] {
    RECT r;
    GetWindowRect(main->window(), &r);
    return r.right - r.left == 498 && r.bottom - r.top == 468;
  }));
}

TEST_F(MainWindowTest, APressOnTheBareWindowMovesItLikeATitleBar) {
  SendMessageA(main->window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, main->window(), WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_REMOVE));
  EXPECT_EQ(msg.wParam, static_cast<WPARAM>(HTCAPTION));
}

TEST_F(MainWindowTest, TabFollowsTheTabOrder) {
  SetFocus(Get("单选框1"));
  const char* order[] = {"单选框2", "单选框3", "单选框4", "毫秒数",  "X",     "Y",      "X1",
                         "Y1",      "X2",      "Y2",      "X3",      "Y3",    "X4",     "Y4",
                         "X5",      "Y5",      "编辑框3", "编辑框4", "按钮1", "单选框1"};
  for (const char* next : order) {
    PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
    PumpFor(5);
    EXPECT_EQ(GetFocus(), Get(next)) << next;
  }
}

TEST_F(MainWindowTest, HotkeysAreRegisteredInOrderAndRouted) {
  const HotkeyIds& ids = main->hotkeyIds();
  EXPECT_EQ(ids.hotkeyF1, 33001);
  EXPECT_EQ(ids.hotkeyF2, 33002);
  EXPECT_EQ(ids.hotkeyF4, 33003);
  EXPECT_EQ(ids.hotkeyF3, 33004);

  SetWindowTextA(Get("毫秒数"), "100");
  Key(VK_F3);
  TimerControl* cursorTimer = main->form().Timer("青禾");
  EXPECT_TRUE(PumpUntil([&] { return cursorTimer->running(); }));
  EXPECT_EQ(cursorTimer->period(), 100);
  Key(VK_F4);
  EXPECT_TRUE(PumpUntil([&] { return notices.texts().size() == 1; }));
  EXPECT_EQ(notices.texts()[0], texts::kStopped);
  EXPECT_FALSE(cursorTimer->running());
  Key(VK_F2);
  EXPECT_TRUE(PumpUntil([&] { return notices.texts().size() == 2; }));
  EXPECT_EQ(notices.texts()[1], texts::kStopNeedsX);
  Key(VK_F1);
  EXPECT_TRUE(PumpUntil([&] { return notices.texts().size() == 3; }));
  EXPECT_EQ(notices.texts()[2], texts::kEnterLoopCount);
}

TEST_F(MainWindowTest, EscClosesTheWindowAndEndsARunningLoop) {
  ClickSink sink;
  FillRun("100000", "20", sink);
  const HWND x = Get("X");
  std::thread escape([x] {
    Sleep(300);
    PostMessageA(x, WM_KEYDOWN, VK_ESCAPE, 0);
  });
  const DWORD start = GetTickCount();
  SendMessageA(Get("按钮1"), BM_CLICK, 0, 0);  // returns when the run has ended
  escape.join();
  EXPECT_LT(GetTickCount() - start, 3000u);
  EXPECT_FALSE(IsWindow(main->window()));
  EXPECT_GT(sink.clicks, 0);
  MSG msg;
  EXPECT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(MainWindowTest, F2StopsARunWithoutAnInterval) {
  ClickSink sink;
  FillRun("1000000", "0", sink);
  std::thread stop([] {
    Sleep(300);
    keybd_event(VK_F2, 0, 0, 0);
    keybd_event(VK_F2, 0, KEYEVENTF_KEYUP, 0);
  });
  const DWORD start = GetTickCount();
  SendMessageA(Get("按钮1"), BM_CLICK, 0, 0);
  stop.join();
  EXPECT_LT(GetTickCount() - start, 10000u);
  EXPECT_GT(sink.clicks, 0);
  EXPECT_EQ(notices.texts(), std::vector<std::string>{texts::kLoopEnded});
  EXPECT_TRUE(IsWindow(main->window()));
}

}  // namespace
}  // namespace clicker::win32

namespace clicker::win32 {
namespace {

TEST_F(MainWindowTest, EscClosesTheWindowWhereverTheFocusIs) {
  // One control of every kind that takes the focus, the read-only multi-line
  // hotkey list and the controls inside group boxes among them.
  const char* const focusIn[] = {nullptr,   "单选框2", "X",     "编辑框4",
                                 "编辑框1", "按钮1",   "按钮9", "按钮3"};
  for (const char* name : focusIn) {
    if (main == nullptr) {
      main = std::make_unique<MainWindow>();
      current = main.get();
      ASSERT_TRUE(main->Create());
      PumpFor(30);
    }
    const HWND target = name != nullptr ? Get(name) : main->window();
    SetFocus(target);
    ASSERT_EQ(GetFocus(), target) << (name ? name : "window");
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(main->window()); }, 3000))
        << (name ? name : "window");
    main.reset();
    current = nullptr;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }
}

TEST_F(MainWindowTest, AControlThatIsToldToCloseStays) {
  // Esc handed to the hotkey list itself: in dialog mode it posts WM_CLOSE to
  // its parent group box; and WM_CLOSE sent to controls directly.
  SendMessageA(Get("编辑框1"), WM_KEYDOWN, VK_ESCAPE, 0);
  SendMessageA(Get("编辑框1"), WM_CHAR, VK_ESCAPE, 0);
  PumpFor(50);
  for (const char* name : {"分组框4", "分组框6", "X", "按钮1", "编辑框1"}) {
    SendMessageA(Get(name), WM_CLOSE, 0, 0);
  }
  PumpFor(50);
  for (const char* name :
       {"分组框4", "分组框6", "分组框7", "按钮3", "按钮9", "编辑框1", "透明标签3", "X", "按钮1"}) {
    EXPECT_TRUE(IsWindow(Get(name))) << name;
    EXPECT_TRUE(IsWindowVisible(Get(name))) << name;
  }
  EXPECT_TRUE(IsWindow(main->window()));
}

TEST_F(MainWindowTest, InputMethodCharactersFollowTheBoxRules) {
  // Code page 936: ０ A3B0, １ A3B1, － A3AD, ． A3AE, 中 D6D0, full-width a A3E1.
  for (const UINT code : {0xA3ADu, 0xA3B1u, 0xA3AEu, 0xD6D0u, 0xA3E1u, 0x32u, 0x61u}) {
    SendMessageA(Get("X"), WM_IME_CHAR, code, 1);
    SendMessageA(Get("编辑框4"), WM_IME_CHAR, code, 1);
  }
  EXPECT_EQ(Text("X"), "-12");
  EXPECT_EQ(Text("编辑框4"), "-1.2");
  EXPECT_EQ(main->GetText(Box::X), "-12");
  EXPECT_EQ(main->GetText(Box::LoopInterval), "-1.2");
}

TEST_F(MainWindowTest, ACompositionResultFollowsTheBoxRules) {
  // A composition finished through the input method context: "１２中．" goes
  // to the coordinate box as its ASCII digits only. (Wine hands the result on
  // as WM_IME_CHAR; the edit control of Windows takes it from the
  // composition message itself, which the box filters too.)
  const HWND box = Get("X");
  SetFocus(box);
  const HIMC context = ImmGetContext(box);
  ASSERT_NE(context, nullptr);
  char composed[] = "\xA3\xB1\xA3\xB2\xD6\xD0\xA3\xAE";
  ImmSetOpenStatus(context, TRUE);
  ASSERT_TRUE(
      ImmSetCompositionStringA(context, SCS_SETSTR, composed, sizeof composed - 1, nullptr, 0));
  ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
  ImmReleaseContext(box, context);
  PumpFor(100);
  EXPECT_EQ(Text("X"), "12");
  EXPECT_EQ(main->GetText(Box::X), "12");
}

int begun = 0;
int ended = 0;
UINT WINAPI CountBegin(UINT ms) {
  if (ms == 1) ++begun;
  return 0;
}
UINT WINAPI CountEnd(UINT ms) {
  if (ms == 1) ++ended;
  return 0;
}

TEST_F(MainWindowTest, TheFineTimerIsHeldForRunsAndCursorClickingAndReleasedOnClose) {
  begun = ended = 0;
  const TimerPeriodCalls before = SetTimerPeriodCalls({&CountBegin, &CountEnd});
  ClickSink sink;
  FillRun("2", "20", sink);
  int heldDuringRun = -1;
  main->form().OnTick("时钟2", [&] {
    if (main->engine().runDepth() > 0) heldDuringRun = FineTimerHolds();
  });
  FillRun("30", "20", sink);
  SendMessageA(Get("按钮1"), BM_CLICK, 0, 0);
  EXPECT_EQ(heldDuringRun, 1);
  EXPECT_EQ(begun, 1);
  EXPECT_EQ(ended, 1);

  SetWindowTextA(Get("毫秒数"), "50");
  Key(VK_F3);
  EXPECT_TRUE(PumpUntil([&] { return main->form().Timer("青禾")->running(); }));
  EXPECT_EQ(begun, 2);
  EXPECT_EQ(FineTimerHolds(), 1);
  main.reset();  // closed while cursor clicking is on
  EXPECT_EQ(ended, 2);
  EXPECT_EQ(FineTimerHolds(), 0);
  SetTimerPeriodCalls(before);
}

TEST_F(MainWindowTest, RunsNestOnlyToTheirBoundWellInsideTheStack) {
  // Every tick presses F1 again inside the running run, as a point on the
  // loop button would; the stack address of each level shows its cost.
  ClickSink sink;
  FillRun("2", "30", sink);
  std::vector<uintptr_t> stackAt(ClickEngine::kMaxRunDepth + 2, 0);
  int deepest = 0;
  bool refused = false;
  main->form().OnTick("时钟1", [&] {
    const int depth = main->engine().runDepth();
    if (depth == 0) return;
    volatile char probe = 0;
    stackAt[static_cast<size_t>(depth)] = reinterpret_cast<uintptr_t>(&probe);
    deepest = std::max(deepest, depth);
    if (refused) return;
    // Once at the bound, one more press that must not start a run.
    refused = depth == ClickEngine::kMaxRunDepth;
    PostMessageA(main->window(), WM_HOTKEY, static_cast<WPARAM>(main->hotkeyIds().hotkeyF1), 0);
  });
  SendMessageA(Get("按钮1"), BM_CLICK, 0, 0);
  EXPECT_EQ(deepest, ClickEngine::kMaxRunDepth);
  EXPECT_EQ(main->engine().runDepth(), 0);
  const uintptr_t top = stackAt[1];
  const uintptr_t bottom = stackAt[static_cast<size_t>(ClickEngine::kMaxRunDepth)];
  ASSERT_GT(top, bottom);
  const uintptr_t perLevel = (top - bottom) / (ClickEngine::kMaxRunDepth - 1);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(GetModuleHandleA(nullptr));
  const auto* nt =
      reinterpret_cast<const IMAGE_NT_HEADERS*>(reinterpret_cast<const char*>(dos) + dos->e_lfanew);
  const uintptr_t reserve = static_cast<uintptr_t>(nt->OptionalHeader.SizeOfStackReserve);
  std::printf(
      "stack per nested run: %lu bytes; stack reserve %lu bytes: exhausted near %lu levels\n",
      static_cast<unsigned long>(perLevel), static_cast<unsigned long>(reserve),
      static_cast<unsigned long>(reserve / perLevel));
  // The deepest allowed nesting leaves most of the stack for what runs in it
  // (a notice box's modal loop, painting).
  EXPECT_LT(perLevel * ClickEngine::kMaxRunDepth, reserve / 4);
}

}  // namespace
}  // namespace clicker::win32
