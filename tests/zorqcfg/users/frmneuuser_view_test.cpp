// The new-user defaults driven as a sysop would: values, the two group
// lists, "OK" and "Abbruch".
#include "users/frmneuuser.h"

#include <gtest/gtest.h>

#include <memory>

#include "win32/dialog_view.h"
#include "users/frmneuuser_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

std::string group(const std::string& name, const std::string& data) {
  return name + "\r\n " + std::to_string(data.size()) + " \r\n" + data;
}

struct NewUserView : DialogView<zorq::frmneuuser> {
  Names forNew() const { return listItems(d, IDL_FRMNEUUSER_NEU); }
  Names remaining() const { return listItems(d, IDL_FRMNEUUSER_REST); }
  std::string value(int i) const { return textOf(d, IDE_FRMNEUUSER_VALUE + i); }
};

TEST_F(NewUserView, ShowsTheValuesAndListsUnderTheirLabelsWithAccessKeys) {
  dir.write("daten\\newuser.dat", "500\r\n10\r\n60\r\n5\r\nNeulinge\r\n");
  open();
  EXPECT_EQ(dialog->Caption(), "User Voreinstellungen");
  EXPECT_EQ(fieldOf(d, "&Freiraum"), GetDlgItem(d, IDE_FRMNEUUSER_VALUE));
  EXPECT_EQ(fieldOf(d, "&Rate"), GetDlgItem(d, IDE_FRMNEUUSER_VALUE + 1));
  EXPECT_EQ(fieldOf(d, "&Zeitlimit"), GetDlgItem(d, IDE_FRMNEUUSER_VALUE + 2));
  EXPECT_EQ(fieldOf(d, "&Level"), GetDlgItem(d, IDE_FRMNEUUSER_VALUE + 3));
  EXPECT_EQ(fieldOf(d, "&Gruppen f\xfcr neue User"), GetDlgItem(d, IDL_FRMNEUUSER_NEU));
  EXPECT_EQ(fieldOf(d, "re&stliche Gruppen"), GetDlgItem(d, IDL_FRMNEUUSER_REST));
  EXPECT_EQ(value(0), "500");
  EXPECT_EQ(value(3), "5");
  expectTidy(d);
}

TEST_F(NewUserView, AClickMovesOutADoubleClickMovesInEachToItsSortedPlace) {
  dir.write("daten\\gruppen.dat", group("Mitglieder", "x\r\n") + group("\xc4rzte", "") + group("netz", "") +
                                      group("Netz", "") + group("Spieler", ""));
  dir.write("daten\\newuser.dat", "500\r\n10\r\n60\r\n5\r\nnetz\r\nSpieler\r\n");
  open();
  EXPECT_EQ(forNew(), (Names{"netz", "Spieler"}));
  EXPECT_EQ(remaining(), (Names{"\xc4rzte", "Mitglieder", "Netz"}));

  choose(d, IDL_FRMNEUUSER_NEU, 1);  // "Spieler" out
  EXPECT_EQ(forNew(), (Names{"netz"}));
  EXPECT_EQ(remaining(), (Names{"\xc4rzte", "Mitglieder", "Netz", "Spieler"}));

  choose(d, IDL_FRMNEUUSER_REST, 0);  // a single click here only selects
  EXPECT_EQ(remaining().size(), 4u);
  doubleClick(d, IDL_FRMNEUUSER_REST, 0);  // "\xc4rzte" in
  doubleClick(d, IDL_FRMNEUUSER_REST, 1);  // "Netz" in
  EXPECT_EQ(forNew(), (Names{"\xc4rzte", "netz", "Netz"}));
  EXPECT_EQ(remaining(), (Names{"Mitglieder", "Spieler"}));

  type(d, IDE_FRMNEUUSER_VALUE + 1, "");
  click(d, IDB_FRMNEUUSER_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(dir.read("daten\\newuser.dat"), "500\r\n0\r\n60\r\n5\r\n\xc4rzte\r\nnetz\r\nNetz\r\n");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(NewUserView, TheSpaceBarMovesTheSelectedGroupAndArrowKeysOnlySelect) {
  dir.write("daten\\gruppen.dat", group("A", "") + group("B", ""));
  open();
  HWND rest = GetDlgItem(d, IDL_FRMNEUUSER_REST);
  SendMessageW(rest, WM_KEYDOWN, VK_DOWN, 0);
  pump();
  EXPECT_EQ(remaining(), (Names{"A", "B"}));
  SendMessageW(rest, WM_CHAR, VK_SPACE, 0);
  pump();
  EXPECT_EQ(forNew().size(), 1u);
  EXPECT_EQ(remaining().size(), 1u);
  HWND neu = GetDlgItem(d, IDL_FRMNEUUSER_NEU);
  SendMessageW(neu, WM_KEYDOWN, VK_DOWN, 0);
  pump();
  EXPECT_EQ(forNew().size(), 1u);
  SendMessageW(neu, WM_CHAR, VK_SPACE, 0);
  pump();
  EXPECT_EQ(remaining(), (Names{"A", "B"}));
}

TEST_F(NewUserView, ALoadErrorIsToldOverWhatWasRead) {
  dir.write("daten\\newuser.dat", "500\r\n10\r\n");
  open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <newuser.dat>");
  EXPECT_EQ(value(1), "10");
}

TEST_F(NewUserView, AbbruchWritesNothingAndAFailedSaveKeepsTheDialogOpen) {
  dir.write("daten\\gruppen.dat", group("Mitglieder", ""));
  open();
  doubleClick(d, IDL_FRMNEUUSER_REST, 0);
  click(d, IDB_FRMNEUUSER_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(dir.exists("daten\\newuser.dat"));

  where.installDir = dir.path() + "fehlt\\";
  d = open();
  type(d, IDE_FRMNEUUSER_VALUE, "999");
  click(d, IDB_FRMNEUUSER_OK);
  ASSERT_EQ(ui.shown.size(), 1u);
  const std::string& text = ui.shown[0].text;
  EXPECT_EQ(text.substr(0, text.find("\r\n")), "Fehler beim Speichern von <newuser.dat>");
  EXPECT_NE(text.find("\r\n"), std::string::npos) << "no reason given";
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(value(0), "999");
}

}  // namespace
