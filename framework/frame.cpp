// The frame of an attached window: region, the three cache DCs, background,
// border, caption and the set-background operation.
#include "framework/frame.h"

#include <random>

#include "framework/drawing_helpers.h"
#include "framework/properties.h"
#include "framework/shared.h"
#include "framework/skin_framework.h"
#include "gdiplus/brushes.h"
#include "gdiplus/pen.h"

namespace framework {

std::shared_ptr<gdiplus::Bitmap> DecodePicture(const Bytes& bytes) {
  if (bytes.empty()) return nullptr;
  auto picture = std::make_shared<gdiplus::Bitmap>();
  if (!picture->CreateFromBytes(bytes.data(), static_cast<unsigned>(bytes.size()))) return nullptr;
  return picture;
}

COLORREF RepresentativeColour(gdiplus::Bitmap& image, int samples) {
  const int width = static_cast<int>(image.GetWidth());
  const int height = static_cast<int>(image.GetHeight());
  if (width <= 0 || height <= 0 || samples <= 0) return 0;
  static std::minstd_rand random(GetTickCount());
  std::uniform_int_distribution<int> column(0, width - 1);
  std::uniform_int_distribution<int> row(0, height - 1);
  uint64_t red = 0, green = 0, blue = 0;
  for (int i = 0; i < samples; ++i) {
    const gdiplus::ARGB pixel = image.GetPixel(column(random), row(random));
    red += (pixel >> 16) & 0xFF;
    green += (pixel >> 8) & 0xFF;
    blue += pixel & 0xFF;
  }
  return RGB(static_cast<BYTE>(red / samples), static_cast<BYTE>(green / samples),
             static_cast<BYTE>(blue / samples));
}

gdiplus::RectF HairlineRect(const Metrics& metrics, const RECT& box, int insetPixels) {
  // A pen is centred on its path: a line `line` pixels wide lies over the
  // pixels [edge, edge + line) when its path runs through their middle.
  const float inset = static_cast<float>(insetPixels);
  const float half = static_cast<float>(metrics.line - 1) / 2.0f;
  const float width = static_cast<float>(box.right - box.left);
  const float height = static_cast<float>(box.bottom - box.top);
  return gdiplus::RectF{static_cast<float>(box.left) + inset + half,
                        static_cast<float>(box.top) + inset + half,
                        width - 2.0f * inset - static_cast<float>(metrics.line),
                        height - 2.0f * inset - static_cast<float>(metrics.line)};
}

HBITMAP MakeArgbBitmap(int width, int height) {
  gdiplus::Bitmap pixels;
  if (!pixels.CreateFromScan0(width < 1 ? 1 : width, height < 1 ? 1 : height,
                              gdiplus::kPixelFormat32bppARGB))
    return nullptr;
  return pixels.CreateHBITMAP(0);
}

RECT WorkArea() {
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  // A hidden taskbar covers nothing: the first visible one counts.
  HWND taskbar = nullptr;
  do {
    taskbar = FindWindowExA(nullptr, taskbar, "Shell_TrayWnd", nullptr);
  } while (taskbar != nullptr && !IsWindowVisible(taskbar));
  RECT bar{};
  if (taskbar == nullptr || !GetWindowRect(taskbar, &bar)) return work;
  // The bar may stand on any edge: the work area is what it leaves free.
  if (bar.right - bar.left >= bar.bottom - bar.top) {
    if (bar.top <= work.top)
      work.top = bar.bottom;
    else
      work.bottom = bar.top;
  } else {
    if (bar.left <= work.left)
      work.left = bar.right;
    else
      work.right = bar.left;
  }
  if (work.right <= work.left || work.bottom <= work.top)
    work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return work;
}

void SkinFramework::ApplyWindowRegion(HWND window) {
  const WindowRecord* record = WindowOf(window);
  const int corner = record != nullptr ? record->metrics.regionCorner : Metrics{}.regionCorner;
  SetWindowRgn(window, nullptr, TRUE);
  // A rendering while the user works in another program must not take the
  // activation from it.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT client{};
  GetClientRect(window, &client);
  OwnedRegion region(CreateRoundRectRgn(0, 0, client.right + 1, client.bottom + 1, corner, corner));
  // The system owns the region from here on.
  if (SetWindowRgn(window, region.get(), TRUE) != 0) region.Release();
}

void ReleaseBandCache(HDC& dc, HGDIOBJ& original, HBITMAP& bitmap) {
  if (dc == nullptr) return;
  if (original != nullptr) SelectObject(dc, original);
  DeleteDC(dc);
  if (bitmap != nullptr) DeleteObject(bitmap);
  dc = nullptr;
  original = nullptr;
  bitmap = nullptr;
}

namespace {

// Replaces `dc` (deleting the previous DC and bitmap) by a new memory DC
// holding a copy of `source` over `rect`.
void CopyBand(HDC source, const RECT& rect, HDC& dc, HGDIOBJ& original, HBITMAP& bitmap) {
  ReleaseBandCache(dc, original, bitmap);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) {
    // No band copy this time: no bitmap is made that nothing would free.
    original = nullptr;
    bitmap = nullptr;
    return;
  }
  bitmap = MakeArgbBitmap(width, height);
  original = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, source, rect.left, rect.top, SRCCOPY);
}

}  // namespace

