#include "commands/frmalias.h"

#include "commands/frmalias_ids.h"
#include "platform/win32/wide.h"
#include "ui/win32/lists.h"

namespace zorq {

frmalias::frmalias(Context& ctx) : Dialog(IDD_FRMALIAS), ctx_(ctx) {}

std::string showAliasPicker(Context& ctx) {
  frmalias picker(ctx);
  picker.DoModal(GetActiveWindow());
  return picker.auswahl();
}

// Load: no answer yet; the command words, then "Text anzeigen" unless the
// language file failed.
bool frmalias::OnInit() {
  auswahl_.clear();
  txt::Status loaded;
  choices_ = loadAliasChoices(ctx_.fs, ctx_.where, loaded);
  HWND list = Item(IDL_FRMALIAS_LIST);
  for (const std::string& entry : choices_.entries)
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(entry).c_str()));
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

bool frmalias::OnCommand(int id, int code, HWND control) {
  if (id == IDL_FRMALIAS_LIST && code == LBN_DBLCLK) {
    choose();
    return true;
  }
  if (id == IDB_FRMALIAS_ABBRUCH && code == BN_CLICKED) {
    OnCancel();
    return true;
  }
  return Dialog::OnCommand(id, code, control);
}

// Double-click (or Enter) on an entry: its answer, and the picker closes.
void frmalias::choose() {
  int selected = ui::selectedIndex(Item(IDL_FRMALIAS_LIST));
  if (selected < 0) return;
  auswahl_ = choices_.answerFor(static_cast<std::size_t>(selected));
  End(IDOK);
}

void frmalias::OnOK() { choose(); }

// "Abbruch" and the close box: no answer.
void frmalias::OnCancel() {
  auswahl_.clear();
  End(IDCANCEL);
}

}  // namespace zorq
