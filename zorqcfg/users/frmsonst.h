// "Sonstiges": the co-sysops, the forbidden user names and the import
// comment. Modeless; the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "ui/win32/dialog.h"
#include "users/misc_lists.h"

namespace zorq {

class frmsonst final : public ui::Dialog {
 public:
  explicit frmsonst(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void showLists();
  void cosysopDazu();
  void cosysopEntfernen();
  void verbotenDazu();
  void verbotenEntfernen();

  Context& ctx_;
  MiscLists model_;
};

// For the main window's "Sonstiges" button.
std::unique_ptr<ui::Dialog> makeMiscLists(Context& ctx);

}  // namespace zorq
