#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "clicker/edit_input.h"
#include "clicker/win32/timer_control.h"
#include "framework/dpi.h"

namespace clicker::win32 {

// A window made from a description table: every control with its kind,
// parent, place, caption, font and tab order, and the events bound to them.
// Places, sizes and font heights in the table are pixels at 96 DPI; the
// window shows them at the scale of the monitor it is on.

enum class ControlKind { GroupBox, RadioButton, EditBox, Button, TransparentLabel, Label, Timer };

struct FontSpec {
  const char* face;
  int32_t height;  // character height in pixels at 96 DPI
  int32_t weight;
  bool italic;
};

inline constexpr COLORREF kNoColour = CLR_INVALID;

struct ControlSpec {
  const char* name;
  ControlKind kind;
  const char* parent;  // nullptr: the window itself
  int32_t left, top;   // in the window's client area, whatever the parent
  int32_t width, height;
  const char* caption;
  const FontSpec* font;  // nullptr: the default GUI font
  int32_t tabOrder;      // 0: Tab passes it by
  bool hidden;
  EditMode editMode;
  bool multiLine;
  COLORREF background;  // edit boxes; kNoColour: white
  int32_t timerPeriod;  // timers
};

struct WindowSpec {
  const char* title;
  int32_t width, height;  // outer size at 96 DPI
  int iconResource;       // 0: none
};

class Form {
 public:
  Form(const WindowSpec& window, const ControlSpec* controls, size_t count);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Event binding, before Create.
  void OnCreated(std::function<void()> handler) { onCreated_ = std::move(handler); }
  void OnClick(const char* control, std::function<void()> handler);
  void OnTick(const char* control, std::function<void()> handler,
              TickTiming timing = TickTiming::Window);
  void OnNotify(const char* control, std::function<void(WPARAM, LPARAM)> handler);
  void OnDestroy(std::function<void()> handler) { onDestroy_ = std::move(handler); }
  // A transparent label that must show each of `texts` whole at every scale
  // (a read-out's widest values). A text its font fits is drawn in that font;
  // a wider one in the font narrowed to hold the widest of them.
  void HoldWhole(const char* label, std::vector<std::string> texts);

  // Creates the window hidden and centred on its monitor at that monitor's
  // scale, then its controls, then runs the created handler. Returns false
  // when the window could not be made.
  bool Create();

  HWND window() const { return window_; }
  // The window's outer size of the design (pixels at 96 DPI), at first the
  // description's: the size it has at every scale, and the one it asks for
  // when it moves to another.
  void SetDesignSize(int32_t width, int32_t height) {
    designWidth_ = width;
    designHeight_ = height;
  }
  // The DPI the window is laid out for, and a length of the table at it.
  int dpi() const { return dpi_; }
  int Scaled(int32_t design) const { return framework::ScaleLength(design, dpi_); }
  // Index in the description table; SIZE_MAX for an unknown name.
  size_t IndexOf(const char* name) const;
  HWND Control(const char* name) const;
  TimerControl* Timer(const char* name);

  // A control's current text. An edit box answers from the copy its change
  // notifications keep, so reading it costs no window message: a run reads
  // its boxes before every click.
  std::string GetText(const char* name) const;
  // Sets a control's text; a transparent label is only repainted when it changes.
  void SetText(const char* name, const char* text);
  bool IsChecked(const char* name) const;
  // Text colour of a transparent label; repainted only when it changes.
  void SetLabelColour(const char* name, COLORREF colour);
  COLORREF LabelColour(const char* name) const;
  // Where label colours go besides the form itself (a drawn framework that
  // answers the colour messages); the current colours are handed over at once.
  void SetTextColourSink(std::function<void(HWND, COLORREF)> sink);
  // Whether the labels' parents answer the colour messages with a brush that
  // covers a label whole (a drawn framework's veiled background). A label
  // then repaints alone; without it the window and the boxes under the
  // label are painted again first, which costs tens of milliseconds once
  // the boxes are drawn ones.
  void SetLabelsOpaque(bool opaque) { labelsOpaque_ = opaque; }

