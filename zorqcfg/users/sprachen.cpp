#include "users/sprachen.h"

#include "users/sprachen_ids.h"

namespace zorq {

sprachen::sprachen(Context& ctx) : Dialog(IDD_SPRACHEN), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeLanguages(Context& ctx) { return std::make_unique<sprachen>(ctx); }

bool sprachen::OnInit() {
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void sprachen::setdata() {
  FillGuard filling(*this);
  for (int i = 0; i < kLanguageSlots; ++i)
    SetItemText(IDE_SPRACHEN_NAME + i, model_.names[static_cast<std::size_t>(i)]);
}

void sprachen::getdata() {
  for (int i = 0; i < kLanguageSlots; ++i)
    model_.names[static_cast<std::size_t>(i)] = ItemText(IDE_SPRACHEN_NAME + i);
}

// "Edit": the language file of the name as it stands in the field, saved or
// not; an empty field starts nothing. The dialog stays open.
void sprachen::editClick(int slot) {
  if (auto command = languageEditCommand(ctx_.where, ItemText(IDE_SPRACHEN_NAME + slot)))
    ctx_.system.startProgram(*command);
}

bool sprachen::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    if (id >= IDB_SPRACHEN_EDIT && id < IDB_SPRACHEN_EDIT + kLanguageSlots) {
      editClick(id - IDB_SPRACHEN_EDIT);
      return true;
    }
    if (id == IDB_SPRACHEN_OK) {
      OnOK();
      return true;
    }
    if (id == IDB_SPRACHEN_ABBRUCH) {
      OnCancel();
      return true;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": save and close; a failed save is told and the dialog stays open.
void sprachen::OnOK() {
  getdata();
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
