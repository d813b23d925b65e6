// The loader's core on real images of both machines, with a table standing in
// for the operating system.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "hosting/pe_module.h"
#include "tests/hosting/table_system.h"
#include "tests/hosting/test_images.h"

namespace hosting {
namespace {

class SampleTest : public ::testing::TestWithParam<TestImage> {
 protected:
  void SetUp() override { system.AnswerAll(); }
  const TestImage& image() const { return GetParam(); }
  bool Load() { return module.Load(system, image().bytes.data(), image().bytes.size()); }
  // The pointer-sized value at `address` inside the region.
  uint64_t PointerAt(uintptr_t address) const {
    uint64_t value = 0;
    std::memcpy(&value, reinterpret_cast<const void*>(address), image().machine == 0x8664 ? 8 : 4);
    return value;
  }
  // A pointer stored in the image, taken back to an address of the region.
  uintptr_t Resolve(uint64_t stored) const {
    if (image().machine == 0x8664) return static_cast<uintptr_t>(stored);
    // 32-bit images on this 64-bit host: the low half of the region's address.
    uint32_t offset = static_cast<uint32_t>(stored) - static_cast<uint32_t>(module.Handle());
    return module.Handle() + offset;
  }
  bool RegionHolds(uint64_t value) const {
    size_t width = image().machine == 0x8664 ? 8 : 4;
    auto* base = reinterpret_cast<const uint8_t*>(module.Handle());
    for (size_t off = 0; off + width <= module.Size(); off += width) {
      uint64_t v = 0;
      std::memcpy(&v, base + off, width);
      if (v == value) return true;
    }
    return false;
  }

