#include "clicker/win32/main_window.h"

#include <string>
#include <vector>

#include "clicker/win32/message_pump.h"
#include "data/pictures/pictures.h"
#include "framework/containers.h"
#include "framework/skin_framework.h"
#include "hosting/skin_binding.h"

namespace clicker::win32 {
namespace {

constexpr int32_t kDesignWidth = 498;
constexpr int32_t kDesignHeight = 510;
// From the first size-lock tick on, the strip holding the hidden controls is cut off.
constexpr int32_t kLockedHeight = 468;

constexpr FontSpec kYaHei16{"微软雅黑", 16, 700, false};
constexpr FontSpec kYaHei10Italic{"微软雅黑", 10, 700, true};
constexpr FontSpec kSong21{"宋体", 21, 700, false};
constexpr FontSpec kSong12{"宋体", 12, 700, false};
constexpr FontSpec kKai21{"楷体", 21, 700, false};
constexpr FontSpec kKai20{"楷体", 20, 700, false};
constexpr FontSpec kExtB16{"SimSun-ExtB", 16, 700, false};

constexpr char kHotkeyList[] =
    "F1          开 启 定 点 循 环\r\n"
    "F2          结 束 定 点 循 环\r\n"
    "F3          开 启 现 鼠 循 环\r\n"
    "F4          结 束 现 鼠 循 环";

using K = ControlKind;
using M = EditMode;
constexpr COLORREF kNone = kNoColour;

// name, kind, parent, left, top, width, height, caption, font, tab order,
// hidden, edit mode, multi-line, background, timer period
// clang-format off
constexpr ControlSpec kControls[] = {
    {"分组框4", K::GroupBox, nullptr, 16, 24, 464, 432, "全局设置", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"选择类型", K::GroupBox, nullptr, 24, 48, 112, 120, "现鼠类型", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"单选框1", K::RadioButton, nullptr, 32, 64, 96, 24, "鼠标左键单击", nullptr, 1, false, M::Plain, false, kNone, 0},
    {"单选框2", K::RadioButton, nullptr, 32, 88, 99, 24, "鼠标右键单击", nullptr, 2, false, M::Plain, false, kNone, 0},
    {"单选框3", K::RadioButton, nullptr, 32, 112, 99, 24, "鼠标左键双击", nullptr, 3, false, M::Plain, false, kNone, 0},
    {"单选框4", K::RadioButton, nullptr, 32, 136, 99, 24, "鼠标右键双击", nullptr, 4, false, M::Plain, false, kNone, 0},
    {"分组框2", K::GroupBox, nullptr, 24, 176, 112, 48, "循环次数", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"编辑框3", K::EditBox, nullptr, 32, 192, 96, 24, "", &kYaHei16, 18, false, M::Decimal, false, kNone, 0},
    {"分组框5", K::GroupBox, nullptr, 24, 232, 112, 72, "循环间隔", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"编辑框4", K::EditBox, nullptr, 32, 248, 96, 24, "", &kYaHei16, 19, false, M::Decimal, false, kNone, 0},
    {"透明标签1", K::TransparentLabel, "分组框5", 32, 280, 96, 16, "注： 1000ms=1s", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"分组框1", K::GroupBox, nullptr, 24, 312, 112, 72, "点击频率", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"毫秒数", K::EditBox, nullptr, 32, 328, 96, 26, "", &kYaHei16, 5, false, M::Decimal, false, kNone, 0},
    {"透明标签2", K::TransparentLabel, "分组框1", 32, 360, 96, 16, "注： 1000ms=1s", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"分组框6", K::GroupBox, "分组框4", 144, 48, 328, 336, "输入值", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"分组框7", K::GroupBox, "分组框6", 152, 64, 120, 256, "X", &kSong21, 0, false, M::Plain, false, kNone, 0},
    {"分组框8", K::GroupBox, "分组框6", 288, 64, 120, 256, "Y", &kSong21, 0, false, M::Plain, false, kNone, 0},
    {"X", K::EditBox, nullptr, 160, 88, 96, 24, "", &kYaHei16, 6, false, M::Integer, false, kNone, 0},
    {"Y", K::EditBox, nullptr, 296, 88, 96, 24, "", &kYaHei16, 7, false, M::Integer, false, kNone, 0},
    {"X1", K::EditBox, nullptr, 160, 128, 96, 24, "", &kYaHei16, 8, false, M::Integer, false, kNone, 0},
    {"Y1", K::EditBox, nullptr, 296, 128, 96, 24, "", &kYaHei16, 9, false, M::Integer, false, kNone, 0},
    {"X2", K::EditBox, nullptr, 160, 168, 96, 24, "", &kYaHei16, 10, false, M::Integer, false, kNone, 0},
    {"Y2", K::EditBox, nullptr, 296, 168, 96, 24, "", &kYaHei16, 11, false, M::Integer, false, kNone, 0},
    {"X3", K::EditBox, nullptr, 160, 208, 96, 24, "", &kYaHei16, 12, false, M::Integer, false, kNone, 0},
    {"Y3", K::EditBox, nullptr, 296, 208, 96, 24, "", &kYaHei16, 13, false, M::Integer, false, kNone, 0},
    {"X4", K::EditBox, nullptr, 160, 248, 96, 24, "", &kYaHei16, 14, false, M::Integer, false, kNone, 0},
    {"Y4", K::EditBox, nullptr, 296, 248, 96, 24, "", &kYaHei16, 15, false, M::Integer, false, kNone, 0},
    {"X5", K::EditBox, nullptr, 160, 288, 96, 24, "", &kYaHei16, 16, false, M::Integer, false, kNone, 0},
    {"Y5", K::EditBox, nullptr, 296, 288, 96, 24, "", &kYaHei16, 17, false, M::Integer, false, kNone, 0},
    {"按钮3", K::Button, "分组框4", 416, 88, 40, 24, "清除", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"按钮4", K::Button, nullptr, 416, 128, 40, 24, "清除", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"按钮5", K::Button, nullptr, 416, 168, 40, 24, "清除", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"按钮6", K::Button, nullptr, 416, 208, 40, 24, "清除", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"按钮7", K::Button, nullptr, 416, 248, 40, 24, "清除", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"按钮8", K::Button, nullptr, 416, 288, 40, 24, "清除", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"按钮1", K::Button, nullptr, 232, 328, 224, 40, "循环", &kKai21, 20, false, M::Plain, false, kNone, 0},
    {"透明标签3", K::TransparentLabel, "分组框6", 152, 344, 72, 24, "Esc关闭软件", &kSong12, 0, false, M::Plain, false, kNone, 0},
    {"按钮2", K::Button, nullptr, 144, 368, 80, 32, "假按钮2", nullptr, 0, true, M::Plain, false, kNone, 0},
    {"编辑框1", K::EditBox, "分组框4", 344, 384, 128, 64, kHotkeyList, &kYaHei10Italic, 0, false, M::ReadOnly, true, RGB(0, 255, 255), 0},
    {"分组框3", K::GroupBox, nullptr, 144, 392, 200, 56, "坐标", nullptr, 0, false, M::Plain, false, kNone, 0},
    {"透明标签4", K::TransparentLabel, "分组框3", 160, 408, 176, 32, "透明标签", &kExtB16, 0, false, M::Plain, false, kNone, 0},
    {"按钮9", K::Button, "分组框4", 24, 400, 112, 48, "初 始 化", &kKai20, 0, false, M::Plain, false, kNone, 0},
    {"标签3", K::Label, nullptr, 120, 504, 80, 24, "", nullptr, 0, true, M::Plain, false, kNone, 0},
    {"时钟1", K::Timer, nullptr, 0, 504, 0, 0, nullptr, nullptr, 0, true, M::Plain, false, kNone, 1},
    {"时钟2", K::Timer, nullptr, 0, 504, 0, 0, nullptr, nullptr, 0, true, M::Plain, false, kNone, 500},
    {"时钟3", K::Timer, nullptr, 0, 504, 0, 0, nullptr, nullptr, 0, true, M::Plain, false, kNone, 500},
    {"时钟4", K::Timer, nullptr, 0, 504, 0, 0, nullptr, nullptr, 0, true, M::Plain, false, kNone, 1},
    {"青禾", K::Timer, nullptr, 0, 504, 0, 0, nullptr, nullptr, 0, true, M::Plain, false, kNone, 0},
    {"XY值", K::Timer, nullptr, 0, 504, 0, 0, nullptr, nullptr, 0, true, M::Plain, false, kNone, 0},
};
// clang-format on

constexpr WindowSpec kWindow{"鼠标坐标", kDesignWidth, kDesignHeight, 129};

const char* BoxName(Box box) {
  static constexpr const char* kNames[] = {"X",  "Y",  "X1",      "Y1",      "X2",
                                           "Y2", "X3", "Y3",      "X4",      "Y4",
                                           "X5", "Y5", "编辑框3", "编辑框4", "毫秒数"};
  return kNames[static_cast<int>(box)];
}

const char* RadioName(Radio radio) {
  static constexpr const char* kNames[] = {"单选框1", "单选框2", "单选框3", "单选框4"};
  return kNames[static_cast<int>(radio)];
}

constexpr const char* kRowBoxes[][2] = {{"X", "Y"},   {"X1", "Y1"}, {"X2", "Y2"},
                                        {"X3", "Y3"}, {"X4", "Y4"}, {"X5", "Y5"}};
constexpr const char* kAllBoxes[] = {"X",  "Y",  "X1", "Y1", "X2",     "Y2",      "X3",     "Y3",
                                     "X4", "Y4", "X5", "Y5", "毫秒数", "编辑框3", "编辑框4"};

}  // namespace

namespace {

// The keys part of RunWaitingStop: true when it ran F2, or when F1 waits
// ahead of any F2 and nothing more may be looked for. Keys ahead of F2 (F3,
// F4, keys of no meaning here) are run in their turn on the way to it; F1
// keeps its turn, and so does everything behind it (F2, a click of the
// hidden button): the run F1 starts would otherwise outlive the stop.
bool RunWaitingF2(HWND window, const HotkeyIds& ids) {
  const auto f1 = static_cast<WPARAM>(ids.hotkeyF1);
  const auto f2 = static_cast<WPARAM>(ids.hotkeyF2);
  // A bound, for a queue that some program fills with keys.
  constexpr int kMostKeys = 16;
  MSG key;
  for (int taken = 0; taken < kMostKeys; ++taken) {
    if (!PeekMessageA(&key, window, WM_HOTKEY, WM_HOTKEY, PM_NOREMOVE)) return false;
    if (key.message != WM_HOTKEY) return false;  // a quit, which is not ours to take
    if (f1 != 0 && key.wParam == f1) return true;
    if (!PeekMessageA(&key, window, WM_HOTKEY, WM_HOTKEY, PM_REMOVE)) return false;
    if (key.message != WM_HOTKEY) {
      PostQuitMessage(static_cast<int>(key.wParam));
      return false;
    }
    const bool stop = f2 != 0 && key.wParam == f2;
    DispatchOne(key);
    if (stop) return true;
  }
  return false;
}

}  // namespace

void RunWaitingStop(HWND window, HWND stopButton, const HotkeyIds& ids) {
  if (window == nullptr) return;
  // This runs right before a press. The queue is looked at itself: the
  // system's note that posted messages wait is cleared by any look into the
  // queue (on Windows), and the wait before has looked last.
  if (RunWaitingF2(window, ids) || stopButton == nullptr) return;
  if (DispatchWaiting(stopButton, BM_CLICK, [](const MSG&) { return true; })) return;
  DispatchWaiting(window, WM_COMMAND, [stopButton](const MSG& msg) {
    return reinterpret_cast<HWND>(msg.lParam) == stopButton && HIWORD(msg.wParam) == BN_CLICKED;
  });
}

const ControlSpec* MainWindowControls(size_t* count) {
  *count = sizeof kControls / sizeof kControls[0];
  return kControls;
}

const WindowSpec& MainWindowSpec() {
  return kWindow;
}

MainWindow::MainWindow()
    : form_(kWindow, kControls, sizeof kControls / sizeof kControls[0]), engine_(input_, *this) {
  BindEvents();
  input_.SetStopFinder([this] { RunWaitingStop(); });
}

void MainWindow::RunWaitingStop() {
  win32::RunWaitingStop(form_.window(), form_.Control("按钮2"), hotkeyIds_);
}

void MainWindow::BindEvents() {
  form_.OnCreated([this] { RunCreatedHandler(*this); });
  form_.OnDestroy([this] {
    // Closing the window ends the program; no run may go on clicking after it.
    engine_.AbandonRuns();
    PostQuitMessage(0);
  });
  form_.OnClick("按钮1", [this] { engine_.StartRun(); });
  form_.OnClick("按钮2", [this] { engine_.RequestStop(); });
  static constexpr const char* kClearButtons[] = {"按钮3", "按钮4", "按钮5",
                                                  "按钮6", "按钮7", "按钮8"};
  for (size_t row = 0; row < 6; ++row) {
    form_.OnClick(kClearButtons[row], [this, row] { ClearBoxes(kRowBoxes[row], 2); });
  }
  form_.OnClick("按钮9", [this] { ClearBoxes(kAllBoxes, sizeof kAllBoxes / sizeof kAllBoxes[0]); });
  form_.OnNotify("标签3", [this](WPARAM id, LPARAM) {
    DispatchHotkey(engine_, hotkeyIds_, static_cast<int32_t>(id));
  });
  form_.OnTick("时钟1", [this] { ShowCursorPosition(); });
  // The read-out holds every point a desktop can have: up to five digits and
  // a sign on each axis (monitors left of or above the primary one).
  std::vector<std::string> widest;
  for (int32_t digit = 1; digit <= 9; ++digit)
    widest.push_back(CoordinateText(-11111 * digit, -11111 * digit));
  form_.HoldWhole("透明标签4", std::move(widest));
  form_.OnTick("时钟2", [this] { SetLabelColours(); });
  form_.OnTick("时钟4", [this] { LockSize(); });
  // Cursor clicking at any period: 1 ms is 1,000 clicks a second.
  form_.OnTick(
      "青禾", [this] { engine_.CursorClickTick(); }, TickTiming::Counter);
}

bool MainWindow::Create() {
  return form_.Create();
}

std::string MainWindow::GetText(Box box) {
  return form_.GetText(BoxName(box));
}

bool MainWindow::IsSelected(Radio radio) {
  return form_.IsChecked(RadioName(radio));
}

void MainWindow::SetCursorTimerPeriod(int32_t ms) {
  if (TimerControl* timer = form_.Timer("青禾")) SetTimerPeriod(*timer, ms);
}

void MainWindow::ClearBoxes(const char* const* names, size_t count) {
  // One space, not an empty text; the engine counts a blank box as empty.
  for (size_t i = 0; i < count; ++i) form_.SetText(names[i], " ");
}

void MainWindow::ShowCursorPosition() {
  POINT cursor{};
  GetCursorPos(&cursor);
  // Ticks come every millisecond; only a move changes the text.
  if (cursor.x == lastCursor_.x && cursor.y == lastCursor_.y) return;
  lastCursor_ = cursor;
  form_.SetText("透明标签4", CoordinateText(cursor.x, cursor.y).c_str());
}

void MainWindow::InstallFramework() {
  framework::SkinFramework* skin = framework::ProgramFramework();
  if (skin == nullptr) return;
  skin->SetBackground(nullptr, kBackgroundJpg, kBackgroundJpgSize, COLORREF{0}, LONG{0x00C0C0C0},
                      3);
  skin->Settings(1, 32);
  framework::AttachOptions options;
  options.titleHeight = 25;
  options.titleBar = 1;
  options.resize = 1;
  options.helpButton = 0;
  options.mainMenuButton = 0;
  options.caption = 1;
  options.titleGloss = 0;
  skin->AttachWindow(window(), options);
  // The framework answers the colour messages now: label colours go to it.
  form_.SetTextColourSink(
      [skin](HWND label, COLORREF colour) { skin->SetControlTextColour(label, colour); });
  // Translucent, it gives every label a veiled background brush of its own.
  form_.SetLabelsOpaque(skin->Enabled() && skin->Translucent());
}

void MainWindow::SkinGroupBoxes() {
  framework::SkinFramework* skin = framework::ProgramFramework();
  if (skin == nullptr) return;
  // Alpha 0: each box draws only its frame and caption, the window's
  // picture shows inside it.
  static constexpr const char* kGroupBoxes[] = {"分组框4", "分组框5",  "分组框6",
                                                "分组框3", "选择类型", "分组框2",
                                                "分组框1", "分组框7",  "分组框8"};
  for (const char* name : kGroupBoxes)
    framework::SkinContainer(*skin, form_.Control(name), 1, GetSysColor(COLOR_BTNFACE), 0,
                             std::nullopt);
}

void MainWindow::SetLabelColours() {
  form_.SetLabelColour("透明标签3", RGB(0, 0, 255));
  form_.SetLabelColour("透明标签1", RGB(255, 0, 0));
  form_.SetLabelColour("透明标签2", RGB(255, 0, 0));
}

void MainWindow::LockSize() {
  const HWND hwnd = form_.window();
  if (hwnd == nullptr) return;
  form_.SetDesignSize(kDesignWidth, kLockedHeight);
  if (!form_.TakeSizeChange()) return;
  RECT r;
  GetWindowRect(hwnd, &r);
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  const int width = form_.Scaled(kDesignWidth);
  const int height = form_.Scaled(kLockedHeight);
  if (r.right - r.left != width) {
    SetWindowPos(hwnd, nullptr, 0, 0, width, r.bottom - r.top, kFlags);
    GetWindowRect(hwnd, &r);
  }
  if (r.bottom - r.top != height) {
    SetWindowPos(hwnd, nullptr, 0, 0, width, height, kFlags);
  }
}

void MainWindow::RegisterAppHotkeys() {
  const HWND receiver = form_.Control("标签3");
  int32_t* const ids[] = {&hotkeyIds_.hotkeyF1, &hotkeyIds_.hotkeyF2, &hotkeyIds_.hotkeyF4,
                          &hotkeyIds_.hotkeyF3};
  for (int i = 0; i < 4; ++i)
    *ids[i] = router_.Register(form_.window(), receiver, 0, kHotkeyKeys[i]);
}

void MainWindow::AttachSkin() {
  hosting::AttachSkin(hosting::SkinData(), hosting::SkinDataSize(), "", 0, 0, 0);
}

void MainWindow::ShowInstructions(const char* text) {
  ShowNotice(text, NoticeIcon::None);
}

void MainWindow::DetachSkin() {
  hosting::DetachSkin();
}

void MainWindow::HideWindow() {
  ::ShowWindow(form_.window(), SW_HIDE);
}

void MainWindow::ShowWindow() {
  ::ShowWindow(form_.window(), SW_SHOW);
}

int32_t MainWindow::PlatformKind() {
  return win32::PlatformKind();
}

void MainWindow::SetWindowAlpha(int32_t alpha) {
  win32::SetWindowAlpha(form_.window(), alpha);
}

void MainWindow::PumpPending() {
  win32::PumpPending();
}

void MainWindow::SleepMs(int32_t ms) {
  win32::SleepMs(ms);
}

}  // namespace clicker::win32
