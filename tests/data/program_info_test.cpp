// The built executable's application manifest and version resource, read back
// through the system's own functions, and the program starting with them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "hosting/pe_image.h"

namespace {

std::string ExecutablePath() {
  std::string path = CLICKER_EXE;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// The manifest as the system loader finds it: RT_MANIFEST, resource 1.
std::string ManifestOf(const std::string& path) {
  HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (module == nullptr) return "";
  std::string text;
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  if (found != nullptr) {
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes != nullptr)
      text.assign(static_cast<const char*>(bytes), SizeofResource(module, found));
  }
  FreeLibrary(module);
  return text;
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(ProgramInfoTest, TheManifestAsksForWhatTheProgramNeedsAndNothingElse) {
  const std::string manifest = ManifestOf(ExecutablePath());
  ASSERT_FALSE(manifest.empty());
  EXPECT_TRUE(Contains(manifest, "<requestedExecutionLevel level=\"asInvoker\""));
  for (const char* os : {"{e2011457-1546-43c5-a5fe-008deee3d3f0}",     // Vista
                         "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",     // 7
                         "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",     // 8
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",     // 8.1
                         "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}) {  // 10 and 11
    EXPECT_TRUE(Contains(manifest, std::string("<supportedOS Id=\"") + os + "\"/>")) << os;
  }
  EXPECT_TRUE(Contains(manifest, ">true/pm</dpiAware>"));
  EXPECT_TRUE(Contains(manifest, ">PerMonitorV2, PerMonitor</dpiAwareness>"));
  EXPECT_TRUE(Contains(manifest, "http://schemas.microsoft.com/SMI/2016/WindowsSettings"));
  EXPECT_FALSE(Contains(manifest, "Microsoft.Windows.Common-Controls"));
  EXPECT_FALSE(Contains(manifest, "<dependency"));
}

// A value of the version resource's Simplified Chinese string table.
std::string VersionString(const std::vector<char>& info, const char* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::string key = std::string("\\StringFileInfo\\080404b0\\") + name;
  if (!VerQueryValueA(info.data(), key.c_str(), &value, &length) || value == nullptr) return "";
  return static_cast<const char*>(value);
}

TEST(ProgramInfoTest, TheVersionResourceCarriesTheBuildsVersionAndTheProductName) {
  const std::string path = ExecutablePath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, DWORD{CLICKER_VERSION_MAJOR << 16 | CLICKER_VERSION_MINOR});
  EXPECT_EQ(fixed->dwFileVersionLS, DWORD{CLICKER_VERSION_PATCH << 16});
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, DWORD{VFT_APP});

  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &length));
  ASSERT_GE(length, 4u);
  EXPECT_EQ(translation[0], 0x0804);
  EXPECT_EQ(translation[1], 1200);

  // The ANSI forms answer in the system code page, 936 here.
  EXPECT_EQ(VersionString(info, "ProductName"), "鼠标坐标");
  EXPECT_EQ(VersionString(info, "FileDescription"), "鼠标连点工具");
  EXPECT_EQ(VersionString(info, "FileVersion"), CLICKER_VERSION_TEXT);
  EXPECT_EQ(VersionString(info, "ProductVersion"), CLICKER_VERSION_TEXT);
  EXPECT_EQ(VersionString(info, "OriginalFilename"), "clicker.exe");
}

// This test program carries the same manifest: the system took its DPI
// setting, so the program's coordinates are physical pixels.
TEST(ProgramInfoTest, TheManifestMakesTheProcessPerMonitorDpiAware) {
  using GetContext = HANDLE(WINAPI*)();
  using AwarenessOf = int(WINAPI*)(HANDLE);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  auto getContext = reinterpret_cast<GetContext>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
  auto awarenessOf = reinterpret_cast<AwarenessOf>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
  ASSERT_NE(getContext, nullptr);
  ASSERT_NE(awarenessOf, nullptr);
  EXPECT_EQ(awarenessOf(getContext()), 2);  // DPI_AWARENESS_PER_MONITOR_AWARE
  EXPECT_TRUE(IsProcessDPIAware());
}

struct WindowSearch {
  DWORD process;
  bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process && IsWindowVisible(window)) {
    search->found = true;
    return FALSE;
  }
  return TRUE;
}

