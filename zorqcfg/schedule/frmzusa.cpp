#include "schedule/frmzusa.h"

#include "schedule/frmzusa_ids.h"
#include "ui/win32/lists.h"

namespace zorq {

namespace {

// The fields edit the selected tool; without one they take no input.
constexpr int kToolFields[] = {IDE_FRMZUSA_NAME, IDE_FRMZUSA_AUFRUF};

}  // namespace

frmzusa::frmzusa(Context& ctx) : Dialog(IDD_FRMZUSA), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeToolsManager(Context& ctx) { return std::make_unique<frmzusa>(ctx); }

bool frmzusa::OnInit() {
  columns_ = Columns(Item(IDL_FRMZUSA_NAMEN), Item(IDL_FRMZUSA_AUFRUFE));
  txt::Status loaded = model_.open(ctx_.fs, ctx_.where);
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

// Both lists and the fields, from the model.
void frmzusa::setdata() {
  FillGuard filling(*this);
  std::vector<std::string> names, calls;
  for (const AddOnTool& tool : model_.tools) {
    names.push_back(tool.name);
    calls.push_back(tool.call);
  }
  columns_.fill(names, calls, model_.selected);
  SetItemText(IDE_FRMZUSA_NAME, model_.nameField);
  SetItemText(IDE_FRMZUSA_AUFRUF, model_.callField);
  for (int id : kToolFields) EnableItem(id, model_.selected >= 0);
}

void frmzusa::showSelected() {
  FillGuard filling(*this);
  columns_.select(model_.selected);
  SetItemText(IDE_FRMZUSA_NAME, model_.nameField);
  SetItemText(IDE_FRMZUSA_AUFRUF, model_.callField);
  for (int id : kToolFields) EnableItem(id, model_.selected >= 0);
}

void frmzusa::showSelectedRow() {
  if (model_.selected < 0) return;
  const AddOnTool& tool = model_.tools[static_cast<std::size_t>(model_.selected)];
  columns_.setRow(model_.selected, tool.name, tool.call);
}

bool frmzusa::OnCommand(int id, int code, HWND control) {
  if (code == LBN_SELCHANGE && (id == IDL_FRMZUSA_NAMEN || id == IDL_FRMZUSA_AUFRUFE)) {
    rowClick(control);
    return true;
  }
  if (code == EN_CHANGE && !Filling()) {
    if (id == IDE_FRMZUSA_NAME) nameChange();
    if (id == IDE_FRMZUSA_AUFRUF) aufrufChange();
    return true;
  }
  if (code == BN_CLICKED) {
    switch (id) {
      case IDB_FRMZUSA_NEU: neuClick(); return true;
      case IDB_FRMZUSA_LOESCHEN: loeschenClick(); return true;
      case IDB_FRMZUSA_WAHL: wahlClick(); return true;
      case IDB_FRMZUSA_OK: OnOK(); return true;
      case IDB_FRMZUSA_ABBRUCH: OnCancel(); return true;
      default: break;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// A click on a row of either list selects that tool in both.
void frmzusa::rowClick(HWND list) {
  model_.select(ui::selectedIndex(list));
  showSelected();
}

void frmzusa::nameChange() {
  model_.setNameField(ItemText(IDE_FRMZUSA_NAME));
  showSelectedRow();
}

void frmzusa::aufrufChange() {
  model_.setCallField(ItemText(IDE_FRMZUSA_AUFRUF));
  showSelectedRow();
}

void frmzusa::neuClick() {
  model_.neu();
  setdata();
}

void frmzusa::loeschenClick() {
  model_.loeschen();
  setdata();
}

// "Wahl": the call from the file picker, listing all files.
void frmzusa::wahlClick() {
  model_.wahl(ctx_.pickers.pickFile(""));
  showSelected();
  showSelectedRow();
}

// "OK": save and close; a failed save is told and the dialog stays open.
void frmzusa::OnOK() {
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
