// The header, the file list and the copy phase.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "faulty_fs.h"
#include "inst2.h"
#include "install.h"
#include "setup_fixture.h"
#include "setupmod.h"

namespace {

using testing_support::RecordingCopyView;
using testing_support::SetupFixture;

TEST(Inst2, NumbersOnOneLineOrTwoThenTheVersions) {
  setup::Inst2 a, b;
  ASSERT_TRUE(setup::parseInst2("12,1\r\n2.1\r\n2.0\r\n", a));
  EXPECT_EQ(a.fileTotal, 12);
  EXPECT_TRUE(a.update());
  EXPECT_EQ(a.newVersion, "2.1");
  EXPECT_EQ(a.oldVersion, "2.0");
  ASSERT_TRUE(setup::parseInst2("12\r\n1\r\n2.1\r\n2.0\r\n", b));
  EXPECT_EQ(b.fileTotal, 12);
  EXPECT_EQ(b.updateFlag, 1);
  EXPECT_EQ(b.oldVersion, "2.0");
}

// A header cut short may have lost the update flag with the versions: it
// is refused, whatever it still holds.
TEST(Inst2, AHeaderWithoutBothVersionLinesOrWithABadNumberIsAnError) {
  setup::Inst2 cut;
  for (const char* bytes : {"", "7,0\r\n", "7\r\n", "7,0\r\n2.1\r\n", "7,1\r\n2.1"}) {
    SCOPED_TRACE(bytes);
    EXPECT_FALSE(setup::parseInst2(bytes, cut));
  }
  EXPECT_EQ(setup::parseInst2("7,0\r\n2.1\r\n", cut).error, "Zeile 3 fehlt");
  EXPECT_EQ(setup::parseInst2("7,0\r\n", cut).error, "Zeile 2 fehlt");
  // An empty old version is a line all the same; the last may lack its CR LF.
  EXPECT_TRUE(setup::parseInst2("7,0\r\n2.1\r\n\r\n", cut));
  EXPECT_TRUE(setup::parseInst2("7,1\r\n2.1\r\n2.0", cut));
  EXPECT_EQ(cut.oldVersion, "2.0");

  setup::Inst2 bad;
  EXPECT_FALSE(setup::parseInst2("7,256\r\n2.1\r\n2.0\r\n", bad));  // the flag is 0 to 255
  EXPECT_FALSE(setup::parseInst2("sieben,0\r\n2.1\r\n2.0\r\n", bad));
}

TEST(Inst2, AMissingFileIsAFullInstallationAndOnlyAnUpdateIsGreetedWithVersions) {
  SetupFixture f;
  setup::Inst2 inst2;
  inst2.fileTotal = 5;
  ASSERT_TRUE(setup::loadInst2(f.fs, f.dist() + "inst2.dat", inst2));
  EXPECT_EQ(inst2.fileTotal, 0);
  EXPECT_FALSE(inst2.update());
  EXPECT_EQ(setup::welcomeText(inst2), "Willkommen zur Installation von Valmorin PC\r\n\r\n\r\n");
  EXPECT_EQ(setup::welcomeText(setup::Inst2{3, 1, "2.1", "2.0"}),
            "Willkommen zum Update von Valmorin Version 2.0 auf Version 2.1!\r\n\r\n"
            "Sollten Sie momentan eine \xe4ltere Version als 2.0 benutzen, sollten Sie erst die vorigen "
            "Updates installieren\r\n\r\n");
}

TEST(SetupMod, MakeDirsCreatesEveryMissingLevel) {
  SetupFixture f;
  setup::MakeDirs(f.fs, f.drive() + "\\Programme\\Valmorin Box\\");
  EXPECT_TRUE(f.tmp.exists("drive\\Programme\\Valmorin Box"));
  // A level that is a file cannot become a folder; the error is ignored.
  f.tmp.write("drive\\datei", "x");
  setup::MakeDirs(f.fs, f.drive() + "\\datei\\unter");
  EXPECT_FALSE(setup::DirExists(f.fs, f.drive() + "\\datei\\unter"));
}

TEST(InstDat, RecordsOfThreeLinesAndACutRecordEndsTheList) {
  std::vector<setup::InstRecord> records;
  EXPECT_TRUE(setup::parseInstDat("-1\r\nzorq.exe\r\nzorq.exe\r\n 0 \r\na.txt\r\ntexte\\a.txt\r\n", records));
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].flag, -1);
  EXPECT_EQ(records[1].flag, 0);
  EXPECT_EQ(records[1].target, "texte\\a.txt");

  txt::Status s = setup::parseInstDat("1\r\na\r\nb\r\n0\r\nc\r\n", records);
  EXPECT_FALSE(s);
  EXPECT_EQ(records.size(), 1u);

  // Blank lines after the last record end the list quietly; an empty list is no error.
  EXPECT_TRUE(setup::parseInstDat("-1\r\na\r\nb \r\n\r\n  \r\n\r\n", records));
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].target, "b ");
  EXPECT_TRUE(setup::parseInstDat("-1\r\na\r\nb", records));
  EXPECT_EQ(records.size(), 1u);
  EXPECT_TRUE(setup::parseInstDat("\r\n\r\n", records));
  EXPECT_TRUE(records.empty());
}

