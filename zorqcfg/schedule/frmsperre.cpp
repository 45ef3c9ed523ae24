#include "schedule/frmsperre.h"

#include <utility>

#include "schedule/frmsperre_ids.h"
#include "ui/win32/buttons.h"

namespace zorq {

frmsperre::frmsperre(std::string abfragetext) : Dialog(IDD_FRMSPERRE), abfragetext_(std::move(abfragetext)) {}

bool frmsperre::OnInit() {
  sperrwahl_.clear();
  if (!abfragetext_.empty()) SetItemText(IDT_FRMSPERRE_LABEL, abfragetext_);
  return true;
}

bool frmsperre::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED && id == IDB_FRMSPERRE_AN) {
    answer("ON");
    return true;
  }
  if (code == BN_CLICKED && id == IDB_FRMSPERRE_AUS) {
    answer("OFF");
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter presses the focused button; it answers nothing of its own.
void frmsperre::OnOK() { ui::pressFocusedButton(hwnd()); }

void frmsperre::answer(const char* onOff) {
  sperrwahl_ = onOff;
  End(IDOK);
}

}  // namespace zorq
