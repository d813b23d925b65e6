#include "gdiplus/tooltip_helper.h"

#include <commctrl.h>

namespace gdiplus {

HWND ToolTipHelper::Create(HWND owner, int balloon) {
  owner_ = owner;
  // The tooltip class exists only once the common controls are registered;
  // without this the window creation fails in a program that never did it.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  const DWORD style = balloon ? (TTS_ALWAYSTIP | TTS_BALLOON) : TTS_ALWAYSTIP;
  tooltip_ =
      CreateWindowExA(0, "ToolTips_class32", "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  return tooltip_;
}

LRESULT ToolTipHelper::SendTool(UINT message, UINT_PTR id, const RECT* rect, const char* text) {
  TOOLINFOA info{};
  // The first-version record: every comctl32 accepts it.
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = id;
  if (rect != nullptr) info.rect = *rect;
  info.lpszText = const_cast<char*>(text);
  return SendMessageA(tooltip_, message, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT ToolTipHelper::AddTool(const RECT& rect, const char* text, UINT_PTR id) {
  return SendTool(TTM_ADDTOOLA, id, &rect, text);
}

LRESULT ToolTipHelper::AddCallbackTool(const RECT& rect, UINT_PTR id) {
  return SendTool(TTM_ADDTOOLA, id, &rect, LPSTR_TEXTCALLBACKA);
}

void ToolTipHelper::SetTipBkColor(COLORREF color) {
  SendMessageA(tooltip_, TTM_SETTIPBKCOLOR, color, 0);
}

void ToolTipHelper::SetTipTextColor(COLORREF color) {
  SendMessageA(tooltip_, TTM_SETTIPTEXTCOLOR, color, 0);
}

void ToolTipHelper::SetMaxTipWidth(int width) {
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, width);
}

void ToolTipHelper::DelTool(UINT_PTR id) {
  SendTool(TTM_DELTOOLA, id, nullptr, nullptr);
}

void ToolTipHelper::NewToolRect(UINT_PTR id, const RECT& rect) {
  SendTool(TTM_NEWTOOLRECTA, id, &rect, nullptr);
}

void ToolTipHelper::UpdateTipText(UINT_PTR id, const char* text) {
  SendTool(TTM_UPDATETIPTEXTA, id, nullptr, text);
}

}  // namespace gdiplus
