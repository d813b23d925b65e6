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
  const T* At(int index) const { return Has(index) ? &(*this)[index] : nullptr; }

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
  Bytes normalImage;   // PNG
  Bytes restoreImage;  // PNG; the maximise button's restore state, else empty
  int kind = kTitleClose;
  std::string caption;  // the tooltip
  Callback callback = nullptr;
  float x = 0, y = 0, w = 0, h = 0;  // placement
  // The two images at their three scales (the restore one empty when none),
  // and the ones for the window's scale decoded once, shared by copies of
  // the record.
  PictureSet normalSet{};
  PictureSet restoreSet{};
  std::shared_ptr<gdiplus::Bitmap> normalPicture;
  std::shared_ptr<gdiplus::Bitmap> restorePicture;
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
  // The size of a picture button's picture, in its own pixels.
  int pictureWidth = 0;
  int pictureHeight = 0;
  std::string caption;
  int checkState = 0;  // BM_GETCHECK at install, of check boxes and radio buttons
  std::shared_ptr<gdiplus::Image> image;  // a picture button's picture; empty at install
  std::string fontFace;
  int fontSize = 0;
  int fontStyle = 0;
};

struct EditRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool focused = false;
  bool buttonDown = false;  // the left button went down in it and is not up yet
};

struct ComboRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool focused = false;
};

struct ListControlRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool focused = false;
  bool hot = false;
  bool arrowKeyHeld = false;
};

struct HeaderRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool mouseInside = false;
  int hotItem = 0;  // 1-based; 0 none
  int previousHotItem = 0;
  bool itemsAreButtons = false;  // HDS_BUTTONS
  int pressedItem = 0;
  bool buttonDown = false;
  std::string fontFace;
  int fontSize = 0;
  int fontStyle = 0;
  HANDLE imageList = nullptr;  // HIMAGELIST
};

struct TrackbarRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool vertical = false;
  int ticks = 1;  // 0 top/left, 1 bottom/right, 2 both, 3 none
  bool hot = false;
  bool selectionRange = false;
};

struct ProgressRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool vertical = false;
};

struct UpDownRecord {
  HWND window = nullptr;
  WNDPROC previousProc = nullptr;
  bool hot = false;
  int hotHalf = 0;  // 1 up/left, 2 down/right
  bool pressed = false;
  bool horizontal = false;
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
  int callerValue = 0;  // the second value the caller gave; no painter reads it
  WNDPROC previousProc = nullptr;
  bool groupBox = false;
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
  bool helpButton = false;
  bool mainMenuButton = false;
  bool minimiseButton = false;
  bool maximiseButton = false;
  bool closeButton = true;
  bool caption = true;  // the icon and the window text in the title bar
  bool titleGloss = false;
  WNDPROC previousProc = nullptr;
  Bytes ownImage;  // empty: the global background image is used
  int backgroundMode = 0;
  COLORREF representativeColour = 0;
  Table<TitleButton> titleButtons;
  int stripLeft = 0, stripTop = 0, stripWidth = 0, stripHeight = 22;
  // The first objects and the bitmaps of the title band and caption caches.
  HGDIOBJ titleBandOriginal = nullptr;
  HBITMAP titleBandBitmap = nullptr;
  HGDIOBJ captionOriginal = nullptr;
  HBITMAP captionBitmap = nullptr;
  bool maximised = false;
  bool minimised = false;
  int minTrackWidth = 200, minTrackHeight = 150;
  int workWidth = 0, workHeight = 0;
  bool resize = true;
  bool titleBar = true;
  COLORREF titleColour = 0x00FFFFFF;
  COLORREF titleShadowColour = 0x00808080;
  std::string titleFace = "宋体";
  int titleFontSize = 12;
  int titleFontStyle = 1;
  int lastHotButton = 0;
  int hotKind = 0;
  HWND hotParent = nullptr;  // of a hot edit or combo box
  Callback helpCallback = nullptr;
  Callback mainMenuCallback = nullptr;
  gdiplus::ToolTipHelper tooltip;
  // The frame layout values and the text style of frame items (which the
  // application does not use).
  int frameLayout[4] = {};
  int frameTextStyle = 0;
  COLORREF frameTextColour = 0x00FFFFFF;
  std::string frameTextFace = "宋体";
  int frameTextSize = 12;
  Table<ButtonRecord> buttons;
  Table<EditRecord> edits;
  Table<ListControlRecord> listControls;
  Table<TrackbarRecord> trackbars;
  Table<ProgressRecord> progressBars;
  Table<ComboRecord> combos;
  Table<UpDownRecord> upDowns;
  Table<HeaderRecord> headers;
  Table<GenericControlRecord> genericControls;
  bool redrawNeeded = true;
  // Memory DCs: the last full rendering of the window (background, frame and
  // title bar; the source of every background snapshot), and clean copies of
  // its title band and of its caption area.
  HDC frameCache = nullptr, titleBandCache = nullptr, captionCache = nullptr;
  int previousHot = 0, currentHot = 0;
  int tooltipButtons = 0;
  Table<ContainerRecord> containers;
  bool attached = false;
  bool mouseTracking = false;  // from WM_MOUSEHOVER until WM_MOUSELEAVE
  FadeRecord fadeIn;
  FadeRecord fadeOut;
  bool animationTimer = false;
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
