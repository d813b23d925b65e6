#pragma once

#include <windows.h>

namespace framework {

class SkinFramework;

// First and second install pass over the "Button" children of `parent`.
void InstallPushButtons(SkinFramework& framework, int windowNumber, HWND parent);
void InstallCheckAndRadioButtons(SkinFramework& framework, int windowNumber, HWND parent);
LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// WM_DRAWITEM of window `windowNumber`; `item` is already a copy. False when
// the item is not one the framework draws (the message is then passed on).
bool DrawButtonItem(SkinFramework& framework, int windowNumber, const DRAWITEMSTRUCT& item);
// The same for WM_DRAWITEM's lParam, copied out first.
bool DrawButtonItemAt(SkinFramework& framework, int windowNumber, LPARAM item);
void RepaintButton(SkinFramework& framework, HWND button, bool hot);

// The painters, one per kind; `state` holds ODS_* bits (0x40 hot).
void PaintPushButton(SkinFramework& framework, HWND button, HDC target, UINT state,
                     const RECT& rect);
void PaintCheckBox(SkinFramework& framework, HWND button, HDC target, UINT state, const RECT& rect);
void PaintRadioButton(SkinFramework& framework, HWND button, HDC target, UINT state,
                      const RECT& rect);
void PaintPictureButton(SkinFramework& framework, HWND button, HDC target, UINT state,
                        const RECT& rect);

// Turns an installed push button into a picture button: kind 1 shows the
// picture over its whole face, kind 3 the picture left of the caption. The
// picture is image bytes (PNG, JPEG, ...). False when the button is not an
// installed push button or the picture does not decode.
bool MakePictureButton(SkinFramework& framework, HWND button, const void* picture, unsigned length);
bool MakeCaptionPictureButton(SkinFramework& framework, HWND button, const void* picture,
                              unsigned length);

}  // namespace framework
