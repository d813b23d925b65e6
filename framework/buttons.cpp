#include "framework/buttons.h"

#include <string>

#include "data/pictures/pictures.h"
#include "framework/control_window.h"
#include "framework/frame.h"
#include "framework/gdi_handles.h"
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
constexpr COLORREF kDisabledFace = 0x00C0C0C0;
constexpr COLORREF kDotRim = 0x00808000;
constexpr UINT kHot = 0x40;   // ODS_HOTLIGHT
constexpr int kFontUnit = 1;  // UnitDisplay: pixels on a screen
constexpr int kStringFormatNoWrap = 0x1000;
// A caption a little wider than its room runs on to the control's edge
// rather than losing its last character.
constexpr int kStringFormatNoClip = 0x4000;
constexpr int kDashDot = 2;  // GDI+ DashStyleDot

// Style bit tests (not comparisons of the type field).
bool IsOwnerDrawn(LONG_PTR style) {
  return (style & BS_OWNERDRAW) == BS_OWNERDRAW;
}
bool IsPushButton(LONG_PTR style) {
  return !(style & 0x2) && (style & 0x9) != 0x9 && !(style & 0x4);
}
bool IsCheckBox(LONG_PTR style) {
  return (style & 0x2) && !(style & 0x4);
}
bool IsAutoRadioButton(LONG_PTR style) {
  return !(style & 0x2) && (style & 0x9) == 0x9 && !(style & 0x4);
}

void FillPath(gdiplus::Graphics& g, const gdiplus::GraphicsPath& path, ARGB colour) {
  gdiplus::SolidBrush brush;
  if (brush.Create(colour)) g.FillPath(brush, path);
}

void FillPathVertically(gdiplus::Graphics& g, const gdiplus::GraphicsPath& path, REAL y, REAL width,
                        REAL height, ARGB top, ARGB bottom) {
  gdiplus::LinearGradientBrush brush;
  if (VerticalGradient(brush, 0, y, width, height, top, bottom)) g.FillPath(brush, path);
}

void OutlinePath(gdiplus::Graphics& g, const Metrics& m, const gdiplus::GraphicsPath& path,
                 ARGB colour, int dashStyle = 0) {
  gdiplus::Pen pen;
  if (!pen.Create(colour, static_cast<REAL>(m.line))) return;
  if (dashStyle != 0) pen.SetDashStyle(dashStyle);
  g.DrawPath(pen, path);
}

// The face of a button: the hairline ring along its edge, with rounded corners.
gdiplus::GraphicsPath FacePath(const Metrics& m, int width, int height) {
  const gdiplus::RectF ring = HairlineRect(m, RECT{0, 0, width, height}, 0);
  return RoundedRectPath(ring.X, ring.Y, ring.Width, ring.Height, m.buttonCorner);
}

// Grey when disabled; otherwise the light veil with a soft vertical shading
// and a thin dark outline. Every button kind starts from it.
void PaintBaseFace(gdiplus::Graphics& g, const Metrics& m, const gdiplus::GraphicsPath& face,
                   int width, int height, UINT state) {
  if (state & ODS_DISABLED) {
    FillPath(g, face, Colour(kDisabledFace, 255));
    return;
  }
  FillPath(g, face, Colour(kWhite, 120));
  gdiplus::LinearGradientBrush shade;
  if (VerticalGradient(shade, 0, 0, static_cast<REAL>(width), static_cast<REAL>(height),
                       Colour(kWhite, 50), Colour(kWhite, 50))) {
    const ARGB colours[] = {Colour(kWhite, 50), Colour(kBlack, 10), Colour(kWhite, 50)};
    const REAL positions[] = {0.0f, 0.5f, 1.0f};
    shade.SetPresetBlend(colours, positions, 3);
    g.FillPath(shade, face);
  }
  OutlinePath(g, m, face, Colour(kBlack, 80));
}

