// The skin engine: while a skin is attached, every dialog box created on the
// attaching thread (message boxes among them) is drawn in the skin's colours:
// a vertical gradient behind transparent text, and its push buttons painted
// by the engine. It is mapped from memory by the program's own loader, so it
// has no C runtime, no TLS, no static constructors and never uses its
// instance handle.

#include <windows.h>

#include "skin_format.h"

using skinengine::Rgb;
using skinengine::Skin;

namespace {

const char kOldProcProperty[] = "SkinEngine.OldProc";

// Plain data only: there is nothing that would run a constructor.
Skin gSkin;
bool gAttached;
HHOOK gHook;

COLORREF Colour(Rgb c) {
  return RGB(c.r, c.g, c.b);
}

TRIVERTEX Vertex(LONG x, LONG y, Rgb c) {
  return TRIVERTEX{x,
                   y,
                   static_cast<COLOR16>(c.r << 8),
                   static_cast<COLOR16>(c.g << 8),
                   static_cast<COLOR16>(c.b << 8),
                   0};
}

// The dialog's gradient, drawn into `dc` of `target`: the dialog itself, or a
// child whose background must continue the dialog's.
void PaintGradient(HWND dialog, HWND target, HDC dc) {
  RECT rc;
  GetClientRect(dialog, &rc);
  POINT origin = {0, 0};
  MapWindowPoints(target, dialog, &origin, 1);
  OffsetRect(&rc, -origin.x, -origin.y);
  TRIVERTEX v[2] = {Vertex(rc.left, rc.top, gSkin.backgroundTop),
                    Vertex(rc.right, rc.bottom, gSkin.backgroundBottom)};
  GRADIENT_RECT gr = {0, 1};
  GdiGradientFill(dc, v, 2, &gr, 1, GRADIENT_FILL_RECT_V);
}

// The box's DPI: the system scales a per-monitor aware program's dialogs to
// their monitor (GetDpiForWindow, Windows 10 on); before that every window
// is at the system DPI, which the DC tells.
int DpiOf(HWND window, HDC dc) {
  using DpiForWindow = UINT(WINAPI*)(HWND);
  const HMODULE user = GetModuleHandleA("user32.dll");
  const auto forWindow =
      user != nullptr ? reinterpret_cast<DpiForWindow>(
                            reinterpret_cast<void (*)()>(GetProcAddress(user, "GetDpiForWindow")))
                      : nullptr;
  int dpi = forWindow != nullptr ? static_cast<int>(forWindow(window)) : 0;
  if (dpi < 48 || dpi > 960) dpi = GetDeviceCaps(dc, LOGPIXELSY);
  return dpi >= 48 && dpi <= 960 ? dpi : 96;
}

// A button's lengths at the box's scale: drawn for 96 DPI, where the border
// is one pixel, the corners 6 and the focus mark 3 inside the edge.
struct ButtonLengths {
  int line;  // whole pixels: 1 at 100 % and 125 %, 2 at 150 % and 200 %
  int corner;
  int focusInset;
  int pressedShift;
};

ButtonLengths LengthsAt(int dpi) {
  const int line = (dpi + 48) / 96;
  return ButtonLengths{line > 0 ? line : 1, MulDiv(6, dpi, 96), MulDiv(3, dpi, 96),
                       MulDiv(1, dpi, 96)};
}

void DrawButton(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT rc = item.rcItem;
  const ButtonLengths lengths = LengthsAt(DpiOf(item.hwndItem, dc));
  bool pressed = (item.itemState & ODS_SELECTED) != 0;
  HBRUSH face = CreateSolidBrush(Colour(pressed ? gSkin.buttonPressed : gSkin.buttonFace));
  // Inside the frame: a border wider than a pixel stays within the button.
  HPEN border = CreatePen(PS_INSIDEFRAME, lengths.line, Colour(gSkin.buttonBorder));
  HGDIOBJ oldBrush = SelectObject(dc, face);
  HGDIOBJ oldPen = SelectObject(dc, border);
  RoundRect(dc, rc.left, rc.top, rc.right, rc.bottom, lengths.corner, lengths.corner);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
  DeleteObject(border);
  DeleteObject(face);

  wchar_t text[64];
  int length = GetWindowTextW(item.hwndItem, text, 64);
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Colour(gSkin.buttonText));
  if (pressed) OffsetRect(&rc, lengths.pressedShift, lengths.pressedShift);
  DrawTextW(dc, text, length, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (oldFont) SelectObject(dc, oldFont);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -lengths.focusInset, -lengths.focusInset);
    DrawFocusRect(dc, &focus);
  }
}

