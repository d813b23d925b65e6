#include "framework/shared.h"

#include <algorithm>
#include <cstring>

#include "framework/gdi_handles.h"
#include "framework/properties.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/graphics.h"
#include "gdiplus/image.h"

namespace framework {

int FindWindowNumber(const SkinFramework& framework, HWND window) {
  if (window == nullptr) return 0;
  return framework.NumberOf(window);
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
  const WindowRecord* record = framework.Window(n);
  if (record == nullptr) record = framework.Window(FindOwnerWindowNumber(framework, control));
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

bool IsClass(HWND window, const char* name) {
  return TextEquals(ClassNameOf(window).c_str(), name);
}

bool TakenByFramework(HWND control) {
  return ReadProp(control, kPreviousProcKey) != 0;
}

bool IsOwnerDrawnListBox(HWND window) {
  if (!IsClass(window, "ListBox")) return false;
  LONG style = GetWindowLongA(window, GWL_STYLE);
  return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

gdiplus::ARGB ToArgb(COLORREF colour, int alpha, int useAlpha) {
  gdiplus::ARGB a = useAlpha ? static_cast<gdiplus::ARGB>(alpha & 0xFF) : 0xFFu;
  return (a << 24) | (static_cast<gdiplus::ARGB>(GetRValue(colour)) << 16) |
         (static_cast<gdiplus::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

gdiplus::ARGB Colour(COLORREF colour, int alpha) {
  return ToArgb(colour, alpha, 1);
}

bool VerticalGradient(gdiplus::LinearGradientBrush& brush, float x, float y, float width,
                      float height, gdiplus::ARGB top, gdiplus::ARGB bottom) {
  constexpr int kVerticalMode = 1;  // LinearGradientModeVertical
  const gdiplus::RectF area{x, y - 1, width, height + 2};
  return brush.CreateFromRect(area, top, bottom, kVerticalMode);
}

bool GradientAlong(gdiplus::LinearGradientBrush& brush, const gdiplus::RectF& rect, bool downwards,
                   gdiplus::ARGB first, gdiplus::ARGB second, float overhang) {
  const float d = overhang;
  const gdiplus::PointF from =
      downwards ? gdiplus::PointF{rect.X, rect.Y - d} : gdiplus::PointF{rect.X - d, rect.Y};
  const gdiplus::PointF to = downwards ? gdiplus::PointF{rect.X, rect.Y + rect.Height + d}
                                       : gdiplus::PointF{rect.X + rect.Width + d, rect.Y};
  return brush.Create(from, to, first, second);
}

std::string WindowText(HWND window) {
  if (window == nullptr) return {};
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void LeaveHot(WindowRecord& window, int kind, int index) {
  if (window.hotKind == kind && window.previousHot == index) window.previousHot = 0;
}

bool IsHotControl(const WindowRecord& window, int kind, int index) {
  return window.hotKind == kind && window.previousHot != 0 && window.previousHot == index;
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
  MemoryDc memory;
  if (memory.get() == nullptr) return nullptr;
  OwnedBitmap bitmap(pixels.CreateHBITMAP(0));
  if (bitmap.get() == nullptr) return nullptr;
  // From here on the registry owns both.
  const HDC dc = memory.Release();
  const HGDIOBJ previous = SelectObject(dc, bitmap.get());
  framework.Snapshots().Add(dc, bitmap.Release(), previous);

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
    if (record != nullptr && record->frameCache != nullptr) {
      source = record->frameCache;
      offset = record->window == control ? POINT{0, 0} : OffsetInWindow(control, record->window);
    }
  }
  if (source != nullptr)
    BitBlt(dc, 0, 0, width, height, source, offset.x + rect.left, offset.y + rect.top, SRCCOPY);
  return dc;
}

void ReleaseSnapshot(SkinFramework& framework, HDC snapshot) {
  framework.Snapshots().Release(snapshot);
}

std::vector<SnapshotRegistry::Entry>::iterator SnapshotRegistry::Find(HDC dc) {
  return std::find_if(entries_.begin(), entries_.end(),
                      [dc](const Entry& entry) { return entry.dc == dc; });
}

bool SnapshotRegistry::Release(HDC dc) {
  const auto it = Find(dc);
  if (it == entries_.end()) return false;
  SelectObject(it->dc, it->previous);
  DeleteObject(it->bitmap);
  DeleteDC(it->dc);
  entries_.erase(it);
  return true;
}

HBITMAP SnapshotRegistry::TakeBitmap(HDC dc) {
  const auto it = Find(dc);
  if (it == entries_.end()) return nullptr;
  const HBITMAP bitmap = it->bitmap;
  SelectObject(it->dc, it->previous);
  DeleteDC(it->dc);
  entries_.erase(it);
  return bitmap;
}

namespace {

void FillVeil(SkinFramework& framework, HDC dc, int width, int height) {
  gdiplus::Graphics graphics;
  if (!graphics.FromHDC(dc)) return;
  gdiplus::SolidBrush white;
  white.Create(ToArgb(0x00FFFFFF, framework.VeilAlpha(), 1));
  graphics.FillRectangleI(white, 0, 0, width, height);
}

}  // namespace

void PaintVeil(SkinFramework& framework, HWND control, HDC target, int useTarget) {
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  int width = windowRect.right - windowRect.left;
  int height = windowRect.bottom - windowRect.top;
  RECT rect{0, 0, width, height};
  const Snapshot snapshot(framework, control, rect);
  if (snapshot.dc() == nullptr) return;
  FillVeil(framework, snapshot.dc(), width, height);
  if (useTarget) {
    // The given DC is the erase DC of the client area, whose origin lies
    // inside the control's edges.
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    BitBlt(target, windowRect.left - origin.x, windowRect.top - origin.y, width, height,
           snapshot.dc(), 0, 0, SRCCOPY);
  } else {
    const WindowDc windowDc(control, WindowDc::Area::kWhole);
    BitBlt(windowDc.get(), 0, 0, width, height, snapshot.dc(), 0, 0, SRCCOPY);
  }
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
  return framework.Snapshots().TakeBitmap(snapshot);
}

bool EditNeedsVeilAgain(UINT code) {
  return code == EN_HSCROLL || code == EN_VSCROLL || code == EN_CHANGE || code == EN_UPDATE;
}

void ReleaseColourObjects(HWND control) {
  HGDIOBJ brush = ReadHandleProp<HGDIOBJ>(control, kColourBrushKey);
  HGDIOBJ bitmap = ReadHandleProp<HGDIOBJ>(control, kColourBitmapKey);
  if (brush != nullptr) DeleteObject(brush);
  if (bitmap != nullptr) DeleteObject(bitmap);
  WriteProp(control, kColourBrushKey, 0);
  WriteProp(control, kColourBitmapKey, 0);
}

LRESULT AnswerWithVeil(SkinFramework& framework, HDC dc, HWND control) {
  SetTextColor(dc, static_cast<COLORREF>(ReadProp(control, kTextColourKey)));
  SetBkMode(dc, TRANSPARENT);
  ReleaseColourObjects(control);
  HBITMAP bitmap = MakeVeilBitmap(framework, control);
  HBRUSH brush = bitmap != nullptr ? CreatePatternBrush(bitmap) : nullptr;
  WriteHandleProp(control, kColourBrushKey, brush);
  WriteHandleProp(control, kColourBitmapKey, bitmap);
  return reinterpret_cast<LRESULT>(brush);
}

LRESULT AnswerWithNoBrush(HDC dc, HWND control) {
  SetTextColor(dc, static_cast<COLORREF>(ReadProp(control, kTextColourKey)));
  SetBkMode(dc, TRANSPARENT);
  // The bitmap of an earlier veil stays until the next veil or the end.
  HGDIOBJ old = ReadHandleProp<HGDIOBJ>(control, kColourBrushKey);
  if (old != nullptr) DeleteObject(old);
  HGDIOBJ empty = GetStockObject(NULL_BRUSH);
  WriteHandleProp(control, kColourBrushKey, empty);
  return reinterpret_cast<LRESULT>(empty);
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
  const WindowDc dc(control, WindowDc::Area::kClient);
  gdiplus::Font gpFont;
  bool made = font != nullptr ? gpFont.FromHFont(dc.get(), font) : gpFont.FromDC(dc.get());
  if (made) {
    FontFamilyOf family(gpFont);
    if (family.get() != nullptr) description.face = family.get()->GetFamilyName();
    description.size = static_cast<int>(gpFont.GetSize());
    description.style = gpFont.GetStyle();
  }
  return description;
}

bool CreateFontOrStandIn(gdiplus::Font& font, const char* face, float size, int style, int unit) {
  if (font.Create(face, size, style, unit)) return true;
  // The face GDI shows for the name, in the system's character set.
  char shown[LF_FACESIZE] = {};
  {
    const OwnedFont asked(CreateFontA(0, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, face));
    const MemoryDc dc;
    if (asked.get() != nullptr && dc.get() != nullptr) {
      const SelectedObject selected(dc.get(), asked.get());
      GetTextFaceA(dc.get(), sizeof shown, shown);
    }
  }
  if (shown[0] != '\0' && font.Create(shown, size, style, unit)) return true;
  gdiplus::FontFamily sans;
  if (!sans.GenericSansSerif()) return false;
  const bool made = font.Create(sans, size, style, unit);
  sans.Delete();
  return made;
}

}  // namespace framework
