#include "framework/skin_framework.h"

#include <shlwapi.h>

#include <algorithm>

#include "data/pictures/pictures.h"
#include "framework/buttons.h"
#include "framework/dpi.h"
#include "framework/drawing_helpers.h"
#include "framework/edits.h"
#include "framework/frame.h"
#include "framework/list_controls.h"
#include "framework/pictures.h"
#include "framework/properties.h"
#include "framework/range_controls.h"
#include "framework/shared.h"

namespace framework {

namespace {

SkinFramework* programFramework = nullptr;

struct ButtonDescription {
  int width;
  int kind;
  const char* caption;
  PictureSet pictures;
  PictureSet second;  // empty (null bytes) when none
};

TitleButton MakeTitleButton(const ButtonDescription& description) {
  TitleButton button;
  button.width = description.width;
  button.height = 18;
  const Picture normal = description.pictures.scales[0];
  button.normalImage.assign(normal.bytes, normal.bytes + normal.size);
  button.normalSet = description.pictures;
  const Picture second = description.second.scales[0];
  if (second.bytes != nullptr) {
    button.secondImage.assign(second.bytes, second.bytes + second.size);
    button.secondSet = description.second;
  }
  button.kind = description.kind;
  button.caption = description.caption;
  return button;
}

// The colour brush and its bitmap a control got for WM_CTLCOLOR*, deleted
// once and forgotten.
void ReleaseColourObjects(HWND control) {
  HGDIOBJ brush = ReadHandleProp<HGDIOBJ>(control, kColourBrushKey);
  HGDIOBJ bitmap = ReadHandleProp<HGDIOBJ>(control, kColourBitmapKey);
  if (brush != nullptr) DeleteObject(brush);
  if (bitmap != nullptr) DeleteObject(bitmap);
  WriteProp(control, kColourBrushKey, 0);
  WriteProp(control, kColourBitmapKey, 0);
}

BOOL CALLBACK ReleaseChildColours(HWND child, LPARAM) {
  ReleaseColourObjects(child);
  return TRUE;
}

}  // namespace

SkinFramework* ProgramFramework() {
  return programFramework;
}
void SetProgramFramework(SkinFramework* framework) {
  programFramework = framework;
}

SkinFramework::SkinFramework() : defaultBackgroundColour(GetSysColor(COLOR_BTNFACE)) {}

SkinFramework::~SkinFramework() {
  StopDrawing();
  if (programFramework == this) programFramework = nullptr;
}

void SkinFramework::StopDrawing() {
  // GDI+ objects must go before GDI+ itself.
  globalPicture.reset();
  for (WindowRecord& record : windows) {
    record.ownPicture.reset();
    for (TitleButton& button : record.titleButtons) {
      button.normalPicture.reset();
      button.secondPicture.reset();
    }
    for (ButtonRecord& button : record.buttons) button.image.reset();
  }
  if (gdiplusToken != 0) gdiplus::StopGdiplus(gdiplusToken, 1);
  gdiplusToken = 0;
}

void SkinFramework::StartUp() {
  gdiplusToken = gdiplus::StartGdiplus(1);
  HINSTANCE module = GetModuleHandleA(nullptr);
  iconName = MAKEINTRESOURCEA(129);
  if (FindResourceA(module, iconName, RT_GROUP_ICON) == nullptr) iconName = "DEFAULT_ICON";
  if (FindResourceA(module, iconName, RT_GROUP_ICON) == nullptr) iconName = nullptr;
  enabled = 1;
  veilAlpha = 160;
  accentColour = 0x00DDCA22;
}

CarriedIcon SkinFramework::LoadCaptionIcon(int box) const {
  const HMODULE module = GetModuleHandleA(nullptr);
  const int size = CarriedIconSize(module, iconName, box);
  if (size == 0) return {};
  const auto icon =
      static_cast<HICON>(LoadImageA(module, iconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  return icon != nullptr ? CarriedIcon{icon, size} : CarriedIcon{};
}

void SkinFramework::Settings(int enabledFlag, std::optional<int> veilAlphaValue,
                             std::optional<int> controlFrameValue) {
  enabled = enabledFlag;
  translucent = veilAlphaValue ? 1 : 0;
  veilAlpha = veilAlphaValue.value_or(160);
  controlFrame = controlFrameValue.value_or(1);
}

WindowRecord* SkinFramework::WindowOf(HWND window) {
  return Window(FindWindowNumber(*this, window));
}

void SkinFramework::AttachWindow(HWND window, const AttachOptions& options) {
  if (window == nullptr || FindWindowNumber(*this, window) > 0) return;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  RECT client{};
  GetClientRect(window, &client);

  WindowRecord record;
  record.window = window;
  record.designTitleHeight = options.titleHeight < 25 ? 25 : options.titleHeight;
  record.helpButton = options.helpButton.value_or(0);
  record.mainMenuButton = options.mainMenuButton.value_or(0);
  record.minimiseButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
  record.maximiseButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
  record.closeButton = 1;
  record.caption = options.caption.value_or(1);
  record.titleGloss = options.titleGloss.value_or(0);
  record.backgroundMode = options.backgroundMode.value_or(defaultBackgroundMode);
  record.workWidth = GetSystemMetrics(SM_CXSCREEN);
  record.workHeight = GetSystemMetrics(SM_CYSCREEN);
  record.resize = options.resize.value_or(1);
  record.titleBar = options.titleBar.value_or(1);

  if (!options.backgroundImage.empty()) {
    record.ownImage = options.backgroundImage;
    record.ownPicture = DecodePicture(record.ownImage);
    if (record.ownPicture) record.representativeColour = RepresentativeColour(*record.ownPicture);
  }

  if (record.helpButton)
    record.titleButtons.PushBack(
        MakeTitleButton({26, kTitleHelp, "帮助", HelpButtonPictures(), {}}));
  if (record.mainMenuButton)
    record.titleButtons.PushBack(
        MakeTitleButton({26, kTitleMainMenu, "主菜单", MainMenuButtonPictures(), {}}));
  if (record.minimiseButton)
    record.titleButtons.PushBack(
        MakeTitleButton({26, kTitleMinimise, "最小化", MinimiseButtonPictures(), {}}));
  if (record.maximiseButton)
    record.titleButtons.PushBack(MakeTitleButton(
        {26, kTitleMaximise, "最大化", MaximiseButtonPictures(), RestoreButtonPictures()}));
  record.titleButtons.PushBack(
      MakeTitleButton({38, kTitleClose, "关闭", CloseButtonPictures(), {}}));
  ApplyScale(record, WindowDpi(window));
  record.stripTop = 0;
  record.stripLeft = client.right - record.metrics.Px(titleStripMargin) - record.stripWidth -
                     record.metrics.stripPadding;

  SetWindowLongA(window, GWL_STYLE, style | WS_SYSMENU);
  const int n = windows.PushBack(std::move(record));
  WindowRecord& attached = windows[n];

  attached.tooltip.Create(window, 0);
  for (int k = 1; k <= attached.titleButtons.Count(); ++k) {
    const TitleButton& button = attached.titleButtons[k];
    RECT rect{static_cast<LONG>(button.x), static_cast<LONG>(button.y),
              static_cast<LONG>(button.x + button.w), static_cast<LONG>(button.y + button.h)};
    attached.tooltip.AddTool(rect, button.caption.c_str(), static_cast<UINT_PTR>(k));
  }
  attached.tooltipButtons = attached.titleButtons.Count();
  ScaleTips(attached);

  LayOutTitleButtons(n);
  if (options.frameItemCount > 0) attached.frameItemCount = options.frameItemCount;
  attached.secondStyle = 0;
  attached.secondColour = 0x00FFFFFF;
  attached.secondFace = "宋体";
  attached.secondSize = 12;

  InstallFamilies(n, window);

  WindowRecord& again = windows[n];  // the installs do not grow the window table
  again.attached = 1;
  again.redrawNeeded = 1;
  const LONG_PTR previous =
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc));
  again.previousProc = reinterpret_cast<WNDPROC>(previous);
  WriteProp(window, kPreviousProcKey, previous);
  WriteProp(window, kWindowNumberKey, n);
}

void SkinFramework::ApplyScale(WindowRecord& record, int dpi) {
  record.metrics = MetricsForDpi(dpi);
  const Metrics& m = record.metrics;
  if (record.captionIcon.icon != nullptr) DestroyIcon(record.captionIcon.icon);
  record.captionIcon = LoadCaptionIcon(m.iconSize);
  record.titleHeight = m.Px(record.designTitleHeight);
  record.minTrackWidth = m.minTrackWidth;
  record.minTrackHeight = m.minTrackHeight;
  int widths = 0;
  for (TitleButton& button : record.titleButtons) {
    widths += m.Px(button.width);
    // A picture of one scale only (a caller's) is decoded from the button's copy.
    button.normalPicture = button.normalSet.scales[0].bytes != nullptr
                               ? DecodePictureFor(button.normalSet, m.dpi)
                               : DecodePicture(button.normalImage);
    button.secondPicture = button.secondSet.scales[0].bytes != nullptr
                               ? DecodePictureFor(button.secondSet, m.dpi)
                               : nullptr;
  }
  // The padding left of the first button, the gaps, and a pixel of the
  // design past the client area's right edge.
  const int count = record.titleButtons.Count();
  record.stripWidth = m.stripPadding + widths + (count - 1) * m.buttonGap + m.Px(1);
  record.stripHeight = m.stripHeight;
}

void SkinFramework::ScaleTips(WindowRecord& record) {
  // The system's tooltip face at its design height at the window's scale:
  // the tooltip takes a font made for the system DPI, which on a monitor of
  // another scale is too small or too large.
  const HWND tip = record.tooltip.Window();
  if (tip == nullptr) return;
  LOGFONTA face{};
  const auto shown = reinterpret_cast<HGDIOBJ>(SendMessageA(tip, WM_GETFONT, 0, 0));
  if (shown == nullptr || GetObjectA(shown, sizeof face, &face) != sizeof face) {
    NONCLIENTMETRICSA system{};
    system.cbSize = sizeof system;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof system, &system, 0)) return;
    face = system.lfStatusFont;
  }
  face.lfHeight = -record.metrics.tipFontHeight;
  face.lfWidth = 0;
  const HFONT font = CreateFontIndirectA(&face);
  if (font == nullptr) return;
  SendMessageA(tip, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (record.tipFont != nullptr) DeleteObject(record.tipFont);
  record.tipFont = font;
}