TEST(Progress, FractionIsClampedAndPercentNeverReadsZeroOrHundred) {
  EXPECT_EQ(setup::progressFraction(0, 0), 0.0);
  EXPECT_EQ(setup::progressFraction(3, 0), 0.0);
  EXPECT_EQ(setup::progressFraction(1, 4), 0.25);
  EXPECT_EQ(setup::progressFraction(5, 4), 1.0);
  EXPECT_EQ(setup::progressFraction(-2, 4), 0.0);
  EXPECT_EQ(setup::progressPercent(0.0), 1);
  EXPECT_EQ(setup::progressPercent(0.004), 1);
  EXPECT_EQ(setup::progressPercent(0.37), 37);
  EXPECT_EQ(setup::progressPercent(0.995), 99);
  EXPECT_EQ(setup::progressPercent(1.0), 99);
  EXPECT_EQ(setup::progressPercent(7.0), 99);
}

class CopyPhaseTest : public ::testing::Test {
 protected:
  SetupFixture f;
  RecordingCopyView view;

  CopyPhaseTest() { f.tmp.write("drive\\Valmorin Box\\.keep", ""); }

  setup::CopyPlan plan(bool update, int total = 10) {
    return {f.dist(), f.drive() + "\\Valmorin Box", f.sys.windowsDir, f.sys.systemDirectory(), update, total};
  }
  std::string installed(const std::string& name) { return f.tmp.read("drive\\Valmorin Box\\" + name); }
};

TEST_F(CopyPhaseTest, OverwriteFlagsDecide) {
  f.tmp.write("drive\\Valmorin Box\\always.txt", "alt");
  f.tmp.write("drive\\Valmorin Box\\keep.txt", "alt");
  f.tmp.write("drive\\Valmorin Box\\never.txt", "alt");
  for (const char* name : {"always.txt", "keep.txt", "never.txt", "fresh.txt"}) f.distFile(name, "neu");
  f.distribution("",
                 "-1\r\nalways.txt\r\nalways.txt\r\n0\r\nkeep.txt\r\nkeep.txt\r\n"
                 "1\r\nnever.txt\r\nnever.txt\r\n0\r\nfresh.txt\r\nfresh.txt\r\n");
  setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
  phase.run("inst.dat");
  EXPECT_EQ(installed("always.txt"), "neu");
  EXPECT_EQ(installed("keep.txt"), "alt");
  EXPECT_EQ(installed("never.txt"), "alt");
  EXPECT_EQ(installed("fresh.txt"), "neu");
  EXPECT_EQ(phase.copied(), 2);  // skipped records do not advance the progress
  EXPECT_TRUE(phase.failures().empty());
}

