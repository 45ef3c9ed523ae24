// The new-user defaults "User Voreinstellungen": four values and the groups
// a new user joins. Modeless; the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "ui/win32/dialog.h"
#include "users/newuser.h"

namespace zorq {

class frmneuuser final : public ui::Dialog {
 public:
  explicit frmneuuser(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();
  void showLists();
  void list1Click();
  void list2DblClick();
  static LRESULT CALLBACK ListInput(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);

  Context& ctx_;
  NewUserDefaults model_;
  bool keyboard_ = false;   // the selection moves by a key: only select
  bool mouseDown_ = false;  // a click in "Gruppen für neue User" is under way
  bool clickPending_ = false;
};

// For the main window's "Voreinstellungen für neuen User" button.
std::unique_ptr<ui::Dialog> makeNewUserDefaults(Context& ctx);

}  // namespace zorq
