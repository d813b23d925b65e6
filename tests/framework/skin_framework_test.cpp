// Attaching, detaching, the window procedure's message table and the title
// buttons' actions, on real windows.
#include <windowsx.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <utility>

#include "data/pictures/pictures.h"
#include "framework/dpi.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "tests/framework/framework_test_support.h"
#include "tests/framework/trim_thread_stub.h"

namespace framework::testing {
namespace {

using SkinFrameworkTest = FrameworkTest;

TEST_F(SkinFrameworkTest, AttachingTwiceKeepsOneRecordAndTheTitleBarIsAtLeast25High) {
  HWND window = MakeWindow();
  EXPECT_EQ(Attach(window, 10), 1);
  Attach(window, 40);
  ASSERT_EQ(skin->WindowCount(), 1);
  const WindowRecord& record = Record(1);
  EXPECT_EQ(record.titleHeight, 25);
  EXPECT_EQ(ReadIntProp(window, kWindowNumberKey), 1);
  EXPECT_EQ(ReadProp(window, kPreviousProcKey), reinterpret_cast<LONG_PTR>(record.previousProc));
  EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(&SkinFramework::WindowProc));
  // What the framework does not handle reaches the old procedure.
  SeenMessages().clear();
  SendMessageA(window, WM_USER + 5, 1, 2);
  ASSERT_EQ(SeenMessages().size(), 1u);
  EXPECT_EQ(SeenMessages()[0].message, static_cast<UINT>(WM_USER + 5));
  EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU, 0);
  EXPECT_TRUE(record.redrawNeeded);
}

TEST_F(SkinFrameworkTest, TheStripHoldsTheButtonsTheStyleAllows) {
  HWND closeOnly = MakeWindow();
  HWND full = MakeWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 120, 120);
  Attach(closeOnly);
  Attach(full);
  const WindowRecord& small = Record(1);
  const WindowRecord& large = Record(2);
  EXPECT_EQ(small.titleButtons.Count(), 1);
  EXPECT_EQ(small.stripWidth, 41);
  ASSERT_EQ(large.titleButtons.Count(), 3);
  EXPECT_EQ(large.stripWidth, 95);
  EXPECT_EQ(large.titleButtons[1].kind, kTitleMinimise);
  EXPECT_EQ(large.titleButtons[2].kind, kTitleMaximise);
  EXPECT_EQ(large.titleButtons[3].kind, kTitleClose);
  // The last button ends at the client area's right edge.
  RECT client{};
  GetClientRect(full, &client);
  const TitleButton& close = large.titleButtons[3];
  EXPECT_EQ(static_cast<int>(close.x + close.w), client.right);
  EXPECT_EQ(static_cast<int>(close.w), 38);
  EXPECT_EQ(static_cast<int>(large.titleButtons[2].x) + 27, static_cast<int>(close.x));
}

TEST_F(SkinFrameworkTest, DestroyingTheFirstWindowRenumbersTheSecondAndItsControls) {
  HWND first = MakeWindow();
  HWND second = MakeWindow(0, 150, 150);
  Attach(first);
  Attach(second);
  HWND button = MakeChild(second, "Button", 10, 40, 80, 24);
  HWND edit = MakeChild(second, "Edit", 10, 80, 80, 24);
  HWND generic = MakeChild(second, "Static", 10, 120, 80, 24);
  WindowRecord& record = Record(2);
  record.buttons[record.buttons.Append()].window = button;
  record.edits[record.edits.Append()].window = edit;
  record.genericControls[record.genericControls.Append()].window = generic;
  WriteProp(button, kOwnerNumberKey, 2);
  WriteProp(edit, kOwnerNumberKey, 2);
  WriteProp(generic, kGenericOwnerKey, 2);

  DestroyWindow(first);
  ASSERT_EQ(skin->WindowCount(), 1);
  EXPECT_EQ(FindWindowNumber(*skin, second), 1);
  EXPECT_EQ(FindWindowNumber(*skin, first), 0);
  EXPECT_EQ(ReadIntProp(second, kWindowNumberKey), 1);
  EXPECT_EQ(ReadIntProp(button, kOwnerNumberKey), 1);
  EXPECT_EQ(ReadIntProp(edit, kOwnerNumberKey), 1);
  EXPECT_EQ(ReadIntProp(generic, kGenericOwnerKey), 1);
  // The renumbered window still works through the framework.
  SeenMessages().clear();
  SendMessageA(second, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("改名"));
  char text[16] = {};
  GetWindowTextA(second, text, sizeof text);
  EXPECT_STREQ(text, "改名");
}