void SkinFramework::InstallFamilies(int n, HWND window) {
  InstallPushButtons(*this, n, window);
  InstallCheckAndRadioButtons(*this, n, window);
  InstallEditsAndCombos(*this, n, window);
  InstallTrackbars(*this, n, window);
  InstallProgressBars(*this, n, window);
  InstallListControls(*this, n, window);
  InstallUpDowns(*this, n, window);
  InstallHeaderControls(*this, n, window);
}

LRESULT CALLBACK SkinFramework::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (programFramework != nullptr)
    return programFramework->SkinWindowProc(window, message, wParam, lParam);
  WNDPROC previous = ReadHandleProp<WNDPROC>(window, kPreviousProcKey);
  return previous != nullptr ? CallWindowProcA(previous, window, message, wParam, lParam)
                             : DefWindowProcA(window, message, wParam, lParam);
}

LRESULT SkinFramework::PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WNDPROC previous = ReadHandleProp<WNDPROC>(window, kPreviousProcKey);
  if (previous == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT SkinFramework::SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int n = ReadIntProp(window, kWindowNumberKey);
  WindowRecord* record = Window(n);
  // A window the framework does not know (or a stale number) only passes on.
  if (record == nullptr || record->window != window) return PassOn(window, message, wParam, lParam);

  // The record keeps the same previous procedure as "Hw_hProc": passing on
  // through it spares a property look-up on every message.
  const WNDPROC previous = record->previousProc;
  auto passOn = [&] {
    return previous != nullptr ? CallWindowProcA(previous, window, message, wParam, lParam)
                               : PassOn(window, message, wParam, lParam);
  };
  switch (message) {
    case WM_QUIT:
      StopDrawing();
      break;
    case WM_DESTROY:
      // The children still exist here: free the colour objects they hold.
      EnumChildWindows(window, &ReleaseChildColours, 0);
      break;
    case WM_NCDESTROY:
      DetachWindow(window);
      KillTimer(window, reinterpret_cast<UINT_PTR>(window));
      break;
    case WM_SHOWWINDOW:
      if (wParam == 1) {
        if (record->minimised) {
          record->minimised = 0;
        } else {
          PAINTSTRUCT paint;
          HDC dc = BeginPaint(window, &paint);
          RenderFrame(n, dc, true);
          EndPaint(window, &paint);
        }
      }
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_DPICHANGED:
      return OnDpiChanged(n, window, wParam, lParam);
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      if (record->minimised) {
        EndPaint(window, &paint);
        return DefWindowProcA(window, message, wParam, lParam);
      }
      if (!record->redrawNeeded && record->cacheDc1 != nullptr) {
        CopyCache(n, dc);
      } else {
        RenderFrame(n, dc, true);
      }
      EndPaint(window, &paint);
      return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_DRAWITEM: {
      DRAWITEMSTRUCT item{};
      SIZE_T read = 0;
      // Owner-drawn list boxes, combo boxes, statics and menu items are the
      // window's own to draw.
      if (ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &item,
                            sizeof item, &read) &&
          read == sizeof item && DrawButtonItem(*this, n, item)) {
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return OnColour(window, message, wParam, lParam);
    case WM_ACTIVATEAPP:
      if (wParam == 0) SHCreateThread(&TrimThread, nullptr, 0, nullptr);
      break;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      break;
    case WM_NOTIFY: {
      NMHDR header{};
      SIZE_T read = 0;
      if (ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &header,
                            sizeof header, &read) &&
          read == sizeof header) {
        const int code = static_cast<int>(header.code);
        if (code == -406 || code == -405) InvalidateRect(header.hwndFrom, nullptr, TRUE);
      }
      break;
    }
    default: {
      LRESULT result = 0;
      if (OnFrameMessage(n, window, message, wParam, lParam, &result)) return result;
      break;
    }
  }
  return passOn();
}

