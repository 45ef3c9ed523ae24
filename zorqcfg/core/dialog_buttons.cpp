#include "core/dialog_buttons.h"

#include "commands/frmprbefehle.h"
#include "network/frmdomain.h"
#include "network/frmnetz.h"
#include "network/frmprpacker.h"

namespace zorq {

const DialogButtons& dialogButtons() {
  static const DialogButtons buttons = {{
      {"Batchdateien", nullptr},
      {"Befehlseditor", makeCommandEditor},
      {"Chatruf", nullptr},
      {"Domainrouting", makeDomainRouting},
      {"externe Programme", nullptr},
      {"Modemparameter", nullptr, Showing::Modal},
      {"Netzdaten", makeNetParameters},
      {"Packer", makePackers},
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
