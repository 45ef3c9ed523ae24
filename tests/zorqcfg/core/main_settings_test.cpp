#include "core/main_settings.h"

#include <gtest/gtest.h>

#include "fake_system.h"
#include "fake_ui.h"
#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::FakeSystem;
using testing_support::FakeUi;
using testing_support::FaultyFileSystem;
using testing_support::TempDir;
using zorq::MainSettings;

// The first n lines of a full main.txt.
std::string mainLines(int n) {
  const char* lines[39] = {"Box", "Sysop", "Org", "0",   " 5 ", " 10 ", "C:\\UP\\", "C:\\DOWN\\",
                           "20",  "2000",  "500", "50",  "500", "5000", " 2 ",      " 1 ",
                           " 1 ", " 0 ",   " 0 ", " 0 ", "",    " 0 ",  " 1 ",      "pczmb",
                           " 0 ", " 0 ",   " 0 ", " 2 ", " 1 ", " 1 ",  " 0 ",      " 0 ",
                           " 0 ", " 0 ",   " 0 ", " 0 ", " 0 ", " 1 ",  "Kommentar"};
  std::string out;
  for (int i = 0; i < n; ++i) out += std::string(lines[i]) + "\r\n";
  return out;
}

// A full main.txt with line (counted from 1) replaced by text.
std::string withLine(int line, const std::string& text) {
  std::string out, all = mainLines(39);
  for (int i = 1; i <= 39; ++i) {
    std::size_t end = all.find("\r\n");
    out += (i == line ? text : all.substr(0, end)) + "\r\n";
    all.erase(0, end + 2);
  }
  return out;
}

MainSettings parsed(const std::string& bytes, bool expectOk = true) {
  MainSettings s;
  txt::Status status = zorq::parseMainSettings(bytes, s);
  EXPECT_EQ(status.ok(), expectOk) << status.error;
  return s;
}

TEST(MainSettings, AFullFileReadsEveryFieldAndWritesBackByteForByte) {
  std::string file = mainLines(39);
  MainSettings s = parsed(file);
  EXPECT_EQ(s.boxName, "Box");
  EXPECT_EQ(s.rausNach, 5);
  EXPECT_EQ(s.kommentar, 10);
  EXPECT_EQ(s.maxBriefe, "5000");
  EXPECT_EQ(s.portStart[0], 2);
  EXPECT_EQ(s.netPath, "(Standard)");
  EXPECT_TRUE(s.fileIdExtractor);
  EXPECT_EQ(s.pmsUnsichtbar, 1);
  EXPECT_EQ(s.lockPassword, "sesam");
  EXPECT_EQ(s.portStart[9], 2);
  EXPECT_EQ(s.alwaysShow[0], 1);
  EXPECT_EQ(s.alwaysShow[9], 1);
  EXPECT_EQ(s.importComment, "Kommentar");
  EXPECT_EQ(zorq::mainSettingsBytes(s), file);
}

TEST(MainSettings, MayEndAfterLineNineTwentyAndTwentyOne) {
  MainSettings nine = parsed(mainLines(9));
  EXPECT_EQ(nine.minHdFrei, "20");
  EXPECT_EQ(nine.maxBretter, "");
  EXPECT_FALSE(nine.fileIdExtractor);
  EXPECT_EQ(nine.netPath, "(Standard)");
  std::string written = zorq::mainSettingsBytes(nine);
  EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 39);
  EXPECT_EQ(written.substr(0, mainLines(9).size()), mainLines(9));

  EXPECT_FALSE(parsed(mainLines(20)).fileIdExtractor);
  EXPECT_TRUE(parsed(mainLines(21)).fileIdExtractor);
  // A line 22 other than 0 clears the box; cleared is written " 1 ".
  std::string off = mainLines(21) + " 7 \r\n";
  MainSettings s = parsed(off);
  EXPECT_FALSE(s.fileIdExtractor);
  EXPECT_EQ(zorq::mainSettingsBytes(s).find(" 1 \r\n", mainLines(21).size()), mainLines(21).size());
}

