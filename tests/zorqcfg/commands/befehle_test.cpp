#include "commands/befehle.h"

#include <gtest/gtest.h>

#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::FaultyFileSystem;
using testing_support::TempDir;
using zorq::kCommandCount;

std::string repeat(const std::string& line, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += line;
  return out;
}

// Level file lines " 0 " to " n-1 " (command i at level i).
std::string levelsUpTo(int n) {
  std::string out;
  for (int i = 0; i < n; ++i) {
    out += ' ';
    out += std::to_string(i);
    out += " \r\n";
  }
  return out;
}

struct Commands : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  zorq::CommandLevels memory{};
  zorq::CommandEditor editor{memory};
  plat::FileSystem& fs = plat::localFileSystem();
  Commands() { fs.makeDirectory(dir.path() + "daten"); }

  void levels(const std::string& bytes) { dir.write("daten\\befehle.txt", bytes); }
  void groups(const std::string& bytes) { dir.write("daten\\befgrup.txt", bytes); }
  std::string levels() const { return dir.read("daten\\befehle.txt"); }
  std::string groups() const { return dir.read("daten\\befgrup.txt"); }
};

TEST_F(Commands, WithoutFilesShowsZeroAndNoGroupAndOkWritesBothFilesWhole) {
  ASSERT_TRUE(editor.load(fs, where).ok());
  for (int i = 0; i < kCommandCount; ++i) {
    EXPECT_EQ(editor.levelText[i], "0");
    EXPECT_EQ(editor.groupCaption(i), "<<keine>>");
  }
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(levels(), repeat(" 0 \r\n", 43));
  EXPECT_EQ(groups(), repeat("\r\n", 43));
  EXPECT_FALSE(dir.exists("daten\\befehle.txt.bak"));
}

TEST_F(Commands, ReadsAndWritesBothFilesUnchanged) {
  std::string groupFile;
  for (int i = 0; i < kCommandCount; ++i) groupFile += i % 5 == 0 ? "Mitglieder\r\n" : "\r\n";
  groupFile[0] = 'F';  // "Fitglieder": any text is a group
  levels(levelsUpTo(43));
  groups(groupFile);
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.levelText[21], "21");
  EXPECT_EQ(editor.groupCaption(0), "Fitglieder");
  EXPECT_EQ(editor.groupCaption(1), "<<keine>>");
  EXPECT_EQ(editor.groupCaption(5), "Mitglieder");
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(levels(), levelsUpTo(43));
  EXPECT_EQ(groups(), groupFile);
}

TEST_F(Commands, AFortyOneLineLevelFileKeepsTheLastTwoLevelsOfThePreviousOpening) {
  memory[41] = 7;
  memory[42] = 9;
  levels(levelsUpTo(41));
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.levelText[40], "40");
  EXPECT_EQ(editor.levelText[41], "7");
  EXPECT_EQ(editor.levelText[42], "9");

  levels(levelsUpTo(42));
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.levelText[41], "41");
  EXPECT_EQ(editor.levelText[42], "9");
}

TEST_F(Commands, FewerThanFortyOneLevelsOrFortyThreeGroupsIsALoadError) {
  levels(levelsUpTo(40));
  EXPECT_EQ(editor.load(fs, where).error, "Fehler beim Laden der Befehle");
  levels(levelsUpTo(43));
  groups(repeat("G\r\n", 42));
  EXPECT_EQ(editor.load(fs, where).error, "Fehler beim Laden der Befehle");
  EXPECT_EQ(editor.groupCaption(41), "G");
  EXPECT_EQ(editor.groupCaption(42), "<<keine>>");
  EXPECT_EQ(editor.levelText[42], "42");
}

// After a load error the unread levels are those of the previous opening,
// not 0, and "OK" keeps the damaged file as .bak.
TEST_F(Commands, ALevelThatDoesNotFitStopsTheLoadButOkKeepsTheLevelsItHolds) {
  memory.fill(3);
  std::string damaged = levelsUpTo(10) + " 256 \r\n" + repeat(" 1 \r\n", 32);
  levels(damaged);
  groups(repeat("Sysops\r\n", 43));
  EXPECT_EQ(editor.load(fs, where).error, "Fehler beim Laden der Befehle");
  EXPECT_EQ(editor.levelText[9], "9");
  EXPECT_EQ(editor.levelText[10], "3");
  EXPECT_EQ(editor.levelText[42], "3");
  EXPECT_EQ(editor.groupCaption(42), "Sysops");  // the group file is read all the same

  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(levels(), levelsUpTo(10) + repeat(" 3 \r\n", 33));
  EXPECT_EQ(dir.read("daten\\befehle.txt.bak"), damaged);
  EXPECT_EQ(groups(), repeat("Sysops\r\n", 43));
  EXPECT_FALSE(dir.exists("daten\\befgrup.txt.bak"));
}

TEST_F(Commands, ADamagedGroupFileIsKeptAsBak) {
  groups("Sysops\r\n");
  EXPECT_FALSE(editor.load(fs, where).ok());
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("daten\\befgrup.txt.bak"), "Sysops\r\n");
  EXPECT_EQ(groups(), "Sysops\r\n" + repeat("\r\n", 42));
  EXPECT_FALSE(dir.exists("daten\\befehle.txt.bak"));
}

