#include "hosting/working_set.h"

#include <windows.h>

#include <cstdlib>

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

}  // namespace

const uint8_t* UtilityImage() {
  return kEmptyUtilityImage;
}
uint32_t UtilityImageSize() {
  return kEmptyUtilityImageSize;
}

std::string UtilityPath() {
  const char* dir = std::getenv("windir");
  return std::string(dir ? dir : "") + "\\empty.exe";
}

bool EnsureFile(const std::string& path, const uint8_t* bytes, uint32_t size) {
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
  EnsureFile(path, kEmptyUtilityImage, kEmptyUtilityImageSize);
  RunHiddenAndWait(path + " " + std::to_string(GetCurrentProcessId()));
}

}  // namespace hosting
