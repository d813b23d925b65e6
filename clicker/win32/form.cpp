// The form's window and controls made from the description table, laid out
// at the window's scale and again at every new scale; the window's procedure
// and its messages, and the controls' procedure, which hands each message to
// HandleControlMessage. That one (a group box passing its controls' reports
// on to the window, the hotkey notice 0x8075 of a label, the number boxes'
// input), the colours, text, input methods and focus are in form_text.cpp.
#include "clicker/win32/form.h"

#include <cstring>

#include "framework/gdi_handles.h"
#include "framework/shared.h"

namespace clicker::win32 {
namespace {

constexpr char kClassName[] = "ClickerForm";
// The window leads to its Form, every control to its row in the table (1-based).
constexpr char kFormProperty[] = "Rt_Form";
constexpr char kIndexProperty[] = "Rt_Index";
constexpr int kFirstControlId = 1000;
// The default GUI font's character height at 96 DPI: 9 points, as Chinese
// Windows makes it (the table's places were laid out for it).
constexpr int32_t kDefaultFontHeight = 12;
// Windows 10 1703 asks a window for its size at a new scale before it moves
// there (WM_GETDPISCALEDSIZE); older headers do not name it.
constexpr UINT kGetDpiScaledSize = 0x02E4;

using framework::WindowText;

// The width of the widest of `texts` drawn in `font`, as the system lays
// it out (a made-up bold's widening included).
int WidestExtent(HFONT font, const std::vector<std::string>& texts) {
  const framework::MemoryDc memory;
  const HDC dc = memory.get();
  if (dc == nullptr) return 0;
  const framework::SelectedObject selectedFont(dc, font);
  int widest = 0;
  for (const std::string& text : texts) {
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    widest = std::max(widest, static_cast<int>(extent.cx));
  }
  return widest;
}

// How far right of its start a text drawn in `font` has ink: its extent
// counts the spacing after the last glyph, which a label may cut.
int InkWidth(HFONT font, const char* text) {
  const int length = static_cast<int>(std::strlen(text));
  const framework::MemoryDc memory;
  const HDC dc = memory.get();
  if (dc == nullptr) return 0;
  const framework::SelectedObject selectedFont(dc, font);
  SIZE extent{};
  GetTextExtentPoint32A(dc, text, length, &extent);
  // Room for an overhang past the extent (italics), white on black.
  const int width = extent.cx + extent.cy;
  const int height = extent.cy > 0 ? extent.cy : 1;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width > 0 ? width : 1;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  uint32_t* bits = nullptr;
  const framework::OwnedBitmap bitmap(
      CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0));
  int ink = 0;
  if (bitmap.get() != nullptr) {
    const framework::SelectedObject selectedBitmap(dc, bitmap.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, 0, 0, text, length);
    GdiFlush();
    for (int y = 0; y < height; ++y)
      for (int x = ink; x < width; ++x)
        if ((bits[y * width + x] & 0x00FFFFFF) != 0) ink = x + 1;
  }
  return ink;
}

}  // namespace

Form::Form(const WindowSpec& window, const ControlSpec* controls, size_t count)
    : spec_(window), designWidth_(window.width), designHeight_(window.height) {
  controls_.resize(count);
  for (size_t i = 0; i < count; ++i) controls_[i].entry = &controls[i];
}

Form::~Form() {
  if (window_ != nullptr) DestroyWindow(window_);
  for (ControlState& control : controls_) {
    if (control.background != nullptr) DeleteObject(control.background);
    if (control.narrowed != nullptr) DeleteObject(control.narrowed);
  }
  for (const auto& font : fonts_) DeleteObject(font.second);
}

size_t Form::IndexOf(const char* name) const {
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (std::strcmp(controls_[i].entry->name, name) == 0) return i;
  }
  return SIZE_MAX;
}

HWND Form::Control(const char* name) const {
  const size_t index = IndexOf(name);
  return index == SIZE_MAX ? nullptr : controls_[index].hwnd;
}