TEST(MainSettings, LinesMissingBetweenEndPointsAreLoadErrors) {
  for (int n : {3, 8, 11, 16, 25, 30}) {
    MainSettings s = parsed(mainLines(n), false);
    EXPECT_EQ(s.boxName, "Box") << n;  // what was read before the error stays
  }
}

TEST(MainSettings, SliderLinesOutsideTheirRangeStopTheLoad) {
  for (const char* bad : {" 0 ", " 11 ", "", "f\xfcnf", "10.6"}) {
    MainSettings s = parsed(withLine(5, bad), false);
    EXPECT_EQ(s.rausNach, 1) << bad;
    EXPECT_EQ(s.uploadPath, "") << bad;
  }
  MainSettings s = parsed(mainLines(4) + "9.5\r\n 20 \r\n" + mainLines(39).substr(mainLines(6).size()));
  EXPECT_EQ(s.rausNach, 10);
  EXPECT_EQ(s.kommentar, 20);
}

TEST(MainSettings, BadNumbersAndCheckBoxStatesStopTheLoad) {
  for (auto [line, text] : {std::pair{15, "40000"}, {15, "x"}, {23, " 3 "}, {23, "-1"}, {29, "3000000000"}})
    parsed(withLine(line, text), false);
  EXPECT_EQ(parsed(withLine(23, " 2 ")).pmsUnsichtbar, 2);
  EXPECT_EQ(parsed(withLine(29, "-2000000000")).alwaysShow[0], -2000000000);
}

TEST(MainSettings, WrittenFieldsFollowTheirLineFormats) {
  MainSettings s;
  std::string empty = zorq::mainSettingsBytes(s);
  // Missing file: the sliders' own values, never an out-of-range 0.
  EXPECT_EQ(empty.substr(0, 18), "\r\n\r\n\r\n\r\n 1 \r\n 1 \r\n");
  EXPECT_TRUE(zorq::parseMainSettings(empty, s).ok());
  // "min. Hd frei" empty is written 0; a path beginning "(" as an empty line.
  s.netPath = "(irgendwas)";
  s.minHdFrei = "";
  std::string bytes = zorq::mainSettingsBytes(s);
  EXPECT_NE(bytes.find("\r\n0\r\n"), std::string::npos);
  MainSettings back;
  ASSERT_TRUE(zorq::parseMainSettings(bytes, back).ok());
  EXPECT_EQ(back.netPath, "(Standard)");
  s.netPath = "N:\\NETZ\\";
  ASSERT_TRUE(zorq::parseMainSettings(zorq::mainSettingsBytes(s), back).ok());
  EXPECT_EQ(back.netPath, "N:\\NETZ\\");
}

TEST(Krypt, ScramblesByPositionAndUndoesItself) {
  EXPECT_EQ(zorq::krypt("abc"), std::string({98, 100, 106}));
  EXPECT_EQ(zorq::krypt(zorq::krypt("abc")), "abc");
  std::string all;
  for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(zorq::krypt(zorq::krypt(all)), all);
}

TEST(Krypt, PasswordsThatCannotBeStoredAreRefused) {
  EXPECT_FALSE(
      zorq::lockPasswordProblem("sesam\xf6"
                                "ffnedich"));
  // A password of n storable characters.
  auto storable = [](std::size_t n) {
    std::string p;
    for (std::size_t i = 1; i <= n; ++i) {
      const std::size_t x = 'x' ^ ((3 * i) & 0xff);
      p += x == 13 || x == 10 || x == 0 ? 'y' : 'x';
    }
    return p;
  };
  EXPECT_FALSE(zorq::lockPasswordProblem(storable(85)));
  EXPECT_TRUE(zorq::lockPasswordProblem(storable(86)));
  // Position 11: ',' scrambles to CR and '+' to LF.
  EXPECT_TRUE(zorq::lockPasswordProblem("abcdefghij,"));
  EXPECT_TRUE(zorq::lockPasswordProblem("abcdefghij+"));
  EXPECT_FALSE(zorq::lockPasswordProblem("abcdefghij-"));
  for (std::size_t i = 1; i <= 85; ++i) {
    std::string p = storable(i - 1);
    p += static_cast<char>(13 ^ (3 * i));
    EXPECT_TRUE(zorq::lockPasswordProblem(p).has_value()) << i;
    p.back() = static_cast<char>(10 ^ (3 * i));
    EXPECT_TRUE(zorq::lockPasswordProblem(p).has_value()) << i;
  }
  // Every password accepted survives a save and a load.
  MainSettings s;
  s.lockPassword = storable(85);
  s.lockPassword[3] = '\xe4';
  ASSERT_FALSE(zorq::lockPasswordProblem(s.lockPassword));
  MainSettings back;
  ASSERT_TRUE(zorq::parseMainSettings(zorq::mainSettingsBytes(s), back).ok());
  EXPECT_EQ(back.lockPassword, s.lockPassword);
}

