#include "network/netzpar.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;
using zorq::NetParameters;

// The 22 lines of the older file.
const std::string kOld =
    "NORDLICHT\r\nC:\\VALMORIN\\BRETTER\\\r\nS+2\r\n30:03\r\nW+1\r\n26:10\r\n64\r\n10\r\n"
    "nordlicht.zer\r\n1\r\nnordlicht.luebeck.de\r\n0\r\nnordlicht.fido.de\r\n0\r\n\r\n1\r\n"
    "10\r\n60\r\n2\r\n300\r\n30\r\n14\r\n";

struct NetParameterFile : ::testing::Test {
  TempDir box;
  zorq::Installation where{box.path(), box.path(), 0};
  plat::FileSystem& fs = plat::localFileSystem();
  NetParameters p;

  NetParameterFile() { fs.makeDirectory(box.path() + "daten"); }
  void write(const std::string& bytes) const { box.write("daten\\netzpar.dat", bytes); }
  std::string file() const { return box.read("daten\\netzpar.dat"); }
};

TEST_F(NetParameterFile, TheOlderFileOf22LinesIsSavedWithAll25) {
  std::string odd = kOld;
  odd.replace(odd.find("luebeck.de\r\n0"), 13, "luebeck.de\r\n 1");
  odd.replace(odd.find("fido.de\r\n0"), 10, "fido.de\r\n2");
  write(odd);
  ASSERT_TRUE(p.load(fs, where).ok());
  EXPECT_EQ(p.boxName, "NORDLICHT");
  EXPECT_EQ(p.boardsPath, "C:\\VALMORIN\\BRETTER\\");
  // Only a line of exactly "1" sets a flag.
  EXPECT_EQ(p.domainServer, (std::array<bool, 4>{true, false, false, true}));
  EXPECT_EQ(p.domain[3], "");
  EXPECT_FALSE(p.noDupeSort);
  EXPECT_EQ(p.releaseText, " 0");
  ASSERT_TRUE(p.save(fs, where).ok());
  EXPECT_EQ(file(),
            "NORDLICHT\r\nC:\\VALMORIN\\BRETTER\\\r\nS+2\r\n30:03\r\nW+1\r\n26:10\r\n64\r\n10\r\n"
            "nordlicht.zer\r\n1\r\nnordlicht.luebeck.de\r\n0\r\nnordlicht.fido.de\r\n0\r\n\r\n1\r\n"
            "10\r\n60\r\n2\r\n300\r\n30\r\n14\r\n0\r\n 0\r\n\r\n");
  EXPECT_FALSE(box.exists("daten\\netzpar.dat.bak"));
}

TEST_F(NetParameterFile, TheReleaseTimeKeepsItsBlankUntilTheBarMoves) {
  write(kOld + "1\r\n7\r\nNetzteilnehmer\r\n");
  ASSERT_TRUE(p.load(fs, where).ok());
  EXPECT_TRUE(p.noDupeSort);
  EXPECT_EQ(p.releaseTime, 7);
  EXPECT_EQ(p.group, "Netzteilnehmer");
  ASSERT_TRUE(p.save(fs, where).ok());
  EXPECT_EQ(file(), kOld + "1\r\n 7\r\nNetzteilnehmer\r\n");

  p.setReleaseTime(3);
  ASSERT_TRUE(p.save(fs, where).ok());
  EXPECT_EQ(file(), kOld + "1\r\n3\r\nNetzteilnehmer\r\n");

  // Line 24 counts by its numeric value; without a number it is 0.
  for (auto [line, value] : {std::pair{" 10 ", 10}, {"4x", 4}, {"keine", 0}, {"", 0}}) {
    NetParameters q;
    write(kOld + "0\r\n" + line + "\r\n");
    EXPECT_TRUE(q.load(fs, where).ok()) << line;
    EXPECT_EQ(q.releaseTime, value) << line;
    EXPECT_EQ(q.group, "") << line;
  }
}

TEST_F(NetParameterFile, AReleaseTimeTheBarCannotTakeIsALoadErrorAndTheFileIsKept) {
  write(kOld + "1\r\n11\r\nNetzteilnehmer\r\n");
  EXPECT_EQ(p.load(fs, where).error, "Fehler beim Laden von <netzpar.dat>");
  EXPECT_TRUE(p.noDupeSort);  // read before the error
  EXPECT_EQ(p.group, "");     // not read
  EXPECT_EQ(p.releaseTime, 0);
  EXPECT_EQ(p.releaseText, "");  // the display is not refreshed after an error
  ASSERT_TRUE(p.save(fs, where).ok());
  EXPECT_EQ(file(), kOld + "1\r\n0\r\n\r\n");
  EXPECT_EQ(box.read("daten\\netzpar.dat.bak"), kOld + "1\r\n11\r\nNetzteilnehmer\r\n");

  NetParameters negative;
  write(kOld + "0\r\n-1\r\n");
  EXPECT_FALSE(negative.load(fs, where).ok());
}

TEST_F(NetParameterFile, AFileShorterThan22LinesKeepsWhatWasReadAndNoStandardPath) {
  write("NORDLICHT\r\n\r\nS+2\r\n");
  EXPECT_FALSE(p.load(fs, where).ok());
  EXPECT_EQ(p.boxName, "NORDLICHT");
  EXPECT_EQ(p.summerZone, "S+2");
  EXPECT_EQ(p.boardsPath, "");  // "(Standard)" only after a load without error
  EXPECT_EQ(p.winterZone, "");
}

TEST_F(NetParameterFile, WithoutAFileEmptyNumbersAreWrittenAsZeroAndTextsEmpty) {
  ASSERT_TRUE(p.load(fs, where).ok());
  EXPECT_EQ(p.boardsPath, "(Standard)");
  EXPECT_EQ(p.releaseText, " 0");
  ASSERT_TRUE(p.save(fs, where).ok());
  EXPECT_EQ(file(),
            "\r\n\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n"    // 1 to 8
            "\r\n0\r\n\r\n0\r\n\r\n0\r\n\r\n0\r\n"  // the domains
            "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n 0\r\n\r\n");
}

TEST_F(NetParameterFile, FieldsAreStoredAsTypedWithoutAnyCheck) {
  p.boxName = " Nordlicht ";
  p.summerStart = "99:99";
  p.maxLetterKb = "viel";
  p.dialPause = "-5";
  p.domain = {"a.zer", "b.de", "c.de", "d.de"};
  p.domainServer = {false, true, false, true};
  p.noDupeSort = true;
  p.setReleaseTime(10);
  p.group = "Netz & Co";
  for (const std::string path : {"(Standard)", "(eigener)", "("}) {
    p.boardsPath = path;
    ASSERT_TRUE(p.save(fs, where).ok());
    EXPECT_EQ(file(),
              " Nordlicht \r\n\r\n\r\n99:99\r\n\r\n\r\nviel\r\n0\r\n"
              "a.zer\r\n0\r\nb.de\r\n1\r\nc.de\r\n0\r\nd.de\r\n1\r\n"
              "0\r\n-5\r\n0\r\n0\r\n0\r\n0\r\n1\r\n10\r\nNetz & Co\r\n")
        << path;
  }
  p.boardsPath = "D:\\(alt)\\";
  ASSERT_TRUE(p.save(fs, where).ok());
  EXPECT_NE(file().find("\r\nD:\\(alt)\\\r\n"), std::string::npos);
}

}  // namespace
