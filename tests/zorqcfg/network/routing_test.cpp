#include "network/routing.h"

#include <gtest/gtest.h>

#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::TempDir;
using zorq::DomainRouting;
using zorq::Route;
using zorq::RouteColumn;
using Routes = std::vector<Route>;

struct RoutingFile : ::testing::Test {
  TempDir box;
  zorq::Installation where{box.path(), box.path(), 0};
  plat::FileSystem& fs = plat::localFileSystem();
  DomainRouting table;

  RoutingFile() { fs.makeDirectory(box.path() + "daten"); }
  std::string file() const { return box.read("daten\\routing.txt"); }
};

TEST_F(RoutingFile, SendersFirstThenSpecificRecipientsBeforeTheStarEachInListOrder) {
  table.rows = {{"*", "", "G"}, {"r1", "s1", "X"}, {"*", "s2", "Y"}, {"r2", "", "Z"}, {"r3", "S3", "w"}};
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_EQ(file(), " 5\r\nr1~s1\tX\r\nr3~S3\tW\r\n*~s2\tY\r\nr2\tZ\r\n*\tG\r\n");

  table.rows.clear();
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_EQ(file(), " 0\r\n");
}

TEST_F(RoutingFile, RecipientsAreWrittenInLowerCaseRoutesInUpperCaseSendersAsTyped) {
  table.rows = {{"T-Online.DE", "Nordlicht.Luebeck.DE", "westhof"}, {"K\xdcSTE.\xc4\xd6", "", "s\xfc\xe4"}};
  table.add();  // "(NEU)", still so at "OK"
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_EQ(file(),
            " 3\r\nt-online.de~Nordlicht.Luebeck.DE\tWESTHOF\r\nk\xfcste.\xe4\xf6\tS\xdc\xc4\r\n(neu)\t\r\n");
}

TEST_F(RoutingFile, ReadingSkipsTheCountAndLinesWithoutTabAndSplitsAtTheFirstTabAndTilde) {
  box.write("daten\\routing.txt",
            " 99\r\n*\tG\r\nohne tab\r\nx~y~z\tR\r\nfido.de\tFIDO\tGATE\r\n\r\n~nur\t\r\nlast\tL");
  ASSERT_TRUE(table.load(fs, where).ok());
  EXPECT_EQ(table.rows, (Routes{{"*", "", "G"},
                                {"x", "y~z", "R"},
                                {"fido.de", "", "FIDO\tGATE"},
                                {"", "nur", ""},
                                {"last", "", "L"}}));
  EXPECT_EQ(table.selected, 0);
}

// The lines without a TAB go with the next save: the file as it was is kept
// as routing.txt.bak then, once. A file without such lines keeps none.
TEST_F(RoutingFile, LinesWithoutATabThatASaveDropsAreKeptInTheBackup) {
  const std::string withLoose = " 2\r\n*\tG\r\nohne tab\r\n";
  box.write("daten\\routing.txt", withLoose);
  ASSERT_TRUE(table.load(fs, where).ok());
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_EQ(file(), " 1\r\n*\tG\r\n");
  EXPECT_EQ(box.read("daten\\routing.txt.bak"), withLoose);
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_FALSE(box.exists("daten\\routing.txt.bak2"));
  ASSERT_TRUE(table.load(fs, where).ok());
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_FALSE(box.exists("daten\\routing.txt.bak2"));

  // A NUL in a line is a load error, and the file is kept too.
  box.write("daten\\routing.txt", std::string(" 1\r\nx\0\tY\r\n", 11));
  EXPECT_EQ(table.load(fs, where).error, "Fehler beim Laden von <routing.txt>");
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_EQ(box.read("daten\\routing.txt.bak"), std::string(" 1\r\nx\0\tY\r\n", 11));
}

TEST_F(RoutingFile, ALoadedTableIsWrittenBackInItsOwnOrder) {
  const std::string bytes =
      " 6\r\nt-online.de~nordlicht.luebeck.de\tWESTHOF\r\n*~nordlicht.fido.de\tFIDOGATE\r\n"
      "fido.de\tFIDOGATE\r\ncl-netz.de\tSUEDWIND\r\nkuestenfunk.zer\tK\xdcSTENFUNK\r\n*\tWESTHOF\r\n";
  box.write("daten\\routing.txt", bytes);
  ASSERT_TRUE(table.load(fs, where).ok());
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_EQ(file(), bytes);
  EXPECT_FALSE(box.exists("daten\\routing.txt.bak"));
}

TEST_F(RoutingFile, WithoutAFileTheTableIsEmptyAndNothingIsSelected) {
  ASSERT_TRUE(table.load(fs, where).ok());
  EXPECT_TRUE(table.rows.empty());
  EXPECT_EQ(table.selected, -1);
  table.edit(RouteColumn::Route, "WESTHOF");  // no row to write into
  EXPECT_TRUE(table.rows.empty());
}

// A file system on which the routing file cannot be read.
struct UnreadableRouting : testing_support::FaultyFileSystem {
  using FaultyFileSystem::FaultyFileSystem;
  txt::Status readAll(const std::string& path, std::string& bytes) override {
    if (path.ends_with("routing.txt")) return txt::Status::Fail("access denied");
    return FaultyFileSystem::readAll(path, bytes);
  }
};

TEST_F(RoutingFile, AFileThatCouldNotBeReadIsKeptAsBackupWhenReplaced) {
  box.write("daten\\routing.txt", " 1\r\n*\tG\r\n");
  UnreadableRouting unreadable(fs);
  EXPECT_EQ(table.load(unreadable, where).error, "Fehler beim Laden von <routing.txt>");
  EXPECT_TRUE(table.rows.empty());
  EXPECT_EQ(table.selected, -1);
  table.add();
  ASSERT_TRUE(table.save(fs, where).ok());
  EXPECT_EQ(file(), " 1\r\n(neu)\t\r\n");
  EXPECT_EQ(box.read("daten\\routing.txt.bak"), " 1\r\n*\tG\r\n");
  box.write("daten\\routing.txt.bak", "alt");
  ASSERT_TRUE(table.save(fs, where).ok());  // saved once, the backup is made
  EXPECT_EQ(box.read("daten\\routing.txt.bak"), "alt");
}

}  // namespace
