// The start parameters "Startparameter": which ports the server starts by
// itself, with their windows open, and which it always shows. Modeless;
// the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "ports/startparameter.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmstart final : public ui::Dialog {
 public:
  explicit frmstart(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();

  Context& ctx_;
  StartParameters model_;
};

// For the main window's "Startparameter" button.
std::unique_ptr<ui::Dialog> makeStartParameters(Context& ctx);

}  // namespace zorq
