#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gdiplus/flat_api.h"

namespace gdiplus {

// Status of the most recent flat call made by any wrapper method. Every method
// that calls GDI+ stores the status here; nothing ever resets it. GUI thread only.
extern int32_t LastStatus;
// Token of the running GDI+ (0 = not started).
extern ULONG_PTR GdiplusStartupToken;

// Starts GDI+ for the process and keeps the token; returns it (0 on failure).
ULONG_PTR StartGdiplus(UINT32 version = 1);
// Shuts GDI+ down. With explicitToken 0 the kept token is taken (and forgotten);
// otherwise the given one. A zero token does nothing.
void StopGdiplus(ULONG_PTR token = 0, int explicitToken = 0);

// The program's texts are ANSI in the system code page; GDI+ wants UTF-16.
// Sized with a -1 query, converted over strlen(text) characters into a
// zero-filled buffer; Length() is lstrlenW of the result.
class WideText {
 public:
  explicit WideText(const char* text);
  const WCHAR* Get() const { return buffer_.data(); }
  INT Length() const { return length_; }

 private:
  std::vector<WCHAR> buffer_;
  INT length_ = 0;
};

// UTF-16 back to the system code page (family names).
std::string ToAnsi(const WCHAR* text);

// Common base of the wrapper classes. A wrapper is empty until a creation
// method succeeds, then holds one GDI+ object until its Delete runs or it is
// destroyed, which deletes the object (FontFamily and FontCollection leave it).
//
// Copying: wrappers are not copyable by accident. Share() (on each class) makes
// a second wrapper holding the same GDI+ pointer, not a clone; only one of the
// two may be destroyed while the object is still wanted, so the other one is
// usually ended with Detach(). Moving hands the object over and leaves the
// source empty; moving a share onto the wrapper it came from keeps the object.
class GdiplusObject {
 public:
  GdiplusObject(const GdiplusObject&) = delete;
  GdiplusObject& operator=(const GdiplusObject&) = delete;
  virtual ~GdiplusObject() = default;

  // Untyped handle; wrappers passed as arguments are unwrapped with it.
  void* GetNativeBase() const { return nativeBase_; }
  // Sets every level of the pointer at once, so all copies stay equal.
  void SetNativeBase(void* handle) {
    nativeBase_ = handle;
    SetNative(handle);
  }
  bool HasObject() const { return nativeBase_ != nullptr; }
  // Empties the wrapper without deleting the GDI+ object; returns the pointer.
  virtual void* Detach();

  static void* Alloc(size_t size) { return GdipAlloc(size); }
  static void Free(void* pointer) { GdipFree(pointer); }

 protected:
  GdiplusObject() = default;
  // Stores the typed copies of the pointer.
  virtual void SetNative(void* handle) = 0;
  // Takes other's object over, leaving other empty.
  void Adopt(GdiplusObject& other);

  // The copy and the move every owning wrapper class has: a second wrapper of
  // the same pointer, and a move that deletes this wrapper's object first.
  template <class W>
  static W ShareOf(const W& wrapper) {
    W copy;
    copy.SetNativeBase(wrapper.GetNativeBase());
    return copy;
  }
  // A move from a share of this wrapper's own object keeps the object: the
  // source only lets go of it.
  template <class W>
  W& MoveFrom(W& other) {
    W& self = static_cast<W&>(*this);
    if (&self == &other) return self;
    if (SameObject(other)) {
      other.Detach();
      return self;
    }
    self.Delete();
    Adopt(other);
    return self;
  }
  bool SameObject(const GdiplusObject& other) const {
    return nativeBase_ != nullptr && nativeBase_ == other.nativeBase_;
  }

  // The creation shape: the status, then every level set to what GDI+ left
  // in `handle` (taken by reference, so read after the call that writes it).
  template <class T>
  bool Created(GpStatus status, T* const& handle) {
    LastStatus = status;
    SetNativeBase(handle);
    return status == kOk;
  }
  // The delete shape after the call: the status, then every level emptied,
  // also when the call failed.
  bool Deleted(GpStatus status) {
    LastStatus = status;
    SetNativeBase(nullptr);
    return status == kOk;
  }
  // Records a status; the result of setters and actions.
  static bool Check(GpStatus status) {
    LastStatus = status;
    return status == kOk;
  }
  // Records a status; the value of a getter (0 when the call did not write
  // it). The value is taken by reference so that it is read after the call
  // that writes it, whatever the order the arguments are evaluated in.
  template <class T>
  static T Value(GpStatus status, const T& value) {
    LastStatus = status;
    return value;
  }

 private:
  void* nativeBase_ = nullptr;
};

// The handle of an optional wrapper argument, typed.
template <class T>
T* NativeOf(const GdiplusObject* object) {
  return object ? static_cast<T*>(object->GetNativeBase()) : nullptr;
}
template <class T>
T* NativeOf(const GdiplusObject& object) {
  return static_cast<T*>(object.GetNativeBase());
}

// ScaleAt and RotateAt: an operation about a centre point. Prepending (order
// 0) needs translate(c), op, translate(-c); appending the mirrored sequence.
// Every step gets the same order; the result is that of the last step.
template <class Translate, class Op>
bool AroundCentre(const PointF& centre, int order, Translate translate, Op op) {
  if (order == kMatrixOrderPrepend) {
    translate(centre.X, centre.Y);
    op();
    return translate(-centre.X, -centre.Y);
  }
  translate(-centre.X, -centre.Y);
  op();
  return translate(centre.X, centre.Y);
}

}  // namespace gdiplus
