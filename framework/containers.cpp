#include "framework/containers.h"

#include <string>

#include "framework/buttons.h"
#include "framework/drawing_helpers.h"
#include "framework/edits.h"
#include "framework/frame.h"
#include "framework/list_controls.h"
#include "framework/properties.h"
#include "framework/range_controls.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/pen.h"
#include "gdiplus/string_format.h"

namespace framework {
namespace {

constexpr int kCombineModeExclude = 4;
constexpr int kUnitDisplay = 1;
constexpr int kStringFormatFlagsNoWrap = 0x1000;

// The classes that paint themselves completely when handed a DC.
constexpr const char* kSelfPaintingClasses[] = {"SysMonthCal32",   "SysTabControl32",
                                                "ToolbarWindow32", "msctls_statusbar32",
                                                "Button",          "msctls_trackbar32"};

bool IsClass(HWND window, const char* name) {
  return TextEquals(ClassNameOf(window).c_str(), name);
}

bool PaintsIntoGivenDc(HWND control) {
  const std::string name = ClassNameOf(control);
  for (const char* candidate : kSelfPaintingClasses)
    if (TextEquals(name.c_str(), candidate)) return true;
  return false;
}

POINT ClientOffset(HWND control) {
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  return POINT{origin.x - windowRect.left, origin.y - windowRect.top};
}

LRESULT PassOn(HWND window, const char* key, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(ReadProp(window, key));
  if (previous == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

struct GenericTarget {
  SkinFramework* framework = nullptr;
  int n = 0;
  GenericControlRecord* record = nullptr;
};

GenericTarget FindGeneric(HWND control) {
  GenericTarget t;
  t.framework = ProgramFramework();
  if (t.framework == nullptr) return t;
  t.n = ReadIntProp(control, kGenericOwnerKey);
  WindowRecord* window = t.framework->Window(t.n);
  if (window == nullptr) return t;
  GenericControlRecord* record = window->genericControls.At(ReadIntProp(control, kGenericIndexKey));
  if (record != nullptr && record->window == control) t.record = record;
  return t;
}

struct ContainerTarget {
  SkinFramework* framework = nullptr;
  int n = 0;
  int index = 0;
  ContainerRecord* record = nullptr;
};

ContainerTarget FindContainer(HWND container) {
  ContainerTarget t;
  t.framework = ProgramFramework();
  if (t.framework == nullptr) return t;
  t.n = ReadIntProp(container, kOwnerNumberKey);
  t.index = ReadIntProp(container, kWindowNumberKey);
  WindowRecord* window = t.framework->Window(t.n);
  if (window == nullptr) return t;
  ContainerRecord* record = window->containers.At(t.index);
  if (record != nullptr && record->window == container) t.record = record;
  return t;
}

// ---- generic controls ----

// A generic control that holds controls of its own is their container too
// (option 0); the colour and alpha given for it tint what shows through the
// control's key colour.
void TintBehind(SkinFramework& framework, const GenericControlRecord& record, HDC dc,
                const RECT& rect) {
  WindowRecord* window = framework.Window(ReadIntProp(record.window, kGenericOwnerKey));
  const ContainerRecord* container =
      window != nullptr ? window->containers.At(window->containers.Find(record.window)) : nullptr;
  if (container == nullptr || container->option != 0 || container->alpha <= 0) return;
  gdiplus::Graphics graphics;
  if (!graphics.FromHDC(dc)) return;
  gdiplus::SolidBrush tint;
  if (tint.Create(ToArgb(container->colour, container->alpha, 1)))
    graphics.FillRectangleI(tint, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top);
}

// The control paints itself into its background; its own background colour
// is keyed out onto the veil.
LRESULT PaintSelfPainter(SkinFramework& framework, const GenericControlRecord& record) {
  HWND control = record.window;
  RECT client{};
  GetClientRect(control, &client);
  const POINT at = ClientOffset(control);
  HDC snapshot = TakeBackgroundSnapshot(
      framework, control, RECT{at.x, at.y, at.x + client.right, at.y + client.bottom});
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  if (snapshot != nullptr) {
    CallWindowProcA(record.previousProc, control, WM_PAINT, reinterpret_cast<WPARAM>(snapshot), 0);
    HDC veil = MakeVeilDC(framework, control);
    if (veil != nullptr) {
      TintBehind(framework, record, veil,
                 RECT{at.x, at.y, at.x + client.right, at.y + client.bottom});
      TransparentBlt(veil, at.x, at.y, client.right, client.bottom, snapshot, 0, 0, client.right,
                     client.bottom, record.keyColour);
      BitBlt(dc, 0, 0, client.right, client.bottom, veil, at.x, at.y, SRCCOPY);
      ReleaseSnapshot(framework, veil);
    }
    ReleaseSnapshot(framework, snapshot);
  }
  EndPaint(control, &paint);
  return 0;
}

// The control paints itself on screen; what shows its key colour is then
// replaced by the background behind it.
LRESULT PaintOnScreenPainter(SkinFramework& framework, const GenericControlRecord& record,
                             LPARAM lParam) {
  HWND control = record.window;
  RECT update{};
  if (!GetUpdateRect(control, &update, FALSE) || IsRectEmpty(&update))
    return CallWindowProcA(record.previousProc, control, WM_PAINT, 0, lParam);
  const int width = update.right - update.left;
  const int height = update.bottom - update.top;
  const POINT at = ClientOffset(control);
  HDC dc = GetDC(control);
  HDC snapshot = TakeBackgroundSnapshot(
      framework, control,
      RECT{at.x + update.left, at.y + update.top, at.x + update.right, at.y + update.bottom});
  if (snapshot != nullptr) TintBehind(framework, record, snapshot, RECT{0, 0, width, height});
  const LRESULT result = CallWindowProcA(record.previousProc, control, WM_PAINT,
                                         reinterpret_cast<WPARAM>(snapshot), lParam);
  if (snapshot != nullptr) {
    TransparentBlt(snapshot, 0, 0, width, height, dc, update.left, update.top, width, height,
                   record.keyColour);
    BitBlt(dc, update.left, update.top, width, height, snapshot, 0, 0, SRCCOPY);
    ReleaseSnapshot(framework, snapshot);
  }
  ReleaseDC(control, dc);
  InvalidateChildren(control);
  return result;
}

// ---- containers ----

HDC TemplateOf(HWND container) {
  HDC source = ReadHandleProp<HDC>(container, kTemplateKey);
  HWND parent = GetParent(container);
  if (source == nullptr && parent != nullptr && ReadProp(parent, kParentTemplateFlagKey) != 0)
    source = ReadHandleProp<HDC>(parent, kParentTemplateKey);
  return source;
}

struct Caption {
  std::string text;
  float x = 0;
  TextSize size;
  int height = 0;
};

Caption MeasureCaption(const ContainerRecord& record, const Metrics& m, int width) {
  Caption caption;
  char text[512] = {};
  GetWindowTextA(record.window, text, sizeof text);
  caption.text = text;
  if (caption.text.empty()) return caption;
  caption.height = MeasureText(text, record.fontFace.c_str(), static_cast<float>(record.fontSize),
                               record.fontStyle, &caption.size);
  const LONG style = GetWindowLongA(record.window, GWL_STYLE);
  const int align = style & (BS_LEFT | BS_RIGHT);
  if (align == BS_CENTER)
    caption.x = static_cast<float>(width - caption.size.width) / 2.0f;
  else if (align == BS_RIGHT)
    caption.x = static_cast<float>(width - m.groupCaptionLeft - caption.size.width);
  else
    caption.x = static_cast<float>(m.groupCaptionLeft);
  return caption;
}

// The face, size and style of a group box's caption: its font's, and where
// GDI+ cannot describe that one, the face and size buttons use.
void ReadCaptionFont(ContainerRecord& record, const Metrics& m) {
  const FontDescription font = DescribeFont(record.window);
  record.fontFace = font.face.empty() ? "宋体" : font.face;
  record.fontSize = font.size > 0 ? font.size : static_cast<int>(m.defaultFontSize);
  record.fontStyle = font.style;
}

void Outline(gdiplus::Graphics& graphics, const Metrics& m, const gdiplus::RectF& ring, int corner,
             gdiplus::ARGB colour) {
  gdiplus::GraphicsPath path = RoundedRectPath(ring.X, ring.Y, ring.Width, ring.Height, corner);
  gdiplus::Pen pen;
  if (pen.Create(colour, static_cast<float>(m.line))) graphics.DrawPath(pen, path);
}

// The ring of a hairline whose outer edge runs `left`, `top`, `right` and
// `bottom` pixels inside the box (a negative inset: outside it).
gdiplus::RectF Ring(const Metrics& m, int width, int height, int left, int top, int right,
                    int bottom) {
  return HairlineRect(m, RECT{left, top, width - right, height - bottom}, 0);
}

void DrawContainer(const ContainerRecord& record, const Metrics& m, HDC layer, int width,
                   int height) {
  HWND container = record.window;
  if (HDC source = TemplateOf(container)) {
    POINT at{0, 0};
    MapWindowPoints(container, GetParent(container), &at, 1);
    BitBlt(layer, 0, 0, width, height, source, at.x, at.y, SRCCOPY);
  }
  gdiplus::Graphics graphics;
  if (!graphics.FromHDC(layer)) return;
  if (TemplateOf(container) == nullptr && record.alpha > 0) {
    gdiplus::SolidBrush fill;
    fill.Create(ToArgb(record.colour, record.alpha, 1));
    graphics.FillRectangleI(fill, 0, 0, width, height);
  }
  // A dark line whose right edge lies just outside the box and a light one a
  // hairline inside it, its right edge one more hairline in; a group box's
  // frame starts lower, leaving room for the caption.
  const int line = m.line;
  if (!record.groupBox) {
    Outline(graphics, m, Ring(m, width, height, 0, 0, -line, -line), m.containerCorner,
            ToArgb(0, 40, 1));
    Outline(graphics, m, Ring(m, width, height, line, line, line, line), m.innerContainerCorner,
            ToArgb(0x00FFFFFF, 100, 1));
    return;
  }
  const Caption caption = MeasureCaption(record, m, width);
  if (!caption.text.empty()) {
    // The frame line stays clear of the caption, a little either side of it.
    const float clear = static_cast<float>(m.groupCaptionClearance);
    graphics.SetClipRect(caption.x - clear, 0, static_cast<float>(caption.size.width) + 2 * clear,
                         static_cast<float>(caption.height), kCombineModeExclude);
  }
  const int top = m.groupFrameTop;
  Outline(graphics, m, Ring(m, width, height, 0, top, -line, 0), m.containerCorner,
          ToArgb(0, 40, 1));
  Outline(graphics, m, Ring(m, width, height, line, top + line, line, line), m.innerContainerCorner,
          ToArgb(0x00FFFFFF, 90, 1));
  graphics.ResetClip();
  if (caption.text.empty()) return;
  gdiplus::Font font;
  if (!font.Create(record.fontFace.c_str(), static_cast<float>(record.fontSize), record.fontStyle,
                   kUnitDisplay) &&
      !CreateFontOrStandIn(font, "宋体", static_cast<float>(record.fontSize), record.fontStyle,
                           kUnitDisplay))
    return;
  gdiplus::StringFormat format;
  format.CreateGenericDefault();
  format.SetFlags(kStringFormatFlagsNoWrap);
  gdiplus::SolidBrush brush;
  brush.Create(ToArgb(static_cast<COLORREF>(ReadProp(container, kTextColourKey)), 0, 0));
  // Two pixels of room past the measured width keep GDI+ from dropping the
  // last character.
  graphics.DrawString(
      caption.text.c_str(), font,
      gdiplus::RectF{caption.x, 0, static_cast<float>(caption.size.width) + 2.0f * m.line,
                     static_cast<float>(caption.height)},
      &format, brush);
}

// Paints the container onto `target` (or its own DC), children left out.
void PaintContainer(SkinFramework& framework, int n, int index, HDC target) {
  WindowRecord* window = framework.Window(n);
  ContainerRecord* record = window != nullptr ? window->containers.At(index) : nullptr;
  if (record == nullptr || record->window == nullptr) return;
  HWND container = record->window;
  RECT client{};
  GetClientRect(container, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  const POINT at = ClientOffset(container);
  HDC layer = TakeBackgroundSnapshot(framework, container,
                                     RECT{at.x, at.y, at.x + client.right, at.y + client.bottom});
  if (layer == nullptr) return;
  const Metrics metrics = window->metrics;
  DrawContainer(*record, metrics, layer, client.right, client.bottom);
  HDC dc = ChildClippedDC(container, target, target != nullptr ? 1 : 0);
  BitBlt(dc, 0, 0, client.right, client.bottom, layer, 0, 0, SRCCOPY);
  if (target == nullptr) ReleaseDC(container, dc);
  ReleaseSnapshot(framework, layer);
}

void ReplaceColourBrush(HWND child, HGDIOBJ brush, HBITMAP bitmap, bool withBitmap) {
  if (HGDIOBJ old = ReadHandleProp<HGDIOBJ>(child, kColourBrushKey)) DeleteObject(old);
  if (withBitmap) {
    if (HGDIOBJ old = ReadHandleProp<HGDIOBJ>(child, kColourBitmapKey)) DeleteObject(old);
    WriteHandleProp(child, kColourBitmapKey, bitmap);
  }
  WriteHandleProp(child, kColourBrushKey, brush);
}

LRESULT OnContainerColour(SkinFramework& framework, HWND container, WNDPROC previous, UINT message,
                          WPARAM wParam, LPARAM lParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  HWND child = reinterpret_cast<HWND>(lParam);
  if (!framework.enabled || !framework.translucent || child == nullptr)
    return CallWindowProcA(previous, container, message, wParam, lParam);
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
    if (IsClass(GetParent(child), "ComboBox"))
      return CallWindowProcA(previous, container, message, wParam, lParam);
    SetTextColor(dc, static_cast<COLORREF>(ReadProp(child, kTextColourKey)));
    SetBkMode(dc, TRANSPARENT);
    HBITMAP bitmap = MakeVeilBitmap(framework, child);
    HBRUSH brush = bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr;
    ReplaceColourBrush(child, brush, bitmap, true);
    return reinterpret_cast<LRESULT>(brush);
  }
  if (message == WM_CTLCOLORLISTBOX && IsOwnerDrawnListBox(child))
    return CallWindowProcA(previous, container, message, wParam, lParam);
  SetTextColor(dc, static_cast<COLORREF>(ReadProp(child, kTextColourKey)));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ none = GetStockObject(NULL_BRUSH);
  ReplaceColourBrush(child, none, nullptr, false);
  return reinterpret_cast<LRESULT>(none);
}

LRESULT OnContainerPaint(ContainerTarget& t, HWND container, WPARAM wParam, LPARAM lParam) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(container, &paint);
  PaintContainer(*t.framework, t.n, t.index, dc);
  EndPaint(container, &paint);
  PaintContainer(*t.framework, t.n, t.index, nullptr);
  for (HWND child = FindWindowExA(container, nullptr, nullptr, nullptr); child != nullptr;
       child = FindWindowExA(container, child, nullptr, nullptr)) {
    if ((GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0)
      InvalidateRect(child, nullptr, FALSE);
  }
  return DefWindowProcA(container, WM_PAINT, wParam, lParam);
}

}  // namespace

void SkinGenericControl(SkinFramework& framework, HWND control, std::optional<COLORREF> keyColour,
                        std::optional<COLORREF> containerColour,
                        std::optional<int> containerAlpha) {
  if (control == nullptr) return;
  const int n = FindOwnerWindowNumber(framework, control);
  WindowRecord* window = framework.Window(n);
  // Subclassing twice would make the procedure its own predecessor.
  if (window == nullptr || window->genericControls.Find(control) != 0) return;
  const int index = window->genericControls.Append();
  GenericControlRecord& record = window->genericControls[index];
  record.window = control;
  record.keyColour = keyColour.value_or(GetSysColor(COLOR_BTNFACE));
  record.previousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GenericControlWindowProc)));
  WriteProp(control, kGenericIndexKey, index);
  WriteProp(control, kGenericOwnerKey, n);
  WriteProp(control, kGenericProcKey, reinterpret_cast<LONG_PTR>(record.previousProc));
  if (FindWindowExA(control, nullptr, nullptr, nullptr) != nullptr) {
    // The control goes on painting itself; without a colour or an alpha
    // nothing tints what shows through it.
    if (!containerColour && !containerAlpha) containerAlpha = 0;
    SkinContainer(framework, control, 0, containerColour, containerAlpha, std::nullopt);
  }
}

