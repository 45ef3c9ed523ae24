// The schedule editor "Zeitplan": the timed events of the server for the
// network number of the main window. Modeless; the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "schedule/columns.h"
#include "schedule/zeit.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmzeit final : public ui::Dialog {
 public:
  explicit frmzeit(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void showSelected();
  void showFieldsAndRow();
  void showSelectedRow();
  void rowClick(HWND list);
  void zeitChange();
  void ereignisChange();
  void cruncherClick();
  void neuClick();
  void loeschenClick();
  void sortierenClick();
  // An event command of the model, asking through the small dialogs.
  void eventCommand(void (ScheduleEditor::*command)(ScheduleQuestions&));

  Context& ctx_;
  ScheduleEditor model_;
  Columns columns_;
};

// The questions of the event commands as the modal dialogs ask them, owned
// by owner.
std::unique_ptr<ScheduleQuestions> scheduleQuestions(Context& ctx, HWND owner);

// For the main window's "Zeitplan" button.
std::unique_ptr<ui::Dialog> makeScheduleEditor(Context& ctx);

}  // namespace zorq
