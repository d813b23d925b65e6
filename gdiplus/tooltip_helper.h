#pragma once

#include <windows.h>

namespace gdiplus {

// One tooltip control for an owner window, with its tools (the owner is the
// window of every tool). The tooltip window is not destroyed with the object:
// it goes with the owner's windows or the process. Copies share the window.
class ToolTipHelper {
 public:
  // Creates the tooltip (always-tip style, plus balloon when asked); returns it.
  HWND Create(HWND owner, int balloon);
  LRESULT AddTool(const RECT& rect, const char* text, UINT_PTR id);
  // A tool whose text the tooltip asks the owner for (TTN_GETDISPINFO).
  LRESULT AddCallbackTool(const RECT& rect, UINT_PTR id);
  void SetTipBkColor(COLORREF color);
  void SetTipTextColor(COLORREF color);
  void SetMaxTipWidth(int width);
  void DelTool(UINT_PTR id);
  void NewToolRect(UINT_PTR id, const RECT& rect);
  void UpdateTipText(UINT_PTR id, const char* text);
  HWND Window() const { return tooltip_; }

 private:
  LRESULT SendTool(UINT message, UINT_PTR id, const RECT* rect, const char* text);

  HWND tooltip_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace gdiplus
