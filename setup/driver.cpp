#include "driver.h"

#include "platform/save.h"
#include "text/reader.h"

namespace setup {

namespace {

constexpr const char* kDefaultPath = "c:\\programme\\zorq";

}  // namespace

Setup::Setup(Environment env) : env_(std::move(env)) {}

bool Setup::start() {
  ReadWinDirs(env_.sys, state_.dirs);
  state_.fileListName = "inst.dat";
  state_.copied = 0;
  if (txt::Status s = loadInst2(env_.fs, env_.setupDir + "inst2.dat", state_.inst2); !s) {
    // A header that cannot be read could turn an update into a full
    // installation that overwrites zorq.ini: better not to run at all.
    env_.ui.message("Die Datei inst2.dat ist fehlerhaft (" + s.error + ")", kMessageTitle,
                    ui::Icon::Critical);
    return false;
  }
  if (env_.sys.findAtom("ZORQISRUNNING")) {
    env_.ui.message(std::string("Bitte vor jeder Installation") + kLineEnd + "Valmorin beenden",
                    kMessageTitle, ui::Icon::Critical);
    return false;
  }
  // Without a file list there is nothing to install; going on would only
  // point zorq.ini at an empty folder.
  if (!setup::FileExists(env_.fs, env_.setupDir + state_.fileListName)) {
    env_.ui.message("Im Setup-Ordner " + CutBackslash(env_.setupDir) + " fehlt die Dateiliste " +
                        state_.fileListName + "." + kLineEnd + "Es gibt nichts zu installieren.",
                    kMessageTitle, ui::Icon::Exclamation);
    return false;
  }
  state_.title = "ValmorinPC Mailboxsystem";
  state_.groupName = "Valmorin";
  state_.welcomeText = welcomeText(state_.inst2);
  if (!state_.inst2.update()) {
    state_.installPath = kDefaultPath;
    return true;
  }
  if (!readInstallation()) {
    env_.ui.message("Valmorin ist nicht installiert", kMessageTitle, ui::Icon::None);
    return false;
  }
  return true;
}

bool Setup::readInstallation() {
  std::string ini = iniPath();
  if (!setup::FileExists(env_.fs, ini)) return false;
  std::string bytes;
  if (!env_.fs.readAll(ini, bytes)) return false;
  std::string line;
  txt::Reader(bytes).line(line);
  if (!DirExists(env_.fs, line)) return false;
  state_.installPath = CutBackslash(LongPath(env_.sys, line));
  return true;
}

bool Setup::confirmPath(const std::string& typed) {
  std::string p = CutBackslash(typed);
  state_.installPath = p;
  if (!DirExists(env_.fs, p)) {
    std::string question = "Pfad '" + p + "' existiert nicht, anlegen?";
    if (env_.ui.message(question, kMessageTitle, ui::Icon::None, ui::Buttons::YesNo) == ui::Answer::Yes) {
      std::vector<std::string> made = MakeDirs(env_.fs, p);
      foldersMade_.insert(foldersMade_.end(), made.begin(), made.end());
    }
  }
  if (!DirExists(env_.fs, p)) return false;
  state_.shortInstallPath = ShortPath(env_.sys, p);
  return true;
}

namespace {

// A list for a message box: the head, an empty line, at most 15 entries (a
// wrong distribution fails every file: the box must still fit the screen).
std::string listing(const std::string& head, const std::vector<std::string>& entries) {
  constexpr std::size_t kListed = 15;
  std::string text = head + kLineEnd;
  for (std::size_t i = 0; i < entries.size() && i < kListed; ++i) text += kLineEnd + entries[i];
  if (entries.size() > kListed)
    text += std::string(kLineEnd) + "... und " + std::to_string(entries.size() - kListed) + " weitere";
  return text;
}

}  // namespace

bool Setup::copyPhase(CopyView& view) {
  CopyPlan plan{env_.setupDir,      state_.installPath,    state_.dirs.windows,
                state_.dirs.system, state_.inst2.update(), state_.inst2.fileTotal};
  CopyPhase phase(env_.fs, env_.ui, view, plan);
  bool installed = phase.run(state_.fileListName);
  state_.copied = phase.copied();
  failures_.insert(failures_.end(), phase.failures().begin(), phase.failures().end());
  // zorq.ini belongs to the installation: written while the old files are
  // still at hand, so that a failure takes the files back too.
  if (installed && !state_.inst2.update()) {
    if (txt::Status s = plat::saveFile(env_.fs, iniPath(), iniContent()); !s) {
      failures_.push_back(iniPath() + ": " + s.error);
      phase.undo();
      installed = false;
    }
  }
  if (installed) {
    phase.keep();
    return true;
  }
  for (auto folder = foldersMade_.rbegin(); folder != foldersMade_.rend(); ++folder)
    env_.fs.removeEmptyDirectory(*folder);
  return false;
}

void Setup::finishInstallation() {
  if (state_.inst2.update()) return;
  for (const std::string& item :
       createProgramGroup(env_.progman, env_.startMenu, state_.groupName, state_.installPath))
    failures_.push_back(item);
}

void Setup::reportRefusal() {
  std::string head = std::string("Die Installation wurde nicht durchgef\xfchrt.") + kLineEnd +
                     "Die vorhandenen Dateien sind unver\xe4ndert.";
  env_.ui.message(listing(head, failures_), kMessageTitle, ui::Icon::Exclamation);
}

void Setup::reportFailures() {
  if (failures_.empty()) return;
  env_.ui.message(listing("Folgende Verkn\xfcpfungen der Programmgruppe " + state_.groupName +
                              " konnten nicht angelegt werden:",
                          failures_),
                  kMessageTitle, ui::Icon::Exclamation);
}

std::string Setup::finalText() {
  return std::string("Installation abgeschlossen") + kLineEnd + kLineEnd +
         "Sie k\xf6nnen jetzt Valmorin direkt starten, in die Einstellungen gehen oder einfach den Setup "
         "beenden";
}

void Setup::startChosen(FinalChoice choice) {
  switch (choice) {
    case FinalChoice::Valmorin:
      env_.sys.startProgram(plat::commandLine(state_.installPath + "\\zorq.exe"));
      break;
    case FinalChoice::Einstellungen:
      env_.sys.startProgram(plat::commandLine(state_.installPath + "\\zorqcfg.exe"));
      break;
    case FinalChoice::Ende: break;
  }
}

void Setup::offerReadme() {
  std::string readme = WithBackslash(env_.setupDir) + "readme.txt";
  if (setup::FileExists(env_.fs, readme))
    env_.sys.startProgram(plat::notepadCommand(state_.dirs.windows, readme));
}

void Setup::run(Screens& screens) {
  if (!start()) return;
  screens.showMain(state_.title);
  if (!screens.welcome(state_.welcomeText)) return;
  if (!screens.path()) return;
  bool installed = copyPhase(screens.openCopy());
  screens.closeCopy();
  if (!installed) {
    // Nothing was installed: no program group and no final window.
    reportRefusal();
    return;
  }
  finishInstallation();
  reportFailures();
  startChosen(screens.theend(finalText()));
  offerReadme();
}

}  // namespace setup
