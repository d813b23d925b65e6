#pragma once

// The one way from a drawn window to its state.
#include <windows.h>

#include "framework/properties.h"
#include "framework/records.h"
#include "framework/skin_framework.h"

namespace framework {

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

}  // namespace framework
