#include "network/frmbox.h"

#include "network/frmbox_ids.h"
#include "ui/win32/lists.h"

namespace zorq {

frmbox::frmbox(plat::FileSystem& fs, const Installation& where, ui::Services& ui)
    : Dialog(IDD_FRMBOX), fs_(fs), where_(where), ui_(ui) {}

// Load: the boxes of netz.dat. A damaged file is told once the list holds
// the boxes read before the damage.
bool frmbox::OnInit() {
  auswahl_.reset();
  boxes_ = loadNetBoxes(fs_, where_);
  HWND list = Item(IDL_FRMBOX_BOXES);
  ui::fillList(list, boxes_.names);
  if (!boxes_.names.empty()) SendMessageW(list, LB_SETCURSEL, 0, 0);
  SetFocus(list);
  if (!boxes_.status.ok()) ui_.loadError(boxes_.status.error);
  return false;
}

// Answers from the names as read, so that a name keeps its bytes. The
// position in the list is the record's position in the file.
void frmbox::choose() {
  int index = ui::selectedIndex(Item(IDL_FRMBOX_BOXES));
  if (index < 0 || static_cast<std::size_t>(index) >= boxes_.names.size()) return;
  const auto at = static_cast<std::size_t>(index);
  if (!boxes_.names[at].empty())
    auswahl_ = NetBoxChoice{boxes_.names[at], index, boxes_.types[at], boxes_.types};
  End(IDOK);
}

bool frmbox::OnCommand(int id, int code, HWND control) {
  if (id == IDL_FRMBOX_BOXES && code == LBN_DBLCLK) {
    choose();
    return true;
  }
  if (id == IDB_FRMBOX_ABBRUCH && code == BN_CLICKED) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter chooses the selected box (on "Abbruch" it presses that button).
void frmbox::OnOK() { choose(); }

}  // namespace zorq
