// The module windows "Fenstereinstellungen": which of the server's windows
// (cruncher, sorter, net receive, net send) are not opened. Modeless; the
// main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "ports/fenster.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmfenst final : public ui::Dialog {
 public:
  explicit frmfenst(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();

  Context& ctx_;
  ModuleWindowsEditor model_;
};

// For the main window's "Fenster" button.
std::unique_ptr<ui::Dialog> makeModuleWindows(Context& ctx);

}  // namespace zorq
