// The directory picker: answers the directory open in the tree,
// ending with "\", or nothing.
#pragma once

#include <string>

#include "core/directory_tree.h"
#include "ui/services.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmdir final : public ui::Dialog {
 public:
  frmdir(std::string startDirectory, ui::Services& ui);
  const std::string& auswahl() const { return auswahl_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void enterInTree();
  std::string start_;
  ui::Services& ui_;
  std::string auswahl_;
  DirectoryTree tree_;
};

}  // namespace zorq
