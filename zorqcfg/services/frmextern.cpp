#include "services/frmextern.h"

#include "core/pickers.h"
#include "platform/win32/wide.h"
#include "services/frmextern_ids.h"
#include "ui/win32/lists.h"

namespace zorq {

namespace {

// The controls that edit the shown entry; without one they take no input.
constexpr int kEditing[] = {IDE_FRMEXTERN_NAME,   IDE_FRMEXTERN_KOMMENTAR, IDE_FRMEXTERN_AUFRUF,
                            IDB_FRMEXTERN_ALIAS,  IDB_FRMEXTERN_DATEI,     IDE_FRMEXTERN_GRUPPE,
                            IDB_FRMEXTERN_GRUPPE, IDE_FRMEXTERN_LEVEL,     IDE_FRMEXTERN_SHORTCUT,
                            IDX_FRMEXTERN_BEFEHL, IDX_FRMEXTERN_EXTERN};

void limitText(HWND edit, std::size_t length) { SendMessageW(edit, EM_LIMITTEXT, length, 0); }

}  // namespace

frmextern::frmextern(Context& ctx) : Dialog(IDD_FRMEXTERN), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeExternalPrograms(Context& ctx) { return std::make_unique<frmextern>(ctx); }

// Load: the file, the names, the first entry. A load error is told once the
// dialog holds what could be read.
bool frmextern::OnInit() {
  limitText(Item(IDE_FRMEXTERN_NAME), kProgramNameLength);
  limitText(Item(IDE_FRMEXTERN_KOMMENTAR), kProgramCommentLength);
  limitText(Item(IDE_FRMEXTERN_AUFRUF), kProgramCallLength);
  limitText(Item(IDE_FRMEXTERN_GRUPPE), kProgramGroupLength);
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  fillList();
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmextern::fillList() {
  std::vector<std::string> names;
  names.reserve(model_.entries.size());
  for (const ExternalProgram& e : model_.entries) names.push_back(e.name);
  HWND list = Item(IDL_FRMEXTERN_LIST);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  ui::fillList(list, names);
}

// The shown entry into the fields, its row selected; nothing to edit
// without one.
void frmextern::setdata() {
  FillGuard filling(*this);
  const ProgramFields& f = model_.fields;
  SetItemText(IDE_FRMEXTERN_NAME, f.name);
  SetItemText(IDE_FRMEXTERN_KOMMENTAR, f.comment);
  SetItemText(IDE_FRMEXTERN_AUFRUF, f.call);
  SetItemText(IDE_FRMEXTERN_GRUPPE, f.group);
  SetItemText(IDE_FRMEXTERN_LEVEL, f.level);
  SetItemText(IDE_FRMEXTERN_SHORTCUT, f.shortcut);
  CheckButton(IDX_FRMEXTERN_BEFEHL, f.befehl ? BST_CHECKED : BST_UNCHECKED);
  CheckButton(IDX_FRMEXTERN_EXTERN, f.extern_ ? BST_CHECKED : BST_UNCHECKED);
  for (int id : kEditing) EnableItem(id, model_.editable());
  showRow(model_.shown());
}

void frmextern::getdata() {
  ProgramFields& f = model_.fields;
  f.name = ItemText(IDE_FRMEXTERN_NAME);
  f.comment = ItemText(IDE_FRMEXTERN_KOMMENTAR);
  f.call = ItemText(IDE_FRMEXTERN_AUFRUF);
  f.group = ItemText(IDE_FRMEXTERN_GRUPPE);
  f.level = ItemText(IDE_FRMEXTERN_LEVEL);
  f.shortcut = ItemText(IDE_FRMEXTERN_SHORTCUT);
  f.befehl = IsChecked(IDX_FRMEXTERN_BEFEHL);
  f.extern_ = IsChecked(IDX_FRMEXTERN_EXTERN);
}

// Selects the row of the shown entry, which carries the name of the field.
void frmextern::showRow(int row) {
  HWND list = Item(IDL_FRMEXTERN_LIST);
  if (row >= 0) {
    std::string name = ItemText(IDE_FRMEXTERN_NAME);
    std::wstring text = plat::wide(name);
    int length = static_cast<int>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0));
    std::wstring now(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(now.data()));
    now.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    if (now != text) {
      SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
      SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

// The caret into a field, its text selected, as the Tab key would put it.
bool frmextern::refused(const txt::Status& status, Field field) {
  if (status.ok()) return false;
  ctx_.ui.notice(status.error);
  int id = field == Field::Level      ? IDE_FRMEXTERN_LEVEL
           : field == Field::Shortcut ? IDE_FRMEXTERN_SHORTCUT
                                      : 0;
  if (id != 0) FocusItem(id);
  return true;
}

bool frmextern::OnCommand(int id, int code, HWND control) {
  if (id == IDL_FRMEXTERN_LIST && code == LBN_SELCHANGE) {
    listClick();
    return true;
  }
  if (id == IDE_FRMEXTERN_NAME && code == EN_CHANGE) {
    if (!Filling()) nameChange();
    return true;
  }
  if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
  switch (id) {
    case IDB_FRMEXTERN_NEU: neuClick(); return true;
    case IDB_FRMEXTERN_SORTIEREN: sortierenClick(); return true;
    case IDB_FRMEXTERN_LOESCHEN: loeschenClick(); return true;
    case IDB_FRMEXTERN_ALIAS: aliasClick(); return true;
    case IDB_FRMEXTERN_DATEI: dateiClick(); return true;
    case IDB_FRMEXTERN_GRUPPE: gruppeClick(); return true;
    case IDB_FRMEXTERN_OK: OnOK(); return true;
    case IDB_FRMEXTERN_ABBRUCH: OnCancel(); return true;
    default: return Dialog::OnCommand(id, code, control);
  }
}

// A row chosen: the shown entry is committed, then the chosen one shown. A
// refused commit keeps the shown entry and its row.
void frmextern::listClick() {
  int row = ui::selectedIndex(Item(IDL_FRMEXTERN_LIST));
  if (row < 0) return;
  getdata();
  Field field = Field::None;
  txt::Status status = model_.select(row, &field);
  if (refused(status, field)) {
    showRow(model_.shown());
    return;
  }
  setdata();
}

// Every change of the name shows at once in the list.
void frmextern::nameChange() {
  if (model_.shown() >= 0) showRow(model_.shown());
}

void frmextern::neuClick() {
  getdata();
  Field field = Field::None;
  txt::Status status = model_.add(&field);
  if (refused(status, field)) return;
  fillList();
  setdata();
  FocusItem(IDE_FRMEXTERN_NAME);
}

void frmextern::loeschenClick() {
  if (model_.empty() || !ctx_.ui.confirm("Wirklich l\xf6schen?")) return;
  model_.remove();
  fillList();
  setdata();
}

void frmextern::sortierenClick() {
  getdata();
  Field field = Field::None;
  txt::Status status = model_.sort(&field);
  if (refused(status, field)) return;
  fillList();
  setdata();
}

// "Alias": a command of the box instead of a program; "Text anzeigen" asks
// for the text file as well.
void frmextern::aliasClick() {
  if (!model_.editable()) return;
  std::string alias = ctx_.pickers.pickCommand();
  std::string file = alias == kShowTextAnswer ? ctx_.pickers.pickFile("") : std::string();
  if (auto call = ExternalPrograms::callForAlias(alias, file)) SetItemText(IDE_FRMEXTERN_AUFRUF, *call);
}

void frmextern::dateiClick() {
  if (!model_.editable()) return;
  if (auto call = ExternalPrograms::callForFile(ctx_.pickers.pickFile("")))
    SetItemText(IDE_FRMEXTERN_AUFRUF, *call);
}

void frmextern::gruppeClick() {
  if (!model_.editable()) return;
  if (auto group = ExternalPrograms::groupForPicker(ctx_.pickers.pickGroup(ItemText(IDE_FRMEXTERN_GRUPPE))))
    SetItemText(IDE_FRMEXTERN_GRUPPE, *group);
}

// "OK": the shown entry's edits count without another click; a refused
// value or a failed save is told and the dialog stays open.
void frmextern::OnOK() {
  getdata();
  if (!ReadyToSave(ctx_.ui, ctx_.fs, model_.loaded)) return;
  Field field = Field::None;
  txt::Status status = txt::guarded([&] { return model_.save(ctx_.fs, ctx_.where, &field); });
  if (refused(status, field)) return;
  End(IDOK);
}

}  // namespace zorq
