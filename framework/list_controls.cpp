#include "framework/list_controls.h"

#include <commctrl.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "framework/drawing_helpers.h"
#include "framework/frame.h"
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

// The window and record a list-type control's properties lead to; all null
// when the properties do not lead back to this control.
struct ListTarget {
  SkinFramework* framework = nullptr;
  int n = 0;
  int index = 0;
  WindowRecord* window = nullptr;
  ListControlRecord* record = nullptr;
};

ListTarget FindList(HWND control) {
  ListTarget t;
  t.framework = ProgramFramework();
  if (t.framework == nullptr) return t;
  t.n = ReadIntProp(control, kOwnerNumberKey);
  t.index = ReadIntProp(control, kWindowNumberKey);
  t.window = t.framework->Window(t.n);
  if (t.window == nullptr) return t;
  ListControlRecord* record = t.window->listControls.At(t.index);
  if (record != nullptr && record->window == control) t.record = record;
  return t;
}

struct HeaderTarget {
  SkinFramework* framework = nullptr;
  int n = 0;
  int index = 0;
  WindowRecord* window = nullptr;
  HeaderRecord* record = nullptr;
};

HeaderTarget FindHeader(HWND control) {
  HeaderTarget t;
  t.framework = ProgramFramework();
  if (t.framework == nullptr) return t;
  t.n = ReadIntProp(control, kOwnerNumberKey);
  t.index = ReadIntProp(control, kWindowNumberKey);
  t.window = t.framework->Window(t.n);
  if (t.window == nullptr) return t;
  HeaderRecord* record = t.window->headers.At(t.index);
  if (record != nullptr && record->window == control) t.record = record;
  return t;
}

