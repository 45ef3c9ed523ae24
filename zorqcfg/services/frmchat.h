// The chat call dialog "Chatruf": what the server does when a caller asks
// for the sysop, and the wave files for the call. Modeless; the main window
// opens it.
#pragma once

#include <cstddef>
#include <memory>

#include "core/context.h"
#include "services/chat.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmchat final : public ui::Dialog {
 public:
  explicit frmchat(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();
  void auswahlClick(std::size_t row);

  Context& ctx_;
  ChatCall model_;
};

// For the main window's "Chatruf" button.
std::unique_ptr<ui::Dialog> makeChatCall(Context& ctx);

}  // namespace zorq