// The keyboard focus: a dotted line inside the face.
void FocusMark(gdiplus::Graphics& g, const Metrics& m, int width, int height) {
  if (width < m.minFocusSize || height < m.minFocusSize) return;
  const gdiplus::RectF ring = HairlineRect(m, RECT{0, 0, width, height}, m.focusInset);
  gdiplus::GraphicsPath mark =
      RoundedRectPath(ring.X, ring.Y, ring.Width, ring.Height, m.buttonCorner);
  OutlinePath(g, m, mark, Colour(kBlack, 120), kDashDot);
}

void DrawCaption(gdiplus::Graphics& g, const Metrics& m, const ButtonRecord& record,
                 COLORREF colour, const gdiplus::RectF& layout, int align) {
  if (record.caption.empty()) return;
  gdiplus::Font font;
  const char* face = record.fontFace.empty() ? "宋体" : record.fontFace.c_str();
  const REAL size = record.fontSize > 0 ? static_cast<REAL>(record.fontSize) : m.defaultFontSize;
  if (!font.Create(face, size, record.fontStyle, kFontUnit) &&
      !CreateFontOrStandIn(font, "宋体", size, record.fontStyle, kFontUnit)) {
    return;
  }
  gdiplus::StringFormat format;
  if (!format.Create(kStringFormatNoWrap | kStringFormatNoClip)) return;
  format.SetAlign(align);
  format.SetLineAlign(gdiplus::kStringAlignmentCenter);
  gdiplus::SolidBrush brush;
  if (brush.Create(Colour(colour, 255))) {
    g.DrawString(record.caption.c_str(), font, layout, &format, brush);
  }
}

COLORREF TextColourOf(HWND control) {
  return static_cast<COLORREF>(ReadProp(control, kTextColourKey));
}

// Paints onto the snapshot of the control's client area, then copies the
// result to the target at the rectangle's origin.
template <class Paint>
void PaintOnSnapshot(SkinFramework& framework, HWND control, HDC target, const RECT& rect,
                     Paint paint) {
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0 || target == nullptr) return;
  const RECT area{0, 0, width, height};
  const Snapshot snapshot(framework, control, area);
  if (snapshot.dc() == nullptr) return;
  {
    gdiplus::Graphics g;
    if (!g.FromHDC(snapshot.dc())) return;
    g.SetSmoothingMode(gdiplus::kSmoothingModeAntiAlias);
    paint(g, width, height);
  }
  BitBlt(target, rect.left, rect.top, width, height, snapshot.dc(), 0, 0, SRCCOPY);
}

// The push-button look, layer by layer.
void PaintPushFace(gdiplus::Graphics& g, const Metrics& m, int width, int height, UINT state,
                   COLORREF accent) {
  const REAL w = static_cast<REAL>(width);
  const REAL h = static_cast<REAL>(height);
  gdiplus::GraphicsPath face = FacePath(m, width, height);
  PaintBaseFace(g, m, face, width, height, state);

  // The gloss over the upper half, on a shading that deepens towards the middle.
  const UINT saved = g.Save();
  g.SetClipPath(face);
  g.SetClipRect(0, 0, w, h / 2, gdiplus::kCombineModeIntersect);
  gdiplus::LinearGradientBrush under;
  if (VerticalGradient(under, 0, 0, w, h / 2, Colour(kWhite, 0), Colour(0x00808080, 60))) {
    g.FillRectangle(under, 0, 0, w, h / 2);
  }
  gdiplus::LinearGradientBrush gloss;
  if (VerticalGradient(gloss, 0, 0, w, h / 2, Colour(kWhite, 50), Colour(kWhite, 10))) {
    g.FillRectangle(gloss, 0, 0, w, h / 2);
  }
  g.Restore(saved);

  if (state & kHot) {
    FillPathVertically(g, face, 0, w, h, Colour(accent, 60), Colour(accent, 10));
    OutlinePath(g, m, face, Colour(accent, 255));
  } else if (state & ODS_FOCUS) {
    OutlinePath(g, m, face, Colour(kBlack, 70));
    FocusMark(g, m, width, height);
  }

  if ((state & ODS_SELECTED) && width >= m.minPressedSize && height >= m.minPressedSize) {
    const REAL in = static_cast<REAL>(m.pressedInset);
    gdiplus::GraphicsPath inset = RoundedRectPath(in, in, w - 2 * in, h - 2 * in, m.buttonCorner);
    FillPathVertically(g, inset, in, w, h - 2 * in, Colour(accent, 60), Colour(kWhite, 100));
  }
}

