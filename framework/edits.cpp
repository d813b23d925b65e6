#include "framework/edits.h"

#include <string>

#include "data/pictures/pictures.h"
#include "framework/control_window.h"
#include "framework/frame.h"
#include "framework/gdi_handles.h"
#include "framework/non_client.h"
#include "framework/pictures.h"
#include "framework/properties.h"
#include "framework/records.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image.h"
#include "gdiplus/pen.h"
#include "gdiplus/string_format.h"

namespace framework {
namespace {

using gdiplus::ARGB;
using gdiplus::REAL;

constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kBlack = 0x00000000;
constexpr int kUnitDisplay = 1;
constexpr int kStringFormatNoWrap = 0x1000;
constexpr int kCombineModeExclude = 4;

bool IsComboBox(HWND window) {
  return window != nullptr && IsClass(window, "ComboBox");
}

bool IsEdit(HWND window) {
  return window != nullptr && IsClass(window, "Edit");
}

bool HasNoScrollBar(HWND control) {
  return !HasScrollBar(control);
}

SIZE WindowSize(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// A child's window rectangle in the window coordinates of its parent.
RECT ChildRectInWindow(HWND parent, HWND child) {
  RECT parentRect{};
  RECT childRect{};
  GetWindowRect(parent, &parentRect);
  GetWindowRect(child, &childRect);
  OffsetRect(&childRect, -parentRect.left, -parentRect.top);
  return childRect;
}

ARGB FillColour(const SkinFramework& framework) {
  return framework.Translucent() ? Colour(kWhite, framework.VeilAlpha()) : Colour(kWhite, 255);
}

constexpr Family<EditRecord> kEditFamily{&WindowRecord::edits};
constexpr Family<ComboRecord> kComboFamily{&WindowRecord::combos};

void InstallEdit(SkinFramework& framework, int windowNumber, HWND edit) {
  WindowRecord* window = framework.Window(windowNumber);
  if (window == nullptr || window->edits.Find(edit) != 0 || TakenByFramework(edit)) return;
  const int index = window->edits.Append();
  window->edits[index].window = edit;
  SubclassControl(framework, kEditFamily, edit, windowNumber, index, &EditWindowProc);
  WriteProp(edit, kTextColourKey, 0);
}

// Makes the combo box's window text its selected item's text.
void ShowSelectedItem(HWND combo) {
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR) return;
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length == CB_ERR || length < 0) return;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
               reinterpret_cast<LPARAM>(text.data()));
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// What a combo box without an edit shows: its selected item, so that a
// choice made in the list is shown, else its window text.
std::string ComboText(HWND combo) {
  const LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected != CB_ERR) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
    if (length != CB_ERR && length >= 0) {
      std::string text(static_cast<size_t>(length) + 1, '\0');
      const LRESULT got = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(selected),
                                       reinterpret_cast<LPARAM>(text.data()));
      text.resize(got > 0 ? static_cast<size_t>(got) : 0);
      return text;
    }
  }
  return WindowText(combo);
}

void FillRoundedGradient(gdiplus::Graphics& g, REAL x, REAL y, REAL width, REAL height, int corner,
                         ARGB top, ARGB bottom) {
  if (width <= 0 || height <= 0) return;
  gdiplus::GraphicsPath path = RoundedRectPath(x, y, width, height, corner);
  gdiplus::LinearGradientBrush brush;
  if (VerticalGradient(brush, x, y, width, height, top, bottom)) g.FillPath(brush, path);
}

void DrawComboText(gdiplus::Graphics& g, const Metrics& m, const std::string& text, COLORREF colour,
                   int width, int height) {
  if (text.empty()) return;
  gdiplus::Font font;
  if (!CreateFontOrStandIn(font, "宋体", m.comboTextSize, 0, kUnitDisplay)) return;
  gdiplus::StringFormat format;
  if (!format.Create(kStringFormatNoWrap)) return;
  format.SetLineAlign(gdiplus::kStringAlignmentNear);
  gdiplus::SolidBrush brush;
  if (!brush.Create(Colour(colour, 255))) return;
  // The text's box: its size and a margin's height, centred on the height.
  const int size = static_cast<int>(m.comboTextSize);
  const gdiplus::RectF layout{static_cast<REAL>(m.comboTextMargin / 2),
                              static_cast<REAL>((height - size) / 2),
                              static_cast<REAL>(width - m.dropButtonWidth - m.comboTextMargin),
                              static_cast<REAL>(size + m.comboTextMargin)};
  g.DrawString(text.c_str(), font, layout, &format, brush);
}

}  // namespace

