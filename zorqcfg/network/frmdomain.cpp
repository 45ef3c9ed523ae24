#include "network/frmdomain.h"

#include "network/frmdomain_ids.h"
#include "platform/win32/wide.h"
#include "ui/win32/lists.h"

namespace zorq {

namespace {

constexpr int kColumns = 3;
constexpr int kRouteField = IDE_FRMDOMAIN_FIELD + 2;
constexpr RouteColumn kColumn[kColumns] = {RouteColumn::Recipient, RouteColumn::Sender, RouteColumn::Route};

}  // namespace

frmdomain::frmdomain(Context& ctx) : Dialog(IDD_FRMDOMAIN), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeDomainRouting(Context& ctx) { return std::make_unique<frmdomain>(ctx); }

// Load: the routes into the three lists, the first row selected. A load
// error is told once the dialog holds what could be read.
bool frmdomain::OnInit() {
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  fillLists();
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmdomain::fillLists() {
  std::vector<std::string> entries(model_.rows.size());
  for (int c = 0; c < kColumns; ++c) {
    for (std::size_t row = 0; row < entries.size(); ++row)
      entries[row] = model_.field(static_cast<int>(row), kColumn[c]);
    SendMessageW(Item(IDL_FRMDOMAIN_LIST + c), LB_RESETCONTENT, 0, 0);
    ui::fillList(Item(IDL_FRMDOMAIN_LIST + c), entries);
  }
}

// The selected row in all three lists, and its values in the fields; the
// fields take no input without one.
void frmdomain::setdata() {
  FillGuard filling(*this);
  const int row = model_.selected;
  for (int c = 0; c < kColumns; ++c) {
    SendMessageW(Item(IDL_FRMDOMAIN_LIST + c), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SetItemText(IDE_FRMDOMAIN_FIELD + c, row < 0 ? std::string() : model_.field(row, kColumn[c]));
    EnableItem(IDE_FRMDOMAIN_FIELD + c, row >= 0);
  }
}

// One row of all three lists anew from the table, still selected.
void frmdomain::showRow(int row) {
  for (int c = 0; c < kColumns; ++c) {
    HWND list = Item(IDL_FRMDOMAIN_LIST + c);
    const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(plat::wide(model_.field(row, kColumn[c])).c_str()));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(model_.selected), 0);
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
}

bool frmdomain::OnCommand(int id, int code, HWND control) {
  if (id >= IDL_FRMDOMAIN_LIST && id < IDL_FRMDOMAIN_LIST + kColumns) {
    if (code == LBN_SELCHANGE) listClick(id - IDL_FRMDOMAIN_LIST);
    return true;
  }
  if (id >= IDE_FRMDOMAIN_FIELD && id < IDE_FRMDOMAIN_FIELD + kColumns) {
    if (code == EN_CHANGE && !Filling()) fieldChange(id - IDE_FRMDOMAIN_FIELD);
    return true;
  }
  if (code == BN_CLICKED) {
    switch (id) {
      case IDB_FRMDOMAIN_NEU: neuClick(); return true;
      case IDB_FRMDOMAIN_LOESCHEN: loeschenClick(); return true;
      case IDB_FRMDOMAIN_WAHL: wahlClick(); return true;
      case IDB_FRMDOMAIN_OK: OnOK(); return true;
      case IDB_FRMDOMAIN_ABBRUCH: OnCancel(); return true;
      default: break;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// A row chosen in one list is chosen in all three, scrolled alike.
void frmdomain::listClick(int column) {
  HWND list = Item(IDL_FRMDOMAIN_LIST + column);
  model_.select(ui::selectedIndex(list));
  setdata();
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  for (int c = 0; c < kColumns; ++c)
    if (c != column) SendMessageW(Item(IDL_FRMDOMAIN_LIST + c), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

// Every change of a field goes at once into the selected row.
void frmdomain::fieldChange(int column) {
  if (model_.selected < 0) return;
  model_.edit(kColumn[column], ItemText(IDE_FRMDOMAIN_FIELD + column));
  showRow(model_.selected);
}

// "Neu": a row "(NEU)" at the end, selected.
void frmdomain::neuClick() {
  model_.add();
  const std::string recipient = model_.field(model_.selected, RouteColumn::Recipient);
  for (int c = 0; c < kColumns; ++c)
    SendMessageW(Item(IDL_FRMDOMAIN_LIST + c), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(plat::wide(c == 0 ? recipient : std::string()).c_str()));
  setdata();
}

// "Löschen": the selected row goes; the first row is selected then.
void frmdomain::loeschenClick() {
  const int row = model_.selected;
  model_.remove();
  if (row >= 0)
    for (int c = 0; c < kColumns; ++c)
      SendMessageW(Item(IDL_FRMDOMAIN_LIST + c), LB_DELETESTRING, static_cast<WPARAM>(row), 0);
  setdata();
}

// "Wahl": the net box chosen becomes the route of the selected row, by way
// of its field; a cancelled picker changes nothing.
void frmdomain::wahlClick() {
  if (auto box = ctx_.pickers.pickNetBox()) SetItemText(kRouteField, box->name);
}

// "OK": save and close; a failed save is told and the dialog stays open.
void frmdomain::OnOK() {
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
