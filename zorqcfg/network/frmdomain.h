// The domain routing dialog "Domainrouting": three parallel lists
// (recipient, sender, route) that always show the same row selected, the
// three fields of that row below them, and the net box picker for the
// route. Modeless; the main window opens it.
#pragma once

#include <memory>

#include "core/context.h"
#include "network/routing.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmdomain final : public ui::Dialog {
 public:
  explicit frmdomain(Context& ctx);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void fillLists();
  void setdata();
  void showRow(int row);
  void listClick(int column);
  void fieldChange(int column);
  void neuClick();
  void loeschenClick();
  void wahlClick();

  Context& ctx_;
  DomainRouting model_;
};

// For the main window's "Domainrouting" button.
std::unique_ptr<ui::Dialog> makeDomainRouting(Context& ctx);

}  // namespace zorq
