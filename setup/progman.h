// The program group "Valmorin" with its four items: told to Program Manager
// in a DDE conversation, or, where no Program Manager answers, made as a
// Start-menu folder with shortcuts.
#pragma once

#include <string>
#include <vector>

namespace setup {

// A DDE client conversation with service and topic "PROGMAN".
class DdeLink {
 public:
  virtual ~DdeLink() = default;
  // One connection attempt; true when Program Manager answered.
  virtual bool connect() = 0;
  // Lets pending window events run.
  virtual void pumpEvents() = 0;
  // One execute transaction; true when it was accepted.
  virtual bool execute(const std::string& command) = 0;
  virtual void disconnect() = 0;
};

// The shell's Start menu, for machines without Program Manager.
class StartMenu {
 public:
  virtual ~StartMenu() = default;
  // A shortcut named item in the Start-menu folder group that starts
  // program; true when it was made.
  virtual bool addShortcut(const std::string& group, const std::string& item, const std::string& program) = 0;
};

inline constexpr int kConnectAttempts = 20;

// The commands of one ProgmanExecute call, in the order they are sent:
// mode 1 adds an item, mode 2 creates and shows the group, any other mode
// sends nothing.
std::vector<std::string> progmanCommands(const std::string& group, const std::string& commandLine,
                                         const std::string& item, int mode);

// Sends one command set; every failure is ignored. False when Program
// Manager did not answer any of the connection attempts.
bool ProgmanExecute(DdeLink& link, const std::string& group, const std::string& commandLine,
                    const std::string& item, int mode);

struct GroupItem {
  std::string name;
  std::string program;
};
// The items of a full installation, in the order they are added.
std::vector<GroupItem> groupItems(const std::string& installPath);

// The group of a full installation: through Program Manager when it
// answers, else as Start-menu shortcuts. Returns the items that could not
// be made as shortcuts (none on the Program Manager road, whose failures go
// unnoticed).
std::vector<std::string> createProgramGroup(DdeLink& link, StartMenu& menu, const std::string& group,
                                            const std::string& installPath);

}  // namespace setup
