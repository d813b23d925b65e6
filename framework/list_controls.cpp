#include "framework/list_controls.h"

#include <commctrl.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "framework/control_window.h"
#include "framework/drawing_helpers.h"
#include "framework/frame.h"
#include "framework/gdi_handles.h"
#include "framework/non_client.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/pen.h"
#include "gdiplus/string_format.h"

namespace framework {
namespace {

// Magenta: the colour that the frame layers and tree views leave transparent.
constexpr COLORREF kKeyColour = 0x00FF00FF;
constexpr int kCombineModeXor = 3;
constexpr int kUnitDisplay = 1;
constexpr int kStringFormatFlagsNoWrap = 0x1000;
constexpr UINT kArrowKeyRepaint = 0x8002;

bool IsClass(HWND window, const char* name) {
  return TextEquals(ClassNameOf(window).c_str(), name);
}

constexpr Family<ListControlRecord> kListFamily{&WindowRecord::listControls};
constexpr Family<HeaderRecord> kHeaderFamily{&WindowRecord::headers};

// Where the client area's origin lies in the window rectangle.
POINT ClientOffset(HWND control) {
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  return POINT{origin.x - windowRect.left, origin.y - windowRect.top};
}

void AddListControl(SkinFramework& framework, int n, HWND control) {
  WindowRecord* window = framework.Window(n);
  // A second subclassing would make the procedure its own predecessor.
  if (window == nullptr || window->listControls.Find(control) != 0 || TakenByFramework(control))
    return;
  const int index = window->listControls.Append();
  ListControlRecord& record = window->listControls[index];
  record.window = control;
  record.previousProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListControlWindowProc)));
  WriteProp(control, kWindowNumberKey, index);
  WriteProp(control, kOwnerNumberKey, n);
  WriteProp(control, kPreviousProcKey, reinterpret_cast<LONG_PTR>(record.previousProc));
}

void AddHeader(SkinFramework& framework, int n, HWND header, bool ofListView) {
  WindowRecord* window = framework.Window(n);
  if (window == nullptr || window->headers.Find(header) != 0 || TakenByFramework(header)) return;
  const int index = window->headers.Append();
  HeaderRecord& record = window->headers[index];
  record.window = header;
  record.itemsAreButtons = (GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS) != 0;
  record.previousProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HeaderWindowProc)));
  WriteProp(header, kWindowNumberKey, index);
  WriteProp(header, kOwnerNumberKey, n);
  WriteProp(header, kPreviousProcKey, reinterpret_cast<LONG_PTR>(record.previousProc));
  record.imageList = reinterpret_cast<HANDLE>(SendMessageA(header, HDM_GETIMAGELIST, 0, 0));
  if (ofListView) {
    FontDescription font = DescribeFont(header);
    record.fontFace = font.face;
    record.fontSize = font.size;
    record.fontStyle = font.style;
  }
}

// Fills `rect` with a vertical gradient.
void FillVertical(gdiplus::Graphics& graphics, const gdiplus::RectF& rect, gdiplus::ARGB top,
                  gdiplus::ARGB bottom) {
  gdiplus::LinearGradientBrush brush;
  if (GradientAlong(brush, rect, true, top, bottom)) graphics.FillRectangle(brush, rect);
}

struct HeaderFont {
  std::string face;
  float size = 0;
  int style = 0;
};

HeaderFont FontOf(const HeaderRecord& record, const Metrics& m) {
  if (!record.fontFace.empty())
    return HeaderFont{record.fontFace, static_cast<float>(record.fontSize), record.fontStyle};
  // A stand-alone header keeps no font of its own: its current one serves.
  FontDescription font = DescribeFont(record.window);
  if (font.face.empty()) font.face = "宋体";
  const float size = font.size > 0 ? static_cast<float>(font.size) : m.headerFontSize;
  return HeaderFont{font.face, size, font.style};
}