LRESULT CALLBACK GenericControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  GenericTarget t = FindGeneric(window);
  if (t.record == nullptr) return PassOn(window, kGenericProcKey, message, wParam, lParam);
  SkinFramework& framework = *t.framework;
  const WNDPROC previous = t.record->previousProc;
  switch (message) {
    case WM_MOVE:
      if (framework.translucent) InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_ERASEBKGND:
      if (framework.translucent) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
      }
      break;
    case WM_PAINT:
      // A paint into a given DC (a print) is left to the control.
      if (framework.enabled && wParam == 0) {
        if (PaintsIntoGivenDc(window)) return PaintSelfPainter(framework, *t.record);
        return PaintOnScreenPainter(framework, *t.record, lParam);
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (IsClass(window, "RichEdit20A")) InvalidateRect(window, nullptr, FALSE);
      break;
    default:
      break;
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

void SkinContainer(SkinFramework& framework, HWND container, std::optional<int> option,
                   std::optional<COLORREF> colour, std::optional<int> alpha,
                   std::optional<int> secondValue) {
  if (container == nullptr) return;
  const int n = FindOwnerWindowNumber(framework, container);
  WindowRecord* window = framework.Window(n);
  if (window == nullptr || window->containers.Find(container) != 0) return;
  // A control a family took keeps that family's keys: over them the family's
  // procedure would no longer find its record and pass its messages round in
  // a circle.
  if (TakenByFramework(container)) return;
  const int index = window->containers.Append();
  {
    ContainerRecord& record = window->containers[index];
    record.window = container;
    record.colour = colour.value_or(0);
    record.alpha = alpha.value_or(255);
    record.secondValue = secondValue.value_or(0);
    record.option = option.value_or(1);
    if (IsClass(container, "Button") && (GetWindowLongA(container, GWL_STYLE) & 0x4) != 0) {
      record.groupBox = 1;
      ReadCaptionFont(record, window->metrics);
    }
  }
  InstallPushButtons(framework, n, container);
  InstallCheckAndRadioButtons(framework, n, container);
  InstallEditsAndCombos(framework, n, container);
  InstallTrackbars(framework, n, container);
  InstallProgressBars(framework, n, container);
  InstallListControls(framework, n, container);
  InstallUpDowns(framework, n, container);
  InstallHeaderControls(framework, n, container);

  const auto previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(container, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ContainerWindowProc)));
  // The installs above may have grown other tables; the record is found again.
  if (ContainerRecord* record = framework.Window(n)->containers.At(index))
    record->previousProc = previous;
  WriteProp(container, kPreviousProcKey, reinterpret_cast<LONG_PTR>(previous));
  WriteProp(container, kWindowNumberKey, index);
  WriteProp(container, kOwnerNumberKey, n);
  WriteProp(container, kTemplateKey, ReadProp(GetParent(container), kParentTemplateKey));
}

