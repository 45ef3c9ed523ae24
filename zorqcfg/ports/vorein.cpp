#include "ports/vorein.h"

#include "ports/modem.h"
#include "ports/vorein_ids.h"

namespace zorq {

vorein::vorein() : Dialog(IDD_VOREIN) {}

int showPresets(HWND owner) {
  vorein presets;
  presets.DoModal(owner);
  return presets.presetnr();
}

bool vorein::OnInit() {
  presetnr_ = kNoPreset;
  CheckButton(IDO_VOREIN_HAYES, BST_CHECKED);
  return true;
}

bool vorein::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED && id == IDB_VOREIN_OK) {
    OnOK();
    return true;
  }
  if (code == BN_CLICKED && id == IDB_VOREIN_ABBRUCH) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": the option selected.
void vorein::OnOK() {
  if (IsChecked(IDO_VOREIN_HAYES))
    presetnr_ = kHayes;
  else if (IsChecked(IDO_VOREIN_CFOS))
    presetnr_ = kCfos;
  else
    presetnr_ = kTelesVcom;
  End(IDOK);
}

}  // namespace zorq
