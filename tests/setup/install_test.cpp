// The header, the file list and the copy phase.
#include <gtest/gtest.h>

#include <filesystem>

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

// A copy cut short (setup killed, disk full) leaves the old file, or none,
// and nothing beside it: a copy-if-missing record of the next run then
// still sees the file missing and copies it.
TEST_F(CopyPhaseTest, ACopyCutShortLeavesNoHalfFile) {
  f.tmp.write("drive\\Valmorin Box\\always.txt", "alt");
  f.distFile("always.txt", "neu und lang");
  f.distFile("missing.txt", "ganz und gar");
  f.distribution("", "-1\r\nalways.txt\r\nalways.txt\r\n0\r\nmissing.txt\r\nmissing.txt\r\n");
  testing_support::FaultyFileSystem cut(f.fs);
  cut.cutCopy = true;
  {
    setup::CopyPhase killed(cut, f.ui, view, plan(false));
    killed.run("inst.dat");
    EXPECT_EQ(killed.failures().size(), 2u);
  }
  EXPECT_EQ(installed("always.txt"), "alt");
  EXPECT_FALSE(f.tmp.exists("drive\\Valmorin Box\\missing.txt"));
  std::size_t beside = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::filesystem::path(f.tmp.path()) / "drive" / "Valmorin Box")) {
    EXPECT_NE(entry.path().filename().string(), "missing.txt");
    ++beside;
  }
  EXPECT_EQ(beside, 2u);  // .keep and always.txt: no temporary file
  setup::CopyPhase again(f.fs, f.ui, view, plan(false));
  again.run("inst.dat");
  EXPECT_EQ(installed("always.txt"), "neu und lang");
  EXPECT_EQ(installed("missing.txt"), "ganz und gar");
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

TEST_F(CopyPhaseTest, FailedCopiesAreCollectedAndTheRestGoesOn) {
  f.distFile("b", "b");
  f.distribution("", "-1\r\nfehlt.exe\r\nfehlt.exe\r\n-1\r\nb\r\nb\r\n-1\r\nb\r\n");
  setup::CopyPhase phase(f.fs, f.ui, view, plan(false));
  phase.run("inst.dat");
  EXPECT_EQ(installed("b"), "b");
  ASSERT_EQ(phase.failures().size(), 2u);
  EXPECT_EQ(phase.failures()[0], "fehlt.exe -> " + f.drive() + "\\Valmorin Box\\fehlt.exe");
  EXPECT_NE(phase.failures()[1].find("Zeile 7"), std::string::npos);  // the cut record
  EXPECT_EQ(phase.copied(), 2);
}

}  // namespace
