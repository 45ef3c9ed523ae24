// The packer dialog "Packereinstellungen": ten packers, one shown in the
// fields at a time, chosen in the list of names or with "nächster" and
// "vorheriger". Modeless; the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "network/packer.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmprpacker final : public ui::Dialog {
 public:
  explicit frmprpacker(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void getdata();
  void setdata();
  void listClick();
  void naechsterClick();
  void vorherigerClick();

  Context& ctx_;
  PackerEditor model_;
};

// For the main window's "Packer" button.
std::unique_ptr<ui::Dialog> makePackers(Context& ctx);

}  // namespace zorq
