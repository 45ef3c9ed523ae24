// Saves the command editor's two files over and over, as fast as it can,
// through the real model and platform layer, until it is killed:
//   save_loop <installation folder, without the last "\"> <event name>
// The event is set once the first save is complete.
#include <windows.h>

#include <string>

#include "commands/befehle.h"
#include "platform/filesystem.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  zorq::Installation where{"C:\\windows\\", std::string(argv[1]) + "\\", 0};
  zorq::CommandLevels memory{};
  zorq::CommandEditor editor(memory);
  HANDLE first = OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
  for (unsigned round = 0;; ++round) {
    for (int i = 0; i < zorq::kCommandCount; ++i) {
      editor.levelText[static_cast<std::size_t>(i)] = round % 2 ? "200" : "7";
      editor.group[static_cast<std::size_t>(i)] = round % 2 ? "Sysops und Gruppenleiter" : "";
    }
    if (!editor.save(plat::localFileSystem(), where)) return 1;
    if (round == 0 && first != nullptr) SetEvent(first);
  }
}
