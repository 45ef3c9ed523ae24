#include "ui/win32/lists.h"

#include "platform/win32/wide.h"

namespace ui {

void fillList(HWND list, const std::vector<std::string>& entries) {
  std::size_t bytes = 0;
  for (const std::string& e : entries) bytes += (e.size() + 1) * sizeof(wchar_t);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_INITSTORAGE, entries.size(), static_cast<LPARAM>(bytes));
  for (const std::string& e : entries)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(e).c_str()));
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

int selectedIndex(HWND list) {
  LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

}  // namespace ui
