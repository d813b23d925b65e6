#include "framework/shared.h"

#include <algorithm>
#include <cstring>

#include "framework/properties.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"

namespace framework {

int FindWindowNumber(const SkinFramework& framework, HWND window) {
  if (window == nullptr) return 0;
  return framework.windows.Find(window);
}

int FindOwnerWindowNumber(const SkinFramework& framework, HWND window) {
  for (HWND parent = GetParent(window); parent != nullptr; parent = GetParent(parent)) {
    int n = FindWindowNumber(framework, parent);
    if (n != 0) return n;
  }
  return 0;
}

Metrics MetricsOf(const SkinFramework& framework, HWND control) {
  const Metrics design;
  int n = FindWindowNumber(framework, control);
  if (n == 0) n = ReadIntProp(control, kOwnerNumberKey);
  if (n == 0) n = ReadIntProp(control, kGenericOwnerKey);
  const WindowRecord* record =
      n >= 1 && n <= framework.windows.Count() ? &framework.windows[n] : nullptr;
  if (record == nullptr) {
    n = FindOwnerWindowNumber(framework, control);
    record = n != 0 ? &framework.windows[n] : nullptr;
  }
  return record != nullptr ? record->metrics : design;
}

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, 255);
  return name;
}

bool TextEquals(const char* a, const char* b) {
  if (a == nullptr) a = "";
  if (b == nullptr) b = "";
  return std::strcmp(a, b) == 0;
}

bool TakenByFramework(HWND control) {
  return ReadProp(control, kPreviousProcKey) != 0;
}

