#include "users/newuser.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;
using Names = std::vector<std::string>;

std::string group(const std::string& name, const std::string& data) {
  return name + "\r\n " + std::to_string(data.size()) + " \r\n" + data;
}

struct NewUser : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  zorq::NewUserDefaults model;
  NewUser() { fs.makeDirectory(dir.path() + "daten"); }

  void groups(const std::string& bytes) { dir.write("daten\\gruppen.dat", bytes); }
  void newuser(const std::string& bytes) { dir.write("daten\\newuser.dat", bytes); }
  std::string newuser() const { return dir.read("daten\\newuser.dat"); }
};

TEST_F(NewUser, GroupDataThatLooksLikeNamesIsSkippedAndSharedGroupsAreListedOnce) {
  // The data of "Mitglieder" holds lines that look like group records.
  groups(group("Mitglieder", "Spieler\r\n 0 \r\n") + group("G\xe4ste", "") + group("Spieler", "x"));
  newuser("500\r\n10\r\n60\r\n5\r\nSpieler\r\nAltgruppe\r\n");
  ASSERT_TRUE(model.load(fs, where).ok());
  EXPECT_EQ(model.values, (std::array<std::string, 4>{"500", "10", "60", "5"}));
  EXPECT_EQ(model.forNewUsers, (Names{"Altgruppe", "Spieler"}));
  EXPECT_EQ(model.remaining, (Names{"G\xe4ste", "Mitglieder"}));
}

TEST_F(NewUser, WithoutFilesTheListsAreEmptyAndOkWritesFourZeros) {
  ASSERT_TRUE(model.load(fs, where).ok());
  EXPECT_TRUE(model.forNewUsers.empty());
  EXPECT_TRUE(model.remaining.empty());
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(newuser(), "0\r\n0\r\n0\r\n0\r\n");
  EXPECT_FALSE(dir.exists("daten\\newuser.dat.bak"));
}

TEST_F(NewUser, CaseOnlyDifferencesAreDifferentGroupsAndMovingAllOutLeavesFourLines) {
  groups(group("netz", "") + group("Netz", "") + group("Mitglieder", ""));
  newuser("1\r\n2\r\n3\r\n4\r\nnetz\r\n");
  ASSERT_TRUE(model.load(fs, where).ok());
  EXPECT_EQ(model.forNewUsers, (Names{"netz"}));
  EXPECT_EQ(model.remaining, (Names{"Mitglieder", "Netz"}));

  // Moves go to the sorted place; an index outside the list does nothing.
  EXPECT_TRUE(model.toNewUsers(1));
  EXPECT_TRUE(model.toNewUsers(0));
  EXPECT_EQ(model.forNewUsers, (Names{"Mitglieder", "netz", "Netz"}));
  EXPECT_FALSE(model.toNewUsers(0));
  EXPECT_FALSE(model.toRemaining(3));
  EXPECT_FALSE(model.toRemaining(-1));
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(newuser(), "1\r\n2\r\n3\r\n4\r\nMitglieder\r\nnetz\r\nNetz\r\n");

  while (model.toRemaining(0)) {
  }
  EXPECT_EQ(model.remaining, (Names{"Mitglieder", "netz", "Netz"}));
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(newuser(), "1\r\n2\r\n3\r\n4\r\n");
}

TEST_F(NewUser, GroupLinesAreWrittenInSortedOrderAndEmptyValuesAsZero) {
  newuser("\r\n\r\n60\r\n\r\nZ\xfcrich\r\n\xc4rzte\r\nanf\xe4nger\r\nAbend\r\n");
  ASSERT_TRUE(model.load(fs, where).ok());
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(newuser(), "0\r\n0\r\n60\r\n0\r\nAbend\r\nanf\xe4nger\r\n\xc4rzte\r\nZ\xfcrich\r\n");
}

// A newuser.dat of two lines: the two values stay, "restliche Gruppen" is
// not filled, and "OK" keeps the damaged file as .bak.
TEST_F(NewUser, AShortNewuserDatKeepsWhatWasReadAndIsKeptAsBak) {
  groups(group("Mitglieder", ""));
  newuser("500\r\n10\r\n");
  EXPECT_EQ(model.load(fs, where).error, "Fehler beim Laden von <newuser.dat>");
  EXPECT_EQ(model.values, (std::array<std::string, 4>{"500", "10", "", ""}));
  EXPECT_TRUE(model.remaining.empty());
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(newuser(), "500\r\n10\r\n0\r\n0\r\n");
  EXPECT_EQ(dir.read("daten\\newuser.dat.bak"), "500\r\n10\r\n");
}

// At most 201 groups: a 202nd is a load error. newuser.dat is read all the
// same, so that "OK" cannot drop its values and groups.
TEST_F(NewUser, A202ndGroupIsALoadErrorThatKeepsNewuserDat) {
  std::string bytes;
  for (int i = 0; i < 201; ++i) bytes += group("G" + std::to_string(1000 + i), "d\r\n");
  groups(bytes);
  newuser("1\r\n2\r\n3\r\n4\r\nG1000\r\n");
  ASSERT_TRUE(model.load(fs, where).ok());
  EXPECT_EQ(model.remaining.size(), 200u);

  groups(bytes + group("G1201", ""));
  EXPECT_EQ(model.load(fs, where).error, "Fehler beim Laden von <newuser.dat>");
  EXPECT_EQ(model.forNewUsers, (Names{"G1000"}));
  EXPECT_EQ(model.remaining.size(), 200u);
  EXPECT_EQ(model.remaining.back(), "G1200");
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(newuser(), "1\r\n2\r\n3\r\n4\r\nG1000\r\n");
}

}  // namespace
