#include "core/frmdir.h"

#include "core/frmdir_ids.h"
#include "core/picker_lists.h"

namespace zorq {

frmdir::frmdir(std::string startDirectory, ui::Services& ui)
    : Dialog(IDD_FRMDIR), start_(std::move(startDirectory)), ui_(ui) {}

bool frmdir::OnInit() {
  auswahl_.clear();
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

// Enter in the tree opens the chosen row, as a double click does; elsewhere
// it is "OK". A directory whose name cannot be stored is refused, and the
// picker stays open.
void frmdir::OnOK() {
  if (GetFocus() == Item(IDL_FRMDIR_TREE) && tree_.openSelected()) return;
  if (auto problem = unstorableName(tree_.openDirectory())) {
    ui_.notice(*problem);
    return;
  }
  auswahl_ = withBackslash(tree_.openDirectory());
  End(IDOK);
}

}  // namespace zorq