// The accent fading out downwards over the box or circle of the hot look.
void HotFill(gdiplus::Graphics& g, const Metrics& m, const gdiplus::GraphicsPath& mark, int top,
             int size, COLORREF accent) {
  FillPathVertically(g, mark, static_cast<REAL>(top), static_cast<REAL>(m.markLeft + size),
                     static_cast<REAL>(size), Colour(accent, 100), Colour(accent, 0));
}

gdiplus::RectF CaptionRight(int left, int width, int height) {
  return gdiplus::RectF{static_cast<REAL>(left), 0, static_cast<REAL>(width - left),
                        static_cast<REAL>(height)};
}

bool IsChecked(HWND control) {
  return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

constexpr Family<ButtonRecord> kButtonFamily{&WindowRecord::buttons};

// The record of an installed control.
ButtonRecord* RecordOf(SkinFramework& framework, HWND control) {
  return FindControl(&framework, control, kButtonFamily).record;
}

// The mouse is over the control: the window's hot control is this button.
bool IsHot(SkinFramework& framework, HWND control) {
  const ControlState<ButtonRecord> state = FindControl(&framework, control, kButtonFamily);
  return state.window != nullptr && IsHotControl(*state.window, kHotButton, state.index);
}

// The item state of a paint the control asks for itself, read from the control.
UINT LiveState(HWND control, bool hot) {
  UINT state = hot ? kHot : 0;
  if (!IsWindowEnabled(control)) state |= ODS_DISABLED;
  if (GetFocus() == control) state |= ODS_FOCUS;
  if (SendMessageA(control, BM_GETSTATE, 0, 0) & BST_PUSHED) state |= ODS_SELECTED;
  return state;
}

void PaintKind(SkinFramework& framework, int kind, HWND control, HDC target, UINT state,
               const RECT& rect) {
  switch (kind) {
    case kPushButton:
      PaintPushButton(framework, control, target, state, rect);
      break;
    case kPictureButton1:
    case kPictureButton3:
      PaintPictureButton(framework, control, target, state, rect);
      break;
    case kRadioButton:
      PaintRadioButton(framework, control, target, state, rect);
      break;
    case kCheckBox:
      PaintCheckBox(framework, control, target, state, rect);
      break;
    default:
      break;
  }
}

// The face, size and style the caption is drawn in: the control's font's.
void ReadFont(ButtonRecord& record, HWND control) {
  const FontDescription font = DescribeFont(control);
  record.fontFace = font.face.empty() ? "宋体" : font.face;
  record.fontSize = font.size;
  record.fontStyle = font.style;
  // GDI+ calls a face bold when the realised font is heavier than regular
  // (the CJK replacement faces are "medium"); the control's own text is
  // bold only when its font asks for it.
  LOGFONTA asked{};
  const HGDIOBJ controlFont = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  if (controlFont != nullptr && GetObjectA(controlFont, sizeof asked, &asked) == sizeof asked &&
      asked.lfWeight < FW_BOLD) {
    record.fontStyle &= ~gdiplus::kFontStyleBold;
  }
}

// Appends, marks and subclasses one control; the caller has checked that it
// is not in the table yet.
void Install(SkinFramework& framework, int windowNumber, HWND control, int kind) {
  WindowRecord* window = framework.Window(windowNumber);
  if (window == nullptr) return;
  const int index = window->buttons.Append();
  {
    ButtonRecord& record = window->buttons[index];
    record.window = control;
    record.kind = kind;
    record.caption = WindowText(control);
    record.image = std::make_shared<gdiplus::Image>();
    if (kind != kPushButton) {
      record.checkState = static_cast<int>(SendMessageA(control, BM_GETCHECK, 0, 0));
    }
  }
  SubclassControl(framework, kButtonFamily, control, windowNumber, index, &ButtonWindowProc);
  if (kind == kPushButton) {
    SetWindowLongPtrA(control, GWL_STYLE, GetWindowLongPtrA(control, GWL_STYLE) | BS_OWNERDRAW);
  }
  ReadFont(window->buttons[index], control);
}

template <class Wanted>
void InstallPass(SkinFramework& framework, int windowNumber, HWND parent, Wanted wanted) {
  if (!framework.Enabled() || framework.Window(windowNumber) == nullptr) return;
  for (HWND child = FindWindowExA(parent, nullptr, "BUTTON", nullptr); child != nullptr;
       child = FindWindowExA(parent, child, "BUTTON", nullptr)) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    const WindowRecord* window = framework.Window(windowNumber);
    if (window == nullptr) return;
    if (IsOwnerDrawn(style) || window->buttons.Find(child) != 0 || TakenByFramework(child))
      continue;
    const int kind = wanted(style);
    if (kind >= 0) Install(framework, windowNumber, child, kind);
  }
}

