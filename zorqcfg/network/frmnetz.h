// The network parameters dialog "Netzdaten": the box's own net name and
// domains, summer and winter time, and the tuning of net calls. Modeless;
// the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "network/netzpar.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmnetz final : public ui::Dialog {
 public:
  explicit frmnetz(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnScroll(HWND control, int code) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();
  void bretterClick();
  void gruppeClick();

  Context& ctx_;
  NetParameters model_;
};

// For the main window's "Netzdaten" button.
std::unique_ptr<ui::Dialog> makeNetParameters(Context& ctx);

}  // namespace zorq
