#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gdiplus/gdiplus_object.h"
#include "gdiplus/memory_stream.h"

namespace gdiplus {

class Graphics;

// A GDI+ image. An image made from bytes keeps the MemoryStream it was
// decoded from (GDI+ reads the stream lazily) until it is deleted. The stream
// is held jointly by the wrapper and its shares and lives as long as the
// image: Delete closes it for all of them; a share that lets go leaves it to
// the others; an image that is left alive without a holder (handed out with
// Detach(), or replaced by a second decode without a Delete) keeps its stream
// for good, as the image itself is kept.
class Image : public GdiplusObject {
 public:
  Image() = default;
  ~Image() override { Delete(); }
  Image(Image&& other) noexcept { AdoptImage(other); }
  Image& operator=(Image&& other) noexcept;
  // A second wrapper over the same image and the same stream.
  Image Share() const;
  void* Detach() override;

  GpImage* native() const { return native_; }

  // Disposes of the image, then closes the stream it was decoded from.
  virtual bool Delete();
  bool LoadFromFile(const char* path, int icm = 0);
  bool LoadFromFile(const WCHAR* path, int icm = 0);
  // Decodes an image (PNG, JPEG, BMP, ICO, ...) from bytes, through a new
  // stream; an image held before keeps its own stream for its shares.
  bool LoadFromBytes(const void* bytes, unsigned length, int icm = 0);
  // The stream the image was decoded from; null when it was not.
  const MemoryStream* SourceStream() const { return stream_.get(); }
  bool Clone(Image* target) const;

  // The class identifier of the encoder for a MIME type ("image/png"), as
  // text ("{...}"); "" when there is none.
  static std::string EncoderClsid(const char* mimeType);
  bool SaveToFile(const char* path, const char* mimeType);
  bool SaveToFile(const WCHAR* path, const char* mimeType);
  bool SaveToStream(IStream* stream, const char* mimeType);
  // The image encoded in the given format; empty on failure.
  std::vector<unsigned char> SaveToBytes(const char* mimeType);

  int GetType();
  UINT GetWidth();
  UINT GetHeight();
  bool GetDimension(REAL* width, REAL* height);
  bool GetBounds(RectF* bounds, int* unit);
  REAL GetHorizontalResolution();
  REAL GetVerticalResolution();
  UINT GetFlags();
  int GetPixelFormat();
  bool GetRawFormat(GUID* format);
  bool RotateFlip(int type);
  bool GetThumbnail(UINT width, UINT height, Image* target);

 protected:
  void SetNative(void* handle) override {
    native_ = static_cast<GpImage*>(handle);
    SetNativeDerived(handle);
  }
  virtual void SetNativeDerived(void* /*handle*/) {}
  void AdoptImage(Image& other);
  // Moving a share back onto its own wrapper: the object and its stream stay.
  void AbsorbShare(Image& other);
  // The stream slot shared with the shares of this wrapper.
  using SharedStream = std::shared_ptr<MemoryStream>;
  // Lets go of a shared stream: closes it when this was its last holder,
  // unless the image lives on elsewhere (`keep`), when it is left open.
  static void Release(SharedStream& stream, bool keep);
  // The image is gone: its stream is closed for every holder.
  static void Close(SharedStream& stream);
  SharedStream& sharedStream() { return stream_; }
  const SharedStream& sharedStream() const { return stream_; }
  MemoryStream& stream() {
    if (!stream_) stream_ = std::make_shared<MemoryStream>();
    return *stream_;
  }

 private:
  bool SaveWith(const char* mimeType, IStream* stream, const WCHAR* path);

  GpImage* native_ = nullptr;
  SharedStream stream_;
};

// A raster image with pixel access.
class Bitmap : public Image {
 public:
  Bitmap() = default;
  ~Bitmap() override { Delete(); }
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  Bitmap Share() const;
  void* Detach() override;

  GpBitmap* bitmap() const { return bitmap_; }
  // The stream the bitmap was decoded from by CreateFromBytes; null when none.
  const MemoryStream* BitmapSourceStream() const { return bitmapStream_.get(); }

  bool Delete() override;
  bool CreateFromFile(const char* path, int icm = 0);
  bool CreateFromFile(const WCHAR* path, int icm = 0);
  bool CreateFromBytes(const void* bytes, unsigned length, int icm = 0);
  // A new bitmap with its own zeroed pixels.
  bool CreateFromScan0(int width, int height, int format = kPixelFormat32bppARGB);
  // A bitmap over (or, with scan0 null, with) pixel memory of the given stride.
  bool CreateFromScan0(int width, int height, int stride, int format, BYTE* scan0);
  bool CreateFromGraphics(int width, int height, const Graphics& graphics);
  bool CreateFromHBITMAP(HBITMAP hbitmap, HPALETTE palette = nullptr);
  bool CreateFromHICON(HICON icon);
  // A GDI bitmap of the pixels over the background colour (0 on failure).
  HBITMAP CreateHBITMAP(ARGB background);
  HICON CreateHICON();
  bool CloneArea(int x, int y, int width, int height, int format, Bitmap* target) const;
  bool LockBits(const Rect* rect, UINT flags, int format, BitmapData* data);
  bool UnlockBits(BitmapData* data);
  ARGB GetPixel(int x, int y);
  bool SetPixel(int x, int y, ARGB color);
  bool SetResolution(REAL xDpi, REAL yDpi);

 protected:
  void SetNativeDerived(void* handle) override { bitmap_ = static_cast<GpBitmap*>(handle); }

 private:
  GpBitmap* bitmap_ = nullptr;
  // The stream the bitmap was decoded from (the inherited one serves the
  // Image loader), held like the inherited one.
  SharedStream bitmapStream_;
};

}  // namespace gdiplus
