// Header controls (stand-alone, or the header of a list view): their record,
// install pass, message map and painting.
#include "framework/headers.h"

#include <commctrl.h>

#include <string>

#include "framework/control_window.h"
#include "framework/drawing_helpers.h"
#include "framework/gdi_handles.h"
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

constexpr int kUnitDisplay = 1;
constexpr int kStringFormatFlagsNoWrap = 0x1000;

constexpr Family<HeaderRecord> kHeaderFamily{&WindowRecord::headers};

void AddHeader(SkinFramework& framework, int n, HWND header, bool ofListView) {
  WindowRecord* window = framework.Window(n);
  if (window == nullptr || window->headers.Find(header) != 0 || TakenByFramework(header)) return;
  const int index = window->headers.Append();
  HeaderRecord& record = window->headers[index];
  record.window = header;
  record.itemsAreButtons = (GetWindowLongA(header, GWL_STYLE) & HDS_BUTTONS) != 0;
  SubclassControl(framework, kHeaderFamily, header, n, index, &HeaderWindowProc);
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
  HeaderRecord* record = RecordAt(framework, n, index, kHeaderFamily);
  if (record == nullptr) return;
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
    if (record_.imageList != nullptr && !IsClass(GetParent(hwnd()), "SysListView32")) {
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
  LRESULT OnPaint() {
    return PaintThenDefault([this](HDC dc) { PaintHeaderInto(framework_, n_, index_, dc); });
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

LRESULT CALLBACK HeaderWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<HeaderWindow>(kHeaderFamily, window, message, wParam, lParam);
}

void PaintHeader(SkinFramework& framework, int windowNumber, int index) {
  PaintHeaderInto(framework, windowNumber, index, nullptr);
}

int HeaderHitTest(SkinFramework& framework, int windowNumber, int index, LPARAM lParam) {
  HeaderRecord* record = RecordAt(framework, windowNumber, index, kHeaderFamily);
  if (record == nullptr) return 0;
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
