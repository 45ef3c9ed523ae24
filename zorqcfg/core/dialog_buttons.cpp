#include "core/dialog_buttons.h"

#include "commands/frmprbefehle.h"
#include "services/frmchat.h"
#include "services/frmextern.h"

namespace zorq {

const DialogButtons& dialogButtons() {
  static const DialogButtons buttons = {{
      {"Batchdateien", nullptr},
      {"Befehlseditor", makeCommandEditor},
      {"Chatruf", makeChatCall},
      {"Domainrouting", nullptr},
      {"externe Programme", makeExternalPrograms},
      {"Modemparameter", nullptr, Showing::Modal},
      {"Netzdaten", nullptr},
      {"Packer", nullptr},
      {"Sprachen", nullptr},
      {"Speicher", nullptr},
      {"Startparameter", nullptr},
      {"Texte", nullptr},
      {"Voreinstellungen f\xfcr neuen User", nullptr},
      {"Zeitplan", nullptr},
      {"Fenster", nullptr},
      {"Zusatztools im Server", nullptr},
      {"Sonstiges", nullptr},
  }};
  return buttons;
}

}  // namespace zorq