void DrawHeaderItem(SkinFramework& framework, gdiplus::Graphics& graphics, const Metrics& m,
                    HeaderRecord& record, int item, RECT rect, const HDITEMA& data, HICON icon,
                    const HeaderFont& font) {
  const COLORREF accent = framework.AccentColour();
  const gdiplus::RectF area{static_cast<float>(rect.left), static_cast<float>(rect.top),
                            static_cast<float>(rect.right - rect.left),
                            static_cast<float>(rect.bottom - rect.top)};
  gdiplus::SolidBrush white;
  white.Create(ToArgb(0x00FFFFFF, framework.VeilAlpha(), framework.Translucent()));
  graphics.FillRectangle(white, area);
  if (record.itemsAreButtons)
    FillVertical(graphics, area, ToArgb(0x00FFFFFF, 80, 1), ToArgb(accent, 120, 1));
  else
    FillVertical(graphics, area, ToArgb(accent, 60, 1), ToArgb(accent, 10, 1));
  if (record.mouseInside && record.hotItem == item && record.itemsAreButtons)
    FillVertical(graphics, area, ToArgb(accent, 60, 1), ToArgb(0, 30, 1));
  if (record.itemsAreButtons && record.pressedItem == item)
    FillVertical(graphics, area, ToArgb(0, 30, 1), ToArgb(0x00FFFFFF, 120, 1));

  gdiplus::LinearGradientBrush edgeBrush;
  if (GradientAlong(edgeBrush, area, true, ToArgb(0, 60, 1), ToArgb(0x00FFFFFF, 50, 1))) {
    gdiplus::Pen edge;
    const auto line = static_cast<float>(m.line);
    edge.Create(edgeBrush, line);
    const float x = area.X + area.Width - line + (line - 1.0f) / 2.0f;
    graphics.DrawLine(edge, x, area.Y, x, area.Y + area.Height);
  }

  const auto padding = static_cast<float>(m.headerTextPadding);
  float textLeft = area.X + padding;
  if (icon != nullptr) {
    ICONINFO info{};
    int iconWidth = 16;
    int iconHeight = 16;
    if (GetIconInfo(icon, &info)) {
      // GetIconInfo makes copies of the icon's bitmaps.
      const OwnedBitmap colour(info.hbmColor);
      const OwnedBitmap mask(info.hbmMask);
      BITMAP bits{};
      if (GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bits, &bits)) {
        iconWidth = bits.bmWidth;
        iconHeight = info.hbmColor != nullptr ? bits.bmHeight : bits.bmHeight / 2;
      }
    }
    const GraphicsDc dc(graphics);
    if (dc.get() != nullptr) {
      DrawIconEx(dc.get(), rect.left + m.headerIconPadding,
                 rect.top + (rect.bottom - rect.top - iconHeight) / 2, icon, iconWidth, iconHeight,
                 0, nullptr, DI_NORMAL);
    }
    textLeft =
        static_cast<float>(rect.left + m.headerIconPadding + iconWidth + m.headerIconPadding);
  }

  const char* text = data.pszText != nullptr ? data.pszText : "";
  if (*text == '\0') return;
  TextSize measured;
  const int textHeight = MeasureText(text, font.face.c_str(), font.size, font.style, &measured);
  const float width = area.X + area.Width - padding - textLeft;
  if (width <= 1e-7f) return;
  gdiplus::Font gpFont;
  if (!gpFont.Create(font.face.c_str(), font.size, font.style, kUnitDisplay)) return;
  gdiplus::StringFormat format;
  format.CreateGenericDefault();
  format.SetFlags(kStringFormatFlagsNoWrap);
  const int justify = data.fmt & HDF_JUSTIFYMASK;
  format.SetAlign(justify == HDF_RIGHT    ? gdiplus::kStringAlignmentFar
                  : justify == HDF_CENTER ? gdiplus::kStringAlignmentCenter
                                          : gdiplus::kStringAlignmentNear);
  const float top = area.Y + (area.Height - static_cast<float>(textHeight)) / 2.0f;
  gdiplus::SolidBrush black;
  black.Create(ToArgb(0, 0, 0));
  graphics.DrawString(text, gpFont,
                      gdiplus::RectF{textLeft, top, width, static_cast<float>(textHeight)}, &format,
                      black);
}