LRESULT PassOn(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (previous == nullptr) previous = reinterpret_cast<WNDPROC>(ReadProp(window, kPreviousProcKey));
  if (previous == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

void TrackLeave(HWND window) {
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window;
  TrackMouseEvent(&track);
}

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
  record.buttons = (GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS) != 0 ? 1 : 0;
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

// ---- list-type procedure ----

void OnListMouseMove(ListTarget& t, HWND control) {
  TrackLeave(control);
  WindowRecord& window = *t.window;
  window.currentHot = t.index;
  if (window.currentHot != 0 &&
      (window.currentHot != window.previousHot || window.hotKind != kHotList)) {
    t.record->hot = 1;
    PaintListFrame(*t.framework, t.n, t.index, true, std::nullopt);
    window.previousHot = window.currentHot;
    window.hotKind = kHotList;
  }
}

// Tree views paint over magenta, which is keyed out onto the veiled background.
LRESULT PaintTreeTranslucent(ListTarget& t, HWND control, WNDPROC previous) {
  SkinFramework& framework = *t.framework;
  RECT client{};
  GetClientRect(control, &client);
  const POINT at = ClientOffset(control);
  const RECT area{at.x, at.y, at.x + client.right, at.y + client.bottom};
  HDC snapshot = TakeBackgroundSnapshot(framework, control, area);
  if (snapshot == nullptr) return CallWindowProcA(previous, control, WM_PAINT, 0, 0);
  CallWindowProcA(previous, control, WM_PAINT, reinterpret_cast<WPARAM>(snapshot), 0);
  HDC veil = MakeVeilDC(framework, control);
  HDC dc = ChildClippedDC(control, nullptr, 0);
  if (veil != nullptr) {
    TransparentBlt(veil, at.x, at.y, client.right, client.bottom, snapshot, 0, 0, client.right,
                   client.bottom, kKeyColour);
    BitBlt(dc, 0, 0, client.right, client.bottom, veil, at.x, at.y, SRCCOPY);
    ReleaseSnapshot(framework, veil);
  }
  ReleaseDC(control, dc);
  ReleaseSnapshot(framework, snapshot);
  return DefWindowProcA(control, WM_PAINT, 0, 0);
}

// List views and list boxes draw their items straight onto the veil.
LRESULT PaintOntoVeil(ListTarget& t, HWND control, WNDPROC previous, LPARAM lParam) {
  SkinFramework& framework = *t.framework;
  HDC veil = MakeVeilDC(framework, control);
  if (veil == nullptr) return CallWindowProcA(previous, control, WM_PAINT, 0, lParam);
  RECT client{};
  GetClientRect(control, &client);
  const POINT at = ClientOffset(control);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control, &paint);
  POINT origin{};
  SetViewportOrgEx(veil, at.x, at.y, &origin);
  CallWindowProcA(previous, control, WM_PAINT, reinterpret_cast<WPARAM>(veil), 0);
  SetViewportOrgEx(veil, origin.x, origin.y, nullptr);
  BitBlt(dc, 0, 0, client.right, client.bottom, veil, at.x, at.y, SRCCOPY);
  EndPaint(control, &paint);
  ReleaseSnapshot(framework, veil);
  InvalidateChildren(control);
  return DefWindowProcA(control, WM_PAINT, 0, lParam);
}

LRESULT OnListPaint(ListTarget& t, HWND control, WNDPROC previous, WPARAM wParam, LPARAM lParam) {
  PaintListFrame(*t.framework, t.n, t.index, std::nullopt, std::nullopt);
  // A paint into a given DC (a print) is the control's own business.
  if (t.framework->translucent && wParam == 0) {
    if (IsClass(control, "SysTreeView32")) return PaintTreeTranslucent(t, control, previous);
    if (IsClass(control, "SysListView32") || IsClass(control, "ListBox"))
      return PaintOntoVeil(t, control, previous, lParam);
  }
  return CallWindowProcA(previous, control, WM_PAINT, wParam, lParam);
}

LRESULT OnListEraseBackground(ListTarget& t, HWND control, WNDPROC previous, WPARAM wParam,
                              LPARAM lParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  if (t.framework->translucent) {
    const bool ownerDrawn = IsOwnerDrawnListBox(control);
    if (IsClass(control, "SysTreeView32") || IsClass(control, "SysListView32") ||
        (IsClass(control, "ListBox") && !ownerDrawn)) {
      SetBkMode(dc, TRANSPARENT);
      return 1;
    }
    if (!ownerDrawn && !IsClass(control, "ComboLBox")) {
      SetBkMode(dc, TRANSPARENT);
      PaintVeil(*t.framework, control, dc, 1);
      SetTextColor(dc, static_cast<COLORREF>(ReadProp(control, kTextColourKey)));
      return 1;
    }
  }
  return CallWindowProcA(previous, control, WM_ERASEBKGND, wParam, lParam);
}

LRESULT OnListNcPaint(ListTarget& t, HWND control, LPARAM lParam) {
  PaintListFrame(*t.framework, t.n, t.index, std::nullopt, std::nullopt);
  if (HasScrollBar(control)) {
    HRGN bars = ScrollBarRegion(control);
    const LRESULT result =
        DefWindowProcA(control, WM_NCPAINT, reinterpret_cast<WPARAM>(bars), lParam);
    if (bars != nullptr) DeleteObject(bars);
    return result;
  }
  // No region: the system's own edge stays unpainted, the frame above holds.
  return DefWindowProcA(control, WM_NCPAINT, static_cast<WPARAM>(-1), lParam);
}

// ---- header procedure ----

void OnHeaderMouseMove(HeaderTarget& t, HWND header, LPARAM lParam) {
  TrackLeave(header);
  WindowRecord& window = *t.window;
  HeaderRecord& record = *t.record;
  window.currentHot = t.index;
  if (window.currentHot != 0 &&
      (window.currentHot != window.previousHot || window.hotKind != kHotHeader)) {
    record.mouseInside = 1;
    window.previousHot = window.currentHot;
    window.hotKind = kHotHeader;
  }
  record.hotItem = HeaderHitTest(*t.framework, t.n, t.index, lParam);
  if (record.hotItem == 0) {
    // Off the items: nothing shows hot any more (a repaint only when something did).
    const bool wasHot = record.previousHotItem != 0;
    record.previousHotItem = 0;
    record.mouseInside = 0;
    if (wasHot) PaintHeader(*t.framework, t.n, t.index);
    return;
  }
  // Back on an item after the gap right of the last one: inside again.
  record.mouseInside = 1;
  if (record.hotItem != record.previousHotItem && record.buttonDown == 0)
    PaintHeader(*t.framework, t.n, t.index);
  record.previousHotItem = record.hotItem;
}

// Fills `rect` with a vertical gradient; the brush's span is one pixel
// longer than the rectangle so its tiling never shows.
void FillVertical(gdiplus::Graphics& graphics, const gdiplus::RectF& rect, gdiplus::ARGB top,
                  gdiplus::ARGB bottom) {
  gdiplus::LinearGradientBrush brush;
  if (!brush.Create(gdiplus::PointF{rect.X, rect.Y - 0.5f},
                    gdiplus::PointF{rect.X, rect.Y + rect.Height + 0.5f}, top, bottom))
    return;
  graphics.FillRectangle(brush, rect);
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
  const COLORREF accent = framework.accentColour;
  const gdiplus::RectF area{static_cast<float>(rect.left), static_cast<float>(rect.top),
                            static_cast<float>(rect.right - rect.left),
                            static_cast<float>(rect.bottom - rect.top)};
  gdiplus::SolidBrush white;
  white.Create(ToArgb(0x00FFFFFF, framework.veilAlpha, framework.translucent));
  graphics.FillRectangle(white, area);
  if (record.buttons)
    FillVertical(graphics, area, ToArgb(0x00FFFFFF, 80, 1), ToArgb(accent, 120, 1));
  else
    FillVertical(graphics, area, ToArgb(accent, 60, 1), ToArgb(accent, 10, 1));
  if (record.mouseInside && record.hotItem == item && record.buttons)
    FillVertical(graphics, area, ToArgb(accent, 60, 1), ToArgb(0, 30, 1));
  if (record.buttons && record.pressedItem == item)
    FillVertical(graphics, area, ToArgb(0, 30, 1), ToArgb(0x00FFFFFF, 120, 1));

  gdiplus::LinearGradientBrush edgeBrush;
  if (edgeBrush.Create(gdiplus::PointF{area.X, area.Y - 0.5f},
                       gdiplus::PointF{area.X, area.Y + area.Height + 0.5f}, ToArgb(0, 60, 1),
                       ToArgb(0x00FFFFFF, 50, 1))) {
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
      BITMAP bits{};
      if (GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bits, &bits)) {
        iconWidth = bits.bmWidth;
        iconHeight = info.hbmColor != nullptr ? bits.bmHeight : bits.bmHeight / 2;
      }
      if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
      if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
    }
    HDC dc = graphics.GetDC();
    if (dc != nullptr) {
      DrawIconEx(dc, rect.left + m.headerIconPadding,
                 rect.top + (rect.bottom - rect.top - iconHeight) / 2, icon, iconWidth, iconHeight,
                 0, nullptr, DI_NORMAL);
      graphics.ReleaseDC(dc);
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
  if (!CreateFontOrStandIn(gpFont, font.face.c_str(), font.size, font.style, kUnitDisplay)) return;
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
  HDC strip = TakeBackgroundSnapshot(framework, header, RECT{0, 0, width, height});
  if (strip == nullptr) return;

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
    if (graphics.FromHDC(strip)) {
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
        HICON icon = nullptr;
        if ((data.fmt & HDF_IMAGE) != 0 && record->imageList != nullptr)
          icon = ImageList_GetIcon(static_cast<HIMAGELIST>(record->imageList), data.iImage,
                                   ILD_TRANSPARENT);
        if (item == count && listRight > rect.right) rect.right = listRight;
        DrawHeaderItem(framework, graphics, m, *record, item, rect, data, icon, font);
        if (icon != nullptr) DestroyIcon(icon);
      }
    }
  }
  HDC dc = target != nullptr ? target : GetDC(header);
  BitBlt(dc, 0, 0, width, height, strip, 0, 0, SRCCOPY);
  if (target == nullptr) ReleaseDC(header, dc);
  ReleaseSnapshot(framework, strip);
}

}  // namespace