// A distribution on a CD is read-only; what setup installs from it is not,
// or no later update or save could replace it.
TEST_F(CopyPhaseTest, FilesFromAReadOnlyDistributionAreInstalledWritable) {
  f.distFile("cd.txt", "neu");
  f.distribution("", "-1\r\ncd.txt\r\ncd.txt\r\n");
  std::filesystem::permissions(f.tmp.path() + "dist/cd.txt", std::filesystem::perms::owner_read);
  setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
  ASSERT_TRUE(phase.run("inst.dat"));
  phase.keep();
  EXPECT_EQ(installed("cd.txt"), "neu");
  EXPECT_FALSE(f.fs.info(f.tmp.path() + "drive\\Valmorin Box\\cd.txt").readOnly);
}

TEST_F(CopyPhaseTest, MarkersAndFolders) {
  for (const char* name : {"a.ini", "b.dll", "c.dll", "d.txt"}) f.distFile(name, name);
  f.distribution("",
                 "-1\r\na.ini\r\n@WINa.ini\r\n-1\r\nb.dll\r\n@SYSb.dll\r\n-1\r\nc.dll\r\n@SYS\\c.dll\r\n"
                 "-1\r\nd.txt\r\ntexte\\neu\\d.txt\r\n");
  setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
  EXPECT_EQ(phase.destination("@SYSb.dll"), f.sys.windowsDir + "SYSTEM\\b.dll");
  EXPECT_EQ(phase.destination("@SYS\\c.dll"), f.sys.windowsDir + "SYSTEM\\c.dll");
  EXPECT_EQ(phase.destination("@sysb.dll"), f.drive() + "\\Valmorin Box\\@sysb.dll");  // markers are exact
  phase.run("inst.dat");
  EXPECT_EQ(f.tmp.read("win\\a.ini"), "a.ini");
  EXPECT_EQ(f.tmp.read("win\\SYSTEM\\b.dll"), "b.dll");
  EXPECT_EQ(f.tmp.read("win\\SYSTEM\\c.dll"), "c.dll");
  EXPECT_EQ(installed("texte\\neu\\d.txt"), "d.txt");
  EXPECT_FALSE(f.tmp.exists("drive\\Valmorin Box\\@SYSb.dll"));
  EXPECT_EQ(view.files[2], "b.dll|" + f.sys.windowsDir + "SYSTEM\\b.dll");
}