void PaintHeaderInto(SkinFramework& framework, int n, int index, HDC target) {
  WindowRecord* window = framework.Window(n);
  HeaderRecord* record = window != nullptr ? window->headers.At(index) : nullptr;
  if (record == nullptr || record->window == nullptr) return;
  HWND header = record->window;
  RECT windowRect{};
  GetWindowRect(header, &windowRect);
  const int width = windowRect.right - windowRect.left;
  const int height = windowRect.bottom - windowRect.top;
  if (width <= 0 || height <= 0) return;
  const Snapshot strip(framework, header, RECT{0, 0, width, height});
  if (strip.dc() == nullptr) return;

  // The last item of a list view's header reaches the list view's right edge.
  LONG listRight = -1;
  HWND parent = GetParent(header);
  if (parent != nullptr && IsClass(parent, "SysListView32")) {
    RECT listClient{};
    GetClientRect(parent, &listClient);
    POINT corner{listClient.right, 0};
    MapWindowPoints(parent, header, &corner, 1);
    listRight = corner.x;
  }
  const Metrics& m = MetricsOf(framework, header);
  const HeaderFont font = FontOf(*record, m);
  {
    gdiplus::Graphics graphics;
    if (graphics.FromHDC(strip.dc())) {
      const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
      for (int item = 1; item <= count; ++item) {
        RECT rect{};
        SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(item - 1),
                     reinterpret_cast<LPARAM>(&rect));
        char text[260] = {};
        HDITEMA data{};
        data.mask = 0x3F;
        data.pszText = text;
        data.cchTextMax = sizeof text;
        SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(item - 1),
                     reinterpret_cast<LPARAM>(&data));
        const OwnedIcon icon((data.fmt & HDF_IMAGE) != 0 && record->imageList != nullptr
                                 ? ImageList_GetIcon(static_cast<HIMAGELIST>(record->imageList),
                                                     data.iImage, ILD_TRANSPARENT)
                                 : nullptr);
        if (item == count && listRight > rect.right) rect.right = listRight;
        DrawHeaderItem(framework, graphics, m, *record, item, rect, data, icon.get(), font);
      }
    }
  }
  const WindowDc dc(header, WindowDc::Area::kClient, target);
  BitBlt(dc.get(), 0, 0, width, height, strip.dc(), 0, 0, SRCCOPY);
}

}  // namespace

void InstallListControls(SkinFramework& framework, int windowNumber, HWND parent) {
  if (!framework.Enabled() || framework.Window(windowNumber) == nullptr || parent == nullptr)
    return;
  for (HWND c = FindWindowExA(parent, nullptr, "ListBox", nullptr); c != nullptr;
       c = FindWindowExA(parent, c, "ListBox", nullptr))
    AddListControl(framework, windowNumber, c);
  for (HWND combo = FindWindowExA(parent, nullptr, "ComboBox", nullptr); combo != nullptr;
       combo = FindWindowExA(parent, combo, "ComboBox", nullptr)) {
    HWND list = FindWindowExA(combo, nullptr, "ComboLBox", nullptr);
    if (list != nullptr && (GetWindowLongA(list, GWL_STYLE) & LBS_OWNERDRAWFIXED) == 0)
      AddListControl(framework, windowNumber, list);
  }
  for (HWND c = FindWindowExA(parent, nullptr, "SysListView32", nullptr); c != nullptr;
       c = FindWindowExA(parent, c, "SysListView32", nullptr)) {
    if ((GetWindowLongA(c, GWL_STYLE) & 0x10) != 0) continue;
    if (framework.Translucent())
      SendMessageA(c, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    AddListControl(framework, windowNumber, c);
  }
  for (HWND c = FindWindowExA(parent, nullptr, "SysTreeView32", nullptr); c != nullptr;
       c = FindWindowExA(parent, c, "SysTreeView32", nullptr)) {
    if (framework.Translucent())
      SendMessageA(c, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kKeyColour));
    AddListControl(framework, windowNumber, c);
  }
  for (const char* name : {"SysIPAddress32", "SysDateTimePick32"}) {
    for (HWND c = FindWindowExA(parent, nullptr, name, nullptr); c != nullptr;
         c = FindWindowExA(parent, c, name, nullptr))
      AddListControl(framework, windowNumber, c);
  }
}