// An over-long password from an old file can be shortened key by key, and
// edited without growing; it cannot grow, and no edit may add a line end.
TEST(Krypt, AnOverLongPasswordFromTheFileCanBeShortened) {
  // "z" scrambles into no line end at any position.
  const std::string old(90, 'z');
  ASSERT_TRUE(zorq::lockPasswordProblem(old));
  EXPECT_FALSE(zorq::lockPasswordEditProblem(old, old.substr(0, 89)));  // Backspace at the end
  EXPECT_FALSE(zorq::lockPasswordEditProblem(old, old.substr(1)));      // Del at the start
  std::string replaced = old;
  replaced[40] = 'y';
  EXPECT_FALSE(zorq::lockPasswordEditProblem(old, replaced));
  EXPECT_EQ(zorq::lockPasswordEditProblem(old, old + "x"),
            "Das Schlo\xdf darf h\xf6"
            "chstens 85 Zeichen lang sein.");
  // Position 11: "+" scrambles to LF.
  std::string lineEnd = old.substr(0, 10) + "+" + old.substr(12);
  EXPECT_EQ(zorq::lockPasswordEditProblem(old, lineEnd),
            "Das Zeichen \"+\" kann an Stelle 11 des Schlosses nicht gespeichert werden.");
  // A storable password stays bound by the limits.
  EXPECT_FALSE(zorq::lockPasswordEditProblem("abc", "abcd"));
  EXPECT_TRUE(zorq::lockPasswordEditProblem(old.substr(0, 85), old.substr(0, 86)));
  EXPECT_TRUE(zorq::lockPasswordEditProblem("abcdefghij", "abcdefghij,"));
}

TEST(NetNumberField, WholeValueClampedToNine) {
  EXPECT_EQ(zorq::netNumberFromField("12"), 9);
  EXPECT_EQ(zorq::netNumberFromField("3"), 3);
  EXPECT_EQ(zorq::netNumberFromField(""), 0);
  EXPECT_EQ(zorq::netNumberFromField("abc"), 0);
  EXPECT_EQ(zorq::netNumberFromField("-4"), 0);
  EXPECT_EQ(zorq::netNumberFromField("2.5"), 2);
  EXPECT_EQ(zorq::netNumberFromField("99999999999999999999999"), 9);
}

TEST(ServerLock, EighthLineDecides) {
  std::string seven = "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\n";
  EXPECT_EQ(zorq::serverLockOf(seven), zorq::ServerLock::Off);
  EXPECT_EQ(zorq::serverLockOf(seven + "0\r\n"), zorq::ServerLock::Off);
  EXPECT_EQ(zorq::serverLockOf(seven + "0"), zorq::ServerLock::Off);
  EXPECT_EQ(zorq::serverLockOf(seven + " 0\r\n"), zorq::ServerLock::Active);
  EXPECT_EQ(zorq::serverLockOf(seven + "1\r\n"), zorq::ServerLock::Active);
  EXPECT_EQ(zorq::serverLockOf(seven + "\r\n"), zorq::ServerLock::Active);
  EXPECT_EQ(zorq::serverLockOf("a\r\nb\r\nc\r\nd\r\ne\r\n"), zorq::ServerLock::Unreadable);
  EXPECT_EQ(zorq::serverLockOf(""), zorq::ServerLock::Unreadable);
}

