#include "tests/framework/framework_test_support.h"

#include "framework/shared.h"

namespace framework::testing {

namespace {

const char* const kClassName = "FrameworkTestWindow";

void RegisterTestClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &RecordingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  registered = true;
}

}  // namespace

bool passSystemCommands = false;
std::function<void(const Seen&)> whileHandling;

std::vector<Seen>& SeenMessages() {
  static std::vector<Seen> seen;
  return seen;
}

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  SeenMessages().push_back(Seen{window, message, wParam, lParam});
  if (whileHandling) whileHandling(Seen{window, message, wParam, lParam});
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return kColourMarker;
    case WM_SYSCOMMAND:
      if (!passSystemCommands) return 0;
      break;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int CountSystemCommands(WPARAM command, bool exact) {
  int count = 0;
  for (const Seen& seen : SeenMessages()) {
    if (seen.message != WM_SYSCOMMAND) continue;
    if (exact ? seen.wParam == command : (seen.wParam & 0xFFF0) == command) ++count;
  }
  return count;
}

void FrameworkTest::SetUp() {
  RegisterTestClass();
  skin = std::make_unique<SkinFramework>();
  skin->StartUp();
  SetProgramFramework(skin.get());
  SeenMessages().clear();
  passSystemCommands = false;
  whileHandling = nullptr;
}

void FrameworkTest::TearDown() {
  whileHandling = nullptr;
  for (HWND window : windows)
    if (IsWindow(window)) DestroyWindow(window);
  Pump();
  windows.clear();
  skin.reset();
}

HWND FrameworkTest::MakeWindow(DWORD extraStyle, int x, int y, int width, int height,
                               const char* title) {
  HWND window =
      CreateWindowExA(0, kClassName, title, WS_POPUP | WS_VISIBLE | extraStyle, x, y, width, height,
                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  windows.push_back(window);
  Pump();
  return window;
}

HWND FrameworkTest::MakeChild(HWND parent, const char* className, int x, int y, int width,
                              int height) {
  return CreateWindowExA(0, className, "子", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

int FrameworkTest::Attach(HWND window, int titleHeight) {
  AttachOptions options;
  options.titleHeight = titleHeight;
  skin->AttachWindow(window, options);
  return FindWindowNumber(*skin, window);
}

WindowRecord& FrameworkTest::Record(int n) {
  WindowRecord* record = skin->Window(n);
  if (record != nullptr) return *record;
  ADD_FAILURE() << "no window " << n;
  static WindowRecord none;
  return none;
}

void FrameworkTest::MoveToScale(int n, int dpi) {
  const HWND window = Record(n).window;
  const int from = Record(n).metrics.dpi;
  RECT rect{};
  GetWindowRect(window, &rect);
  rect.right = rect.left + MulDiv(rect.right - rect.left, dpi, from);
  rect.bottom = rect.top + MulDiv(rect.bottom - rect.top, dpi, from);
  SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&rect));
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF pixel = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return pixel;
}

}  // namespace framework::testing
