// The command editor driven as a sysop would: fields, group buttons, "OK"
// and "Abbruch".
#include "commands/frmprbefehle.h"

#include <objbase.h>
#include <gtest/gtest.h>

#include <memory>

#include "commands/frmprbefehle_ids.h"
#include "win32/dialog_view.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"
#include "win32/window_rules.h"

namespace {

using namespace testing_support;
using zorq::kCommandCount;

constexpr int kLesen = 21;

std::string repeat(const std::string& line, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += line;
  return out;
}

struct EditorView : DialogView<zorq::frmprbefehle> {
  zorq::CommandLevels memory{};

  HWND open() { return show(std::make_unique<zorq::frmprbefehle>(ctx, memory)); }
  HWND level(int command) const { return GetDlgItem(d, IDE_FRMPRBEFEHLE_LEVEL + command); }
  std::string group(int command) const { return textOf(d, IDB_FRMPRBEFEHLE_GRUPPE + command); }
  void clickGroup(int command) { click(d, IDB_FRMPRBEFEHLE_GRUPPE + command); }
};

TEST_F(EditorView, ShowsThreeBlocksOfLabelLevelAndGroupThatFitTheWindow) {
  open();
  EXPECT_EQ(fieldOf(d, "Lesen"), level(kLesen));
  EXPECT_EQ(fieldOf(d, "Pa\xdfwort"), level(28));
  EXPECT_EQ(fieldOf(d, "?"), level(0));
  EXPECT_EQ(fieldOf(d, "Weiterleiten"), level(42));

  // Commands 0, 17 and 34 head their blocks side by side; 16 and 33 end them.
  auto top = [&](int i) { return rectIn(d, level(i)).top; };
  auto left = [&](int i) { return rectIn(d, level(i)).left; };
  EXPECT_EQ(top(0), top(17));
  EXPECT_EQ(top(0), top(34));
  EXPECT_EQ(top(16), top(33));
  EXPECT_LT(left(0), left(17));
  EXPECT_LT(left(17), left(34));
  EXPECT_EQ(left(33), left(17));

  expectEverythingFits(d);
}

TEST_F(EditorView, OkWritesTheTypedLevelsAndTheChosenGroups) {
  open();
  EXPECT_EQ(group(kLesen), "<<keine>>");
  type(d, IDE_FRMPRBEFEHLE_LEVEL + kLesen, "300");
  pickers.groups = {"Sysops", "@"};
  clickGroup(kLesen);
  EXPECT_EQ(group(kLesen), "Sysops");
  clickGroup(kLesen);  // "Abbruch" in the picker
  EXPECT_EQ(group(kLesen), "Sysops");
  // The picker opens on the command's group.
  EXPECT_EQ(pickers.groupsShown, (std::vector<std::string>{"", "Sysops"}));

  // 300 is no level: refused, not wrapped to 44; the field gets the caret
  // and nothing is written.
  focus(d, IDB_FRMPRBEFEHLE_OK);
  click(d, IDB_FRMPRBEFEHLE_OK);
  ASSERT_TRUE(dialog->IsOpen());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Der Level muss zwischen 0 und 255 liegen.");
  EXPECT_EQ(focusedIn(d), level(kLesen));
  EXPECT_FALSE(dir.exists("daten\\befehle.txt"));

  type(d, IDE_FRMPRBEFEHLE_LEVEL + kLesen, "200");
  click(d, IDB_FRMPRBEFEHLE_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("befehle.txt"), repeat(" 0 \r\n", 21) + " 200 \r\n" + repeat(" 0 \r\n", 21));
  EXPECT_EQ(file("befgrup.txt"), repeat("\r\n", 21) + "Sysops\r\n" + repeat("\r\n", 21));
  EXPECT_EQ(ui.shown.size(), 1u);
}

TEST_F(EditorView, AGroupWithAnAmpersandShowsItAndIsWrittenUnchanged) {
  open();
  pickers.groups = {"Bits & Bytes"};
  clickGroup(1);
  EXPECT_EQ(group(1), "Bits && Bytes");  // one "&" shown, none underlining
  SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDB_FRMPRBEFEHLE_OK, BN_CLICKED), 0);
  EXPECT_EQ(file("befgrup.txt"), "\r\nBits & Bytes\r\n" + repeat("\r\n", 41));
}

TEST_F(EditorView, AbbruchAndEscapeWriteNothingAndEnterSaves) {
  open();
  type(d, IDE_FRMPRBEFEHLE_LEVEL + kLesen, "7");
  pickers.groups = {"Sysops"};
  clickGroup(kLesen);
  click(d, IDB_FRMPRBEFEHLE_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  d = open();
  SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(dir.exists("daten\\befehle.txt"));
  EXPECT_FALSE(dir.exists("daten\\befgrup.txt"));
  d = open();
  SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_TRUE(dir.exists("daten\\befehle.txt"));
}

TEST_F(EditorView, AfterALoadErrorTheFieldsHoldTheLevelsOfBeforeNotZero) {
  memory.fill(3);
  dir.write("daten\\befehle.txt", " 9 \r\n 256 \r\n");
  open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden der Befehle");
  EXPECT_EQ(textOf(level(0)), "9");
  EXPECT_EQ(textOf(level(1)), "3");
  click(d, IDB_FRMPRBEFEHLE_OK);
  EXPECT_EQ(file("befehle.txt"), " 9 \r\n" + repeat(" 3 \r\n", 42));
  EXPECT_EQ(file("befehle.txt.bak"), " 9 \r\n 256 \r\n");
}

// A hidden befehle.txt counts as missing, so the editor shows the defaults;
// "OK" must not put them in the place of a file that was never shown.
TEST_F(EditorView, AHiddenOrSystemFileIsNotReplaced) {
  for (DWORD attribute : {FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM}) {
    SCOPED_TRACE(attribute);
    ui.shown.clear();
    const std::string levels = repeat(" 7 \r\n", 43);
    dir.write("daten\\befehle.txt", levels);
    ASSERT_TRUE(SetFileAttributesA(dir.file("daten\\befehle.txt").c_str(), attribute));
    open();
    EXPECT_TRUE(ui.shown.empty());
    type(d, IDE_FRMPRBEFEHLE_LEVEL + kLesen, "12");
    click(d, IDB_FRMPRBEFEHLE_OK);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text,
              "Fehler beim Speichern von <befehle.txt>\r\nDie vorhandene Datei ist versteckt oder eine "
              "Systemdatei. Sie wird nicht ersetzt, denn ihr Inhalt wurde nie geladen.");
    EXPECT_TRUE(dialog->IsOpen());
    EXPECT_EQ(textOf(level(kLesen)), "12");
    SetFileAttributesA(dir.file("daten\\befehle.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(file("befehle.txt"), levels);
    EXPECT_FALSE(dir.exists("daten\\befehle.txt.bak"));
    click(d, IDB_FRMPRBEFEHLE_ABBRUCH);
  }
}

// A screen reader names each group button by its command, not by the
// group it shows; the level field by the command's label.
TEST_F(EditorView, ScreenReadersNameTheGroupButtonsByTheirCommand) {
  CoInitialize(nullptr);
  open();
  EXPECT_EQ(accessibleName(GetDlgItem(d, IDB_FRMPRBEFEHLE_GRUPPE + kLesen)), "Lesen");
  EXPECT_EQ(accessibleName(level(kLesen)), "Lesen");
  EXPECT_EQ(group(kLesen), "<<keine>>");
  for (const std::string& fault : accessKeyFaults(controlsOf(d))) ADD_FAILURE() << fault;
  dialog.reset();
  CoUninitialize();
}

}  // namespace
