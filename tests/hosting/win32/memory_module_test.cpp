// The loader on Windows: the sample DLL mapped from a byte array and called.

#include "hosting/memory_module.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

extern const unsigned char kSampleImage[];
extern const unsigned int kSampleImageSize;

namespace hosting {
namespace {

#if defined(__x86_64__)
const uintptr_t kPreferredBase = 0x2A0000000;
#else
const uintptr_t kPreferredBase = 0x1A000000;
#endif

// What the sample's entry point reported through RecordEntry, and what it is
// told to answer to the attach.
std::vector<unsigned> gReasons;
int gAttachAnswer = 1;
std::vector<std::string> gAsked;

int RecordEntry(unsigned reason) {
  gReasons.push_back(reason);
  return reason == 1 ? gAttachAnswer : 1;
}

uintptr_t __stdcall SupplyRecordEntry(const char* module, const char* key, uintptr_t context) {
  gAsked.push_back(std::string(module) + "!" + key);
  EXPECT_EQ(context, 0x1234u);
  if (std::strcmp(key, "RecordEntry") == 0) return reinterpret_cast<uintptr_t>(&RecordEntry);
  return 0;
}

template <typename F>
F Export(const MemoryModule& module, const char* name) {
  uintptr_t address = module.FindExport(name);
  EXPECT_NE(address, 0u) << name;
  return reinterpret_cast<F>(address);
}

bool RegionFree(uintptr_t address) {
  MEMORY_BASIC_INFORMATION info;
  if (VirtualQuery(reinterpret_cast<void*>(address), &info, sizeof info) == 0) return true;
  return info.State == MEM_FREE;
}

class MemoryModuleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gReasons.clear();
    gAsked.clear();
    gAttachAnswer = 1;
    ASSERT_TRUE(RegionFree(kPreferredBase));
  }
  void TearDown() override { module.Unload(); }
  bool Load(const unsigned char* image = kSampleImage, size_t size = kSampleImageSize) {
    return module.Load(image, size, SupplyRecordEntry, 0x1234);
  }
  MemoryModule module;
};

TEST_F(MemoryModuleTest, MapsFromBytesAndCallsIntoTheImage) {
  ASSERT_TRUE(Load()) << LoadErrorText(module.LastError());
  EXPECT_EQ(module.Handle(), kPreferredBase);
  EXPECT_EQ(Export<int (*)(int, int)>(module, "Add")(2, 3), 5);
  EXPECT_EQ(Export<int (*)(int, int)>(module, "1")(40, 2), 42);
  EXPECT_STREQ(Export<const char* (*)(int)>(module, "Word")(1), "beta");
  auto next = Export<int (*)()>(module, "NextCount");
  EXPECT_EQ(next(), 42);
  EXPECT_EQ(next(), 43);
  EXPECT_EQ(Export<unsigned long (*)()>(module, "ThreadIdThroughImport")(), GetCurrentThreadId());
  EXPECT_EQ(Export<int (*)()>(module, "8")(), 5);  // ordinal-only
  EXPECT_EQ(module.FindExport("Hidden"), 0u);
  EXPECT_GT(module.EntryPoint(), module.Handle());
}

TEST_F(MemoryModuleTest, IsRelocatedWhenItsPreferredBaseIsTaken) {
  void* blocker =
      VirtualAlloc(reinterpret_cast<void*>(kPreferredBase), 0x10000, MEM_RESERVE, PAGE_NOACCESS);
  ASSERT_EQ(reinterpret_cast<uintptr_t>(blocker), kPreferredBase);
  ASSERT_TRUE(Load());
  EXPECT_NE(module.Handle(), kPreferredBase);
  auto word = Export<const char* (*)(int)>(module, "Word");
  for (int i = 0; i < 3; ++i) {
    uintptr_t text = reinterpret_cast<uintptr_t>(word(i));
    EXPECT_GT(text, module.Handle());
    EXPECT_LT(text, module.Handle() + 0x10000);
  }
  EXPECT_STREQ(word(0), "alpha");
  EXPECT_STREQ(word(2), "gamma");
  EXPECT_EQ(Export<int (*)(int, int)>(module, "Sum")(7, 8), 15);
  VirtualFree(blocker, 0, MEM_RELEASE);
}

TEST_F(MemoryModuleTest, AsksTheResolverFirstThenGetProcAddress) {
  ASSERT_TRUE(Load());
  std::sort(gAsked.begin(), gAsked.end());
  EXPECT_EQ(gAsked, (std::vector<std::string>{"KERNEL32.dll!GetCurrentThreadId", "hosthelp.dll!7",
                                              "hosthelp.dll!RecordEntry"}));
  // The resolver gave the entry point our recorder; the ordinal came from the
  // real hosthelp.dll.
  EXPECT_EQ(gReasons, std::vector<unsigned>{1});
  EXPECT_EQ(Export<int (*)()>(module, "CallHelperByOrdinal")(), 0x7007);
  // Without a resolver everything comes from the system.
  MemoryModule plain;
  ASSERT_TRUE(plain.Load(kSampleImage, kSampleImageSize));
  EXPECT_EQ(gReasons, std::vector<unsigned>{1});
  EXPECT_EQ(Export<int (*)()>(plain, "CallHelperByOrdinal")(), 0x7007);
  EXPECT_TRUE(plain.Unload());
}