TEST_F(CopyPhaseTest, LanguageFileQuestionOnlyInUpdates) {
  f.distFile("deutsch.ln_", "neu");
  f.distFile("english.ln_", "neu");
  f.distribution("",
                 "-1\r\ndeutsch.ln_\r\ntexte\\deutsch.lng\r\n-1\r\nenglish.ln_\r\ntexte\\english.lng\r\n");
  {
    setup::CopyPhase full(f.fs, f.ui, view, plan(false));
    full.run("inst.dat");
    EXPECT_TRUE(f.ui.shown.empty());
  }
  f.tmp.write("drive\\Valmorin Box\\texte\\deutsch.lng", "angepasst");
  f.ui.answers = {ui::Answer::No};
  setup::CopyPhase update(f.fs, f.ui, view, plan(true));
  update.run("inst.dat");
  ASSERT_EQ(f.ui.shown.size(), 1u);  // only for deutsch.ln_
  EXPECT_EQ(f.ui.shown[0].text,
            "Das Update enth\xe4lt ein neues Sprachfile!\r\nSoll das alte \xfc"
            "berschrieben werden?\r\nWenn nicht, m\xfcssen Sie das alte unbedingt anpassen!");
  EXPECT_EQ(f.ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(f.ui.shown[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(installed("texte\\deutsch.lng"), "angepasst");

  // No, but there is no old file: it is copied anyway.
  f.fs.remove(f.drive() + "\\Valmorin Box\\texte\\deutsch.lng");
  f.ui.answers = {ui::Answer::No};
  setup::CopyPhase again(f.fs, f.ui, view, plan(true));
  again.run("inst.dat");
  EXPECT_EQ(installed("texte\\deutsch.lng"), "neu");
}

TEST_F(CopyPhaseTest, OleautBelowTheMinimumIsReplacedAndLibrariesTheDistributionLacksAreNotEnsured) {
  {
    setup::CopyPhase none(f.fs, f.ui, view, plan(false));
    none.run("");
    EXPECT_EQ(none.copied(), 0);
    EXPECT_TRUE(none.failures().empty());
    EXPECT_FALSE(f.tmp.exists("win\\SYSTEM\\msvbvm50.dll"));
  }
  f.distFile("oleaut32.dll", "neu");
  f.distFile("msvbvm50.dll", "neu");
  f.tmp.write("win\\SYSTEM\\msvbvm50.dll", "alt");
  f.tmp.write("win\\SYSTEM\\oleaut32.dll", std::string(setup::kOleautMinimum, 'x'));
  {
    setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
    phase.run("");
    EXPECT_EQ(phase.copied(), 0);
  }
  f.tmp.write("win\\SYSTEM\\oleaut32.dll", std::string(setup::kOleautMinimum - 1, 'x'));
  setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
  phase.run("");
  EXPECT_EQ(phase.copied(), 1);
  EXPECT_EQ(f.tmp.read("win\\SYSTEM\\oleaut32.dll"), "neu");
  EXPECT_EQ(f.tmp.read("win\\SYSTEM\\msvbvm50.dll"), "alt");
}

TEST_F(CopyPhaseTest, ProgressShowsTheStateBeforeEachFileAndStaysInRange) {
  for (const char* name : {"a", "b", "c"}) f.distFile(name, name);
  f.distribution("", "-1\r\na\r\na\r\n-1\r\nb\r\nb\r\n-1\r\nc\r\nc\r\n");
  setup::CopyPhase tooSmall(f.fs, f.ui, view, plan(false, 2));
  tooSmall.run("inst.dat");
  EXPECT_EQ(view.fractions, (std::vector<double>{0.0, 0.0, 0.5, 1.0, 1.0}));

  view.fractions.clear();
  setup::CopyPhase zero(f.fs, f.ui, view, plan(false, 0));
  zero.run("inst.dat");
  EXPECT_EQ(view.fractions, (std::vector<double>{0.0, 0.0, 0.0, 0.0, 1.0}));
}

// Every file and folder below the test's root with its bytes ("/" for a
// folder): two snapshots are equal when the run left no trace.
std::map<std::string, std::string> snapshot(const std::string& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    std::string name = entry.path().string().substr(root.size());
    if (entry.is_directory()) {
      tree[name] = "/";
    } else {
      std::ifstream in(entry.path(), std::ios::binary);
      tree[name] = std::string(std::istreambuf_iterator<char>(in), {});
    }
  }
  return tree;
}

TEST_F(CopyPhaseTest, FailuresAreAllListedAndNothingIsInstalled) {
  f.distFile("b", "b");
  f.distribution("", "-1\r\nb\r\nb\r\n-1\r\nfehlt.exe\r\nfehlt.exe\r\n-1\r\nb\r\nneu\\c\r\n-1\r\nb\r\n");
  auto before = snapshot(f.tmp.path());
  setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
  EXPECT_FALSE(phase.run("inst.dat"));
  EXPECT_EQ(snapshot(f.tmp.path()), before);
  ASSERT_EQ(phase.failures().size(), 2u);
  EXPECT_NE(phase.failures()[0].find("Zeile 10"), std::string::npos);  // the cut record
  EXPECT_EQ(phase.failures()[1],
            "fehlt.exe -> " + f.drive() + "\\Valmorin Box\\fehlt.exe: Die Datei fehlt im Setup-Ordner.");
}

// A failure at any step of staging (the temporary file, the copy) or of
// putting the files in place (the old file aside, the new one in), at the
// first, a middle or the last file: every destination stays byte-identical,
// the new folder goes again and no temporary file is left.
TEST_F(CopyPhaseTest, AFailureAtAnyStepLeavesTheBoxAsItWas) {
  using Fault = testing_support::FaultyFileSystem::Fault;
  f.tmp.write("drive\\Valmorin Box\\a.exe", "alt a");
  f.tmp.write("drive\\Valmorin Box\\daten\\b.txt", "alt b");
  for (const char* name : {"a.exe", "a2.exe", "b.txt", "c.txt"}) f.distFile(name, std::string("neu ") + name);
  // a.exe is named twice: the second copy wins, and a failure after both
  // must bring back the first old file.
  f.distribution("",
                 "-1\r\na.exe\r\na.exe\r\n-1\r\nb.txt\r\ndaten\\b.txt\r\n-1\r\nc.txt\r\ntexte\\neu\\c.txt\r\n"
                 "-1\r\na2.exe\r\na.exe\r\n");
  const auto before = snapshot(f.tmp.path());
  int faults = 0;
  for (Fault kind : {Fault::Create, Fault::Backup, Fault::Replace}) {
    for (int n = 1;; ++n) {
      SCOPED_TRACE("fault " + std::to_string(static_cast<int>(kind)) + " at step " + std::to_string(n));
      testing_support::FaultyFileSystem faulty(f.fs);
      faulty.arm(kind, n);
      setup::CopyPhase phase(faulty, f.ui, view, plan(false));
      bool installed = phase.run("inst.dat");
      if (!faulty.fired()) {
        EXPECT_TRUE(installed);
        faulty.arm(Fault::None, 0);
        phase.undo();  // taken back as a failing zorq.ini would
        EXPECT_EQ(snapshot(f.tmp.path()), before);
        break;
      }
      ++faults;
      EXPECT_FALSE(installed);
      EXPECT_EQ(phase.failures().size(), 1u);
      EXPECT_EQ(snapshot(f.tmp.path()), before);
      if (HasFailure()) return;
    }
  }
  EXPECT_EQ(faults, 4 + 4 + 10);  // 4 temporaries, 4 copies; moves: 3 an old file (tried, aside, in), 1 a new

  setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
  ASSERT_TRUE(phase.run("inst.dat"));
  phase.keep();
  EXPECT_EQ(installed("a.exe"), "neu a2.exe");
  EXPECT_EQ(installed("daten\\b.txt"), "neu b.txt");
  EXPECT_EQ(installed("texte\\neu\\c.txt"), "neu c.txt");
  EXPECT_EQ(snapshot(f.tmp.path()).size(), before.size() + 3);  // texte, texte/neu, c.txt: nothing aside
}

// What a file list may not name, each with a good record beside it that
// must not be installed either. A record with flag 0 over a file that is
// there, hidden or read-only, stays a skip.
TEST_F(CopyPhaseTest, RefusedTargetsAndSources) {
  f.distFile("gut.txt", "neu");
  f.tmp.write("drive\\Valmorin Box\\.versteckt", "alt");
  f.tmp.write("drive\\Valmorin Box\\fest.txt", "alt");
  f.tmp.write("drive\\Valmorin Box\\ordner\\.keep", "");
  std::filesystem::permissions(f.tmp.path() + "drive/Valmorin Box/fest.txt",
                               std::filesystem::perms::owner_read);
  const std::string outside = "\"..\" f\xfchrt aus dem Ordner hinaus.",
                    absolute = "Ein absoluter Pfad ist nicht erlaubt.",
                    drive = "Ein Laufwerk ist nicht erlaubt.",
                    device = "Ein Ger\xe4tename (wie CON oder NUL) ist kein Dateiname.";
  const struct {
    const char* flag;
    const char* source;
    const char* target;
    std::string reason;  // "" when the run goes through
  } rows[] = {
      {"-1", "gut.txt", "..\\ausserhalb.txt", outside},
      {"-1", "gut.txt", "texte\\..\\..\\ausserhalb.txt", outside},
      {"-1", "gut.txt", "texte\\. .\\ausserhalb.txt", outside},
      {"-1", "gut.txt", "@WIN..\\ausserhalb.txt", outside},
      {"-1", "..\\dist\\gut.txt", "gut.txt", outside},
      {"-1", "gut.txt", "\\ausserhalb.txt", absolute},
      {"-1", "gut.txt", "\\\\server\\box\\ausserhalb.txt", absolute},
      {"-1", "gut.txt", "@SYS\\\\server\\ausserhalb.txt", absolute},
      {"-1", "gut.txt", "c:\\ausserhalb.txt", drive},
      {"-1", "gut.txt", "@WINc:ausserhalb.txt", drive},
      {"-1", "c:gut.txt", "gut.txt", drive},
      {"-1", "gut.txt", "texte\\", "Es fehlt der Dateiname."},
      {"-1", "gut.txt", "CON", device},
      {"-1", "gut.txt", "texte\\nul.txt", device},
      {"-1", "com3.dat", "gut.txt", device},
      {"-1", "fehlt.txt", "fehlt.txt", "Die Datei fehlt im Setup-Ordner."},
      {"-1", "gut.txt", ".versteckt", "Die vorhandene Datei ist versteckt oder eine Systemdatei."},
      {"-1", "gut.txt", "fest.txt", "Die vorhandene Datei ist schreibgesch\xfctzt."},
      {"0", "gut.txt", "ordner", "Dort steht ein Ordner gleichen Namens."},
      {"0", "gut.txt", ".versteckt", ""},
      {"0", "gut.txt", "fest.txt", ""},
      {"1", "gut.txt", "..\\ausserhalb.txt", ""},  // never copied, never checked
  };
  f.distribution("", "");
  const auto before = snapshot(f.tmp.path());
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.source) + " -> " + row.target);
    f.distribution("", std::string(row.flag) + "\r\n" + row.source + "\r\n" + row.target +
                           "\r\n-1\r\ngut.txt\r\ntexte\\neu\\gut.txt\r\n");
    const auto list = snapshot(f.tmp.path());
    setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
    bool installed = phase.run("inst.dat");
    if (row.reason.empty()) {
      EXPECT_TRUE(installed);
      phase.undo();
      continue;
    }
    EXPECT_FALSE(installed);
    ASSERT_EQ(phase.failures().size(), 1u);
    const std::string& failure = phase.failures()[0];
    EXPECT_EQ(failure.substr(failure.size() - row.reason.size()), row.reason);
    EXPECT_EQ(snapshot(f.tmp.path()), list);
  }
  f.tmp.write("dist\\inst.dat", "");
  auto after = snapshot(f.tmp.path());
  for (const auto& [name, bytes] : before) after.erase(name);
  EXPECT_TRUE(after.empty()) << after.begin()->first;
}

