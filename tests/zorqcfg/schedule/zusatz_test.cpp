#include "schedule/zusatz.h"

#include <gtest/gtest.h>

#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::FaultyFileSystem;
using testing_support::TempDir;
using zorq::AddOnTool;

struct Tools : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  zorq::ToolsEditor editor;
};

TEST_F(Tools, WithoutTheFileTheListIsEmptyAndNeuThenOkWritesNameAndTab) {
  ASSERT_TRUE(editor.open(fs, where).ok());
  EXPECT_TRUE(editor.tools.empty());
  EXPECT_EQ(editor.selected, -1);
  editor.neu();
  EXPECT_EQ(editor.tools, (std::vector<AddOnTool>{{"(NEU)", ""}}));
  EXPECT_EQ(editor.nameField, "(NEU)");
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("zusatz.dat"), "(NEU)\t\r\n");  // beside daten\, not in it
  editor.loeschen();
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("zusatz.dat"), "");
}

TEST_F(Tools, CallsAreWrittenInUpperCaseAndLoadBackSo) {
  ASSERT_TRUE(editor.open(fs, where).ok());
  editor.neu();
  editor.setNameField("Geb\xfchrenz\xe4hler");
  editor.setCallField("c:\\tools\\pack.exe -x \xe4\xf6\xfc");
  EXPECT_EQ(editor.tools[0].call, "c:\\tools\\pack.exe -x \xe4\xf6\xfc");  // shown as typed
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("zusatz.dat"), "Geb\xfchrenz\xe4hler\tC:\\TOOLS\\PACK.EXE -X \xc4\xd6\xdc\r\n");
  ASSERT_TRUE(editor.open(fs, where).ok());
  EXPECT_EQ(editor.callField, "C:\\TOOLS\\PACK.EXE -X \xc4\xd6\xdc");
}

TEST_F(Tools, LinesAreSplitAtTheFirstTabAndLinesWithoutOneDroppedWithABackup) {
  const std::string bytes = "Brettpflege\tC:\\B.EXE\r\nkein Tab\r\n\r\nScan\tC:\\S.EXE\tA\tB\r\n\tNUR AUFRUF";
  dir.write("zusatz.dat", bytes);
  ASSERT_TRUE(editor.open(fs, where).ok());
  EXPECT_EQ(editor.tools,
            (std::vector<AddOnTool>{
                {"Brettpflege", "C:\\B.EXE"}, {"Scan", "C:\\S.EXE\tA\tB"}, {"", "NUR AUFRUF"}}));
  EXPECT_EQ(editor.selected, 0);
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("zusatz.dat"), "Brettpflege\tC:\\B.EXE\r\nScan\tC:\\S.EXE\tA\tB\r\n\tNUR AUFRUF\r\n");
  EXPECT_EQ(dir.read("zusatz.dat.bak"), bytes);

  // A clean file needs no backup: the one there stays as it was.
  dir.write("zusatz.dat.bak", "alt");
  ASSERT_TRUE(editor.open(fs, where).ok());
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("zusatz.dat.bak"), "alt");
}

TEST_F(Tools, ATabInANameIsWrittenAsABlank) {
  editor.neu();
  editor.setNameField("A\tB");
  editor.setCallField("x");
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(dir.read("zusatz.dat"), "A B\tX\r\n");
}

TEST_F(Tools, AFailedSaveIsToldAndLeavesTheOldFile) {
  dir.write("zusatz.dat", "A\tB\r\n");
  FaultyFileSystem faulty(fs);
  faulty.failWrite = true;
  ASSERT_TRUE(editor.open(faulty, where).ok());
  editor.neu();
  EXPECT_EQ(editor.save(faulty, where).error,
            "Fehler beim Speichern von <zusatz.dat>\r\nDie neue Datei l\xe4sst sich nicht schreiben.");
  EXPECT_EQ(dir.read("zusatz.dat"), "A\tB\r\n");
  EXPECT_EQ(dir.count(), 1u);
}

TEST_F(Tools, DeletingAndChoosingWorkOnTheSelectedTool) {
  editor.loeschen();         // nothing selected: nothing happens
  editor.wahl("C:\\X.EXE");  // empty list: nothing
  EXPECT_TRUE(editor.tools.empty());
  EXPECT_EQ(editor.callField, "");
  editor.neu();
  editor.neu();
  editor.setNameField("zwei");
  editor.wahl("");
  EXPECT_EQ(editor.tools[1].call, "");
  editor.wahl("C:\\X.EXE");
  EXPECT_EQ(editor.tools[1], (AddOnTool{"zwei", "C:\\X.EXE"}));
  editor.loeschen();
  EXPECT_EQ(editor.tools, (std::vector<AddOnTool>{{"(NEU)", ""}}));
  EXPECT_EQ(editor.selected, 0);
  editor.loeschen();
  EXPECT_TRUE(editor.tools.empty());
  EXPECT_EQ(editor.selected, -1);
  EXPECT_EQ(editor.nameField, "");
}

}  // namespace
