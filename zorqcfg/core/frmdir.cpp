#include "core/frmdir.h"

#include "core/frmdir_ids.h"
#include "core/picker_lists.h"

namespace zorq {

frmdir::frmdir(std::string startDirectory) : Dialog(IDD_FRMDIR), start_(std::move(startDirectory)) {}

bool frmdir::OnInit() {
  auswahl_.clear();
  tree_.onEnter([this] { enterInTree(); });
  tree_.attach(Item(IDC_FRMDIR_DRIVES), Item(IDL_FRMDIR_TREE), start_);
  SetFocus(Item(IDL_FRMDIR_TREE));
  return false;
}

bool frmdir::OnCommand(int id, int code, HWND control) {
  if (tree_.handle(control, code)) return true;
  if (id == IDB_FRMDIR_OK) {
    OnOK();
    return true;
  }
  if (id == IDB_FRMDIR_ABBRUCH) {
    End(IDCANCEL);
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter in the tree answers the row selected there, so that a keyboard user
// gets the folder the cursor is on (the Right key opens a folder, as a
// double click does).
void frmdir::enterInTree() {
  tree_.openSelected();
  OnOK();
}

// "OK" answers the directory open in the tree.
void frmdir::OnOK() {
  auswahl_ = withBackslash(tree_.openDirectory());
  End(IDOK);
}

}  // namespace zorq
