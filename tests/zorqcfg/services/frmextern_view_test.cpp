// The external programs dialog driven as a sysop would.
#include "services/frmextern.h"

#include <memory>

#include "services/frmextern_ids.h"
#include "win32/dialog_view.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;

const int kEditing[] = {IDE_FRMEXTERN_NAME,   IDE_FRMEXTERN_KOMMENTAR, IDE_FRMEXTERN_AUFRUF,
                        IDB_FRMEXTERN_ALIAS,  IDB_FRMEXTERN_DATEI,     IDE_FRMEXTERN_GRUPPE,
                        IDB_FRMEXTERN_GRUPPE, IDE_FRMEXTERN_LEVEL,     IDE_FRMEXTERN_SHORTCUT,
                        IDX_FRMEXTERN_BEFEHL, IDX_FRMEXTERN_EXTERN};

const std::string kSchach =
    "Schach\r\nGegen den Computer\r\nC:\\TUERE\\SCHACH.EXE $PO\r\nSpieler\r\n 16777738 \r\n";
const std::string kPost = "Post\r\n\r\n#Lesen\r\n\r\n 0 \r\n";

struct ExternView : DialogView<zorq::frmextern> {
  std::string field(const std::string& label) const { return textOf(fieldOf(d, label)); }
  std::vector<std::string> rows() const { return listItems(d, IDL_FRMEXTERN_LIST); }
  int selectedRow() const {
    return static_cast<int>(SendDlgItemMessageW(d, IDL_FRMEXTERN_LIST, LB_GETCURSEL, 0, 0));
  }
  void expectEditing(bool enabled) {
    for (int id : kEditing) EXPECT_EQ(isEnabled(d, id), enabled) << id;
  }
};

TEST_F(ExternView, ShowsItsFieldsRightOfTheirLabels) {
  open();
  EXPECT_EQ(dialog->Caption(), "Externe Programme");
  EXPECT_EQ(fieldOf(d, "Name"), GetDlgItem(d, IDE_FRMEXTERN_NAME));
  EXPECT_EQ(fieldOf(d, "Kommentar"), GetDlgItem(d, IDE_FRMEXTERN_KOMMENTAR));
  EXPECT_EQ(fieldOf(d, "Aufruf"), GetDlgItem(d, IDE_FRMEXTERN_AUFRUF));
  EXPECT_EQ(fieldOf(d, "Gruppe"), GetDlgItem(d, IDE_FRMEXTERN_GRUPPE));
  EXPECT_EQ(fieldOf(d, "Level"), GetDlgItem(d, IDE_FRMEXTERN_LEVEL));
  EXPECT_EQ(fieldOf(d, "Shortcut"), GetDlgItem(d, IDE_FRMEXTERN_SHORTCUT));
  expectTidy(d);
}

TEST_F(ExternView, WithoutAFileNothingCanBeEditedUntilNeu) {
  open();
  EXPECT_TRUE(rows().empty());
  expectEditing(false);
  click(d, IDB_FRMEXTERN_NEU);
  expectEditing(true);
  EXPECT_EQ(rows(), std::vector<std::string>{"(NEU)"});
  EXPECT_EQ(selectedRow(), 0);
  EXPECT_EQ(field("Name"), "(NEU)");
  EXPECT_EQ(field("Level"), " 0");
  EXPECT_EQ(field("Shortcut"), " 0");
  EXPECT_EQ(focusedIn(d), GetDlgItem(d, IDE_FRMEXTERN_NAME));
  type(d, IDE_FRMEXTERN_NAME, "Schach");
  EXPECT_EQ(rows(), std::vector<std::string>{"Schach"});  // at once, without a commit
}

