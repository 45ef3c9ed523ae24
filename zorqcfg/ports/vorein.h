// The modem presets "Modemparameter": which stock command set to fill in.
// Modal; answers through presetnr.
#pragma once

#include "ui/win32/dialog.h"

namespace zorq {

class vorein final : public ui::Dialog {
 public:
  vorein();

  // 1 "Normales Hayes-Modem", 2 "CFos für Windows", 3 "Teles VCom
  // Emulator"; 0 after "Abbruch" or the close box.
  int presetnr() const { return presetnr_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  int presetnr_ = 0;
};

// Shows the presets modally over owner and answers presetnr.
int showPresets(HWND owner);

}  // namespace zorq
