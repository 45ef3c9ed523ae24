// The memory limits "Speicher". Modeless; the main window opens it. It
// changes the main settings record only; main.txt takes the limits with the
// main window's "Ende".
#pragma once

#include <memory>

#include "core/context.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmprsspeicher final : public ui::Dialog {
 public:
  explicit frmprsspeicher(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  Context& ctx_;
};

// For the main window's "Speicher" button.
std::unique_ptr<ui::Dialog> makeMemoryLimits(Context& ctx);

}  // namespace zorq
