#include "welcome.h"

#include "setupview.h"
#include "welcome_ids.h"

namespace setup {

welcome::welcome(std::string text) : Dialog(IDD_WELCOME), text_(std::move(text)) {}

bool welcome::OnInit() {
  CentreOn(hwnd(), GetWindow(hwnd(), GW_OWNER));
  SetItemText(IDT_WELCOME_LABEL1, text_);
  return true;
}

bool welcome::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDB_WELCOME_WEITER:  // Command2
      confirmed_ = true;
      End(IDOK);
      return true;
    case IDB_WELCOME_ABBRUCH:  // Command1
    case IDCANCEL: End(IDCANCEL); return true;
    default: return false;
  }
}

INT_PTR welcome::OnMessage(UINT msg, WPARAM, LPARAM lp, bool& handled) {
  handled = DrawLogoItem(msg, lp);
  return handled ? TRUE : FALSE;
}

}  // namespace setup
