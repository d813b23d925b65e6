#pragma once

#include <objidl.h>
#include <windows.h>

#include <cstdint>
#include <vector>

namespace gdiplus {

// A COM IStream over a movable global memory block: turns byte buffers into
// something GDI+ can decode without touching the disk, and streams written by
// GDI+ back into bytes.
//
// Copying: Share() gives a second object over the same block and stream (no
// new reference). Closing either one invalidates the other; end the spare one
// with Forget(). Moving hands both over.
class MemoryStream {
 public:
  MemoryStream() = default;
  ~MemoryStream() { Close(); }
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;
  MemoryStream(MemoryStream&& other) noexcept;
  MemoryStream& operator=(MemoryStream&& other) noexcept;

  MemoryStream Share() const;
  // Empties the object without releasing anything.
  void Forget();

  // Replaces what the object held by a new block holding a copy of the bytes
  // and a stream over it; returns the stream (0 when that failed).
  IStream* FromBytes(const void* bytes, unsigned length);
  // Releases the stream and frees the block.
  void Close();
  // Size of the block (the system may have rounded it up).
  unsigned Size() const;
  IStream* Stream() const { return stream_; }
  HGLOBAL HGlobal() const { return hGlobal_; }
  // Replaces what the object held by the caller's stream, taking over the
  // caller's reference. True when the stream has a global block.
  bool Attach(IStream* stream);
  // A copy of the whole block.
  std::vector<unsigned char> ToBytes() const;

 private:
  HGLOBAL hGlobal_ = nullptr;
  // Address of the last lock; only written.
  void* data_ = nullptr;
  uint32_t reserved_ = 0;
  IStream* stream_ = nullptr;
};

}  // namespace gdiplus