LRESULT SkinFramework::OnDpiChanged(int n, HWND window, WPARAM wParam, LPARAM lParam) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return PassOn(window, WM_DPICHANGED, wParam, lParam);
  // A scale no display has is not believed: the window's own is asked.
  int dpi = HIWORD(wParam);
  if (!IsPlausibleDpi(dpi)) dpi = WindowDpi(window);
  // The new scale first: the owner's move to the suggested rectangle sends
  // the sizing messages, which lay the title bar out with it. A highlight or
  // fade under way belongs to the buttons' old places.
  ApplyScale(*record, dpi);
  ScaleTips(*record);
  record->redrawNeeded = 1;
  record->lastHotButton = 0;
  record->fadeIn = FadeRecord{};
  record->fadeOut = FadeRecord{};
  hotTitleButton = 0;
  RECT before{};
  GetWindowRect(window, &before);
  const LRESULT result = PassOn(window, WM_DPICHANGED, wParam, lParam);
  n = ReadIntProp(window, kWindowNumberKey);
  record = Window(n);
  if (record == nullptr || record->window != window) return result;
  // An owner that leaves the message to the default procedure keeps its
  // size: the window takes the rectangle the system suggests itself.
  RECT after{};
  GetWindowRect(window, &after);
  const auto* suggested = reinterpret_cast<const RECT*>(lParam);
  if (suggested != nullptr && EqualRect(&before, &after) && !EqualRect(&after, suggested)) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  LayOutTitleButtons(n);
  record->redrawNeeded = 1;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return result;
}

