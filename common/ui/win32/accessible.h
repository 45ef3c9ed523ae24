// Names for screen readers. A control without a text of its own is named by
// the label before it in tab order; a button by its caption. Where neither
// says what the control is for (a button that shows a value, a slider
// beside its number field), the control is given its name here.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Answers screen readers with name (Windows-1252) for control, for as long as
// the control lives. Everything else they ask is answered as for any control
// of its kind.
void SetAccessibleName(HWND control, const std::string& name);

}  // namespace ui
