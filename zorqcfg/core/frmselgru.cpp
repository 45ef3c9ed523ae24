#include "core/frmselgru.h"

#include <commctrl.h>

#include <algorithm>

#include "core/frmselgru_ids.h"
#include "ui/win32/lists.h"
#include "core/picker_lists.h"
#include "ui/win32/subclass.h"

namespace zorq {

frmselgru::frmselgru(plat::FileSystem& fs, const Installation& where, ui::Services& ui, std::string current)
    : Dialog(IDD_FRMSELGRU), fs_(fs), where_(where), ui_(ui), current_(std::move(current)) {}

bool frmselgru::OnInit() {
  auswahl_.clear();
  cancelled_ = false;
  groups_ = loadGroups(fs_, where_, ui_);
  groups_.insert(groups_.begin(), kNoGroupEntry);
  HWND list = Item(IDL_FRMSELGRU_GROUPS);
  ui::fillList(list, groups_);
  // The caller's group is selected, so that Enter answers it. A group the
  // file no longer lists selects nothing: Enter must not clear it.
  const auto at =
      current_.empty() ? groups_.begin() : std::find(groups_.begin() + 1, groups_.end(), current_);
  if (at != groups_.end()) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(at - groups_.begin()), 0);
  ui::Subclass(list, ListKeys, 1, reinterpret_cast<DWORD_PTR>(this));
  SetFocus(list);
  return false;
}

// A click chooses at once. Moving through the list with the keyboard only
// selects; Enter then chooses.
LRESULT CALLBACK frmselgru::ListKeys(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
  auto* picker = reinterpret_cast<frmselgru*>(self);
  if (msg == WM_KEYDOWN || msg == WM_CHAR) {
    picker->keyboardMoving_ = true;
    LRESULT result = ui::CallNextHook(list, msg, wp, lp);
    picker->keyboardMoving_ = false;
    return result;
  }
  // A click on the row selected already changes no selection, so the list
  // tells nothing: choose it here.
  if (msg == WM_LBUTTONDOWN) {
    const int before = ui::selectedIndex(list);
    const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, lp);
    LRESULT result = ui::CallNextHook(list, msg, wp, lp);
    if (before >= 0 && HIWORD(hit) == 0 && static_cast<int>(LOWORD(hit)) == before) picker->choose();
    return result;
  }
  return ui::CallNextHook(list, msg, wp, lp);
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
