// The group picker: "Keine Gruppe" and the groups of gruppen.dat. A click
// chooses ("" for "Keine Gruppe", otherwise the name); "Abbruch" and Esc
// answer "@"; the close box answers "".
#pragma once

#include <string>
#include <vector>

#include "core/installation.h"
#include "core/picker_lists.h"
#include "platform/filesystem.h"
#include "ui/services.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmselgru final : public ui::Dialog {
 public:
  // current: the group to preselect ("" for "Keine Gruppe").
  frmselgru(plat::FileSystem& fs, const Installation& where, ui::Services& ui, std::string current = {});
  std::string auswahl() const { return cancelled_ ? std::string(kGroupCancelled) : auswahl_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;
  void OnCancel() override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  void choose();
  static LRESULT CALLBACK ListKeys(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);

  plat::FileSystem& fs_;
  const Installation& where_;
  ui::Services& ui_;
  std::string current_;
  std::vector<std::string> groups_;
  std::string auswahl_;
  bool keyboardMoving_ = false;
  bool cancelled_ = false;  // "Abbruch"
};

}  // namespace zorq
