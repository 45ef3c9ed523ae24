// The installation directory, with the folder picker behind "Auswahl".
#pragma once

#include "driver.h"
#include "ui/win32/dialog.h"

namespace setup {

class path final : public ui::Dialog {
 public:
  // main: the window getpfad is centred on.
  path(Setup& setup, HWND main);
  bool confirmed() const { return confirmed_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void Auswahl();
  void Weiter();

  Setup& setup_;
  HWND main_;
  bool confirmed_ = false;
};

}  // namespace setup
