#include "platform/save.h"

#include <new>

#include "platform/load.h"

#include <gtest/gtest.h>

#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::FaultyFileSystem;
using testing_support::TempDir;

const std::string kOld = "alt\r\n 1 \r\n";
const std::string kNew = "neu\r\n 2 \r\n 3 \r\n";

TEST(Save, ReplacesTheFileAndLeavesNothingBeside) {
  TempDir dir;
  dir.write("main.txt", kOld);
  ASSERT_TRUE(plat::saveFile(plat::localFileSystem(), dir.file("main.txt"), kNew).ok());
  EXPECT_EQ(dir.read("main.txt"), kNew);
  EXPECT_EQ(dir.count(), 1u);
  // A file that did not exist comes into being.
  ASSERT_TRUE(plat::saveFile(plat::localFileSystem(), dir.file("neu.txt"), "x\r\n").ok());
  EXPECT_EQ(dir.read("neu.txt"), "x\r\n");
}

TEST(Save, EveryFailureKeepsTheOldFileAndRemovesTheTemporaryOne) {
  for (int fault = 0; fault < 3; ++fault) {
    SCOPED_TRACE(fault);
    TempDir dir;
    dir.write("main.txt", kOld);
    FaultyFileSystem fs(plat::localFileSystem());
    fs.failWrite = fault == 0;
    fs.failReplace = fault == 1;
    fs.failCopy = fault == 2;
    txt::Status s = plat::saveFile(fs, dir.file("main.txt"), kNew, {.keepBackup = true});
    EXPECT_FALSE(s.ok());
    EXPECT_FALSE(s.error.empty());
    EXPECT_EQ(dir.read("main.txt"), kOld);
    EXPECT_EQ(dir.count(), 1u);
  }
}

TEST(Save, AMissingFolderOrADirectoryInTheWayIsReportedInGerman) {
  TempDir dir;
  EXPECT_EQ(plat::saveFile(plat::localFileSystem(), dir.file("fehlt\\main.txt"), kNew).error,
            "Im Ordner der Datei l\xe4sst sich keine neue Datei anlegen.");
  dir.write("daten\\x", "");
  EXPECT_EQ(plat::saveFile(plat::localFileSystem(), dir.file("daten"), kNew).error,
            "Dort steht ein Ordner gleichen Namens.");
  EXPECT_EQ(dir.count(), 1u);
  EXPECT_EQ(plat::saveErrorMessage("main.txt", txt::Status::Fail("Grund.")),
            "Fehler beim Speichern von <main.txt>\r\nGrund.");
}

// A file that counted as missing when the dialog loaded (hidden, as a
// dot-file is here and on Wine) was never shown: it is not replaced.
TEST(Save, AHiddenTargetIsRefusedAndKept) {
  TempDir dir;
  dir.write(".main.txt", kOld);
  txt::Status s = plat::saveFile(plat::localFileSystem(), dir.file(".main.txt"), kNew, {.keepBackup = true});
  EXPECT_EQ(
      s.error,
      "Die vorhandene Datei ist versteckt oder eine Systemdatei. Sie wird nicht ersetzt, denn ihr Inhalt "
      "wurde nie geladen.");
  EXPECT_EQ(dir.read(".main.txt"), kOld);
  EXPECT_EQ(dir.count(), 1u);
}

// Another editor whose save fails between our write and our replace must
// not take our temporary file with it, nor put its bytes in our place.
TEST(Save, AnotherSaveOfTheSameFileNeverTouchesOurTemporaryFile) {
  struct Interleaving : FaultyFileSystem {
    using FaultyFileSystem::FaultyFileSystem;
    std::string target;
    bool other = false;
    txt::Status writeNew(const std::string& p, const std::string& b) override {
      txt::Status s = FaultyFileSystem::writeNew(p, b);
      if (!other) {
        other = true;
        FaultyFileSystem second(plat::localFileSystem());
        second.failReplace = true;
        EXPECT_FALSE(plat::saveFile(second, target, "fremd\r\n").ok());
      }
      return s;
    }
  };
  TempDir dir;
  dir.write("zorq.ini", kOld);
  Interleaving fs(plat::localFileSystem());
  fs.target = dir.file("zorq.ini");
  EXPECT_TRUE(plat::saveFile(fs, fs.target, kNew).ok());
  EXPECT_TRUE(fs.other);
  EXPECT_EQ(dir.read("zorq.ini"), kNew);
  EXPECT_EQ(dir.count(), 1u);
}

// The name belongs to the process: a file of that name left by somebody
// else is skipped, not written over.
TEST(Save, TemporaryNamesAreNeverShared) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
  std::string first, second;
  ASSERT_TRUE(plat::createTemporary(fs, dir.file("main.txt"), first).ok());
  ASSERT_TRUE(plat::createTemporary(fs, dir.file("main.txt"), second).ok());
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind(dir.file("main.txt.") + std::to_string(plat::processId()) + "-", 0), 0u) << first;
  bool taken = false;
  EXPECT_FALSE(fs.createNew(first, taken).ok());
  EXPECT_TRUE(taken);
}

