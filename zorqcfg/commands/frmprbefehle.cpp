#include "commands/frmprbefehle.h"

#include "commands/frmprbefehle_ids.h"
#include "ui/win32/accessible.h"

namespace zorq {

namespace {

std::size_t at(int command) { return static_cast<std::size_t>(command); }

// A group name as a button shows it: "&" would underline the next letter.
std::string buttonText(const std::string& text) {
  std::string out;
  for (char c : text) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}

}  // namespace

frmprbefehle::frmprbefehle(Context& ctx) : frmprbefehle(ctx, levelsOfThisRun()) {}

frmprbefehle::frmprbefehle(Context& ctx, CommandLevels& memory)
    : Dialog(IDD_FRMPRBEFEHLE), ctx_(ctx), model_(memory) {}

std::unique_ptr<ui::Dialog> makeCommandEditor(Context& ctx) { return std::make_unique<frmprbefehle>(ctx); }

// Load: both files, then the fields. A load error is told once the dialog
// holds what could be read.
bool frmprbefehle::OnInit() {
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  for (int i = 0; i < kCommandCount; ++i) {
    SetItemText(IDT_FRMPRBEFEHLE_NAME + i, std::string(kCommandNames[at(i)]));
    // The group button shows a group: screen readers name it by its command.
    ui::SetAccessibleName(Item(IDB_FRMPRBEFEHLE_GRUPPE + i), std::string(kCommandNames[at(i)]));
  }
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmprbefehle::setdata() {
  FillGuard filling(*this);
  for (int i = 0; i < kCommandCount; ++i) {
    SetItemText(IDE_FRMPRBEFEHLE_LEVEL + i, model_.levelText[at(i)]);
    showGroup(i);
  }
}

void frmprbefehle::getdata() {
  for (int i = 0; i < kCommandCount; ++i) model_.levelText[at(i)] = ItemText(IDE_FRMPRBEFEHLE_LEVEL + i);
}

void frmprbefehle::showGroup(int command) {
  SetItemText(IDB_FRMPRBEFEHLE_GRUPPE + command, buttonText(model_.groupCaption(command)));
}

bool frmprbefehle::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    if (id >= IDB_FRMPRBEFEHLE_GRUPPE && id < IDB_FRMPRBEFEHLE_GRUPPE + kCommandCount) {
      gruppeClick(id - IDB_FRMPRBEFEHLE_GRUPPE);
      return true;
    }
    if (id == IDB_FRMPRBEFEHLE_OK) {
      OnOK();
      return true;
    }
    if (id == IDB_FRMPRBEFEHLE_ABBRUCH) {
      OnCancel();
      return true;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// Group button: the group picker's answer ("@" for "Abbruch" keeps the group).
void frmprbefehle::gruppeClick(int command) {
  model_.chooseGroup(command, ctx_.pickers.pickGroup(model_.group[at(command)]));
  showGroup(command);
}

// "OK": save and close; a failed save is told and the dialog stays open.
void frmprbefehle::OnOK() {
  getdata();
  int refusedCommand = -1;
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded,
             [&] { return model_.save(ctx_.fs, ctx_.where, &refusedCommand); });
  if (refusedCommand >= 0) FocusItem(IDE_FRMPRBEFEHLE_LEVEL + refusedCommand);
}

}  // namespace zorq