struct Start : ::testing::Test {
  TempDir box;
  FakeUi ui;
  FakeSystem system;
  zorq::Installation where;
  MainSettings settings;
  Start() {
    where.windowsDir = box.path();
    where.installDir = box.path();
  }
  zorq::StartState load() { return zorq::loadAtStart(plat::localFileSystem(), where, settings, ui); }
  void expectOneBox(const std::string& text) {
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, text);
    EXPECT_EQ(ui.shown[0].title, "Meldung");
    EXPECT_EQ(ui.shown[0].icon, ui::Icon::Information);
  }
};

const std::string kSeven = "V\r\nD\r\nT\r\n 3 \r\n 1 \r\n 0 \r\n 0 \r\n";

TEST_F(Start, ActiveLockEndsTheProgramBeforeMainTxtIsRead) {
  box.write("daten\\env.dat", kSeven + "1\r\n");
  box.write("daten\\main.txt", mainLines(39));
  auto state = load();
  EXPECT_TRUE(state.endProgram);
  expectOneBox("Das Schlo\xdf im Server ist aktiv");
  EXPECT_EQ(settings.boxName, "");
}

TEST_F(Start, NoFilesSevenLinesOrAZeroLeaveTheLockOff) {
  auto none = load();
  EXPECT_FALSE(none.endProgram || none.loadFailed);
  EXPECT_TRUE(ui.shown.empty());
  box.write("daten\\main.txt", mainLines(39));
  for (std::string env : {kSeven, kSeven + "0\r\n"}) {
    box.write("daten\\env.dat", env);
    auto state = load();
    EXPECT_FALSE(state.endProgram);
    EXPECT_FALSE(state.loadFailed);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(settings.boxName, "Box");
  }
}

TEST_F(Start, ADamagedMainTxtIsKeptAsBakOnEnde) {
  box.write("daten\\main.txt", mainLines(4) + " 11 \r\n");
  auto state = load();
  ASSERT_TRUE(state.loadFailed);
  expectOneBox("Fehler beim Laden des main.txt");
  EXPECT_EQ(settings.boxName, "Box");
  ui.shown.clear();
  ASSERT_TRUE(zorq::saveAndSignal(plat::localFileSystem(), system, where, settings, state, ui));
  EXPECT_EQ(box.read("daten\\main.txt.bak"), mainLines(4) + " 11 \r\n");
  MainSettings back;
  EXPECT_TRUE(zorq::parseMainSettings(box.read("daten\\main.txt"), back).ok());
  EXPECT_TRUE(ui.shown.empty());
  // The damaged file is kept once: another "Ende" replaces the new file
  // without a further backup.
  ASSERT_TRUE(zorq::saveAndSignal(plat::localFileSystem(), system, where, settings, state, ui));
  EXPECT_EQ(box.read("daten\\main.txt.bak"), mainLines(4) + " 11 \r\n");
  EXPECT_FALSE(box.exists("daten\\main.txt.bak2"));
}

TEST_F(Start, EndeWritesIniThenMainThenAddsTheAtom) {
  box.write("daten\\main.txt", mainLines(39));
  load();
  settings.boxName = "Neu";
  where.netNumber = 9;
  zorq::StartState state;
  ASSERT_TRUE(zorq::saveAndSignal(plat::localFileSystem(), system, where, settings, state, ui));
  EXPECT_EQ(box.read("zorq.ini"), box.path() + "\r\n 9 \r\n");
  EXPECT_EQ(box.read("daten\\main.txt"), "Neu" + mainLines(39).substr(3));
  EXPECT_FALSE(box.exists("daten\\main.txt.bak"));
  EXPECT_TRUE(system.findAtom("ZORQRELOAD"));
}

