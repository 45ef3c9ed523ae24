// The external programs dialog "Externe Programme": the programs offered to
// callers, one shown at a time in the fields. Modeless; the main window
// opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "services/external.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmextern final : public ui::Dialog {
 public:
  explicit frmextern(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  using Field = ExternalPrograms::Field;

  void fillList();
  void setdata();
  void getdata();
  void showRow(int row);
  // Tells why an operation was refused and puts the caret into the field at
  // fault; false when the status is fine.
  bool refused(const txt::Status& status, Field field);

  void listClick();
  void nameChange();
  void neuClick();
  void loeschenClick();
  void sortierenClick();
  void aliasClick();
  void dateiClick();
  void gruppeClick();

  Context& ctx_;
  ExternalPrograms model_;
};

// For the main window's "externe Programme" button.
std::unique_ptr<ui::Dialog> makeExternalPrograms(Context& ctx);

}  // namespace zorq