bool MakePicture(SkinFramework& framework, HWND control, const void* picture, unsigned length,
                 int kind) {
  ButtonRecord* record = RecordOf(framework, control);
  if (record == nullptr || record->kind != kPushButton || picture == nullptr) return false;
  auto image = std::make_shared<gdiplus::Image>();
  if (!image->LoadFromBytes(picture, length)) return false;
  record->pictureWidth = static_cast<int>(image->GetWidth());
  record->pictureHeight = static_cast<int>(image->GetHeight());
  record->image = std::move(image);
  record->kind = kind;
  InvalidateRect(control, nullptr, TRUE);
  return true;
}

}  // namespace

void InstallPushButtons(SkinFramework& framework, int windowNumber, HWND parent) {
  InstallPass(framework, windowNumber, parent,
              [](LONG_PTR style) { return IsPushButton(style) ? kPushButton : -1; });
}

void InstallCheckAndRadioButtons(SkinFramework& framework, int windowNumber, HWND parent) {
  InstallPass(framework, windowNumber, parent, [](LONG_PTR style) {
    if (IsCheckBox(style)) return static_cast<int>(kCheckBox);
    if (IsAutoRadioButton(style)) return static_cast<int>(kRadioButton);
    return -1;
  });
}

void PaintPushButton(SkinFramework& framework, HWND button, HDC target, UINT state,
                     const RECT& rect) {
  const ButtonRecord* record = RecordOf(framework, button);
  if (record == nullptr) return;
  const Metrics& m = MetricsOf(framework, button);
  const COLORREF accent = framework.AccentColour();
  const COLORREF text = TextColourOf(button);
  PaintOnSnapshot(
      framework, button, target, rect, [&](gdiplus::Graphics& g, int width, int height) {
        PaintPushFace(g, m, width, height, state, accent);
        const gdiplus::RectF layout{0, 0, static_cast<REAL>(width), static_cast<REAL>(height)};
        DrawCaption(g, m, *record, text, layout, gdiplus::kStringAlignmentCenter);
      });
}

void PaintCheckBox(SkinFramework& framework, HWND button, HDC target, UINT state,
                   const RECT& rect) {
  const ButtonRecord* record = RecordOf(framework, button);
  if (record == nullptr) return;
  const Metrics& m = MetricsOf(framework, button);
  const COLORREF accent = framework.AccentColour();
  const COLORREF text = TextColourOf(button);
  const bool checked = IsChecked(button);
  PaintOnSnapshot(
      framework, button, target, rect, [&](gdiplus::Graphics& g, int width, int height) {
        gdiplus::GraphicsPath face = FacePath(m, width, height);
        PaintBaseFace(g, m, face, width, height, state);
        if ((state & ODS_FOCUS) && !(state & kHot)) FocusMark(g, m, width, height);
        const int size = m.checkSize;
        const int top = (height - size) / 2;
        DrawPictureAt(g, CheckBoxPictures(), m.dpi, m.markLeft, top, size, size);
        if (state & kHot) {
          const gdiplus::RectF ring =
              HairlineRect(m, RECT{m.markLeft, top, m.markLeft + size, top + size}, 0);
          gdiplus::GraphicsPath box;
          box.Create();
          box.AddRectangle(ring.X, ring.Y, ring.Width, ring.Height);
          HotFill(g, m, box, top, size, accent);
          OutlinePath(g, m, box, Colour(accent, 255));
        }
        if (checked) DrawPictureAt(g, CheckMarkPictures(), m.dpi, m.markLeft, top, size, size);
        DrawCaption(g, m, *record, text, CaptionRight(m.checkCaptionLeft, width, height),
                    gdiplus::kStringAlignmentNear);
      });
}

