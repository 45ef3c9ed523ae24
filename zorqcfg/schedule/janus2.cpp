#include "schedule/janus2.h"

#include "schedule/janus2_ids.h"
#include "schedule/zeit.h"
#include "ui/win32/buttons.h"

namespace zorq {

namespace {

struct ModeButton {
  int id;
  JanusMode mode;
};

constexpr ModeButton kModeButtons[] = {
    {IDB_JANUS2_PMS, kJanusPms},
    {IDB_JANUS2_MAILS, kJanusMails},
    {IDB_JANUS2_NICHTSSCHICKEN, kJanusNoSend},
    {IDB_JANUS2_NICHTSEMPFANGEN, kJanusNoReceive},
    {IDB_JANUS2_NORMAL, kJanusNormal},
};

}  // namespace

janus2::janus2(std::int16_t& janusmodus) : Dialog(IDD_JANUS2), janusmodus_(janusmodus) {}

bool janus2::OnCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED) {
    for (const ModeButton& button : kModeButtons) {
      if (button.id != id) continue;
      janusmodus_ = button.mode;
      End(IDOK);
      return true;
    }
  }
  return Dialog::OnCommand(id, code, control);
}

// Enter presses the focused button; it keeps the mode of its own.
void janus2::OnOK() { ui::pressFocusedButton(hwnd()); }

}  // namespace zorq
