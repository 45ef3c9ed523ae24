#include "users/misc_lists.h"

#include <gtest/gtest.h>

#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::FaultyFileSystem;
using testing_support::TempDir;
using Names = std::vector<std::string>;

struct Misc : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  zorq::MainSettings settings;
  zorq::MiscLists model;
  Misc() { fs.makeDirectory(dir.path() + "daten"); }
};

TEST_F(Misc, ForbiddenNamesAreAddedInUpperCaseOnceAndKeepTheirOrder) {
  dir.write("daten\\userver.txt", "SYSOP\r\n\r\nGAST");
  model.load(fs, where, settings);
  EXPECT_EQ(model.forbidden, (Names{"SYSOP", "", "GAST"}));
  EXPECT_TRUE(model.addForbidden("meier"));
  EXPECT_FALSE(model.addForbidden("Meier"));
  EXPECT_FALSE(model.addForbidden(""));
  EXPECT_TRUE(model.addForbidden("m\xfcller"));    // müller
  EXPECT_EQ(model.forbidden.back(), "M\xdcLLER");  // MÜLLER
  EXPECT_TRUE(model.addForbidden("abel"));
  model.removeForbidden(1);
  model.removeForbidden(-1);
  model.removeForbidden(99);
  ASSERT_TRUE(model.save(fs, where, settings).ok());
  EXPECT_EQ(dir.read("daten\\userver.txt"), "SYSOP\r\nGAST\r\nMEIER\r\nM\xdcLLER\r\nABEL\r\n");
}

TEST_F(Misc, CosysopsAreSortedWithUmlautsAndAddedOnlyOnceExactly) {
  dir.write("daten\\cosysop.txt", "Zorro\r\n\xd6zil\r\nabel\r\n");
  model.load(fs, where, settings);
  EXPECT_EQ(model.cosysops, (Names{"abel", "\xd6zil", "Zorro"}));
  EXPECT_TRUE(model.addCosysop("Otto"));
  EXPECT_FALSE(model.addCosysop("Otto"));
  EXPECT_FALSE(model.addCosysop(""));  // the picker was cancelled
  EXPECT_TRUE(model.addCosysop("ABEL"));
  EXPECT_EQ(model.cosysops, (Names{"abel", "ABEL", "Otto", "\xd6zil", "Zorro"}));
  model.removeCosysop(0);
  ASSERT_TRUE(model.save(fs, where, settings).ok());
  EXPECT_EQ(dir.read("daten\\cosysop.txt"), "ABEL\r\nOtto\r\n\xd6zil\r\nZorro\r\n");
}

TEST_F(Misc, OkWithEmptyListsLeavesEmptyFilesAndPutsTheCommentIntoTheRecordOnly) {
  settings.importComment = "alt";
  model.load(fs, where, settings);
  EXPECT_EQ(model.importComment, "alt");
  model.importComment = "neu";
  ASSERT_TRUE(model.save(fs, where, settings).ok());
  EXPECT_TRUE(dir.exists("daten\\cosysop.txt"));
  EXPECT_EQ(dir.read("daten\\cosysop.txt"), "");
  EXPECT_EQ(dir.read("daten\\userver.txt"), "");
  EXPECT_EQ(settings.importComment, "neu");
  EXPECT_FALSE(dir.exists("daten\\main.txt"));
}

TEST_F(Misc, AFailedSaveKeepsTheFilesAndTheComment) {
  dir.write("daten\\userver.txt", "GAST\r\n");
  settings.importComment = "alt";
  model.load(fs, where, settings);
  model.addForbidden("neu");
  model.importComment = "neu";
  FaultyFileSystem faulty(fs);
  faulty.failReplace = true;
  const std::string error = model.save(faulty, where, settings).error;
  EXPECT_EQ(error.substr(0, error.find("\r\n")), "Fehler beim Speichern von <cosysop.txt>");
  EXPECT_EQ(dir.read("daten\\userver.txt"), "GAST\r\n");
  EXPECT_FALSE(dir.exists("daten\\cosysop.txt"));
  EXPECT_EQ(settings.importComment, "alt");
}

}  // namespace
