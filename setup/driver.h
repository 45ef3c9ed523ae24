// The run of setup from the first check to the end: one linear sequence
// that the main window drives and that shows the windows through Screens.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "inst2.h"
#include "install.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "progman.h"
#include "setupmod.h"
#include "ui/services.h"

namespace setup {

// The setup state.
struct State {
  std::string title;
  std::string welcomeText;
  std::string installPath;  // long form, without "\"
  std::string pickedPath;   // what getpfad answered; "" for nothing
  std::string fileListName = "inst.dat";
  std::string shortInstallPath;  // 8.3 form, without "\"
  Inst2 inst2;
  std::int32_t copied = 0;
  WinDirs dirs;
  std::string groupName;
};

enum class FinalChoice { Valmorin, Einstellungen, Ende };

// The windows of a run.
class Screens {
 public:
  virtual ~Screens() = default;
  // Shows the main window with the title and paints its background.
  virtual void showMain(const std::string& title) = 0;
  // welcome and path, modal; true when left with "Weiter>" (the confirm flag).
  virtual bool welcome(const std::string& text) = 0;
  virtual bool path() = 0;
  // The copy window, shown without modality while the files are copied.
  virtual CopyView& openCopy() = 0;
  virtual void closeCopy() = 0;
  // theend, modal: which button closed it.
  virtual FinalChoice theend(const std::string& text) = 0;
};

// What the run touches outside itself.
struct Environment {
  plat::FileSystem& fs;
  plat::System& sys;
  ui::Services& ui;
  DdeLink& progman;
  StartMenu& startMenu;
  std::string setupDir;  // the current directory: the distribution, with "\"
};

class Setup {
 public:
  explicit Setup(Environment env);

  // The whole run, steps 1 to 15.
  void run(Screens& screens);

  // Steps 1 to 8: false when the program must end at once (server running,
  // no file list, update without installation, unreadable header).
  bool start();

  // "Weiter>" in path: the typed folder, created on request. True when it
  // exists afterwards (the confirm flag).
  bool confirmPath(const std::string& typed);

  // Step 12, with the window of the copy phase, and zorq.ini of a full
  // installation: all or nothing. False when anything could not be put in
  // place; the box is then as it was before, the folders setup made for it
  // included.
  bool copyPhase(CopyView& view);
  // Step 13 (a full installation only): the program group.
  void finishInstallation();
  // The message of an installation that did not go through: why, file by
  // file.
  void reportRefusal();
  // The shortcuts that could not be made, listed before the final dialog;
  // nothing when all went well.
  void reportFailures();
  // The text of theend.
  static std::string finalText();
  // The buttons of theend and the readme after it.
  void startChosen(FinalChoice choice);
  void offerReadme();

  // zorq.ini of a full installation.
  std::string iniPath() const { return state_.dirs.windows + "zorq.ini"; }
  std::string iniContent() const { return state_.shortInstallPath + "\\" + kLineEnd; }

  State& state() { return state_; }
  const State& state() const { return state_; }
  const std::vector<std::string>& failures() const { return failures_; }
  const Environment& env() const { return env_; }

 private:
  bool readInstallation();

  Environment env_;
  State state_;
  std::vector<std::string> failures_;
  std::vector<std::string> foldersMade_;  // by the path dialog, outermost first
};

}  // namespace setup
