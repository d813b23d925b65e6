// List-type controls (list boxes, combo lists, list views, tree views, IP
// address boxes and date-time pickers): their install pass, message map and
// frame.
#include "framework/list_controls.h"

#include <commctrl.h>

#include <initializer_list>

#include "framework/control_window.h"
#include "framework/drawing_helpers.h"
#include "framework/frame.h"
#include "framework/gdi_handles.h"
#include "framework/non_client.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/graphics.h"
#include "gdiplus/pen.h"

namespace framework {
namespace {

// Magenta: the colour that the frame layers and tree views leave transparent.
constexpr COLORREF kKeyColour = 0x00FF00FF;
constexpr int kCombineModeXor = 3;
constexpr UINT kArrowKeyRepaint = 0x8002;

constexpr Family<ListControlRecord> kListFamily{&WindowRecord::listControls};

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
  window->listControls[index].window = control;
  SubclassControl(framework, kListFamily, control, n, index, &ListControlWindowProc);
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
    if (Translucent() && record_.arrowKeyHeld) InvalidateRect(hwnd(), nullptr, FALSE);
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

}  // namespace

LRESULT CALLBACK ListControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunControlWindow<ListWindow>(kListFamily, window, message, wParam, lParam);
}

void PaintListFrame(SkinFramework& framework, int windowNumber, int index, std::optional<bool> hot,
                    std::optional<bool> focused) {
  ListControlRecord* record = RecordAt(framework, windowNumber, index, kListFamily);
  if (record == nullptr) return;
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

}  // namespace framework
