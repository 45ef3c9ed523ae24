#include "ports/frmfenst.h"

#include "ports/frmfenst_ids.h"

namespace zorq {

namespace {

struct Box {
  int id;
  int ModuleWindows::*value;
};
constexpr Box kBoxes[] = {
    {IDX_FRMFENST_CRUNCHER, &ModuleWindows::cruncher},
    {IDX_FRMFENST_SORTER, &ModuleWindows::sorter},
    {IDX_FRMFENST_NETZEMPFANG, &ModuleWindows::netReceive},
    {IDX_FRMFENST_NETZSENDE, &ModuleWindows::netSend},
};

}  // namespace

frmfenst::frmfenst(Context& ctx) : Dialog(IDD_FRMFENST), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeModuleWindows(Context& ctx) { return std::make_unique<frmfenst>(ctx); }

bool frmfenst::OnInit() {
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmfenst::setdata() {
  FillGuard filling(*this);
  for (const Box& b : kBoxes) CheckButton(b.id, model_.values.*b.value != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void frmfenst::getdata() {
  for (const Box& b : kBoxes) model_.values.*b.value = IsChecked(b.id) ? 1 : 0;
}

bool frmfenst::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED && id == IDB_FRMFENST_OK) {
    OnOK();
    return true;
  }
  if (code == BN_CLICKED && id == IDB_FRMFENST_ABBRUCH) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// "OK": winds.txt; a failed save is told and the dialog stays open.
void frmfenst::OnOK() {
  getdata();
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
