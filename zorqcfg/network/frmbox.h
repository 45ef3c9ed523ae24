// The net box picker "Bitte eine Netzbox wählen": the boxes of
// daten\netz.dat. A double click (or Enter) chooses the box; "Abbruch", Esc
// and the close box choose none.
#pragma once

#include <optional>

#include "core/installation.h"
#include "core/pickers.h"
#include "network/netzboxen.h"
#include "platform/filesystem.h"
#include "ui/services.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmbox final : public ui::Dialog {
 public:
  frmbox(plat::FileSystem& fs, const Installation& where, ui::Services& ui);

  // The box chosen with the types of all boxes listed; nothing when the
  // picker was cancelled or the box has no name.
  const std::optional<NetBoxChoice>& auswahl() const { return auswahl_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void choose();

  plat::FileSystem& fs_;
  const Installation& where_;
  ui::Services& ui_;
  NetBoxes boxes_;
  std::optional<NetBoxChoice> auswahl_;
};

}  // namespace zorq
