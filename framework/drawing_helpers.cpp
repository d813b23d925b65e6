#include "framework/drawing_helpers.h"

#include <cmath>

#include "framework/gdi_handles.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/font.h"
#include "gdiplus/string_format.h"

namespace framework {

HDC MakeVeilDC(SkinFramework& framework, HWND control) {
  RECT windowRect{};
  GetWindowRect(control, &windowRect);
  const int width = windowRect.right - windowRect.left;
  const int height = windowRect.bottom - windowRect.top;
  HDC snapshot = TakeBackgroundSnapshot(framework, control, RECT{0, 0, width, height});
  if (snapshot == nullptr) return nullptr;
  gdiplus::Graphics graphics;
  if (graphics.FromHDC(snapshot)) {
    gdiplus::SolidBrush white;
    white.Create(ToArgb(0x00FFFFFF, framework.VeilAlpha(), 1));
    graphics.FillRectangleI(white, 0, 0, width, height);
  }
  return snapshot;
}

HDC ChildClippedDC(HWND window, HDC dc, int useGiven) {
  if (!useGiven) dc = GetDC(window);
  // The client origin in screen coordinates, to move child rectangles into
  // client coordinates.
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child != nullptr;
       child = FindWindowExA(window, child, nullptr, nullptr)) {
    if (!IsWindowVisible(child)) continue;
    if (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
    RECT rect{};
    GetWindowRect(child, &rect);
    OffsetRect(&rect, -origin.x, -origin.y);
    ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
  return dc;
}

void InvalidateChildren(HWND window) {
  for (HWND child = FindWindowExA(window, nullptr, nullptr, nullptr); child != nullptr;
       child = FindWindowExA(window, child, nullptr, nullptr)) {
    if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
  }
}

void InvalidateWithChildren(HWND window, int withChildren) {
  InvalidateRect(window, nullptr, TRUE);
  if (withChildren) InvalidateChildren(window);
}

void RefreshSkinnedControls(SkinFramework& framework, int n) {
  WindowRecord* record = framework.Window(n);
  if (record == nullptr) return;
  HWND window = record->window;
  auto onWindow = [window](HWND control) {
    return control != nullptr && GetParent(control) == window;
  };
  for (const auto& entry : record->listControls)
    if (onWindow(entry.window)) InvalidateWithChildren(entry.window, 1);
  for (const auto& entry : record->combos)
    if (onWindow(entry.window)) InvalidateRect(entry.window, nullptr, TRUE);
  for (const auto& entry : record->edits)
    if (onWindow(entry.window)) InvalidateRect(entry.window, nullptr, TRUE);
  auto noErase = [&](const auto& table) {
    for (const auto& entry : table)
      if (onWindow(entry.window)) InvalidateRect(entry.window, nullptr, FALSE);
  };
  noErase(record->buttons);
  noErase(record->trackbars);
  noErase(record->progressBars);
  noErase(record->upDowns);
}

int MeasureText(const char* text, const char* face, float fontSize, int style, TextSize* size) {
  const MemoryDc dc;
  float height = 0;
  {
    gdiplus::Graphics graphics;
    graphics.FromHDC(dc.get());
    gdiplus::Font font;
    CreateFontOrStandIn(font, face, fontSize, style, 1);
    gdiplus::StringFormat format;
    format.CreateGenericDefault();
    gdiplus::RectF bounds{};
    graphics.MeasureString(text != nullptr ? text : "", font, gdiplus::RectF{0, 0, 0, 0}, &format,
                           &bounds);
    height = bounds.Height;
    if (size != nullptr)
      *size = TextSize{static_cast<int>(bounds.Width), static_cast<int>(bounds.Height)};
  }
  return static_cast<int>(std::floor(height)) + 1;
}

void DrawOutlinedText(gdiplus::Graphics& graphics, const char* text, const gdiplus::RectF& layout,
                      COLORREF textColour, COLORREF outlineColour, std::optional<int> outlineWidth,
                      const char* face, std::optional<float> fontSize, int style, int align,
                      int lineAlign) {
  gdiplus::Font font;
  CreateFontOrStandIn(font, face != nullptr ? face : "宋体", fontSize.value_or(13.0f), style, 1);
  gdiplus::StringFormat format;
  format.CreateGenericTypographic();
  format.SetAlign(align);
  format.SetLineAlign(lineAlign);
  const char* shown = text != nullptr ? text : "";
  gdiplus::SolidBrush outline;
  outline.Create(ToArgb(outlineColour, 150, 1));
  const float d = static_cast<float>(outlineWidth.value_or(1));
  const float shifts[4][2] = {{d, 0}, {-d, 0}, {0, d}, {0, -d}};
  for (const auto& shift : shifts) {
    gdiplus::RectF moved{layout.X + shift[0], layout.Y + shift[1], layout.Width, layout.Height};
    graphics.DrawString(shown, font, moved, &format, outline);
  }
  gdiplus::SolidBrush brush;
  brush.Create(ToArgb(textColour, 0, 0));
  graphics.DrawString(shown, font, layout, &format, brush);
}

}  // namespace framework