void InstallEditsAndCombos(SkinFramework& framework, int windowNumber, HWND parent) {
  if (!framework.Enabled() || framework.Window(windowNumber) == nullptr) return;
  for (HWND edit = FindWindowExA(parent, nullptr, "Edit", nullptr); edit != nullptr;
       edit = FindWindowExA(parent, edit, "Edit", nullptr)) {
    InstallEdit(framework, windowNumber, edit);
  }
  for (HWND combo = FindWindowExA(parent, nullptr, "ComboBox", nullptr); combo != nullptr;
       combo = FindWindowExA(parent, combo, "ComboBox", nullptr)) {
    WindowRecord* window = framework.Window(windowNumber);
    if (window == nullptr) return;
    if (window->combos.Find(combo) != 0 || TakenByFramework(combo)) continue;
    const int index = window->combos.Append();
    window->combos[index].window = combo;
    ShowSelectedItem(combo);
    SubclassControl(framework, kComboFamily, combo, windowNumber, index, &ComboWindowProc);
    if (framework.Translucent()) {
      const HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
      if (edit != nullptr) InstallEdit(framework, windowNumber, edit);
    }
  }
}

void PaintEditFrame(SkinFramework& framework, int windowNumber, int index, bool hot, bool focused) {
  const EditRecord* record = RecordAt(framework, windowNumber, index, kEditFamily);
  if (record == nullptr) return;
  const HWND edit = record->window;
  const SIZE size = WindowSize(edit);
  if (size.cx <= 0 || size.cy <= 0) return;
  const Metrics& m = MetricsOf(framework, edit);
  const RECT area{0, 0, size.cx, size.cy};
  const Snapshot snapshot(framework, edit, area);
  if (snapshot.dc() == nullptr) return;
  {
    gdiplus::Graphics g;
    if (!g.FromHDC(snapshot.dc())) return;
    gdiplus::SolidBrush fill;
    if (fill.Create(FillColour(framework))) g.FillRectangleI(fill, 0, 0, size.cx, size.cy);
    gdiplus::Pen pen;
    const ARGB frame =
        (hot || focused) ? Colour(framework.AccentColour(), 180) : Colour(kBlack, 80);
    const gdiplus::RectF ring = HairlineRect(m, area, 0);
    if (pen.Create(frame, static_cast<REAL>(m.line)))
      g.DrawRectangle(pen, ring.X, ring.Y, ring.Width, ring.Height);
  }
  const WindowDc target(edit, WindowDc::Area::kWhole);
  if (target.get() == nullptr) return;
  // The client area and the scroll bars are the edit's and the system's.
  const RECT inner = ClientRectInWindow(edit);
  ExcludeClipRect(target.get(), inner.left, inner.top, inner.right, inner.bottom);
  BitBlt(target.get(), 0, 0, size.cx, size.cy, snapshot.dc(), 0, 0, SRCCOPY);
}

