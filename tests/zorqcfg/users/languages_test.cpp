#include "users/languages.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;

struct LanguageFile : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"C:\\WINDOWS\\", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  zorq::Languages model;
  LanguageFile() { fs.makeDirectory(dir.path() + "daten"); }
};

TEST_F(LanguageFile, WithoutTheFileOkWritesFiveEmptyLines) {
  ASSERT_TRUE(model.load(fs, where).ok());
  for (const std::string& name : model.names) EXPECT_EQ(name, "");
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(dir.read("daten\\sprachen.txt"), "\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(LanguageFile, FiveLinesRoundTripUnchanged) {
  const std::string bytes =
      "deutsch\r\nenglish\r\n\r\nfran\xe7"
      "ais\r\nplatt dt\r\n";
  dir.write("daten\\sprachen.txt", bytes);
  ASSERT_TRUE(model.load(fs, where).ok());
  EXPECT_EQ(model.names[3],
            "fran\xe7"
            "ais");
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(dir.read("daten\\sprachen.txt"), bytes);
}

TEST_F(LanguageFile, ThreeLinesFillThreeSlotsThenReportTheErrorAndOkKeepsABackup) {
  dir.write("daten\\sprachen.txt", "deutsch\r\nenglish\r\nplatt\r\n");
  EXPECT_EQ(model.load(fs, where).error, "Fehler beim Laden von <sprachen.txt>");
  EXPECT_EQ(model.names, (zorq::LanguageNames{"deutsch", "english", "platt", "", ""}));
  ASSERT_TRUE(model.save(fs, where).ok());
  EXPECT_EQ(dir.read("daten\\sprachen.txt"), "deutsch\r\nenglish\r\nplatt\r\n\r\n\r\n");
  EXPECT_EQ(dir.read("daten\\sprachen.txt.bak"), "deutsch\r\nenglish\r\nplatt\r\n");
}

TEST(LanguageEdit, OpensTheNamedLngFileInNotepadAndNothingForAnEmptyName) {
  zorq::Installation where{"C:\\WINDOWS\\", "C:\\BOX\\"};
  EXPECT_EQ(zorq::languageEditCommand(where, "english"),
            "C:\\WINDOWS\\notepad.exe C:\\BOX\\texte\\english.lng");
  EXPECT_FALSE(zorq::languageEditCommand(where, "").has_value());
  where.installDir = "C:\\Programme\\Valmorin Box\\";
  EXPECT_EQ(zorq::languageEditCommand(where, "english"),
            "C:\\WINDOWS\\notepad.exe \"C:\\Programme\\Valmorin Box\\texte\\english.lng\"");
}

}  // namespace
