#include "framework/skin_framework.h"

#include <shlwapi.h>

#include <algorithm>

#include "data/pictures/pictures.h"
#include "framework/buttons.h"
#include "framework/control_window.h"
#include "framework/dpi.h"
#include "framework/drawing_helpers.h"
#include "framework/edits.h"
#include "framework/frame.h"
#include "framework/gdi_handles.h"
#include "framework/headers.h"
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
    button.restoreImage.assign(second.bytes, second.bytes + second.size);
    button.restoreSet = description.second;
  }
  button.kind = description.kind;
  button.caption = description.caption;
  return button;
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

SkinFramework::SkinFramework() : defaultBackgroundColour_(GetSysColor(COLOR_BTNFACE)) {}

SkinFramework::~SkinFramework() {
  StopDrawing();
  if (programFramework == this) programFramework = nullptr;
}

void SkinFramework::StopDrawing() {
  // GDI+ objects must go before GDI+ itself.
  globalPicture_.reset();
  for (WindowRecord& record : windows_) {
    record.ownPicture.reset();
    for (TitleButton& button : record.titleButtons) {
      button.normalPicture.reset();
      button.restorePicture.reset();
    }
    for (ButtonRecord& button : record.buttons) button.image.reset();
  }
  if (gdiplusToken_ != 0) gdiplus::StopGdiplus(gdiplusToken_, 1);
  gdiplusToken_ = 0;
}

void SkinFramework::StartUp() {
  gdiplusToken_ = gdiplus::StartGdiplus(1);
  HINSTANCE module = GetModuleHandleA(nullptr);
  iconName_ = MAKEINTRESOURCEA(129);
  if (FindResourceA(module, iconName_, RT_GROUP_ICON) == nullptr) iconName_ = "DEFAULT_ICON";
  if (FindResourceA(module, iconName_, RT_GROUP_ICON) == nullptr) iconName_ = nullptr;
  enabled_ = true;
  veilAlpha_ = 160;
  accentColour_ = 0x00DDCA22;
}