bool IsClass(HWND hwnd, const char* name) {
  char buffer[16];
  if (GetClassNameA(hwnd, buffer, sizeof buffer) == 0) return false;
  return lstrcmpiA(buffer, name) == 0;
}

// Push buttons are handed to the engine to paint; the button keeps its
// behaviour, only its drawing comes here as WM_DRAWITEM.
BOOL CALLBACK OwnButtons(HWND child, LPARAM) {
  if (IsClass(child, "Button")) {
    LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    LONG_PTR type = style & BS_TYPEMASK;
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
      SetWindowLongPtrW(child, GWL_STYLE, (style & ~LONG_PTR{BS_TYPEMASK}) | BS_OWNERDRAW);
      InvalidateRect(child, nullptr, TRUE);
    }
  }
  return TRUE;
}

LRESULT CALLBACK SkinnedDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto old = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOldProcProperty));
  if (old == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
  switch (message) {
    case WM_INITDIALOG: {
      LRESULT result = CallWindowProcW(old, hwnd, message, wParam, lParam);
      EnumChildWindows(hwnd, OwnButtons, 0);
      return result;
    }
    case WM_ERASEBKGND:
      PaintGradient(hwnd, hwnd, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      // Text goes onto the gradient itself, never onto what an earlier
      // painting of the control left there.
      HWND control = reinterpret_cast<HWND>(lParam);
      if (control != hwnd) PaintGradient(hwnd, control, dc);
      SetTextColor(dc, Colour(gSkin.text));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item->CtlType != ODT_BUTTON) break;
      DrawButton(*item);
      return TRUE;
    }
    case WM_NCDESTROY:
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
      RemovePropA(hwnd, kOldProcProperty);
      return CallWindowProcW(old, hwnd, message, wParam, lParam);
    default:
      break;
  }
  return CallWindowProcW(old, hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && gAttached) {
    HWND hwnd = reinterpret_cast<HWND>(wParam);
    if (IsClass(hwnd, "#32770") && GetPropA(hwnd, kOldProcProperty) == nullptr) {
      LONG_PTR old =
          SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinnedDialogProc));
      SetPropA(hwnd, kOldProcProperty, reinterpret_cast<HANDLE>(old));
    }
  }
  return CallNextHookEx(gHook, code, wParam, lParam);
}

}  // namespace

extern "C" {

BOOL WINAPI EngineEntry(HINSTANCE, DWORD, LPVOID);
__declspec(dllexport) int WINAPI
    SkinH_AttachRes(const unsigned char* data, int size, const char* password, int a, int b, int c);
__declspec(dllexport) int WINAPI SkinH_Detach();

// Unmapped while a skin is attached: the hook must not outlive the code.
BOOL WINAPI EngineEntry(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) SkinH_Detach();
  return TRUE;
}

// Attaches `size` bytes of skin data for the calling thread; 1 when the skin
// is in force, 0 when the data is not a skin. The password and the three
// integers are accepted and not used by this engine.
__declspec(dllexport) int WINAPI SkinH_AttachRes(const unsigned char* data, int size,
                                                 const char* password, int a, int b, int c) {
  (void)password;
  (void)a;
  (void)b;
  (void)c;
  Skin skin;
  if (size < 0 || !skinengine::ParseSkin(data, static_cast<uint32_t>(size), skin)) return 0;
  if (gHook) UnhookWindowsHookEx(gHook);
  gSkin = skin;
  gHook = SetWindowsHookExA(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
  gAttached = gHook != nullptr;
  return gAttached ? 1 : 0;
}

// Dialogs created from now on keep the system's look; one already skinned
// keeps the skin until it is destroyed.
__declspec(dllexport) int WINAPI SkinH_Detach() {
  if (gHook) UnhookWindowsHookEx(gHook);
  gHook = nullptr;
  gAttached = false;
  return 1;
}

}  // extern "C"
