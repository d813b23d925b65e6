// Images damaged field by field: each is refused with its own reason and
// leaves no region behind; the few changes a sound image may carry are mapped.

#include <gtest/gtest.h>
#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "hosting/pe_module.h"
#include "tests/hosting/table_system.h"
#include "tests/hosting/test_images.h"

namespace hosting {
namespace {

using Image = std::vector<uint8_t>;

struct Damage {
  const char* what;
  std::function<void(Image&)> apply;
  LoadError expected;
};

uint32_t ExportTable(const Image& img, int field) {  // field offset inside the directory
  Layout l(img);
  return l.RvaToFile(Get32(img, l.Directory(0))) + field;
}

uint32_t FirstImport(const Image& img) {
  Layout l(img);
  return l.RvaToFile(Get32(img, l.Directory(1)));
}

// File offset of the first import thunk that names its function; the linker
// does not keep the order of the imported modules from one build to the next.
uint32_t FirstNamedThunk(const Image& img) {
  Layout l(img);
  const uint32_t width = l.pe32Plus ? 8 : 4;
  for (uint32_t d = FirstImport(img); Get32(img, d + 12) != 0; d += 20) {
    for (uint32_t t = l.RvaToFile(Get32(img, d + 16));
         Get32(img, t) != 0 || Get32(img, t + width - 4) != 0; t += width) {
      if ((Get32(img, t + width - 4) & 0x80000000u) == 0) return t;
    }
  }
  ADD_FAILURE() << "the image imports nothing by name";
  return 0;
}

uint32_t FirstRelocBlock(const Image& img) {
  Layout l(img);
  return l.RvaToFile(Get32(img, l.Directory(5)));
}

std::vector<Damage> Damages() {
  return {
      {"63 bytes", [](Image& i) { i.resize(63); }, LoadError::kTooSmall},
      {"no MZ", [](Image& i) { i[1] = 'X'; }, LoadError::kNoDosSignature},
      {"negative e_lfanew", [](Image& i) { Put32(i, 60, 0x80000000u); },
       LoadError::kTruncatedHeaders},
      {"e_lfanew past the end", [](Image& i) { Put32(i, 60, static_cast<uint32_t>(i.size())); },
       LoadError::kTruncatedHeaders},
      {"ends inside the NT headers",
       [](Image& i) { i.resize(Layout(i).nt + (Layout(i).pe32Plus ? 263 : 247)); },
       LoadError::kTruncatedHeaders},
      {"PE signature", [](Image& i) { i[Layout(i).nt + 1] = 'F'; }, LoadError::kNoPeSignature},
      {"optional header magic", [](Image& i) { Put16(i, Layout(i).optional, 0x107); },
       LoadError::kBadOptionalHeader},
      {"optional header size", [](Image& i) { Put16(i, Layout(i).nt + 20, 0xE2); },
       LoadError::kBadOptionalHeader},
      {"not executable",
       [](Image& i) { Put16(i, Layout(i).nt + 22, Get16(i, Layout(i).nt + 22) & ~2); },
       LoadError::kNotExecutable},
      {"section count", [](Image& i) { Put16(i, Layout(i).nt + 6, 0xFFFF); },
       LoadError::kTruncatedSectionTable},
      {"ends inside the section table", [](Image& i) { i.resize(Layout(i).Section(1) + 10); },
       LoadError::kTruncatedSectionTable},
      {"raw data past the file",
       [](Image& i) { Put32(i, Layout(i).Section(0) + 20, static_cast<uint32_t>(i.size())); },
       LoadError::kBadSection},
      {"raw data offset wraps", [](Image& i) { Put32(i, Layout(i).Section(0) + 20, 0xFFFFFF00u); },
       LoadError::kBadSection},
      {"section alignment 0", [](Image& i) { Put32(i, Layout(i).optional + 32, 0); },
       LoadError::kBadSection},
      {"section beyond 4 GiB", [](Image& i) { Put32(i, Layout(i).Section(0) + 12, 0xFFFFF000u); },
       LoadError::kBadImageSize},
      {"image too large for any region",
       [](Image& i) { Put32(i, Layout(i).optional + 56, 0xFFFF0000u); }, LoadError::kNoRegion},
      {"relocation directory past the image",
       [](Image& i) { Put32(i, Layout(i).Directory(5), 0x7FFFFFF0); }, LoadError::kBadRelocations},
      {"relocation block shorter than its header",
       [](Image& i) { Put32(i, FirstRelocBlock(i) + 4, 4); }, LoadError::kBadRelocations},
      {"relocation block past the image",
       [](Image& i) { Put32(i, FirstRelocBlock(i) + 4, 0x7FFFFFF0); }, LoadError::kBadRelocations},
      {"relocation target past the image",
       [](Image& i) { Put32(i, FirstRelocBlock(i), 0x7FFFF000); }, LoadError::kBadRelocations},
      {"import directory past the image",
       [](Image& i) { Put32(i, Layout(i).Directory(1), 0x7FFFFFF0); }, LoadError::kBadImports},
      {"import module name past the image",
       [](Image& i) { Put32(i, FirstImport(i) + 12, 0x7FFFFFF0); }, LoadError::kBadImports},
      {"import thunk array past the image",
       [](Image& i) { Put32(i, FirstImport(i) + 16, 0x7FFFFFF0); }, LoadError::kBadImports},
      {"import name past the image", [](Image& i) { Put32(i, FirstNamedThunk(i), 0x7FFFFFF0); },
       LoadError::kBadImports},
      {"entry point past the image",
       [](Image& i) { Put32(i, Layout(i).optional + 16, 0x7FFFFFF0); }, LoadError::kBadEntryPoint},
  };
}

class DamageTest : public ::testing::TestWithParam<TestImage> {
 protected:
  void SetUp() override { system.AnswerAll(); }
  Image Copy() const { return GetParam().bytes; }
  bool Load(const Image& img) { return module.Load(system, img.data(), img.size()); }
  uint64_t Stored(uintptr_t address) const {
    uint64_t value = 0;
    std::memcpy(&value, reinterpret_cast<const void*>(address),
                GetParam().machine == 0x8664 ? 8 : 4);
    return value;
  }
  TableSystem system{GetParam().machine};
  PeModule module;
};

TEST_P(DamageTest, EveryDamagedFieldIsRefusedAndLeavesNoRegion) {
  for (const Damage& damage : Damages()) {
    SCOPED_TRACE(damage.what);
    Image img = Copy();
    damage.apply(img);
    TableSystem fresh(GetParam().machine);
    fresh.AnswerAll();
    PeModule m;
    EXPECT_FALSE(m.Load(fresh, img.data(), img.size()));
    EXPECT_EQ(m.LastError(), damage.expected) << LoadErrorText(m.LastError());
    EXPECT_EQ(m.Handle(), 0u);
    EXPECT_TRUE(fresh.regions.empty());
    EXPECT_TRUE(fresh.entryCalls.empty() || damage.expected == LoadError::kEntryPointRefused);
  }
}

TEST_P(DamageTest, ASmallSizeOfImageIsWidenedToTheLastSection) {
  Image img = Copy();
  uint32_t declared = Get32(img, Layout(img).optional + 56);
  Put32(img, Layout(img).optional + 56, 0x1000);
  ASSERT_TRUE(Load(img));
  EXPECT_EQ(module.Size(), declared);
  // The headers in the region keep the file's own value.
  EXPECT_EQ(Get32(Image(reinterpret_cast<uint8_t*>(module.Handle()),
                        reinterpret_cast<uint8_t*>(module.Handle()) + 0x400),
                  Layout(img).optional + 56),
            0x1000u);
}

TEST_P(DamageTest, RelocationsEndAtABlockOfAddressZero) {
  Image img = Copy();
  Put32(img, FirstRelocBlock(img), 0);
  ASSERT_TRUE(Load(img));
  uintptr_t words = module.FindExport("Words");
  ASSERT_NE(words, 0u);
  // Nothing was relocated: the pointer still holds its preferred-base value.
  uint64_t stored = Stored(words);
  EXPECT_GE(stored, GetParam().preferredBase);
  EXPECT_LT(stored, GetParam().preferredBase + module.Size());
}

TEST_P(DamageTest, RelocationEntriesOfOtherTypesAreLeftAlone) {
  Image img = Copy();
  ASSERT_TRUE(Load(img));
  uint32_t wordsRva = static_cast<uint32_t>(module.FindExport("Words") - module.Handle());
  // Find the relocation of Words[0] and make it an entry of type 0.
  Layout l(img);
  uint32_t dir = Get32(img, l.Directory(5));
  uint32_t dirSize = Get32(img, l.Directory(5) + 4);
  uint32_t file = l.RvaToFile(dir);
  bool changed = false;
  for (uint32_t off = 0; off < dirSize && !changed;) {
    uint32_t page = Get32(img, file + off);
    uint32_t size = Get32(img, file + off + 4);
    if (page == 0 || size < 8) break;
    for (uint32_t k = 8; k + 2 <= size; k += 2) {
      uint16_t e = Get16(img, file + off + k);
      if (page + (e & 0xFFF) == wordsRva) {
        Put16(img, file + off + k, static_cast<uint16_t>(e & 0x0FFF));
        changed = true;
      }
    }
    off += size;
  }
  ASSERT_TRUE(changed);
  ASSERT_TRUE(Load(img));
  uintptr_t words = module.FindExport("Words");
  size_t width = GetParam().machine == 0x8664 ? 8 : 4;
  EXPECT_LT(Stored(words) - GetParam().preferredBase, module.Size());  // left alone
  uint64_t second = Stored(words + width);
  EXPECT_FALSE(second >= GetParam().preferredBase &&
               second < GetParam().preferredBase + module.Size());  // relocated
}

TEST_P(DamageTest, NamesAreReadThroughEveryEntryOfTheNameTable) {
  Image img = Copy();
  ASSERT_TRUE(Load(img));
  std::vector<std::pair<std::string, uintptr_t>> before;
  for (const char* name : {"Add", "CallHelperByOrdinal", "NextCount", "Sum", "Word", "Zeta"}) {
    before.emplace_back(name, module.FindExport(name) - module.Handle());
  }
  // Reverse the name-pointer and name-ordinal tables together: every name
  // still names the same function, but they no longer follow each other.
  uint32_t count = Get32(img, ExportTable(img, 24));
  Layout l(img);
  uint32_t names = l.RvaToFile(Get32(img, ExportTable(img, 32)));
  uint32_t ordinals = l.RvaToFile(Get32(img, ExportTable(img, 36)));
  for (uint32_t a = 0, b = count - 1; a < b; ++a, --b) {
    uint32_t n = Get32(img, names + 4 * a);
    Put32(img, names + 4 * a, Get32(img, names + 4 * b));
    Put32(img, names + 4 * b, n);
    uint16_t o = Get16(img, ordinals + 2 * a);
    Put16(img, ordinals + 2 * a, Get16(img, ordinals + 2 * b));
    Put16(img, ordinals + 2 * b, o);
  }
  ASSERT_TRUE(Load(img));
  for (const auto& [name, rva] : before) {
    EXPECT_EQ(module.FindExport(name.c_str()) - module.Handle(), rva) << name;
  }
}

TEST_P(DamageTest, ANameWhoseAddressIsZeroIsPassedOver) {
  Image img = Copy();
  ASSERT_TRUE(Load(img));
  uintptr_t addRva = module.FindExport("Add") - module.Handle();
  Layout l(img);
  uint32_t functions = l.RvaToFile(Get32(img, ExportTable(img, 28)));
  uint32_t names = l.RvaToFile(Get32(img, ExportTable(img, 32)));
  uint32_t ordinals = l.RvaToFile(Get32(img, ExportTable(img, 36)));
  uint32_t count = Get32(img, ExportTable(img, 24));
  // Names are sorted: find "Add" and "Sum", give Sum's entry the text "Add"
  // and clear the address of the first "Add".
  int add = -1, sum = -1;
  for (uint32_t i = 0; i < count; ++i) {
    std::string name(reinterpret_cast<const char*>(&img[l.RvaToFile(Get32(img, names + 4 * i))]));
    if (name == "Add") add = static_cast<int>(i);
    if (name == "Sum") sum = static_cast<int>(i);
  }
  ASSERT_GE(add, 0);
  ASSERT_GE(sum, 0);
  Put32(img, names + 4 * sum, Get32(img, names + 4 * add));
  Put32(img, functions + 4 * Get16(img, ordinals + 2 * add), 0);
  ASSERT_TRUE(Load(img));
  EXPECT_EQ(module.FindExport("Add") - module.Handle(), addRva);  // through Sum's entry
  EXPECT_EQ(module.FindExport("1"), 0u);
  EXPECT_EQ(module.FindExport("Sum"), 0u);
}

TEST_P(DamageTest, ADamagedExportDirectoryAnswersNothing) {
  for (int field : {28, 32, 36}) {
    Image img = Copy();
    Put32(img, ExportTable(img, field), 0x7FFFFFF0);
    ASSERT_TRUE(Load(img));
    EXPECT_EQ(module.FindExport("Add"), 0u) << field;
    ExportDirectory exports;
    LoadError error;
    EXPECT_FALSE(module.ReadExports(exports, error));
    EXPECT_EQ(error, LoadError::kBadExports);
  }
  Image img = Copy();
  Put32(img, ExportTable(img, 20), 0x40000000);  // NumberOfFunctions
  ASSERT_TRUE(Load(img));
  EXPECT_EQ(module.FindExport("1"), 0u);
}

// Linkers may round the directory up past its last block; the bytes after it
// are the section's zero padding, a block of address 0 that ends the walk.
TEST_P(DamageTest, ADirectoryLongerThanItsBlocksIsWalkedToTheZeroBlock) {
  for (uint32_t tail = 1; tail <= 7; ++tail) {
    SCOPED_TRACE(tail);
    Image img = Copy();
    const uint32_t sizeField = Layout(img).Directory(5) + 4;
    Put32(img, sizeField, Get32(img, sizeField) + tail);
    ASSERT_TRUE(Load(img)) << LoadErrorText(module.LastError());
    uintptr_t words = module.FindExport("Words");
    ASSERT_NE(words, 0u);
    // Relocated: the pointer names the mapped copy (in 32 bits on i686),
    // not the preferred base.
    const uint64_t width = GetParam().machine == 0x8664 ? ~uint64_t{0} : 0xFFFFFFFFu;
    EXPECT_LT((Stored(words) - module.Handle()) & width, module.Size());
  }
}

// A list that ends exactly where the next section begins is followed by
// that section's bytes: they are no blocks. Here they are written into the
// padding after the list.
TEST_P(DamageTest, RelocationsEndAtTheEndOfTheirDirectory) {
  Image img = Copy();
  Layout l(img);
  const uint32_t rva = Get32(img, l.Directory(5));
  const uint32_t size = Get32(img, l.Directory(5) + 4);
  const uint32_t after = l.RvaToFile(rva + size);
  ASSERT_EQ(l.RvaToFile(rva + size + 11), after + 11);
  Put32(img, after, 0x7FFFF000);  // a page far past the image
  Put32(img, after + 4, 12);
  Put16(img, after + 8, 0x3000);
  Put16(img, after + 10, 0x3008);
  ASSERT_TRUE(Load(img)) << LoadErrorText(module.LastError());
  uintptr_t words = module.FindExport("Words");
  ASSERT_NE(words, 0u);
  const uint64_t width = GetParam().machine == 0x8664 ? ~uint64_t{0} : 0xFFFFFFFFu;
  EXPECT_LT((Stored(words) - module.Handle()) & width, module.Size());  // relocated

  // A block that runs past the end of the directory is damage.
  Image cut = Copy();
  Put32(cut, Layout(cut).Directory(5) + 4, size - 2);
  EXPECT_FALSE(Load(cut));
  EXPECT_EQ(module.LastError(), LoadError::kBadRelocations) << LoadErrorText(module.LastError());
}

TEST_P(DamageTest, AnImageWithThreadLocalStorageIsRefusedBeforeAnyRegion) {
  for (auto [rva, size] : {std::pair<uint32_t, uint32_t>{0x1000, 0x18}, {0x1000, 0}, {0, 0x18}}) {
    Image img = Copy();
    Put32(img, Layout(img).Directory(9), rva);
    Put32(img, Layout(img).Directory(9) + 4, size);
    TableSystem fresh(GetParam().machine);
    fresh.AnswerAll();
    PeModule m;
    EXPECT_FALSE(m.Load(fresh, img.data(), img.size()));
    EXPECT_EQ(m.LastError(), LoadError::kThreadLocalStorage) << LoadErrorText(m.LastError());
    EXPECT_TRUE(fresh.reserveCalls.empty());
    EXPECT_TRUE(fresh.entryCalls.empty());
  }
}

// Places a region at the address asked for when it is free, as the system
// does; the table system only ever places one anywhere.
struct PlacingSystem : TableSystem {
  using TableSystem::TableSystem;
  uint8_t* ReserveRegion(uint64_t address, uint32_t size) override {
    if (address == 0) return TableSystem::ReserveRegion(0, size);
    reserveCalls.emplace_back(address, size);
    void* at = mmap(reinterpret_cast<void*>(address), size, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED_NOREPLACE, -1, 0);
    if (at == MAP_FAILED) return nullptr;
    if (at != reinterpret_cast<void*>(address)) {  // a kernel without the flag
      munmap(at, size);
      return nullptr;
    }
    placed[static_cast<uint8_t*>(at)] = size;
    return static_cast<uint8_t*>(at);
  }
  bool ReleaseRegion(uint8_t* base) override {
    auto it = placed.find(base);
    if (it == placed.end()) return TableSystem::ReleaseRegion(base);
    ++releaseCalls;
    munmap(base, it->second);
    placed.erase(it);
    return true;
  }
  std::map<uint8_t*, uint32_t> placed;
};

// An image whose relocation directory is gone (size 0), holds no block (a
// list that ends at once) or is kept, with the file header's
// relocations-stripped flag and the dynamic-base flag as given.
struct Relocations {
  const char* what;
  uint32_t directorySize;
  bool stripped;
  bool dynamicBase;
  bool movesOffBase;  // mapped elsewhere when its preferred base is taken
};

constexpr uint32_t kItsBlocks = UINT32_MAX;  // the directory left as it is

Image WithRelocations(Image img, const Relocations& row) {
  Layout l(img);
  const uint32_t rva = Get32(img, l.Directory(5));
  EXPECT_NE(rva, 0u);
  if (row.directorySize == 0) Put32(img, l.Directory(5), 0);
  if (row.directorySize != kItsBlocks) {
    for (uint32_t i = 0; i < row.directorySize; ++i) img[l.RvaToFile(rva) + i] = 0;
    Put32(img, l.Directory(5) + 4, row.directorySize);
  }
  const uint16_t file = Get16(img, l.nt + 22) & ~0x0001;
  Put16(img, l.nt + 22, static_cast<uint16_t>(file | (row.stripped ? 0x0001 : 0)));
  const uint16_t dll = Get16(img, l.optional + 70) & ~0x0040;
  Put16(img, l.optional + 70, static_cast<uint16_t>(dll | (row.dynamicBase ? 0x0040 : 0)));
  return img;
}

// Only an image stripped of its relocations is held to its preferred base,
// whatever its directory holds; one that simply has none to apply runs
// anywhere as it is.
TEST_P(DamageTest, OnlyAnImageStrippedOfRelocationsIsHeldToItsPreferredBase) {
  const Relocations rows[] = {
      {"stripped, no directory", 0, true, false, false},
      {"stripped and dynamic-base, no directory", 0, true, true, false},
      {"stripped, a list that ends at once", 16, true, false, false},
      {"stripped, its blocks kept", kItsBlocks, true, false, false},
      {"not stripped, no directory", 0, false, false, true},
      {"not stripped, a list that ends at once", 16, false, false, true},
      {"dynamic-base, no directory", 0, false, true, true},
  };
  for (const Relocations& row : rows) {
    SCOPED_TRACE(row.what);
    const Image img = WithRelocations(Copy(), row);

    // Its preferred base taken.
    TableSystem fresh(GetParam().machine);
    fresh.AnswerAll();
    PeModule off;
    const bool moved = off.Load(fresh, img.data(), img.size());
    EXPECT_EQ(moved, row.movesOffBase) << LoadErrorText(off.LastError());
    if (moved) {
      EXPECT_NE(off.Handle(), GetParam().preferredBase);
      // Nothing was relocated: the pointer still holds its preferred-base value.
      uintptr_t words = off.FindExport("Words");
      EXPECT_TRUE(words != 0 && Stored(words) - GetParam().preferredBase < off.Size());
      EXPECT_EQ(fresh.entryCalls.size(), 1u);
    } else {
      EXPECT_EQ(off.LastError(), LoadError::kFixedBaseTaken) << LoadErrorText(off.LastError());
      // Nothing is reserved elsewhere at all.
      EXPECT_TRUE(fresh.reserveCalls.size() == 1 &&
                  fresh.reserveCalls[0].first == GetParam().preferredBase);
      EXPECT_TRUE(fresh.regions.empty());
      EXPECT_TRUE(fresh.entryCalls.empty());
    }

    // At its preferred base it runs as it is.
    PlacingSystem placing(GetParam().machine);
    placing.AnswerAll();
    PeModule at;
    EXPECT_TRUE(at.Load(placing, img.data(), img.size())) << LoadErrorText(at.LastError());
    EXPECT_EQ(at.Handle(), GetParam().preferredBase);
    if (uintptr_t words = at.Handle() ? at.FindExport("Words") : 0) {
      EXPECT_STREQ(reinterpret_cast<const char*>(static_cast<uintptr_t>(Stored(words))), "alpha");
    } else {
      ADD_FAILURE() << "no Words at the preferred base";
    }
    EXPECT_TRUE(at.Unload(placing));
    EXPECT_TRUE(placing.placed.empty());
  }
}

// Zeta's address entry is made to point at a text inside the export
// directory: the image's own name, overwritten with a forwarder.
class ForwarderTest : public DamageTest {
 protected:
  Image Forwarding(const char* text) {
    Image img = Copy();
    Layout l(img);
    const uint32_t nameRva = Get32(img, ExportTable(img, 12));
    EXPECT_LE(std::strlen(text), std::strlen("sample.dll"));
    std::memcpy(&img[l.RvaToFile(nameRva)], text, std::strlen(text) + 1);
    const uint32_t functions = l.RvaToFile(Get32(img, ExportTable(img, 28)));
    const uint32_t base = Get32(img, ExportTable(img, 16));
    Put32(img, functions + 4 * (9 - base), nameRva);  // Zeta is ordinal 9
    return img;
  }
};

TEST_P(ForwarderTest, AForwarderIsNoAddressOfTheImage) {
  Image img = Forwarding("help.Sum");
  ASSERT_TRUE(Load(img));
  for (const char* key : {"Zeta", "9"}) {
    EXPECT_EQ(module.FindExport(key), 0u) << key;
    EXPECT_EQ(module.LookupError(), LoadError::kForwardedExport) << key;
  }
  EXPECT_NE(module.FindExport("Add"), 0u);
  EXPECT_EQ(module.LookupError(), LoadError::kNone);
  EXPECT_EQ(module.FindExport("Nothing"), 0u);
  EXPECT_EQ(module.LookupError(), LoadError::kNoSuchExport);
}

TEST_P(ForwarderTest, AForwarderIsLookedUpInItsModule) {
  Image img = Forwarding("help.Sum");
  ASSERT_TRUE(Load(img));
  system.procedures["Sum"] = 0x44440000;
  system.loadedModules.clear();
  EXPECT_EQ(module.FindExport(system, "Zeta"), 0x44440000u);
  EXPECT_EQ(module.FindExport(system, "9"), 0x44440000u);
  EXPECT_EQ(system.loadedModules, (std::vector<std::string>{"help.dll", "help.dll"}));
  // Exports of the image itself are unchanged by the system's presence.
  EXPECT_EQ(module.FindExport(system, "Add"), module.FindExport("Add"));

  img = Forwarding("help.#7");
  ASSERT_TRUE(Load(img));
  EXPECT_EQ(module.FindExport(system, "Zeta"), 0x22220000u);
  EXPECT_EQ(system.procedureCalls.back(), "#7");
}

TEST_P(ForwarderTest, AForwarderThatDoesNotResolveAnswersNothingWithItsReason) {
  for (const char* text : {"help.Gone", "h.#99999", "help.#x"}) {
    Image img = Forwarding(text);
    ASSERT_TRUE(Load(img));
    EXPECT_EQ(module.FindExport(system, "Zeta"), 0u) << text;
    EXPECT_EQ(module.LookupError(), LoadError::kUnresolvedForwarder) << text;
  }
  for (const char* text : {"helpSum", ".Sum", "help."}) {
    Image img = Forwarding(text);
    ASSERT_TRUE(Load(img));
    EXPECT_EQ(module.FindExport(system, "Zeta"), 0u) << text;
    EXPECT_EQ(module.LookupError(), LoadError::kBadExports) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(BothMachines, ForwarderTest, ::testing::ValuesIn(SampleImages()),
                         [](const auto& p) { return p.param.arch; });

INSTANTIATE_TEST_SUITE_P(BothMachines, DamageTest, ::testing::ValuesIn(SampleImages()),
                         [](const auto& p) { return p.param.arch; });

}  // namespace
}  // namespace hosting
