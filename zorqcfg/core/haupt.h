// The editor's main window.
#pragma once

#include "core/installation.h"
#include "ui/services.h"
#include "ui/win32/dialog.h"

namespace zorq {

class haupt final : public ui::Dialog {
 public:
  haupt(Installation& where, ui::Services& services);

 protected:
  bool OnCommand(int id, int code, HWND control) override;
  void OnCancel() override;
  void OnDestroyed() override;

 private:
  Installation& where_;
  ui::Services& ui_;
};

}  // namespace zorq