LRESULT SkinFramework::OnColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  HWND control = reinterpret_cast<HWND>(lParam);
  if (!enabled || !translucent) return PassOn(window, message, wParam, lParam);
  switch (message) {
    case WM_CTLCOLOREDIT:
      if (TextEquals(ClassNameOf(GetParent(control)).c_str(), "ComboBox"))
        return PassOn(window, message, wParam, lParam);
      [[fallthrough]];
    case WM_CTLCOLORSTATIC: {
      SetTextColor(dc, static_cast<COLORREF>(ReadProp(control, kTextColourKey)));
      SetBkMode(dc, TRANSPARENT);
      ReleaseColourObjects(control);
      HBITMAP bitmap = MakeVeilBitmap(*this, control);
      HBRUSH brush = bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr;
      WriteHandleProp(control, kColourBrushKey, brush);
      WriteHandleProp(control, kColourBitmapKey, bitmap);
      return reinterpret_cast<LRESULT>(brush);
    }
    case WM_CTLCOLORLISTBOX:
      if (!TextEquals(ClassNameOf(control).c_str(), "ListBox") || IsOwnerDrawnListBox(control))
        return PassOn(window, message, wParam, lParam);
      [[fallthrough]];
    default: {
      SetTextColor(dc, static_cast<COLORREF>(ReadProp(control, kTextColourKey)));
      SetBkMode(dc, TRANSPARENT);
      HGDIOBJ old = ReadHandleProp<HGDIOBJ>(control, kColourBrushKey);
      if (old != nullptr) DeleteObject(old);
      HGDIOBJ empty = GetStockObject(NULL_BRUSH);
      WriteHandleProp(control, kColourBrushKey, empty);
      return reinterpret_cast<LRESULT>(empty);
    }
  }
}

