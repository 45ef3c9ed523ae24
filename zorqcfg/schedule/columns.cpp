#include "schedule/columns.h"

#include "platform/win32/wide.h"
#include "ui/win32/lists.h"

namespace zorq {

void Columns::fill(const std::vector<std::string>& left, const std::vector<std::string>& right,
                   int selected) {
  SendMessageW(left_, LB_RESETCONTENT, 0, 0);
  SendMessageW(right_, LB_RESETCONTENT, 0, 0);
  ui::fillList(left_, left);
  ui::fillList(right_, right);
  select(selected);
}

void Columns::setText(HWND list, int index, const std::string& text) {
  int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  if (index < 0 || index >= count) return;
  bool marked = ui::selectedIndex(list) == index;
  int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  std::wstring wide = plat::wide(text);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
  if (marked) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void Columns::setRow(int index, const std::string& left, const std::string& right) {
  setText(left_, index, left);
  setText(right_, index, right);
}

void Columns::select(int index) {
  SendMessageW(left_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  SendMessageW(right_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
  if (index >= 0) {
    LRESULT top = SendMessageW(left_, LB_GETTOPINDEX, 0, 0);
    SendMessageW(right_, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
  }
}

}  // namespace zorq