void InstallHeaderControls(SkinFramework& framework, int windowNumber, HWND parent) {
  if (!framework.Enabled() || framework.Window(windowNumber) == nullptr || parent == nullptr)
    return;
  for (HWND c = FindWindowExA(parent, nullptr, "SysHeader32", nullptr); c != nullptr;
       c = FindWindowExA(parent, c, "SysHeader32", nullptr))
    AddHeader(framework, windowNumber, c, false);
  for (HWND list = FindWindowExA(parent, nullptr, "SysListView32", nullptr); list != nullptr;
       list = FindWindowExA(parent, list, "SysListView32", nullptr)) {
    HWND header = FindWindowExA(list, nullptr, "SysHeader32", nullptr);
    if (header != nullptr) AddHeader(framework, windowNumber, header, true);
  }
}

namespace {

// One message to a list box, combo list, list view, tree view, IP address
// box or date-time picker.
class ListWindow : public ControlWindow<ListControlRecord> {
 public:
  using ControlWindow::ControlWindow;

  LRESULT Handle() {
    static constexpr MessageEntry<ListWindow> kMap[] = {
        {WM_MOUSEMOVE, &ListWindow::OnMouseMove},
        {WM_MOUSELEAVE, &ListWindow::OnMouseLeave},
        {WM_MOVE, &ListWindow::OnMoveOrScroll},
        {WM_VSCROLL, &ListWindow::OnMoveOrScroll},
        {WM_HSCROLL, &ListWindow::OnMoveOrScroll},
        {WM_MOUSEWHEEL, &ListWindow::OnMoveOrScroll},
        {WM_ERASEBKGND, &ListWindow::OnEraseBackground},
        {WM_PAINT, &ListWindow::OnPaint},
        {WM_SETFOCUS, &ListWindow::OnFocusChange},
        {WM_KILLFOCUS, &ListWindow::OnFocusChange},
        {WM_NCPAINT, &ListWindow::OnNcPaint},
        {WM_KEYDOWN, &ListWindow::OnKeyDown},
        {WM_KEYUP, &ListWindow::OnKeyUp},
        {kArrowKeyRepaint, &ListWindow::OnArrowKeyRepaint},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  bool Translucent() const { return framework_.Translucent(); }
  void PaintFrame(std::optional<bool> hot) const {
    PaintListFrame(framework_, n_, index_, hot, std::nullopt);
  }

  LRESULT OnMouseMove() {
    TrackLeave();
    if (BecomesHot(kHotList)) {
      record_.hot = true;
      PaintFrame(true);
      MarkHot(kHotList);
    }
    return PassOn();
  }
  LRESULT OnMouseLeave() {
    LeaveHot(owner_, kHotList, index_);
    record_.hot = false;
    PaintFrame(false);
    return PassOn();
  }
  LRESULT OnMoveOrScroll() {
    if (Translucent()) InvalidateRect(hwnd(), nullptr, TRUE);
    return PassOn();
  }
  LRESULT OnEraseBackground() {
    HDC dc = reinterpret_cast<HDC>(message_.wParam);
    const HWND control = hwnd();
    if (Translucent()) {
      const bool ownerDrawn = IsOwnerDrawnListBox(control);
      if (IsClass(control, "SysTreeView32") || IsClass(control, "SysListView32") ||
          (IsClass(control, "ListBox") && !ownerDrawn)) {
        SetBkMode(dc, TRANSPARENT);
        return 1;
      }
      if (!ownerDrawn && !IsClass(control, "ComboLBox")) {
        SetBkMode(dc, TRANSPARENT);
        PaintVeil(framework_, control, dc, 1);
        SetTextColor(dc, static_cast<COLORREF>(ReadProp(control, kTextColourKey)));
        return 1;
      }
    }
    return PassOn();
  }
  LRESULT OnPaint() {
    PaintFrame(std::nullopt);
    // A paint into a given DC (a print) is the control's own business.
    if (Translucent() && message_.wParam == 0) {
      if (IsClass(hwnd(), "SysTreeView32")) return PaintTreeTranslucent();
      if (IsClass(hwnd(), "SysListView32") || IsClass(hwnd(), "ListBox")) return PaintOntoVeil();
    }
    return PassOn();
  }
  LRESULT OnFocusChange() {
    record_.focused = message_.id == WM_SETFOCUS;
    PaintFrame(std::nullopt);
    return PassOn();
  }
  LRESULT OnNcPaint() {
    PaintFrame(std::nullopt);
    // The system's own edge stays unpainted, the frame above holds.
    return PaintScrollBarsOnly(hwnd(), message_.lParam);
  }
  LRESULT OnKeyDown() {
    if (message_.wParam >= VK_LEFT && message_.wParam <= VK_DOWN) record_.arrowKeyHeld = true;
    return PassOn();
  }
  LRESULT OnKeyUp() {
    ReleaseCapture();
    record_.arrowKeyHeld = false;
    return PassOn();
  }
  LRESULT OnArrowKeyRepaint() {
    if (n_ >= 1 && n_ <= framework_.WindowCount() && Translucent() && record_.arrowKeyHeld)
      InvalidateRect(hwnd(), nullptr, FALSE);
    return PassOn();
  }

  // Tree views paint over magenta, which is keyed out onto the veiled background.
  LRESULT PaintTreeTranslucent() {
    const HWND control = hwnd();
    const WNDPROC previous = message_.previous;
    RECT client{};
    GetClientRect(control, &client);
    const POINT at = ClientOffset(control);
    const RECT area{at.x, at.y, at.x + client.right, at.y + client.bottom};
    {
      const Snapshot snapshot(framework_, control, area);
      if (snapshot.dc() == nullptr) return CallWindowProcA(previous, control, WM_PAINT, 0, 0);
      CallWindowProcA(previous, control, WM_PAINT, reinterpret_cast<WPARAM>(snapshot.dc()), 0);
      const Snapshot veil(framework_, MakeVeilDC(framework_, control));
      const WindowDc dc(control, WindowDc::Area::kClient);
      ChildClippedDC(control, dc.get(), 1);
      if (veil.dc() != nullptr) {
        TransparentBlt(veil.dc(), at.x, at.y, client.right, client.bottom, snapshot.dc(), 0, 0,
                       client.right, client.bottom, kKeyColour);
        BitBlt(dc.get(), 0, 0, client.right, client.bottom, veil.dc(), at.x, at.y, SRCCOPY);
      }
    }
    return DefWindowProcA(control, WM_PAINT, 0, 0);
  }
  // List views and list boxes draw their items straight onto the veil.
  LRESULT PaintOntoVeil() {
    const HWND control = hwnd();
    const WNDPROC previous = message_.previous;
    const LPARAM lParam = message_.lParam;
    {
      const Snapshot veil(framework_, MakeVeilDC(framework_, control));
      if (veil.dc() == nullptr) return CallWindowProcA(previous, control, WM_PAINT, 0, lParam);
      RECT client{};
      GetClientRect(control, &client);
      const POINT at = ClientOffset(control);
      const PaintDc dc(control);
      POINT origin{};
      SetViewportOrgEx(veil.dc(), at.x, at.y, &origin);
      CallWindowProcA(previous, control, WM_PAINT, reinterpret_cast<WPARAM>(veil.dc()), 0);
      SetViewportOrgEx(veil.dc(), origin.x, origin.y, nullptr);
      BitBlt(dc.get(), 0, 0, client.right, client.bottom, veil.dc(), at.x, at.y, SRCCOPY);
    }
    InvalidateChildren(control);
    return DefWindowProcA(control, WM_PAINT, 0, lParam);
  }
};

// One message to a header control.
class HeaderWindow : public ControlWindow<HeaderRecord> {
 public:
  using ControlWindow::ControlWindow;

  LRESULT Handle() {
    static constexpr MessageEntry<HeaderWindow> kMap[] = {
        {WM_NCDESTROY, &HeaderWindow::OnNcDestroy},
        {WM_MOUSEMOVE, &HeaderWindow::OnMouseMove},
        {WM_MOUSELEAVE, &HeaderWindow::OnMouseLeave},
        {WM_MOVE, &HeaderWindow::OnMove},
        {WM_ERASEBKGND, &HeaderWindow::OnEraseBackground},
        {WM_PAINT, &HeaderWindow::OnPaint},
        {WM_SETFONT, &HeaderWindow::OnSetFont},
        {WM_LBUTTONDOWN, &HeaderWindow::OnLButtonDown},
        {WM_LBUTTONUP, &HeaderWindow::OnLButtonUp},
    };
    const auto handler = HandlerFor(kMap, message_.id);
    return handler != nullptr ? (this->*handler)() : PassOn();
  }

 private:
  void Paint() const { PaintHeader(framework_, n_, index_); }

  LRESULT OnNcDestroy() {
    // A list view's header shows the list view's own image list, which the
    // list view destroys itself: destroying it here too would free it twice.
    if (record_.imageList != nullptr &&
        !TextEquals(ClassNameOf(GetParent(hwnd())).c_str(), "SysListView32")) {
      ImageList_Destroy(static_cast<HIMAGELIST>(record_.imageList));
    }
    record_.imageList = nullptr;
    return PassOn();
  }
  LRESULT OnMouseMove() {
    TrackLeave();
    HeaderRecord& record = record_;
    if (BecomesHot(kHotHeader)) {
      record.mouseInside = true;
      MarkHot(kHotHeader);
    }
    record.hotItem = HeaderHitTest(framework_, n_, index_, message_.lParam);
    if (record.hotItem == 0) {
      // Off the items: nothing shows hot any more (a repaint only when something did).
      const bool wasHot = record.previousHotItem != 0;
      record.previousHotItem = 0;
      record.mouseInside = false;
      if (wasHot) Paint();
      return PassOn();
    }
    // Back on an item after the gap right of the last one: inside again.
    record.mouseInside = true;
    if (record.hotItem != record.previousHotItem && !record.buttonDown) Paint();
    record.previousHotItem = record.hotItem;
    return PassOn();
  }
  LRESULT OnMouseLeave() {
    LeaveHot(owner_, kHotHeader, index_);
    record_.mouseInside = false;
    record_.hotItem = 0;
    record_.previousHotItem = 0;
    Paint();
    return PassOn();
  }
  LRESULT OnMove() {
    Paint();
    return PassOn();
  }
  LRESULT OnEraseBackground() {
    SetBkMode(reinterpret_cast<HDC>(message_.wParam), TRANSPARENT);
    return 1;
  }
  LRESULT OnPaint() {
    {
      const PaintDc dc(hwnd());
      PaintHeaderInto(framework_, n_, index_, dc.get());
    }
    return Default();
  }
  // A list view's header keeps the face it was given: a new font (a new
  // display scale, say) is described again.
  LRESULT OnSetFont() {
    const bool described = !record_.fontFace.empty();
    const LRESULT result = PassOn();
    HeaderRecord* again = Refind(kHeaderFamily).record;
    if (described && again != nullptr) {
      const FontDescription font = DescribeFont(hwnd());
      again->fontFace = font.face.empty() ? again->fontFace : font.face;
      again->fontSize = font.size;
      again->fontStyle = font.style;
    }
    return result;
  }
  LRESULT OnLButtonDown() {
    record_.buttonDown = true;
    if (record_.hotItem != 0) record_.pressedItem = record_.hotItem;
    return PassOn();
  }
  LRESULT OnLButtonUp() {
    record_.buttonDown = false;
    record_.pressedItem = 0;
    return PassOn();
  }
};

}  // namespace

LRESULT CALLBACK ListControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<ListWindow>(kListFamily, window, message, wParam, lParam);
}

LRESULT CALLBACK HeaderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<HeaderWindow>(kHeaderFamily, window, message, wParam, lParam);
}

