#include "platform/filesystem.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using testing_support::TempDir;

TEST(FileExists, OnlyOrdinaryFilesCountAndWildcardsMatchThemOnly) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
  dir.write("daten\\main.txt", "x");
  dir.write("daten\\sub.wav\\x", "x");
  EXPECT_TRUE(plat::FileExists(fs, dir.file("daten\\main.txt")));
  EXPECT_FALSE(plat::FileExists(fs, dir.file("daten")));
  EXPECT_FALSE(plat::FileExists(fs, dir.file("daten\\fehlt.txt")));
  EXPECT_FALSE(plat::FileExists(fs, ""));
  EXPECT_TRUE(plat::FileExists(fs, dir.file("daten\\*.txt")));
  EXPECT_TRUE(plat::FileExists(fs, dir.file("daten\\m?in.txt")));
  EXPECT_FALSE(plat::FileExists(fs, dir.file("daten\\*.dat")));
  EXPECT_FALSE(plat::FileExists(fs, dir.file("daten\\*.wav")));  // only a folder matches
}

TEST(FileExists, HiddenAndSystemFilesCountAsAbsent) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
#ifdef _WIN32
  dir.write("versteckt.txt", "x");
  dir.write("system.txt", "x");
  SetFileAttributesA(dir.file("versteckt.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA(dir.file("system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
  EXPECT_FALSE(plat::FileExists(fs, dir.file("versteckt.txt")));
  EXPECT_FALSE(plat::FileExists(fs, dir.file("system.txt")));
  EXPECT_FALSE(plat::FileExists(fs, dir.file("*.txt")));
#else
  dir.write(".versteckt", "x");
  EXPECT_FALSE(plat::FileExists(fs, dir.file(".versteckt")));
#endif
}

TEST(FileSystem, NamesAreFoundWithoutRegardToCase) {
  // As Windows and Wine find them: a box copied from a DOS disk may hold
  // DATEN\MAIN.TXT.
  TempDir dir;
  dir.write("DATEN\\Main.TXT", "x");
  plat::FileSystem& fs = plat::localFileSystem();
  std::string bytes;
  EXPECT_TRUE(plat::FileExists(fs, dir.file("daten\\main.txt")));
  EXPECT_TRUE(fs.readAll(dir.file("daten\\main.txt"), bytes).ok());
  EXPECT_EQ(bytes, "x");
}

TEST(FileSystem, ReadWriteKeepEveryByte) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
  std::string all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<char>(i));
  all += "\r\n\n\r";
  ASSERT_TRUE(fs.writeNew(dir.file("bytes.bin"), all).ok());
  std::string back;
  ASSERT_TRUE(fs.readAll(dir.file("bytes.bin"), back).ok());
  EXPECT_EQ(back, all);
  EXPECT_FALSE(fs.readAll(dir.file("fehlt.bin"), back).ok());
  EXPECT_TRUE(fs.makeDirectory(dir.file("neu")).ok());
  EXPECT_TRUE(fs.makeDirectory(dir.file("neu")).ok());
  EXPECT_TRUE(fs.info(dir.file("neu")).directory);
}

// moveNew never replaces, removeEmptyDirectory never removes what a folder
// holds: setup takes an installation back with them.
TEST(FileSystem, MoveNewKeepsAnExistingNameAndOnlyEmptyFoldersGo) {
  TempDir dir;
  auto& fs = plat::localFileSystem();
  dir.write("a.txt", "a");
  dir.write("b.txt", "b");
  bool taken = false;
  EXPECT_FALSE(fs.moveNew(dir.file("a.txt"), dir.file("b.txt"), taken).ok());
  EXPECT_TRUE(taken);
  EXPECT_EQ(dir.read("a.txt") + dir.read("b.txt"), "ab");
  ASSERT_TRUE(fs.moveNew(dir.file("a.txt"), dir.file("c.txt"), taken).ok());
  EXPECT_FALSE(taken);
  EXPECT_FALSE(dir.exists("a.txt"));
  EXPECT_EQ(dir.read("c.txt"), "a");

  dir.write("voll\\x", "x");
  ASSERT_TRUE(fs.makeDirectory(dir.file("leer")).ok());
  EXPECT_FALSE(fs.removeEmptyDirectory(dir.file("voll")).ok());
  EXPECT_EQ(dir.read("voll\\x"), "x");
  EXPECT_TRUE(fs.removeEmptyDirectory(dir.file("leer")).ok());
  EXPECT_FALSE(dir.exists("leer"));
}

}  // namespace
