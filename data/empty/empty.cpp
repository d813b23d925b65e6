// empty.exe PID: empties the working set of process PID and exits 0. Exits
// 2 on a bad argument and 3 when the process cannot be opened, doing nothing
// else; 4 when the system refuses to trim it. No C runtime: the command line
// is read as the system hands it over.

#include <windows.h>

namespace {

// Past the program name, which may be quoted.
const char* SkipProgramName(const char* p) {
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p == '"') ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  return p;
}

// One decimal number, nothing else but blanks around it; 0 when bad.
DWORD ParsePid(const char* p) {
  while (*p == ' ' || *p == '\t') ++p;
  unsigned long long value = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (++digits > 10) return 0;
    value = value * 10 + static_cast<unsigned>(*p - '0');
  }
  while (*p == ' ' || *p == '\t') ++p;
  if (digits == 0 || *p != 0 || value > 0xFFFFFFFFull) return 0;
  return static_cast<DWORD>(value);
}

}  // namespace

extern "C" void WINAPI EmptyMain();

extern "C" void WINAPI EmptyMain() {
  DWORD pid = ParsePid(SkipProgramName(GetCommandLineA()));
  if (pid == 0) ExitProcess(2);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_SET_QUOTA, FALSE, pid);
  if (process == nullptr) ExitProcess(3);
  // Both limits at -1: the documented way to take every page out of the set.
  BOOL trimmed =
      SetProcessWorkingSetSize(process, static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
  CloseHandle(process);
  ExitProcess(trimmed ? 0 : 4);
}