TimerControl* Form::Timer(const char* name) {
  const size_t index = IndexOf(name);
  return index == SIZE_MAX ? nullptr : controls_[index].timer.get();
}

void Form::OnClick(const char* control, std::function<void()> handler) {
  const size_t index = IndexOf(control);
  if (index != SIZE_MAX) controls_[index].onClick = std::move(handler);
}

void Form::OnTick(const char* control, std::function<void()> handler, TickTiming timing) {
  const size_t index = IndexOf(control);
  if (index == SIZE_MAX) return;
  controls_[index].onTick = std::move(handler);
  controls_[index].tickTiming = timing;
}

void Form::HoldWhole(const char* label, std::vector<std::string> texts) {
  const size_t index = IndexOf(label);
  if (index != SIZE_MAX) controls_[index].heldTexts = std::move(texts);
}

HFONT Form::MakeNarrowedFont(const ControlState& control) const {
  RECT room{};
  GetClientRect(control.hwnd, &room);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control.hwnd, WM_GETFONT, 0, 0));
  LOGFONTA face{};
  if (font == nullptr || GetObjectA(font, sizeof face, &face) != sizeof face) return nullptr;
  const int widest = WidestExtent(font, control.heldTexts);
  if (widest <= room.right) return nullptr;
  TEXTMETRICA metrics{};
  {
    const framework::MemoryDc memory;
    if (memory.get() == nullptr) return nullptr;
    const framework::SelectedObject selectedFont(memory.get(), font);
    GetTextMetricsA(memory.get(), &metrics);
  }
  // Glyphs narrowed in proportion, then a step at a time until all fit.
  for (int width = metrics.tmAveCharWidth * room.right / widest; width > 0; --width) {
    face.lfWidth = width;
    const HFONT narrowed = CreateFontIndirectA(&face);
    if (narrowed == nullptr) return nullptr;
    if (WidestExtent(narrowed, control.heldTexts) <= room.right) return narrowed;
    DeleteObject(narrowed);
  }
  return nullptr;
}

void Form::FontForText(ControlState& control, const char* text) {
  const HFONT own = FontFor(control.entry->font);
  RECT room{};
  GetClientRect(control.hwnd, &room);
  HFONT wanted = own;
  if (WidestExtent(own, {text}) > room.right) {
    if (control.narrowed == nullptr && !control.narrowingFailed) {
      // Narrowed from the label's own font, once a scale: a face that will
      // not narrow is not searched again at every new text.
      SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(own), FALSE);
      control.narrowed = MakeNarrowedFont(control);
      control.narrowingFailed = control.narrowed == nullptr;
    }
    if (control.narrowed != nullptr) wanted = control.narrowed;
  }
  if (reinterpret_cast<HFONT>(SendMessageA(control.hwnd, WM_GETFONT, 0, 0)) != wanted)
    SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(wanted), FALSE);
}

void Form::OnNotify(const char* control, std::function<void(WPARAM, LPARAM)> handler) {
  const size_t index = IndexOf(control);
  if (index != SIZE_MAX) controls_[index].onNotify = std::move(handler);
}

Form* Form::FromWindow(HWND window) {
  if (window == nullptr) return nullptr;
  const HWND root = GetAncestor(window, GA_ROOT);
  return static_cast<Form*>(GetPropA(root != nullptr ? root : window, kFormProperty));
}

Form::ControlState* Form::StateOf(HWND control) {
  if (control == nullptr) return nullptr;
  const auto index = reinterpret_cast<uintptr_t>(GetPropA(control, kIndexProperty));
  if (index == 0 || index > controls_.size()) return nullptr;
  ControlState& state = controls_[index - 1];
  return state.hwnd == control ? &state : nullptr;
}

