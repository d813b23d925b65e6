#pragma once

// Owning types for what a painter makes and frees in one scope: GDI objects,
// icons, DCs, objects selected into a DC for a while, and the GDI+ objects
// whose wrappers do not end them themselves. Each frees what it holds when
// it goes out of scope. (What a window owns for longer, its caches and the
// brushes of its colour messages, is freed when it is destroyed.)
#include <windows.h>

#include "gdiplus/font.h"
#include "gdiplus/graphics.h"

namespace framework {

// A GDI object (a brush, bitmap, region or font), deleted at the end.
template <class Handle>
class GdiObject {
 public:
  explicit GdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : handle_(other.Release()) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  // Hands the object to whoever frees it from now on (the system, say).
  Handle Release() {
    const Handle handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_;
};
using OwnedBrush = GdiObject<HBRUSH>;
using OwnedBitmap = GdiObject<HBITMAP>;
using OwnedRegion = GdiObject<HRGN>;
using OwnedFont = GdiObject<HFONT>;

// An icon made for us (ImageList_GetIcon, say), destroyed at the end.
class OwnedIcon {
 public:
  explicit OwnedIcon(HICON icon) : icon_(icon) {}
  ~OwnedIcon() {
    if (icon_ != nullptr) DestroyIcon(icon_);
  }
  OwnedIcon(const OwnedIcon&) = delete;
  OwnedIcon& operator=(const OwnedIcon&) = delete;
  HICON get() const { return icon_; }

 private:
  HICON icon_;
};

// A memory DC compatible with the screen, deleted at the end.
class MemoryDc {
 public:
  MemoryDc() : dc_(CreateCompatibleDC(nullptr)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }
  // Hands the DC to whoever deletes it from now on.
  HDC Release() {
    const HDC dc = dc_;
    dc_ = nullptr;
    return dc;
  }

 private:
  HDC dc_;
};

// An object selected into a DC for a while: the DC's previous one goes back
// at the end.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object)
      : dc_(dc), previous_(dc != nullptr ? SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A DC of a window, of its client area (GetDC) or of the whole window
// (GetWindowDC), released at the end. A DC the caller lends stands in for
// it; that one is only used.
class WindowDc {
 public:
  enum class Area { kClient, kWhole };
  WindowDc(HWND window, Area area, HDC lent = nullptr)
      : window_(window),
        dc_(lent != nullptr         ? lent
            : area == Area::kClient ? GetDC(window)
                                    : GetWindowDC(window)),
        owned_(lent == nullptr) {}
  ~WindowDc() {
    if (owned_ && dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
  bool owned_;
};

// The DC of a paint (BeginPaint), ended at the end (EndPaint).
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  ~PaintDc() { EndPaint(window_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// The DC of a GDI+ graphics object, for GDI drawing in between; handed back
// at the end.
class GraphicsDc {
 public:
  explicit GraphicsDc(gdiplus::Graphics& graphics) : graphics_(graphics), dc_(graphics.GetDC()) {}
  ~GraphicsDc() {
    if (dc_ != nullptr) graphics_.ReleaseDC(dc_);
  }
  GraphicsDc(const GraphicsDc&) = delete;
  GraphicsDc& operator=(const GraphicsDc&) = delete;
  HDC get() const { return dc_; }

 private:
  gdiplus::Graphics& graphics_;
  HDC dc_;
};

// The family of a GDI+ font: GetFamily makes a new one, which is ours to
// delete (a FontFamily wrapper leaves that to its owner).
class FontFamilyOf {
 public:
  explicit FontFamilyOf(gdiplus::Font& font) : found_(font.GetFamily(&family_)) {}
  ~FontFamilyOf() {
    if (found_) family_.Delete();
  }
  FontFamilyOf(const FontFamilyOf&) = delete;
  FontFamilyOf& operator=(const FontFamilyOf&) = delete;
  // Null when the font has none.
  gdiplus::FontFamily* get() { return found_ ? &family_ : nullptr; }

 private:
  gdiplus::FontFamily family_;
  bool found_;
};

}  // namespace framework