void PaintCombo(SkinFramework& framework, int windowNumber, int index, bool hot, bool focused) {
  const ComboRecord* record = RecordAt(framework, windowNumber, index, kComboFamily);
  if (record == nullptr) return;
  const HWND combo = record->window;
  RECT area{};
  GetWindowRect(combo, &area);
  OffsetRect(&area, -area.left, -area.top);
  const int width = area.right;
  const int height = area.bottom;
  if (width <= 0 || height <= 0) return;
  const Snapshot snapshot(framework, combo, area);
  if (snapshot.dc() == nullptr) return;

  // The edit and an inner list paint themselves: their areas get the key
  // colour, which the final copy leaves out.
  RECT keyed[2];
  int keyedCount = 0;
  const HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
  if (edit != nullptr) keyed[keyedCount++] = ChildRectInWindow(combo, edit);
  const HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
  if (list != nullptr) keyed[keyedCount++] = ChildRectInWindow(combo, list);

  {
    gdiplus::Graphics g;
    if (!g.FromHDC(snapshot.dc())) return;
    gdiplus::SolidBrush fill;
    if (fill.Create(FillColour(framework))) g.FillRectangleI(fill, 0, 0, width, height);
  }
  if (keyedCount > 0) {
    const OwnedBrush key(CreateSolidBrush(kMagenta));
    for (int i = 0; i < keyedCount; ++i) FillRect(snapshot.dc(), &keyed[i], key.get());
  }
  {
    gdiplus::Graphics g;
    if (!g.FromHDC(snapshot.dc())) return;
    g.SetSmoothingMode(gdiplus::kSmoothingModeAntiAlias);
    // Nothing may soften the edges of the keyed areas.
    for (int i = 0; i < keyedCount; ++i) {
      g.SetClipRectI(keyed[i].left, keyed[i].top, keyed[i].right - keyed[i].left,
                     keyed[i].bottom - keyed[i].top, kCombineModeExclude);
    }
    const COLORREF accent = framework.AccentColour();
    const Metrics& m = MetricsOf(framework, combo);
    const REAL h = static_cast<REAL>(height);
    const gdiplus::RectF ring = HairlineRect(m, area, 0);
    gdiplus::GraphicsPath outline =
        RoundedRectPath(ring.X, ring.Y, ring.Width, ring.Height, m.comboCorner);
    gdiplus::Pen pen;
    if (pen.Create((hot || focused) ? Colour(accent, 200) : Colour(kBlack, 80),
                   static_cast<REAL>(m.line))) {
      g.DrawPath(pen, outline);
    }

    // The drop-down button inside the frame at the right end: two rounded
    // layers, the second one a hairline further in.
    const int line = m.line;
    const REAL button = static_cast<REAL>(m.dropButtonWidth);
    const REAL buttonLeft = static_cast<REAL>(width - line) - button;
    const REAL l1 = static_cast<REAL>(line);
    const REAL l2 = static_cast<REAL>(2 * line);
    FillRoundedGradient(g, buttonLeft + l1, l1, button - 2 * l1, h - 3 * l1, m.comboCorner,
                        Colour(kWhite, 100), Colour(accent, 150));
    FillRoundedGradient(g, buttonLeft + l2, l2, button - 2 * l2, h - 5 * l1, m.comboCorner,
                        Colour(accent, 30), Colour(accent, 100));
    const int arrowLeft =
        width - line - m.dropButtonWidth + (m.dropButtonWidth - m.comboArrowWidth) / 2;
    DrawPictureAt(g, ComboArrowPictures(), m.dpi, arrowLeft, (height - m.comboArrowHeight) / 2,
                  m.comboArrowWidth, m.comboArrowHeight);
    // With an edit the edit shows the text itself.
    if (edit == nullptr) {
      DrawComboText(g, m, ComboText(combo), static_cast<COLORREF>(ReadProp(combo, kTextColourKey)),
                    width, height);
    }
  }
  const WindowDc target(combo, WindowDc::Area::kWhole);
  if (target.get() == nullptr) return;
  TransparentBlt(target.get(), 0, 0, width, height, snapshot.dc(), 0, 0, width, height, kMagenta);
}

namespace {

// The hot-control step of edits and combo boxes: the control's parent is
// kept as well, since an edit inside a combo box shares its index space with
// the window's own edits.
template <class Record>
class HotWithParent : public ControlWindow<Record> {
 protected:
  using ControlWindow<Record>::ControlWindow;
  bool BecomesHotWithParent(int kind) {
    const HWND parent = GetParent(this->hwnd());
    return this->BecomesHot(kind) || this->owner_.hotParent != parent;
  }
  void MarkHotWithParent(int kind) {
    this->MarkHot(kind);
    this->owner_.hotParent = GetParent(this->hwnd());
  }
};

// One message to an edit box.
class EditWindow : public HotWithParent<EditRecord> {
 public:
  using HotWithParent::HotWithParent;