LRESULT CALLBACK ContainerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ContainerTarget t = FindContainer(window);
  if (t.record == nullptr) return PassOn(window, kPreviousProcKey, message, wParam, lParam);
  SkinFramework& framework = *t.framework;
  const WNDPROC previous = t.record->previousProc;
  // A generic control holding controls is their container too, and paints
  // itself through the generic procedure.
  const bool paintsItself = FindGeneric(window).record != nullptr;
  switch (message) {
    case WM_SHOWWINDOW: {
      const LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
      if (!paintsItself) PaintContainer(framework, t.n, t.index, nullptr);
      return result;
    }
    case WM_MOVE:
      InvalidateRect(window, nullptr, FALSE);
      break;
    case WM_PAINT:
      if (paintsItself) break;
      return OnContainerPaint(t, window, wParam, lParam);
    case WM_ERASEBKGND:
      if (paintsItself) break;
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_DRAWITEM: {
      DRAWITEMSTRUCT item{};
      SIZE_T read = 0;
      if (ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &item,
                            sizeof item, &read) &&
          read == sizeof item && DrawButtonItem(framework, t.n, item)) {
        return TRUE;
      }
      break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      return OnContainerColour(framework, window, previous, message, wParam, lParam);
    case WM_SETFONT: {
      // A new font (a new display scale, say): the caption follows it.
      const LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
      ContainerTarget again = FindContainer(window);
      WindowRecord* owner = framework.Window(again.n);
      if (again.record != nullptr && again.record->groupBox && owner != nullptr)
        ReadCaptionFont(*again.record, owner->metrics);
      return result;
    }
    case WM_SIZE: {
      // A page-like container fits its page to itself; the controls of a
      // group box keep their places.
      HWND first = t.record->groupBox ? nullptr : FindWindowExA(window, nullptr, nullptr, nullptr);
      if (first != nullptr) {
        RECT client{};
        GetClientRect(window, &client);
        MoveWindow(first, 0, 0, client.right, client.bottom, TRUE);
      }
      break;
    }
    case WM_COMMAND: {
      HWND child = reinterpret_cast<HWND>(lParam);
      const WORD code = HIWORD(wParam);
      if (framework.translucent && framework.enabled && child != nullptr &&
          IsClass(child, "Edit") &&
          (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE))
        InvalidateRect(child, nullptr, TRUE);
      break;
    }
    default:
      break;
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

}  // namespace framework
