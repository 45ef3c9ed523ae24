#include "app/dialog_buttons.h"

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
  // Together with "Abbruch", "Ende", the two check boxes and the labels of
  // the fields each access key stands once in the main window ("f\xfcr"
  // leaves v to "Server", and l to "Uploadpfad").
  static const DialogButtons buttons = {{
      {"Batchdateien", 'B', makeBatchFiles},
      {"Befehlseditor", 'h', makeCommandEditor},
      {"Chatruf", 'C', makeChatCall},
      {"Domainrouting", 'D', makeDomainRouting},
      {"externe Programme", 'x', makeExternalPrograms},
      {"Modemparameter", 'M', makeModemParameters, Showing::Modal},
      {"Netzdaten", 'N', makeNetParameters},
      {"Packer", 'P', makePackers},
      {"Sprachen", 'S', makeLanguages},
      {"Speicher", 'i', makeMemoryLimits},
      {"Startparameter", 'r', makeStartParameters},
      {"Texte", 'T', makeBoxTexts},
      {"Voreinstellungen f\xfcr neuen User", '\xfc', makeNewUserDefaults},
      {"Zeitplan", 'Z', makeScheduleEditor},
      {"Fenster", 'F', makeModuleWindows},
      {"Zusatztools im Server", 'v', makeToolsManager},
      {"Sonstiges", 'g', makeMiscLists},
  }};
  return buttons;
}

}  // namespace zorq
