// The form's text: what its boxes and labels show and in which colour, what a
// box accepts from the keyboard and the input methods, and the focus that Tab
// moves and Esc ends the window from.
#include "clicker/win32/form.h"

#include <imm.h>

#include <algorithm>
#include <cstring>

#include "framework/shared.h"

namespace clicker::win32 {
namespace {

using framework::WindowText;

bool IsNumeric(EditMode mode) {
  return mode == EditMode::Integer || mode == EditMode::Decimal;
}

}  // namespace

std::string Form::GetText(const char* name) const {
  const size_t index = IndexOf(name);
  if (index == SIZE_MAX || controls_[index].hwnd == nullptr) return {};
  const ControlState& control = controls_[index];
  if (control.entry->kind == ControlKind::EditBox) return control.text;
  return WindowText(control.hwnd);
}

void Form::SetText(const char* name, const char* text) {
  const size_t index = IndexOf(name);
  if (index == SIZE_MAX || controls_[index].hwnd == nullptr) return;
  ControlState& control = controls_[index];
  if (control.entry->kind == ControlKind::TransparentLabel) {
    if (WindowText(control.hwnd) == text) return;
    if (!control.heldTexts.empty()) FontForText(control, text);
    // The label paints itself anew for its text; over an opaque background
    // brush that is all it takes.
    SetWindowTextA(control.hwnd, text);
    if (!labelsOpaque_) RepaintUnder(control.hwnd);
    return;
  }
  SetWindowTextA(control.hwnd, text);
  // A multi-line box sends no change notification for a text set this way.
  if (control.entry->kind == ControlKind::EditBox) control.text = WindowText(control.hwnd);
}

bool Form::IsChecked(const char* name) const {
  const HWND control = Control(name);
  return control != nullptr && SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form::SetLabelColour(const char* name, COLORREF colour) {
  const size_t index = IndexOf(name);
  if (index == SIZE_MAX || controls_[index].hwnd == nullptr) return;
  ControlState& control = controls_[index];
  if (control.textColour == colour) return;
  control.textColour = colour;
  if (textColourSink_) textColourSink_(control.hwnd, colour);
  if (labelsOpaque_) {
    InvalidateRect(control.hwnd, nullptr, TRUE);
  } else {
    RepaintUnder(control.hwnd);
  }
}

void Form::SetTextColourSink(std::function<void(HWND, COLORREF)> sink) {
  textColourSink_ = std::move(sink);
  if (!textColourSink_) return;
  for (const ControlState& control : controls_) {
    if (control.hwnd != nullptr && control.entry->kind == ControlKind::TransparentLabel)
      textColourSink_(control.hwnd, control.textColour);
  }
}

COLORREF Form::LabelColour(const char* name) const {
  const size_t index = IndexOf(name);
  return index == SIZE_MAX ? kNoColour : controls_[index].textColour;
}

void Form::RepaintUnder(HWND control) {
  // The label has no background of its own: what lies under it is painted
  // again first, then the label over it.
  RECT area;
  GetWindowRect(control, &area);
  MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(window_, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT Form::HandleComposedText(ControlState& control, WPARAM wParam, LPARAM lParam) {
  std::string result;
  if (const HIMC context = ImmGetContext(control.hwnd)) {
    const LONG bytes = ImmGetCompositionStringA(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes > 0) {
      result.resize(static_cast<size_t>(bytes));
      ImmGetCompositionStringA(context, GCS_RESULTSTR, result.data(), static_cast<DWORD>(bytes));
    }
    ImmReleaseContext(control.hwnd, context);
  }
  for (const char c : ComposedTextForBox(control.entry->editMode, result)) {
    CallWindowProcA(control.previous, control.hwnd, WM_CHAR, static_cast<unsigned char>(c), 1);
  }
  // The result is in; what remains of the message (a new composition) goes on.
  const LPARAM rest = lParam & ~static_cast<LPARAM>(GCS_RESULTSTR | GCS_RESULTREADSTR |
                                                    GCS_RESULTCLAUSE | GCS_RESULTREADCLAUSE);
  if (rest == 0) return 0;
  return CallWindowProcA(control.previous, control.hwnd, WM_IME_COMPOSITION, wParam, rest);
}

void Form::HandlePaste(ControlState& control) {
  std::string pasted;
  if (!OpenClipboard(control.hwnd)) return;
  if (const HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
      pasted.assign(text, strnlen(text, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  const std::string taken = PastedTextForBox(control.entry->editMode, pasted);
  // Nothing to take leaves the box as it was, as a paste of nothing does.
  if (taken.empty()) return;
  CallWindowProcA(control.previous, control.hwnd, EM_REPLACESEL, TRUE,
                  reinterpret_cast<LPARAM>(taken.c_str()));
}

void Form::HandleEditFocusLost(ControlState& control) {
  const std::string text = WindowText(control.hwnd);
  const std::string normal = NormaliseEditText(control.entry->editMode, text);
  if (normal == text) return;
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(control.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
               reinterpret_cast<LPARAM>(&end));
  SetWindowTextA(control.hwnd, normal.c_str());
  control.text = WindowText(control.hwnd);
  SendMessageA(control.hwnd, EM_SETSEL, start, static_cast<LPARAM>(end));
  SendMessageA(control.hwnd, EM_SCROLLCARET, 0, 0);
}

bool Form::PreTranslate(MSG& msg) {
  if (msg.message != WM_KEYDOWN || window_ == nullptr) return false;
  if (msg.hwnd != window_ && !IsChild(window_, msg.hwnd)) return false;
  if (msg.wParam != VK_ESCAPE && msg.wParam != VK_TAB) return false;
  const HWND focus = GetFocus();
  if (focus != nullptr && TakesKeyItself(focus, msg)) return false;
  if (msg.wParam == VK_ESCAPE) {
    PostMessageA(window_, WM_CLOSE, 0, 0);
  } else {
    MoveFocus(GetKeyState(VK_SHIFT) < 0);
  }
  return true;
}

bool Form::TakesKeyItself(HWND focus, MSG& msg) {
  // An edit box answers DLGC_WANTALLKEYS (the bit of DLGC_WANTMESSAGE) for
  // Esc as well, but has no use for it: a multi-line box would only post
  // WM_CLOSE to its parent. Esc belongs to the window in every box.
  const ControlState* control = StateOf(focus);
  if (msg.wParam == VK_ESCAPE && control != nullptr &&
      control->entry->kind == ControlKind::EditBox) {
    return false;
  }
  const LRESULT code =
      SendMessageA(focus, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg));
  return (code & DLGC_WANTMESSAGE) != 0;
}

void Form::MoveFocus(bool backwards) {
  std::vector<const ControlState*> order;
  for (const ControlState& control : controls_) {
    if (control.entry->tabOrder > 0 && control.hwnd != nullptr && IsWindowVisible(control.hwnd) &&
        IsWindowEnabled(control.hwnd)) {
      order.push_back(&control);
    }
  }
  if (order.empty()) return;
  std::sort(order.begin(), order.end(), [](const ControlState* a, const ControlState* b) {
    return a->entry->tabOrder < b->entry->tabOrder;
  });
  const HWND focus = GetFocus();
  const auto current = std::find_if(order.begin(), order.end(),
                                    [focus](const ControlState* c) { return c->hwnd == focus; });
  const size_t count = order.size();
  size_t next;
  if (current == order.end()) {
    next = backwards ? count - 1 : 0;
  } else {
    const size_t at = static_cast<size_t>(current - order.begin());
    next = backwards ? (at + count - 1) % count : (at + 1) % count;
  }
  const ControlState* target = order[next];
  SetFocus(target->hwnd);
  if (target->entry->kind == ControlKind::EditBox) SendMessageA(target->hwnd, EM_SETSEL, 0, -1);
}

LRESULT Form::HandleColour(UINT message, HDC dc, HWND controlWindow) {
  ControlState* control = StateOf(controlWindow);
  if (control != nullptr) {
    switch (control->entry->kind) {
      case ControlKind::TransparentLabel:
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, control->textColour);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
      case ControlKind::EditBox:
        SetTextColor(dc, RGB(0, 0, 0));
        if (control->background != nullptr) {
          SetBkColor(dc, control->entry->background);
          return reinterpret_cast<LRESULT>(control->background);
        }
        SetBkColor(dc, RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(editBrush_);
      default:
        break;
    }
  }
  return DefWindowProcA(window_, message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(controlWindow));
}

bool Form::HandleNumericInput(ControlState& control, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT* result) {
  const HWND hwnd = control.hwnd;
  const WNDPROC previous = control.previous;
  const EditMode mode = control.entry->editMode;
  *result = 0;
  if (message == WM_CHAR) return !AcceptsTypedChar(mode, static_cast<unsigned char>(wParam));
  // Input methods bring characters their own ways; the same rule holds.
  if (message == WM_IME_CHAR) {
    const char c = ImeCharForBox(mode, static_cast<unsigned>(wParam));
    if (c != 0) CallWindowProcA(previous, hwnd, WM_CHAR, static_cast<unsigned char>(c), lParam);
    return true;
  }
  if (message == WM_IME_COMPOSITION && (lParam & GCS_RESULTSTR) != 0) {
    *result = HandleComposedText(control, wParam, lParam);
    return true;
  }
  if (message == WM_PASTE) {
    HandlePaste(control);
    return true;
  }
  if (message == WM_KILLFOCUS) {
    *result = CallWindowProcA(previous, hwnd, message, wParam, lParam);
    HandleEditFocusLost(control);
    return true;
  }
  return false;
}

LRESULT Form::HandleControlMessage(ControlState& control, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  const HWND hwnd = control.hwnd;
  const WNDPROC previous = control.previous;
  // Closing is the window's business: a WM_CLOSE reaching a control (a
  // multi-line box posts one to its parent on Esc) must not destroy it.
  if (message == WM_CLOSE) return 0;
  switch (control.entry->kind) {
    case ControlKind::GroupBox:
      // Controls inside a group box report to it; the window handles them.
      if (message == WM_COMMAND || message == WM_NOTIFY || message == WM_CTLCOLOREDIT ||
          message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN || message == WM_DRAWITEM) {
        return SendMessageA(window_, message, wParam, lParam);
      }
      break;
    case ControlKind::EditBox: {
      LRESULT result = 0;
      if (IsNumeric(control.entry->editMode) &&
          HandleNumericInput(control, message, wParam, lParam, &result)) {
        return result;
      }
      break;
    }
    case ControlKind::Label:
      if (message == 0x8075) {
        if (control.onNotify) {
          const std::function<void(WPARAM, LPARAM)> handler = control.onNotify;
          handler(wParam, lParam);
        }
        return 0;
      }
      break;
    default:
      break;
  }
  return CallWindowProcA(previous, hwnd, message, wParam, lParam);
}

}  // namespace clicker::win32