void SkinFramework::OnCommand(WPARAM wParam, LPARAM lParam) {
  HWND control = reinterpret_cast<HWND>(lParam);
  if (!translucent || !enabled || control == nullptr) return;
  const UINT code = HIWORD(wParam);
  const std::string name = ClassNameOf(control);
  bool repaint = false;
  if (TextEquals(name.c_str(), "Edit")) {
    repaint = code == EN_HSCROLL || code == EN_VSCROLL || code == EN_CHANGE || code == EN_UPDATE;
  } else if (TextEquals(name.c_str(), "ListBox")) {
    repaint = code == 1 || code == 3;
  } else if (TextEquals(name.c_str(), "ComboBox")) {
    repaint = code == 4 || code == 1;
  }
  if (repaint) InvalidateRect(control, nullptr, TRUE);
}

void SkinFramework::RunTitleButton(int n, int index) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  TitleButton* button = record->titleButtons.At(index);
  if (button == nullptr) return;
  HWND window = record->window;
  switch (button->kind) {
    case kTitleClose:
      SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case kTitleMaximise:
      record->redrawNeeded = 1;
      if (record->maximised) {
        record->minimised = 0;
        record->maximised = 0;
        SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        record->maximised = 1;
        record->minimised = 0;
        SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      break;
    case kTitleMinimise:
      record->minimised = 1;
      SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case kTitleHelp:
      if (record->helpCallback != nullptr) record->helpCallback();
      break;
    case kTitleMainMenu:
      if (record->mainMenuCallback != nullptr) record->mainMenuCallback();
      break;
    case kTitleCustom:
      if (button->callback != nullptr) button->callback();
      break;
    default:
      break;
  }
}

void SkinFramework::SetHelpCallback(HWND window, Callback callback) {
  if (WindowRecord* record = WindowOf(window)) record->helpCallback = callback;
}

void SkinFramework::SetMainMenuCallback(HWND window, Callback callback) {
  if (WindowRecord* record = WindowOf(window)) record->mainMenuCallback = callback;
}

int SkinFramework::AddTitleButton(HWND window, const uint8_t* png, uint32_t size,
                                  const char* caption, Callback callback) {
  const int n = FindWindowNumber(*this, window);
  WindowRecord* record = Window(n);
  if (record == nullptr) return 0;
  // The button keeps a copy of the caller's picture, which serves at every
  // scale, resampled to the button's size; the caller's bytes may go.
  const Picture picture{png, png != nullptr ? size : 0u};
  TitleButton button = MakeTitleButton({26, kTitleCustom, caption != nullptr ? caption : "",
                                        PictureSet{{picture, {}, {}}}, PictureSet{}});
  button.normalSet = PictureSet{};
  button.callback = callback;
  // Custom buttons go before the system's: the close button stays last.
  Table<TitleButton>& buttons = record->titleButtons;
  int index = 1;
  while (index <= buttons.Count() && buttons[index].kind == kTitleCustom) ++index;
  buttons.PushBack(std::move(button));
  std::rotate(buttons.begin() + (index - 1), buttons.end() - 1, buttons.end());
  // The strip grows by the button at the window's scale; its picture is decoded.
  ApplyScale(*record, record->metrics.dpi);
  // The buttons behind it moved: no hover state may name them any more.
  record->lastHotButton = 0;
  record->fadeIn = FadeRecord{};
  record->fadeOut = FadeRecord{};
  hotTitleButton = 0;
  // One more tool; the layout gives every tool its button's place and text.
  record->tooltip.AddTool(RECT{}, caption != nullptr ? caption : "",
                          static_cast<UINT_PTR>(buttons.Count()));
  record->tooltipButtons = buttons.Count();
  LayOutTitleButtons(n);
  record->redrawNeeded = 1;
  InvalidateRect(window, nullptr, FALSE);
  return index;
}