  LRESULT Handle() {
    static constexpr MessageEntry<EditWindow> kMap[] = {
        {WM_DESTROY, &EditWindow::OnDestroy},
        {WM_MOUSEMOVE, &EditWindow::OnMouseMove},
        {WM_MOUSELEAVE, &EditWindow::OnMouseLeave},
        {WM_MOVE, &EditWindow::OnMoveOrScroll},
        {WM_VSCROLL, &EditWindow::OnMoveOrScroll},
        {WM_HSCROLL, &EditWindow::OnMoveOrScroll},
        {WM_ERASEBKGND, &EditWindow::OnEraseBackground},
        {WM_PAINT, &EditWindow::OnPaint},
        {WM_SETFOCUS, &EditWindow::OnSetFocus},
        {WM_KILLFOCUS, &EditWindow::OnKillFocus},
        {WM_NCPAINT, &EditWindow::OnNcPaint},
        {WM_KEYDOWN, &EditWindow::OnKeyDown},
        {WM_LBUTTONDOWN, &EditWindow::OnLButtonDown},
        {WM_LBUTTONUP, &EditWindow::OnLButtonUp},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  bool Translucent() const { return framework_.Translucent(); }
  bool Focused() const { return record_.focused; }
  void PaintFrame(bool hot, bool focused) const {
    PaintEditFrame(framework_, n_, index_, hot, focused);
  }
  // In translucent mode the veiled background is painted again whole.
  void RepaintVeiled() const {
    if (Translucent() && HasNoScrollBar(hwnd())) InvalidateRect(hwnd(), nullptr, TRUE);
  }

  LRESULT OnDestroy() {
    ReleaseColourObjects(hwnd());
    return PassOn();
  }
  LRESULT OnMouseMove() {
    TrackLeave();
    if (BecomesHotWithParent(kHotEdit)) {
      PaintFrame(true, Focused());
      MarkHotWithParent(kHotEdit);
    }
    if (record_.buttonDown && HasNoScrollBar(hwnd())) InvalidateRect(hwnd(), nullptr, TRUE);
    return PassOn();
  }
  LRESULT OnMouseLeave() {
    LeaveHot(owner_, kHotEdit, index_);
    PaintFrame(false, Focused());
    return PassOn();
  }
  LRESULT OnMoveOrScroll() {
    if (Translucent()) InvalidateRect(hwnd(), nullptr, TRUE);
    return PassOn();
  }
  LRESULT OnEraseBackground() {
    if (!Translucent()) return PassOn();
    SetBkMode(reinterpret_cast<HDC>(message_.wParam), TRANSPARENT);
    PaintVeil(framework_, hwnd(), reinterpret_cast<HDC>(message_.wParam), 1);
    return 1;
  }
  LRESULT OnPaint() {
    PaintFrame(IsHot(kHotEdit), Focused());
    return PassOn();
  }
  LRESULT OnSetFocus() {
    record_.focused = true;
    const LRESULT result = PassOn();
    // The accent frame shows at once, not only at the next repaint (the
    // system may have moved the tables meanwhile).
    if (const ControlState<EditRecord> now = Refind(kEditFamily))
      PaintEditFrame(framework_, now.n, now.index, IsHotControl(*now.window, kHotEdit, now.index),
                     true);
    return result;
  }
  LRESULT OnKillFocus() {
    record_.focused = false;
    if (IsComboBox(GetParent(hwnd()))) {
      PaintFrame(false, false);
    } else {
      InvalidateRect(hwnd(), nullptr, TRUE);
    }
    return PassOn();
  }
  LRESULT OnNcPaint() {
    PaintFrame(IsHot(kHotEdit), Focused());
    return PaintScrollBarsOnly(hwnd(), message_.lParam);
  }
  LRESULT OnKeyDown() {
    RepaintVeiled();
    return PassOn();
  }
  LRESULT OnLButtonDown() {
    record_.buttonDown = true;
    RepaintVeiled();
    return PassOn();
  }
  LRESULT OnLButtonUp() {
    record_.buttonDown = false;
    return PassOn();
  }
};

// One message to a combo box.
class ComboWindow : public HotWithParent<ComboRecord> {
 public:
  using HotWithParent::HotWithParent;

  LRESULT Handle() {
    static constexpr MessageEntry<ComboWindow> kMap[] = {
        {WM_MOUSEMOVE, &ComboWindow::OnMouseMove},
        {WM_MOUSELEAVE, &ComboWindow::OnMouseLeave},
        {WM_MOVE, &ComboWindow::OnMove},
        {WM_ERASEBKGND, &ComboWindow::OnEraseBackground},
        {WM_PAINT, &ComboWindow::OnPaint},
        {WM_SETFOCUS, &ComboWindow::OnFocusChange},
        {WM_KILLFOCUS, &ComboWindow::OnFocusChange},
        {WM_SETTEXT, &ComboWindow::OnSetText},
        {WM_CTLCOLOREDIT, &ComboWindow::OnEditColour},
        {WM_COMMAND, &ComboWindow::OnCommand},
        {WM_NCPAINT, &ComboWindow::OnNcPaint},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  bool Translucent() const { return framework_.Translucent(); }
  bool Focused() const { return record_.focused; }
  void Paint(bool hot, bool focused) const { PaintCombo(framework_, n_, index_, hot, focused); }

  LRESULT OnMouseMove() {
    TrackLeave();
    if (BecomesHotWithParent(kHotCombo)) {
      Paint(true, Focused());
      MarkHotWithParent(kHotCombo);
    }
    return PassOn();
  }
  LRESULT OnMouseLeave() {
    LeaveHot(owner_, kHotCombo, index_);
    Paint(false, Focused());
    return PassOn();
  }
  LRESULT OnMove() {
    if (Translucent()) InvalidateRect(hwnd(), nullptr, TRUE);
    return PassOn();
  }
  LRESULT OnEraseBackground() {
    SetBkMode(reinterpret_cast<HDC>(message_.wParam), TRANSPARENT);
    return PassOn();
  }
  LRESULT OnPaint() {
    return PaintThenDefault([this](HDC) { Paint(IsHot(kHotCombo), Focused()); });
  }
  LRESULT OnFocusChange() {
    record_.focused = message_.id == WM_SETFOCUS;
    const LRESULT result = PassOn();
    // The system may have moved the tables meanwhile.
    const ControlState<ComboRecord> now = Refind(kComboFamily);
    if (now)
      PaintCombo(framework_, now.n, now.index, IsHotControl(*now.window, kHotCombo, now.index),
                 now.record->focused);
    return result;
  }
  LRESULT OnSetText() {
    const LRESULT result = PassOn();
    const HWND edit = FindWindowExA(hwnd(), nullptr, "Edit", nullptr);
    if (edit != nullptr) InvalidateRect(edit, nullptr, TRUE);
    // Without an edit the text is ours to show.
    InvalidateRect(hwnd(), nullptr, FALSE);
    return result;
  }
  LRESULT OnEditColour() {
    if (!Translucent()) return PassOn();
    return AnswerWithVeil(framework_, reinterpret_cast<HDC>(message_.wParam),
                          reinterpret_cast<HWND>(message_.lParam));
  }
  LRESULT OnCommand() {
    if (!Translucent() || !framework_.Enabled()) return PassOn();
    const HWND child = reinterpret_cast<HWND>(message_.lParam);
    const UINT code = HIWORD(message_.wParam);
    if (IsEdit(child) && EditNeedsVeilAgain(code)) {
      InvalidateRect(child, nullptr, TRUE);
    }
    return PassOn();
  }
  LRESULT OnNcPaint() {
    Paint(IsHot(kHotCombo), Focused());
    return Default();
  }
};

}  // namespace

LRESULT CALLBACK EditWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<EditWindow>(kEditFamily, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ComboWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<ComboWindow>(kComboFamily, hwnd, message, wParam, lParam);
}

}  // namespace framework