CarriedIcon SkinFramework::LoadCaptionIcon(int box) const {
  const HMODULE module = GetModuleHandleA(nullptr);
  const int size = CarriedIconSize(module, iconName_, box);
  if (size == 0) return {};
  const auto icon =
      static_cast<HICON>(LoadImageA(module, iconName_, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  return icon != nullptr ? CarriedIcon{icon, size} : CarriedIcon{};
}

void SkinFramework::Settings(bool enabled, std::optional<int> veilAlpha,
                             std::optional<bool> controlFrame) {
  enabled_ = enabled;
  translucent_ = veilAlpha.has_value();
  veilAlpha_ = veilAlpha.value_or(160);
  controlFrame_ = controlFrame.value_or(true);
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
  record.helpButton = options.helpButton.value_or(false);
  record.mainMenuButton = options.mainMenuButton.value_or(false);
  record.minimiseButton = (style & WS_MINIMIZEBOX) != 0;
  record.maximiseButton = (style & WS_MAXIMIZEBOX) != 0;
  record.closeButton = true;
  record.caption = options.caption.value_or(true);
  record.titleGloss = options.titleGloss.value_or(false);
  record.backgroundMode = options.backgroundMode.value_or(defaultBackgroundMode_);
  record.workWidth = GetSystemMetrics(SM_CXSCREEN);
  record.workHeight = GetSystemMetrics(SM_CYSCREEN);
  record.resize = options.resize.value_or(true);
  record.titleBar = options.titleBar.value_or(true);

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
  record.stripLeft = client.right - record.metrics.Px(titleStripMargin_) - record.stripWidth -
                     record.metrics.stripPadding;

  SetWindowLongA(window, GWL_STYLE, style | WS_SYSMENU);
  const int n = windows_.PushBack(std::move(record));
  WindowRecord& attached = windows_[n];

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
  attached.frameTextStyle = 0;
  attached.frameTextColour = 0x00FFFFFF;
  attached.frameTextFace = "宋体";
  attached.frameTextSize = 12;

  InstallFamilies(n, window);

  WindowRecord& again = windows_[n];  // the installs do not grow the window table
  again.attached = true;
  again.redrawNeeded = true;
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
    button.restorePicture = button.restoreSet.scales[0].bytes != nullptr
                                ? DecodePictureFor(button.restoreSet, m.dpi)
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

LRESULT SkinFramework::SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const AttachedState state = FindAttached(*this, window);
  WindowMessage received{window, message, wParam, lParam, nullptr};
  // A window the framework does not know (or a stale number) only passes on.
  if (state.record == nullptr) {
    received.previous = ReadHandleProp<WNDPROC>(window, kPreviousProcKey);
    return received.PassOn();
  }
  // The record keeps the same previous procedure as "Hw_hProc": passing on
  // through it spares a property look-up on every message.
  received.previous = state.record->previousProc;
  return FrameWindow(*this, state, received).Handle();
}

// --- FrameWindow: the message map of an attached window ---

FrameWindow::FrameWindow(SkinFramework& skin, const AttachedState& state,
                         const WindowMessage& message)
    : skin_(skin), n_(state.n), record_(state.record), message_(message) {}

LRESULT FrameWindow::Handle() {
  static constexpr MessageEntry<FrameWindow> kMap[] = {
      {WM_QUIT, &FrameWindow::OnQuit},
      {WM_DESTROY, &FrameWindow::OnDestroy},
      {WM_NCDESTROY, &FrameWindow::OnNcDestroy},
      {WM_SHOWWINDOW, &FrameWindow::OnShowWindow},
      {WM_ERASEBKGND, &FrameWindow::OnEraseBackground},
      {WM_DPICHANGED, &FrameWindow::OnDpiChanged},
      {WM_PAINT, &FrameWindow::OnPaint},
      {WM_DRAWITEM, &FrameWindow::OnDrawItem},
      {WM_CTLCOLOREDIT, &FrameWindow::OnColour},
      {WM_CTLCOLORSTATIC, &FrameWindow::OnColour},
      {WM_CTLCOLORLISTBOX, &FrameWindow::OnColour},
      {WM_CTLCOLORBTN, &FrameWindow::OnColour},
      {WM_ACTIVATEAPP, &FrameWindow::OnActivateApp},
      {WM_COMMAND, &FrameWindow::OnCommand},
      {WM_NOTIFY, &FrameWindow::OnNotify},
      {WM_MOUSEMOVE, &FrameWindow::OnMouseMove},
      {WM_MOUSEHOVER, &FrameWindow::OnMouseHover},
      {WM_MOUSELEAVE, &FrameWindow::OnMouseLeave},
      {WM_TIMER, &FrameWindow::OnTimer},
      {WM_LBUTTONDOWN, &FrameWindow::OnLButtonDown},
      {WM_LBUTTONUP, &FrameWindow::OnLButtonUp},
      {WM_LBUTTONDBLCLK, &FrameWindow::OnLButtonDblClk},
      {WM_SYSCOMMAND, &FrameWindow::OnSysCommand},
      {WM_QUERYOPEN, &FrameWindow::OnQueryOpen},
      {WM_GETMINMAXINFO, &FrameWindow::OnGetMinMaxInfo},
      {WM_WINDOWPOSCHANGED, &FrameWindow::OnWindowPosChanged},
      {WM_SIZE, &FrameWindow::OnSize},
      {WM_SETTEXT, &FrameWindow::OnSetText},
  };
  const auto handler = HandlerFor(kMap, message_.id);
  return handler != nullptr ? (this->*handler)() : PassOn();
}

bool FrameWindow::Refind() {
  const AttachedState again = FindAttached(skin_, hwnd());
  n_ = again.n;
  record_ = again.record;
  return record_ != nullptr;
}

LRESULT FrameWindow::OnQuit() {
  skin_.StopDrawing();
  return PassOn();
}

// The children still exist here: free the colour objects they hold.
LRESULT FrameWindow::OnDestroy() {
  EnumChildWindows(hwnd(), &ReleaseChildColours, 0);
  return PassOn();
}

LRESULT FrameWindow::OnNcDestroy() {
  skin_.DetachWindow(hwnd());
  KillTimer(hwnd(), reinterpret_cast<UINT_PTR>(hwnd()));
  return PassOn();
}

// Shown: the frame is rendered whole, unless the window only comes back
// from the taskbar.
LRESULT FrameWindow::OnShowWindow() {
  if (message_.wParam == 1) {
    if (record_->minimised) {
      record_->minimised = false;
    } else {
      const PaintDc dc(hwnd());
      skin_.RenderFrame(n_, dc.get(), true);
    }
  }
  return PassOn();
}

LRESULT FrameWindow::OnEraseBackground() {
  SetBkMode(reinterpret_cast<HDC>(message_.wParam), TRANSPARENT);
  return 1;
}

// The cache is copied, or the frame rendered again when it is due.
LRESULT FrameWindow::OnPaint() {
  {
    const PaintDc dc(hwnd());
    // A minimised window shows nothing.
    if (!record_->minimised) {
      if (!record_->redrawNeeded && record_->frameCache != nullptr) {
        skin_.CopyCache(n_, dc.get());
      } else {
        skin_.RenderFrame(n_, dc.get(), true);
      }
    }
  }
  return Default();
}

// Owner-drawn list boxes, combo boxes, statics and menu items are the
// window's own to draw.
LRESULT FrameWindow::OnDrawItem() {
  return DrawButtonItemAt(skin_, n_, message_.lParam) ? TRUE : PassOn();
}

// WM_DPICHANGED: the window now shows at another scale.
LRESULT FrameWindow::OnDpiChanged() {
  const HWND window = hwnd();
  // A scale no display has is not believed: the window's own is asked.
  int dpi = HIWORD(message_.wParam);
  if (!IsPlausibleDpi(dpi)) dpi = WindowDpi(window);
  // The new scale first: the owner's move to the suggested rectangle sends
  // the sizing messages, which lay the title bar out with it. A highlight or
  // fade under way belongs to the buttons' old places.
  skin_.ApplyScale(*record_, dpi);
  skin_.ScaleTips(*record_);
  record_->redrawNeeded = true;
  record_->lastHotButton = 0;
  record_->fadeIn = FadeRecord{};
  record_->fadeOut = FadeRecord{};
  skin_.hotTitleButton_ = 0;
  RECT before{};
  GetWindowRect(window, &before);
  const LRESULT result = PassOn();
  if (!Refind()) return result;
  // An owner that leaves the message to the default procedure keeps its
  // size: the window takes the rectangle the system suggests itself.
  RECT after{};
  GetWindowRect(window, &after);
  const auto* suggested = reinterpret_cast<const RECT*>(message_.lParam);
  if (suggested != nullptr && EqualRect(&before, &after) && !EqualRect(&after, suggested)) {
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  skin_.LayOutTitleButtons(n_);
  record_->redrawNeeded = true;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return result;
}

// The children's colour messages: in translucent mode they are answered with
// the veiled background, or with no brush at all.
LRESULT FrameWindow::OnColour() {
  HDC dc = reinterpret_cast<HDC>(message_.wParam);
  HWND control = reinterpret_cast<HWND>(message_.lParam);
  if (!skin_.Enabled() || !skin_.Translucent()) return PassOn();
  switch (message_.id) {
    case WM_CTLCOLOREDIT:
      if (IsClass(GetParent(control), "ComboBox")) return PassOn();
      [[fallthrough]];
    case WM_CTLCOLORSTATIC:
      return AnswerWithVeil(skin_, dc, control);
    case WM_CTLCOLORLISTBOX:
      if (!IsClass(control, "ListBox") || IsOwnerDrawnListBox(control)) return PassOn();
      [[fallthrough]];
    default:
      return AnswerWithNoBrush(dc, control);
  }
}

// Every deactivation trims the working set on a thread of its own.
LRESULT FrameWindow::OnActivateApp() {
  if (message_.wParam == 0) SHCreateThread(&SkinFramework::TrimThread, nullptr, 0, nullptr);
  return PassOn();
}

// A child whose content changed shows the veiled background again under it.
LRESULT FrameWindow::OnCommand() {
  HWND control = reinterpret_cast<HWND>(message_.lParam);
  if (!skin_.Translucent() || !skin_.Enabled() || control == nullptr) return PassOn();
  const UINT code = HIWORD(message_.wParam);
  const std::string name = ClassNameOf(control);
  bool repaint = false;
  if (TextEquals(name.c_str(), "Edit")) {
    repaint = EditNeedsVeilAgain(code);
  } else if (TextEquals(name.c_str(), "ListBox")) {
    repaint = code == 1 || code == 3;
  } else if (TextEquals(name.c_str(), "ComboBox")) {
    repaint = code == 4 || code == 1;
  }
  if (repaint) InvalidateRect(control, nullptr, TRUE);
  return PassOn();
}

// A tree view whose item expanded is painted again.
LRESULT FrameWindow::OnNotify() {
  NMHDR header{};
  SIZE_T read = 0;
  if (ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(message_.lParam),
                        &header, sizeof header, &read) &&
      read == sizeof header) {
    const int code = static_cast<int>(header.code);
    if (code == -406 || code == -405) InvalidateRect(header.hwndFrom, nullptr, TRUE);
  }
  return PassOn();
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
      record->redrawNeeded = true;
      if (record->maximised) {
        record->minimised = false;
        record->maximised = false;
        SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        record->maximised = true;
        record->minimised = false;
        SendMessageA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
      }
      break;
    case kTitleMinimise:
      record->minimised = true;
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
  hotTitleButton_ = 0;
  // One more tool; the layout gives every tool its button's place and text.
  record->tooltip.AddTool(RECT{}, caption != nullptr ? caption : "",
                          static_cast<UINT_PTR>(buttons.Count()));
  record->tooltipButtons = buttons.Count();
  LayOutTitleButtons(n);
  record->redrawNeeded = true;
  InvalidateRect(window, nullptr, FALSE);
  return index;
}

void SkinFramework::ReleaseCaches(WindowRecord& record) {
  HWND window = record.window;
  if (record.frameCache != nullptr) {
    // What comes out of the DC is the bitmap kept in "Ck_wtjbdx": deleted once.
    HGDIOBJ original = ReadHandleProp<HGDIOBJ>(window, kCacheOriginalKey);
    HGDIOBJ out = original != nullptr ? SelectObject(record.frameCache, original) : nullptr;
    HGDIOBJ kept = ReadHandleProp<HGDIOBJ>(window, kCacheBitmapKey);
    DeleteDC(record.frameCache);
    if (kept != nullptr) DeleteObject(kept);
    if (out != nullptr && out != kept && out != original) DeleteObject(out);
    WriteProp(window, kCacheOriginalKey, 0);
    WriteProp(window, kCacheBitmapKey, 0);
    record.frameCache = nullptr;
  }
  ReleaseBandCache(record.titleBandCache, record.titleBandOriginal, record.titleBandBitmap);
  ReleaseBandCache(record.captionCache, record.captionOriginal, record.captionBitmap);
}

void SkinFramework::DetachWindow(HWND window) {
  const int n = FindWindowNumber(*this, window);
  if (n == 0) return;
  WindowRecord& record = windows_[n];
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
  windows_.Remove(n);
  Renumber();
}

void SkinFramework::Renumber() {
  for (int i = 1; i <= windows_.Count(); ++i) {
    WindowRecord& record = windows_[i];
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
  if (IsClass(control, "ComboBox")) {
    control = FindWindowExA(control, nullptr, "Edit", nullptr);
    if (control == nullptr) return;
  }
  WriteProp(control, kTextColourKey, static_cast<LONG_PTR>(colour));
}

}  // namespace framework
