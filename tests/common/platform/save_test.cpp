#include "platform/save.h"

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
    EXPECT_FALSE(dir.exists("main.txt.new~"));
  }
}

TEST(Save, AMissingFolderOrADirectoryInTheWayIsReported) {
  TempDir dir;
  EXPECT_FALSE(plat::saveFile(plat::localFileSystem(), dir.file("fehlt\\main.txt"), kNew).ok());
  dir.write("daten\\x", "");
  EXPECT_FALSE(plat::saveFile(plat::localFileSystem(), dir.file("daten"), kNew).ok());
  EXPECT_EQ(dir.count(), 1u);
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

}  // namespace