  TableSystem system{GetParam().machine};
  PeModule module;
};

TEST_P(SampleTest, MapsAndFindsNamedAndOrdinalExports) {
  ASSERT_TRUE(Load()) << LoadErrorText(module.LastError());
  uintptr_t base = module.Handle();
  uintptr_t add = module.FindExport("Add");
  ASSERT_NE(add, 0u);
  EXPECT_GT(add, base);
  EXPECT_LT(add, base + module.Size());

  // Ordinals are decimal text equal to their own value; anything else is a name.
  EXPECT_EQ(module.FindExport("1"), add);
  EXPECT_EQ(module.FindExport("10"), add);  // Sum = Add
  EXPECT_EQ(module.FindExport("Sum"), add);
  EXPECT_EQ(module.FindExport("01"), 0u);
  EXPECT_EQ(module.FindExport("+1"), 0u);
  EXPECT_EQ(module.FindExport("-1"), 0u);
  EXPECT_EQ(module.FindExport(""), 0u);
  EXPECT_EQ(module.FindExport("add"), 0u);  // case matters
  EXPECT_EQ(module.FindExport("999"), 0u);
  EXPECT_EQ(module.FindExport("99999999999999999999"), 0u);
  // Gaps in the ordinals have address 0; an ordinal-only export has no name.
  EXPECT_EQ(module.FindExport("5"), 0u);
  EXPECT_EQ(module.FindExport("7"), 0u);
  EXPECT_NE(module.FindExport("8"), 0u);
  EXPECT_EQ(module.FindExport("Hidden"), 0u);
  EXPECT_EQ(module.FindExport("Zeta"), module.FindExport("9"));
  EXPECT_NE(module.FindExport("Zeta"), add);
}

TEST_P(SampleTest, RelocatesPointersToTheRegion) {
  ASSERT_TRUE(Load());
  uintptr_t words = module.FindExport("Words");
  ASSERT_NE(words, 0u);
  size_t width = image().machine == 0x8664 ? 8 : 4;
  const char* expected[] = {"alpha", "beta", "gamma"};
  for (int i = 0; i < 3; ++i) {
    uintptr_t text = Resolve(PointerAt(words + i * width));
    ASSERT_GE(text, module.Handle());
    ASSERT_LT(text, module.Handle() + module.Size());
    EXPECT_STREQ(reinterpret_cast<const char*>(text), expected[i]);
  }
}

TEST_P(SampleTest, TriesThePreferredBaseFirst) {
  ASSERT_TRUE(Load());
  ASSERT_EQ(system.reserveCalls.size(), 2u);
  EXPECT_EQ(system.reserveCalls[0].first, image().preferredBase);
  EXPECT_EQ(system.reserveCalls[1].first, 0u);
  EXPECT_EQ(system.reserveCalls[1].second, module.Size());
}

TEST_P(SampleTest, AsksTheResolverFirstThenTheSystem) {
  system.resolved = {{"RecordEntry", 0x44440000}};
  ASSERT_TRUE(Load());
  // Ordinals reach the resolver as decimal text and the system as a number.
  std::vector<std::string> asked = system.resolverCalls;
  std::sort(asked.begin(), asked.end());
  EXPECT_EQ(asked, (std::vector<std::string>{"KERNEL32.dll!GetCurrentThreadId", "hosthelp.dll!7",
                                             "hosthelp.dll!RecordEntry"}));
  std::vector<std::string> fallbacks = system.procedureCalls;
  std::sort(fallbacks.begin(), fallbacks.end());
  EXPECT_EQ(fallbacks, (std::vector<std::string>{"#7", "GetCurrentThreadId"}));
  EXPECT_TRUE(RegionHolds(0x44440000));
  EXPECT_TRUE(RegionHolds(0x22220000));
  EXPECT_TRUE(RegionHolds(0x33330000));
  EXPECT_FALSE(RegionHolds(0x11110000));
}

TEST_P(SampleTest, AnUnresolvedImportFailsTheLoadAndReleasesTheRegion) {
  system.procedures.erase("#7");
  EXPECT_FALSE(Load());
  EXPECT_EQ(module.LastError(), LoadError::kUnresolvedImport);
  EXPECT_EQ(module.Handle(), 0u);
  EXPECT_TRUE(system.regions.empty());
  EXPECT_EQ(system.releaseCalls, 1);
  EXPECT_TRUE(system.entryCalls.empty());
}

TEST_P(SampleTest, RunsTheEntryPointForAttachAndDetach) {
  ASSERT_TRUE(Load());
  uint64_t entry = module.EntryPoint();
  EXPECT_GT(entry, module.Handle());
  ASSERT_EQ(system.entryCalls.size(), 1u);
  EXPECT_EQ(system.entryCalls[0], std::make_pair(entry, 1u));
  EXPECT_TRUE(module.Unload(system));
  ASSERT_EQ(system.entryCalls.size(), 2u);
  EXPECT_EQ(system.entryCalls[1], std::make_pair(entry, 0u));
  EXPECT_TRUE(system.regions.empty());
  EXPECT_EQ(module.Handle(), 0u);
}

TEST_P(SampleTest, AnEntryPointRefusingTheAttachIsDetachedAndReleased) {
  system.attachResult = 0;
  EXPECT_FALSE(Load());
  EXPECT_EQ(module.LastError(), LoadError::kEntryPointRefused);
  ASSERT_EQ(system.entryCalls.size(), 2u);
  EXPECT_EQ(system.entryCalls[0].second, 1u);
  EXPECT_EQ(system.entryCalls[1].second, 0u);
  EXPECT_TRUE(system.regions.empty());
}

TEST_P(SampleTest, LoadingAgainUnloadsTheFirstImage) {
  ASSERT_TRUE(Load());
  ASSERT_TRUE(Load());
  ASSERT_EQ(system.entryCalls.size(), 3u);
  EXPECT_EQ(system.entryCalls[1].second, 0u);  // the first image's detach
  EXPECT_EQ(system.entryCalls[1].first, system.entryCalls[0].first);
  EXPECT_EQ(system.releaseCalls, 1);
  EXPECT_EQ(system.regions.size(), 1u);
  EXPECT_EQ(system.regions.count(reinterpret_cast<uint8_t*>(module.Handle())), 1u);
}

TEST_P(SampleTest, AnImageOfTheOtherMachineIsRefusedBeforeAnyRegion) {
  TableSystem other(image().machine == 0x8664 ? 0x014C : 0x8664);
  EXPECT_FALSE(module.Load(other, image().bytes.data(), image().bytes.size()));
  EXPECT_EQ(module.LastError(), LoadError::kWrongMachine);
  EXPECT_TRUE(other.reserveCalls.empty());
}

TEST_P(SampleTest, TheEngineExportsItsTwoFunctionsUndecorated) {
  TestImage engine = EngineImage(image().arch);
  struct AnyImport : TableSystem {
    using TableSystem::TableSystem;
    uint64_t FindProcedure(void*, const char*) override { return 0x1000; }
  } any(image().machine);
  ASSERT_TRUE(module.Load(any, engine.bytes.data(), engine.bytes.size()))
      << LoadErrorText(module.LastError());
  EXPECT_NE(module.FindExport("SkinH_AttachRes"), 0u);
  EXPECT_NE(module.FindExport("SkinH_Detach"), 0u);
  EXPECT_EQ(module.FindExport("SkinH_AttachRes@24"), 0u);
}

TEST_P(SampleTest, ANullKeyFindsNothing) {
  PeModule empty;
  EXPECT_EQ(empty.FindExport(nullptr), 0u);
  EXPECT_EQ(empty.LookupError(), LoadError::kNoSuchExport);
  ASSERT_TRUE(Load());
  EXPECT_EQ(module.FindExport(nullptr), 0u);
  EXPECT_EQ(module.LookupError(), LoadError::kNoSuchExport);
  EXPECT_EQ(module.FindExport(system, nullptr), 0u);
  EXPECT_EQ(module.LookupError(), LoadError::kNoSuchExport);
}

INSTANTIATE_TEST_SUITE_P(BothMachines, SampleTest, ::testing::ValuesIn(SampleImages()),
                         [](const auto& p) { return p.param.arch; });

TEST(EmptyModule, HasNothingToOffer) {
  TableSystem system(0x014C);
  PeModule module;
  EXPECT_TRUE(module.Unload(system));
  EXPECT_EQ(module.FindExport("Add"), 0u);
  EXPECT_EQ(module.FindExport("1"), 0u);
  EXPECT_EQ(module.EntryPoint(), 0u);
  EXPECT_EQ(module.Handle(), 0u);
  EXPECT_TRUE(system.entryCalls.empty());
}

}  // namespace
}  // namespace hosting