void PaintRadioButton(SkinFramework& framework, HWND button, HDC target, UINT state,
                      const RECT& rect) {
  const ButtonRecord* record = RecordOf(framework, button);
  if (record == nullptr) return;
  const Metrics& m = MetricsOf(framework, button);
  const COLORREF accent = framework.AccentColour();
  const COLORREF text = TextColourOf(button);
  const bool checked = IsChecked(button);
  PaintOnSnapshot(
      framework, button, target, rect, [&](gdiplus::Graphics& g, int width, int height) {
        gdiplus::GraphicsPath face = FacePath(m, width, height);
        PaintBaseFace(g, m, face, width, height, state);
        if ((state & ODS_FOCUS) && !(state & kHot)) FocusMark(g, m, width, height);
        const int size = m.radioSize;
        const int top = (height - size) / 2;
        const RECT box{m.markLeft, top, m.markLeft + size, top + size};
        const gdiplus::RectF ring = HairlineRect(m, box, 0);
        gdiplus::GraphicsPath circle;
        circle.Create();
        circle.AddEllipse(ring.X, ring.Y, ring.Width, ring.Height);
        FillPath(g, circle, Colour(kWhite, 255));
        if (state & kHot) {
          HotFill(g, m, circle, top, size, accent);
          OutlinePath(g, m, circle, Colour(accent, 255));
        } else {
          OutlinePath(g, m, circle, Colour(kBlack, 200));
        }
        if (checked) {
          const gdiplus::RectF inner = HairlineRect(m, box, m.radioDotInset);
          gdiplus::GraphicsPath dot;
          dot.Create();
          dot.AddEllipse(inner.X, inner.Y, inner.Width, inner.Height);
          gdiplus::PathGradientBrush shine;
          if (shine.CreateFromPath(dot)) {
            shine.SetCenterColor(Colour(kWhite, 100));
            const ARGB rim = Colour(kDotRim, 255);
            int count = 1;
            shine.SetSurroundColors(&rim, &count);
            g.FillPath(shine, dot);
          }
          OutlinePath(g, m, dot, Colour(kBlack, 200));
        }
        DrawCaption(g, m, *record, text, CaptionRight(m.radioCaptionLeft, width, height),
                    gdiplus::kStringAlignmentNear);
      });
}

void PaintPictureButton(SkinFramework& framework, HWND button, HDC target, UINT state,
                        const RECT& rect) {
  const ButtonRecord* record = RecordOf(framework, button);
  if (record == nullptr) return;
  const Metrics& m = MetricsOf(framework, button);
  const COLORREF accent = framework.AccentColour();
  const COLORREF text = TextColourOf(button);
  PaintOnSnapshot(
      framework, button, target, rect, [&](gdiplus::Graphics& g, int width, int height) {
        const REAL w = static_cast<REAL>(width);
        const REAL h = static_cast<REAL>(height);
        gdiplus::GraphicsPath face = FacePath(m, width, height);
        PaintBaseFace(g, m, face, width, height, state);
        // A pressed picture sinks in by a pixel of the design.
        const int sink = (state & ODS_SELECTED) ? m.pressedShift : 0;
        gdiplus::Image* picture =
            record->image && record->image->HasObject() ? record->image.get() : nullptr;
        const int pictureWidth = record->pictureWidth;
        const int pictureHeight = record->pictureHeight;
        const int in = m.pictureInset;
        const int gap = m.pictureCaptionGap;
        if (record->kind == kPictureButton1) {
          if (picture != nullptr)
            DrawPictureAt(g, *picture, in + sink, in + sink, width - 2 * in, height - 2 * in);
        } else {
          int captionLeft = gap;
          if (picture != nullptr && pictureWidth > 0 && pictureHeight > 0) {
            // The caller's picture at the window's scale, no taller than the face.
            const int wanted = m.Px(pictureHeight);
            const int drawnHeight = wanted < height - 2 * in ? wanted : height - 2 * in;
            const int drawnWidth = m.Px(pictureWidth) * drawnHeight / (wanted > 0 ? wanted : 1);
            DrawPictureAt(g, *picture, gap + sink, (height - drawnHeight) / 2 + sink, drawnWidth,
                          drawnHeight);
            captionLeft += drawnWidth + gap;
          }
          DrawCaption(g, m, *record, text, CaptionRight(captionLeft + sink, width, height),
                      gdiplus::kStringAlignmentNear);
        }
        if (state & kHot) {
          FillPathVertically(g, face, 0, w, h, Colour(accent, 60), Colour(accent, 10));
          OutlinePath(g, m, face, Colour(accent, 255));
        } else if (state & ODS_FOCUS) {
          FocusMark(g, m, width, height);
        }
      });
}

