#include "schedule/frmzeit.h"

#include "schedule/frmsperre.h"
#include "schedule/frmwoch.h"
#include "schedule/frmzeit_ids.h"
#include "schedule/janus2.h"
#include "ui/win32/lists.h"

namespace zorq {

namespace {

// The fields edit the selected entry; without one they take no input.
constexpr int kEntryFields[] = {IDE_FRMZEIT_ZEIT, IDE_FRMZEIT_EREIGNIS};

class DialogQuestions final : public ScheduleQuestions {
 public:
  DialogQuestions(Context& ctx, HWND owner) : ctx_(ctx), owner_(owner) {}

  int choosePort() override { return ctx_.pickers.pickPort(); }
  std::optional<NetBoxChoice> chooseNetBox() override { return ctx_.pickers.pickNetBox(); }

  std::string askOnOff(const std::string& abfragetext) override {
    frmsperre query(abfragetext);
    query.DoModal(owner_);
    return query.sperrwahl();
  }
  int askJanusMode() override {
    janus2 query(janusmodusOfThisRun());
    query.DoModal(owner_);
    return janusmodusOfThisRun();
  }
  std::string chooseFile() override { return ctx_.pickers.pickFile(""); }
  std::optional<std::string> chooseWeekdays(const std::string& wochentage) override {
    frmwoch chooser(wochentage);
    chooser.DoModal(owner_);
    return chooser.marker();
  }

 private:
  Context& ctx_;
  HWND owner_;
};

}  // namespace

std::unique_ptr<ScheduleQuestions> scheduleQuestions(Context& ctx, HWND owner) {
  return std::make_unique<DialogQuestions>(ctx, owner);
}

frmzeit::frmzeit(Context& ctx) : Dialog(IDD_FRMZEIT), ctx_(ctx) {}

std::unique_ptr<ui::Dialog> makeScheduleEditor(Context& ctx) { return std::make_unique<frmzeit>(ctx); }

// Load: the schedule of the network number the main window shows now.
bool frmzeit::OnInit() {
  columns_ = Columns(Item(IDL_FRMZEIT_ZEITEN), Item(IDL_FRMZEIT_EREIGNISSE));
  txt::Status loaded = model_.open(ctx_.fs, ctx_.where, ctx_.where.netNumber);
  setdata();
  if (!loaded.ok()) ctx_.ui.loadError(loaded.error);
  return true;
}

// Both lists and the fields, from the model.
void frmzeit::setdata() {
  FillGuard filling(*this);
  std::vector<std::string> times, events;
  for (const ScheduleEntry& entry : model_.entries) {
    times.push_back(entry.time);
    events.push_back(entry.event);
  }
  columns_.fill(times, events, model_.selected);
  SetItemText(IDE_FRMZEIT_ZEIT, model_.timeField);
  SetItemText(IDE_FRMZEIT_EREIGNIS, model_.eventField);
  for (int id : kEntryFields) EnableItem(id, model_.selected >= 0);
}

void frmzeit::showSelected() {
  FillGuard filling(*this);
  columns_.select(model_.selected);
  SetItemText(IDE_FRMZEIT_ZEIT, model_.timeField);
  SetItemText(IDE_FRMZEIT_EREIGNIS, model_.eventField);
  for (int id : kEntryFields) EnableItem(id, model_.selected >= 0);
}

// After an event command: the event field, and the row it went into.
void frmzeit::showFieldsAndRow() {
  {
    FillGuard filling(*this);
    SetItemText(IDE_FRMZEIT_EREIGNIS, model_.eventField);
  }
  showSelectedRow();
}

void frmzeit::showSelectedRow() {
  if (model_.selected < 0) return;
  const ScheduleEntry& entry = model_.entries[static_cast<std::size_t>(model_.selected)];
  columns_.setRow(model_.selected, entry.time, entry.event);
}

bool frmzeit::OnCommand(int id, int code, HWND control) {
  if (code == LBN_SELCHANGE && (id == IDL_FRMZEIT_ZEITEN || id == IDL_FRMZEIT_EREIGNISSE)) {
    rowClick(control);
    return true;
  }
  if (code == EN_CHANGE && !Filling()) {
    if (id == IDE_FRMZEIT_ZEIT) zeitChange();
    if (id == IDE_FRMZEIT_EREIGNIS) ereignisChange();
    return true;
  }
  if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
  switch (id) {
    case IDB_FRMZEIT_WOCHENTAG: eventCommand(&ScheduleEditor::wochentag); return true;
    case IDB_FRMZEIT_CRUNCHER: cruncherClick(); return true;
    case IDB_FRMZEIT_EXECUTE: eventCommand(&ScheduleEditor::execute); return true;
    case IDB_FRMZEIT_NETZANRUF: eventCommand(&ScheduleEditor::netzanruf); return true;
    case IDB_FRMZEIT_NETZSPERRE: eventCommand(&ScheduleEditor::netzsperre); return true;
    case IDB_FRMZEIT_PORT: eventCommand(&ScheduleEditor::port); return true;
    case IDB_FRMZEIT_NEU: neuClick(); return true;
    case IDB_FRMZEIT_SORTIEREN: sortierenClick(); return true;
    case IDB_FRMZEIT_LOESCHEN: loeschenClick(); return true;
    case IDB_FRMZEIT_ABBRUCH: OnCancel(); return true;
    case IDB_FRMZEIT_OK: OnOK(); return true;
    default: return Dialog::OnCommand(id, code, control);
  }
}

// A click on a row of either list selects that entry in both.
void frmzeit::rowClick(HWND list) {
  model_.select(ui::selectedIndex(list));
  showSelected();
}

// Every change of a field goes at once into the selected entry.
void frmzeit::zeitChange() {
  model_.setTimeField(ItemText(IDE_FRMZEIT_ZEIT));
  showSelectedRow();
}

void frmzeit::ereignisChange() {
  model_.setEventField(ItemText(IDE_FRMZEIT_EREIGNIS));
  showSelectedRow();
}

void frmzeit::cruncherClick() {
  model_.cruncher();
  showFieldsAndRow();
}

void frmzeit::eventCommand(void (ScheduleEditor::*command)(ScheduleQuestions&)) {
  auto ask = scheduleQuestions(ctx_, hwnd());
  (model_.*command)(*ask);
  showFieldsAndRow();
}

void frmzeit::neuClick() {
  model_.neu();
  setdata();
}

void frmzeit::loeschenClick() {
  model_.loeschen();
  setdata();
}

void frmzeit::sortierenClick() {
  model_.sortieren(ctx_.ui);
  setdata();
}

// "OK": save the file that was loaded and close; a failed save is told and
// the dialog stays open.
void frmzeit::OnOK() {
  if (!ReadyToSave(ctx_.ui, ctx_.fs, model_.loaded)) return;
  txt::Status saved = txt::guarded([&] { return model_.save(ctx_.fs, ctx_.where); });
  if (!saved.ok()) {
    setdata();  // the times as normalised
    ctx_.ui.notice(saved.error);
    return;
  }
  End(IDOK);
}

}  // namespace zorq
