#include "core/frmdir.h"

#include "core/frmdir_ids.h"
#include "core/picker_lists.h"

namespace zorq {

frmdir::frmdir(std::string startDirectory, ui::Services& ui)
    : Dialog(IDD_FRMDIR), start_(std::move(startDirectory)), ui_(ui) {}

bool frmdir::OnInit() {
  auswahl_.clear();
  tree_.onEnter([this] { enterInTree(); });
  tree_.onRefused([this](const std::string& problem) { ui_.notice(problem); });
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
// double click does). A row whose name cannot be stored is refused, and the
// picker stays open.
void frmdir::enterInTree() {
  const std::string before = tree_.openDirectory();
  if (tree_.openSelected() && tree_.openDirectory() == before) return;  // refused
  OnOK();
}

// "OK" answers the directory open in the tree. A directory whose name cannot
// be stored is refused, and the picker stays open.
void frmdir::OnOK() {
  if (auto problem = unstorableName(tree_.openDirectory())) {
    ui_.notice(*problem);
    return;
  }
  auswahl_ = withBackslash(tree_.openDirectory());
  End(IDOK);
}

}  // namespace zorq
