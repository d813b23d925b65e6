#pragma once

#include <windows.h>

namespace framework {

// Window properties that lead from a window back to the framework's records.
inline constexpr const char* kWindowNumberKey = "Hw_lbID";   // window number / index in table
inline constexpr const char* kOwnerNumberKey = "Hw_FuID";    // window number of a control
inline constexpr const char* kPreviousProcKey = "Hw_hProc";  // previous window procedure
inline constexpr const char* kTextColourKey = "Kj_Ztys";     // COLORREF
inline constexpr const char* kColourBrushKey = "Kj_dxjb";    // brush of WM_CTLCOLOR*
inline constexpr const char* kColourBitmapKey = "Kj_wtjb";   // bitmap behind that brush
inline constexpr const char* kGenericIndexKey = "Kj_lbID";
inline constexpr const char* kGenericOwnerKey = "Kj_FuID";
inline constexpr const char* kGenericProcKey = "Kj_hProc";
inline constexpr const char* kCacheOriginalKey = "Ck_Ycjdx";  // first object of cache DC 1
inline constexpr const char* kCacheBitmapKey = "Ck_wtjbdx";   // bitmap of cache DC 1
inline constexpr const char* kTemplateKey = "Mb_zpf";         // container background template
inline constexpr const char* kParentTemplateFlagKey = "Wxk_Cj";
inline constexpr const char* kParentTemplateKey = "Wxk_Zpf";

// Properties hold pointer-sized integers.
inline LONG_PTR ReadProp(HWND window, const char* key) {
  return reinterpret_cast<LONG_PTR>(::GetPropA(window, key));
}
inline void WriteProp(HWND window, const char* key, LONG_PTR value) {
  ::SetPropA(window, key, reinterpret_cast<HANDLE>(value));
}
inline int ReadIntProp(HWND window, const char* key) {
  return static_cast<int>(ReadProp(window, key));
}
template <class T>
T ReadHandleProp(HWND window, const char* key) {
  return reinterpret_cast<T>(::GetPropA(window, key));
}
inline void WriteHandleProp(HWND window, const char* key, const void* value) {
  ::SetPropA(window, key, const_cast<HANDLE>(value));
}

}  // namespace framework
