// The test programs' own SkinFramework::TrimThread, linked in place of the
// framework's: it counts its runs and trims nothing, so that no deactivation
// of a test window starts the utility (a process of its own that would
// outlive the test).
#include "tests/framework/trim_thread_stub.h"

#include <atomic>

#include "framework/skin_framework.h"

namespace framework {
namespace {

std::atomic<int> runs{0};

}  // namespace

DWORD WINAPI SkinFramework::TrimThread(void*) {
  runs.fetch_add(1);
  return 0;
}

namespace testing {

int TrimThreadsRun() {
  return runs.load();
}

}  // namespace testing
}  // namespace framework
