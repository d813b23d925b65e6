#pragma once

// A white 32-bit GDI canvas to draw on (text, a control's painting) and read
// the pixels of, top row first.
#include <windows.h>

#include <cstdint>

namespace framework::testing {

class WhiteCanvas {
 public:
  WhiteCanvas(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ =
        CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    for (int i = 0; i < width * height; ++i) bits_[i] = 0x00FFFFFF;
  }
  ~WhiteCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  WhiteCanvas(const WhiteCanvas&) = delete;
  WhiteCanvas& operator=(const WhiteCanvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // The pixel at (x, y) as a COLORREF, once the drawing is flushed.
  COLORREF At(int x, int y) const {
    GdiFlush();
    const uint32_t p = bits_[y * width_ + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // One past the rightmost column with ink, 0 when there is none.
  int InkRight() const {
    for (int x = width_ - 1; x >= 0; --x)
      for (int y = 0; y < height_; ++y)
        if (At(x, y) != RGB(255, 255, 255)) return x + 1;
    return 0;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  uint32_t* bits_ = nullptr;
};

}  // namespace framework::testing
