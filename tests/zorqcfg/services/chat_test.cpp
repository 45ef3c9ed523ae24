#include "services/chat.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;

// Switches as "1"/"0" from switch 1 to 11.
std::string switches(const zorq::ChatSettings& s) {
  std::string out;
  for (bool on : s.on) out += on ? '1' : '0';
  return out;
}

std::string wavesOnly() {
  return "C:\\W\\GONG.WAV\r\nGong\r\n\r\n\r\nC:\\W\\HUPE.WAV\r\n\r\n\r\nT\xfcrklingel\r\n\r\n\r\n";
}

struct Chat : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  zorq::ChatCall chat;
  Chat() { fs.makeDirectory(dir.path() + "daten"); }

  void file(const std::string& bytes) { dir.write("daten\\chat.dat", bytes); }
  std::string file() const { return dir.read("daten\\chat.dat"); }
  std::string switchesRead(const std::string& line) {
    file(line + "\r\n" + wavesOnly());
    EXPECT_TRUE(chat.load(fs, where).ok()) << line;
    return switches(chat.settings);
  }
};

TEST_F(Chat, OnlyAZeroTurnsASwitchOffAndMissingCharactersAreOn) {
  EXPECT_EQ(switchesRead("10000000001"), "10000000001");
  EXPECT_EQ(switchesRead("0"), "01111111111");
  EXPECT_EQ(switchesRead(""), "11111111111");
  EXPECT_EQ(switchesRead("x0000000000"), "10000000000");
  EXPECT_EQ(switchesRead("1000000000 1"), "10000000001");  // a blank is no "0"
  EXPECT_EQ(switchesRead("000000000000000"), "00000000000");
}

TEST_F(Chat, WithoutAFileAllIsOffAndEmptyAndSavesAsElevenZeros) {
  ASSERT_TRUE(chat.load(fs, where).ok());
  EXPECT_EQ(switches(chat.settings), "00000000000");
  ASSERT_TRUE(chat.save(fs, where).ok());
  std::string tenEmptyLines;
  for (int i = 0; i < 10; ++i) tenEmptyLines += "\r\n";
  EXPECT_EQ(file(), "00000000000\r\n" + tenEmptyLines);
}

TEST_F(Chat, AFileLoadsAndSavesByteForByte) {
  const std::string bytes = "11110111101\r\n" + wavesOnly();
  file(bytes);
  ASSERT_TRUE(chat.load(fs, where).ok());
  EXPECT_EQ(chat.settings.waves[0].path, "C:\\W\\GONG.WAV");
  EXPECT_EQ(chat.settings.waves[0].comment, "Gong");
  EXPECT_EQ(chat.settings.waves[4].comment, "");
  EXPECT_EQ(chat.settings.waves[3].comment, "T\xfcrklingel");
  ASSERT_TRUE(chat.save(fs, where).ok());
  EXPECT_EQ(file(), bytes);
  EXPECT_FALSE(dir.exists("daten\\chat.dat.bak"));
}

TEST_F(Chat, AShortFileIsALoadErrorKeepsWhatWasReadAndIsBackedUp) {
  const std::string bytes = "0\r\nC:\\W\\GONG.WAV\r\nGong\r\nC:\\W\\HUPE.WAV\r\n";
  file(bytes);
  EXPECT_EQ(chat.load(fs, where).error, "Fehler beim Laden von <chat.dat>");
  EXPECT_EQ(switches(chat.settings), "01111111111");
  EXPECT_EQ(chat.settings.waves[1].path, "C:\\W\\HUPE.WAV");
  EXPECT_EQ(chat.settings.waves[1].comment, "");
  ASSERT_TRUE(chat.save(fs, where).ok());
  EXPECT_EQ(dir.read("daten\\chat.dat.bak"), bytes);
  EXPECT_EQ(file(),
            "01111111111\r\nC:\\W\\GONG.WAV\r\nGong\r\nC:\\W\\HUPE.WAV\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");

  file("");
  EXPECT_FALSE(chat.load(fs, where).ok());
  EXPECT_EQ(switches(chat.settings), "00000000000");
}

TEST_F(Chat, AnEmptyAnswerOfTheFilePickerKeepsThePath) {
  chat.settings.waves[2].path = "C:\\W\\MOEWE.WAV";
  chat.chooseWave(2, "");
  EXPECT_EQ(chat.settings.waves[2].path, "C:\\W\\MOEWE.WAV");
  chat.chooseWave(2, "D:\\KLANG\\BELL.WAV");
  EXPECT_EQ(chat.settings.waves[2].path, "D:\\KLANG\\BELL.WAV");
  chat.chooseWave(5, "D:\\X.WAV");  // no sixth row
}

}  // namespace
