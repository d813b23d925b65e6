#include "gdiplus/gdiplus_object.h"

#include <cstring>

namespace gdiplus {

int32_t LastStatus = 0;
ULONG_PTR GdiplusStartupToken = 0;

ULONG_PTR StartGdiplus(UINT32 version) {
  StartupInput input{version, nullptr, FALSE, FALSE};
  ULONG_PTR token = 0;
  LastStatus = GdiplusStartup(&token, &input, nullptr);
  GdiplusStartupToken = token;
  return token;
}

void StopGdiplus(ULONG_PTR token, int explicitToken) {
  if (explicitToken == 0) {
    token = GdiplusStartupToken;
    GdiplusStartupToken = 0;
  }
  if (token != 0) GdiplusShutdown(token);
}

WideText::WideText(const char* text) {
  if (text == nullptr) text = "";
  const int size = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  // One element more than asked for keeps the result terminated even when the
  // size query fails.
  buffer_.assign(static_cast<size_t>(size > 0 ? size : 0) + 1, 0);
  MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(std::strlen(text)), buffer_.data(),
                      static_cast<int>(buffer_.size()));
  length_ = lstrlenW(buffer_.data());
}

std::string ToAnsi(const WCHAR* text) {
  if (text == nullptr) return std::string();
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return std::string();
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, result.data(), size, nullptr, nullptr);
  result.resize(std::strlen(result.c_str()));
  return result;
}

void* GdiplusObject::Detach() {
  void* handle = nativeBase_;
  SetNativeBase(nullptr);
  return handle;
}

void GdiplusObject::Adopt(GdiplusObject& other) {
  void* handle = other.Detach();
  SetNativeBase(handle);
}

}  // namespace gdiplus