void InstallListControls(SkinFramework& framework, int windowNumber, HWND parent) {
  if (!framework.enabled || framework.Window(windowNumber) == nullptr || parent == nullptr) return;
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
    if (framework.translucent)
      SendMessageA(c, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
    AddListControl(framework, windowNumber, c);
  }
  for (HWND c = FindWindowExA(parent, nullptr, "SysTreeView32", nullptr); c != nullptr;
       c = FindWindowExA(parent, c, "SysTreeView32", nullptr)) {
    if (framework.translucent) SendMessageA(c, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kKeyColour));
    AddListControl(framework, windowNumber, c);
  }
  for (const char* name : {"SysIPAddress32", "SysDateTimePick32"}) {
    for (HWND c = FindWindowExA(parent, nullptr, name, nullptr); c != nullptr;
         c = FindWindowExA(parent, c, name, nullptr))
      AddListControl(framework, windowNumber, c);
  }
}

void InstallHeaderControls(SkinFramework& framework, int windowNumber, HWND parent) {
  if (!framework.enabled || framework.Window(windowNumber) == nullptr || parent == nullptr) return;
  for (HWND c = FindWindowExA(parent, nullptr, "SysHeader32", nullptr); c != nullptr;
       c = FindWindowExA(parent, c, "SysHeader32", nullptr))
    AddHeader(framework, windowNumber, c, false);
  for (HWND list = FindWindowExA(parent, nullptr, "SysListView32", nullptr); list != nullptr;
       list = FindWindowExA(parent, list, "SysListView32", nullptr)) {
    HWND header = FindWindowExA(list, nullptr, "SysHeader32", nullptr);
    if (header != nullptr) AddHeader(framework, windowNumber, header, true);
  }
}

