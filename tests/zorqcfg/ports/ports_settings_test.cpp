// Start parameters, module windows and memory limits.
#include <gtest/gtest.h>

#include "faulty_fs.h"
#include "ports/fenster.h"
#include "ports/speicher.h"
#include "ports/startparameter.h"
#include "temp_dir.h"

namespace {

using testing_support::FaultyFileSystem;
using testing_support::TempDir;

struct Files : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  Files() { fs.makeDirectory(dir.path() + "daten"); }

  void file(const std::string& name, const std::string& bytes) { dir.write("daten\\" + name, bytes); }
  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
};

std::string numbers(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += " " + std::to_string(v) + " \r\n";
  return out;
}

TEST(StartRows, ShowingAndStoringFollowTheStartMode) {
  EXPECT_FALSE(zorq::rowShown(0, 0).port);
  zorq::StartRow two = zorq::rowShown(2, 1);
  EXPECT_TRUE(two.port && two.window && two.always);
  zorq::StartRow five = zorq::rowShown(5, 7);  // any other start: port on only
  EXPECT_TRUE(five.port);
  EXPECT_FALSE(five.window);
  EXPECT_TRUE(five.always);
  EXPECT_EQ(zorq::startModeOf(five), 1);
  EXPECT_EQ(zorq::startModeOf({false, true, false}), 0);  // "Fenster offen" alone starts nothing
  EXPECT_EQ(zorq::startModeOf({true, true, false}), 2);
}

TEST_F(Files, TheStartFileCarriesTheNetworkNumberAndTwentyNumbers) {
  zorq::PortStartTable shared;
  shared.startMode[0] = 1;
  zorq::StartParameters start;
  ASSERT_TRUE(start.load(fs, where, shared).ok());  // no file: the shared table
  EXPECT_EQ(start.fileName(), "start.dat");
  EXPECT_EQ(start.table.startMode[0], 1);
  start.table.alwaysShow[9] = 1;
  start.table.startMode[9] = 2;
  ASSERT_TRUE(start.save(fs).ok());
  EXPECT_EQ(file("start.dat"), numbers({0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 2}));

  where.netNumber = 9;
  zorq::StartParameters nine;
  ASSERT_TRUE(nine.load(fs, where, shared).ok());
  EXPECT_EQ(nine.fileName(), "start9.dat");
  ASSERT_TRUE(nine.save(fs).ok());
  EXPECT_TRUE(dir.exists("daten\\start9.dat"));
}

TEST(StartFile, NumbersMaySeparateByLineEndsBlanksOrCommas) {
  zorq::PortStartTable table;
  ASSERT_TRUE(zorq::parseStartFile("1 0,1\r\n0 0 0 0 0 0 1\r\n2,2,2,2,2\r\n0 0 0 0\r\n5\r\n", table).ok());
  EXPECT_EQ(table.alwaysShow[0], 1);
  EXPECT_EQ(table.alwaysShow[2], 1);
  EXPECT_EQ(table.alwaysShow[9], 1);
  EXPECT_EQ(table.startMode[0], 2);
  EXPECT_EQ(table.startMode[4], 2);
  EXPECT_EQ(table.startMode[5], 0);
  EXPECT_EQ(table.startMode[9], 5);
}

TEST_F(Files, AShortOrBrokenStartFileIsToldKeepsTheRowsReadAndIsKeptAsBackup) {
  zorq::PortStartTable shared;
  shared.startMode.fill(1);
  where.netNumber = 2;
  const std::string broken = numbers({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2}) + "zwei\r\n";
  file("start2.dat", broken);
  zorq::StartParameters start;
  EXPECT_EQ(start.load(fs, where, shared).error, "Fehler beim Laden von <start2.dat>");
  EXPECT_EQ(start.table.alwaysShow[9], 1);
  EXPECT_EQ(start.table.startMode[1], 2);
  EXPECT_EQ(start.table.startMode[2], 1);  // not read: the shared row
  ASSERT_TRUE(start.save(fs).ok());
  EXPECT_EQ(file("start2.dat.bak"), broken);

  file("start2.dat", numbers({1, 1, 1}));
  EXPECT_FALSE(start.load(fs, where, shared).ok());
}

TEST_F(Files, AFailedStartSaveLeavesTheFile) {
  file("start.dat", numbers({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  FaultyFileSystem faulty(fs);
  zorq::StartParameters start;
  ASSERT_TRUE(start.load(faulty, where, {}).ok());
  start.table.startMode[3] = 1;
  faulty.failWrite = true;
  EXPECT_EQ(start.save(faulty).error,
            "Fehler beim Speichern von <start.dat>\r\nDie neue Datei l\xe4sst sich nicht schreiben.");
  EXPECT_EQ(file("start.dat"), numbers({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Files, AThreeLineWindsFileLoadsAndSavesFiveLinesWithAReservedZero) {
  file("winds.txt", " 1 \r\n 0 \r\n 7 \r\n");
  zorq::ModuleWindowsEditor editor;
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.values.cruncher, 1);
  EXPECT_EQ(editor.values.sorter, 0);
  EXPECT_EQ(editor.values.netReceive, 0);
  editor.values.netSend = 1;
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("winds.txt"), " 1 \r\n 0 \r\n 0 \r\n 0 \r\n 1 \r\n");

  zorq::ModuleWindows full;
  ASSERT_TRUE(zorq::parseWinds(" 0 \r\n 1 \r\n 0 \r\n 1 \r\n 1 \r\n", full).ok());
  EXPECT_EQ(full.sorter + full.netReceive + full.netSend, 3);
}

TEST_F(Files, ABrokenWindsFileIsToldAndKeptAsBackup) {
  for (const std::string bad :
       {" 1 \r\n 1 \r\n", " 1 \r\nja\r\n 0 \r\n", " 0 \r\n 0 \r\n 0 \r\n 1 \r\n", " 0 \r\n 5 \r\n 0 \r\n"}) {
    file("winds.txt", bad);
    zorq::ModuleWindowsEditor editor;
    EXPECT_EQ(editor.load(fs, where).error, "Fehler beim Laden von <winds.txt>") << bad;
    ASSERT_TRUE(editor.save(fs, where).ok());
    EXPECT_EQ(file("winds.txt.bak"), bad);
    fs.remove(dir.path() + "daten\\winds.txt.bak");
  }
}

TEST(MemoryLimits, OkAppliesZeroIfEmptyThenTheBounds) {
  using Fields = std::vector<std::string>;
  auto bounded = [](zorq::MemoryLimits l) {
    zorq::applyBounds(l);
    return Fields{l.bretter, l.user, l.netzboxen, l.editorzeilen, l.briefe};
  };
  EXPECT_EQ(bounded({"", "16001", "3", "12abc", "123456x"}), (Fields{"100", "16000", "5", "100", "123456x"}));
  EXPECT_EQ(bounded({"16000", "", " 16000", "500abc", ""}), (Fields{"16000", "0", " 16000", "500abc", "0"}));
}

}  // namespace
