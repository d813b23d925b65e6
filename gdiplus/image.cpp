#include "gdiplus/image.h"

#include <utility>

#include "gdiplus/graphics.h"

namespace gdiplus {

// Image.

Image& Image::operator=(Image&& other) noexcept {
  if (this == &other) return *this;
  if (SameObject(other)) {
    AbsorbShare(other);
    return *this;
  }
  Delete();
  AdoptImage(other);
  return *this;
}

void Image::AdoptImage(Image& other) {
  Release(stream_, false);
  stream_ = std::move(other.stream_);
  Adopt(other);
}

void Image::AbsorbShare(Image& other) {
  if (!stream_) stream_ = std::move(other.stream_);
  other.Detach();
}

void Image::Release(SharedStream& stream, bool keep) {
  if (stream && keep && stream.use_count() == 1) stream->Forget();
  stream.reset();  // the last holder's reset closes it
}

void Image::Close(SharedStream& stream) {
  if (stream) stream->Close();
  stream.reset();
}

Image Image::Share() const {
  Image copy;
  copy.stream_ = stream_;
  copy.SetNativeBase(GetNativeBase());
  return copy;
}

void* Image::Detach() {
  Release(stream_, true);
  return GdiplusObject::Detach();
}

bool Image::Delete() {
  if (native_ == nullptr) return false;
  // Disposed first: GDI+ may still read from the stream while it lets go.
  LastStatus = GdipDisposeImage(native_);
  Close(stream_);
  SetNativeBase(nullptr);
  return LastStatus == kOk;
}

bool Image::LoadFromFile(const char* path, int icm) {
  const WideText wide(path);
  return LoadFromFile(wide.Get(), icm);
}
bool Image::LoadFromFile(const WCHAR* path, int icm) {
  return Created(
      icm ? GdipLoadImageFromFileICM(path, &native_) : GdipLoadImageFromFile(path, &native_),
      native_);
}
bool Image::LoadFromBytes(const void* bytes, unsigned length, int icm) {
  // A fresh stream: the one of an image held before may still be read
  // through a share of that image.
  SharedStream fresh = std::make_shared<MemoryStream>();
  IStream* source = fresh->FromBytes(bytes, length);
  // An image held before is not deleted here, so its stream stays open too.
  const bool keep = native_ != nullptr;
  const GpStatus status = icm ? GdipLoadImageFromStreamICM(source, &native_)
                              : GdipLoadImageFromStream(source, &native_);
  Release(stream_, keep);
  stream_ = std::move(fresh);
  return Created(status, native_);
}

bool Image::Clone(Image* target) const {
  GpImage* clone = nullptr;
  LastStatus = GdipCloneImage(native_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}

std::string Image::EncoderClsid(const char* mimeType) {
  UINT count = 0;
  UINT size = 0;
  LastStatus = GdipGetImageEncodersSize(&count, &size);
  if (LastStatus != kOk || count == 0 || size < count * sizeof(ImageCodecInfo)) return "";
  std::vector<unsigned char> buffer(size);
  auto* encoders = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  LastStatus = GdipGetImageEncoders(count, size, encoders);
  if (LastStatus != kOk) return "";
  const WideText wanted(mimeType);
  for (UINT i = 0; i < count; ++i) {
    if (encoders[i].MimeType && lstrcmpiW(encoders[i].MimeType, wanted.Get()) == 0) {
      WCHAR text[40] = {};
      StringFromGUID2(encoders[i].Clsid, text, 40);
      return ToAnsi(text);
    }
  }
  return "";
}

bool Image::SaveWith(const char* mimeType, IStream* stream, const WCHAR* path) {
  const std::string clsidText = EncoderClsid(mimeType);
  CLSID clsid{};
  const WideText wide(clsidText.c_str());
  if (clsidText.empty() || FAILED(CLSIDFromString(const_cast<WCHAR*>(wide.Get()), &clsid))) {
    // No encoder for that format: GDI+ would say the same about a null one.
    LastStatus = kInvalidParameter;
    return false;
  }
  if (stream != nullptr) return Check(GdipSaveImageToStream(native_, stream, &clsid, nullptr));
  return Check(GdipSaveImageToFile(native_, path, &clsid, nullptr));
}

bool Image::SaveToFile(const char* path, const char* mimeType) {
  const WideText wide(path);
  return SaveWith(mimeType, nullptr, wide.Get());
}
bool Image::SaveToFile(const WCHAR* path, const char* mimeType) {
  return SaveWith(mimeType, nullptr, path);
}
bool Image::SaveToStream(IStream* stream, const char* mimeType) {
  if (stream == nullptr) {
    LastStatus = kInvalidParameter;
    return false;
  }
  return SaveWith(mimeType, stream, nullptr);
}

std::vector<unsigned char> Image::SaveToBytes(const char* mimeType) {
  IStream* target = nullptr;
  if (FAILED(CreateStreamOnHGlobal(nullptr, FALSE, &target))) return {};
  const bool saved = SaveToStream(target, mimeType);
  // The block is taken only now: the stream may have moved to another one
  // while it grew. Attached either way, so that it is freed.
  MemoryStream buffer;
  buffer.Attach(target);
  if (!saved) return {};
  std::vector<unsigned char> bytes = buffer.ToBytes();
  // The block may be larger than what was written; keep the encoded image only.
  STATSTG stat{};
  if (SUCCEEDED(target->Stat(&stat, STATFLAG_NONAME)) && stat.cbSize.QuadPart < bytes.size()) {
    bytes.resize(static_cast<size_t>(stat.cbSize.QuadPart));
  }
  return bytes;
}

int Image::GetType() {
  INT value = 0;
  return Value(GdipGetImageType(native_, &value), value);
}
UINT Image::GetWidth() {
  UINT value = 0;
  return Value(GdipGetImageWidth(native_, &value), value);
}
UINT Image::GetHeight() {
  UINT value = 0;
  return Value(GdipGetImageHeight(native_, &value), value);
}
bool Image::GetDimension(REAL* width, REAL* height) {
  return Check(GdipGetImageDimension(native_, width, height));
}
bool Image::GetBounds(RectF* bounds, int* unit) {
  return Check(GdipGetImageBounds(native_, bounds, unit));
}
REAL Image::GetHorizontalResolution() {
  REAL value = 0;
  return Value(GdipGetImageHorizontalResolution(native_, &value), value);
}
REAL Image::GetVerticalResolution() {
  REAL value = 0;
  return Value(GdipGetImageVerticalResolution(native_, &value), value);
}
UINT Image::GetFlags() {
  UINT value = 0;
  return Value(GdipGetImageFlags(native_, &value), value);
}
int Image::GetPixelFormat() {
  INT value = 0;
  return Value(GdipGetImagePixelFormat(native_, &value), value);
}
bool Image::GetRawFormat(GUID* format) {
  return Check(GdipGetImageRawFormat(native_, format));
}
bool Image::RotateFlip(int type) {
  return Check(GdipImageRotateFlip(native_, type));
}
bool Image::GetThumbnail(UINT width, UINT height, Image* target) {
  GpImage* thumbnail = nullptr;
  LastStatus = GdipGetImageThumbnail(native_, width, height, &thumbnail, nullptr, nullptr);
  target->SetNativeBase(thumbnail);
  return LastStatus == kOk;
}

// Bitmap.

Bitmap::Bitmap(Bitmap&& other) noexcept : bitmapStream_(std::move(other.bitmapStream_)) {
  AdoptImage(other);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  if (this == &other) return *this;
  if (SameObject(other)) {
    if (!bitmapStream_) bitmapStream_ = std::move(other.bitmapStream_);
    AbsorbShare(other);
    return *this;
  }
  Delete();
  Release(bitmapStream_, false);
  bitmapStream_ = std::move(other.bitmapStream_);
  AdoptImage(other);
  return *this;
}

Bitmap Bitmap::Share() const {
  Bitmap copy;
  copy.sharedStream() = sharedStream();
  copy.bitmapStream_ = bitmapStream_;
  copy.SetNativeBase(GetNativeBase());
  return copy;
}

void* Bitmap::Detach() {
  Release(bitmapStream_, true);
  return Image::Detach();
}

bool Bitmap::Delete() {
  if (bitmap_ == nullptr) return false;
  LastStatus = GdipDisposeImage(native());
  Close(sharedStream());
  Close(bitmapStream_);
  SetNativeBase(nullptr);
  return LastStatus == kOk;
}

bool Bitmap::CreateFromFile(const char* path, int icm) {
  const WideText wide(path);
  return CreateFromFile(wide.Get(), icm);
}
bool Bitmap::CreateFromFile(const WCHAR* path, int icm) {
  return Created(
      icm ? GdipCreateBitmapFromFileICM(path, &bitmap_) : GdipCreateBitmapFromFile(path, &bitmap_),
      bitmap_);
}
bool Bitmap::CreateFromBytes(const void* bytes, unsigned length, int icm) {
  // A fresh stream, as for Image::LoadFromBytes.
  SharedStream fresh = std::make_shared<MemoryStream>();
  IStream* source = fresh->FromBytes(bytes, length);
  const bool keep = bitmap_ != nullptr;
  const GpStatus status = icm ? GdipCreateBitmapFromStreamICM(source, &bitmap_)
                              : GdipCreateBitmapFromStream(source, &bitmap_);
  Release(bitmapStream_, keep);
  bitmapStream_ = std::move(fresh);
  return Created(status, bitmap_);
}
bool Bitmap::CreateFromScan0(int width, int height, int format) {
  return Created(GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &bitmap_), bitmap_);
}
bool Bitmap::CreateFromScan0(int width, int height, int stride, int format, BYTE* scan0) {
  return Created(GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &bitmap_),
                 bitmap_);
}
bool Bitmap::CreateFromGraphics(int width, int height, const Graphics& graphics) {
  return Created(
      GdipCreateBitmapFromGraphics(width, height, NativeOf<GpGraphics>(graphics), &bitmap_),
      bitmap_);
}
bool Bitmap::CreateFromHBITMAP(HBITMAP hbitmap, HPALETTE palette) {
  return Created(GdipCreateBitmapFromHBITMAP(hbitmap, palette, &bitmap_), bitmap_);
}
bool Bitmap::CreateFromHICON(HICON icon) {
  return Created(GdipCreateBitmapFromHICON(icon, &bitmap_), bitmap_);
}
HBITMAP Bitmap::CreateHBITMAP(ARGB background) {
  HBITMAP value = nullptr;
  return Value(GdipCreateHBITMAPFromBitmap(bitmap_, &value, background), value);
}
HICON Bitmap::CreateHICON() {
  HICON value = nullptr;
  return Value(GdipCreateHICONFromBitmap(bitmap_, &value), value);
}
bool Bitmap::CloneArea(int x, int y, int width, int height, int format, Bitmap* target) const {
  GpBitmap* clone = nullptr;
  LastStatus = GdipCloneBitmapAreaI(x, y, width, height, format, bitmap_, &clone);
  target->SetNativeBase(clone);
  return LastStatus == kOk;
}
bool Bitmap::LockBits(const Rect* rect, UINT flags, int format, BitmapData* data) {
  return Check(GdipBitmapLockBits(bitmap_, rect, flags, format, data));
}
bool Bitmap::UnlockBits(BitmapData* data) {
  return Check(GdipBitmapUnlockBits(bitmap_, data));
}
ARGB Bitmap::GetPixel(int x, int y) {
  ARGB value = 0;
  return Value(GdipBitmapGetPixel(bitmap_, x, y, &value), value);
}
bool Bitmap::SetPixel(int x, int y, ARGB color) {
  return Check(GdipBitmapSetPixel(bitmap_, x, y, color));
}
bool Bitmap::SetResolution(REAL xDpi, REAL yDpi) {
  return Check(GdipBitmapSetResolution(bitmap_, xDpi, yDpi));
}

}  // namespace gdiplus