// Each save that keeps a backup moves the older ones back: five
// generations stay, the newest as .bak, and none replaces a newer one.
TEST(Save, BackupsRotateThroughFiveGenerations) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
  dir.write("main.txt", "0\r\n");
  for (int save = 1; save <= 7; ++save)
    ASSERT_TRUE(plat::saveFile(fs, dir.file("main.txt"), std::to_string(save) + "\r\n", {true}).ok());
  EXPECT_EQ(dir.read("main.txt"), "7\r\n");
  EXPECT_EQ(plat::backupName("main.txt", 1), "main.txt.bak");
  EXPECT_EQ(plat::backupName("main.txt", 5), "main.txt.bak5");
  for (int generation = 1; generation <= plat::kBackupGenerations; ++generation)
    EXPECT_EQ(dir.read(plat::backupName("main.txt", generation)), std::to_string(7 - generation) + "\r\n");
  EXPECT_EQ(dir.count(), 6u);

  // A failed copy leaves every generation where it was.
  FaultyFileSystem broken(fs);
  broken.failCopy = true;
  EXPECT_FALSE(plat::saveFile(broken, dir.file("main.txt"), "8\r\n", {true}).ok());
  EXPECT_EQ(dir.read("main.txt.bak"), "6\r\n");
  EXPECT_EQ(dir.read("main.txt.bak5"), "2\r\n");
  EXPECT_EQ(dir.count(), 6u);
}

// A damaged file that cannot be replaced (held by the server, say) must not
// eat the backups, however often the sysop presses "OK": every failed save,
// at whichever step of the rotation, leaves the file and every generation
// byte-identical and nothing beside them. The save that succeeds at last
// keeps the damaged file once.
TEST(Save, FailedSavesNeverTouchTheBackupsAndTheGoodOneKeepsTheDamagedFileOnce) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
  auto reset = [&] {
    dir.write("befehle.txt", "kaputt\r\n");
    for (int generation = 1; generation <= plat::kBackupGenerations; ++generation)
      dir.write(plat::backupName("befehle.txt", generation), "g" + std::to_string(generation) + "\r\n");
  };
  reset();
  auto generations = [&] {
    std::string all;
    for (int g = 1; g <= plat::kBackupGenerations; ++g)
      all += dir.read(plat::backupName("befehle.txt", g)) + "|";
    return all;
  };
  const std::string before = generations();
  int steps = 0;
  for (FaultyFileSystem::Fault kind :
       {FaultyFileSystem::Fault::Replace, FaultyFileSystem::Fault::Backup, FaultyFileSystem::Fault::Create}) {
    for (int n = 1;; ++n) {
      FaultyFileSystem broken(fs);
      broken.arm(kind, n);
      txt::Status s = plat::saveFile(broken, dir.file("befehle.txt"), "neu\r\n", {true});
      if (!broken.fired()) {  // no such step left: the save went through
        reset();
        break;
      }
      ++steps;
      SCOPED_TRACE(std::to_string(static_cast<int>(kind)) + " at " + std::to_string(n));
      EXPECT_FALSE(s.ok());
      EXPECT_EQ(dir.read("befehle.txt"), "kaputt\r\n");
      EXPECT_EQ(generations(), before);
      EXPECT_EQ(dir.count(), 6u);
    }
  }
  EXPECT_GE(steps, 8);  // each rename of the rotation, the copy, the replace
  for (int save = 0; save < 5; ++save) {
    FaultyFileSystem held(fs);
    held.failOnly = "befehle.txt";
    held.readOnlyInfo = "befehle.txt";
    EXPECT_EQ(plat::saveFile(held, dir.file("befehle.txt"), "neu\r\n", {true}).error,
              "Die Datei ist schreibgesch\xfctzt.");
    EXPECT_EQ(generations(), before);
  }
  ASSERT_TRUE(plat::saveFile(fs, dir.file("befehle.txt"), "neu\r\n", {true}).ok());
  EXPECT_EQ(dir.read("befehle.txt"), "neu\r\n");
  EXPECT_EQ(generations(), "kaputt\r\n|g1\r\n|g2\r\n|g3\r\n|g4\r\n|");
  EXPECT_EQ(dir.count(), 6u);
}

