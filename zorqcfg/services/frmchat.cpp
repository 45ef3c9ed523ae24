#include "services/frmchat.h"

#include "services/frmchat_ids.h"

namespace zorq {

namespace {
int id(int first, std::size_t i) { return first + static_cast<int>(i); }
}  // namespace

frmchat::frmchat(Context& ctx) : Dialog(IDD_FRMCHAT), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeChatCall(Context& ctx) { return std::make_unique<frmchat>(ctx); }

// Load: the file into the switches and rows; a load error is told once the
// dialog holds what could be read.
bool frmchat::OnInit() {
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmchat::setdata() {
  FillGuard filling(*this);
  const ChatSettings& s = model_.settings;
  for (std::size_t k = 0; k < kChatSwitches; ++k)
    CheckButton(id(IDX_FRMCHAT_SWITCH, k), s.on[k] ? BST_CHECKED : BST_UNCHECKED);
  for (std::size_t r = 0; r < kChatWaves; ++r) {
    SetItemText(id(IDE_FRMCHAT_PFAD, r), s.waves[r].path);
    SetItemText(id(IDE_FRMCHAT_KOMMENTAR, r), s.waves[r].comment);
  }
}

void frmchat::getdata() {
  ChatSettings& s = model_.settings;
  for (std::size_t k = 0; k < kChatSwitches; ++k) s.on[k] = IsChecked(id(IDX_FRMCHAT_SWITCH, k));
  for (std::size_t r = 0; r < kChatWaves; ++r) {
    s.waves[r].path = ItemText(id(IDE_FRMCHAT_PFAD, r));
    s.waves[r].comment = ItemText(id(IDE_FRMCHAT_KOMMENTAR, r));
  }
}

bool frmchat::OnCommand(int control, int code, HWND hwnd) {
  if (code == BN_CLICKED) {
    if (control >= IDB_FRMCHAT_AUSWAHL && control < id(IDB_FRMCHAT_AUSWAHL, kChatWaves)) {
      auswahlClick(static_cast<std::size_t>(control - IDB_FRMCHAT_AUSWAHL));
      return true;
    }
    if (control == IDB_FRMCHAT_OK) {
      OnOK();
      return true;
    }
    if (control == IDB_FRMCHAT_ABBRUCH) {
      OnCancel();
      return true;
    }
  }
  return Dialog::OnCommand(control, code, hwnd);
}

// "Auswahl": a wave file for the row; a cancelled picker keeps the path.
void frmchat::auswahlClick(std::size_t row) {
  std::string answer = ctx_.pickers.pickFile(kWaveMask);
  getdata();
  model_.chooseWave(row, answer);
  SetItemText(id(IDE_FRMCHAT_PFAD, row), model_.settings.waves[row].path);
}

// "OK": save and close; a failed save is told and the dialog stays open.
void frmchat::OnOK() {
  getdata();
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
