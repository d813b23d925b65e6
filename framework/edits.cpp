#include "framework/edits.h"

#include <string>

#include "data/pictures/pictures.h"
#include "framework/frame.h"
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

ARGB Colour(COLORREF colour, int alpha) {
  return ToArgb(colour, alpha, 1);
}

bool IsComboBox(HWND window) {
  return window != nullptr && TextEquals(ClassNameOf(window).c_str(), "ComboBox");
}

bool IsEdit(HWND window) {
  return window != nullptr && TextEquals(ClassNameOf(window).c_str(), "Edit");
}

bool HasNoScrollBar(HWND control) {
  return !HasScrollBar(control);
}

// A window DC released when it goes out of scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC dc() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

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
  return framework.translucent ? Colour(kWhite, framework.veilAlpha) : Colour(kWhite, 255);
}

// The colour brush and its bitmap of an edit, deleted and forgotten.
void ReleaseColourObjects(HWND control) {
  HGDIOBJ brush = ReadHandleProp<HGDIOBJ>(control, kColourBrushKey);
  HGDIOBJ bitmap = ReadHandleProp<HGDIOBJ>(control, kColourBitmapKey);
  if (brush != nullptr) DeleteObject(brush);
  if (bitmap != nullptr) DeleteObject(bitmap);
  WriteProp(control, kColourBrushKey, 0);
  WriteProp(control, kColourBitmapKey, 0);
}

template <class Record>
Record* RecordIn(Table<Record>& table, HWND control) {
  Record* record = table.At(ReadIntProp(control, kWindowNumberKey));
  return record != nullptr && record->window == control ? record : nullptr;
}

WindowRecord* OwnerOf(SkinFramework& framework, HWND control) {
  return framework.Window(ReadIntProp(control, kOwnerNumberKey));
}

EditRecord* EditOf(SkinFramework& framework, HWND control) {
  WindowRecord* window = OwnerOf(framework, control);
  return window != nullptr ? RecordIn(window->edits, control) : nullptr;
}

ComboRecord* ComboOf(SkinFramework& framework, HWND control) {
  WindowRecord* window = OwnerOf(framework, control);
  return window != nullptr ? RecordIn(window->combos, control) : nullptr;
}

bool IsHotControl(const WindowRecord& window, int kind, int index) {
  return window.hotKind == kind && window.previousHot != 0 && window.previousHot == index;
}

void Subclass(HWND control, int windowNumber, int index, WNDPROC procedure, WNDPROC* previous) {
  WriteProp(control, kWindowNumberKey, index);
  WriteProp(control, kOwnerNumberKey, windowNumber);
  const LONG_PTR old =
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  *previous = reinterpret_cast<WNDPROC>(old);
  WriteProp(control, kPreviousProcKey, old);
}

void InstallEdit(SkinFramework& framework, int windowNumber, HWND edit) {
  WindowRecord* window = framework.Window(windowNumber);
  if (window == nullptr || window->edits.Find(edit) != 0 || TakenByFramework(edit)) return;
  const int index = window->edits.Append();
  window->edits[index].window = edit;
  WNDPROC previous = nullptr;
  Subclass(edit, windowNumber, index, &EditWindowProc, &previous);
  window->edits[index].previousProc = previous;
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

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
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

bool VerticalGradient(gdiplus::LinearGradientBrush& brush, REAL x, REAL y, REAL width, REAL height,
                      ARGB top, ARGB bottom) {
  const gdiplus::RectF area{x, y - 1, width, height + 2};
  return brush.CreateFromRect(area, top, bottom, 1);
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

// WM_NCPAINT's default painting kept to the scroll bars: the frame is ours.
// Without bars the default painting gets no region at all.
LRESULT PaintScrollBarsOnly(HWND control, LPARAM lParam) {
  if (!HasScrollBar(control)) {
    return DefWindowProcA(control, WM_NCPAINT, static_cast<WPARAM>(-1), lParam);
  }
  HRGN bars = ScrollBarRegion(control);
  const LRESULT result =
      DefWindowProcA(control, WM_NCPAINT, reinterpret_cast<WPARAM>(bars), lParam);
  if (bars != nullptr) DeleteObject(bars);
  return result;
}

}  // namespace

void InstallEditsAndCombos(SkinFramework& framework, int windowNumber, HWND parent) {
  if (!framework.enabled || framework.Window(windowNumber) == nullptr) return;
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
    WNDPROC previous = nullptr;
    Subclass(combo, windowNumber, index, &ComboWindowProc, &previous);
    window = framework.Window(windowNumber);
    if (window == nullptr) return;
    window->combos[index].previousProc = previous;
    if (framework.translucent) {
      const HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
      if (edit != nullptr) InstallEdit(framework, windowNumber, edit);
    }
  }
}