TEST(LevelRule, LeadingNumberRoundedHalfToEvenOutsideTheRangeRefused) {
  // -1 stands for no level: outside 0 to 255. The last: far too many digits
  // for any number type.
  const std::pair<std::string, int> rows[] = {
      {"300", -1},       {"-1", -1}, {"256", -1},  {"255", 255}, {"abc", 0},   {"", 0},
      {"  7 Punkte", 7}, {"3.5", 4}, {"-2.5", -1}, {"-0.5", 0},  {"9.51", 10}, {std::string(400, '9'), -1}};
  for (const auto& [text, level] : rows) {
    const std::optional<std::uint8_t> got = zorq::levelFromText(text);
    EXPECT_EQ(got ? int{*got} : -1, level) << text.substr(0, 20);
  }
}

TEST_F(Commands, ALevelOutsideTheRangeIsRefusedAndNothingIsWritten) {
  levels(repeat(" 5 \r\n", 43));
  ASSERT_TRUE(editor.load(fs, where).ok());
  editor.levelText[7] = "300";
  int refused = -1;
  txt::Status s = editor.save(fs, where, &refused);
  EXPECT_EQ(s.error, zorq::kLevelRangeMessage);
  EXPECT_EQ(refused, 7);
  EXPECT_EQ(levels(), repeat(" 5 \r\n", 43));
  EXPECT_FALSE(dir.exists("daten\\befgrup.txt"));
}

// Odd files: a number too big for any type stops the load like 256 does; a
// very long group line comes back unchanged.
TEST_F(Commands, HugeNumbersAndVeryLongLinesAreReadSafely) {
  memory.fill(4);
  levels(" 1 \r\n 99999999999999999999 \r\n" + std::string(100000, '9') + "\r\n");
  const std::string longGroup(100000, 'G');
  groups(longGroup + "\r\n" + repeat("\r\n", 42));
  EXPECT_EQ(editor.load(fs, where).error, "Fehler beim Laden der Befehle");
  EXPECT_EQ(editor.levelText[0], "1");
  EXPECT_EQ(editor.levelText[1], "4");
  EXPECT_EQ(editor.groupCaption(0), longGroup);
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(levels(), " 1 \r\n" + repeat(" 4 \r\n", 42));
  EXPECT_EQ(groups(), longGroup + "\r\n" + repeat("\r\n", 42));
}

TEST_F(Commands, OkStoresEachFieldByTheLevelRuleAndRemembersTheLevels) {
  ASSERT_TRUE(editor.load(fs, where).ok());
  editor.levelText[0] = "2.5";
  editor.levelText[42] = "12";
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(levels(), " 2 \r\n" + repeat(" 0 \r\n", 41) + " 12 \r\n");

  levels(levelsUpTo(41));
  zorq::CommandEditor next(memory);
  ASSERT_TRUE(next.load(fs, where).ok());
  EXPECT_EQ(next.levelText[0], "0");
  EXPECT_EQ(next.levelText[42], "12");
}

TEST_F(Commands, TheGroupPickerAnswerSetsClearsOrKeepsTheGroup) {
  ASSERT_TRUE(editor.load(fs, where).ok());
  editor.chooseGroup(3, "Sysops");
  EXPECT_EQ(editor.groupCaption(3), "Sysops");
  editor.chooseGroup(3, "@");
  EXPECT_EQ(editor.groupCaption(3), "Sysops");
  editor.chooseGroup(4, "Mitglieder");
  editor.chooseGroup(4, "");
  EXPECT_EQ(editor.groupCaption(4), "<<keine>>");
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(groups(), repeat("\r\n", 3) + "Sysops\r\n" + repeat("\r\n", 39));
}

TEST_F(Commands, TheNoGroupCaptionIsNeverWritten) {
  groups("<<keine>>\r\n" + repeat("\r\n", 42));
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.groupCaption(0), "<<keine>>");
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(groups(), repeat("\r\n", 43));
}

// Fails every write of the group file.
struct GroupFileFails : FaultyFileSystem {
  using FaultyFileSystem::FaultyFileSystem;
  txt::Status writeNew(const std::string& path, const std::string& bytes) override {
    if (path.find("befgrup") != std::string::npos) return txt::Status::Fail("disk full");
    return FaultyFileSystem::writeNew(path, bytes);
  }
};

TEST_F(Commands, AFailedSaveNamesTheFileAndLeavesItAsItWas) {
  levels(levelsUpTo(43));
  groups("kaputt\r\n");
  FaultyFileSystem broken(fs);
  broken.failWrite = true;
  EXPECT_FALSE(editor.load(broken, where).ok());
  EXPECT_EQ(editor.save(broken, where).error,
            "Fehler beim Speichern von <befehle.txt>\r\nDie neue Datei l\xe4sst sich nicht schreiben.");
  EXPECT_EQ(levels(), levelsUpTo(43));
  EXPECT_EQ(dir.count(), 1u);  // only daten

  GroupFileFails groupFails(fs);
  editor.levelText[0] = "5";
  EXPECT_EQ(editor.save(groupFails, where).error,
            "Fehler beim Speichern von <befgrup.txt>\r\nDie neue Datei l\xe4sst sich nicht schreiben.");
  EXPECT_EQ(groups(), "kaputt\r\n");
  EXPECT_EQ(levels(), " 5 \r\n" + levelsUpTo(43).substr(5));
  // Trying again keeps the damaged group file as .bak, not the new level file.
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("daten\\befgrup.txt.bak"), "kaputt\r\n");
  EXPECT_FALSE(dir.exists("daten\\befehle.txt.bak"));
}

}  // namespace
