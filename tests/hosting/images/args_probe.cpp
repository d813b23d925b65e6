// args_probe.exe: stands in for the working-set utility in tests. Writes the
// command line it was given and how it was asked to show its window to a file
// beside itself ("<own path>.txt"), then exits 0.

#include <windows.h>

extern "C" void WINAPI ProbeMain();

extern "C" void WINAPI ProbeMain() {
  char path[MAX_PATH + 8];
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) ExitProcess(1);
  lstrcatA(path, ".txt");
  STARTUPINFOA startup;
  GetStartupInfoA(&startup);
  char show[32];
  wsprintfA(show, "\n%lu %u\n", startup.dwFlags & STARTF_USESHOWWINDOW, startup.wShowWindow);
  const char* line = GetCommandLineA();
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) ExitProcess(1);
  DWORD written;
  WriteFile(file, line, lstrlenA(line), &written, nullptr);
  WriteFile(file, show, lstrlenA(show), &written, nullptr);
  CloseHandle(file);
  ExitProcess(0);
}