bool Form::Create() {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  static const bool registered = [instance] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &Form::WindowProcedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
  }();
  if (!registered) return false;

  // Centred on the primary monitor, where a new window appears, at its scale.
  const HMONITOR monitor = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (monitor != nullptr && GetMonitorInfoA(monitor, &info)) screen = info.rcMonitor;
  dpi_ = framework::MonitorDpi(monitor);
  auto place = [&](int& left, int& top, int& width, int& height) {
    width = Scaled(designWidth_);
    height = Scaled(designHeight_);
    left = screen.left + (screen.right - screen.left - width) / 2;
    top = screen.top + (screen.bottom - screen.top - height) / 2;
  };
  int left, top, width, height;
  place(left, top, width, height);
  // No caption and no sizing frame: the frame is drawn by the application.
  // Not WS_CLIPCHILDREN, so that erasing behind a transparent label works.
  window_ = CreateWindowExA(WS_EX_APPWINDOW, kClassName, spec_.title, WS_POPUP | WS_SYSMENU, left,
                            top, width, height, nullptr, nullptr, instance, this);
  if (window_ == nullptr) return false;
  // The system has the last word on the window's scale.
  const int shown = framework::WindowDpi(window_);
  if (shown != dpi_) {
    dpi_ = shown;
    place(left, top, width, height);
    SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (spec_.iconResource != 0) {
    const HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(spec_.iconResource));
    if (icon != nullptr) {
      SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
      SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
  }
  editBrush_ = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  for (size_t i = 0; i < controls_.size(); ++i) CreateControl(i);
  // Group boxes frame the controls around them and go beneath all of them;
  // the outermost, made first, ends up lowest.
  for (size_t i = controls_.size(); i-- > 0;) {
    if (controls_[i].entry->kind == ControlKind::GroupBox && controls_[i].hwnd != nullptr) {
      SetWindowPos(controls_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  // Timers of one period started together expire together, and one wake-up
  // serves them all: the two millisecond timers would otherwise each wake the
  // program on their own.
  for (ControlState& control : controls_) {
    if (control.timer) RestartTimer(*control.timer);
  }
  if (onCreated_) onCreated_();
  return true;
}

HFONT Form::FontFor(const FontSpec* entry) {
  for (const auto& font : fonts_) {
    if (font.first == entry) return font.second;
  }
  HFONT font = nullptr;
  if (entry == nullptr) {
    // The default GUI font's face at its design height at the window's
    // scale. The stock font itself is made for the DPI the session began
    // at, which since Windows 10 1803 need be neither the system's nor the
    // window's: its height says nothing about either.
    const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA face{};
    if (GetObjectA(stock, sizeof face, &face) != sizeof face) return stock;
    face.lfHeight = -Scaled(kDefaultFontHeight);
    face.lfWidth = 0;
    font = CreateFontIndirectA(&face);
    if (font == nullptr) return stock;
  } else {
    font = CreateFontA(-Scaled(entry->height), 0, 0, 0, entry->weight, entry->italic ? TRUE : FALSE,
                       FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, entry->face);
  }
  fonts_.emplace_back(entry, font);
  return font;
}

void Form::FitLabel(size_t index) {
  const ControlState& control = controls_[index];
  const ControlSpec& entry = *control.entry;
  if (entry.kind != ControlKind::TransparentLabel || entry.caption == nullptr) return;
  const RECT rect = ControlRect(index);
  const auto font = reinterpret_cast<HFONT>(SendMessageA(control.hwnd, WM_GETFONT, 0, 0));
  const int ink = InkWidth(font, entry.caption);
  if (ink <= rect.right - rect.left) return;
  SetWindowPos(control.hwnd, nullptr, rect.left, rect.top, ink, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::FitLines(size_t index) {
  const ControlState& control = controls_[index];
  if (control.entry->kind != ControlKind::EditBox || !control.entry->multiLine) return;
  // The box lays its lines out below an inset and shows only as many as
  // fit whole; the room is its client height less that inset above and below.
  RECT client{};
  RECT format{};
  GetClientRect(control.hwnd, &client);
  SendMessageA(control.hwnd, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  const auto lines = static_cast<int>(SendMessageA(control.hwnd, EM_GETLINECOUNT, 0, 0));
  TEXTMETRICA metrics{};
  {
    const framework::WindowDc window(control.hwnd, framework::WindowDc::Area::kClient);
    if (window.get() == nullptr) return;
    const framework::SelectedObject selectedFont(
        window.get(), reinterpret_cast<HGDIOBJ>(SendMessageA(control.hwnd, WM_GETFONT, 0, 0)));
    GetTextMetricsA(window.get(), &metrics);
  }
  const int missing = lines * metrics.tmHeight - (client.bottom - 2 * format.top);
  if (missing <= 0) return;
  const RECT rect = ControlRect(index);
  SetWindowPos(control.hwnd, nullptr, 0, 0, rect.right - rect.left,
               rect.bottom - rect.top + missing, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT Form::ControlRect(size_t index) const {
  const ControlState& control = controls_[index];
  const ControlSpec& entry = *control.entry;
  // Edges are scaled, not sizes, so that neighbours stay flush.
  RECT rect{Scaled(entry.left), Scaled(entry.top), Scaled(entry.left + entry.width),
            Scaled(entry.top + entry.height)};
  if (control.parent != SIZE_MAX) {
    const ControlSpec& parent = *controls_[control.parent].entry;
    OffsetRect(&rect, -Scaled(parent.left), -Scaled(parent.top));
  }
  return rect;
}

void Form::OnDpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  // The old fonts go once every control has its new one.
  std::vector<std::pair<const FontSpec*, HFONT>> old;
  old.swap(fonts_);
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  for (size_t i = 0; i < controls_.size(); ++i) {
    ControlState& control = controls_[i];
    if (control.hwnd == nullptr) continue;
    const RECT rect = ControlRect(i);
    SetWindowPos(control.hwnd, nullptr, rect.left, rect.top, rect.right - rect.left,
                 rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(control.entry->font)),
                 TRUE);
    FitLabel(i);
    FitLines(i);
    // A narrowed font of the old scale goes with the others.
    if (control.narrowed != nullptr) old.emplace_back(nullptr, control.narrowed);
    control.narrowed = nullptr;
    control.narrowingFailed = false;
    if (!control.heldTexts.empty()) FontForText(control, WindowText(control.hwnd).c_str());
  }
  for (const auto& font : old) DeleteObject(font.second);
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form::CreateControl(size_t index) {
  ControlState& control = controls_[index];
  const ControlSpec& entry = *control.entry;
  if (entry.kind == ControlKind::Timer) {
    control.timer = std::make_unique<TimerControl>(
        entry.timerPeriod,
        [this, index] {
          if (controls_[index].onTick) controls_[index].onTick();
        },
        control.tickTiming);
    return;
  }

  HWND parent = window_;
  if (entry.parent != nullptr) {
    const size_t parentIndex = IndexOf(entry.parent);
    if (parentIndex < index && controls_[parentIndex].hwnd != nullptr) {
      parent = controls_[parentIndex].hwnd;
      control.parent = parentIndex;
    }
  }
  const RECT place = ControlRect(index);

  const char* className = "BUTTON";
  // Siblings overlap (controls sit inside group boxes that are not their
  // parents): each one paints only where no sibling lies above it.
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  DWORD exStyle = 0;
  switch (entry.kind) {
    case ControlKind::GroupBox:
      style |= BS_GROUPBOX | WS_GROUP;
      break;
    case ControlKind::RadioButton: {
      style |= BS_AUTORADIOBUTTON;
      // A run of radio buttons is one group: the first one opens it.
      const bool follows =
          index > 0 && controls_[index - 1].entry->kind == ControlKind::RadioButton;
      if (!follows) style |= WS_GROUP;
      break;
    }
    case ControlKind::EditBox:
      className = "EDIT";
      exStyle |= WS_EX_CLIENTEDGE;
      style |= WS_GROUP | ES_AUTOHSCROLL;
      if (entry.multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL;
      if (entry.editMode == EditMode::ReadOnly) style |= ES_READONLY;
      break;
    case ControlKind::Button:
      style |= BS_PUSHBUTTON | WS_GROUP;
      break;
    case ControlKind::TransparentLabel:
    case ControlKind::Label:
      className = "STATIC";
      style |= SS_LEFTNOWORDWRAP | SS_NOPREFIX | WS_GROUP;
      break;
    case ControlKind::Timer:
      break;
  }
  if (!entry.hidden) style |= WS_VISIBLE;
  if (entry.tabOrder > 0) style |= WS_TABSTOP;

  control.hwnd = CreateWindowExA(
      exStyle, className, entry.caption != nullptr ? entry.caption : "", style, place.left,
      place.top, place.right - place.left, place.bottom - place.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + static_cast<int>(index))),
      GetModuleHandleA(nullptr), nullptr);
  if (control.hwnd == nullptr) return;
  control.text = WindowText(control.hwnd);
  SetPropA(control.hwnd, kIndexProperty, reinterpret_cast<HANDLE>(index + 1));
  SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(entry.font)), FALSE);
  FitLabel(index);
  FitLines(index);
  if (entry.kind == ControlKind::EditBox && entry.background != kNoColour) {
    control.background = CreateSolidBrush(entry.background);
  }
  control.previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      control.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::ControlProcedure)));
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetPropA(window, kFormProperty, create->lpCreateParams);
  }
  Form* form = static_cast<Form*>(GetPropA(window, kFormProperty));
  if (form == nullptr || (form->window_ != nullptr && form->window_ != window)) {
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (form->window_ == nullptr && message != WM_NCDESTROY) form->window_ = window;
  return form->HandleWindowMessage(message, wParam, lParam);
}

LRESULT Form::HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = window_;
  switch (message) {
    case WM_COMMAND:
      return HandleCommand(wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return HandleColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_LBUTTONDOWN:
      // A press on the bare client area moves the window like a title bar.
      PostMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, lParam);
      return 0;
    case WM_DPICHANGED: {
      // A scale no display has is not believed: the window's own is asked.
      const int dpi = HIWORD(wParam);
      if (lParam != 0)
        OnDpiChanged(framework::IsPlausibleDpi(dpi) ? dpi : framework::WindowDpi(window),
                     *reinterpret_cast<const RECT*>(lParam));
      return 0;
    }
    case kGetDpiScaledSize: {
      // Its own layout's size, not the old size scaled by the ratio: that
      // is off by a pixel where a scaled length rounds the other way, which
      // the size lock would then take back.
      const int dpi = static_cast<int>(wParam);
      if (lParam == 0 || !framework::IsPlausibleDpi(dpi)) break;
      *reinterpret_cast<SIZE*>(lParam) = SIZE{framework::ScaleLength(designWidth_, dpi),
                                              framework::ScaleLength(designHeight_, dpi)};
      return TRUE;
    }
    case WM_WINDOWPOSCHANGED:
      if ((reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOSIZE) == 0)
        sizeChanged_ = true;
      break;
    case WM_DESTROY:
      for (ControlState& control : controls_) {
        if (control.timer) SetTimerPeriod(*control.timer, 0);
      }
      if (onDestroy_) onDestroy_();
      break;
    case WM_NCDESTROY:
      RemovePropA(window, kFormProperty);
      window_ = nullptr;
      for (ControlState& control : controls_) control.hwnd = nullptr;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT Form::HandleCommand(WPARAM wParam, LPARAM lParam) {
  ControlState* control = StateOf(reinterpret_cast<HWND>(lParam));
  if (control != nullptr && control->entry->kind == ControlKind::EditBox) {
    if (HIWORD(wParam) == EN_CHANGE) control->text = WindowText(control->hwnd);
    return 0;
  }
  if (control != nullptr && HIWORD(wParam) == BN_CLICKED && control->onClick) {
    // The handler may run for a long time (a point-list run) and may end
    // with the window gone.
    const std::function<void()> handler = control->onClick;
    handler();
  }
  return 0;
}

LRESULT CALLBACK Form::ControlProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = FromWindow(hwnd);
  ControlState* control = form != nullptr ? form->StateOf(hwnd) : nullptr;
  if (control == nullptr) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) RemovePropA(hwnd, kIndexProperty);
  return form->HandleControlMessage(*control, message, wParam, lParam);
}

}  // namespace clicker::win32
