#include "ports/frmstart.h"

#include "ports/frmstart_ids.h"

namespace zorq {

namespace {

std::size_t at(int row) { return static_cast<std::size_t>(row); }

}  // namespace

frmstart::frmstart(Context& ctx) : Dialog(IDD_FRMSTART), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeStartParameters(Context& ctx) { return std::make_unique<frmstart>(ctx); }

// Load: the start file of the current network number, or else the table
// the main window holds. A broken file is told once the rows read show.
bool frmstart::OnInit() {
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where, startTableOf(ctx_.settings));
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmstart::setdata() {
  FillGuard filling(*this);
  for (int row = 0; row < kPortRows; ++row) {
    const StartRow shown = rowShown(model_.table.startMode[at(row)], model_.table.alwaysShow[at(row)]);
    CheckButton(IDX_FRMSTART_PORT + row, shown.port ? BST_CHECKED : BST_UNCHECKED);
    CheckButton(IDX_FRMSTART_FENSTER + row, shown.window ? BST_CHECKED : BST_UNCHECKED);
    CheckButton(IDX_FRMSTART_IMMER + row, shown.always ? BST_CHECKED : BST_UNCHECKED);
  }
}

void frmstart::getdata() {
  for (int row = 0; row < kPortRows; ++row) {
    const StartRow row3{IsChecked(IDX_FRMSTART_PORT + row), IsChecked(IDX_FRMSTART_FENSTER + row),
                        IsChecked(IDX_FRMSTART_IMMER + row)};
    model_.table.startMode[at(row)] = startModeOf(row3);
    model_.table.alwaysShow[at(row)] = row3.always ? 1 : 0;
  }
}

bool frmstart::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED && id == IDB_FRMSTART_OK) {
    OnOK();
    return true;
  }
  if (code == BN_CLICKED && id == IDB_FRMSTART_ABBRUCH) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": the start file, and the main window's table for its next "Ende".
// A failed save is told and changes neither; the dialog stays open.
void frmstart::OnOK() {
  getdata();
  if (!ReadyToSave(ctx_.ui, ctx_.fs, model_.loaded)) return;
  txt::Status saved = txt::guarded([&] { return model_.save(ctx_.fs); });
  if (!saved.ok()) {
    ctx_.ui.notice(saved.error);
    return;
  }
  putStartTable(ctx_.settings, model_.table);
  End(IDOK);
}

}  // namespace zorq
