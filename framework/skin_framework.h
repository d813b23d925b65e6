#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/records.h"
#include "gdiplus/graphics.h"

namespace framework {

// What AttachWindow is told about a window; an empty optional takes the
// default.
struct AttachOptions {
  int titleHeight = 25;
  std::optional<bool> titleBar;    // default true
  std::optional<bool> resize;      // default true
  std::optional<bool> helpButton;  // default false
  std::optional<bool> mainMenuButton;
  std::optional<bool> caption;     // default true
  std::optional<bool> titleGloss;  // default false
  int frameItemCount = 0;
  Bytes frameItems;
  Bytes backgroundImage;  // empty: the global background image
  std::optional<int> backgroundMode;
};

// Every memory DC TakeBackgroundSnapshot made that ReleaseSnapshot has not
// freed yet, with its bitmap and the object first selected into it.
class SnapshotRegistry {
 public:
  void Add(HDC dc, HBITMAP bitmap, HGDIOBJ previous) { entries_.push_back({dc, bitmap, previous}); }
  // Frees a snapshot: its first object goes back, its bitmap and the DC are
  // deleted. False for a DC that is not one.
  bool Release(HDC dc);
  // Frees a snapshot's DC but hands its bitmap to the caller, who owns it
  // from then on; null for a DC that is not one.
  HBITMAP TakeBitmap(HDC dc);
  size_t Count() const { return entries_.size(); }

 private:
  struct Entry {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
  };
  std::vector<Entry>::iterator Find(HDC dc);

  std::vector<Entry> entries_;
};

// The drawn framework: its settings, the table of attached windows and the
// operations on them. One object per program, reached from the window
// procedures through the program-wide pointer.
class SkinFramework {
 public:
  SkinFramework();
  // Shuts GDI+ down.
  ~SkinFramework();
  SkinFramework(const SkinFramework&) = delete;
  SkinFramework& operator=(const SkinFramework&) = delete;

  // Program start: GDI+, the program icon's resource (129, else "DEFAULT_ICON"),
  // the start settings.
  void StartUp();
  // Lets go of every picture, then of GDI+ itself (at WM_QUIT and at the end).
  void StopDrawing();
  // The settings operation: an empty veil alpha turns translucency off.
  void Settings(bool enabled, std::optional<int> veilAlpha,
                std::optional<bool> controlFrame = std::nullopt);
  // The set-background operation (image from a file path or from bytes). An
  // accent colour of -1 becomes the default background colour.
  void SetBackground(const char* path, const uint8_t* bytes, uint32_t size,
                     std::optional<COLORREF> colour, std::optional<LONG> accent,
                     std::optional<int> mode);

  void AttachWindow(HWND window, const AttachOptions& options);
  LRESULT SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RunTitleButton(int windowNumber, int index);
  // What the help and main-menu buttons of an attached window run (null:
  // nothing).
  void SetHelpCallback(HWND window, Callback callback);
  void SetMainMenuCallback(HWND window, Callback callback);
  // Adds a custom title button of 26 x 18 pixels (`png`, may be empty) with
  // its tooltip caption and action, left of the window's other buttons and
  // right of the custom ones added before. Its index; 0 when the window is
  // not attached.
  int AddTitleButton(HWND window, const uint8_t* png, uint32_t size, const char* caption,
                     Callback callback);
  void DetachWindow(HWND window);
  // Stores the text colour painters and colour messages use ("Kj_Ztys").
  void SetControlTextColour(HWND control, COLORREF colour);

  // The window procedure given to every attached window.
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Runs the working-set trim once on its own thread (framework/trim_thread.cpp).
  static DWORD WINAPI TrimThread(void* unused);

  // Record of window number n; nullptr for 0 or a number past the table.
  WindowRecord* Window(int n) { return windows_.At(n); }
  const WindowRecord* Window(int n) const { return windows_.At(n); }
  WindowRecord* WindowOf(HWND window);
  int WindowCount() const { return windows_.Count(); }
  // The number of the window whose record holds `window`; 0 when none.
  int NumberOf(HWND window) const { return windows_.Find(window); }

