#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/pictures/pictures.h"
#include "framework/metrics.h"
#include "gdiplus/image.h"
#include "gdiplus/tooltip_helper.h"

namespace framework {

using Bytes = std::vector<uint8_t>;

// An icon loaded at one of the sizes its resource carries.
struct CarriedIcon {
  HICON icon = nullptr;
  int size = 0;
};

// A 1-based growable table of records. Index 0 is never valid; callers that
// start from a window property holding 0 find nothing.
template <class T>
class Table {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  bool Has(int index) const { return index >= 1 && index <= Count(); }
  T& operator[](int index) { return items_[static_cast<size_t>(index - 1)]; }
  const T& operator[](int index) const { return items_[static_cast<size_t>(index - 1)]; }
  // Nullptr for an index outside the table.
  T* At(int index) { return Has(index) ? &(*this)[index] : nullptr; }

  // The append rule of every control table: a single placeholder record with
  // no window is reused, otherwise one zero-filled record is added. Returns
  // the index of the fresh record.
  int Append() {
    if (Count() == 1 && items_[0].window == nullptr) {
      items_[0] = T{};
      return 1;
    }
    items_.emplace_back();
    return Count();
  }
  // Plain growth at the end (the window table).
  int PushBack(T&& record) {
    items_.push_back(std::move(record));
    return Count();
  }
  void Remove(int index) {
    if (Has(index)) items_.erase(items_.begin() + (index - 1));
  }
  void Clear() { items_.clear(); }

  // The 1-based index of the record of `window`, 0 when none.
  int Find(HWND window) const {
    for (int i = 1; i <= Count(); ++i)
      if ((*this)[i].window == window) return i;
    return 0;
  }

  typename std::vector<T>::iterator begin() { return items_.begin(); }
  typename std::vector<T>::iterator end() { return items_.end(); }
  typename std::vector<T>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T>::const_iterator end() const { return items_.end(); }

 private:
  std::vector<T> items_;
};

enum TitleButtonKind : int {
  kTitleClose = 0,
  kTitleMaximise = 1,
  kTitleMinimise = 2,
  kTitleMainMenu = 3,
  kTitleHelp = 4,
  kTitleCustom = 5,
};

using Callback = void (*)();

struct TitleButton {
  int width = 0;  // of the design (pixels at 96 DPI); the placement is at the window's scale
  int height = 0;
  Bytes normalImage;  // PNG
  Bytes secondImage;  // PNG; the maximise button's restore state
  Bytes spare;
  int kind = kTitleClose;
  std::string caption;  // the tooltip
  Callback callback = nullptr;
  float x = 0, y = 0, w = 0, h = 0;  // placement
  // The two images at their three scales (the second one empty when none),
  // and the ones for the window's scale decoded once, shared by copies of
  // the record.
  PictureSet normalSet{};
  PictureSet secondSet{};
  std::shared_ptr<gdiplus::Bitmap> normalPicture;
  std::shared_ptr<gdiplus::Bitmap> secondPicture;
};

// (title button index, step 0..8)
struct FadeRecord {
  int button = 0;
  int step = 0;
};

enum ButtonKind : int {
  kPushButton = 0,
  kPictureButton1 = 1,
  kPictureButton3 = 3,
  kRadioButton = 4,
  kCheckBox = 5,
};

struct ButtonRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int kind = kPushButton;
  int kindValues[6] = {};  // of the picture-button kinds
  std::string caption;
  int spare[2] = {};
  int checkState = 0;
  int secondState = 0;
  std::shared_ptr<gdiplus::Image> image;  // created empty at install
  std::string fontFace;
  int fontSize = 0;
  int fontStyle = 0;
};

struct EditRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int focused = 0;
  int spare1 = 0;
  int buttonDown = 0;
  int spare2 = 0;
  int spare3 = 0;
};

struct ComboRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int focused = 0;
  int spare = 0;
};

struct ListControlRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int focused = 0;
  int hot = 0;
  int arrowKeyHeld = 0;
};

struct HeaderRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int mouseInside = 0;
  int hotItem = 0;
  int previousHotItem = 0;
  int buttons = 0;
  int pressedItem = 0;
  int buttonDown = 0;
  std::string fontFace;
  int fontSize = 0;
  int fontStyle = 0;
  HANDLE imageList = nullptr;  // HIMAGELIST
};

