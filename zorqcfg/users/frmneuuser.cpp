#include "users/frmneuuser.h"

#include <commctrl.h>

#include "ui/win32/lists.h"
#include "users/frmneuuser_ids.h"
#include "ui/win32/subclass.h"

namespace zorq {

frmneuuser::frmneuuser(Context& ctx) : Dialog(IDD_FRMNEUUSER), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeNewUserDefaults(Context& ctx) { return std::make_unique<frmneuuser>(ctx); }

// Load: gruppen.dat and newuser.dat, then the fields and lists. A load error
// is told once the dialog shows what could be read.
bool frmneuuser::OnInit() {
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  for (int id : {IDL_FRMNEUUSER_NEU, IDL_FRMNEUUSER_REST})
    ui::Subclass(Item(id), ListInput, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(this));
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmneuuser::setdata() {
  FillGuard filling(*this);
  for (int i = 0; i < kNewUserValues; ++i)
    SetItemText(IDE_FRMNEUUSER_VALUE + i, model_.values[static_cast<std::size_t>(i)]);
  showLists();
}

void frmneuuser::getdata() {
  for (int i = 0; i < kNewUserValues; ++i)
    model_.values[static_cast<std::size_t>(i)] = ItemText(IDE_FRMNEUUSER_VALUE + i);
}

void frmneuuser::showLists() {
  for (auto [id, names] : {std::pair{IDL_FRMNEUUSER_NEU, &model_.forNewUsers},
                           std::pair{IDL_FRMNEUUSER_REST, &model_.remaining}}) {
    SendMessageW(Item(id), LB_RESETCONTENT, 0, 0);
    ui::fillList(Item(id), *names);
  }
}

// A click in "Gruppen für neue User" moves the group out.
void frmneuuser::list1Click() {
  if (model_.toRemaining(ui::selectedIndex(Item(IDL_FRMNEUUSER_NEU)))) showLists();
}

// A double click in "restliche Gruppen" moves the group in.
void frmneuuser::list2DblClick() {
  if (model_.toNewUsers(ui::selectedIndex(Item(IDL_FRMNEUUSER_REST)))) showLists();
}

// Arrow keys only select, and the space bar moves the selected group, so
// that the lists work from the keyboard too. A mouse click moves the group
// when the button is let go: while it is held, the selection follows the
// mouse, and only the group under it at the end moves.
LRESULT CALLBACK frmneuuser::ListInput(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                       DWORD_PTR self) {
  auto* dialog = reinterpret_cast<frmneuuser*>(self);
  if (msg == WM_CHAR && wp == VK_SPACE) {
    id == IDL_FRMNEUUSER_NEU ? dialog->list1Click() : dialog->list2DblClick();
    return 0;
  }
  if (msg == WM_KEYDOWN || msg == WM_CHAR) {
    dialog->keyboard_ = true;
    LRESULT result = ui::CallNextHook(list, msg, wp, lp);
    dialog->keyboard_ = false;
    return result;
  }
  if (id == IDL_FRMNEUUSER_NEU && msg == WM_LBUTTONDOWN) dialog->mouseDown_ = true;
  if (id == IDL_FRMNEUUSER_NEU && msg == WM_LBUTTONUP) {
    LRESULT result = ui::CallNextHook(list, msg, wp, lp);
    dialog->mouseDown_ = false;
    if (dialog->clickPending_) {
      dialog->clickPending_ = false;
      dialog->list1Click();
    }
    return result;
  }
  return ui::CallNextHook(list, msg, wp, lp);
}

bool frmneuuser::OnCommand(int id, int code, HWND control) {
  if (id == IDL_FRMNEUUSER_NEU && code == LBN_SELCHANGE) {
    if (keyboard_) return true;
    if (mouseDown_)
      clickPending_ = true;
    else
      list1Click();
    return true;
  }
  if (id == IDL_FRMNEUUSER_REST && code == LBN_DBLCLK) {
    list2DblClick();
    return true;
  }
  if (code == BN_CLICKED && id == IDB_FRMNEUUSER_OK) {
    OnOK();
    return true;
  }
  if (code == BN_CLICKED && id == IDB_FRMNEUUSER_ABBRUCH) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": save and close; a failed save is told and the dialog stays open.
void frmneuuser::OnOK() {
  getdata();
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
