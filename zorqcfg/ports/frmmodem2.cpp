#include "ports/frmmodem2.h"

#include "platform/win32/wide.h"
#include "ports/frmmodem2_ids.h"
#include "ports/frmport.h"
#include "ports/vorein.h"

namespace zorq {

namespace {

struct TextField {
  int id;
  std::string ModemParameters::*value;
};
constexpr TextField kTextFields[] = {
    {IDE_FRMMODEM2_COMPORT, &ModemParameters::comPort},
    {IDE_FRMMODEM2_BAUD, &ModemParameters::baud},
    {IDE_FRMMODEM2_MINBAUD, &ModemParameters::minBaud},
    {IDE_FRMMODEM2_RESET, &ModemParameters::reset},
    {IDE_FRMMODEM2_AUFLEGEN, &ModemParameters::auflegen},
    {IDE_FRMMODEM2_WAEHLEN, &ModemParameters::waehlen},
    {IDE_FRMMODEM2_BESETZEN, &ModemParameters::besetzen},
    {IDE_FRMMODEM2_RING, &ModemParameters::ring},
    {IDE_FRMMODEM2_ANTWORTEN, &ModemParameters::antworten},
    {IDE_FRMMODEM2_ESCCODE, &ModemParameters::escCode},
    {IDE_FRMMODEM2_MODEMINIT, &ModemParameters::modemInit},
    {IDE_FRMMODEM2_CONNECT, &ModemParameters::connect},
    {IDE_FRMMODEM2_INPUTBUFFER, &ModemParameters::inputBuffer},
    {IDE_FRMMODEM2_OUTPUTBUFFER, &ModemParameters::outputBuffer},
    {IDE_FRMMODEM2_RUFNUMMER, &ModemParameters::capiNumber},
};

struct CheckField {
  int id;
  int ModemParameters::*value;
};
constexpr CheckField kCheckFields[] = {
    {IDX_FRMMODEM2_CAPI, &ModemParameters::capi},
    {IDX_FRMMODEM2_RTSCTS, &ModemParameters::rtsCts},
    {IDX_FRMMODEM2_DTRDROP, &ModemParameters::dtrDrop},
    {IDX_FRMMODEM2_USERNAME, &ModemParameters::proposeUserName},
    {IDX_FRMMODEM2_UNBEKANNT, &ModemParameters::refuseUnknown},
};

// The interface groups, each a range of control ids.
struct Group {
  int first, last;
};
constexpr Group kModemGroups[] = {
    {IDC_FRMMODEM2_SCHNITTSTELLE, IDR_FRMMODEM2_SCHNITTSTELLE_LAST},
    {IDC_FRMMODEM2_MODEMBEFEHLE, IDR_FRMMODEM2_MODEMBEFEHLE_LAST},
    {IDC_FRMMODEM2_INIT, IDR_FRMMODEM2_INIT_LAST},
};
constexpr Group kCapiGroup{IDC_FRMMODEM2_CAPIGROUP, IDR_FRMMODEM2_CAPIGROUP_LAST};

bool inGroup(const Group& g, int id) { return id >= g.first && id <= g.last; }

template <std::size_t N>
void fillCombo(HWND combo, const std::array<std::string_view, N>& items) {
  for (std::string_view item : items)
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plat::wide(std::string(item)).c_str()));
}

}  // namespace

frmmodem2::frmmodem2(Context& ctx, int port) : Dialog(IDD_FRMMODEM2), ctx_(ctx), model_(port) {}

std::unique_ptr<ui::Dialog> makeModemParameters(Context& ctx) {
  return std::make_unique<frmport>([&ctx](HWND owner, int port) { frmmodem2(ctx, port).DoModal(owner); });
}

// Load: the port's file, then the groups that fit the CAPI switch, also
// after a load error, so that the user sees what "OK" will write.
bool frmmodem2::OnInit() {
  fillCombo(Item(IDE_FRMMODEM2_COMPORT), kComPorts);
  fillCombo(Item(IDE_FRMMODEM2_BAUD), kBaudRates);
  fillCombo(Item(IDE_FRMMODEM2_MINBAUD), kMinBaudRates);
  txt::Status loaded = model_.load(ctx_.fs, ctx_.where);
  setdata();
  setcapi();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

void frmmodem2::setdata() {
  FillGuard filling(*this);
  const ModemParameters& m = model_.values;
  for (const TextField& f : kTextFields) SetItemText(f.id, m.*f.value);
  for (const CheckField& f : kCheckFields) CheckButton(f.id, m.*f.value != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void frmmodem2::getdata() {
  ModemParameters& m = model_.values;
  for (const TextField& f : kTextFields) m.*f.value = ItemText(f.id);
  for (const CheckField& f : kCheckFields) m.*f.value = IsChecked(f.id) ? 1 : 0;
}

// The CAPI interface replaces the serial modem: either its group or the
// three modem groups.
void frmmodem2::setcapi() {
  const bool capi = IsChecked(IDX_FRMMODEM2_CAPI);
  for (HWND c = GetWindow(hwnd(), GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(c);
    bool modem = false;
    for (const Group& g : kModemGroups) modem = modem || inGroup(g, id);
    if (modem) ShowWindow(c, capi ? SW_HIDE : SW_SHOW);
    if (inGroup(kCapiGroup, id)) ShowWindow(c, capi ? SW_SHOW : SW_HIDE);
  }
}

bool frmmodem2::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    switch (id) {
      case IDX_FRMMODEM2_CAPI: setcapi(); return true;
      case IDB_FRMMODEM2_VOREIN: voreinstellungen(); return true;
      case IDB_FRMMODEM2_OK: OnOK(); return true;
      case IDB_FRMMODEM2_ABBRUCH: OnCancel(); return true;
      default: break;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// "Voreinstellungen": a stock command set over what is shown; presets 2 and
// 3 first ask for the number to monitor (cancelled: none). Nothing is
// written until "OK".
void frmmodem2::voreinstellungen() {
  const int presetnr = showPresets(hwnd());
  if (presetnr == kNoPreset) return;
  std::string number;
  if (presetNeedsNumber(presetnr))
    number = ctx_.ui.input(kMonitoredNumberPrompt, "Frage", "").value_or(std::string());
  getdata();
  applyPreset(model_.values, presetnr, number);
  setdata();
}

// "OK": the buffer warning does not stop the save; a failed save is told
// and the dialog stays open.
void frmmodem2::OnOK() {
  getdata();
  if (buffersTooLarge(model_.values)) ctx_.ui.notice(kBufferWarning);
  SaveAndEnd(ctx_.ui, ctx_.fs, model_.loaded, [&] { return model_.save(ctx_.fs, ctx_.where); });
}

}  // namespace zorq
