#include "core/frmselus.h"

#include "core/frmselus_ids.h"
#include "ui/win32/lists.h"
#include "core/picker_lists.h"

namespace zorq {

frmselus::frmselus(plat::FileSystem& fs, const Installation& where, ui::Services& ui)
    : Dialog(IDD_FRMSELUS), fs_(fs), where_(where), ui_(ui) {}

bool frmselus::OnInit() {
  auswahl_.clear();
  users_ = loadUsers(fs_, where_, ui_);
  HWND list = Item(IDL_FRMSELUS_USERS);
  ui::fillList(list, users_);
  if (!users_.empty()) SendMessageW(list, LB_SETCURSEL, 0, 0);
  SetFocus(list);
  return false;
}

// Answers from the entries as read, so that the name keeps its bytes.
void frmselus::choose() {
  int index = ui::selectedIndex(Item(IDL_FRMSELUS_USERS));
  if (!users_.empty() && index >= 0) auswahl_ = users_[static_cast<std::size_t>(index)];
  End(IDOK);
}

bool frmselus::OnCommand(int id, int code, HWND control) {
  if (id == IDL_FRMSELUS_USERS && code == LBN_DBLCLK) {
    choose();
    return true;
  }
  if (id == IDB_FRMSELUS_ABBRUCH) {
    End(IDCANCEL);
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter chooses the selected entry (on "Abbruch" it presses that button).
void frmselus::OnOK() {
  if (ui::selectedIndex(Item(IDL_FRMSELUS_USERS)) >= 0) choose();
}

}  // namespace zorq