TEST_F(SkinFrameworkTest, WithoutTranslucencyColourMessagesReachTheOldProcedureUnchanged) {
  HWND window = MakeWindow();
  HWND label = MakeChild(window, "Static", 20, 40, 100, 20);
  Attach(window);
  skin->Settings(1, std::nullopt);
  HDC dc = GetDC(label);
  for (UINT message : {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLORLISTBOX}) {
    SeenMessages().clear();
    EXPECT_EQ(SendMessageA(window, message, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(label)),
              kColourMarker);
    ASSERT_EQ(SeenMessages().size(), 1u);
    EXPECT_EQ(SeenMessages()[0].message, message);
    EXPECT_EQ(SeenMessages()[0].wParam, reinterpret_cast<WPARAM>(dc));
    EXPECT_EQ(SeenMessages()[0].lParam, reinterpret_cast<LPARAM>(label));
  }
  // Disabled with translucency asked for: passed on as well.
  skin->Settings(0, 32);
  EXPECT_EQ(SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(label)),
            kColourMarker);
  ReleaseDC(label, dc);
}

TEST_F(SkinFrameworkTest, TranslucentColourAnswersUseTheTextColourAndReplaceTheirBrush) {
  HWND window = MakeWindow();
  HWND label = MakeChild(window, "Static", 20, 40, 100, 20);
  Attach(window);
  skin->Settings(1, 32);
  skin->RenderFrame(1, nullptr, false);
  skin->SetControlTextColour(label, RGB(255, 0, 0));
  HDC dc = GetDC(label);
  SeenMessages().clear();
  const LRESULT first = SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(label));
  EXPECT_TRUE(SeenMessages().empty());
  EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  HGDIOBJ firstBitmap = ReadHandleProp<HGDIOBJ>(label, kColourBitmapKey);
  EXPECT_EQ(GetObjectType(firstBitmap), static_cast<DWORD>(OBJ_BITMAP));
  const LRESULT second = SendMessageA(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(label));
  EXPECT_EQ(ReadProp(label, kColourBrushKey), second);
  if (second != first) {
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u);
  }
  // Buttons get the null brush.
  EXPECT_EQ(SendMessageA(window, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(label)),
            reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
  ReleaseDC(label, dc);
}

TEST_F(SkinFrameworkTest, AWindowTheFrameworkDoesNotKnowOnlyPassesOn) {
  HWND window = MakeWindow();
  skin->Settings(1, 32);
  const LONG_PTR old = SetWindowLongPtrA(window, GWLP_WNDPROC,
                                         reinterpret_cast<LONG_PTR>(&SkinFramework::WindowProc));
  WriteProp(window, kPreviousProcKey, old);
  for (int stale : {0, 5}) {
    WriteProp(window, kWindowNumberKey, stale);
    SeenMessages().clear();
    EXPECT_EQ(SendMessageA(window, WM_CTLCOLORSTATIC, 7, 9), kColourMarker);
    SendMessageA(window, WM_LBUTTONDOWN, 0, MAKELPARAM(395, 295));
    ASSERT_EQ(SeenMessages().size(), 2u);
    EXPECT_EQ(SeenMessages()[0].wParam, 7u);
    EXPECT_EQ(SeenMessages()[0].lParam, 9);
    EXPECT_EQ(SeenMessages()[1].message, static_cast<UINT>(WM_LBUTTONDOWN));
  }
  EXPECT_EQ(skin->Window(0), nullptr);
  skin->RunTitleButton(0, 1);
  skin->RenderFrame(0, nullptr, true);
  EXPECT_EQ(CountSystemCommands(SC_CLOSE), 0);
}

TEST_F(SkinFrameworkTest, EveryDeactivationStartsOneTrimThread) {
  HWND window = MakeWindow();
  Attach(window);
  Pump(50);
  const int runsBefore = TrimThreadsRun();
  for (int i = 0; i < 3; ++i) SendMessageA(window, WM_ACTIVATEAPP, 0, 0);
  SendMessageA(window, WM_ACTIVATEAPP, 1, 0);
  for (int wait = 0; wait < 200 && TrimThreadsRun() < runsBefore + 3; ++wait) Sleep(10);
  Sleep(200);
  EXPECT_EQ(TrimThreadsRun(), runsBefore + 3);
}

