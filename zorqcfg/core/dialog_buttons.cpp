#include "core/dialog_buttons.h"

#include "commands/frmprbefehle.h"
#include "network/frmdomain.h"
#include "network/frmnetz.h"
#include "network/frmprpacker.h"
#include "ports/frmfenst.h"
#include "ports/frmmodem2.h"
#include "ports/frmprsspeicher.h"
#include "ports/frmstart.h"
#include "services/frmchat.h"
#include "services/frmextern.h"
#include "schedule/frmzeit.h"
#include "schedule/frmzusa.h"

namespace zorq {

const DialogButtons& dialogButtons() {
  static const DialogButtons buttons = {{
      {"Batchdateien", nullptr},
      {"Befehlseditor", makeCommandEditor},
      {"Chatruf", makeChatCall},
      {"Domainrouting", makeDomainRouting},
      {"externe Programme", makeExternalPrograms},
      {"Modemparameter", makeModemParameters, Showing::Modal},
      {"Netzdaten", makeNetParameters},
      {"Packer", makePackers},
      {"Sprachen", nullptr},
      {"Speicher", makeMemoryLimits},
      {"Startparameter", makeStartParameters},
      {"Texte", nullptr},
      {"Voreinstellungen f\xfcr neuen User", nullptr},
      {"Zeitplan", makeScheduleEditor},
      {"Fenster", makeModuleWindows},
      {"Zusatztools im Server", makeToolsManager},
      {"Sonstiges", nullptr},
  }};
  return buttons;
}

}  // namespace zorq