  // --- the settings as they stand ---
  bool Enabled() const { return enabled_; }
  bool Translucent() const { return translucent_; }
  int VeilAlpha() const { return veilAlpha_; }
  COLORREF AccentColour() const { return accentColour_; }
  COLORREF DefaultBackgroundColour() const { return defaultBackgroundColour_; }
  int DefaultBackgroundMode() const { return defaultBackgroundMode_; }
  bool ControlFrame() const { return controlFrame_; }
  // Until the first WM_SIZE of an attached window.
  bool FirstPlacement() const { return firstPlacement_; }
  const gdiplus::Bitmap* GlobalPicture() const { return globalPicture_.get(); }
  // The title button under the mouse (shared by all windows), 0 none.
  int HotTitleButton() const { return hotTitleButton_; }
  SnapshotRegistry& Snapshots() { return snapshots_; }
  const SnapshotRegistry& Snapshots() const { return snapshots_; }

  // --- frame operations ---
  void ApplyWindowRegion(HWND window);
  void RenderFrame(int n, HDC target, bool present);
  void CopyCache(int n, HDC target);
  void PaintBackground(int n, gdiplus::Graphics& graphics);
  void PaintBorder(int n, gdiplus::Graphics& graphics);
  // Draws button `index` into cache DC 1 (and presents it unless graphics is
  // given, i.e. inside a full rendering).
  void DrawTitleButton(int n, int index, gdiplus::Graphics* graphics, bool pressed, bool hot,
                       std::optional<int> highlight);
  void DrawHighlight(gdiplus::Graphics& graphics, int n, int index, int value);
  void LayOutTitleButtons(int n);
  int HitTestTitleButtons(int n, int x, int y);
  int FindMaximiseButton(int n);
  void Press(int n, LPARAM lParam, const RECT& client);
  void SetSizingCursor(int n, LPARAM lParam, const RECT& client);
  void DrawCaption(int n, gdiplus::Graphics* graphics, const char* text);
  // The caption area in client coordinates.
  RECT CaptionArea(int n);
  // The program icon for a caption icon box of `box` pixels, at the largest
  // size it carries that fits the box (drawn as it is: a resampled icon
  // blurs); the caller destroys it. A null icon when the program has none.
  CarriedIcon LoadCaptionIcon(int box) const;
  // Repaints every attached window from scratch.
  void RepaintAll();

 private:
  // The message handlers of an attached window work on its state.
  friend class FrameWindow;
  // The window's metrics, title-bar geometry and pictures for `dpi`.
  void ApplyScale(WindowRecord& record, int dpi);
  // Gives the title buttons' tips the window's scale.
  void ScaleTips(WindowRecord& record);
  void ReleaseCaches(WindowRecord& record);
  void Renumber();
  void InstallFamilies(int n, HWND window);

  // --- settings (one set for the program) ---
  bool enabled_ = true;
  bool translucent_ = false;
  int veilAlpha_ = 160;
  COLORREF accentColour_ = 0x00DDCA22;
  COLORREF defaultBackgroundColour_ = 0;
  int defaultBackgroundMode_ = 0;
  Bytes globalImage_;
  bool controlFrame_ = true;
  bool firstPlacement_ = true;
  ULONG_PTR gdiplusToken_ = 0;
  // The program icon's resource (nullptr: none).
  const char* iconName_ = nullptr;
  SnapshotRegistry snapshots_;
  // The global image decoded once.
  std::shared_ptr<gdiplus::Bitmap> globalPicture_;

  // --- object fields ---
  int titleStripMargin_ = 3;
  int hotTitleButton_ = 0;

  // The window table; a window's 1-based index is its window number.
  Table<WindowRecord> windows_;
};

// The program's one framework object (nullptr before start-up and after
// the end).
SkinFramework* ProgramFramework();
void SetProgramFramework(SkinFramework* framework);

}  // namespace framework
