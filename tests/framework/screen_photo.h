#pragma once
// What the screen shows of a window (its whole window area, with whatever
// covers it), saved as a PNG: the artefacts the look tests leave.
#include <windows.h>

#include <string>

#include "gdiplus/image.h"

namespace framework::testing {

inline bool Photograph(HWND window, const std::string& path) {
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  bool saved = false;
  {
    gdiplus::Bitmap picture;
    if (picture.CreateFromHBITMAP(bitmap)) saved = picture.SaveToFile(path.c_str(), "image/png");
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

}  // namespace framework::testing
