#include "network/frmnetz.h"

#include <commctrl.h>

#include "network/frmnetz_ids.h"

namespace zorq {

namespace {

// The text fields and the values they show.
struct TextField {
  int id;
  std::string NetParameters::*value;
};
constexpr TextField kTextFields[] = {
    {IDE_FRMNETZ_BOXNAME, &NetParameters::boxName},
    {IDE_FRMNETZ_BRETTER, &NetParameters::boardsPath},
    {IDE_FRMNETZ_SOMMERZONE, &NetParameters::summerZone},
    {IDE_FRMNETZ_SOMMERBEGINN, &NetParameters::summerStart},
    {IDE_FRMNETZ_WINTERZONE, &NetParameters::winterZone},
    {IDE_FRMNETZ_WINTERBEGINN, &NetParameters::winterStart},
    {IDE_FRMNETZ_BRIEFLAENGE, &NetParameters::maxLetterKb},
    {IDE_FRMNETZ_LEVEL, &NetParameters::netLevel},
    {IDE_FRMNETZ_GRUPPE, &NetParameters::group},
    {IDE_FRMNETZ_WAHLVERSUCHE, &NetParameters::dialAttempts},
    {IDE_FRMNETZ_WAHLPAUSE, &NetParameters::dialPause},
    {IDE_FRMNETZ_PUFFERKOPIEN, &NetParameters::bufferCopies},
    {IDE_FRMNETZ_PACKTIMEOUT, &NetParameters::packTimeout},
    {IDE_FRMNETZ_HALTEZEIT, &NetParameters::msgIdHold},
    {IDE_FRMNETZ_ALTER, &NetParameters::maxAge},
    {IDE_FRMNETZ_RECHENZEIT, &NetParameters::releaseText},
};

int check(bool set) { return set ? BST_CHECKED : BST_UNCHECKED; }

}  // namespace

frmnetz::frmnetz(Context& ctx) : Dialog(IDD_FRMNETZ), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeNetParameters(Context& ctx) { return std::make_unique<frmnetz>(ctx); }

// Load: the file into the fields. A load error is told once the dialog
// holds what could be read.
bool frmnetz::OnInit() {
  SendMessageW(Item(IDC_FRMNETZ_RECHENZEIT), TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxReleaseTime));
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmnetz::setdata() {
  FillGuard filling(*this);
  for (const TextField& f : kTextFields) SetItemText(f.id, model_.*f.value);
  for (int i = 0; i < kDomains; ++i) {
    SetItemText(IDE_FRMNETZ_DOMAIN + i, model_.domain[static_cast<std::size_t>(i)]);
    CheckButton(IDX_FRMNETZ_SERVER + i, check(model_.domainServer[static_cast<std::size_t>(i)]));
  }
  CheckButton(IDX_FRMNETZ_DUPES, check(model_.noDupeSort));
  SendMessageW(Item(IDC_FRMNETZ_RECHENZEIT), TBM_SETPOS, TRUE, model_.releaseTime);
}

void frmnetz::getdata() {
  for (const TextField& f : kTextFields) model_.*f.value = ItemText(f.id);
  for (int i = 0; i < kDomains; ++i) {
    model_.domain[static_cast<std::size_t>(i)] = ItemText(IDE_FRMNETZ_DOMAIN + i);
    model_.domainServer[static_cast<std::size_t>(i)] = IsChecked(IDX_FRMNETZ_SERVER + i);
  }
  model_.noDupeSort = IsChecked(IDX_FRMNETZ_DUPES);
}

bool frmnetz::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    switch (id) {
      case IDB_FRMNETZ_BRETTER: bretterClick(); return true;
      case IDB_FRMNETZ_GRUPPE: gruppeClick(); return true;
      case IDB_FRMNETZ_OK: OnOK(); return true;
      case IDB_FRMNETZ_ABBRUCH: OnCancel(); return true;
      default: break;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// The bar moved: its display shows the bare digits. A touch that leaves
// it where it was changes nothing.
bool frmnetz::OnScroll(HWND control, int) {
  if (control != Item(IDC_FRMNETZ_RECHENZEIT)) return false;
  const int value = static_cast<int>(SendMessageW(control, TBM_GETPOS, 0, 0));
  if (value == model_.releaseTime) return true;
  model_.setReleaseTime(value);
  FillGuard filling(*this);
  SetItemText(IDE_FRMNETZ_RECHENZEIT, model_.releaseText);
  return true;
}

// Picker of "neue Bretter (Pfad)": the directory chosen, or "(Standard)"
// when the picker was cancelled.
void frmnetz::bretterClick() {
  getdata();
  model_.chooseBoardsPath(ctx_.pickers.pickDirectory());
  SetItemText(IDE_FRMNETZ_BRETTER, model_.boardsPath);
}

// Picker of "Gruppe": "Abbruch" in the picker keeps the group.
void frmnetz::gruppeClick() {
  getdata();
  model_.chooseGroup(ctx_.pickers.pickGroup(model_.group));
  SetItemText(IDE_FRMNETZ_GRUPPE, model_.group);
}

// "OK": save and close; a failed save is told and the dialog stays open.
void frmnetz::OnOK() {
  getdata();
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
