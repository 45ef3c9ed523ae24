#include "network/packer.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace {

using testing_support::TempDir;
using zorq::Packer;
using zorq::PackerEditor;
using Names = std::vector<std::string>;

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const std::string kPackers =
    "ARJ\r\nARJ a -e -y $A $F\r\nARJ e -y $A\r\nARJ\r\nARJ\r\n"
    "PKZIP 2.04g\r\nPKZIP -a $A $F\r\nPKUNZIP -o $A\r\nZIP\r\nZIP\r\n"
    "LHA 2.55\r\nLHA a /m $A $F\r\nLHA e /m $A\r\nLZH\r\nLHA\r\n" +
    repeat("\r\n", 35);
const std::string kLists = "ARJ l $A\r\nPKUNZIP -v $A\r\nLHA l $A\r\n" + repeat("\r\n", 7);

struct PackerFiles : ::testing::Test {
  TempDir box;
  zorq::Installation where{box.path(), box.path(), 0};
  plat::FileSystem& fs = plat::localFileSystem();
  PackerEditor editor;

  PackerFiles() { fs.makeDirectory(box.path() + "daten"); }
  std::string file(const std::string& name) const { return box.read("daten\\" + name); }
};

TEST_F(PackerFiles, WithoutFilesTenEmptyPackersAreWrittenAs50And10EmptyLines) {
  box.write("daten\\pack2.txt", kLists);  // not read without packer.txt
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.listNames, Names(10, ""));
  EXPECT_EQ(editor.current, 0);
  EXPECT_EQ(editor.records[0], Packer{});
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("packer.txt"), repeat("\r\n", 50));
  EXPECT_EQ(file("pack2.txt"), repeat("\r\n", 10));
}

TEST_F(PackerFiles, BothFilesReadAndWrittenBackUnchanged) {
  box.write("daten\\packer.txt", kPackers + "Zeile 51\r\n");  // further lines are ignored
  box.write("daten\\pack2.txt", kLists);
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.listNames, (Names{"ARJ", "PKZIP 2.04g", "LHA 2.55", "", "", "", "", "", "", ""}));
  EXPECT_EQ(editor.records[1],
            (Packer{"PKZIP 2.04g", "PKZIP -a $A $F", "PKUNZIP -o $A", "ZIP", "ZIP", "PKUNZIP -v $A"}));
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("packer.txt"), kPackers);
  EXPECT_EQ(file("pack2.txt"), kLists);
}

TEST_F(PackerFiles, WithoutPack2TheListCommandsAreEmpty) {
  box.write("daten\\packer.txt", kPackers);
  ASSERT_TRUE(editor.load(fs, where).ok());
  for (const Packer& r : editor.records) EXPECT_EQ(r.list, "");
  EXPECT_EQ(editor.records[2].name, "LHA 2.55");
}

TEST_F(PackerFiles, ValuesAreCutToTheirWidthsAndWrittenWithoutOuterBlanks) {
  ASSERT_TRUE(editor.load(fs, where).ok());
  editor.getdata({"Ein sehr langer Packername", "   ARJ a $A $F  ", std::string(90, 'x'), "TGZIP",
                  "Kennung-mit-17-Z", " " + std::string(85, 'l')});
  EXPECT_EQ(editor.setdata(), (Packer{"Ein sehr langer Pack", "ARJ a $A $F", std::string(80, 'x'), "TGZI",
                                      "Kennung-mit-17-", std::string(79, 'l')}));
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("packer.txt"), "Ein sehr langer Pack\r\nARJ a $A $F\r\n" + std::string(80, 'x') +
                                    "\r\nTGZI\r\nKennung-mit-17-\r\n" + repeat("\r\n", 45));
  EXPECT_EQ(file("pack2.txt"), std::string(79, 'l') + "\r\n" + repeat("\r\n", 9));

  // Read values are cut too.
  box.write("daten\\packer.txt", "123456789012345678901234\r\n" + repeat("\r\n", 49));
  ASSERT_TRUE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.records[0].name, "12345678901234567890");
  EXPECT_EQ(editor.listNames[0], "12345678901234567890");
}

TEST_F(PackerFiles, AShortPack2KeepsEveryPackerOfPackerTxtAndIsKeptAsBackup) {
  box.write("daten\\packer.txt", kPackers);
  box.write("daten\\pack2.txt", "ARJ l $A\r\nPKUNZIP -v $A\r\n");
  EXPECT_EQ(editor.load(fs, where).error, "Fehler beim Laden von <packer.txt>");
  EXPECT_EQ(editor.listNames.size(), 10u);
  // What the fields show after the error is the packer as read, so that
  // "OK" stores it back unchanged.
  editor.getdata(editor.setdata());
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("packer.txt"), kPackers);
  EXPECT_EQ(file("pack2.txt"), "ARJ l $A\r\nPKUNZIP -v $A\r\n" + repeat("\r\n", 8));
  EXPECT_EQ(file("pack2.txt.bak"), "ARJ l $A\r\nPKUNZIP -v $A\r\n");
  EXPECT_FALSE(box.exists("daten\\packer.txt.bak"));
}

TEST_F(PackerFiles, AShortPackerTxtKeepsWhatWasReadAndTheListCommands) {
  box.write("daten\\packer.txt", "ARJ\r\nARJ a $A $F\r\nARJ e $A\r\nARJ\r\nARJ\r\nZIP\r\nPKZIP\r\n");
  box.write("daten\\pack2.txt", kLists);
  EXPECT_FALSE(editor.load(fs, where).ok());
  EXPECT_EQ(editor.listNames, (Names{"ARJ", "ZIP"}));
  EXPECT_EQ(editor.records[1].pack, "PKZIP");
  EXPECT_EQ(editor.records[2].list, "LHA l $A");
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("pack2.txt"), kLists);
  EXPECT_EQ(file("packer.txt.bak"), "ARJ\r\nARJ a $A $F\r\nARJ e $A\r\nARJ\r\nARJ\r\nZIP\r\nPKZIP\r\n");
}

TEST_F(PackerFiles, AFailedSaveLeavesBothFilesAsTheyWere) {
  box.write("daten\\packer.txt", kPackers);
  box.write("daten\\pack2.txt", kLists);
  ASSERT_TRUE(editor.load(fs, where).ok());
  editor.getdata({"NEU", "", "", "", "", ""});
  where.installDir = box.path() + "fehlt\\";
  const std::string error = editor.save(fs, where).error;
  EXPECT_TRUE(error.starts_with("Fehler beim Speichern von <packer.txt>\r\n")) << error;
  EXPECT_EQ(file("packer.txt"), kPackers);
  EXPECT_EQ(file("pack2.txt"), kLists);
}

}  // namespace
