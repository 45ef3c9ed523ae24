#include "theend.h"

#include "setupview.h"
#include "theend_ids.h"

namespace setup {

theend::theend(std::string text) : Dialog(IDD_THEEND), text_(std::move(text)) {}

bool theend::OnInit() {
  CentreOn(hwnd(), GetWindow(hwnd(), GW_OWNER));
  SetItemText(IDT_THEEND_LABEL1, text_);
  return true;
}

bool theend::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDB_THEEND_VALMORIN: choice_ = FinalChoice::Valmorin; break;
    case IDB_THEEND_EINSTELLUNGEN: choice_ = FinalChoice::Einstellungen; break;
    case IDB_THEEND_ENDE:
    case IDCANCEL: choice_ = FinalChoice::Ende; break;
    default: return false;
  }
  End(IDOK);
  return true;
}

INT_PTR theend::OnMessage(UINT msg, WPARAM, LPARAM lp, bool& handled) {
  handled = DrawLogoItem(msg, lp);
  return handled ? TRUE : FALSE;
}

}  // namespace setup
