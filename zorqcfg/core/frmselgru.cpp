#include "core/frmselgru.h"

#include <commctrl.h>

#include "core/frmselgru_ids.h"
#include "ui/win32/lists.h"
#include "core/picker_lists.h"

namespace zorq {

frmselgru::frmselgru(plat::FileSystem& fs, const Installation& where, ui::Services& ui)
    : Dialog(IDD_FRMSELGRU), fs_(fs), where_(where), ui_(ui) {}

bool frmselgru::OnInit() {
  auswahl_.clear();
  cancelled_ = false;
  groups_ = loadGroups(fs_, where_, ui_);
  groups_.insert(groups_.begin(), kNoGroupEntry);
  HWND list = Item(IDL_FRMSELGRU_GROUPS);
  ui::fillList(list, groups_);
  SetWindowSubclass(list, ListKeys, 1, reinterpret_cast<DWORD_PTR>(this));
  SetFocus(list);
  return false;
}

// A click chooses at once. Moving through the list with the keyboard only
// selects; Enter then chooses.
LRESULT CALLBACK frmselgru::ListKeys(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* picker = reinterpret_cast<frmselgru*>(self);
  if (msg == WM_KEYDOWN || msg == WM_CHAR) {
    picker->keyboardMoving_ = true;
    LRESULT result = DefSubclassProc(list, msg, wp, lp);
    picker->keyboardMoving_ = false;
    return result;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(list, ListKeys, 1);
  return DefSubclassProc(list, msg, wp, lp);
}

void frmselgru::choose() {
  int index = ui::selectedIndex(Item(IDL_FRMSELGRU_GROUPS));
  if (index < 0) return;
  auswahl_ = index == 0 ? std::string() : groups_[static_cast<std::size_t>(index)];
  End(IDOK);
}

bool frmselgru::OnCommand(int id, int code, HWND control) {
  if (id == IDL_FRMSELGRU_GROUPS && code == LBN_SELCHANGE) {
    if (!keyboardMoving_) choose();
    return true;
  }
  if (id == IDB_FRMSELGRU_ABBRUCH) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter chooses the selected entry (on "Abbruch" it presses that button).
void frmselgru::OnOK() { choose(); }

// "Abbruch" (and Esc, its key) answers "@", so that a caller can tell it
// from "Keine Gruppe".
void frmselgru::OnCancel() {
  cancelled_ = true;
  End(IDCANCEL);
}

// The close box answers nothing.
INT_PTR frmselgru::OnMessage(UINT msg, WPARAM, LPARAM, bool& handled) {
  if (msg != WM_CLOSE) return 0;
  handled = true;
  End(IDCANCEL);
  return TRUE;
}

}  // namespace zorq