RECT SkinFramework::CaptionArea(int n) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return RECT{};
  const Metrics& m = record->metrics;
  const int right = record->stripLeft > m.captionLeft ? record->stripLeft : m.captionLeft;
  return RECT{m.captionLeft, m.captionTop, right, record->titleHeight};
}

void SkinFramework::RenderFrame(int n, HDC target, bool present) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  HWND window = record->window;
  RECT client{};
  GetClientRect(window, &client);
  ApplyWindowRegion(window);

  if (record->frameCache == nullptr) record->frameCache = CreateCompatibleDC(nullptr);
  // Without the cache DC there is nothing to render into (the redraw stays
  // due); a frame bitmap made regardless would be lost.
  if (record->frameCache == nullptr) return;
  HBITMAP frameBitmap = MakeArgbBitmap(client.right, client.bottom);
  HGDIOBJ out = SelectObject(record->frameCache, frameBitmap);
  if (ReadProp(window, kCacheOriginalKey) == 0) {
    WriteHandleProp(window, kCacheOriginalKey, out);
  } else if (out != nullptr) {
    DeleteObject(out);
  }
  WriteHandleProp(window, kCacheBitmapKey, frameBitmap);

  {
    gdiplus::Graphics graphics;
    graphics.FromHDC(record->frameCache);
    PaintBackground(n, graphics);
    if (record->titleBar) PaintBorder(n, graphics);
  }
  RECT band{0, 0, client.right, record->titleHeight};
  CopyBand(record->frameCache, band, record->titleBandCache, record->titleBandOriginal,
           record->titleBandBitmap);
  RECT caption = CaptionArea(n);
  CopyBand(record->frameCache, caption, record->captionCache, record->captionOriginal,
           record->captionBitmap);

  {
    gdiplus::Graphics graphics;
    graphics.FromHDC(record->frameCache);
    if (record->titleBar && record->caption) DrawCaption(n, &graphics, WindowText(window).c_str());
    for (int k = 1; k <= record->titleButtons.Count(); ++k)
      DrawTitleButton(n, k, &graphics, false, false, std::nullopt);
  }
  // Frame items: the application gives none (only their count is kept).

  if (!present) {
    record->redrawNeeded = false;
    return;
  }
  {
    const WindowDc dc(window, WindowDc::Area::kClient, target);
    ChildClippedDC(window, dc.get(), 1);
    BitBlt(dc.get(), 0, 0, client.right, client.bottom, record->frameCache, 0, 0, SRCCOPY);
  }
  record->redrawNeeded = false;
  if (!firstPlacement_) RefreshSkinnedControls(*this, n);
}

void SkinFramework::CopyCache(int n, HDC target) {
  WindowRecord* record = Window(n);
  if (record == nullptr || record->frameCache == nullptr) return;
  RECT client{};
  GetClientRect(record->window, &client);
  BitBlt(target, 0, 0, client.right, client.bottom, record->frameCache, 0, 0, SRCCOPY);
}

void SkinFramework::PaintBackground(int n, gdiplus::Graphics& graphics) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  RECT client{};
  GetClientRect(record->window, &client);
  const float width = static_cast<float>(client.right);
  const float height = static_cast<float>(client.bottom);
  graphics.Clear(0xFFFF00FFu);
  // No rounder than the window region, so that none of the key colour shows
  // inside it.
  gdiplus::GraphicsPath clip =
      RoundedRectPath(0, 0, width, height, record->metrics.backgroundCorner);
  graphics.SetClipPath(clip);
  const bool own = record->ownPicture != nullptr;
  gdiplus::SolidBrush fill;
  fill.Create(ToArgb(own ? record->representativeColour : defaultBackgroundColour_, 0, 0));
  graphics.FillRectangle(fill, 0, 0, width, height);

  gdiplus::Bitmap* picture = own ? record->ownPicture.get() : globalPicture_.get();
  const int mode = own ? record->backgroundMode : defaultBackgroundMode_;
  if (picture != nullptr) {
    const int imageWidth = static_cast<int>(picture->GetWidth());
    const int imageHeight = static_cast<int>(picture->GetHeight());
    switch (mode) {
      case 1:
        graphics.DrawImageRectI(*picture, client.right - imageWidth, 0, imageWidth, imageHeight);
        break;
      case 2:
        graphics.DrawImageRectI(*picture, (client.right - imageWidth) / 2,
                                (client.bottom - imageHeight) / 2, imageWidth, imageHeight);
        break;
      case 3:
        graphics.DrawImageRectI(*picture, 0, 0, client.right, client.bottom);
        break;
      default:
        graphics.DrawImageRectI(*picture, 0, 0, imageWidth, imageHeight);
        break;
    }
  }
  if (record->titleGloss) {
    gdiplus::LinearGradientBrush gloss;
    GradientAlong(gloss, gdiplus::RectF{0, 0, width, static_cast<float>(record->titleHeight)}, true,
                  ToArgb(0x00FFFFFF, 150, 1), ToArgb(0x00FFFFFF, 0, 1), 0.0f);
    graphics.FillRectangle(gloss, 0, 0, width, static_cast<float>(record->titleHeight));
  }
  graphics.ResetClip();
}

