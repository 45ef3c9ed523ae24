// The command picker "Für welchen Befehl?": which command of the box an
// external program entry stands for. Modal; answers like the other pickers
// with the text it puts into `auswahl`.
#pragma once

#include <string>

#include "commands/aliases.h"
#include "core/context.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmalias final : public ui::Dialog {
 public:
  explicit frmalias(Context& ctx);

  // The command word chosen, "SHOW" for "Text anzeigen", empty when
  // cancelled or closed.
  const std::string& auswahl() const { return auswahl_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void choose();

  Context& ctx_;
  AliasChoices choices_;
  std::string auswahl_;
};

// Shows the picker modally over the active window and gives its answer.
std::string showAliasPicker(Context& ctx);

}  // namespace zorq