int DrawItemsSeen() {
  int count = 0;
  for (const Seen& seen : SeenMessages())
    if (seen.message == WM_DRAWITEM) ++count;
  return count;
}

TEST_F(SkinFrameworkTest, OwnerDrawnItemsTheFrameworkDoesNotDrawReachTheOldProcedure) {
  HWND window = MakeWindow();
  HWND button = MakeChild(window, "Button", 20, 40, 100, 30);
  Attach(window);
  skin->RenderFrame(1, nullptr, false);
  // Made after the attach: owner-drawn, but not the framework's.
  HWND own = CreateWindowExA(0, "Button", "own", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 20, 80, 100,
                             30, window, nullptr, nullptr, nullptr);
  HWND list = CreateWindowExA(0, "ListBox", "", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, 20, 120,
                              100, 60, window, nullptr, nullptr, nullptr);
  HDC dc = GetDC(window);
  const struct {
    UINT type;
    HWND item;
  } others[] = {{ODT_LISTBOX, list},
                {ODT_COMBOBOX, list},
                {ODT_STATIC, list},
                {ODT_MENU, nullptr},
                {ODT_BUTTON, own}};
  for (const auto& other : others) {
    DRAWITEMSTRUCT item{};
    item.CtlType = other.type;
    item.hwndItem = other.item;
    item.hDC = dc;
    item.rcItem = RECT{0, 0, 100, 20};
    SeenMessages().clear();
    SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(DrawItemsSeen(), 1) << "type " << other.type;
  }
  // The framework's own push button is drawn by the framework alone.
  ReleaseDC(window, dc);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = button;
  item.hDC = GetDC(button);
  GetClientRect(button, &item.rcItem);
  SeenMessages().clear();
  EXPECT_EQ(SendMessageA(window, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)), TRUE);
  EXPECT_EQ(DrawItemsSeen(), 0);
  ReleaseDC(button, item.hDC);
}

TEST_F(SkinFrameworkTest, PressingAndReleasingTheCloseButtonSendsClose) {
  HWND window = MakeWindow();
  Attach(window);
  skin->RenderFrame(1, nullptr, false);
  const TitleButton& close = Record(1).titleButtons[1];
  const LPARAM inside =
      MAKELPARAM(static_cast<int>(close.x + close.w / 2), static_cast<int>(close.y + 3));
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, inside);
  EXPECT_EQ(CountSystemCommands(SC_CLOSE), 0);
  // The press inside the strip started neither a move nor a sizing.
  EXPECT_EQ(CountSystemCommands(SC_SIZE), 0);
  SendMessageA(window, WM_LBUTTONUP, 0, inside);
  EXPECT_EQ(CountSystemCommands(SC_CLOSE, true), 1);
}

int helpCalls = 0;
int mainMenuCalls = 0;
int customCalls = 0;
void OnHelp() {
  ++helpCalls;
}
void OnMainMenu() {
  ++mainMenuCalls;
}
void OnCustom() {
  ++customCalls;
}

LPARAM CentreOf(const TitleButton& button) {
  return MAKELPARAM(static_cast<int>(button.x + button.w / 2),
                    static_cast<int>(button.y + button.h / 2));
}