bool DrawButtonItem(SkinFramework& framework, int /*windowNumber*/, const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON) return false;
  // A button inside a container reports to it: the button's own window
  // number finds it, whichever window was told.
  ButtonRecord* record = RecordOf(framework, item.hwndItem);
  if (record == nullptr) return false;
  // The system knows nothing of the mouse over an owner-drawn button: a
  // repaint it asks for while the mouse is there keeps the hot look.
  UINT state = item.itemState;
  if (IsHot(framework, item.hwndItem)) state |= kHot;
  switch (record->kind) {
    case kPushButton:
      PaintPushButton(framework, item.hwndItem, item.hDC, state, item.rcItem);
      return true;
    case kPictureButton1:
    case kPictureButton3:
      PaintPictureButton(framework, item.hwndItem, item.hDC, state, item.rcItem);
      return true;
    default:  // check boxes and radio buttons paint themselves
      return false;
  }
}

bool DrawButtonItemAt(SkinFramework& framework, int windowNumber, LPARAM item) {
  DRAWITEMSTRUCT copy{};
  SIZE_T read = 0;
  return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(item), &copy,
                           sizeof copy, &read) &&
         read == sizeof copy && DrawButtonItem(framework, windowNumber, copy);
}

void RepaintButton(SkinFramework& framework, HWND button, bool hot) {
  const ButtonRecord* record = RecordOf(framework, button);
  if (record == nullptr) return;
  const WindowDc dc(button, WindowDc::Area::kClient);
  if (dc.get() == nullptr) return;
  RECT client{};
  GetClientRect(button, &client);
  PaintKind(framework, record->kind, button, dc.get(), LiveState(button, hot), client);
}

bool MakePictureButton(SkinFramework& framework, HWND button, const void* picture,
                       unsigned length) {
  return MakePicture(framework, button, picture, length, kPictureButton1);
}

bool MakeCaptionPictureButton(SkinFramework& framework, HWND button, const void* picture,
                              unsigned length) {
  return MakePicture(framework, button, picture, length, kPictureButton3);
}

namespace {

// One message to a push button, check box or radio button.
class ButtonWindow : public ControlWindow<ButtonRecord> {
 public:
  ButtonWindow(const ControlState<ButtonRecord>& state, const WindowMessage& message)
      : ControlWindow(state, message), kind_(record_.kind) {}

