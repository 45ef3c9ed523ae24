#include "path.h"

#include "getpfad.h"
#include "path_ids.h"
#include "setupview.h"

namespace setup {

path::path(Setup& setup, HWND main) : Dialog(IDD_PATH), setup_(setup), main_(main) {}

bool path::OnInit() {
  CentreOn(hwnd(), main_);
  SetItemText(IDE_PATH_TEXT1, setup_.state().installPath);
  return true;
}

bool path::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDB_PATH_AUSWAHL: Auswahl(); return true;  // Command3
    case IDB_PATH_WEITER: Weiter(); return true;    // Command2
    case IDB_PATH_ABBRUCH:                          // Command1
    case IDCANCEL: End(IDCANCEL); return true;
    default: return false;
  }
}

void path::Auswahl() {
  State& state = setup_.state();
  state.pickedPath.clear();
  getpfad picker(setup_.env().sys.programDirectory(), main_);
  picker.DoModal(hwnd());
  state.pickedPath = picker.picked();
  if (!state.pickedPath.empty()) SetItemText(IDE_PATH_TEXT1, state.pickedPath);
}

void path::Weiter() {
  confirmed_ = setup_.confirmPath(ItemText(IDE_PATH_TEXT1));
  End(confirmed_ ? IDOK : IDCANCEL);
}

}  // namespace setup