TEST_F(SkinFrameworkTest, TheHelpMainMenuAndCustomButtonsRunTheCallbacksGivenToThem) {
  HWND window = MakeWindow(WS_MINIMIZEBOX);
  AttachOptions options;
  options.helpButton = true;
  options.mainMenuButton = true;
  skin->AttachWindow(window, options);
  const int n = FindWindowNumber(*skin, window);
  WindowRecord& record = Record(n);
  ASSERT_EQ(record.titleButtons.Count(), 4);
  helpCalls = mainMenuCalls = customCalls = 0;
  skin->RunTitleButton(n, 1);  // nothing given yet: nothing runs
  skin->RunTitleButton(n, 2);
  skin->SetHelpCallback(window, &OnHelp);
  skin->SetMainMenuCallback(window, &OnMainMenu);
  skin->RunTitleButton(n, 1);
  skin->RunTitleButton(n, 2);
  EXPECT_EQ(helpCalls, 1);
  EXPECT_EQ(mainMenuCalls, 1);

  const int strip = record.stripWidth;
  // The caller's bytes may go once the button is added.
  auto bytes = std::make_unique<uint8_t[]>(kHelpButtonPngSize);
  std::memcpy(bytes.get(), kHelpButtonPng, kHelpButtonPngSize);
  const int custom =
      skin->AddTitleButton(window, bytes.get(), kHelpButtonPngSize, "自定义", &OnCustom);
  std::memset(bytes.get(), 0, kHelpButtonPngSize);
  bytes.reset();
  ASSERT_EQ(custom, 1);
  ASSERT_EQ(record.titleButtons.Count(), 5);
  EXPECT_EQ(record.titleButtons[1].kind, kTitleCustom);
  EXPECT_EQ(record.titleButtons[2].kind, kTitleHelp);
  EXPECT_EQ(record.titleButtons[5].kind, kTitleClose);
  EXPECT_EQ(record.stripWidth, strip + 27);
  // The strip grows to the left; the close button still ends at the edge.
  RECT client{};
  GetClientRect(window, &client);
  const TitleButton& close = record.titleButtons[5];
  EXPECT_EQ(static_cast<int>(close.x + close.w), client.right);
  EXPECT_EQ(static_cast<int>(record.titleButtons[1].x), record.stripLeft + 2);
  EXPECT_TRUE(record.redrawNeeded);
  // A second one goes right of the first; the first keeps its picture.
  EXPECT_EQ(skin->AddTitleButton(window, nullptr, 0, "二", &OnCustom), 2);
  EXPECT_EQ(record.titleButtons[3].kind, kTitleHelp);
  EXPECT_NE(record.titleButtons[1].normalPicture, nullptr);

  // Pressed and released over them, each runs its own.
  skin->RenderFrame(n, nullptr, false);
  for (int index : {1, 2, 3, 4}) {
    const LPARAM at = CentreOf(record.titleButtons[index]);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(window, WM_LBUTTONUP, 0, at);
  }
  EXPECT_EQ(customCalls, 2);
  EXPECT_EQ(helpCalls, 2);
  EXPECT_EQ(mainMenuCalls, 2);
  EXPECT_EQ(skin->AddTitleButton(MakeWindow(0, 150, 150), nullptr, 0, "无", &OnCustom), 0);
}

TEST_F(SkinFrameworkTest, ThePressedButtonRunsOnlyWhenReleasedOverIt) {
  HWND window = MakeWindow(WS_MINIMIZEBOX);
  Attach(window);
  skin->RenderFrame(1, nullptr, false);
  const TitleButton& minimise = Record(1).titleButtons[1];
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON,
               MAKELPARAM(static_cast<int>(minimise.x + 5), static_cast<int>(minimise.y + 5)));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<int>(minimise.x + 5), 8));
  EXPECT_EQ(CountSystemCommands(SC_MINIMIZE, true), 1);
  EXPECT_TRUE(Record(1).minimised);
}

// A drag that begins just under the top sizing zone, left of the strip, and
// carries the window to a smaller scale: the move loop lays the title bar out
// anew, with the close button under the point pressed, which was no button.
TEST_F(SkinFrameworkTest, APressThatMovesTheWindowToAnotherScaleLeavesNoTitleButtonHot) {
  for (const auto& [from, to] : {std::pair{120, 96}, {144, 120}, {192, 144}}) {
    SCOPED_TRACE(to);
    HWND window = MakeWindow(0, 20, 20, 498, 468);
    const int n = Attach(window);
    MoveToScale(n, from);
    const int x = ScaleLength(498 - 19, to), y = Record(n).metrics.sizingZone;
    ASSERT_EQ(skin->HitTestTitleButtons(n, x, y), 0);
    whileHandling = [&, to = to](const Seen& seen) {
      if (seen.message == WM_NCLBUTTONDOWN && seen.wParam == HTCAPTION) MoveToScale(n, to);
    };
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    whileHandling = nullptr;
    ASSERT_EQ(skin->HitTestTitleButtons(n, x, y), Record(n).titleButtons.Count());
    EXPECT_EQ(skin->HotTitleButton(), 0);
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ(CountSystemCommands(SC_CLOSE), 0) << "the release closed the window";
    DestroyWindow(window);
  }
}

