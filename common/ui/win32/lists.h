// Filling a list box with many entries at once.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace ui {

// Adds the entries (Windows-1252) with redrawing off and the list's storage
// reserved beforehand, so that a hundred thousand entries show at once.
void fillList(HWND list, const std::vector<std::string>& entries);

// The index of the selected entry, or -1.
int selectedIndex(HWND list);

}  // namespace ui