void PaintEditFrame(SkinFramework& framework, int windowNumber, int index, bool hot, bool focused) {
  WindowRecord* window = framework.Window(windowNumber);
  const EditRecord* record = window != nullptr ? window->edits.At(index) : nullptr;
  if (record == nullptr || record->window == nullptr) return;
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
    const ARGB frame = (hot || focused) ? Colour(framework.accentColour, 180) : Colour(kBlack, 80);
    const gdiplus::RectF ring = HairlineRect(m, area, 0);
    if (pen.Create(frame, static_cast<REAL>(m.line)))
      g.DrawRectangle(pen, ring.X, ring.Y, ring.Width, ring.Height);
  }
  const WindowDc target(edit);
  if (target.dc() == nullptr) return;
  // The client area and the scroll bars are the edit's and the system's.
  const RECT inner = ClientRectInWindow(edit);
  ExcludeClipRect(target.dc(), inner.left, inner.top, inner.right, inner.bottom);
  BitBlt(target.dc(), 0, 0, size.cx, size.cy, snapshot.dc(), 0, 0, SRCCOPY);
}

void PaintCombo(SkinFramework& framework, int windowNumber, int index, bool hot, bool focused) {
  WindowRecord* window = framework.Window(windowNumber);
  const ComboRecord* record = window != nullptr ? window->combos.At(index) : nullptr;
  if (record == nullptr || record->window == nullptr) return;
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
    HBRUSH key = CreateSolidBrush(kMagenta);
    for (int i = 0; i < keyedCount; ++i) FillRect(snapshot.dc(), &keyed[i], key);
    DeleteObject(key);
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
    const COLORREF accent = framework.accentColour;
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
  const WindowDc target(combo);
  if (target.dc() == nullptr) return;
  TransparentBlt(target.dc(), 0, 0, width, height, snapshot.dc(), 0, 0, width, height, kMagenta);
}

