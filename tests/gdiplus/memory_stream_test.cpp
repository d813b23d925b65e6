// Byte buffers as streams over global memory, and streams back into bytes.
#include <gtest/gtest.h>

#include <cstring>

#include "gdiplus/memory_stream.h"

namespace {

using gdiplus::MemoryStream;

// The stream's reference count as one more reference would see it.
ULONG References(IStream* stream) {
  stream->AddRef();
  return stream->Release();
}

TEST(MemoryStreamTest, BytesGoInAndComeBackUnchanged) {
  const unsigned char bytes[] = {0, 1, 2, 3, 250, 251, 252};
  MemoryStream memory;
  IStream* stream = memory.FromBytes(bytes, sizeof(bytes));
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(memory.Stream(), stream);
  EXPECT_NE(memory.HGlobal(), nullptr);
  EXPECT_GE(memory.Size(), sizeof(bytes));
  const auto back = memory.ToBytes();
  ASSERT_GE(back.size(), sizeof(bytes));
  EXPECT_EQ(0, std::memcmp(back.data(), bytes, sizeof(bytes)));

  // The stream reads the same bytes from its start.
  unsigned char read[sizeof(bytes)] = {};
  ULONG count = 0;
  ASSERT_EQ(stream->Read(read, sizeof(read), &count), S_OK);
  EXPECT_EQ(count, sizeof(bytes));
  EXPECT_EQ(0, std::memcmp(read, bytes, sizeof(bytes)));

  memory.Close();
  EXPECT_EQ(memory.Stream(), nullptr);
  EXPECT_EQ(memory.HGlobal(), nullptr);
  EXPECT_EQ(memory.Size(), 0u);
  EXPECT_TRUE(memory.ToBytes().empty());
}

TEST(MemoryStreamTest, EmptyBufferMakesAZeroByteBlockWithAStream) {
  MemoryStream memory;
  EXPECT_NE(memory.FromBytes("", 0), nullptr);
  EXPECT_NE(memory.HGlobal(), nullptr);
  EXPECT_EQ(memory.Size(), 0u);
  EXPECT_TRUE(memory.ToBytes().empty());
  STATSTG stat{};
  ASSERT_EQ(memory.Stream()->Stat(&stat, STATFLAG_NONAME), S_OK);
  EXPECT_EQ(stat.cbSize.QuadPart, 0u);
}

TEST(MemoryStreamTest, CloseOnAFreshObjectDoesNothingAndRefillingReleasesTheFirst) {
  MemoryStream memory;
  memory.Close();
  EXPECT_EQ(memory.Stream(), nullptr);

  IStream* first = memory.FromBytes("abc", 3);
  ASSERT_NE(first, nullptr);
  first->AddRef();  // keep it alive to watch its count
  EXPECT_EQ(References(first), 2u);
  IStream* second = memory.FromBytes("defgh", 5);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_EQ(References(first), 1u);  // the object let go of the first one
  first->Release();
  const auto bytes = memory.ToBytes();
  ASSERT_GE(bytes.size(), 5u);
  EXPECT_EQ(0, std::memcmp(bytes.data(), "defgh", 5));
}

TEST(MemoryStreamTest, AttachTakesOverAStreamAndItsBlock) {
  IStream* stream = nullptr;
  ASSERT_EQ(CreateStreamOnHGlobal(nullptr, FALSE, &stream), S_OK);
  ULONG written = 0;
  ASSERT_EQ(stream->Write("hello", 5, &written), S_OK);
  MemoryStream memory;
  memory.FromBytes("old", 3);
  EXPECT_TRUE(memory.Attach(stream));
  EXPECT_EQ(memory.Stream(), stream);
  EXPECT_EQ(References(stream), 1u);  // no reference of its own
  const auto bytes = memory.ToBytes();
  ASSERT_GE(bytes.size(), 5u);
  EXPECT_EQ(0, std::memcmp(bytes.data(), "hello", 5));
  EXPECT_FALSE(memory.Attach(nullptr));
  EXPECT_EQ(memory.Stream(), nullptr);
}

TEST(MemoryStreamTest, SharedCopiesAndMovesPointAtTheSameBlock) {
  MemoryStream memory;
  memory.FromBytes("xyz", 3);
  MemoryStream shared = memory.Share();
  EXPECT_EQ(shared.Stream(), memory.Stream());
  EXPECT_EQ(shared.HGlobal(), memory.HGlobal());
  shared.Forget();  // the original still owns it
  EXPECT_EQ(shared.Stream(), nullptr);
  MemoryStream moved(std::move(memory));
  EXPECT_EQ(memory.Stream(), nullptr);
  ASSERT_NE(moved.Stream(), nullptr);
  EXPECT_EQ(References(moved.Stream()), 1u);
}

}  // namespace
