#include "framework/containers.h"

#include <string>

#include "framework/buttons.h"
#include "framework/control_window.h"
#include "framework/drawing_helpers.h"
#include "framework/edits.h"
#include "framework/frame.h"
#include "framework/gdi_handles.h"
#include "framework/headers.h"
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

constexpr Family<GenericControlRecord> kGenericFamily{
    &WindowRecord::genericControls, kGenericIndexKey, kGenericOwnerKey, kGenericProcKey};
constexpr Family<ContainerRecord> kContainerFamily{&WindowRecord::containers};

// ---- generic controls ----

// A generic control that holds controls of its own is their container too
// (option 0); the colour and alpha given for it tint what shows through the
// control's key colour.
void TintBehind(SkinFramework& framework, const GenericControlRecord& record, HDC dc,
                const RECT& rect) {
  const ContainerRecord* container =
      FindControl(&framework, record.window, kContainerFamily).record;
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
  const Snapshot snapshot(framework, control,
                          RECT{at.x, at.y, at.x + client.right, at.y + client.bottom});
  const PaintDc dc(control);
  if (snapshot.dc() == nullptr) return 0;
  CallWindowProcA(record.previousProc, control, WM_PAINT, reinterpret_cast<WPARAM>(snapshot.dc()),
                  0);
  const Snapshot veil(framework, MakeVeilDC(framework, control));
  if (veil.dc() == nullptr) return 0;
  TintBehind(framework, record, veil.dc(),
             RECT{at.x, at.y, at.x + client.right, at.y + client.bottom});
  TransparentBlt(veil.dc(), at.x, at.y, client.right, client.bottom, snapshot.dc(), 0, 0,
                 client.right, client.bottom, record.keyColour);
  BitBlt(dc.get(), 0, 0, client.right, client.bottom, veil.dc(), at.x, at.y, SRCCOPY);
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
  LRESULT result = 0;
  {
    const WindowDc dc(control, WindowDc::Area::kClient);
    const Snapshot snapshot(
        framework, control,
        RECT{at.x + update.left, at.y + update.top, at.x + update.right, at.y + update.bottom});
    if (snapshot.dc() != nullptr)
      TintBehind(framework, record, snapshot.dc(), RECT{0, 0, width, height});
    result = CallWindowProcA(record.previousProc, control, WM_PAINT,
                             reinterpret_cast<WPARAM>(snapshot.dc()), lParam);
    if (snapshot.dc() != nullptr) {
      TransparentBlt(snapshot.dc(), 0, 0, width, height, dc.get(), update.left, update.top, width,
                     height, record.keyColour);
      BitBlt(dc.get(), update.left, update.top, width, height, snapshot.dc(), 0, 0, SRCCOPY);
    }
  }
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
  caption.text = WindowText(record.window);
  if (caption.text.empty()) return caption;
  caption.height =
      MeasureText(caption.text.c_str(), record.fontFace.c_str(),
                  static_cast<float>(record.fontSize), record.fontStyle, &caption.size);
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
  const WindowRecord* window = framework.Window(n);
  ContainerRecord* record = RecordAt(framework, n, index, kContainerFamily);
  if (window == nullptr || record == nullptr) return;
  HWND container = record->window;
  RECT client{};
  GetClientRect(container, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  const POINT at = ClientOffset(container);
  const Snapshot layer(framework, container,
                       RECT{at.x, at.y, at.x + client.right, at.y + client.bottom});
  if (layer.dc() == nullptr) return;
  const Metrics metrics = window->metrics;
  DrawContainer(*record, metrics, layer.dc(), client.right, client.bottom);
  const WindowDc dc(container, WindowDc::Area::kClient, target);
  ChildClippedDC(container, dc.get(), 1);
  BitBlt(dc.get(), 0, 0, client.right, client.bottom, layer.dc(), 0, 0, SRCCOPY);
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
  SubclassControl(framework, kGenericFamily, control, n, index, &GenericControlWindowProc);
  if (FindWindowExA(control, nullptr, nullptr, nullptr) != nullptr) {
    // The control goes on painting itself; without a colour or an alpha
    // nothing tints what shows through it.
    if (!containerColour && !containerAlpha) containerAlpha = 0;
    SkinContainer(framework, control, 0, containerColour, containerAlpha, std::nullopt);
  }
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
    record.callerValue = secondValue.value_or(0);
    record.option = option.value_or(1);
    if (IsClass(container, "Button") && (GetWindowLongA(container, GWL_STYLE) & 0x4) != 0) {
      record.groupBox = true;
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

  // The installs above may have grown other tables: the record is found again.
  SubclassControl(framework, kContainerFamily, container, n, index, &ContainerWindowProc);
  WriteProp(container, kTemplateKey, ReadProp(GetParent(container), kParentTemplateKey));
}

namespace {

// One message to a control skinned by the generic operation.
class GenericWindow : public ControlWindow<GenericControlRecord> {
 public:
  using ControlWindow::ControlWindow;

  LRESULT Handle() {
    static constexpr MessageEntry<GenericWindow> kMap[] = {
        {WM_MOVE, &GenericWindow::OnMove},      {WM_ERASEBKGND, &GenericWindow::OnEraseBackground},
        {WM_PAINT, &GenericWindow::OnPaint},    {WM_HSCROLL, &GenericWindow::OnScroll},
        {WM_VSCROLL, &GenericWindow::OnScroll},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  LRESULT OnMove() {
    if (framework_.Translucent()) InvalidateRect(hwnd(), nullptr, FALSE);
    return PassOn();
  }
  LRESULT OnEraseBackground() {
    if (!framework_.Translucent()) return PassOn();
    SetBkMode(reinterpret_cast<HDC>(message_.wParam), TRANSPARENT);
    return 1;
  }
  LRESULT OnPaint() {
    // A paint into a given DC (a print) is left to the control.
    if (!framework_.Enabled() || message_.wParam != 0) return PassOn();
    if (PaintsIntoGivenDc(hwnd())) return PaintSelfPainter(framework_, record_);
    return PaintOnScreenPainter(framework_, record_, message_.lParam);
  }
  LRESULT OnScroll() {
    if (IsClass(hwnd(), "RichEdit20A")) InvalidateRect(hwnd(), nullptr, FALSE);
    return PassOn();
  }
};

// One message to a container (a group box, or a control holding controls).
class ContainerWindow : public ControlWindow<ContainerRecord> {
 public:
  ContainerWindow(const ControlState<ContainerRecord>& state, const WindowMessage& message)
      : ControlWindow(state, message),
        paintsItself_(FindControl(&framework_, hwnd(), kGenericFamily).record != nullptr) {}

  LRESULT Handle() {
    static constexpr MessageEntry<ContainerWindow> kMap[] = {
        {WM_SHOWWINDOW, &ContainerWindow::OnShowWindow},
        {WM_MOVE, &ContainerWindow::OnMove},
        {WM_PAINT, &ContainerWindow::OnPaint},
        {WM_ERASEBKGND, &ContainerWindow::OnEraseBackground},
        {WM_DRAWITEM, &ContainerWindow::OnDrawItem},
        {WM_CTLCOLOREDIT, &ContainerWindow::OnColour},
        {WM_CTLCOLORSTATIC, &ContainerWindow::OnColour},
        {WM_CTLCOLORLISTBOX, &ContainerWindow::OnColour},
        {WM_CTLCOLORBTN, &ContainerWindow::OnColour},
        {WM_SETFONT, &ContainerWindow::OnSetFont},
        {WM_SIZE, &ContainerWindow::OnSize},
        {WM_COMMAND, &ContainerWindow::OnCommand},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  LRESULT OnShowWindow() {
    const LRESULT result = PassOn();
    const ControlState<ContainerRecord> now = Refind(kContainerFamily);
    if (!paintsItself_ && now) PaintContainer(framework_, now.n, now.index, nullptr);
    return result;
  }
  LRESULT OnMove() {
    InvalidateRect(hwnd(), nullptr, FALSE);
    return PassOn();
  }
  LRESULT OnPaint() {
    if (paintsItself_) return PassOn();
    const HWND container = hwnd();
    {
      const PaintDc dc(container);
      PaintContainer(framework_, n_, index_, dc.get());
    }
    // Again through the container's own DC.
    PaintContainer(framework_, n_, index_, nullptr);
    for (HWND child = FindWindowExA(container, nullptr, nullptr, nullptr); child != nullptr;
         child = FindWindowExA(container, child, nullptr, nullptr)) {
      if ((GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0)
        InvalidateRect(child, nullptr, FALSE);
    }
    return Default();
  }
  LRESULT OnEraseBackground() {
    if (paintsItself_) return PassOn();
    SetBkMode(reinterpret_cast<HDC>(message_.wParam), TRANSPARENT);
    return 1;
  }
  LRESULT OnDrawItem() {
    return DrawButtonItemAt(framework_, n_, message_.lParam) ? TRUE : PassOn();
  }
  LRESULT OnColour() {
    const UINT message = message_.id;
    HDC dc = reinterpret_cast<HDC>(message_.wParam);
    HWND child = reinterpret_cast<HWND>(message_.lParam);
    if (!framework_.Enabled() || !framework_.Translucent() || child == nullptr) return PassOn();
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
      if (IsClass(GetParent(child), "ComboBox")) return PassOn();
      return AnswerWithVeil(framework_, dc, child);
    }
    if (message == WM_CTLCOLORLISTBOX && IsOwnerDrawnListBox(child)) return PassOn();
    return AnswerWithNoBrush(dc, child);
  }
  // A new font (a new display scale, say): the caption follows it.
  LRESULT OnSetFont() {
    const LRESULT result = PassOn();
    const ControlState<ContainerRecord> again = Refind(kContainerFamily);
    if (again && again.record->groupBox) ReadCaptionFont(*again.record, again.window->metrics);
    return result;
  }
  // A page-like container fits its page to itself; the controls of a group
  // box keep their places.
  LRESULT OnSize() {
    HWND first = record_.groupBox ? nullptr : FindWindowExA(hwnd(), nullptr, nullptr, nullptr);
    if (first != nullptr) {
      RECT client{};
      GetClientRect(hwnd(), &client);
      MoveWindow(first, 0, 0, client.right, client.bottom, TRUE);
    }
    return PassOn();
  }
  LRESULT OnCommand() {
    HWND child = reinterpret_cast<HWND>(message_.lParam);
    const WORD code = HIWORD(message_.wParam);
    if (framework_.Translucent() && framework_.Enabled() && child != nullptr &&
        IsClass(child, "Edit") && EditNeedsVeilAgain(code))
      InvalidateRect(child, nullptr, TRUE);
    return PassOn();
  }

  // A generic control holding controls is their container too, and paints
  // itself through the generic procedure.
  const bool paintsItself_;
};

}  // namespace

LRESULT CALLBACK GenericControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<GenericWindow>(kGenericFamily, window, message, wParam, lParam);
}

LRESULT CALLBACK ContainerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<ContainerWindow>(kContainerFamily, window, message, wParam, lParam);
}

}  // namespace framework
