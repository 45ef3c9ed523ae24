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
#include "users/frmbatch.h"
#include "users/frmneuuser.h"
#include "users/frmsonst.h"
#include "users/frmtxted.h"
#include "users/sprachen.h"

namespace zorq {

const DialogButtons& dialogButtons() {
  static const DialogButtons buttons = {{
      {"Batchdateien", makeBatchFiles},
      {"Befehlseditor", makeCommandEditor},
      {"Chatruf", makeChatCall},
      {"Domainrouting", makeDomainRouting},
      {"externe Programme", makeExternalPrograms},
      {"Modemparameter", makeModemParameters, Showing::Modal},
      {"Netzdaten", makeNetParameters},
      {"Packer", makePackers},
      {"Sprachen", makeLanguages},
      {"Speicher", makeMemoryLimits},
      {"Startparameter", makeStartParameters},
      {"Texte", makeBoxTexts},
      {"Voreinstellungen f\xfcr neuen User", makeNewUserDefaults},
      {"Zeitplan", makeScheduleEditor},
      {"Fenster", makeModuleWindows},
      {"Zusatztools im Server", makeToolsManager},
      {"Sonstiges", makeMiscLists},
  }};
  return buttons;
}

}  // namespace zorq
