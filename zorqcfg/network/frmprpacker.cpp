#include "network/frmprpacker.h"

#include <iterator>

#include "network/frmprpacker_ids.h"
#include "ui/win32/lists.h"

namespace zorq {

namespace {

// The fields in the order of their ids, with the widths that cut them.
constexpr std::string Packer::*kFields[] = {&Packer::name,   &Packer::pack, &Packer::unpack,
                                            &Packer::suffix, &Packer::id,   &Packer::list};
constexpr std::size_t kWidths[] = {kNameWidth, kPackWidth, kUnpackWidth, kSuffixWidth, kIdWidth, kListWidth};
constexpr int kFieldCount = static_cast<int>(std::size(kFields));

}  // namespace

frmprpacker::frmprpacker(Context& ctx) : Dialog(IDD_FRMPRPACKER), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makePackers(Context& ctx) { return std::make_unique<frmprpacker>(ctx); }

// Opening: the files into the records and the list, then packer 0 in the
// fields. After a load error the fields show the packer as read, so that
// "OK" or a move keeps it.
bool frmprpacker::OnInit() {
  for (int f = 0; f < kFieldCount; ++f)
    SendMessageW(Item(IDE_FRMPRPACKER_FIELD + f), EM_SETLIMITTEXT, kWidths[f], 0);
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  ui::fillList(Item(IDL_FRMPRPACKER_NAMES), model_.listNames);
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmprpacker::getdata() {
  Packer typed;
  for (int f = 0; f < kFieldCount; ++f) typed.*kFields[f] = ItemText(IDE_FRMPRPACKER_FIELD + f);
  model_.getdata(typed);
}

void frmprpacker::setdata() {
  FillGuard filling(*this);
  const Packer shown = model_.setdata();
  for (int f = 0; f < kFieldCount; ++f) SetItemText(IDE_FRMPRPACKER_FIELD + f, shown.*kFields[f]);
  SendMessageW(Item(IDL_FRMPRPACKER_NAMES), LB_SETCURSEL, static_cast<WPARAM>(model_.current), 0);
}

bool frmprpacker::OnCommand(int id, int code, HWND control) {
  if (id == IDL_FRMPRPACKER_NAMES) {
    if (code == LBN_SELCHANGE) listClick();
    return true;
  }
  if (code == BN_CLICKED) {
    switch (id) {
      case IDB_FRMPRPACKER_NAECHSTER: naechsterClick(); return true;
      case IDB_FRMPRPACKER_VORHERIGER: vorherigerClick(); return true;
      case IDB_FRMPRPACKER_OK: OnOK(); return true;
      case IDB_FRMPRPACKER_ABBRUCH: OnCancel(); return true;
      default: break;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// A row of the list: the fields go into the packer shown so far, and the
// packer of the row is shown.
void frmprpacker::listClick() {
  getdata();
  model_.select(ui::selectedIndex(Item(IDL_FRMPRPACKER_NAMES)));
  setdata();
}

void frmprpacker::naechsterClick() {
  getdata();
  model_.next();
  setdata();
}

void frmprpacker::vorherigerClick() {
  getdata();
  model_.previous();
  setdata();
}

// "OK": save and close; a failed save is told and the dialog stays open.
void frmprpacker::OnOK() {
  getdata();
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
