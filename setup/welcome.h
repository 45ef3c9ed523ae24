// The greeting, shown modally; "Weiter>" confirms.
#pragma once

#include <string>

#include "ui/win32/dialog.h"

namespace setup {

class welcome final : public ui::Dialog {
 public:
  explicit welcome(std::string text);
  // The confirm flag: true when left with "Weiter>".
  bool confirmed() const { return confirmed_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  std::string text_;
  bool confirmed_ = false;
};

}  // namespace setup