LRESULT CALLBACK EditWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = ReadHandleProp<WNDPROC>(hwnd, kPreviousProcKey);
  const auto passOn = [&] {
    return previous != nullptr ? CallWindowProcA(previous, hwnd, message, wParam, lParam)
                               : DefWindowProcA(hwnd, message, wParam, lParam);
  };
  SkinFramework* framework = ProgramFramework();
  EditRecord* record = framework != nullptr ? EditOf(*framework, hwnd) : nullptr;
  if (record == nullptr) return passOn();
  const int n = ReadIntProp(hwnd, kOwnerNumberKey);
  const int index = ReadIntProp(hwnd, kWindowNumberKey);
  WindowRecord* owner = framework->Window(n);
  if (owner == nullptr) return passOn();
  WindowRecord& window = *owner;
  const bool translucent = framework->translucent != 0;

  switch (message) {
    case WM_DESTROY:
      ReleaseColourObjects(hwnd);
      break;
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
      TrackMouseEvent(&track);
      window.currentHot = index;
      const LONG_PTR parent = reinterpret_cast<LONG_PTR>(GetParent(hwnd));
      if (!(window.currentHot == window.previousHot && window.hotKind == kHotEdit &&
            window.hotValue == parent)) {
        PaintEditFrame(*framework, n, index, true, record->focused != 0);
        window.previousHot = window.currentHot;
        window.hotKind = kHotEdit;
        window.hotValue = parent;
      }
      if (record->buttonDown && HasNoScrollBar(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    }
    case WM_MOUSELEAVE:
      LeaveHot(window, kHotEdit, index);
      PaintEditFrame(*framework, n, index, false, record->focused != 0);
      break;
    case WM_MOVE:
      if (translucent) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_ERASEBKGND:
      if (!translucent) break;
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      PaintVeil(*framework, hwnd, reinterpret_cast<HDC>(wParam), 1);
      return 1;
    case WM_PAINT:
      PaintEditFrame(*framework, n, index, IsHotControl(window, kHotEdit, index),
                     record->focused != 0);
      break;
    case WM_SETFOCUS: {
      record->focused = 1;
      const LRESULT result = passOn();
      // The accent frame shows at once, not only at the next repaint.
      PaintEditFrame(*framework, n, index, IsHotControl(window, kHotEdit, index), true);
      return result;
    }
    case WM_KILLFOCUS:
      record->focused = 0;
      if (IsComboBox(GetParent(hwnd))) {
        PaintEditFrame(*framework, n, index, false, false);
      } else {
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      break;
    case WM_NCPAINT:
      PaintEditFrame(*framework, n, index, IsHotControl(window, kHotEdit, index),
                     record->focused != 0);
      return PaintScrollBarsOnly(hwnd, lParam);
    case WM_KEYDOWN:
      if (translucent && HasNoScrollBar(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_LBUTTONDOWN:
      record->buttonDown = 1;
      if (translucent && HasNoScrollBar(hwnd)) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_LBUTTONUP:
      record->buttonDown = 0;
      break;
    case WM_VSCROLL:
    case WM_HSCROLL:
      if (translucent) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    default:
      break;
  }
  return passOn();
}

LRESULT CALLBACK ComboWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const WNDPROC previous = ReadHandleProp<WNDPROC>(hwnd, kPreviousProcKey);
  const auto passOn = [&] {
    return previous != nullptr ? CallWindowProcA(previous, hwnd, message, wParam, lParam)
                               : DefWindowProcA(hwnd, message, wParam, lParam);
  };
  SkinFramework* framework = ProgramFramework();
  ComboRecord* record = framework != nullptr ? ComboOf(*framework, hwnd) : nullptr;
  if (record == nullptr) return passOn();
  const int n = ReadIntProp(hwnd, kOwnerNumberKey);
  const int index = ReadIntProp(hwnd, kWindowNumberKey);
  WindowRecord* owner = framework->Window(n);
  if (owner == nullptr) return passOn();
  WindowRecord& window = *owner;
  const bool translucent = framework->translucent != 0;
  const auto repaint = [&] {
    const ComboRecord* current = ComboOf(*framework, hwnd);
    const WindowRecord* now = framework->Window(n);
    if (current == nullptr || now == nullptr) return;
    PaintCombo(*framework, n, index, IsHotControl(*now, kHotCombo, index), current->focused != 0);
  };

  switch (message) {
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
      TrackMouseEvent(&track);
      window.currentHot = index;
      const LONG_PTR parent = reinterpret_cast<LONG_PTR>(GetParent(hwnd));
      if (!(window.currentHot == window.previousHot && window.hotKind == kHotCombo &&
            window.hotValue == parent)) {
        PaintCombo(*framework, n, index, true, record->focused != 0);
        window.previousHot = window.currentHot;
        window.hotKind = kHotCombo;
        window.hotValue = parent;
      }
      break;
    }
    case WM_MOUSELEAVE:
      LeaveHot(window, kHotCombo, index);
      PaintCombo(*framework, n, index, false, record->focused != 0);
      break;
    case WM_MOVE:
      if (translucent) InvalidateRect(hwnd, nullptr, TRUE);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      break;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(hwnd, &paint);
      PaintCombo(*framework, n, index, IsHotControl(window, kHotCombo, index),
                 record->focused != 0);
      EndPaint(hwnd, &paint);
      return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      record->focused = message == WM_SETFOCUS ? 1 : 0;
      const LRESULT result = passOn();
      repaint();
      return result;
    }
    case WM_SETTEXT: {
      const LRESULT result = passOn();
      const HWND edit = FindWindowExA(hwnd, nullptr, "Edit", nullptr);
      if (edit != nullptr) InvalidateRect(edit, nullptr, TRUE);
      // Without an edit the text is ours to show.
      InvalidateRect(hwnd, nullptr, FALSE);
      return result;
    }
    case WM_CTLCOLOREDIT: {
      if (!translucent) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      const HWND edit = reinterpret_cast<HWND>(lParam);
      SetTextColor(dc, static_cast<COLORREF>(ReadProp(edit, kTextColourKey)));
      SetBkMode(dc, TRANSPARENT);
      ReleaseColourObjects(edit);
      HBITMAP bitmap = MakeVeilBitmap(*framework, edit);
      HBRUSH brush = bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr;
      WriteHandleProp(edit, kColourBrushKey, brush);
      WriteHandleProp(edit, kColourBitmapKey, bitmap);
      return reinterpret_cast<LRESULT>(brush);
    }
    case WM_COMMAND: {
      if (!translucent || !framework->enabled) break;
      const HWND child = reinterpret_cast<HWND>(lParam);
      const UINT code = HIWORD(wParam);
      if (IsEdit(child) &&
          (code == EN_HSCROLL || code == EN_VSCROLL || code == EN_CHANGE || code == EN_UPDATE)) {
        InvalidateRect(child, nullptr, TRUE);
      }
      break;
    }
    case WM_NCPAINT:
      PaintCombo(*framework, n, index, IsHotControl(window, kHotCombo, index),
                 record->focused != 0);
      return DefWindowProcA(hwnd, message, wParam, lParam);
    default:
      break;
  }
  return passOn();
}

}  // namespace framework
