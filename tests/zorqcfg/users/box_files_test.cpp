#include "users/box_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fake_system.h"
#include "temp_dir.h"

namespace {

using testing_support::FakeSystem;
using testing_support::TempDir;

TEST(BoxFileRows, ArePaddedToTheirColumnByteForByte) {
  EXPECT_EQ(zorq::rowText(zorq::kBoxTexts[0], zorq::kBoxTextColumn), "Antrag.txt           vor dem Antrag");
  EXPECT_EQ(zorq::rowText(zorq::kBoxTexts[12], zorq::kBoxTextColumn),
            "SMKopf.txt           Kopf von Sortermeldungen     ");
  EXPECT_EQ(zorq::kBoxTexts[18].file, "multchat.txt");  // shown as "Multichat.txt"
  EXPECT_EQ(zorq::rowText(zorq::kBatchFiles[6], zorq::kBatchFileColumn),
            "Upload.bat              nach dem Upload f\xfcr JEDES File");
}

struct OpenBoxFile : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"C:\\WINDOWS\\", dir.path()};
  FakeSystem system;
  plat::FileSystem& fs = plat::localFileSystem();
  OpenBoxFile() { fs.makeDirectory(dir.path() + "texte"); }
};

TEST_F(OpenBoxFile, AMissingFileIsCreatedEmptyAndOpened) {
  ASSERT_TRUE(zorq::openBoxFile(fs, system, where, "multchat.txt").ok());
  EXPECT_TRUE(dir.exists("texte\\multchat.txt"));
  EXPECT_EQ(dir.read("texte\\multchat.txt"), "");
  ASSERT_EQ(system.started.size(), 1u);
  EXPECT_EQ(system.started[0], plat::notepadCommand("C:\\WINDOWS\\", dir.path() + "texte\\multchat.txt"));
}

TEST_F(OpenBoxFile, AnExistingFileIsNotTouched) {
  dir.write("texte\\login.txt", "Willkommen\r\n");
  ASSERT_TRUE(zorq::openBoxFile(fs, system, where, "login.txt").ok());
  EXPECT_EQ(dir.read("texte\\login.txt"), "Willkommen\r\n");
  EXPECT_EQ(system.started.size(), 1u);
}

TEST_F(OpenBoxFile, WithoutTheTextFolderNothingIsCreatedOrStartedAndTheFailureIsTold) {
  std::filesystem::remove(dir.path() + "texte");
  auto status = zorq::openBoxFile(fs, system, where, "login.bat");
  EXPECT_EQ(status.error, "Fehler beim Anlegen von <" + dir.path() + "texte\\login.bat>");
  EXPECT_TRUE(system.started.empty());
  EXPECT_FALSE(dir.exists("texte\\login.bat"));
}

}  // namespace