bool IsOwnerDrawnListBox(HWND window) {
  if (!TextEquals(ClassNameOf(window).c_str(), "ListBox")) return false;
  LONG style = GetWindowLongA(window, GWL_STYLE);
  return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

gdiplus::ARGB ToArgb(COLORREF colour, int alpha, int useAlpha) {
  gdiplus::ARGB a = useAlpha ? static_cast<gdiplus::ARGB>(alpha & 0xFF) : 0xFFu;
  return (a << 24) | (static_cast<gdiplus::ARGB>(GetRValue(colour)) << 16) |
         (static_cast<gdiplus::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

void LeaveHot(WindowRecord& window, int kind, int index) {
  if (window.hotKind == kind && window.previousHot == index) window.previousHot = 0;
}

namespace {

// Where `control`'s window origin lies in the client area of `window`.
POINT OffsetInWindow(HWND control, HWND window) {
  RECT controlRect{};
  GetWindowRect(control, &controlRect);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return POINT{controlRect.left - origin.x, controlRect.top - origin.y};
}

// The window whose cache lies behind `control` (the control itself when it
// is an attached window), 0 when none.
int CacheWindowOf(const SkinFramework& framework, HWND control) {
  int n = FindWindowNumber(framework, control);
  return n != 0 ? n : FindOwnerWindowNumber(framework, control);
}

}  // namespace

HDC TakeBackgroundSnapshot(SkinFramework& framework, HWND control, const RECT& rect) {
  int width = std::max<LONG>(rect.right - rect.left, 1);
  int height = std::max<LONG>(rect.bottom - rect.top, 1);
  gdiplus::Bitmap pixels;
  if (!pixels.CreateFromScan0(width, height, gdiplus::kPixelFormat32bppARGB)) return nullptr;
  // The DC first: a bitmap made for a DC that cannot be had would be lost.
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return nullptr;
  HBITMAP bitmap = pixels.CreateHBITMAP(0);
  if (bitmap == nullptr) {
    DeleteDC(dc);
    return nullptr;
  }
  HGDIOBJ previous = SelectObject(dc, bitmap);
  framework.snapshots.push_back(SnapshotEntry{dc, bitmap, previous});

  // A container with a background template is the source for what it holds.
  HWND parent = GetParent(control);
  HDC source = nullptr;
  POINT offset{0, 0};
  if (parent != nullptr) {
    HDC templateDc = ReadHandleProp<HDC>(parent, kTemplateKey);
    if (templateDc == nullptr && ReadProp(GetParent(parent), kParentTemplateFlagKey) != 0)
      templateDc = ReadHandleProp<HDC>(GetParent(parent), kParentTemplateKey);
    if (templateDc != nullptr) {
      source = templateDc;
      offset = OffsetInWindow(control, parent);
    }
  }
  if (source == nullptr) {
    WindowRecord* record = framework.Window(CacheWindowOf(framework, control));
    if (record != nullptr && record->cacheDc1 != nullptr) {
      source = record->cacheDc1;
      offset = record->window == control ? POINT{0, 0} : OffsetInWindow(control, record->window);
    }
  }
  if (source != nullptr)
    BitBlt(dc, 0, 0, width, height, source, offset.x + rect.left, offset.y + rect.top, SRCCOPY);
  return dc;
}

void ReleaseSnapshot(SkinFramework& framework, HDC snapshot) {
  auto& list = framework.snapshots;
  auto it = std::find_if(list.begin(), list.end(),
                         [snapshot](const SnapshotEntry& e) { return e.dc == snapshot; });
  if (it == list.end()) return;
  SelectObject(it->dc, it->previous);
  DeleteObject(it->bitmap);
  DeleteDC(it->dc);
  list.erase(it);
}

namespace {

void FillVeil(SkinFramework& framework, HDC dc, int width, int height) {
  gdiplus::Graphics graphics;
  if (!graphics.FromHDC(dc)) return;
  gdiplus::SolidBrush white;
  white.Create(ToArgb(0x00FFFFFF, framework.veilAlpha, 1));
  graphics.FillRectangleI(white, 0, 0, width, height);
}

}  // namespace

void PaintVeil(SkinFramework& framework, HWND control, HDC target, int useTarget) {
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  int width = windowRect.right - windowRect.left;
  int height = windowRect.bottom - windowRect.top;
  RECT rect{0, 0, width, height};
  HDC snapshot = TakeBackgroundSnapshot(framework, control, rect);
  if (snapshot == nullptr) return;
  FillVeil(framework, snapshot, width, height);
  if (useTarget) {
    // The given DC is the erase DC of the client area, whose origin lies
    // inside the control's edges.
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    BitBlt(target, windowRect.left - origin.x, windowRect.top - origin.y, width, height, snapshot,
           0, 0, SRCCOPY);
  } else {
    HDC windowDc = GetWindowDC(control);
    BitBlt(windowDc, 0, 0, width, height, snapshot, 0, 0, SRCCOPY);
    ReleaseDC(control, windowDc);
  }
  ReleaseSnapshot(framework, snapshot);
}

HBITMAP MakeVeilBitmap(SkinFramework& framework, HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  POINT origin{0, 0};
  ClientToScreen(control, &origin);
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  LONG dx = origin.x - windowRect.left;
  LONG dy = origin.y - windowRect.top;
  RECT rect{dx, dy, dx + client.right, dy + client.bottom};
  HDC snapshot = TakeBackgroundSnapshot(framework, control, rect);
  if (snapshot == nullptr) return nullptr;
  FillVeil(framework, snapshot, client.right, client.bottom);
  // Hand the bitmap over: the snapshot's DC goes, its bitmap stays.
  auto& list = framework.snapshots;
  auto it = std::find_if(list.begin(), list.end(),
                         [snapshot](const SnapshotEntry& e) { return e.dc == snapshot; });
  HBITMAP bitmap = it->bitmap;
  SelectObject(it->dc, it->previous);
  DeleteDC(it->dc);
  list.erase(it);
  return bitmap;
}

gdiplus::GraphicsPath RoundedRectPath(float x, float y, float width, float height, int cornerSize) {
  float c = static_cast<float>(std::clamp(cornerSize, 1, 100));
  gdiplus::GraphicsPath path;
  path.Create();
  path.AddArc(x, y, c, c, 180.0f, 90.0f);
  path.AddArc(x + width - c, y, c, c, 270.0f, 90.0f);
  path.AddArc(x + width - c, y + height - c, c, c, 0.0f, 90.0f);
  path.AddArc(x, y + height - c, c, c, 90.0f, 90.0f);
  path.CloseFigure();
  return path;
}

FontDescription DescribeFont(HWND control) {
  FontDescription description;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  HDC dc = GetDC(control);
  gdiplus::Font gpFont;
  bool made = font != nullptr ? gpFont.FromHFont(dc, font) : gpFont.FromDC(dc);
  if (made) {
    gdiplus::FontFamily family;
    if (gpFont.GetFamily(&family)) {
      description.face = family.GetFamilyName();
      family.Delete();
    }
    description.size = static_cast<int>(gpFont.GetSize());
    description.style = gpFont.GetStyle();
  }
  ReleaseDC(control, dc);
  return description;
}

bool CreateFontOrStandIn(gdiplus::Font& font, const char* face, float size, int style, int unit) {
  if (font.Create(face, size, style, unit)) return true;
  // The face GDI shows for the name, in the system's character set.
  char shown[LF_FACESIZE] = {};
  HFONT asked =
      CreateFontA(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
  HDC dc = CreateCompatibleDC(nullptr);
  if (asked != nullptr && dc != nullptr) {
    const HGDIOBJ old = SelectObject(dc, asked);
    GetTextFaceA(dc, sizeof shown, shown);
    SelectObject(dc, old);
  }
  if (dc != nullptr) DeleteDC(dc);
  if (asked != nullptr) DeleteObject(asked);
  if (shown[0] != '\0' && font.Create(shown, size, style, unit)) return true;
  gdiplus::FontFamily sans;
  if (!sans.GenericSansSerif()) return false;
  const bool made = font.Create(sans, size, style, unit);
  sans.Delete();
  return made;
}

}  // namespace framework
