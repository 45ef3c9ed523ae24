#include "core/picker_lists.h"

#include <gtest/gtest.h>

#include "fake_ui.h"
#include "temp_dir.h"

namespace {

using testing_support::FakeUi;
using testing_support::TempDir;
using Entries = std::vector<std::string>;

TEST(UserFile, NamesFollowTheFirstDegreeSign) {
  auto list = zorq::parseUsers(
      "17\xb0MEIER\r\nMEIER\r\na\xb0"
      "b\xb0"
      "c\r\n\r\n\xb0\r\nSYSOP");
  EXPECT_TRUE(list.status.ok());
  EXPECT_EQ(list.entries, (Entries{"MEIER", "MEIER",
                                   "b\xb0"
                                   "c",
                                   "", "", "SYSOP"}));
  EXPECT_TRUE(zorq::parseUsers("").entries.empty());
}

std::string group(const std::string& name, const std::string& data) {
  return name + "\r\n " + std::to_string(data.size()) + " \r\n" + data;
}

TEST(GroupFile, NamesWithTheirDataSkipped) {
  std::string bytes = group("Mitglieder", "Zahlende\r\n 20 \r\n5,00 DM\r\n") + group("G\xe4ste", "") +
                      group("Spieler", "x\r\ny\r\n");
  auto list = zorq::parseGroups(bytes);
  EXPECT_TRUE(list.status.ok()) << list.status.error;
  EXPECT_EQ(list.entries, (Entries{"Mitglieder", "G\xe4ste", "Spieler"}));
}

TEST(GroupFile, ErrorsKeepTheGroupsReadBefore) {
  std::string first = group("Eins", "abc\r\n");
  for (std::string bad : {first + "Zwei\r\n zehn \r\n", first + "Zwei\r\n 10 \r\nkurz", first + "Zwei\r\n",
                          first + "Zwei\r\n-1 \r\n"}) {
    auto list = zorq::parseGroups(bad);
    EXPECT_FALSE(list.status.ok());
    EXPECT_EQ(list.entries, (Entries{"Eins"}));
  }
}

// The new-user dialog's table holds 201 groups; the group picker has no
// such limit and lists a 202nd group without a message.
TEST(GroupFile, TheLimitIsTheCallersAndThePickerHasNone) {
  std::string bytes;
  for (int i = 0; i < 201; ++i) bytes += group(std::to_string(1000 + i), "d\r\n");
  auto list = zorq::parseGroups(bytes, zorq::kMaxGroups);
  EXPECT_TRUE(list.status.ok());
  EXPECT_EQ(list.entries.size(), 201u);
  bytes += group("zweihundertzwei", "");
  list = zorq::parseGroups(bytes, zorq::kMaxGroups);
  EXPECT_FALSE(list.status.ok());
  EXPECT_EQ(list.entries.size(), 201u);

  TempDir box;
  box.write("daten\\gruppen.dat", bytes);
  zorq::Installation where{box.path(), box.path(), 0};
  FakeUi ui;
  auto picker = zorq::loadGroups(plat::localFileSystem(), where, ui);
  ASSERT_EQ(picker.size(), 202u);
  EXPECT_EQ(picker.back(), "zweihundertzwei");
  EXPECT_TRUE(ui.shown.empty());
}

TEST(PickerFiles, MissingIsSilentAndErrorsAreReported) {
  TempDir box;
  zorq::Installation where{box.path(), box.path(), 0};
  FakeUi ui;
  EXPECT_TRUE(zorq::loadUsers(plat::localFileSystem(), where, ui).empty());
  EXPECT_TRUE(zorq::loadGroups(plat::localFileSystem(), where, ui).empty());
  EXPECT_TRUE(ui.shown.empty());

  box.write("daten\\user.dat",
            "1\xb0"
            "A\r\nB\r\n");
  box.write("daten\\gruppen.dat", group("Eins", "x") + "Zwei\r\n 99 \r\nx");
  EXPECT_EQ(zorq::loadUsers(plat::localFileSystem(), where, ui), (Entries{"A", "B"}));
  EXPECT_EQ(zorq::loadGroups(plat::localFileSystem(), where, ui), (Entries{"Eins"}));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <gruppen.dat>");
  EXPECT_EQ(ui.shown[0].title, "Meldung");
  EXPECT_EQ(ui.shown[0].icon, ui::Icon::Information);
}

TEST(PickerAnswers, DirectoriesEndWithOneBackslash) {
  EXPECT_EQ(zorq::withBackslash("C:\\"), "C:\\");
  EXPECT_EQ(zorq::withBackslash("C:\\BOX"), "C:\\BOX\\");
  EXPECT_EQ(zorq::fileAnswer("C:\\", "a.wav"), "C:\\a.wav");
  EXPECT_EQ(zorq::fileAnswer("C:\\SOUND", "a.wav"), "C:\\SOUND\\a.wav");
  EXPECT_EQ(zorq::filePickerTitle(""), "File w\xe4hlen");
  EXPECT_EQ(zorq::fileListMask(""), "*.*");
}

TEST(PickerAnswers, FileMasksMatchTheWholeLongName) {
  const struct {
    const char *name, *mask;
    bool matches;
  } rows[] = {
      {"TUSCH.WAV", "*.wav", true},        {"gong.wave", "*.wav", false},  {"wav", "*.wav", false},
      {"\xc4rger.wav", "\xe4*.wav", true}, {"ruf1.wav", "ruf?.wav", true}, {"ruf12.wav", "ruf?.wav", false},
      {"a.b.wav", "*.*.wav", true},        {"liesmich", "*.*", true},      {"liesmich", "*", true}};
  for (const auto& row : rows)
    EXPECT_EQ(zorq::matchesMask(row.name, row.mask), row.matches) << row.name << " " << row.mask;
}

TEST(PickerAnswers, TreeRowsRunFromTheRootToTheOpenDirectory) {
  auto rows = zorq::openDirectoryRows("C:\\VALMORIN\\DATEN\\");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].label, "c:\\");
  EXPECT_EQ(rows[0].path, "C:\\");
  EXPECT_EQ(rows[1].label, "VALMORIN");
  EXPECT_EQ(rows[1].path, "C:\\VALMORIN");
  EXPECT_EQ(rows[2].path, "C:\\VALMORIN\\DATEN");
  EXPECT_EQ(rows[2].depth, 2);
  EXPECT_EQ(zorq::openDirectoryRows("D:\\").size(), 1u);
  rows = zorq::openDirectoryRows("\\\\server\\share\\box");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].path, "\\\\server\\share\\");
  EXPECT_EQ(rows[1].path, "\\\\server\\share\\box");
}

}  // namespace