TEST(ProgramInfoTest, TheProgramStartsWithItsManifestAndShowsAWindow) {
  std::string line = "\"" + ExecutablePath() + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << GetLastError();
  // The first window is the instructions box; under emulation it takes a while.
  WindowSearch search{process.dwProcessId, false};
  for (int i = 0; i < 1200 && !search.found; ++i) {
    if (WaitForSingleObject(process.hProcess, 100) == WAIT_OBJECT_0) break;
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
  }
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_TRUE(search.found);
  EXPECT_EQ(code, DWORD{STILL_ACTIVE});
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

// The names of every function the executable imports, "dll!function" (an
// import by ordinal as "dll!#n"), read from its file: the headers and
// sections through the loader's own reader, then the import table.
std::vector<std::string> ImportsOf(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<uint8_t> image((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  std::vector<std::string> names;
  hosting::ImageHeaders headers;
  const uint16_t machine = hosting::PeekMachine(image.data(), image.size());
  if (hosting::ReadHeaders(image.data(), image.size(), machine, headers) !=
      hosting::LoadError::kNone)
    return names;
  auto read32 = [&](size_t at) -> uint32_t {
    return at + 4 <= image.size() ? hosting::Read32(image.data() + at) : 0;
  };
  // Where an address of the mapped image lies in the file.
  auto offsetOf = [&](uint64_t rva) -> size_t {
    for (uint32_t i = 0; i < headers.numberOfSections; ++i) {
      const hosting::SectionHeader section = hosting::ReadSection(image.data(), headers, i);
      if (rva >= section.virtualAddress && rva < section.virtualAddress + section.sizeOfRawData)
        return static_cast<size_t>(rva - section.virtualAddress + section.pointerToRawData);
    }
    return image.size();
  };
  auto text = [&](size_t at) {
    return hosting::TextInside(image.data(), image.size(), at)
               ? std::string(reinterpret_cast<const char*>(image.data() + at))
               : std::string();
  };
  const bool wide = headers.pe32Plus;
  const uint32_t importRva = headers.directories[hosting::kDirectoryImport].virtualAddress;
  for (size_t descriptor = offsetOf(importRva); read32(descriptor + 12) != 0; descriptor += 20) {
    std::string dll = text(offsetOf(read32(descriptor + 12)));
    for (char& c : dll) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    uint32_t thunks = read32(descriptor);
    if (thunks == 0) thunks = read32(descriptor + 16);
    for (size_t entry = offsetOf(thunks);; entry += wide ? 8 : 4) {
      const uint64_t value =
          wide ? read32(entry) | (uint64_t{read32(entry + 4)} << 32) : read32(entry);
      if (value == 0) break;
      const bool byOrdinal = wide ? (value >> 63) != 0 : (value >> 31) != 0;
      names.push_back(dll + "!" +
                      (byOrdinal ? "#" + std::to_string(value & 0xFFFF)
                                 : text(offsetOf(static_cast<uint32_t>(value)) + 2)));
    }
  }
  return names;
}

TEST(ProgramInfoTest, TheProgramImportsNothingWindows7Lacks) {
  // The per-monitor DPI functions are looked up while the program runs.
  const std::vector<std::string> imports = ImportsOf(ExecutablePath());
  ASSERT_GT(imports.size(), 20u);
  bool user32 = false;
  for (const std::string& name : imports) {
    user32 = user32 || name.rfind("user32.dll!", 0) == 0;
    EXPECT_EQ(name.find("shcore.dll"), std::string::npos) << name;
    EXPECT_EQ(name.find("api-ms-win-"), std::string::npos) << name;
    for (const char* newer :
         {"GetDpiForWindow", "GetDpiForMonitor", "GetDpiForSystem", "AdjustWindowRectExForDpi",
          "SystemParametersInfoForDpi", "GetSystemMetricsForDpi", "SetThreadDpiAwarenessContext",
          "SetProcessDpiAwarenessContext", "EnableNonClientDpiScaling"})
      EXPECT_EQ(name.find(std::string("!") + newer), std::string::npos) << name;
  }
  EXPECT_TRUE(user32);
}

}  // namespace
