// Folder picker: a drive list, the folder list of the chosen drive and the
// path text, which can also be typed.
#pragma once

#include <string>
#include <vector>

#include "ui/win32/dialog.h"

namespace setup {

class getpfad final : public ui::Dialog {
 public:
  // start: the folder the lists open on (the folder of the setup program).
  getpfad(std::string start, HWND main);
  // What was picked, without a trailing "\"; "" when cancelled.
  const std::string& picked() const { return picked_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void fillDrives();
  // Dir1 shows folder: the levels above it, then its sub-folders.
  void showFolder(const std::string& folder);
  void DriveChanged();
  bool DirChanged();

  std::string start_;
  HWND main_;
  std::string current_;
  std::vector<std::string> entries_;  // the full path of each row of Dir1
  std::string picked_;
};

}  // namespace setup
