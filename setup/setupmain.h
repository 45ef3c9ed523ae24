// The background window of setup. It carries the whole run: each step of
// the sequence shows its window through the Screens it implements.
#pragma once

#include <memory>
#include <set>
#include <string>

#include "copy.h"
#include "driver.h"
#include "ui/win32/dialog.h"

namespace setup {

class setupmain final : public ui::Dialog, public Screens {
 public:
  explicit setupmain(Setup& setup);
  ~setupmain() override;

  void showMain(const std::string& title) override;
  bool welcome(const std::string& text) override;
  bool path() override;
  CopyView& openCopy() override;
  void closeCopy() override;
  FinalChoice theend(const std::string& text) override;

 protected:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;
  void OnCancel() override {}  // the run ends the window, not Esc

 private:
  Setup& setup_;
  std::wstring title_;
  std::unique_ptr<copy> copy_;
  std::set<HWND> usersWindows_;  // shown before setup began
};

}  // namespace setup
