// Drawing and placing shared by setup's windows.
#pragma once

#include <windows.h>

namespace setup {

// Puts a dialog in the middle of its owner (the main window).
void CentreOn(HWND dialog, HWND owner);

// n = 11 adds one level of waiting (hourglass), n = 0 removes one; any other
// n sets that pointer directly.
void BusyCursor(int n);

// The Valmorin logo of welcome and theend.
void PaintLogo(HDC dc, const RECT& box);
// Paints the logo for a dialog's WM_DRAWITEM (the logo is its one
// owner-drawn control); true when msg was that.
bool DrawLogoItem(UINT msg, LPARAM lp);

// The progress bar: the percentage in dark blue on white, the bar laid over
// it so that under the bar the background turns dark blue and the text
// white.
void ShowProgress(HDC dc, const RECT& box, double fraction);

// The dpi of the monitor the window is on.
UINT WindowDpi(HWND window);

// The gradient from bright blue to black with the caption and its shadow;
// the title is 24 points at dpi, the window's own.
void PaintBackground(HDC dc, const RECT& inner, const wchar_t* caption, UINT dpi);

}  // namespace setup