// What a setup that was killed left is tidied up by the next run before
// it stages its own: the staged copies go, an old file put aside goes back
// to its place when that is empty and goes when the new one stands there.
TEST_F(CopyPhaseTest, LeftoversOfAKilledSetupAreTidiedUp) {
  f.distFile("a.exe", "neu");
  f.distribution("", "-1\r\na.exe\r\na.exe\r\n");
  f.tmp.write("drive\\Valmorin Box\\a.exe", "neu");
  f.tmp.write("drive\\Valmorin Box\\a.exe.999999-3.new~", "halb");
  f.tmp.write("drive\\Valmorin Box\\a.exe.999999-4.old~", "alt a");
  f.tmp.write("drive\\Valmorin Box\\b.txt.999999-5.old~", "alt b");
  f.tmp.write("drive\\Valmorin Box\\c.txt.999999-x.old~", "fremd");  // no name of setup's
  // A staged copy goes only when it is older than ten minutes, as the
  // editor's temporaries do: the clock is put forward.
  testing_support::FaultyFileSystem later(f.fs);
  later.clockAhead = 11 * 60;
  setup::CopyPhase phase(later, f.ui, view, plan(false));
  ASSERT_TRUE(phase.run("inst.dat"));
  phase.keep();
  EXPECT_EQ(installed("b.txt"), "alt b");
  EXPECT_EQ(installed("a.exe"), "neu");
  EXPECT_EQ(snapshot(f.tmp.path() + "drive/Valmorin Box/").size(), 4u);  // .keep, a.exe, b.txt, the stranger
}

}  // namespace
