// The window of the copy phase, shown without modality: what is copied
// where, and the overall progress.
#pragma once

#include "install.h"
#include "ui/win32/dialog.h"

namespace setup {

class copy final : public ui::Dialog, public CopyView {
 public:
  copy();
  void showFile(const std::string& source, const std::string& destination) override;
  void showProgress(double fraction) override;
  double fraction() const { return fraction_; }

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) override;

 private:
  void Repaint();
  double fraction_ = 0.0;
};

}  // namespace setup
