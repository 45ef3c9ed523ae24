// The final dialog: start the server, the editor, or nothing.
#pragma once

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
  std::string text_;
  FinalChoice choice_ = FinalChoice::Ende;
};

}  // namespace setup
