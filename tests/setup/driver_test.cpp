// The run from the first check to the end, and the program group.
#include <gtest/gtest.h>

#include <filesystem>

#include "driver.h"
#include "faulty_fs.h"
#include "setup_fixture.h"

namespace {

using testing_support::RecordingCopyView;
using testing_support::SetupFixture;

TEST(Progman, CommandTextsAndOrder) {
  testing_support::RecordingDde dde;
  testing_support::RecordingStartMenu menu;
  EXPECT_TRUE(setup::createProgramGroup(dde, menu, "Valmorin", "C:\\Programme\\Valmorin Box").empty());
  std::vector<std::string> expected = {"[CreateGroup(Valmorin)]", "[ShowGroup(Valmorin, 1)]"};
  for (auto [item, program] : {std::pair{"Valmorin", "zorq.exe"},
                               {"Einstellungen", "zorqcfg.exe"},
                               {"Anleitung", "zorqpc.wri"},
                               {"Cruncher", "cruncher.exe"}}) {
    expected.push_back("[CreateGroup(Valmorin)]");
    expected.push_back(std::string("[ReplaceItem(") + item + ")]");
    expected.push_back(std::string("[AddItem(C:\\Programme\\Valmorin Box\\") + program + "," + item +
                       ",,,)]");
  }
  EXPECT_EQ(dde.commands, expected);
  EXPECT_EQ(dde.disconnects, 5);
  EXPECT_TRUE(menu.shortcuts.empty());
  EXPECT_TRUE(setup::progmanCommands("Valmorin", "x", "y", 3).empty());
}

TEST(Progman, TwentyAttemptsThenTheStartMenu) {
  testing_support::RecordingDde late;
  late.refusals = 19;  // the twentieth attempt still counts
  EXPECT_TRUE(setup::ProgmanExecute(late, "Valmorin", "", "", 2));
  EXPECT_EQ(late.attempts, 20);

  testing_support::RecordingDde none;
  none.refusals = -1;
  testing_support::RecordingStartMenu menu;
  setup::createProgramGroup(none, menu, "Valmorin", "C:\\Programme\\Valmorin Box");
  EXPECT_EQ(none.attempts, 20);  // one round only: no group without Program Manager
  EXPECT_TRUE(none.commands.empty());
  EXPECT_EQ(menu.shortcuts,
            (std::vector<std::string>{"Valmorin|Valmorin|C:\\Programme\\Valmorin Box\\zorq.exe",
                                      "Valmorin|Einstellungen|C:\\Programme\\Valmorin Box\\zorqcfg.exe",
                                      "Valmorin|Anleitung|C:\\Programme\\Valmorin Box\\zorqpc.wri",
                                      "Valmorin|Cruncher|C:\\Programme\\Valmorin Box\\cruncher.exe"}));
}

// Screens that answer every window as a user would.
class ScriptedScreens : public setup::Screens {
 public:
  explicit ScriptedScreens(setup::Setup& s) : setup_(s) {}
  std::vector<std::string> seen;
  bool welcomeAnswer = true;
  std::string typedPath;  // "" keeps what the dialog shows
  setup::FinalChoice choice = setup::FinalChoice::Ende;
  std::string shownPath;
  std::size_t boxesBeforeTheEnd = 0;
  testing_support::FakeUi* ui = nullptr;
  RecordingCopyView copy;

  void showMain(const std::string& title) override { seen.push_back("main:" + title); }
  bool welcome(const std::string& text) override {
    seen.push_back("welcome:" + text);
    return welcomeAnswer;
  }
  bool path() override {
    shownPath = setup_.state().installPath;
    seen.push_back("path");
    return setup_.confirmPath(typedPath.empty() ? shownPath : typedPath);
  }
  setup::CopyView& openCopy() override {
    seen.push_back("copy");
    return copy;
  }
  void closeCopy() override { seen.push_back("/copy"); }
  setup::FinalChoice theend(const std::string& text) override {
    seen.push_back("theend:" + text);
    if (ui) boxesBeforeTheEnd = ui->shown.size();
    return choice;
  }

 private:
  setup::Setup& setup_;
};

class RunTest : public ::testing::Test {
 protected:
  SetupFixture f;
  std::string target() { return f.drive() + "\\Programme\\Valmorin Box"; }

