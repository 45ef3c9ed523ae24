// The final dialog: start the server, the editor, or nothing.
#pragma once

#include <set>
#include <string>

#include "driver.h"
#include "ui/win32/dialog.h"

namespace setup {

class theend final : public ui::Dialog {
 public:
  explicit theend(std::string text);
  FinalChoice choice() const { return choice_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  // Brings the dialog back in front of a window that took the foreground;
  // true when it did.
  bool comeBack();
  static BOOL CALLBACK Known(HWND window, LPARAM self);

  std::string text_;
  FinalChoice choice_ = FinalChoice::Ende;
  std::set<HWND> known_;  // top-level windows the user has had
  int ticks_ = 0;         // of the watch, in all
  int quiet_ = 0;         // since the dialog last came back
};

}  // namespace setup
