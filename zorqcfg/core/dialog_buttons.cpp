#include "core/dialog_buttons.h"

#include "commands/frmprbefehle.h"
#include "schedule/frmzeit.h"
#include "schedule/frmzusa.h"

namespace zorq {

const DialogButtons& dialogButtons() {
  static const DialogButtons buttons = {{
      {"Batchdateien", nullptr},
      {"Befehlseditor", makeCommandEditor},
      {"Chatruf", nullptr},
      {"Domainrouting", nullptr},
      {"externe Programme", nullptr},
      {"Modemparameter", nullptr, Showing::Modal},
      {"Netzdaten", nullptr},
      {"Packer", nullptr},
      {"Sprachen", nullptr},
      {"Speicher", nullptr},
      {"Startparameter", nullptr},
      {"Texte", nullptr},
      {"Voreinstellungen f\xfcr neuen User", nullptr},
      {"Zeitplan", makeScheduleEditor},
      {"Fenster", nullptr},
      {"Zusatztools im Server", makeToolsManager},
      {"Sonstiges", nullptr},
  }};
  return buttons;
}

}  // namespace zorq
