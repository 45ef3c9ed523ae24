// The modem parameters "Modemparameter" of one port. Modal; the port
// chooser opens it for the port chosen.
#pragma once

#include <memory>

#include "core/context.h"
#include "ports/modem.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmmodem2 final : public ui::Dialog {
 public:
  frmmodem2(Context& ctx, int port);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();
  void setcapi();
  void voreinstellungen();

  Context& ctx_;
  ModemEditor model_;
};

// For the main window's "Modemparameter" button: the port chooser, which
// goes on to the modem parameters of the port chosen.
std::unique_ptr<ui::Dialog> makeModemParameters(Context& ctx);

}  // namespace zorq
