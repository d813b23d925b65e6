// The working-set trim: the carried utility on its own, and TrimWorkingSet
// writing it into the Windows directory and running it on this process.

#include "hosting/working_set.h"

#include <windows.h>
// after windows.h
#include <psapi.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern const unsigned char kArgsProbeImage[];
extern const unsigned int kArgsProbeImageSize;

namespace hosting {
namespace {

std::string ReadWhole(const std::string& path) {
  std::string data;
  HANDLE file =
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return data;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    data.append(buffer, got);
  CloseHandle(file);
  return data;
}

void WriteWhole(const std::string& path, const void* bytes, size_t size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(file, bytes, static_cast<DWORD>(size), &written, nullptr);
  CloseHandle(file);
}

// Exit code of `commandLine`, -1 when it did not start.
long RunForExitCode(const std::string& commandLine) {
  std::string line = commandLine;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<long>(code);
}

size_t WorkingSetKiB() {
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize / 1024;
}

bool UnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

std::vector<std::string> LeftoverTemporaries(const std::string& path) {
  std::vector<std::string> found;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA((path + ".*.tmp").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return found;
  do found.push_back(data.cFileName);
  while (FindNextFileA(find, &data));
  FindClose(find);
  return found;
}

class WorkingSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = UtilityPath();
    // A program of ours that ran before in this prefix may have started the
    // utility on its way out; the file is free once that copy has ended.
    static int patience = 300;  // 30 s for the whole run, not for every test
    while (!DeleteFileA(path.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND && patience > 0) {
      --patience;
      Sleep(100);
    }
    DeleteFileA((path + ".txt").c_str());
  }
  void TearDown() override {
    DeleteFileA(path.c_str());
    DeleteFileA((path + ".txt").c_str());
  }
  std::string path;
};

TEST_F(WorkingSetTest, TheUtilityPathIsInTheWindowsDirectory) {
  char windows[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
  EXPECT_EQ(_stricmp(path.c_str(), (std::string(windows) + "\\empty.exe").c_str()), 0);
}

TEST_F(WorkingSetTest, TheUtilityTakesOnlyADecimalProcessId) {
  ASSERT_TRUE(EnsureFile(path, UtilityImage(), UtilityImageSize()));
  std::string self = std::to_string(GetCurrentProcessId());
  EXPECT_EQ(RunForExitCode(path + " " + self), 0);
  EXPECT_EQ(RunForExitCode("\"" + path + "\" " + self + " "), 0);
  for (const char* bad :
       {"", " ", "abc", "12x", "0", "-5", "+5", "1 2", "99999999999", "4294967296"}) {
    EXPECT_EQ(RunForExitCode(path + " " + bad), 2) << "[" << bad << "]";
  }
  EXPECT_EQ(RunForExitCode(path + " 4294967292"), 3);  // no such process
}

TEST_F(WorkingSetTest, TrimWritesTheUtilityOnceAndRunsIt) {
  TrimWorkingSet();
  std::string written = ReadWhole(path);
  ASSERT_EQ(written.size(), UtilityImageSize());
  EXPECT_EQ(written,
            std::string(reinterpret_cast<const char*>(UtilityImage()), UtilityImageSize()));
  EXPECT_TRUE(LeftoverTemporaries(path).empty());
}

TEST_F(WorkingSetTest, AnExistingFileIsRunUnchangedWithQuotedPathSpaceAndPidHidden) {
  WriteWhole(path, kArgsProbeImage, kArgsProbeImageSize);
  TrimWorkingSet();
  EXPECT_EQ(ReadWhole(path).size(), kArgsProbeImageSize);  // not rewritten
  std::string seen = ReadWhole(path + ".txt");
  std::string expected = "\"" + path + "\" " + std::to_string(GetCurrentProcessId()) + "\n1 0\n";
  EXPECT_EQ(seen, expected);  // STARTF_USESHOWWINDOW with SW_HIDE
}

// Sets "windir" for one test and puts the old value back.
class WindirOverride {
 public:
  explicit WindirOverride(const char* value) {
    const char* old = std::getenv("windir");
    had_ = old != nullptr;
    if (had_) old_ = old;
    _putenv((std::string("windir=") + (value ? value : "")).c_str());
  }
  ~WindirOverride() { _putenv((std::string("windir=") + (had_ ? old_ : "")).c_str()); }

 private:
  bool had_ = false;
  std::string old_;
};

TEST_F(WorkingSetTest, WithoutWindirTheWindowsFolderIsTheSystemsOwn) {
  char windows[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
  {
    WindirOverride unset(nullptr);
    ASSERT_EQ(std::getenv("windir"), nullptr);
    EXPECT_EQ(UtilityPath(), std::string(windows) + "\\empty.exe");
  }
}

// Unquoted, "C:\trim test\win dir\empty.exe 12" would start C:\trim test\win.exe.
TEST_F(WorkingSetTest, AWindowsFolderWithASpaceRunsOurFileNotAPrefixOfItsPath) {
  const std::string root = "C:\\trim test";
  const std::string folder = root + "\\win dir";
  CreateDirectoryA(root.c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string ours = folder + "\\empty.exe";
  const std::string prefix = root + "\\win.exe";
  WriteWhole(ours, kArgsProbeImage, kArgsProbeImageSize);
  WriteWhole(prefix, kArgsProbeImage, kArgsProbeImageSize);
  {
    WindirOverride windir(folder.c_str());
    ASSERT_EQ(UtilityPath(), ours);
    EXPECT_EQ(UtilityCommandLine(ours, 12), "\"" + ours + "\" 12");
    TrimWorkingSet();
  }
  EXPECT_EQ(ReadWhole(ours + ".txt"),
            "\"" + ours + "\" " + std::to_string(GetCurrentProcessId()) + "\n1 0\n");
  EXPECT_EQ(ReadWhole(prefix + ".txt"), "");
  for (const std::string& file : {ours, ours + ".txt", prefix, prefix + ".txt"}) {
    DeleteFileA(file.c_str());
  }
  RemoveDirectoryA(folder.c_str());
  RemoveDirectoryA(root.c_str());
}

TEST_F(WorkingSetTest, NoTemporaryOutlivesAFailedWriteOrItsWriter) {
  // A write that fails removes its temporary at once.
  EXPECT_FALSE(EnsureFile(path, nullptr, 4096));
  EXPECT_TRUE(LeftoverTemporaries(path).empty());
  EXPECT_EQ(ReadWhole(path), "");

  // One of a writer that ended midway goes with the next trim; one of a
  // writer still at work stays.
  const std::string abandoned = path + ".4294967292.7.tmp";
  const std::string working = path + "." + std::to_string(GetCurrentProcessId()) + ".1.tmp";
  WriteWhole(abandoned, "MZ", 2);
  WriteWhole(working, "MZ", 2);
  ASSERT_EQ(LeftoverTemporaries(path).size(), 2u);
  TrimWorkingSet();
  EXPECT_EQ(
      LeftoverTemporaries(path),
      std::vector<std::string>{"empty.exe." + std::to_string(GetCurrentProcessId()) + ".1.tmp"});
  EXPECT_EQ(ReadWhole(path).size(), UtilityImageSize());
  // Also when the utility is there already.
  WriteWhole(abandoned, "MZ", 2);
  TrimWorkingSet();
  EXPECT_EQ(LeftoverTemporaries(path).size(), 1u);
  DeleteFileA(working.c_str());
  DeleteFileA(abandoned.c_str());
}

TEST_F(WorkingSetTest, AFileThatIsNoProgramEndsTheTrimQuietly) {
  const char junk[] = "not a program";
  WriteWhole(path, junk, sizeof junk - 1);
  TrimWorkingSet();
  EXPECT_EQ(ReadWhole(path), junk);
}

TEST_F(WorkingSetTest, TrimsRacingForTheFileLeaveOneCompleteCopy) {
  std::vector<std::thread> trims;
  for (int i = 0; i < 4; ++i) trims.emplace_back([] { TrimWorkingSet(); });
  for (auto& t : trims) t.join();
  EXPECT_EQ(ReadWhole(path).size(), UtilityImageSize());
  EXPECT_TRUE(LeftoverTemporaries(path).empty());
}

TEST_F(WorkingSetTest, AnUnwritableFolderEndsTheTrimQuietly) {
  EXPECT_FALSE(EnsureFile("Z:\\no\\such\\folder\\empty.exe", UtilityImage(), UtilityImageSize()));
  EXPECT_FALSE(RunHiddenAndWait("Z:\\no\\such\\folder\\empty.exe 1"));
}

// Touches 64 MiB, runs the trim on this process and records the working set
// before and after. On Windows the set must shrink. Wine accepts the call and
// trims nothing, so there the figures are only recorded; that the meter itself
// is live shows in the drop after half the block is decommitted.
TEST_F(WorkingSetTest, MeasuresTheWorkingSetAroundATrim) {
  const size_t size = 64u << 20;
  auto* block =
      static_cast<char*>(VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
  ASSERT_NE(block, nullptr);
  for (size_t i = 0; i < size; i += 4096) static_cast<volatile char*>(block)[i] = 1;
  size_t before = WorkingSetKiB();
  TrimWorkingSet();
  size_t after = WorkingSetKiB();
  VirtualFree(block + size / 2, size / 2, MEM_DECOMMIT);
  size_t decommitted = WorkingSetKiB();
  bool wine = UnderWine();

  char line[256];
  std::snprintf(line, sizeof line,
                "%s %s: working set %zu KiB before the trim, %zu KiB after it, "
                "%zu KiB after decommitting 32 MiB\n",
                HOSTING_ARCH, wine ? "wine" : "windows", before, after, decommitted);
  std::ofstream(std::string(HOSTING_ARTEFACTS) + "/working_set_" + HOSTING_ARCH + ".txt") << line;
  RecordProperty("working_set_before_kib", static_cast<int>(before));
  RecordProperty("working_set_after_kib", static_cast<int>(after));
  std::printf("%s", line);
  if (!wine) {
    EXPECT_LT(after, before / 2);
  } else {
    EXPECT_LT(decommitted + 16 * 1024, after);
  }
  VirtualFree(block, 0, MEM_RELEASE);
}

}  // namespace
}  // namespace hosting