void SkinFramework::PaintBorder(int n, gdiplus::Graphics& graphics) {
  WindowRecord* record = Window(n);
  if (record == nullptr) return;
  RECT client{};
  GetClientRect(record->window, &client);
  const Metrics& m = record->metrics;
  // A dark line along the edge and a light one inside it.
  const gdiplus::RectF outerLine = HairlineRect(m, client, 0);
  const gdiplus::RectF innerLine = HairlineRect(m, client, m.line);
  gdiplus::Pen outer;
  outer.Create(ToArgb(0x00000000, 180, 1), static_cast<float>(m.line));
  graphics.DrawPath(outer, RoundedRectPath(outerLine.X, outerLine.Y, outerLine.Width,
                                           outerLine.Height, m.borderCorner));
  gdiplus::Pen inner;
  inner.Create(ToArgb(0x00FFFFFF, 180, 1), static_cast<float>(m.line));
  graphics.DrawPath(inner, RoundedRectPath(innerLine.X, innerLine.Y, innerLine.Width,
                                           innerLine.Height, m.innerBorderCorner));
}

void SkinFramework::DrawCaption(int n, gdiplus::Graphics* graphics, const char* text) {
  WindowRecord* record = Window(n);
  if (record == nullptr || record->frameCache == nullptr) return;
  const Metrics& m = record->metrics;
  const RECT area = CaptionArea(n);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  // Start from the clean copy of the caption area.
  if (record->captionCache != nullptr)
    BitBlt(record->frameCache, area.left, area.top, width, height, record->captionCache, 0, 0,
           SRCCOPY);
  const int iconSize = m.iconSize;
  const int iconTop = (record->titleHeight - iconSize) / 2;
  // The icon's own picture for the box, in its middle.
  const CarriedIcon& icon = record->captionIcon;
  const int inset = (iconSize - icon.size) / 2;
  if (icon.icon != nullptr)
    DrawIconEx(record->frameCache, area.left + m.iconGap + inset, iconTop + inset, icon.icon,
               icon.size, icon.size, 0, nullptr, DI_NORMAL);
  // The text's middle sits 3 pixels below the icon's top edge plus half its size.
  const float left = static_cast<float>(area.left + m.iconGap + iconSize + m.iconTextGap);
  const gdiplus::RectF layout{left, static_cast<float>(area.top),
                              static_cast<float>(area.right) - left, static_cast<float>(height)};
  DrawIntoCache(*record, graphics, area, [&](gdiplus::Graphics& g) {
    DrawOutlinedText(g, text != nullptr ? text : "", layout, record->titleColour,
                     record->titleShadowColour, m.titleOutline, record->titleFace.c_str(),
                     m.Pxf(static_cast<float>(record->titleFontSize)), record->titleFontStyle,
                     gdiplus::kStringAlignmentNear, gdiplus::kStringAlignmentCenter);
  });
}

void SkinFramework::SetBackground(const char* path, const uint8_t* bytes, uint32_t size,
                                  std::optional<COLORREF> colour, std::optional<LONG> accent,
                                  std::optional<int> mode) {
  Bytes image;
  if (bytes != nullptr && size > 0) {
    image.assign(bytes, bytes + size);
  } else if (path != nullptr && *path != '\0') {
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      const DWORD length = GetFileSize(file, nullptr);
      if (length != INVALID_FILE_SIZE && length > 0) {
        image.resize(length);
        DWORD read = 0;
        if (!ReadFile(file, image.data(), length, &read, nullptr) || read != length) image.clear();
      }
      CloseHandle(file);
    }
  }
  std::shared_ptr<gdiplus::Bitmap> picture = DecodePicture(image);
  if (picture) {
    defaultBackgroundColour_ = RepresentativeColour(*picture);
  } else if (colour) {
    defaultBackgroundColour_ = *colour;
  }
  if (accent)
    accentColour_ = *accent == -1 ? defaultBackgroundColour_ : static_cast<COLORREF>(*accent);
  if (mode) defaultBackgroundMode_ = *mode;
  globalImage_ = std::move(image);
  globalPicture_ = std::move(picture);
  RepaintAll();
}

void SkinFramework::RepaintAll() {
  for (int n = 1; n <= windows_.Count(); ++n) {
    windows_[n].redrawNeeded = true;
    InvalidateRect(windows_[n].window, nullptr, TRUE);
  }
}

}  // namespace framework
