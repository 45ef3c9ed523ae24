// The file picker: answers the full path of the file double-clicked in the
// list, or nothing. The list shows the files that match dateimaske (all
// files when it is empty).
#pragma once

#include <string>
#include <vector>

#include "core/directory_tree.h"
#include "ui/services.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmfile final : public ui::Dialog {
 public:
  frmfile(std::string startDirectory, std::string dateimaske, ui::Services& ui);
  const std::string& auswahl() const { return auswahl_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void showFiles();
  void chooseFile();

  std::string start_, dateimaske_;
  std::string auswahl_;
  ui::Services& ui_;
  std::vector<std::string> files_;
  DirectoryTree tree_;
};

}  // namespace zorq
