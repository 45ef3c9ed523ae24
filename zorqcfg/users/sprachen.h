// The languages dialog "Spracheinstellungen": the main language and four
// more, each with an "Edit" button that opens its language file in the text
// editor. Modeless; the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "ui/win32/dialog.h"
#include "users/languages.h"

namespace zorq {

class sprachen final : public ui::Dialog {
 public:
  explicit sprachen(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();
  void editClick(int slot);

  Context& ctx_;
  Languages model_;
};

// For the main window's "Sprachen" button.
std::unique_ptr<ui::Dialog> makeLanguages(Context& ctx);

}  // namespace zorq