  // True once after each change of the window's outer size (and at first):
  // a size check every millisecond need not ask the system in between.
  bool TakeSizeChange() {
    const bool changed = sizeChanged_;
    sizeChanged_ = false;
    return changed;
  }

  // Esc and Tab for the form's window, called from the message pump. Esc
  // closes the window wherever the focus is in it.
  bool PreTranslate(MSG& msg);

  // The form a window or any of its controls belongs to.
  static Form* FromWindow(HWND window);

 private:
  struct ControlState {
    const ControlSpec* entry = nullptr;
    HWND hwnd = nullptr;
    // The row of the group box the control is a child of; SIZE_MAX: the window.
    size_t parent = SIZE_MAX;
    WNDPROC previous = nullptr;
    COLORREF textColour = RGB(0, 0, 0);
    // An edit box's text as of its last change notification.
    std::string text;
    HBRUSH background = nullptr;
    // The texts a label must hold whole, and the narrowed font for those its
    // own font does not fit (made when first needed at a scale).
    std::vector<std::string> heldTexts;
    HFONT narrowed = nullptr;
    bool narrowingFailed = false;
    std::unique_ptr<TimerControl> timer;
    TickTiming tickTiming = TickTiming::Window;
    std::function<void()> onClick;
    std::function<void()> onTick;
    std::function<void(WPARAM, LPARAM)> onNotify;
  };

  static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK ControlProcedure(HWND, UINT, WPARAM, LPARAM);

  LRESULT HandleWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleControlMessage(ControlState& control, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleCommand(WPARAM wParam, LPARAM lParam);
  LRESULT HandleColour(UINT message, HDC dc, HWND control);
  void HandleEditFocusLost(ControlState& control);
  // What a box of integer or decimal input makes of typed and composed
  // characters and of losing the focus; false for a message it leaves alone.
  bool HandleNumericInput(ControlState& control, UINT message, WPARAM wParam, LPARAM lParam,
                          LRESULT* result);
  LRESULT HandleComposedText(ControlState& control, WPARAM wParam, LPARAM lParam);
  // A paste goes in by the rule of typed characters.
  void HandlePaste(ControlState& control);
  // Whether the focused control handles the key (Esc or Tab) on its own.
  bool TakesKeyItself(HWND focus, MSG& msg);
  void CreateControl(size_t index);
  // The control's place at the window's scale, in its parent's client area.
  RECT ControlRect(size_t index) const;
  // A transparent label shows no box of its own: where the ink of its
  // caption needs more than its scaled width (a made-up bold at a small
  // scale widens every glyph by a pixel), it grows to the right.
  void FitLabel(size_t index);
  // A multi-line box shows whole lines only: where its text needs more
  // lines than its scaled height holds (a face whose lines stand taller than
  // the design's), it grows downwards by what is missing.
  void FitLines(size_t index);
  // The font of a table entry at the window's scale (nullptr: the default
  // GUI font); made once per scale.
  HFONT FontFor(const FontSpec* entry);
  // Gives a label that holds its texts whole the font `text` needs.
  void FontForText(ControlState& control, const char* text);
  // The label's font narrowed until the widest of its held texts fits it;
  // nullptr when the font fits them as it is.
  HFONT MakeNarrowedFont(const ControlState& control) const;
  // The window moved to a monitor of another scale, or the scale changed.
  void OnDpiChanged(int dpi, const RECT& suggested);
  ControlState* StateOf(HWND control);
  void RepaintUnder(HWND control);
  void MoveFocus(bool backwards);

  const WindowSpec& spec_;
  std::vector<ControlState> controls_;
  std::vector<std::pair<const FontSpec*, HFONT>> fonts_;
  HWND window_ = nullptr;
  int dpi_ = framework::kDesignDpi;
  int32_t designWidth_ = 0;
  int32_t designHeight_ = 0;
  HBRUSH editBrush_ = nullptr;
  bool sizeChanged_ = true;
  bool labelsOpaque_ = false;
  std::function<void()> onCreated_;
  std::function<void()> onDestroy_;
  std::function<void(HWND, COLORREF)> textColourSink_;
};

}  // namespace clicker::win32