struct TrackbarRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int vertical = 0;
  int ticks = 1;  // 0 top/left, 1 bottom/right, 2 both, 3 none
  int hot = 0;
  int selectionRange = 0;
};

struct ProgressRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int vertical = 0;
};

struct UpDownRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  int hot = 0;
  int hotHalf = 0;  // 1 up/left, 2 down/right
  int pressed = 0;
  int horizontal = 0;
  LPARAM lastMouse = 0;
};

struct GenericControlRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  COLORREF keyColour = 0;
};

struct ContainerRecord {
  HWND window = nullptr;
  COLORREF colour = 0;
  int alpha = 255;
  int secondValue = 0;
  WNDPROC previousProc = nullptr;
  int groupBox = 0;
  int option = 1;
  std::string fontFace;
  int fontSize = 0;
  int fontStyle = 0;
};

// Hot-control kinds of WindowRecord::hotKind.
enum HotKind : int {
  kHotButton = 0,
  kHotEdit = 1,
  kHotTrackbar = 2,
  kHotCombo = 3,
  kHotList = 4,
  kHotUpDown = 8,
  kHotHeader = 9,
};

// One attached top-level window. Its geometry (title height, strip, button
// placements, track sizes) is in pixels at the window's scale.
struct WindowRecord {
  HWND window = nullptr;
  int titleHeight = 25;
  int helpButton = 0;
  int mainMenuButton = 0;
  int minimiseButton = 0;
  int maximiseButton = 0;
  int closeButton = 1;
  int caption = 1;
  int titleGloss = 0;
  WNDPROC previousProc = nullptr;
  Bytes ownImage;  // empty: the global background image is used
  int backgroundMode = 0;
  COLORREF representativeColour = 0;
  Table<TitleButton> titleButtons;
  int stripLeft = 0, stripTop = 0, stripWidth = 0, stripHeight = 22;
  HGDIOBJ cache2Original = nullptr;
  HBITMAP cache2Bitmap = nullptr;
  HGDIOBJ cache3Original = nullptr;
  HBITMAP cache3Bitmap = nullptr;
  int maximised = 0;
  int minimised = 0;
  int minTrackWidth = 200, minTrackHeight = 150;
  int workWidth = 0, workHeight = 0;
  int resize = 1;
  int titleBar = 1;
  COLORREF titleColour = 0x00FFFFFF;
  COLORREF titleShadowColour = 0x00808080;
  std::string titleFace = "宋体";
  int titleFontSize = 12;
  int titleFontStyle = 1;
  int lastHotButton = 0;
  int hotKind = 0;
  LONG_PTR hotValue = 0;  // per family; for edits the hot edit's parent
  Callback helpCallback = nullptr;
  Callback mainMenuCallback = nullptr;
  gdiplus::ToolTipHelper tooltip;
  int frameLayout[4] = {};
  int secondStyle = 0;
  COLORREF secondColour = 0x00FFFFFF;
  std::string secondFace = "宋体";
  int secondSize = 12;
  Table<ButtonRecord> buttons;
  Table<EditRecord> edits;
  Table<ListControlRecord> listControls;
  Table<TrackbarRecord> trackbars;
  Table<ProgressRecord> progressBars;
  Table<ComboRecord> combos;
  Table<UpDownRecord> upDowns;
  Table<HeaderRecord> headers;
  Table<GenericControlRecord> genericControls;
  int redrawNeeded = 1;
  HDC cacheDc1 = nullptr, cacheDc2 = nullptr, cacheDc3 = nullptr;
  int previousHot = 0, currentHot = 0;
  int tooltipButtons = 0;
  Table<ContainerRecord> containers;
  int attached = 0;
  int mouseTracking = 0;
  FadeRecord fadeIn;
  FadeRecord fadeOut;
  int animationTimer = 0;
  // Frame items handed to AttachWindow: the application gives none, so only
  // their count is kept.
  int frameItemCount = 0;
  // The own image decoded once (when ownImage is not empty).
  std::shared_ptr<gdiplus::Bitmap> ownPicture;
  // The title height given to AttachWindow (at least 25), of the design.
  int designTitleHeight = 25;
  // Every length the window is painted with, at its scale.
  Metrics metrics;
  // The program icon's picture for the caption at that scale; the window's
  // own, destroyed with a new scale and at the detach.
  CarriedIcon captionIcon;
  // The font of the title buttons' tips at that scale, likewise.
  HFONT tipFont = nullptr;
};

}  // namespace framework
