// The working-set trim a deactivation starts, in a library of its own: a
// test program links its own TrimThread in place of this one, so that its
// windows' deactivations run no utility.
#include "framework/skin_framework.h"
#include "hosting/working_set.h"

namespace framework {

DWORD WINAPI SkinFramework::TrimThread(void*) {
  hosting::TrimWorkingSet();
  return 0;
}

}  // namespace framework
