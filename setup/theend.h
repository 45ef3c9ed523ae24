// The final dialog: start the server, the editor, or nothing.
#pragma once

#include <map>
#include <set>
#include <string>

#include "driver.h"
#include "ui/win32/dialog.h"

namespace setup {

// The top-level windows shown now.
std::set<HWND> visibleWindows();

class theend final : public ui::Dialog {
 public:
  // usersWindows: the windows that were there before setup began; the
  // dialog never takes the front back from them.
  explicit theend(std::string text, std::set<HWND> usersWindows = visibleWindows());
  FinalChoice choice() const { return choice_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  // Brings the dialog back in front of a window that took the foreground;
  // true when it did.
  bool comeBack();

  std::string text_;
  FinalChoice choice_ = FinalChoice::Ende;
  std::set<HWND> known_;          // top-level windows the user has had
  std::map<HWND, int> sentBack_;  // how often each window was sent back
  int ticks_ = 0;                 // of the watch, in all
  int quiet_ = 0;                 // since the dialog last came back
};

}  // namespace setup
