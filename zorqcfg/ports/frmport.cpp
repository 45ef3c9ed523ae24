#include "ports/frmport.h"

#include "ports/frmport_ids.h"
#include "ui/win32/buttons.h"

namespace zorq {

frmport::frmport(Chain chain) : Dialog(IDD_FRMPORT), chain_(std::move(chain)) {}

int showPortChooser(HWND owner) {
  frmport chooser;
  chooser.DoModal(owner);
  return chooser.portnr();
}

bool frmport::OnInit() {
  portnr_ = kNoPort;
  return true;
}

bool frmport::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    if (id >= IDB_FRMPORT_PORT && id < IDB_FRMPORT_PORT + kPortCount) {
      portClick(id - IDB_FRMPORT_PORT);
      return true;
    }
    if (id == IDB_FRMPORT_ABBRUCH) {
      OnCancel();
      return true;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// A port button: the chooser closes with the port, and only then does the
// chain (the modem parameters) open, so that the caller's modal call returns
// once that has closed too.
void frmport::portClick(int port) {
  portnr_ = port;
  HWND owner = GetWindow(hwnd(), GW_OWNER);
  End(IDOK);
  if (chain_) chain_(owner, port);
}

// Enter presses the focused button (a port, or "Abbruch"); it chooses
// nothing of its own.
void frmport::OnOK() { ui::pressFocusedButton(hwnd()); }

// "Abbruch" and the close box: no port, and never the modem parameters.
void frmport::OnCancel() {
  portnr_ = kNoPort;
  End(IDCANCEL);
}

}  // namespace zorq