// The title buttons' tips are written at the window's scale, as high as at
// 100 % scaled: on a 200 % laptop beside a 100 % primary monitor "关闭"
// showed at half size.
TEST_F(SkinFrameworkTest, TheTitleButtonsTipsAreWrittenAtTheWindowsScale) {
  const int n = Attach(MakeWindow());
  LONG atDesign = 0;
  for (int dpi : {96, 120, 144, 192}) {
    MoveToScale(n, dpi);
    LOGFONTA font{};
    const HWND tip = Record(n).tooltip.Window();
    GetObjectA(reinterpret_cast<HGDIOBJ>(SendMessageA(tip, WM_GETFONT, 0, 0)), sizeof font, &font);
    if (dpi == 96) atDesign = font.lfHeight;
    EXPECT_NE(font.lfHeight, 0) << "no font";
    EXPECT_EQ(font.lfHeight, MulDiv(atDesign, dpi, 96)) << dpi;
  }
}

TEST_F(SkinFrameworkTest, ADoubleClickOnTheTitleMaximisesOnlyWithAMaximiseButton) {
  HWND plain = MakeWindow();
  HWND maximisable = MakeWindow(WS_MAXIMIZEBOX, 130, 130);
  Attach(plain);
  Attach(maximisable);
  SendMessageA(plain, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 12));
  int commands = 0;
  for (const Seen& seen : SeenMessages())
    if (seen.message == WM_SYSCOMMAND) ++commands;
  EXPECT_EQ(commands, 0);
  EXPECT_FALSE(Record(1).maximised);
  SendMessageA(maximisable, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 12));
  EXPECT_EQ(CountSystemCommands(SC_MAXIMIZE, true), 1);
  // Below the title bar nothing happens.
  SendMessageA(maximisable, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 200));
  EXPECT_EQ(CountSystemCommands(SC_MAXIMIZE) + CountSystemCommands(SC_RESTORE), 1);
}

TEST_F(SkinFrameworkTest, PressesInTheEdgeZonesStartSizingAndElsewhereMoving) {
  HWND window = MakeWindow();
  Attach(window);
  RECT client{};
  GetClientRect(window, &client);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 5, client.bottom - 5));
  EXPECT_EQ(CountSystemCommands(0xF008, true), 1);
  const struct {
    int x, y;
    WPARAM command;
  } zones[] = {{3, 150, 0xF001}, {client.right - 3, 150, 0xF002},
               {200, 3, 0xF003}, {200, client.bottom - 3, 0xF006},
               {3, 3, 0xF004},   {3, client.bottom - 3, 0xF007}};
  // (The top-right corner lies under the close button, which takes its presses.)
  for (const auto& zone : zones) {
    SeenMessages().clear();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(zone.x, zone.y));
    EXPECT_EQ(CountSystemCommands(zone.command, true), 1) << zone.x << "," << zone.y;
  }
  // With the resize flag off the same press moves the window instead.
  Record(1).resize = false;
  SeenMessages().clear();
  passSystemCommands = false;
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 5, client.bottom - 5));
  EXPECT_EQ(CountSystemCommands(0xF008, true), 0);
  bool moved = false;
  for (const Seen& seen : SeenMessages())
    if (seen.message == WM_NCLBUTTONDOWN && seen.wParam == HTCAPTION) moved = true;
  EXPECT_TRUE(moved);
}

TEST_F(SkinFrameworkTest, SettingsAndTextColours) {
  skin->Settings(1, 32);
  EXPECT_TRUE(skin->Translucent());
  EXPECT_EQ(skin->VeilAlpha(), 32);
  EXPECT_TRUE(skin->ControlFrame());
  skin->Settings(1, std::nullopt, 0);
  EXPECT_FALSE(skin->Translucent());
  EXPECT_EQ(skin->VeilAlpha(), 160);
  EXPECT_FALSE(skin->ControlFrame());

  HWND window = MakeWindow();
  HWND combo = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 10, 40, 120,
                               100, window, nullptr, nullptr, nullptr);
  HWND list = CreateWindowExA(0, "ComboBox", "", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, 10, 80,
                              120, 100, window, nullptr, nullptr, nullptr);
  skin->SetControlTextColour(combo, RGB(0, 0, 255));
  HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(ReadProp(edit, kTextColourKey), static_cast<LONG_PTR>(RGB(0, 0, 255)));
  EXPECT_EQ(ReadProp(combo, kTextColourKey), 0);
  skin->SetControlTextColour(list, RGB(0, 0, 255));  // no edit inside: nothing
  EXPECT_EQ(ReadProp(list, kTextColourKey), 0);
  skin->SetControlTextColour(nullptr, RGB(0, 0, 255));
}