void PaintListFrame(SkinFramework& framework, int windowNumber, int index, std::optional<bool> hot,
                    std::optional<bool> focused) {
  WindowRecord* window = framework.Window(windowNumber);
  ListControlRecord* record = window != nullptr ? window->listControls.At(index) : nullptr;
  if (record == nullptr || record->window == nullptr) return;
  HWND control = record->window;
  const bool isHot = hot.value_or(record->hot);
  const bool isFocused = focused.value_or(record->focused);
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  const int width = windowRect.right - windowRect.left;
  const int height = windowRect.bottom - windowRect.top;
  if (width <= 0 || height <= 0) return;
  const RECT client = ClientRectInWindow(control);
  const Snapshot layer(framework, control, RECT{0, 0, width, height});
  if (layer.dc() == nullptr) return;
  {
    gdiplus::Graphics graphics;
    if (graphics.FromHDC(layer.dc())) {
      const gdiplus::ARGB key = ToArgb(kKeyColour, 0, 0);
      if (IsClass(control, "ComboLBox") || !HasBorder(control)) {
        graphics.Clear(key);
      } else {
        const int cx = client.left;
        const int cy = client.top;
        const int cw = client.right - client.left;
        const int ch = client.bottom - client.top;
        graphics.SetClipRectI(0, 0, width, height, gdiplus::kCombineModeReplace);
        graphics.SetClipRectI(cx, cy, cw, ch, kCombineModeXor);
        if (framework.Translucent()) {
          gdiplus::SolidBrush veil;
          veil.Create(ToArgb(0x00FFFFFF, framework.VeilAlpha(), 1));
          graphics.FillRectangleI(veil, 0, 0, width, height);
        } else {
          graphics.Clear(0xFFFFFFFF);
        }
        graphics.ResetClip();
        graphics.SetClipRectI(cx, cy, cw, ch, gdiplus::kCombineModeReplace);
        graphics.Clear(key);
        graphics.ResetClip();
        // Hot: a double hairline along the edge; else a single one.
        const Metrics& m = MetricsOf(framework, control);
        const int line = m.line;
        gdiplus::Pen pen;
        if (isHot) {
          pen.Create(ToArgb(framework.AccentColour(), 200, 1), static_cast<float>(2 * line));
          graphics.DrawRectangleI(pen, line, line, width - 2 * line, height - 2 * line);
        } else {
          const gdiplus::RectF ring = HairlineRect(m, RECT{0, 0, width, height}, 0);
          pen.Create(isFocused ? ToArgb(framework.AccentColour(), 200, 1) : ToArgb(0, 90, 1),
                     static_cast<float>(line));
          graphics.DrawRectangle(pen, ring.X, ring.Y, ring.Width, ring.Height);
        }
      }
    }
  }
  const WindowDc dc(control, WindowDc::Area::kWhole);
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  TransparentBlt(dc.get(), 0, 0, width, height, layer.dc(), 0, 0, width, height, kKeyColour);
}

void PaintHeader(SkinFramework& framework, int windowNumber, int index) {
  PaintHeaderInto(framework, windowNumber, index, nullptr);
}

int HeaderHitTest(SkinFramework& framework, int windowNumber, int index, LPARAM lParam) {
  WindowRecord* window = framework.Window(windowNumber);
  HeaderRecord* record = window != nullptr ? window->headers.At(index) : nullptr;
  if (record == nullptr || record->window == nullptr) return 0;
  const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  const int count = static_cast<int>(SendMessageA(record->window, HDM_GETITEMCOUNT, 0, 0));
  for (int item = 1; item <= count; ++item) {
    RECT rect{};
    SendMessageA(record->window, HDM_GETITEMRECT, static_cast<WPARAM>(item - 1),
                 reinterpret_cast<LPARAM>(&rect));
    if (PtInRect(&rect, point)) return item;
  }
  return 0;
}

}  // namespace framework
