#include "gdiplus/memory_stream.h"

#include <cstring>
#include <utility>

namespace gdiplus {

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : hGlobal_(other.hGlobal_),
      data_(other.data_),
      reserved_(other.reserved_),
      stream_(other.stream_) {
  other.Forget();
}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
  if (this != &other) {
    Close();
    hGlobal_ = other.hGlobal_;
    data_ = other.data_;
    reserved_ = other.reserved_;
    stream_ = other.stream_;
    other.Forget();
  }
  return *this;
}

MemoryStream MemoryStream::Share() const {
  MemoryStream copy;
  copy.hGlobal_ = hGlobal_;
  copy.data_ = data_;
  copy.reserved_ = reserved_;
  copy.stream_ = stream_;
  return copy;
}

void MemoryStream::Forget() {
  hGlobal_ = nullptr;
  data_ = nullptr;
  stream_ = nullptr;
}

IStream* MemoryStream::FromBytes(const void* bytes, unsigned length) {
  Close();
  hGlobal_ = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length);
  if (hGlobal_ == nullptr) return nullptr;
  if (FAILED(CreateStreamOnHGlobal(hGlobal_, FALSE, &stream_))) {
    stream_ = nullptr;
    GlobalFree(hGlobal_);
    hGlobal_ = nullptr;
    return nullptr;
  }
  data_ = GlobalLock(hGlobal_);
  // A zero-byte block has no address to copy to.
  if (data_ != nullptr && bytes != nullptr && length > 0) std::memcpy(data_, bytes, length);
  GlobalUnlock(hGlobal_);
  return stream_;
}

void MemoryStream::Close() {
  if (stream_ == nullptr) return;
  stream_->Release();
  GlobalFree(hGlobal_);
  hGlobal_ = nullptr;
  stream_ = nullptr;
}

unsigned MemoryStream::Size() const {
  return hGlobal_ ? static_cast<unsigned>(GlobalSize(hGlobal_)) : 0;
}

bool MemoryStream::Attach(IStream* stream) {
  Close();
  hGlobal_ = nullptr;
  if (stream == nullptr) return false;
  GetHGlobalFromStream(stream, &hGlobal_);
  stream_ = stream;
  return hGlobal_ != nullptr;
}

std::vector<unsigned char> MemoryStream::ToBytes() const {
  std::vector<unsigned char> bytes;
  if (hGlobal_ == nullptr) return bytes;
  const SIZE_T size = GlobalSize(hGlobal_);
  void* data = GlobalLock(hGlobal_);
  if (data != nullptr) {
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes.assign(begin, begin + size);
  }
  GlobalUnlock(hGlobal_);
  return bytes;
}

}  // namespace gdiplus