LRESULT CALLBACK ListControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ListTarget t = FindList(window);
  if (t.record == nullptr) return PassOn(nullptr, window, message, wParam, lParam);
  const WNDPROC previous = t.record->previousProc;
  SkinFramework& framework = *t.framework;
  switch (message) {
    case WM_MOUSEMOVE:
      OnListMouseMove(t, window);
      break;
    case WM_MOUSELEAVE:
      LeaveHot(*t.window, kHotList, t.index);
      t.record->hot = 0;
      PaintListFrame(framework, t.n, t.index, false, std::nullopt);
      break;
    case WM_MOVE:
      if (framework.translucent) InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_ERASEBKGND:
      return OnListEraseBackground(t, window, previous, wParam, lParam);
    case WM_PAINT:
      return OnListPaint(t, window, previous, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      t.record->focused = message == WM_SETFOCUS ? 1 : 0;
      PaintListFrame(framework, t.n, t.index, std::nullopt, std::nullopt);
      break;
    case WM_NCPAINT:
      return OnListNcPaint(t, window, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
    case WM_MOUSEWHEEL:
      if (framework.translucent) InvalidateRect(window, nullptr, TRUE);
      break;
    case WM_KEYDOWN:
      if (wParam >= VK_LEFT && wParam <= VK_DOWN) t.record->arrowKeyHeld = 1;
      break;
    case WM_KEYUP:
      ReleaseCapture();
      t.record->arrowKeyHeld = 0;
      break;
    case kArrowKeyRepaint:
      if (t.n >= 1 && t.n <= framework.WindowCount() && framework.translucent &&
          t.record->arrowKeyHeld)
        InvalidateRect(window, nullptr, FALSE);
      break;
    default:
      break;
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK HeaderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  HeaderTarget t = FindHeader(window);
  if (t.record == nullptr) return PassOn(nullptr, window, message, wParam, lParam);
  const WNDPROC previous = t.record->previousProc;
  switch (message) {
    case WM_NCDESTROY:
      // A list view's header shows the list view's own image list, which the
      // list view destroys itself: destroying it here too would free it twice.
      if (t.record->imageList != nullptr &&
          !TextEquals(ClassNameOf(GetParent(window)).c_str(), "SysListView32")) {
        ImageList_Destroy(static_cast<HIMAGELIST>(t.record->imageList));
      }
      t.record->imageList = nullptr;
      break;
    case WM_MOUSEMOVE:
      OnHeaderMouseMove(t, window, lParam);
      break;
    case WM_MOUSELEAVE:
      LeaveHot(*t.window, kHotHeader, t.index);
      t.record->mouseInside = 0;
      t.record->hotItem = 0;
      t.record->previousHotItem = 0;
      PaintHeader(*t.framework, t.n, t.index);
      break;
    case WM_MOVE:
      PaintHeader(*t.framework, t.n, t.index);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      PaintHeaderInto(*t.framework, t.n, t.index, dc);
      EndPaint(window, &paint);
      return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_SETFONT: {
      // A list view's header keeps the face it was given: a new font (a new
      // display scale, say) is described again.
      const bool described = !t.record->fontFace.empty();
      const LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
      HeaderTarget again = FindHeader(window);
      if (described && again.record != nullptr) {
        const FontDescription font = DescribeFont(window);
        again.record->fontFace = font.face.empty() ? again.record->fontFace : font.face;
        again.record->fontSize = font.size;
        again.record->fontStyle = font.style;
      }
      return result;
    }
    case WM_LBUTTONDOWN:
      t.record->buttonDown = 1;
      if (t.record->hotItem != 0) t.record->pressedItem = t.record->hotItem;
      break;
    case WM_LBUTTONUP:
      t.record->buttonDown = 0;
      t.record->pressedItem = 0;
      break;
    default:
      break;
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

void PaintListFrame(SkinFramework& framework, int windowNumber, int index, std::optional<bool> hot,
                    std::optional<bool> focused) {
  WindowRecord* window = framework.Window(windowNumber);
  ListControlRecord* record = window != nullptr ? window->listControls.At(index) : nullptr;
  if (record == nullptr || record->window == nullptr) return;
  HWND control = record->window;
  const bool isHot = hot.value_or(record->hot != 0);
  const bool isFocused = focused.value_or(record->focused != 0);
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  const int width = windowRect.right - windowRect.left;
  const int height = windowRect.bottom - windowRect.top;
  if (width <= 0 || height <= 0) return;
  const RECT client = ClientRectInWindow(control);
  HDC layer = TakeBackgroundSnapshot(framework, control, RECT{0, 0, width, height});
  if (layer == nullptr) return;
  {
    gdiplus::Graphics graphics;
    if (graphics.FromHDC(layer)) {
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
        if (framework.translucent) {
          gdiplus::SolidBrush veil;
          veil.Create(ToArgb(0x00FFFFFF, framework.veilAlpha, 1));
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
          pen.Create(ToArgb(framework.accentColour, 200, 1), static_cast<float>(2 * line));
          graphics.DrawRectangleI(pen, line, line, width - 2 * line, height - 2 * line);
        } else {
          const gdiplus::RectF ring = HairlineRect(m, RECT{0, 0, width, height}, 0);
          pen.Create(isFocused ? ToArgb(framework.accentColour, 200, 1) : ToArgb(0, 90, 1),
                     static_cast<float>(line));
          graphics.DrawRectangle(pen, ring.X, ring.Y, ring.Width, ring.Height);
        }
      }
    }
  }
  HDC dc = GetWindowDC(control);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  TransparentBlt(dc, 0, 0, width, height, layer, 0, 0, width, height, kKeyColour);
  ReleaseDC(control, dc);
  ReleaseSnapshot(framework, layer);
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