TEST_F(ExternView, LoeschenAnsweredNoKeepsAllAndTheLastEntryGoneDisablesTheFields) {
  dir.write("daten\\extern.dat", kSchach);
  open();
  type(d, IDE_FRMEXTERN_KOMMENTAR, "ungespeichert");
  ui.answers = {ui::Answer::No};
  click(d, IDB_FRMEXTERN_LOESCHEN);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Wirklich l\xf6schen?");
  EXPECT_EQ(ui.shown[0].title, "Frage");
  EXPECT_EQ(ui.shown[0].icon, ui::Icon::Question);
  EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::YesNo);
  EXPECT_EQ(rows(), std::vector<std::string>{"Schach"});
  EXPECT_EQ(field("Kommentar"), "ungespeichert");

  ui.answers = {ui::Answer::Yes};
  click(d, IDB_FRMEXTERN_LOESCHEN);
  EXPECT_TRUE(rows().empty());
  expectEditing(false);
  for (const char* label : {"Name", "Kommentar", "Aufruf", "Gruppe", "Level", "Shortcut"})
    EXPECT_EQ(field(label), "") << label;
  EXPECT_FALSE(dialog->IsChecked(IDX_FRMEXTERN_EXTERN));

  click(d, IDB_FRMEXTERN_NEU);
  expectEditing(true);
  EXPECT_EQ(field("Name"), "(NEU)");
  EXPECT_EQ(field("Gruppe"), "");
  EXPECT_EQ(field("Level"), " 0");
  EXPECT_FALSE(dialog->IsChecked(IDX_FRMEXTERN_BEFEHL) || dialog->IsChecked(IDX_FRMEXTERN_EXTERN));
  click(d, IDB_FRMEXTERN_OK);
  EXPECT_EQ(file("extern.dat"), "(NEU)\r\n\r\n\r\n\r\n 0 \r\n");
}

TEST_F(ExternView, AliasPutsTheCommandOrTheTextToShowIntoAufruf) {
  dir.write("daten\\extern.dat", kSchach);
  open();
  pickers.commands = {"Lesen"};
  click(d, IDB_FRMEXTERN_ALIAS);
  EXPECT_EQ(field("Aufruf"), "#Lesen");
  EXPECT_TRUE(pickers.masks.empty());

  pickers.commands = {"SHOW"};
  pickers.files = {"C:\\BOX\\TEXTE\\REGELN.TXT"};
  click(d, IDB_FRMEXTERN_ALIAS);
  EXPECT_EQ(field("Aufruf"), "#SHOW C:\\BOX\\TEXTE\\REGELN.TXT");
  EXPECT_EQ(pickers.masks, std::vector<std::string>{""});

  pickers.commands = {"SHOW"};  // the file picker cancelled
  click(d, IDB_FRMEXTERN_ALIAS);
  EXPECT_EQ(field("Aufruf"), "#SHOW");

  pickers.commands = {""};  // the command picker cancelled
  click(d, IDB_FRMEXTERN_ALIAS);
  EXPECT_EQ(field("Aufruf"), "#SHOW");
  EXPECT_EQ(pickers.commandCalls, 4);
}

TEST_F(ExternView, TheFileAndGroupButtonsFillTheirFieldsUnlessCancelled) {
  dir.write("daten\\extern.dat", kSchach);
  open();
  pickers.files = {"C:\\TUERE\\DAME.EXE"};
  click(d, IDB_FRMEXTERN_DATEI);
  EXPECT_EQ(field("Aufruf"), "C:\\TUERE\\DAME.EXE");
  click(d, IDB_FRMEXTERN_DATEI);  // cancelled
  EXPECT_EQ(field("Aufruf"), "C:\\TUERE\\DAME.EXE");

  pickers.groups = {"@", "Mitglieder", ""};
  click(d, IDB_FRMEXTERN_GRUPPE);
  EXPECT_EQ(field("Gruppe"), "Spieler");
  click(d, IDB_FRMEXTERN_GRUPPE);
  EXPECT_EQ(field("Gruppe"), "Mitglieder");
  click(d, IDB_FRMEXTERN_GRUPPE);  // "Keine Gruppe"
  EXPECT_EQ(field("Gruppe"), "");
}

