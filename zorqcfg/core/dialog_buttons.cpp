#include "core/dialog_buttons.h"

#include "commands/frmprbefehle.h"
#include "ports/frmfenst.h"
#include "ports/frmmodem2.h"
#include "ports/frmprsspeicher.h"
#include "ports/frmstart.h"
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
      {"Modemparameter", makeModemParameters, Showing::Modal},
      {"Netzdaten", nullptr},
      {"Packer", nullptr},
      {"Sprachen", nullptr},
      {"Speicher", makeMemoryLimits},
      {"Startparameter", makeStartParameters},
      {"Texte", nullptr},
      {"Voreinstellungen f\xfcr neuen User", nullptr},
      {"Zeitplan", nullptr},
      {"Fenster", makeModuleWindows},
      {"Zusatztools im Server", nullptr},
      {"Sonstiges", nullptr},
  }};
  return buttons;
}

}  // namespace zorq
