// A window of the tests' own that records every button press it receives:
//   click_recorder OUTPUT LEFT TOP WIDTH HEIGHT [HOLE_LEFT HOLE_TOP HOLE_WIDTH HOLE_HEIGHT]
// The optional hole (screen coordinates) is left out of the window, so that
// the window under test there stays reachable and visible.
// Each press is one line "<kind> <screen x> <screen y> <microseconds>", kind L
// for a left press, l for the second press of a left double click, R and r
// likewise for the right button. "ready" is written once the window is up.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

FILE* output = nullptr;
LARGE_INTEGER frequency;

void Record(HWND window, char kind, LPARAM lParam) {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window, &p);
  const long long micros = now.QuadPart * 1000000 / frequency.QuadPart;
  std::fprintf(output, "%c %ld %ld %lld\n", kind, p.x, p.y, micros);
  std::fflush(output);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
      Record(window, 'L', lParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      Record(window, 'l', lParam);
      return 0;
    case WM_RBUTTONDOWN:
      Record(window, 'R', lParam);
      return 0;
    case WM_RBUTTONDBLCLK:
      Record(window, 'r', lParam);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // stay out of the way of the keyboard focus
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Screen pixels at every display scale: the points the clicker is given.
  SetProcessDPIAware();
  if (argc != 6 && argc != 10) {
    std::fprintf(
        stderr,
        "usage: click_recorder OUTPUT LEFT TOP WIDTH HEIGHT [HOLE_LEFT HOLE_TOP HOLE_WIDTH "
        "HOLE_HEIGHT]\n");
    return 2;
  }
  output = std::fopen(argv[1], "w");
  if (output == nullptr) return 1;
  QueryPerformanceFrequency(&frequency);
  SetPriorityClass(GetCurrentProcess(), HIGH_PRIORITY_CLASS);

  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = Procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_CROSS));
  wc.hbrBackground = CreateSolidBrush(RGB(40, 70, 90));
  wc.lpszClassName = "ClickRecorder";
  RegisterClassA(&wc);
  const HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_NOACTIVATE, "ClickRecorder",
                                      "click recorder", WS_POPUP | WS_VISIBLE, std::atoi(argv[2]),
                                      std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                                      nullptr, nullptr, wc.hInstance, nullptr);
  if (window == nullptr) return 1;
  if (argc == 10) {
    const int left = std::atoi(argv[2]);
    const int top = std::atoi(argv[3]);
    const int holeLeft = std::atoi(argv[6]) - left;
    const int holeTop = std::atoi(argv[7]) - top;
    const HRGN whole = CreateRectRgn(0, 0, std::atoi(argv[4]), std::atoi(argv[5]));
    const HRGN hole = CreateRectRgn(holeLeft, holeTop, holeLeft + std::atoi(argv[8]),
                                    holeTop + std::atoi(argv[9]));
    CombineRgn(whole, whole, hole, RGN_DIFF);
    DeleteObject(hole);
    SetWindowRgn(window, whole, TRUE);  // the window owns the region now
  }
  std::fprintf(output, "ready\n");
  std::fflush(output);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  std::fclose(output);
  return 0;
}
