#include "core/dialog_buttons.h"

#include "commands/frmprbefehle.h"
#include "ports/frmfenst.h"
#include "ports/frmmodem2.h"
#include "ports/frmprsspeicher.h"
#include "ports/frmstart.h"
#include "services/frmchat.h"
#include "services/frmextern.h"
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
      {"Domainrouting", nullptr},
      {"externe Programme", makeExternalPrograms},
      {"Modemparameter", makeModemParameters, Showing::Modal},
      {"Netzdaten", nullptr},
      {"Packer", nullptr},
      {"Sprachen", makeLanguages},
      {"Speicher", makeMemoryLimits},
      {"Startparameter", makeStartParameters},
      {"Texte", makeBoxTexts},
      {"Voreinstellungen f\xfcr neuen User", makeNewUserDefaults},
      {"Zeitplan", nullptr},
      {"Fenster", makeModuleWindows},
      {"Zusatztools im Server", nullptr},
      {"Sonstiges", makeMiscLists},
  }};
  return buttons;
}

}  // namespace zorq