TEST_F(SkinFrameworkTest, MaximisingLeavesTheTaskbarUncovered) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  HWND ownTaskbar = nullptr;
  if (taskbar == nullptr) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&wc);
    ownTaskbar = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", nullptr, WS_POPUP | WS_VISIBLE,
                                 0, screenHeight - 30, screenWidth, 30, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    taskbar = ownTaskbar;
  }
  RECT bar{};
  GetWindowRect(taskbar, &bar);
  const int barHeight = bar.bottom - bar.top;

  HWND window = MakeWindow(WS_MAXIMIZEBOX);
  Attach(window);
  passSystemCommands = true;
  skin->RunTitleButton(1, skin->FindMaximiseButton(1));
  Pump(100);
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_TRUE(Record(1).maximised);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, screenWidth);
  EXPECT_EQ(rect.bottom, screenHeight - barHeight);
  // And back.
  skin->RunTitleButton(1, skin->FindMaximiseButton(1));
  Pump(100);
  EXPECT_FALSE(Record(1).maximised);
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  if (ownTaskbar != nullptr) DestroyWindow(ownTaskbar);
}

TEST_F(SkinFrameworkTest, ARestoreTheSystemStartsEndsTheMaximisedState) {
  HWND window = MakeWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  Attach(window);
  passSystemCommands = true;
  HadFirstPlacement(window);
  InvalidateRect(window, nullptr, FALSE);
  Pump(50);
  const int maximise = skin->FindMaximiseButton(1);
  const std::vector<COLORREF> normal = TitleButtonPixels(Record(1), maximise);
  skin->RunTitleButton(1, maximise);
  Pump(100);
  ASSERT_TRUE(IsZoomed(window));
  ASSERT_TRUE(Record(1).maximised);
  // The system menu, the taskbar and the keyboard restore with SC_RESTORE.
  SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump(100);
  EXPECT_FALSE(IsZoomed(window));
  EXPECT_FALSE(Record(1).maximised);
  EXPECT_EQ(TitleButtonPixels(Record(1), maximise), normal);
  // Moving and sizing work again.
  RECT client{};
  GetClientRect(window, &client);
  passSystemCommands = false;
  SeenMessages().clear();
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(client.right - 5, client.bottom - 5));
  EXPECT_EQ(CountSystemCommands(0xF008, true), 1);

  // Restored from the taskbar after a minimise, a maximised window is
  // maximised again.
  passSystemCommands = true;
  skin->RunTitleButton(1, maximise);
  Pump(100);
  SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump(100);
  SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump(100);
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_TRUE(Record(1).maximised);
}

TEST_F(SkinFrameworkTest, MaximisingLeavesATaskbarOnTheLeftEdgeUncovered) {
  for (HWND w = FindWindowExA(nullptr, nullptr, "Shell_TrayWnd", nullptr); w != nullptr;
       w = FindWindowExA(nullptr, w, "Shell_TrayWnd", nullptr)) {
    if (IsWindowVisible(w)) GTEST_SKIP() << "the system shows a taskbar";
  }
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  WNDCLASSA wc{};
  wc.lpfnWndProc = &DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "Shell_TrayWnd";
  RegisterClassA(&wc);
  HWND bar =
      CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 60,
                      screenHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  HWND window = MakeWindow(WS_MAXIMIZEBOX);
  Attach(window);
  passSystemCommands = true;
  skin->RunTitleButton(1, skin->FindMaximiseButton(1));
  Pump(100);
  RECT rect{};
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, 60);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, screenWidth);
  EXPECT_EQ(rect.bottom, screenHeight);
  DestroyWindow(bar);
}

TEST_F(SkinFrameworkTest, TheMinimumTrackSizeIsAlwaysGiven) {
  HWND window = MakeWindow();
  Attach(window);
  MINMAXINFO info{};
  SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 200);
  EXPECT_EQ(info.ptMinTrackSize.y, 150);
}

}  // namespace
}  // namespace framework::testing
