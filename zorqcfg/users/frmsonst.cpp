#include "users/frmsonst.h"

#include "ui/win32/lists.h"
#include "users/frmsonst_ids.h"

namespace zorq {

frmsonst::frmsonst(Context& ctx) : Dialog(IDD_FRMSONST), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeMiscLists(Context& ctx) { return std::make_unique<frmsonst>(ctx); }

// Load: both list files and the import comment of the main settings; there
// is no load message.
bool frmsonst::OnInit() {
  model_.load(ctx_.fs, ctx_.where, ctx_.settings);
  setdata();
  return true;
}

void frmsonst::setdata() {
  FillGuard filling(*this);
  showLists();
  SetItemText(IDE_FRMSONST_KOMMENTAR, model_.importComment);
}

void frmsonst::showLists() {
  for (auto [id, names] : {std::pair{IDL_FRMSONST_COSYSOPS, &model_.cosysops},
                           std::pair{IDL_FRMSONST_VERBOTEN, &model_.forbidden}}) {
    SendMessageW(Item(id), LB_RESETCONTENT, 0, 0);
    ui::fillList(Item(id), *names);
  }
}

// "Dazu" (co-sysops): a user of the user picker, unless listed already.
void frmsonst::cosysopDazu() {
  if (model_.addCosysop(ctx_.pickers.pickUser())) showLists();
}

void frmsonst::cosysopEntfernen() {
  model_.removeCosysop(ui::selectedIndex(Item(IDL_FRMSONST_COSYSOPS)));
  showLists();
}

// "Dazu" (forbidden names): the typed name in upper case, unless listed
// already; the field is emptied in every case.
// A name the file cannot hold is refused; the field keeps it for correcting.
void frmsonst::verbotenDazu() {
  const std::string name = ItemText(IDE_FRMSONST_NAME);
  if (RefuseUnstorable(ctx_.ui)) return;
  if (model_.addForbidden(name)) showLists();
  SetItemText(IDE_FRMSONST_NAME, "");
}

void frmsonst::verbotenEntfernen() {
  model_.removeForbidden(ui::selectedIndex(Item(IDL_FRMSONST_VERBOTEN)));
  showLists();
}

bool frmsonst::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    switch (id) {
      case IDB_FRMSONST_COSYSOP_DAZU: cosysopDazu(); return true;
      case IDB_FRMSONST_COSYSOP_ENTFERNEN: cosysopEntfernen(); return true;
      case IDB_FRMSONST_VERBOTEN_DAZU: verbotenDazu(); return true;
      case IDB_FRMSONST_VERBOTEN_ENTFERNEN: verbotenEntfernen(); return true;
      case IDB_FRMSONST_OK: OnOK(); return true;
      case IDB_FRMSONST_ABBRUCH: OnCancel(); return true;
      default: break;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": both files, then the comment into the main settings record, which
// the main window's "Ende" writes. A failed save is told and the dialog
// stays open. Enter in the name field adds the name, as "Dazu" does.
void frmsonst::OnOK() {
  if (GetFocus() == Item(IDE_FRMSONST_NAME) && !ItemText(IDE_FRMSONST_NAME).empty()) {
    verbotenDazu();
    return;
  }
  model_.importComment = ItemText(IDE_FRMSONST_KOMMENTAR);
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded,
             [&] { return model_.save(ctx_.fs, ctx_.where, ctx_.settings); });
}

}  // namespace zorq
