// The add-on tools manager "Zusatzprogramm-Manager": the programs the server
// offers as add-on tools, with their DOS command lines. Modeless; the main
// window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "schedule/columns.h"
#include "schedule/zusatz.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmzusa final : public ui::Dialog {
 public:
  explicit frmzusa(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void showSelected();
  void showSelectedRow();
  void rowClick(HWND list);
  void nameChange();
  void aufrufChange();
  void neuClick();
  void loeschenClick();
  void wahlClick();

  Context& ctx_;
  ToolsEditor model_;
  Columns columns_;
};

// For the main window's "Zusatztools im Server" button.
std::unique_ptr<ui::Dialog> makeToolsManager(Context& ctx);

}  // namespace zorq