  LRESULT Handle() {
    static constexpr MessageEntry<ButtonWindow> kMap[] = {
        {WM_MOUSEMOVE, &ButtonWindow::OnMouseMove},
        {WM_MOUSELEAVE, &ButtonWindow::OnMouseLeave},
        {WM_MOVE, &ButtonWindow::OnMove},
        {WM_LBUTTONDOWN, &ButtonWindow::OnCheckChange},
        {WM_LBUTTONDBLCLK, &ButtonWindow::OnCheckChange},
        {BM_SETCHECK, &ButtonWindow::OnCheckChange},
        {WM_ENABLE, &ButtonWindow::OnCheckChange},
        {WM_KEYDOWN, &ButtonWindow::OnKeyDown},
        {WM_LBUTTONUP, &ButtonWindow::OnSystemDrawing},
        {WM_KEYUP, &ButtonWindow::OnSystemDrawing},
        {BM_SETSTATE, &ButtonWindow::OnSystemDrawing},
        {WM_SETFOCUS, &ButtonWindow::OnSystemDrawing},
        {WM_KILLFOCUS, &ButtonWindow::OnSystemDrawing},
        {WM_UPDATEUISTATE, &ButtonWindow::OnSystemDrawing},
        {WM_ERASEBKGND, &ButtonWindow::OnEraseBackground},
        {WM_PAINT, &ButtonWindow::OnPaint},
        {WM_SETTEXT, &ButtonWindow::OnSetText},
        {WM_SETFONT, &ButtonWindow::OnSetFont},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  // Check boxes and radio buttons paint themselves; push buttons are drawn
  // at their window's WM_DRAWITEM.
  bool PaintsItself() const { return kind_ == kRadioButton || kind_ == kCheckBox; }
  // After the system had the message: the hot state is looked up afresh.
  void RepaintNow() const {
    RepaintButton(framework_, hwnd(), framework::IsHot(framework_, hwnd()));
  }

  LRESULT OnMouseMove() {
    TrackLeave();
    if (BecomesHot(kHotButton)) {
      RepaintButton(framework_, hwnd(), true);
      MarkHot(kHotButton);
    }
    return PassOn();
  }
  LRESULT OnMouseLeave() {
    LeaveHot(owner_, kHotButton, index_);
    RepaintButton(framework_, hwnd(), false);
    return PassOn();
  }
  LRESULT OnMove() {
    InvalidateRect(hwnd(), nullptr, TRUE);
    return PassOn();
  }
  // A press, a check set or the control enabled: the system changes the
  // check state, then the control is painted again.
  LRESULT OnCheckChange() {
    if (!PaintsItself()) return PassOn();
    PassOn();
    RepaintNow();
    return Default();
  }
  LRESULT OnKeyDown() {
    if (!PaintsItself() || message_.wParam != VK_SPACE) return PassOn();
    PassOn();
    RepaintNow();
    return Default();
  }
  // The system draws the pressed look and the focus of check boxes and radio
  // buttons straight onto the control: ours goes over it again.
  LRESULT OnSystemDrawing() {
    if (!PaintsItself()) return PassOn();
    const LRESULT result = PassOn();
    RepaintNow();
    return result;
  }
  LRESULT OnEraseBackground() {
    HDC dc = reinterpret_cast<HDC>(message_.wParam);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColourOf(hwnd()));
    return PassOn();
  }
  LRESULT OnPaint() {
    if (!PaintsItself()) return PassOn();
    return PaintThenDefault([this](HDC dc) {
      RECT client{};
      GetClientRect(hwnd(), &client);
      const UINT state = LiveState(hwnd(), IsHot(kHotButton));
      if (kind_ == kCheckBox) {
        PaintCheckBox(framework_, hwnd(), dc, state, client);
      } else {
        PaintRadioButton(framework_, hwnd(), dc, state, client);
      }
    });
  }
  LRESULT OnSetText() {
    const LPARAM text = message_.lParam;
    record_.caption = text != 0 ? reinterpret_cast<const char*>(text) : "";
    const LRESULT result = PassOn();
    if (PaintsItself()) RepaintNow();
    return result;
  }
  // A new font (a new display scale, say): the caption follows it.
  LRESULT OnSetFont() {
    const LRESULT result = PassOn();
    if (ButtonRecord* current = Refind(kButtonFamily).record) ReadFont(*current, hwnd());
    if (LOWORD(message_.lParam) != 0) InvalidateRect(hwnd(), nullptr, FALSE);
    return result;
  }

  const int kind_;
};

}  // namespace

LRESULT CALLBACK ButtonWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<ButtonWindow>(kButtonFamily, hwnd, message, wParam, lParam);
}

}  // namespace framework