TEST_F(MemoryModuleTest, RunsTheEntryPointOnAttachAndDetachAndReleases) {
  ASSERT_TRUE(Load());
  uintptr_t base = module.Handle();
  EXPECT_EQ(gReasons, std::vector<unsigned>{1});
  EXPECT_TRUE(module.Unload());
  EXPECT_EQ(gReasons, (std::vector<unsigned>{1, 0}));
  EXPECT_EQ(module.Handle(), 0u);
  EXPECT_TRUE(RegionFree(base));
  EXPECT_TRUE(module.Unload());  // nothing mapped
  EXPECT_EQ(module.FindExport("Add"), 0u);
  EXPECT_EQ(module.EntryPoint(), 0u);
}

TEST_F(MemoryModuleTest, LoadingAgainDetachesTheFirstImage) {
  ASSERT_TRUE(Load());
  MemoryModule copy = module;  // names the same image
  EXPECT_EQ(copy.Handle(), module.Handle());
  ASSERT_TRUE(Load());
  EXPECT_EQ(gReasons, (std::vector<unsigned>{1, 0, 1}));
}

TEST_F(MemoryModuleTest, AnEntryPointRefusingTheAttachLeavesNoRegion) {
  gAttachAnswer = 0;
  EXPECT_FALSE(Load());
  EXPECT_EQ(module.LastError(), LoadError::kEntryPointRefused);
  EXPECT_EQ(gReasons, (std::vector<unsigned>{1, 0}));
  EXPECT_EQ(module.Handle(), 0u);
  EXPECT_TRUE(RegionFree(kPreferredBase));
}

TEST_F(MemoryModuleTest, AnUnresolvedImportLeavesNoRegion) {
  std::vector<unsigned char> image(kSampleImage, kSampleImage + kSampleImageSize);
  const char name[] = "RecordEntry";
  auto at = std::search(image.begin(), image.end(), name, name + sizeof name - 1);
  ASSERT_NE(at, image.end());
  at[sizeof name - 2] = 'z';  // RecordEntrz: neither the resolver nor hosthelp.dll has it
  EXPECT_FALSE(Load(image.data(), image.size()));
  EXPECT_EQ(module.LastError(), LoadError::kUnresolvedImport);
  EXPECT_TRUE(gReasons.empty());
  EXPECT_TRUE(RegionFree(kPreferredBase));
}

TEST_F(MemoryModuleTest, ARefusedHeaderReservesNothing) {
  std::vector<unsigned char> image(kSampleImage, kSampleImage + kSampleImageSize);
  uint32_t nt;
  std::memcpy(&nt, &image[60], 4);
  image[nt + 22] &= ~2;  // not an executable image
  EXPECT_FALSE(Load(image.data(), image.size()));
  EXPECT_EQ(module.LastError(), LoadError::kNotExecutable);
  EXPECT_FALSE(Load(image.data(), 63));
  EXPECT_TRUE(RegionFree(kPreferredBase));
}

// Zeta's address entry made a forwarder to kernel32 in the mapped image: the
// text goes over the image's own name inside the export directory.
TEST_F(MemoryModuleTest, AForwardedExportIsTheAddressInItsModule) {
  ASSERT_TRUE(Load()) << LoadErrorText(module.LastError());
  auto* base = reinterpret_cast<uint8_t*>(module.Handle());
  const uint8_t* nt = base + Read32(base + 60);
  const uint8_t* directories = nt + 24 + (sizeof(void*) == 8 ? 112 : 96);
  const uint32_t exportRva = Read32(directories);
  const uint32_t exportSize = Read32(directories + 4);
  uint8_t* exports = base + exportRva;
  const uint32_t nameRva = Read32(exports + 12);
  const char forwarder[] = "kernel32.Sleep";
  ASSERT_LE(nameRva + sizeof forwarder, exportRva + exportSize);
  std::memcpy(base + nameRva, forwarder, sizeof forwarder);
  uint8_t* functions = base + Read32(exports + 28);
  Write32(functions + 4 * (9 - Read32(exports + 16)), nameRva);  // Zeta is ordinal 9

  const auto sleep =
      reinterpret_cast<uintptr_t>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "Sleep"));
  ASSERT_NE(sleep, 0u);
  EXPECT_EQ(module.FindExport("9"), sleep);
  EXPECT_EQ(module.LookupError(), LoadError::kNone);
  EXPECT_EQ(module.FindExport("Zeta"), sleep);
  std::memcpy(base + nameRva, "kernel32.None", sizeof "kernel32.None");
  EXPECT_EQ(module.FindExport("9"), 0u);
  EXPECT_EQ(module.LookupError(), LoadError::kUnresolvedForwarder);
}

}  // namespace
}  // namespace hosting
