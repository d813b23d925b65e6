#include "hosting/working_set.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

extern const unsigned char kEmptyUtilityImage[];
extern const unsigned int kEmptyUtilityImageSize;

namespace hosting {

namespace {

bool FileExists(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(path.c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

bool WriteWhole(const std::string& path, const uint8_t* bytes, uint32_t size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
  return CloseHandle(file) && ok;
}

// The writer's process id out of "<path>.<pid>.<tid>.tmp"; 0 when the name
// is not of that form.
DWORD WriterOf(const char* name, size_t prefixLength) {
  const char* p = name + prefixLength;
  if (*p++ != '.') return 0;
  unsigned long long pid = 0;
  int digits = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (++digits > 10) return 0;
    pid = pid * 10 + static_cast<unsigned>(*p - '0');
  }
  if (digits == 0 || *p != '.' || pid > 0xFFFFFFFFull) return 0;
  return static_cast<DWORD>(pid);
}

// Whether the process that wrote a temporary has ended. One that cannot be
// looked at (another user's) counts as running.
bool WriterEnded(DWORD pid) {
  HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
  if (process == nullptr) return GetLastError() == ERROR_INVALID_PARAMETER;
  const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended;
}

// Temporaries of writers that ended before they were done (a trim thread
// ends with its process, at any point of its write).
void RemoveAbandonedTemporaries(const std::string& path) {
  const size_t slash = path.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  const std::string file = path.substr(folder.size());
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((path + ".*.tmp").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (_strnicmp(found.cFileName, file.c_str(), file.size()) != 0) continue;
    const DWORD pid = WriterOf(found.cFileName, file.size());
    if (pid != 0 && pid != GetCurrentProcessId() && WriterEnded(pid)) {
      DeleteFileA((folder + found.cFileName).c_str());
    }
  } while (FindNextFileA(find, &found));
  FindClose(find);
}

}  // namespace

const uint8_t* UtilityImage() {
  return kEmptyUtilityImage;
}
uint32_t UtilityImageSize() {
  return kEmptyUtilityImageSize;
}

std::string UtilityPath() {
  const char* dir = std::getenv("windir");
  if (dir != nullptr && *dir != '\0') return std::string(dir) + "\\empty.exe";
  // Not the root of whatever drive is current: without a Windows folder
  // there is no path at all.
  char windows[MAX_PATH + 1] = {};
  const UINT length = GetWindowsDirectoryA(windows, MAX_PATH + 1);
  if (length == 0 || length > MAX_PATH) return std::string();
  return std::string(windows, length) + "\\empty.exe";
}

std::string UtilityCommandLine(const std::string& path, uint32_t processId) {
  return "\"" + path + "\" " + std::to_string(processId);
}

bool EnsureFile(const std::string& path, const uint8_t* bytes, uint32_t size) {
  RemoveAbandonedTemporaries(path);
  if (FileExists(path)) return true;
  // A trim on another thread may find the file at any moment, so it only
  // ever appears complete: written aside, then renamed into place.
  std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + "." +
                          std::to_string(GetCurrentThreadId()) + ".tmp";
  if (!WriteWhole(temporary, bytes, size)) {
    DeleteFileA(temporary.c_str());
    return false;
  }
  // Another trim that won the race has put a complete file there already.
  if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary.c_str());
  }
  return FileExists(path);
}

bool RunHiddenAndWait(const std::string& commandLine) {
  std::string line = commandLine;  // CreateProcessA may write into it
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void TrimWorkingSet() {
  std::string path = UtilityPath();
  if (path.empty()) return;
  EnsureFile(path, kEmptyUtilityImage, kEmptyUtilityImageSize);
  RunHiddenAndWait(UtilityCommandLine(path, GetCurrentProcessId()));
}

}  // namespace hosting
