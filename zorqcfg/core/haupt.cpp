#include "core/haupt.h"

#include <commctrl.h>

#include "core/haupt_ids.h"
#include "core/main_settings.h"
#include "ui/win32/accessible.h"
#include "ui/win32/subclass.h"

namespace zorq {

namespace {

constexpr COLORREF kFocusColour = RGB(255, 255, 128);

// The text fields that show the focus colour while they have the focus.
constexpr int kColouredFields[] = {IDE_HAUPT_BOXNAME,   IDE_HAUPT_SYSOPNAME, IDE_HAUPT_ORGANISATION,
                                   IDE_HAUPT_CHATZWANG, IDE_HAUPT_UPLOAD,    IDE_HAUPT_DOWNLOAD,
                                   IDE_HAUPT_HDFREI,    IDE_HAUPT_NETZPFAD};

struct Slider {
  int bar, field, low, high;
};
constexpr Slider kKommentar{IDC_HAUPT_KOMMENTAR, IDE_HAUPT_KOMMENTAR, kKommentarMin, kKommentarMax};
constexpr Slider kRausNach{IDC_HAUPT_RAUSNACH, IDE_HAUPT_RAUSNACH, kRausNachMin, kRausNachMax};
constexpr Slider kNetzwerk{IDC_HAUPT_NETZWERK, IDE_HAUPT_NETZWERK, 0, kMaxNetNumber};

int position(HWND bar) { return static_cast<int>(SendMessageW(bar, TBM_GETPOS, 0, 0)); }

std::string withAccessKey(const std::string& caption, char key) {
  std::string shown;
  for (char c : caption) shown += c == '&' ? "&&" : std::string(1, c);
  const std::size_t at = shown.find(key);
  if (at != std::string::npos) shown.insert(at, "&");
  return shown;
}

}  // namespace

haupt::haupt(Context& context, const StartState& start, const DialogButtons& buttons)
    : Dialog(IDD_HAUPT), ctx_(context), start_(start), buttons_(buttons) {}

haupt::~haupt() {
  closeDialogs();
  if (focusBrush_ != nullptr) DeleteObject(focusBrush_);
}

bool haupt::OnInit() {
  focusBrush_ = CreateSolidBrush(kFocusColour);
  for (const Slider& s : {kKommentar, kRausNach, kNetzwerk}) {
    SendMessageW(Item(s.bar), TBM_SETRANGE, FALSE, MAKELPARAM(s.low, s.high));  // not shown yet
    ui::Subclass(Item(s.bar), SliderFocus, static_cast<UINT_PTR>(s.field), 0);
  }
  for (std::size_t i = 0; i < kDialogButtonCount; ++i) {
    const int id = IDB_HAUPT_DIALOG + static_cast<int>(i);
    SetItemText(id, withAccessKey(buttons_[i].caption, buttons_[i].key));
    EnableItem(id, buttons_[i].factory != nullptr);
  }
  // Screen readers: the network slider stands after its number field, and
  // the small buttons show only "...".
  ui::SetAccessibleName(Item(IDC_HAUPT_NETZWERK), "Netzwerk #");
  ui::SetAccessibleName(Item(IDB_HAUPT_UPLOAD), "Uploadpfad w\xe4hlen");
  ui::SetAccessibleName(Item(IDB_HAUPT_DOWNLOAD), "Downloadpfad w\xe4hlen");
  ui::SetAccessibleName(Item(IDB_HAUPT_NETZPFAD), "Netzpfad w\xe4hlen");
  toControls();
  shown_ = shownState();
  return true;
}

// What "Ende" would write now: the record with this window's fields, and the
// network number.
std::pair<MainSettings, int> haupt::shownState() const {
  MainSettings now = ctx_.settings;
  toModel(now);
  return {now, ctx_.where.netNumber};
}

void haupt::toControls() {
  FillGuard guard(*this);
  const MainSettings& s = ctx_.settings;
  SetItemText(IDE_HAUPT_BOXNAME, s.boxName);
  SetItemText(IDE_HAUPT_SYSOPNAME, s.sysopName);
  SetItemText(IDE_HAUPT_ORGANISATION, s.organisation);
  SetItemText(IDE_HAUPT_CHATZWANG, s.chatzwang);
  SetItemText(IDE_HAUPT_UPLOAD, s.uploadPath);
  SetItemText(IDE_HAUPT_DOWNLOAD, s.downloadPath);
  SetItemText(IDE_HAUPT_HDFREI, s.minHdFrei);
  for (auto [slider, value] : {std::pair{kKommentar, s.kommentar}, std::pair{kRausNach, s.rausNach}}) {
    SendMessageW(Item(slider.bar), TBM_SETPOS, redraw(), value);
    SetItemText(slider.field, sliderText(value));
  }
  SetItemText(IDE_HAUPT_NETZPFAD, s.netPath);
  lockPassword_ = s.lockPassword;
  SetItemText(IDE_HAUPT_SCHLOSS, s.lockPassword);
  showNetNumber();
  CheckButton(IDX_HAUPT_FILEID, s.fileIdExtractor ? BST_CHECKED : BST_UNCHECKED);
  CheckButton(IDX_HAUPT_PMS, s.pmsUnsichtbar);
}

// Only the fields this window shows: the rest of the record belongs to the
// dialogs that edit it.
void haupt::toModel(MainSettings& s) const {
  s.boxName = ItemText(IDE_HAUPT_BOXNAME);
  s.sysopName = ItemText(IDE_HAUPT_SYSOPNAME);
  s.organisation = ItemText(IDE_HAUPT_ORGANISATION);
  s.chatzwang = ItemText(IDE_HAUPT_CHATZWANG);
  s.uploadPath = ItemText(IDE_HAUPT_UPLOAD);
  s.downloadPath = ItemText(IDE_HAUPT_DOWNLOAD);
  s.minHdFrei = ItemText(IDE_HAUPT_HDFREI);
  s.kommentar = position(Item(IDC_HAUPT_KOMMENTAR));
  s.rausNach = position(Item(IDC_HAUPT_RAUSNACH));
  s.netPath = ItemText(IDE_HAUPT_NETZPFAD);
  s.lockPassword = lockPassword_;
  s.fileIdExtractor = IsChecked(IDX_HAUPT_FILEID);
  s.pmsUnsichtbar = ButtonState(IDX_HAUPT_PMS);
}

void haupt::showNetNumber() {
  FillGuard guard(*this);
  SendMessageW(Item(IDC_HAUPT_NETZWERK), TBM_SETPOS, redraw(), ctx_.where.netNumber);
  SetItemText(IDE_HAUPT_NETZWERK, std::to_string(ctx_.where.netNumber));
}

// A typed network number is clamped to 0 to 9 and shown as the slider has
// it; an emptied field waits for the next digit.
void haupt::netNumberTyped() {
  const std::string text = ItemText(IDE_HAUPT_NETZWERK);
  ctx_.where.netNumber = netNumberFromField(text);
  FillGuard guard(*this);
  SendMessageW(Item(IDC_HAUPT_NETZWERK), TBM_SETPOS, TRUE, ctx_.where.netNumber);
  const std::string shown = std::to_string(ctx_.where.netNumber);
  if (!text.empty() && text != shown) {
    SetItemText(IDE_HAUPT_NETZWERK, shown);
    SendMessageW(Item(IDE_HAUPT_NETZWERK), EM_SETSEL, shown.size(), shown.size());
  }
}

// A password that main.txt cannot hold is refused as it is typed; one read
// from the file that is too long already may be shortened, but no edit may
// put a line end into main.txt.
void haupt::lockPasswordTyped() {
  const std::string text = ItemText(IDE_HAUPT_SCHLOSS);
  auto problem = lockPasswordEditProblem(lockPassword_, text);
  if (!problem) {
    lockPassword_ = text;
    return;
  }
  {
    FillGuard guard(*this);
    SetItemText(IDE_HAUPT_SCHLOSS, lockPassword_);
    SendMessageW(Item(IDE_HAUPT_SCHLOSS), EM_SETSEL, lockPassword_.size(), lockPassword_.size());
  }
  ctx_.ui.notice(*problem);
}

void haupt::pickDirectory(int field, bool standardWhenNone) {
  std::string chosen = ctx_.pickers.pickDirectory();
  if (!chosen.empty())
    SetItemText(field, chosen);
  else if (standardWhenNone)
    SetItemText(field, kStandardNetPath);
}

ui::Dialog* haupt::openDialog(std::size_t button) const {
  const auto& d = open_[button];
  return d && d->IsOpen() ? d.get() : nullptr;
}

void haupt::pressDialogButton(std::size_t button) {
  const DialogButton& entry = buttons_[button];
  if (entry.factory == nullptr) return;
  if (ui::Dialog* already = openDialog(button)) {
    already->BringToFront();
    return;
  }
  open_[button] = entry.factory(ctx_);
  if (!open_[button]) return;
  if (entry.showing == Showing::Modal) {
    open_[button]->DoModal(hwnd());
    open_[button].reset();
  } else if (!open_[button]->Create(hwnd())) {
    open_[button].reset();
  }
}

// A dialog whose handler waits in a modal loop (a picker, a message box)
// must outlive that loop: it is ended now, closes when the loop returns, and
// is deleted later.
void haupt::closeDialogs() {
  for (auto& d : open_) {
    if (d && d->InModalLoop())
      d->End(IDCANCEL);
    else
      d.reset();
  }
}

// "Ende": save and signal, then end. A failed save has been reported; the
// window stays open with the user's edits.
void haupt::ende() {
  toModel(ctx_.settings);
  if (!ReadyToSave(ctx_.ui, ctx_.fs, start_.loaded)) return;
  if (!saveAndSignal(ctx_.fs, ctx_.system, ctx_.where, ctx_.settings, start_, ctx_.ui)) return;
  closeDialogs();
  End(IDOK);
}

// The close box and Alt+F4: after changes (here or in the record that other
// dialogs share), ask whether to save them; without changes, end at once.
void haupt::closeBox() {
  if (shownState() == shown_) {
    abbruch();
    return;
  }
  switch (
      ctx_.ui.message("\xc4nderungen speichern?", "Frage", ui::Icon::Question, ui::Buttons::YesNoCancel)) {
    case ui::Answer::Yes: ende(); break;
    case ui::Answer::No: abbruch(); break;
    default: break;  // stay
  }
}

// "Abbruch": end at once, writing nothing and telling the server nothing.
void haupt::abbruch() {
  closeDialogs();
  End(IDCANCEL);
}

bool haupt::OnCommand(int id, int code, HWND control) {
  if (id >= IDB_HAUPT_DIALOG && id < IDB_HAUPT_DIALOG + static_cast<int>(kDialogButtonCount)) {
    if (code == BN_CLICKED) pressDialogButton(static_cast<std::size_t>(id - IDB_HAUPT_DIALOG));
    return true;
  }
  switch (id) {
    case IDB_HAUPT_ENDE: ende(); return true;
    case IDB_HAUPT_ABBRUCH: abbruch(); return true;
    case IDB_HAUPT_UPLOAD: pickDirectory(IDE_HAUPT_UPLOAD, false); return true;
    case IDB_HAUPT_DOWNLOAD: pickDirectory(IDE_HAUPT_DOWNLOAD, false); return true;
    case IDB_HAUPT_NETZPFAD: pickDirectory(IDE_HAUPT_NETZPFAD, true); return true;
    case IDX_HAUPT_PMS:
      // Clicking leaves the greyed state of an old file for a plain one.
      if (code == BN_CLICKED) CheckButton(id, IsChecked(id) ? BST_UNCHECKED : BST_CHECKED);
      return true;
    default: break;
  }
  if (code == EN_CHANGE && !Filling()) {
    if (id == IDE_HAUPT_NETZWERK) netNumberTyped();
    if (id == IDE_HAUPT_SCHLOSS) lockPasswordTyped();
    return true;
  }
  if (code == EN_SETFOCUS || code == EN_KILLFOCUS) {
    InvalidateRect(control, nullptr, TRUE);
    return true;
  }
  // Esc does not end the editor; only "Abbruch", "Ende" and the close box do.
  if (id == IDCANCEL || id == IDOK) return true;
  return Dialog::OnCommand(id, code, control);
}

bool haupt::OnScroll(HWND control, int) {
  const int value = position(control);
  FillGuard guard(*this);
  if (control == Item(IDC_HAUPT_NETZWERK)) {
    ctx_.where.netNumber = static_cast<std::uint8_t>(value);
    SetItemText(IDE_HAUPT_NETZWERK, std::to_string(value));
  } else if (control == Item(IDC_HAUPT_KOMMENTAR)) {
    SetItemText(IDE_HAUPT_KOMMENTAR, sliderText(value));
  } else if (control == Item(IDC_HAUPT_RAUSNACH)) {
    SetItemText(IDE_HAUPT_RAUSNACH, sliderText(value));
  } else {
    return false;
  }
  return true;
}

HBRUSH haupt::focusColour(HWND control, HDC dc) const {
  const int id = GetDlgCtrlID(control);
  bool coloured = false;
  if (GetFocus() == control)
    for (int field : kColouredFields) coloured = coloured || field == id;
  if (id == IDE_HAUPT_KOMMENTAR) coloured = GetFocus() == Item(IDC_HAUPT_KOMMENTAR);
  if (id == IDE_HAUPT_RAUSNACH) coloured = GetFocus() == Item(IDC_HAUPT_RAUSNACH);
  if (!coloured) return nullptr;
  SetBkColor(dc, kFocusColour);
  return focusBrush_;
}

// A slider repaints its number field when it gains or loses the focus.
LRESULT CALLBACK haupt::SliderFocus(HWND slider, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR field, DWORD_PTR) {
  if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) {
    HWND number = GetDlgItem(GetParent(slider), static_cast<int>(field));
    if (number != nullptr) InvalidateRect(number, nullptr, TRUE);
  }
  return ui::CallNextHook(slider, msg, wp, lp);
}

INT_PTR haupt::OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC) {
    HBRUSH brush = focusColour(reinterpret_cast<HWND>(lp), reinterpret_cast<HDC>(wp));
    handled = brush != nullptr;
    return reinterpret_cast<INT_PTR>(brush);
  }
  if (msg == WM_CLOSE) {
    handled = true;
    closeBox();
    return TRUE;
  }
  return 0;
}

void haupt::OnCancel() { abbruch(); }

void haupt::OnDestroyed() { PostQuitMessage(0); }

}  // namespace zorq
