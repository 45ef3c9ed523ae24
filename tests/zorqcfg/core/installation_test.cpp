#include "core/installation.h"

#include <gtest/gtest.h>

#include "fake_system.h"
#include "fake_ui.h"
#include "temp_dir.h"

namespace {

using testing_support::FakeSystem;
using testing_support::FakeUi;
using testing_support::TempDir;

struct Startup : ::testing::Test {
  TempDir windows;
  FakeSystem system;
  FakeUi ui;
  Startup() { system.windowsDir = windows.path(); }
  std::optional<zorq::Installation> run() {
    return zorq::resolveStartup(system, plat::localFileSystem(), ui);
  }
};

TEST_F(Startup, WithoutZorqIniTellsTheUserAndWritesNothing) {
  EXPECT_FALSE(run().has_value());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "ZORQ.INI fehlt, Installation fehlerhaft");
  EXPECT_EQ(ui.shown[0].title, "Valmorin Config");
  EXPECT_EQ(ui.shown[0].icon, ui::Icon::Exclamation);
  EXPECT_EQ(windows.count(), 0u);
  EXPECT_TRUE(system.atoms.empty());
}

TEST_F(Startup, AFolderNamedZorqIniIsNoIni) {
  windows.write("zorq.ini\\x", "");
  EXPECT_FALSE(run().has_value());
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(Startup, ReadsTheInstallationDirectoryAndTheNetworkNumber) {
  windows.write("zorq.ini", "C:\\BOX\\\r\n 3 \r\n");
  auto where = run();
  ASSERT_TRUE(where.has_value());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(where->windowsDir, windows.path());
  EXPECT_EQ(where->installDir, "C:\\BOX\\");
  EXPECT_EQ(where->netNumber, 3);
  EXPECT_EQ(where->settingsFile("main.txt"), "C:\\BOX\\daten\\main.txt");
  EXPECT_EQ(where->textFile("deutsch.lng"), "C:\\BOX\\texte\\deutsch.lng");
  EXPECT_EQ(where->netSettingsFile("zeit.txt"), "C:\\BOX\\daten\\zeit3.txt");
}

TEST(Ini, MissingOrOddLinesNeverStopTheEditor) {
  EXPECT_EQ(zorq::parseIni("C:\\BOX\\").installDir, "C:\\BOX\\");
  EXPECT_EQ(zorq::parseIni("").installDir, "");
  const std::pair<const char*, int> numbers[] = {{"", 0},   {"12", 9},   {"300", 9},
                                                 {"-4", 0}, {"zwei", 0}, {"7,1", 7}};
  for (auto [line, number] : numbers)
    EXPECT_EQ(zorq::parseIni("X\r\n" + std::string(line) + "\r\n").netNumber, number) << line;
  EXPECT_EQ(zorq::parseIni("C:\\BOX\\\r\n").netNumber, 0);
}

TEST(Ini, WrittenWithTwoLinesAndReadBack) {
  TempDir windows;
  zorq::Installation where{windows.path(), "C:\\PROGRA~1\\VALMOR~1\\", 9};
  ASSERT_TRUE(zorq::writeIni(plat::localFileSystem(), where).ok());
  EXPECT_EQ(windows.read("zorq.ini"), "C:\\PROGRA~1\\VALMOR~1\\\r\n 9 \r\n");
  auto back = zorq::parseIni(windows.read("zorq.ini"));
  EXPECT_EQ(back.installDir, where.installDir);
  EXPECT_EQ(back.netNumber, 9);
}

TEST(TimeToMinutes, ConvertsAndComplainsInTheFormatMessage) {
  FakeUi ui;
  EXPECT_EQ(zorq::TimeToMinutes("00:00", ui), 0);
  EXPECT_EQ(zorq::TimeToMinutes("23:59", ui), 1439);
  EXPECT_EQ(zorq::TimeToMinutes("25:99", ui), 1599);
  EXPECT_EQ(zorq::TimeToMinutes("1230", ui), 720);
  EXPECT_EQ(zorq::TimeToMinutes(" 9:30", ui), 570);
  EXPECT_TRUE(ui.shown.empty());

  for (const char* bad : {"ab:cd", "9:30", "12:3x", "", "12:"}) {
    ui.shown.clear();
    EXPECT_EQ(zorq::TimeToMinutes(bad, ui), 0) << bad;
    ASSERT_EQ(ui.shown.size(), 1u) << bad;
    EXPECT_EQ(ui.shown[0].text, std::string(bad) + " hat das falsche Format (SS:MM)");
    EXPECT_EQ(ui.shown[0].title, "Fehler");
    EXPECT_EQ(ui.shown[0].icon, ui::Icon::None);
  }
}

}  // namespace
