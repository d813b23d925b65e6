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
  std::optional<int> titleBar;    // default 1
  std::optional<int> resize;      // default 1
  std::optional<int> helpButton;  // default 0
  std::optional<int> mainMenuButton;
  std::optional<int> caption;     // default 1
  std::optional<int> titleGloss;  // default 0
  int frameItemCount = 0;
  Bytes frameItems;
  Bytes backgroundImage;  // empty: the global background image
  std::optional<int> backgroundMode;
};

// One memory DC made by TakeBackgroundSnapshot.
struct SnapshotEntry {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
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

  // Program start: GDI+, the program icon (resource 129, else "DEFAULT_ICON"),
  // the start settings.
  void StartUp();
  // Lets go of every picture, then of GDI+ itself (at WM_QUIT and at the end).
  void StopDrawing();
  // The settings operation: an empty veil alpha turns translucency off.
  void Settings(int enabledFlag, std::optional<int> veilAlphaValue,
                std::optional<int> controlFrameValue = std::nullopt);
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
  WindowRecord* Window(int n) { return windows.At(n); }
  WindowRecord* WindowOf(HWND window);
  int WindowCount() const { return windows.Count(); }

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

  // --- settings (one set for the program) ---
  int enabled = 1;
  int translucent = 0;
  int veilAlpha = 160;
  COLORREF accentColour = 0x00DDCA22;
  COLORREF defaultBackgroundColour = 0;
  int defaultBackgroundMode = 0;
  Bytes globalImage;
  int controlFrame = 1;
  int firstPlacement = 1;
  ULONG_PTR gdiplusToken = 0;
  // The program icon's resource (nullptr: none).
  const char* iconName = nullptr;
  std::vector<SnapshotEntry> snapshots;
  // The global image decoded once.
  std::shared_ptr<gdiplus::Bitmap> globalPicture;

  // --- object fields ---
  int titleStripMargin = 3;
  int hotTitleButton = 0;

  // The window table; a window's 1-based index is its window number.
  Table<WindowRecord> windows;

 private:
  LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The window's metrics, title-bar geometry and pictures for `dpi`.
  void ApplyScale(WindowRecord& record, int dpi);
  // Gives the title buttons' tips the window's scale.
  void ScaleTips(WindowRecord& record);
  // WM_DPICHANGED: the window now shows at another scale.
  LRESULT OnDpiChanged(int n, HWND window, WPARAM wParam, LPARAM lParam);
  LRESULT OnColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void OnCommand(WPARAM wParam, LPARAM lParam);
  // Title-bar, moving, sizing and maximising messages; true when handled
  // with *result (otherwise passed on).
  bool OnFrameMessage(int n, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                      LRESULT* result);
  void OnMouseMove(int n, HWND window, LPARAM lParam);
  void OnMouseLeave(int n, HWND window);
  void OnFadeTick(int n, HWND window);
  void OnGetMinMaxInfo(int n, LPARAM lParam);
  void OnWindowPosChanged(int n, HWND window);
  void ReleaseCaches(WindowRecord& record);
  void Renumber();
  void InstallFamilies(int n, HWND window);
};

// The program's one framework object (nullptr before start-up and after
// the end).
SkinFramework* ProgramFramework();
void SetProgramFramework(SkinFramework* framework);

}  // namespace framework