// Only "not found" means missing. A file that cannot be looked at, cannot
// be read, is too large or too much for the memory is a load error, with
// what could be read; no exception leaves the load. Such a file is never
// replaced by a save that could not look at it.
TEST(Load, AFileThatCannotBeLookedAtOrReadIsAnErrorNotMissing) {
  TempDir dir;
  dir.write("main.txt", kOld);
  FaultyFileSystem fs(plat::localFileSystem());
  auto load = [&](bool* there) {
    return plat::loadSettingsFile(
        fs, dir.file("main.txt"), nullptr, [](const std::string&) { return txt::Status::Ok(); }, there);
  };
  bool there = false;
  EXPECT_TRUE(load(&there).ok());
  EXPECT_TRUE(there);
  EXPECT_TRUE(plat::loadSettingsFile(
                  fs, dir.file("fehlt.txt"), nullptr,
                  [](const std::string&) { return txt::Status::Fail("parsed"); }, &there)
                  .ok());
  EXPECT_FALSE(there);
  EXPECT_TRUE(plat::loadSettingsFile(fs, dir.file("fehlt\\auch.txt"), nullptr, [](const std::string&) {
                return txt::Status::Fail("parsed");
              }).ok());
  for (std::string* fault : {&fs.unknownInfo, &fs.failRead, &fs.throwOnRead}) {
    *fault = "main.txt";
    there = false;
    EXPECT_FALSE(load(&there).ok());
    EXPECT_TRUE(there);
    *fault = "";
  }
  fs.unknownInfo = "main.txt";
  EXPECT_FALSE(plat::saveFile(fs, dir.file("main.txt"), kNew).ok());
  EXPECT_EQ(dir.read("main.txt"), kOld);
  fs.unknownInfo = "";

  // Running out of memory while parsing is an error too.
  EXPECT_EQ(plat::loadSettingsFile(fs, dir.file("main.txt"), nullptr,
                                   [](const std::string&) -> txt::Status { throw std::bad_alloc(); })
                .error,
            "Zu wenig Speicher.");

  // Past 64 MiB: the first 64 MiB reach the parser, and the load fails.
  dir.write("gross.txt", std::string(static_cast<std::size_t>(plat::kMaxFileBytes) + 10, 'x'));
  std::size_t seen = 0;
  txt::Status big = plat::loadSettingsFile(fs, dir.file("gross.txt"), nullptr, [&](const std::string& bytes) {
    seen = bytes.size();
    return txt::Status::Ok();
  });
  EXPECT_FALSE(big.ok());
  EXPECT_EQ(seen, plat::kMaxFileBytes);
}

// What a dialog loaded is remembered: a file changed, made or removed behind
// its back is told; its own save is not.
TEST(Load, TheRecordTellsFilesChangedBehindTheDialog) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
  dir.write("a.txt", kOld);
  plat::LoadRecord record;
  std::string bytes;
  bool there = false;
  plat::readSettingsFile(fs, dir.file("a.txt"), bytes, there, &record);
  plat::readSettingsFile(fs, dir.file("b.txt"), bytes, there, &record);
  EXPECT_TRUE(record.changed(fs).empty());
  ASSERT_TRUE(plat::saveFile(fs, dir.file("a.txt"), kNew, {false, &record}).ok());
  EXPECT_TRUE(record.changed(fs).empty());
  dir.write("a.txt", kOld);
  dir.write("b.txt", "");
  EXPECT_EQ(record.changed(fs), (std::vector<std::string>{dir.file("a.txt"), dir.file("b.txt")}));
  record.refresh(fs, dir.file("a.txt"));
  EXPECT_EQ(record.changed(fs), std::vector<std::string>{dir.file("b.txt")});
}

TEST(Save, KeepsTheUnreadableFileAsBakOnlyWhenAsked) {
  TempDir dir;
  dir.write("befehle.txt", kOld);
  ASSERT_TRUE(plat::saveFile(plat::localFileSystem(), dir.file("befehle.txt"), kNew).ok());
  EXPECT_FALSE(dir.exists("befehle.txt.bak"));
  ASSERT_TRUE(
      plat::saveFile(plat::localFileSystem(), dir.file("befehle.txt"), kOld, {.keepBackup = true}).ok());
  EXPECT_EQ(dir.read("befehle.txt.bak"), kNew);
  EXPECT_EQ(dir.read("befehle.txt"), kOld);
  // Nothing to keep when there was no file.
  ASSERT_TRUE(plat::saveFile(plat::localFileSystem(), dir.file("neu.txt"), kOld, {.keepBackup = true}).ok());
  EXPECT_FALSE(dir.exists("neu.txt.bak"));
}

// Only files of ended processes that were last written over ten minutes
// ago: a process id of another machine sharing the folder means nothing
// here, so a young temporary may be its save under way.
TEST(Save, LeftoverTemporariesOfEndedProcessesAreRemovedAndNoOthers) {
  TempDir dir;
  const std::string mine = "main.txt." + std::to_string(plat::processId()) + "-7.new~";
  dir.write("main.txt", kOld);
  dir.write("main.txt.999999-3.new~", "halb");  // a process that ended while saving
  dir.write("befehle.txt.999998-12.new~", "");
  dir.write(mine, "meins");             // a save of this process is under way
  dir.write("notiz.new~", "not ours");  // no temporary name of a save
  dir.write("main.txt.bak", kOld);
  EXPECT_EQ(plat::removeLeftoverTemporaries(plat::localFileSystem(), dir.path()), 0);
  FaultyFileSystem later(plat::localFileSystem());
  later.clockAhead = 11 * 60;
  EXPECT_EQ(plat::removeLeftoverTemporaries(later, dir.path()), 2);
  EXPECT_FALSE(dir.exists("main.txt.999999-3.new~"));
  EXPECT_FALSE(dir.exists("befehle.txt.999998-12.new~"));
  EXPECT_TRUE(dir.exists(mine) && dir.exists("notiz.new~") && dir.exists("main.txt.bak"));
  EXPECT_EQ(dir.read("main.txt"), kOld);
}

}  // namespace
