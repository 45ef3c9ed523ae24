#include "core/haupt.h"

#include "core/haupt_ids.h"

namespace zorq {

haupt::haupt(Installation& where, ui::Services& services) : Dialog(IDD_HAUPT), where_(where), ui_(services) {}

bool haupt::OnCommand(int id, int code, HWND control) {
  if (id == IDB_HAUPT_ABBRUCH) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// "Abbruch": end at once, writing nothing.
void haupt::OnCancel() { End(IDCANCEL); }

void haupt::OnDestroyed() { PostQuitMessage(0); }

}  // namespace zorq