void SkinFramework::ReleaseCaches(WindowRecord& record) {
  HWND window = record.window;
  if (record.cacheDc1 != nullptr) {
    // What comes out of the DC is the bitmap kept in "Ck_wtjbdx": deleted once.
    HGDIOBJ original = ReadHandleProp<HGDIOBJ>(window, kCacheOriginalKey);
    HGDIOBJ out = original != nullptr ? SelectObject(record.cacheDc1, original) : nullptr;
    HGDIOBJ kept = ReadHandleProp<HGDIOBJ>(window, kCacheBitmapKey);
    DeleteDC(record.cacheDc1);
    if (kept != nullptr) DeleteObject(kept);
    if (out != nullptr && out != kept && out != original) DeleteObject(out);
    WriteProp(window, kCacheOriginalKey, 0);
    WriteProp(window, kCacheBitmapKey, 0);
    record.cacheDc1 = nullptr;
  }
  auto release = [](HDC& dc, HGDIOBJ& original, HBITMAP& bitmap) {
    if (dc == nullptr) return;
    if (original != nullptr) SelectObject(dc, original);
    DeleteDC(dc);
    if (bitmap != nullptr) DeleteObject(bitmap);
    dc = nullptr;
    original = nullptr;
    bitmap = nullptr;
  };
  release(record.cacheDc2, record.cache2Original, record.cache2Bitmap);
  release(record.cacheDc3, record.cache3Original, record.cache3Bitmap);
}

void SkinFramework::DetachWindow(HWND window) {
  const int n = FindWindowNumber(*this, window);
  if (n == 0) return;
  WindowRecord& record = windows[n];
  for (const EditRecord& edit : record.edits)
    if (edit.window != nullptr) ReleaseColourObjects(edit.window);
  ReleaseCaches(record);
  if (record.captionIcon.icon != nullptr) DestroyIcon(record.captionIcon.icon);
  if (record.tipFont != nullptr) {
    // The tooltip may outlive the window: it lets go of the font first.
    if (record.tooltip.Window() != nullptr)
      SendMessageA(record.tooltip.Window(), WM_SETFONT, 0, FALSE);
    DeleteObject(record.tipFont);
  }
  windows.Remove(n);
  Renumber();
}

void SkinFramework::Renumber() {
  for (int i = 1; i <= windows.Count(); ++i) {
    WindowRecord& record = windows[i];
    WriteProp(record.window, kWindowNumberKey, i);
    auto mark = [i](const auto& table) {
      for (const auto& entry : table)
        if (entry.window != nullptr) WriteProp(entry.window, kOwnerNumberKey, i);
    };
    mark(record.listControls);
    mark(record.buttons);
    mark(record.edits);
    mark(record.combos);
    mark(record.headers);
    mark(record.upDowns);
    mark(record.trackbars);
    mark(record.progressBars);
    mark(record.containers);
    for (const GenericControlRecord& entry : record.genericControls)
      if (entry.window != nullptr) WriteProp(entry.window, kGenericOwnerKey, i);
  }
}

void SkinFramework::SetControlTextColour(HWND control, COLORREF colour) {
  if (control == nullptr) return;
  if (TextEquals(ClassNameOf(control).c_str(), "ComboBox")) {
    control = FindWindowExA(control, nullptr, "Edit", nullptr);
    if (control == nullptr) return;
  }
  WriteProp(control, kTextColourKey, static_cast<LONG_PTR>(colour));
}

}  // namespace framework
