// The user picker: lists the users of user.dat and answers the name
// double-clicked (or chosen with Enter), or nothing.
#pragma once

#include <string>
#include <vector>

#include "core/installation.h"
#include "platform/filesystem.h"
#include "ui/services.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmselus final : public ui::Dialog {
 public:
  frmselus(plat::FileSystem& fs, const Installation& where, ui::Services& ui);
  const std::string& auswahl() const { return auswahl_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void choose();

  plat::FileSystem& fs_;
  const Installation& where_;
  ui::Services& ui_;
  std::vector<std::string> users_;
  std::string auswahl_;
};

}  // namespace zorq
