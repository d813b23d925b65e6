#pragma once

// The one way from a drawn window to its state, and the shape of every
// family's window procedure: it finds the control's state and makes a small
// object of its family for the one message, whose message map (Handle) sends
// the message to a named handler.
#include <windows.h>

#include <cstddef>

#include "framework/gdi_handles.h"
#include "framework/properties.h"
#include "framework/records.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"

namespace framework {

// One message to a drawn window, and the procedure the window had before
// the framework took it.
struct WindowMessage {
  HWND window = nullptr;
  UINT id = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  WNDPROC previous = nullptr;

  // The message to the window's previous procedure (the default one when it
  // had none).
  LRESULT PassOn() const {
    return previous != nullptr ? CallWindowProcA(previous, window, id, wParam, lParam)
                               : DefWindowProcA(window, id, wParam, lParam);
  }
  LRESULT Default() const { return DefWindowProcA(window, id, wParam, lParam); }
};

// A line of a message map: the member of `Window` that handles `message`.
template <class Window>
struct MessageEntry {
  UINT message;
  LRESULT (Window::*handler)();
};

// The handler a message map names for `message`; null for a message it does
// not name (which the window passes on).
template <class Window, size_t N>
auto HandlerFor(const MessageEntry<Window> (&map)[N], UINT message) -> LRESULT (Window::*)() {
  for (const MessageEntry<Window>& entry : map)
    if (entry.message == message) return entry.handler;
  return nullptr;
}

// The table a family keeps its controls in, and the properties that lead a
// control there: its index, its window's number and its previous procedure.
template <class Record>
struct Family {
  Table<Record> WindowRecord::*table;
  const char* indexKey = kWindowNumberKey;
  const char* ownerKey = kOwnerNumberKey;
  const char* procKey = kPreviousProcKey;
};

// What a skinned control's properties lead to: its window (number and
// record) and its place in its family's table (index and record). Without a
// record when they do not lead back to this very control.
template <class Record>
struct ControlState {
  SkinFramework* framework = nullptr;
  int n = 0;
  int index = 0;
  WindowRecord* window = nullptr;
  Record* record = nullptr;

  explicit operator bool() const { return record != nullptr; }
};

template <class Record>
ControlState<Record> FindControl(SkinFramework* framework, HWND control,
                                 const Family<Record>& family) {
  ControlState<Record> state;
  if (framework == nullptr || control == nullptr) return state;
  state.framework = framework;
  state.n = ReadIntProp(control, family.ownerKey);
  state.index = ReadIntProp(control, family.indexKey);
  state.window = framework->Window(state.n);
  if (state.window == nullptr) return state;
  Record* record = (state.window->*family.table).At(state.index);
  if (record != nullptr && record->window == control) state.record = record;
  return state;
}

// The record of control `index` of window `n` in a family's table; null when
// there is none, or it holds no window any more.
template <class Record>
Record* RecordAt(SkinFramework& framework, int n, int index, const Family<Record>& family) {
  WindowRecord* window = framework.Window(n);
  Record* record = window != nullptr ? (window->*family.table).At(index) : nullptr;
  return record != nullptr && record->window != nullptr ? record : nullptr;
}

// The same for an attached top-level window: its number ("Hw_lbID") and
// record; no record when the number does not lead back to it.
struct AttachedState {
  int n = 0;
  WindowRecord* record = nullptr;
};

inline AttachedState FindAttached(SkinFramework& framework, HWND window) {
  AttachedState state;
  state.n = ReadIntProp(window, kWindowNumberKey);
  WindowRecord* record = framework.Window(state.n);
  if (record != nullptr && record->window == window) state.record = record;
  return state;
}

// Takes `control`, the record of row `index` of window `n`'s table of
// `family`, over with `procedure`: the procedure it had goes into the record
// and the family's procedure key, and the family's index and owner keys lead
// back to the row. The record is looked up here, after whatever the caller's
// install did in between.
template <class Record>
void SubclassControl(SkinFramework& framework, const Family<Record>& family, HWND control, int n,
                     int index, WNDPROC procedure) {
  const LONG_PTR previous =
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  if (Record* record = RecordAt(framework, n, index, family))
    record->previousProc = reinterpret_cast<WNDPROC>(previous);
  WriteProp(control, family.indexKey, index);
  WriteProp(control, family.ownerKey, n);
  WriteProp(control, family.procKey, previous);
}

// The object a family's window procedure makes for one message: the
// control's state and the message, which the family's message map (its
// Handle) sends on to a handler.
template <class Record>
class ControlWindow {
 public:
  ControlWindow(const ControlState<Record>& state, const WindowMessage& message)
      : framework_(*state.framework),
        n_(state.n),
        index_(state.index),
        owner_(*state.window),
        record_(*state.record),
        message_(message) {}

 protected:
  HWND hwnd() const { return message_.window; }
  LRESULT PassOn() const { return message_.PassOn(); }
  LRESULT Default() const { return message_.Default(); }
  // The control's state found again, after a message that may have grown
  // the tables.
  ControlState<Record> Refind(const Family<Record>& family) const {
    return FindControl(&framework_, hwnd(), family);
  }
  // The mouse is over this control: it is the window's current hot control.
  // True when it was not the hot control (of this kind) already.
  bool BecomesHot(int kind) {
    owner_.currentHot = index_;
    return owner_.currentHot != owner_.previousHot || owner_.hotKind != kind;
  }
  // It is now the hot control of its kind.
  void MarkHot(int kind) {
    owner_.previousHot = owner_.currentHot;
    owner_.hotKind = kind;
  }
  bool IsHot(int kind) const { return IsHotControl(owner_, kind, index_); }
  // WM_ERASEBKGND of a control that paints all of itself: nothing is erased.
  LRESULT OnEraseBackground() {
    SetBkMode(reinterpret_cast<HDC>(message_.wParam), TRANSPARENT);
    return 1;
  }
  // WM_PAINT: `paint` draws on the paint DC, then the default procedure has
  // the message.
  template <class Paint>
  LRESULT PaintThenDefault(Paint paint) const {
    {
      const PaintDc dc(hwnd());
      paint(dc.get());
    }
    return Default();
  }
  // Asks for a WM_MOUSELEAVE when the mouse goes.
  void TrackLeave() const {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
    TrackMouseEvent(&track);
  }

  SkinFramework& framework_;
  const int n_;
  const int index_;
  WindowRecord& owner_;
  Record& record_;
  const WindowMessage message_;
};

// A family's window procedure: a fresh `Window` handles the message of a
// control whose properties lead to its record; any other control's message
// only passes on.
template <class Window, class Record>
LRESULT RunControlWindow(const Family<Record>& family, HWND control, UINT id, WPARAM wParam,
                         LPARAM lParam) {
  WindowMessage message{control, id, wParam, lParam, nullptr};
  const ControlState<Record> state = FindControl(ProgramFramework(), control, family);
  if (!state) {
    message.previous = ReadHandleProp<WNDPROC>(control, family.procKey);
    return message.PassOn();
  }
  message.previous = state.record->previousProc;
  return Window(state, message).Handle();
}

}  // namespace framework
