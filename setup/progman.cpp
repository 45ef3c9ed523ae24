#include "progman.h"

namespace setup {

std::vector<std::string> progmanCommands(const std::string& group, const std::string& commandLine,
                                         const std::string& item, int mode) {
  switch (mode) {
    case 1:
      return {"[CreateGroup(" + group + ")]", "[ReplaceItem(" + item + ")]",
              "[AddItem(" + commandLine + "," + item + ",,,)]"};
    case 2: return {"[CreateGroup(" + group + ")]", "[ShowGroup(" + group + ", 1)]"};
    default: return {};
  }
}

bool ProgmanExecute(DdeLink& link, const std::string& group, const std::string& commandLine,
                    const std::string& item, int mode) {
  bool connected = false;
  for (int attempt = 0; attempt < kConnectAttempts && !connected; ++attempt) {
    if (attempt > 0) link.pumpEvents();
    connected = link.connect();
  }
  if (!connected) return false;
  for (int i = 0; i < 10; ++i) link.pumpEvents();
  for (const std::string& command : progmanCommands(group, commandLine, item, mode))
    link.execute(command);  // ReplaceItem of a missing item fails; that is expected
  link.disconnect();
  return true;
}

std::vector<GroupItem> groupItems(const std::string& installPath) {
  return {{"Valmorin", installPath + "\\zorq.exe"},
          {"Einstellungen", installPath + "\\zorqcfg.exe"},
          {"Anleitung", installPath + "\\zorqpc.wri"},
          {"Cruncher", installPath + "\\cruncher.exe"}};
}

std::vector<std::string> createProgramGroup(DdeLink& link, StartMenu& menu, const std::string& group,
                                            const std::string& installPath) {
  std::vector<std::string> missing;
  if (ProgmanExecute(link, group, "", "", 2)) {
    for (const GroupItem& item : groupItems(installPath))
      ProgmanExecute(link, group, item.program, item.name, 1);
    return missing;
  }
  for (const GroupItem& item : groupItems(installPath))
    if (!menu.addShortcut(group, item.name, item.program)) missing.push_back(item.name);
  return missing;
}

}  // namespace setup
