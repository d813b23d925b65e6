// The skin binding: what reaches the engine, the kept copy, the guard for a
// missing export; and the carried engine and skin themselves.

#include "hosting/skin_binding.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "hosting/memory_module.h"

extern const unsigned char kFakeEngineImage[];
extern const unsigned int kFakeEngineImageSize;
extern const unsigned char kSampleImage[];
extern const unsigned int kSampleImageSize;

namespace hosting {
namespace {

// Every test maps the recording fake engine into the binding's module.
class SkinBindingTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(LoadSkinEngine(kFakeEngineImage, kFakeEngineImageSize)); }
  void TearDown() override { DetachSkin(); }
};

// The fake records into its own globals; its getters are reached through the
// binding's own module.
template <typename F>
F Fake(const char* name) {
  uintptr_t address = EngineExport(name);
  EXPECT_NE(address, 0u) << name;
  return reinterpret_cast<F>(address);
}

TEST_F(SkinBindingTest, PassesTheSkinAsGivenWithANullPasswordAndKeepsACopy) {
  EXPECT_EQ(AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0), 0x5151);
  EXPECT_EQ(Fake<int (*)()>("AttachCalls")(), 1);
  EXPECT_EQ(Fake<int (*)()>("LastSize")(), static_cast<int>(SkinDataSize()));
  EXPECT_EQ(Fake<const unsigned char* (*)()>("LastSkin")(), SkinData());
  EXPECT_EQ(Fake<const char* (*)()>("LastPassword")(), nullptr);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Fake<int (*)(int)>("LastArg")(i), 0);
  ASSERT_EQ(KeptSkinSize(), SkinDataSize());
  EXPECT_NE(KeptSkinBytes(), SkinData());
  EXPECT_EQ(std::memcmp(KeptSkinBytes(), SkinData(), SkinDataSize()), 0);
}

TEST_F(SkinBindingTest, ASecondAttachReplacesTheCopyAndPassesItsArguments) {
  const uint8_t other[] = {'.', 'S', 'H', 'E', 0, 9};
  AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0);
  const char password[] = "secret";
  AttachSkin(other, sizeof other, password, 1, -2, 3);
  EXPECT_EQ(Fake<int (*)()>("AttachCalls")(), 2);
  EXPECT_EQ(Fake<const char* (*)()>("LastPassword")(), password);
  EXPECT_EQ(Fake<int (*)(int)>("LastArg")(1), -2);
  EXPECT_EQ(Fake<int (*)(int)>("LastArg")(2), 3);
  ASSERT_EQ(KeptSkinSize(), sizeof other);
  EXPECT_EQ(KeptSkinBytes()[5], 9);
}

TEST_F(SkinBindingTest, DetachDropsTheCopyAndCallsTheEngine) {
  AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0);
  EXPECT_EQ(DetachSkin(), 0x5252);
  EXPECT_EQ(Fake<int (*)()>("DetachCalls")(), 1);
  EXPECT_EQ(KeptSkinSize(), 0u);
}

TEST_F(SkinBindingTest, AnEngineWithoutTheExportsIsNotCalled) {
  ASSERT_TRUE(LoadSkinEngine(kSampleImage, kSampleImageSize));
  EXPECT_EQ(AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0), 0);
  EXPECT_EQ(KeptSkinSize(), SkinDataSize());
  EXPECT_EQ(DetachSkin(), 0);
  // Looked up afresh on every call: the engine mapped again answers again.
  ASSERT_TRUE(LoadSkinEngine(kFakeEngineImage, kFakeEngineImageSize));
  EXPECT_EQ(AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0), 0x5151);
}

TEST(CarriedSkin, TheEngineMapsAndTakesTheSkinData) {
  ASSERT_GE(SkinDataSize(), 8u);
  EXPECT_EQ(std::memcmp(SkinData(), ".SHE\0", 5), 0);
  ASSERT_TRUE(LoadSkinEngine());
  EXPECT_EQ(AttachSkin(SkinData(), SkinDataSize(), "", 0, 0, 0), 1);
  EXPECT_EQ(DetachSkin(), 1);
  const uint8_t truncated[] = {'.', 'S', 'H', 'E', 0, 1, 8, 0, 2, 3};
  EXPECT_EQ(AttachSkin(truncated, sizeof truncated, "", 0, 0, 0), 0);
  EXPECT_EQ(AttachSkin(SkinData(), SkinDataSize() - 1, "", 0, 0, 0), 0);
  EXPECT_EQ(DetachSkin(), 1);
  ShutdownSkinHosting();
  EXPECT_EQ(KeptSkinSize(), 0u);
}

// The system draws the instructions box's close cross as a glyph of its
// symbol face, Marlett: a face standing in for it would show a letter.
TEST(InstructionsBox, TheCaptionButtonsFaceIsMarlettItself) {
  HFONT symbols = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, 0, 0, 0,
                              0, "Marlett");
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ old = SelectObject(dc, symbols);
  char face[LF_FACESIZE] = {};
  GetTextFaceA(dc, sizeof face, face);
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(symbols);
  EXPECT_STREQ(face, "Marlett");
}

}  // namespace
}  // namespace hosting
