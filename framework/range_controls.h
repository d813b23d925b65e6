#pragma once

#include <windows.h>

#include <optional>

namespace framework {

class SkinFramework;

void InstallTrackbars(SkinFramework& framework, int windowNumber, HWND parent);
void InstallProgressBars(SkinFramework& framework, int windowNumber, HWND parent);
void InstallUpDowns(SkinFramework& framework, int windowNumber, HWND parent);
LRESULT CALLBACK TrackbarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ProgressWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintTrackbar(SkinFramework& framework, int windowNumber, int index);
// A null target paints into the control's window DC.
void PaintProgressBar(SkinFramework& framework, int windowNumber, int index, HDC target);
// An empty value takes the record's own.
void PaintUpDown(SkinFramework& framework, int windowNumber, int index, std::optional<bool> hot,
                 std::optional<bool> pressed, std::optional<LPARAM> mouse);
// 1 for the up or left half, else 2.
int UpDownHitTest(SkinFramework& framework, int windowNumber, int index, LPARAM mouse);

// Tick placement from a trackbar's style: 0 top or left, 1 bottom or right,
// 2 both sides, 3 none.
int TickPlacement(LONG style);
// The filled length of a progress bar of `size` pixels, 0..size; an empty or
// inverted range fills nothing.
int ProgressFillLength(int position, int low, int high, int size);

}  // namespace framework
