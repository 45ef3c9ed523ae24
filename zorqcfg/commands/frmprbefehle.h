// The command editor "Befehlseditor": level and group of each caller
// command. Modeless; the main window opens it.
#pragma once

#include <memory>

#include "commands/befehle.h"
#include "core/context.h"
#include "ui/win32/dialog.h"

namespace zorq {

class frmprbefehle final : public ui::Dialog {
 public:
  // The levels carry over from one opening to the next within the run.
  explicit frmprbefehle(Context& ctx);
  // memory: where the levels of the previous opening are kept.
  frmprbefehle(Context& ctx, CommandLevels& memory);

 protected:
  bool OnInit() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOK() override;

 private:
  void setdata();
  void getdata();
  void showGroup(int command);
  void gruppeClick(int command);

  Context& ctx_;
  CommandEditor model_;
};

// For the main window's "Befehlseditor" button.
std::unique_ptr<ui::Dialog> makeCommandEditor(Context& ctx);

}  // namespace zorq
