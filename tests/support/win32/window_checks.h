// What every open window must pass, checked on the live window, captions set
// by code included: each control lies inside the window, each text shows
// whole, and the access keys keep to the rule of window_rules.h.
#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// The control's rectangle in the client coordinates of window.
RECT rectIn(HWND window, HWND control);
// The width text takes in the control's own font.
int textWidth(HWND control, const std::wstring& text);

// Every control lies inside the client area, and the text of every label,
// button, check box, option button and group box shows whole in the
// control's own font: on one line, where a check box or option button loses
// the width of its box, or, in a control that wraps its text, within its
// area.
void expectEverythingFits(HWND window);
// Everything fits, and no access key is missing or taken twice, not even
// by two labels.
void expectTidy(HWND window);

}  // namespace testing_support