  void fullDistribution() {
    f.distFile("zorq.exe", "server");
    f.distFile("readme.txt", "lies mich");
    f.distFile("deutsch.ln_", "sprache");
    f.distribution("3,0\r\n2.1\r\n\r\n",
                   "-1\r\nzorq.exe\r\nzorq.exe\r\n-1\r\ndeutsch.ln_\r\ntexte\\deutsch.lng\r\n"
                   "0\r\nreadme.txt\r\nreadme.txt\r\n");
  }
};

TEST_F(RunTest, RunningServerIsRefused) {
  fullDistribution();
  f.sys.atoms.insert("ZORQISRUNNING");
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  s.run(screens);
  EXPECT_TRUE(screens.seen.empty());
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Bitte vor jeder Installation\r\nValmorin beenden");
  EXPECT_EQ(f.ui.shown[0].icon, ui::Icon::Critical);
  EXPECT_TRUE(f.sys.started.empty());
}

TEST_F(RunTest, FullInstallationIntoTwoNewLevels) {
  fullDistribution();
  f.sys.shortFrom = target();
  f.sys.shortTo = f.drive() + "\\PROGRA~1\\VALMOR~1";
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  screens.typedPath = target() + "\\";
  screens.choice = setup::FinalChoice::Valmorin;
  s.run(screens);

  EXPECT_EQ(screens.shownPath, "c:\\programme\\zorq");
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Pfad '" + target() + "' existiert nicht, anlegen?");
  EXPECT_EQ(f.ui.shown[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(f.tmp.read("drive\\Programme\\Valmorin Box\\texte\\deutsch.lng"), "sprache");
  EXPECT_EQ(f.tmp.read("win\\zorq.ini"), f.drive() + "\\PROGRA~1\\VALMOR~1\\\r\n");
  EXPECT_EQ(f.dde.commands.size(), 14u);
  EXPECT_EQ(screens.seen.front(), "main:ValmorinPC Mailboxsystem");
  EXPECT_EQ(screens.seen[1], "welcome:Willkommen zur Installation von Valmorin PC2.1\r\n\r\n\r\n");
  EXPECT_EQ(screens.seen.back(), "theend:" + setup::Setup::finalText());
  // The program paths hold blanks: quoted, so that no other program starts.
  const std::string server = target() + "\\zorq.exe";
  ASSERT_EQ(f.sys.started.size(), 2u);
  EXPECT_EQ(f.sys.started[0], '"' + server + '"');
  EXPECT_EQ(f.sys.started[1], f.sys.windowsDir + "notepad.exe " + f.dist() + "readme.txt");
}

TEST_F(RunTest, ReadmeAndEditorFromFoldersWithBlanksAreQuoted) {
  f.tmp.write("Neue Version\\readme.txt", "lies mich");
  f.tmp.write("Neue Version\\inst.dat", "");
  setup::Environment env = f.env();
  env.setupDir = f.root() + "Neue Version\\";
  setup::Setup s(env);
  ScriptedScreens screens(s);
  screens.typedPath = target();
  screens.choice = setup::FinalChoice::Einstellungen;
  s.run(screens);
  ASSERT_EQ(f.sys.started.size(), 2u);
  EXPECT_EQ(f.sys.started[0], '"' + target() + "\\zorqcfg.exe\"");
  EXPECT_EQ(f.sys.started[1], f.sys.windowsDir + "notepad.exe \"" + env.setupDir + "readme.txt\"");
}

TEST_F(RunTest, NoToTheNewFolderEndsWithoutCopying) {
  fullDistribution();
  f.ui.answers = {ui::Answer::No};
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  screens.typedPath = target();
  s.run(screens);
  EXPECT_EQ(screens.seen.back(), "path");
  EXPECT_FALSE(f.tmp.exists("drive\\Programme"));
  EXPECT_FALSE(f.tmp.exists("win\\zorq.ini"));
  EXPECT_TRUE(f.sys.started.empty());  // no readme either
}

TEST_F(RunTest, UpdateReadsTheIniAndNeverWritesIt) {
  fullDistribution();
  f.distribution("2,1\r\n2.2\r\n2.1\r\n", "-1\r\ndeutsch.ln_\r\ntexte\\deutsch.lng\r\n");
  f.tmp.write("drive\\Programme\\Valmorin Box\\texte\\deutsch.lng", "angepasst");
  f.sys.shortFrom = target();
  f.sys.shortTo = f.drive() + "\\PROGRA~1\\VALMOR~1";
  const std::string ini = f.drive() + "\\PROGRA~1\\VALMOR~1\\\r\n 3 \r\n";
  f.tmp.write("win\\zorq.ini", ini);
  // The short form exists as a folder for the check; here it is the same one.
  f.tmp.write("drive\\PROGRA~1\\VALMOR~1\\.keep", "");
  f.ui.answers = {ui::Answer::No};
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  screens.ui = &f.ui;
  screens.typedPath = target();  // even when the user changes the folder
  s.run(screens);

  EXPECT_EQ(screens.shownPath, target());  // long form, no trailing "\"
  EXPECT_EQ(f.tmp.read("win\\zorq.ini"), ini);
  EXPECT_TRUE(f.dde.commands.empty());
  EXPECT_TRUE(f.menu.shortcuts.empty());
  EXPECT_EQ(f.tmp.read("drive\\Programme\\Valmorin Box\\texte\\deutsch.lng"), "angepasst");
  EXPECT_EQ(screens.boxesBeforeTheEnd, 1u);  // the language question, nothing failed
}

TEST_F(RunTest, UpdateWithoutInstallationEnds) {
  f.distribution("2,1\r\n2.2\r\n2.1\r\n", "");
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  s.run(screens);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Valmorin ist nicht installiert");
  EXPECT_EQ(f.ui.shown[0].icon, ui::Icon::None);

  f.tmp.write("win\\zorq.ini", f.drive() + "\\weg\\\r\n");  // the folder is gone
  setup::Setup again(f.env());
  again.run(screens);
  EXPECT_EQ(f.ui.shown.size(), 2u);
  EXPECT_TRUE(screens.seen.empty());
}

// A source missing from the distribution: nothing is installed, the new
// folders go again, no zorq.ini, no program group, no final window.
TEST_F(RunTest, AFailedInstallationSaysWhyAndEndsWithoutTheFinalWindow) {
  fullDistribution();
  f.distribution("3,0\r\n2.1\r\n\r\n",
                 "-1\r\nzorq.exe\r\nzorq.exe\r\n-1\r\ncruncher.exe\r\ncruncher.exe\r\n");
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  screens.typedPath = target();
  s.run(screens);
  ASSERT_EQ(f.ui.shown.size(), 2u);  // the new folder, then why nothing was installed
  EXPECT_EQ(
      f.ui.shown[1].text,
      "Die Installation wurde nicht durchgef\xfchrt.\r\nDie vorhandenen Dateien sind unver\xe4ndert.\r\n\r\n"
      "cruncher.exe -> " +
          target() + "\\cruncher.exe: Die Datei fehlt im Setup-Ordner.");
  EXPECT_EQ(f.ui.shown[1].icon, ui::Icon::Exclamation);
  EXPECT_EQ(screens.seen.back(), "/copy");
  EXPECT_FALSE(f.tmp.exists("drive\\Programme"));
  EXPECT_FALSE(f.tmp.exists("win\\zorq.ini"));
  EXPECT_TRUE(f.dde.commands.empty());
  EXPECT_TRUE(f.sys.started.empty());
}

TEST_F(RunTest, WithoutAFileListSetupEndsBeforeTheGreeting) {
  f.tmp.write("dist\\inst2.dat", "3,0\r\n2.1\r\n\r\n");
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  s.run(screens);
  EXPECT_TRUE(screens.seen.empty());
  ASSERT_EQ(f.ui.shown.size(), 1u);
  EXPECT_EQ(f.ui.shown[0].text, "Im Setup-Ordner " + f.root() +
                                    "dist fehlt die Dateiliste inst.dat.\r\nEs gibt nichts zu installieren.");
  EXPECT_FALSE(f.tmp.exists("win\\zorq.ini"));
  EXPECT_EQ(f.tmp.count(), 3u);
}

TEST_F(RunTest, ShortcutsThatCannotBeMadeAreListedBeforeTheEnd) {
  fullDistribution();
  f.dde.refusals = -1;  // no Program Manager: the Start menu
  f.menu.refused = "Anleitung";
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  screens.ui = &f.ui;
  screens.typedPath = target();
  s.run(screens);
  ASSERT_EQ(screens.boxesBeforeTheEnd, 2u);
  EXPECT_EQ(f.ui.shown[1].text,
            "Folgende Verkn\xfcpfungen der Programmgruppe Valmorin konnten nicht angelegt "
            "werden:\r\n\r\nAnleitung");
  EXPECT_EQ(f.menu.shortcuts.size(), 3u);
}

TEST_F(RunTest, ALongListOfFailuresIsCut) {
  std::string list;
  for (int i = 0; i < 20; ++i) list += "-1\r\nfehlt" + std::to_string(i) + "\r\nfehlt\r\n";
  f.distribution("20,0\r\n2.1\r\n\r\n", list);
  setup::Setup s(f.env());
  ScriptedScreens screens(s);
  screens.typedPath = f.drive();
  s.run(screens);
  ASSERT_EQ(f.ui.shown.size(), 1u);
  const std::string& text = f.ui.shown[0].text;
  EXPECT_NE(text.find("fehlt14 -> "), std::string::npos);
  EXPECT_EQ(text.find("fehlt15 -> "), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 19), "\r\n... und 5 weitere");
}

// A header that cannot be read stops setup before anything, told by its
// line in German as the rest. An update's header cut after its first line
// must not run as a full installation that writes zorq.ini over the one of
// the installed box.
TEST_F(RunTest, AnUnreadableHeaderStopsBeforeAnything) {
  f.tmp.write("win\\zorq.ini", "C:\\BOX\\\r\n");
  const std::pair<const char*, const char*> headers[] = {
      {"drei,1\r\n", "Zeile 1"}, {"3\r\n256\r\n2.2\r\n", "Zeile 2"}, {"3,1\r\n", "Zeile 2 fehlt"}};
  for (auto [header, line] : headers) {
    SCOPED_TRACE(header);
    f.distribution(header, "");
    f.ui.shown.clear();
    setup::Setup s(f.env());
    ScriptedScreens screens(s);
    s.run(screens);
    EXPECT_TRUE(screens.seen.empty());
    ASSERT_EQ(f.ui.shown.size(), 1u);
    EXPECT_EQ(f.ui.shown[0].text, std::string("Die Datei inst2.dat ist fehlerhaft (") + line + ")");
    EXPECT_EQ(f.ui.shown[0].icon, ui::Icon::Critical);
    EXPECT_EQ(f.tmp.read("win\\zorq.ini"), "C:\\BOX\\\r\n");
  }
}

// zorq.ini against each step of its save failing: the old ini stays whole,
// no temporary file is left, the installed files are taken back, and the
// message names it.
TEST_F(RunTest, EveryFailingStepOfWritingZorqIniKeepsTheOldOneAndIsListed) {
  using Fault = testing_support::FaultyFileSystem::Fault;
  int faults = 0;
  for (Fault kind : {Fault::Create, Fault::Write, Fault::Flush, Fault::Replace, Fault::Sharing}) {
    for (int n = 1;; ++n) {
      SetupFixture g;
      g.distFile("zorq.exe", "server");
      g.distribution("3,0\r\n2.1\r\n\r\n", "-1\r\nzorq.exe\r\nzorq.exe\r\n");
      g.tmp.write("win\\zorq.ini", "C:\\ALT\\\r\n 2 \r\n");
      testing_support::FaultyFileSystem faulty(g.fs);
      faulty.failOnly = "zorq.ini";
      faulty.arm(kind, n);
      setup::Setup s(setup::Environment{faulty, g.sys, g.ui, g.dde, g.menu, g.dist()});
      ScriptedScreens screens(s);
      screens.ui = &g.ui;
      screens.typedPath = g.drive() + "\\Box";
      s.run(screens);
      if (!faulty.fired()) {
        EXPECT_NE(g.tmp.read("win\\zorq.ini"), "C:\\ALT\\\r\n 2 \r\n");
        break;
      }
      ++faults;
      SCOPED_TRACE("fault " + std::to_string(static_cast<int>(kind)) + " at step " + std::to_string(n));
      EXPECT_EQ(g.tmp.read("win\\zorq.ini"), "C:\\ALT\\\r\n 2 \r\n");
      EXPECT_EQ(g.tmp.count(), 3u);  // dist, drive, win: nothing new beside them
      std::vector<std::string> win;
      for (const auto& e : std::filesystem::directory_iterator(g.tmp.path() + "win"))
        win.push_back(e.path().filename().string());
      EXPECT_EQ(win.size(), 2u) << "left behind in the Windows folder";
      EXPECT_FALSE(g.tmp.exists("drive\\Box")) << "the installed files stayed";
      ASSERT_EQ(g.ui.shown.size(), 2u);
      EXPECT_EQ(g.ui.shown[1].text.rfind("Die Installation wurde nicht durchgef\xfchrt.", 0), 0u);
      EXPECT_NE(g.ui.shown[1].text.find(g.sys.windowsDir + "zorq.ini: "), std::string::npos);
      EXPECT_TRUE(g.dde.commands.empty());
      if (HasFailure()) return;
    }
  }
  EXPECT_GE(faults, 5);
}

}  // namespace