TEST_F(ExternView, OkSavesTheEditsOfTheShownEntryWithoutAnotherClick) {
  dir.write("daten\\extern.dat", kSchach + kPost);
  open();
  EXPECT_EQ(rows(), (std::vector<std::string>{"Schach", "Post"}));
  EXPECT_EQ(field("Level"), " 10");
  EXPECT_EQ(field("Shortcut"), " 1");
  EXPECT_TRUE(dialog->IsChecked(IDX_FRMEXTERN_EXTERN));

  choose(d, IDL_FRMEXTERN_LIST, 1);
  EXPECT_EQ(field("Aufruf"), "#Lesen");
  type(d, IDE_FRMEXTERN_NAME, "Post lesen  ");
  type(d, IDE_FRMEXTERN_LEVEL, "12abc");
  type(d, IDE_FRMEXTERN_SHORTCUT, "-1");
  setCheck(d, IDX_FRMEXTERN_BEFEHL, true);
  click(d, IDB_FRMEXTERN_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(file("extern.dat"), kSchach + "Post lesen\r\n\r\n#Lesen\r\n\r\n-16776948 \r\n");
}

TEST_F(ExternView, ALevelOutsideItsByteIsRefusedAndTheEntryStaysShown) {
  dir.write("daten\\extern.dat", kSchach + kPost);
  open();
  type(d, IDE_FRMEXTERN_LEVEL, "300");
  choose(d, IDL_FRMEXTERN_LIST, 1);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Der Level muss zwischen 0 und 255 liegen.");
  EXPECT_EQ(selectedRow(), 0);
  EXPECT_EQ(field("Name"), "Schach");
  EXPECT_EQ(field("Level"), "300");
  EXPECT_EQ(focusedIn(d), GetDlgItem(d, IDE_FRMEXTERN_LEVEL));

  click(d, IDB_FRMEXTERN_SORTIEREN);
  click(d, IDB_FRMEXTERN_NEU);
  click(d, IDB_FRMEXTERN_OK);
  EXPECT_EQ(ui.shown.size(), 4u);
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(rows(), (std::vector<std::string>{"Schach", "Post"}));
  EXPECT_EQ(file("extern.dat"), kSchach + kPost);

  type(d, IDE_FRMEXTERN_LEVEL, "20");
  type(d, IDE_FRMEXTERN_SHORTCUT, "200");
  click(d, IDB_FRMEXTERN_OK);
  EXPECT_EQ(ui.shown.back().text, "Der Shortcut muss zwischen -128 und 127 liegen.");
  EXPECT_EQ(focusedIn(d), GetDlgItem(d, IDE_FRMEXTERN_SHORTCUT));
  type(d, IDE_FRMEXTERN_SHORTCUT, "1");
  click(d, IDB_FRMEXTERN_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("extern.dat").substr(0, kSchach.size()),
            "Schach\r\nGegen den Computer\r\nC:\\TUERE\\SCHACH.EXE $PO\r\nSpieler\r\n 16777748 \r\n");
}

TEST_F(ExternView, AfterALoadErrorTheFirstEntryIsShownAndTheFileIsKept) {
  const std::string broken = kSchach + "Post\r\n";
  dir.write("daten\\extern.dat", broken);
  open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <extern.dat>");
  EXPECT_EQ(rows(), (std::vector<std::string>{"Schach", "Post"}));
  EXPECT_EQ(selectedRow(), 0);
  EXPECT_EQ(field("Name"), "Schach");
  expectEditing(true);
  click(d, IDB_FRMEXTERN_OK);
  EXPECT_EQ(file("extern.dat.bak"), broken);
  EXPECT_EQ(file("extern.dat"), kSchach + "Post\r\n\r\n\r\n\r\n 0 \r\n");
}

TEST_F(ExternView, AFailedSaveIsToldAndTheDialogStaysOpenWithTheEditsAndAbbruchWritesNothing) {
  where.installDir = dir.path() + "fehlt\\";
  open();
  click(d, IDB_FRMEXTERN_NEU);
  type(d, IDE_FRMEXTERN_NAME, "Schach");
  click(d, IDB_FRMEXTERN_OK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text.substr(0, ui.shown[0].text.find("\r\n")),
            "Fehler beim Speichern von <extern.dat>");
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(field("Name"), "Schach");
  where.installDir = dir.path();  // writable again: "Abbruch" still writes nothing
  click(d, IDB_FRMEXTERN_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(dir.exists("daten\\extern.dat"));
}

}  // namespace
