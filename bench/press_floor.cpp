// The floor of the timing benchmark: the same clicks as a point-list run
// (cursor put on the point ahead, spun to the due time, put there again and
// pressed), from a program with no window, no queue to serve and no timers.
// What it measures is what the way of a press through Wine and X gives.
//   press_floor COUNT INTERVAL_MS X,Y [X,Y ...]
#include <windows.h>
// After windows.h.
#include <mmsystem.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

int64_t Now() {
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return counter.QuadPart;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: press_floor COUNT INTERVAL_MS X,Y [X,Y ...]\n");
    return 2;
  }
  const int count = std::atoi(argv[1]);
  const int ms = std::atoi(argv[2]);
  std::vector<POINT> points;
  for (int i = 3; i < argc; ++i) {
    POINT p{};
    if (std::sscanf(argv[i], "%ld,%ld", &p.x, &p.y) != 2) return 2;
    points.push_back(p);
  }
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const int64_t step = frequency.QuadPart * ms / 1000;
  const int64_t stretch = frequency.QuadPart * 2 / 1000;
  timeBeginPeriod(1);
  // A new process's first moves are slow on their way through the window
  // system: half a second of them before the first press.
  for (int i = 0; i < 50; ++i) {
    const POINT& at = points[static_cast<size_t>(i) % points.size()];
    SetCursorPos(at.x, at.y);
    Sleep(10);
  }
  int64_t due = Now();
  for (int i = 0; i < count; ++i) {
    const POINT& at = points[static_cast<size_t>(i) % points.size()];
    while (due - Now() > stretch) Sleep(1);
    SetCursorPos(at.x, at.y);
    while (Now() < due) {
    }
    SetCursorPos(at.x, at.y);
    mouse_event(MOUSEEVENTF_LEFTDOWN, 0, 0, 0, 0);
    mouse_event(MOUSEEVENTF_LEFTUP, 0, 0, 0, 0);
    due += step;
  }
  timeEndPeriod(1);
  return 0;
}