// Either write can fail, or both: each is still tried, the failures are told
// in one message naming each file with its reason, a failed file stays as
// it was and no signal is sent.
TEST_F(Start, AFailedSaveIsReportedLeavesTheFileAndSendsNoSignal) {
  box.write("daten\\main.txt", mainLines(39));
  load();
  settings.boxName = "Neu";
  for (const std::string failing : {"zorq.ini", "main.txt", ".", ""}) {
    for (bool failReplace : {false, true}) {
      SCOPED_TRACE(failing + (failReplace ? ", replace" : ", write"));
      box.write("zorq.ini", "X\r\n");
      box.write("daten\\main.txt", mainLines(39));
      FaultyFileSystem faulty(plat::localFileSystem());
      faulty.failOnly = failing.empty() ? "\x01" : failing;  // "": nothing fails
      faulty.failWrite = !failReplace;
      faulty.failReplace = failReplace;
      ui.shown.clear();
      zorq::StartState state;
      const bool iniFails = failing == "zorq.ini" || failing == ".";
      const bool mainFails = failing == "main.txt" || failing == ".";
      EXPECT_EQ(zorq::saveAndSignal(faulty, system, where, settings, state, ui), failing.empty());
      EXPECT_EQ(box.read("zorq.ini"), iniFails ? "X\r\n" : box.path() + "\r\n 0 \r\n");
      EXPECT_EQ(box.read("daten\\main.txt"), mainFails ? mainLines(39) : "Neu" + mainLines(39).substr(3));
      EXPECT_EQ(system.atoms.empty(), !failing.empty());
      if (failing.empty()) {
        system.atoms.clear();
        continue;
      }
      ASSERT_EQ(ui.shown.size(), 1u);
      EXPECT_EQ(ui.shown[0].title, "Meldung");
      EXPECT_EQ(ui.shown[0].text.find("Fehler beim Speichern von <" + where.iniPath() + ">\r\nDie ") == 0,
                iniFails);
      EXPECT_EQ(ui.shown[0].text.find("main.txt>\r\nDie ") != std::string::npos, mainFails);
    }
  }
}

// With an env.dat too short to pass, main.txt is never read (a load error):
// "Ende" asks
// before defaults replace it. "Nein" keeps it and still writes zorq.ini and
// signals; "Ja" replaces it and keeps the old one as main.txt.bak.
TEST_F(Start, EndeAsksBeforeDefaultsReplaceAnUnreadMainTxt) {
  box.write("daten\\env.dat", "1\r\n2\r\n3\r\n4\r\n5\r\n");
  box.write("daten\\main.txt", mainLines(39));
  auto state = load();
  ASSERT_TRUE(state.mainUnread);
  EXPECT_FALSE(state.endProgram);
  EXPECT_TRUE(state.loadFailed);
  expectOneBox("Fehler beim Laden des main.txt");
  EXPECT_EQ(settings.boxName, "");
  ui.shown.clear();
  ui.answers = {ui::Answer::No};
  where.netNumber = 4;
  ASSERT_TRUE(zorq::saveAndSignal(plat::localFileSystem(), system, where, settings, state, ui));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Die Haupteinstellungen wurden nicht geladen. main.txt trotzdem \xfc"
            "berschreiben?");
  EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(box.read("daten\\main.txt"), mainLines(39));
  EXPECT_FALSE(box.exists("daten\\main.txt.bak"));
  EXPECT_EQ(box.read("zorq.ini"), box.path() + "\r\n 4 \r\n");
  EXPECT_TRUE(system.findAtom("ZORQRELOAD"));

  ui.answers = {ui::Answer::Yes};
  ASSERT_TRUE(zorq::saveAndSignal(plat::localFileSystem(), system, where, settings, state, ui));
  EXPECT_EQ(box.read("daten\\main.txt.bak"), mainLines(39));
  EXPECT_EQ(box.read("daten\\main.txt"), zorq::mainSettingsBytes(MainSettings{}));

  // Without a main.txt there is nothing to ask about.
  ASSERT_TRUE(plat::localFileSystem().remove(where.settingsFile("main.txt")).ok());
  EXPECT_FALSE(load().mainUnread);
}

}  // namespace
