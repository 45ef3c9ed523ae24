// Enter in a dialog whose buttons are its answers.
#pragma once

#include <windows.h>

namespace ui {

// Presses the push button of dialog that has the keyboard focus, as Space
// or a click would: sends its BN_CLICKED and returns true. False when the
// focus is elsewhere or the button is disabled.
//
// The dialog manager presses a focused button on Enter only when the focus
// came to it by Tab; a button that has the focus since the dialog opened
// gets IDOK instead. A dialog whose buttons each answer and close calls this
// from OnOK.
bool pressFocusedButton(HWND dialog);

}  // namespace ui
