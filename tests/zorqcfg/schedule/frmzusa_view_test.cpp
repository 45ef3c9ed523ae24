// The add-on tools manager driven as a sysop would.
#include "schedule/frmzusa.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "schedule/frmzusa_ids.h"
#include "win32/dialog_view.h"
#include "win32/modal_script.h"

namespace {

using namespace testing_support;
using Strings = std::vector<std::string>;

struct ManagerView : DialogView<zorq::frmzusa> {
  Strings names() const { return listItems(d, IDL_FRMZUSA_NAMEN); }
  Strings calls() const { return listItems(d, IDL_FRMZUSA_AUFRUFE); }
  int row(int list) const { return static_cast<int>(SendDlgItemMessageW(d, list, LB_GETCURSEL, 0, 0)); }
};

TEST_F(ManagerView, ShowsTheToolsSideBySideAndSelectsTheFirst) {
  dir.write("zusatz.dat", "Brettpflege\tC:\\B.EXE -ALT 30\r\nUserliste\tC:\\U.EXE\r\n");
  open();
  EXPECT_EQ(dialog->Caption(), "Zusatzprogramm-Manager");
  EXPECT_EQ(fieldOf(d, "&Programmliste"), GetDlgItem(d, IDL_FRMZUSA_NAMEN));
  EXPECT_EQ(fieldOf(d, "&Dosaufruf"), GetDlgItem(d, IDL_FRMZUSA_AUFRUFE));
  EXPECT_EQ(fieldOf(d, "Na&me"), GetDlgItem(d, IDE_FRMZUSA_NAME));
  EXPECT_EQ(fieldOf(d, "A&ufruf"), GetDlgItem(d, IDE_FRMZUSA_AUFRUF));
  EXPECT_EQ(names(), (Strings{"Brettpflege", "Userliste"}));
  EXPECT_EQ(calls(), (Strings{"C:\\B.EXE -ALT 30", "C:\\U.EXE"}));
  EXPECT_EQ(row(IDL_FRMZUSA_NAMEN), 0);
  EXPECT_EQ(row(IDL_FRMZUSA_AUFRUFE), 0);
  EXPECT_EQ(textOf(d, IDE_FRMZUSA_NAME), "Brettpflege");

  choose(d, IDL_FRMZUSA_AUFRUFE, 1);
  EXPECT_EQ(row(IDL_FRMZUSA_NAMEN), 1);
  EXPECT_EQ(textOf(d, IDE_FRMZUSA_NAME), "Userliste");
  EXPECT_EQ(textOf(d, IDE_FRMZUSA_AUFRUF), "C:\\U.EXE");
}

TEST_F(ManagerView, NeuTypingAndOkWriteTheCallInUpperCase) {
  open();
  EXPECT_TRUE(names().empty());
  click(d, IDB_FRMZUSA_NEU);
  EXPECT_EQ(names(), (Strings{"(NEU)"}));
  EXPECT_EQ(textOf(d, IDE_FRMZUSA_NAME), "(NEU)");
  type(d, IDE_FRMZUSA_NAME, "Packer");
  type(d, IDE_FRMZUSA_AUFRUF, "c:\\tools\\pack.exe -x");
  EXPECT_EQ(names(), (Strings{"Packer"}));
  EXPECT_EQ(calls(), (Strings{"c:\\tools\\pack.exe -x"}));  // as typed until saved
  click(d, IDB_FRMZUSA_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(dir.read("zusatz.dat"), "Packer\tC:\\TOOLS\\PACK.EXE -X\r\n");
}

TEST_F(ManagerView, WahlTakesThePathOfAnyFileAndLoeschenEmptiesTheList) {
  open();
  pickers.files = {"C:\\X.EXE"};
  click(d, IDB_FRMZUSA_WAHL);  // empty list: nothing to fill
  EXPECT_EQ(textOf(d, IDE_FRMZUSA_AUFRUF), "");
  click(d, IDB_FRMZUSA_NEU);
  pickers.files = {"C:\\TOOLS\\SCAN.EXE", ""};
  click(d, IDB_FRMZUSA_WAHL);
  EXPECT_EQ(textOf(d, IDE_FRMZUSA_AUFRUF), "C:\\TOOLS\\SCAN.EXE");
  EXPECT_EQ(calls(), (Strings{"C:\\TOOLS\\SCAN.EXE"}));
  click(d, IDB_FRMZUSA_WAHL);  // cancelled: the call stays
  EXPECT_EQ(calls(), (Strings{"C:\\TOOLS\\SCAN.EXE"}));
  EXPECT_EQ(pickers.asked, (Strings{"file:", "file:", "file:"}));
  click(d, IDB_FRMZUSA_LOESCHEN);
  EXPECT_TRUE(names().empty());
  EXPECT_TRUE(calls().empty());
  EXPECT_TRUE(ui.shown.empty());
}

// "Name" and "Aufruf" take input only while a tool is selected.
TEST_F(ManagerView, WithoutASelectedToolTheFieldsTakeNoInput) {
  const struct {
    const char* file;
    bool enabled;
  } rows[] = {{nullptr, false}, {"ohne Tab\r\n", false}, {"Brettpflege\tC:\\B.EXE\r\n", true}};
  for (const auto& r : rows) {
    if (r.file != nullptr) dir.write("zusatz.dat", r.file);
    open();
    EXPECT_EQ(isEnabled(d, IDE_FRMZUSA_NAME), r.enabled);
    EXPECT_EQ(isEnabled(d, IDE_FRMZUSA_AUFRUF), r.enabled);
  }
  click(d, IDB_FRMZUSA_LOESCHEN);  // the last tool
  EXPECT_FALSE(isEnabled(d, IDE_FRMZUSA_NAME));
  EXPECT_FALSE(isEnabled(d, IDE_FRMZUSA_AUFRUF));
  click(d, IDB_FRMZUSA_NEU);
  EXPECT_TRUE(isEnabled(d, IDE_FRMZUSA_NAME));
  EXPECT_TRUE(isEnabled(d, IDE_FRMZUSA_AUFRUF));
}

TEST_F(ManagerView, AnUnreadableFileIsToldAndKeptAsBackupOnOk) {
  dir.write("zusatz.dat", "Brettpflege\tC:\\B.EXE\r\n");
  // Held open by another program that shares nothing: there, but unreadable.
  HANDLE lock = CreateFileW(std::filesystem::path(dir.path() + "zusatz.dat").wstring().c_str(), GENERIC_READ,
                            0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  open();
  CloseHandle(lock);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <zusatz.dat>");
  click(d, IDB_FRMZUSA_OK);
  EXPECT_EQ(dir.read("zusatz.dat"), "");
  EXPECT_EQ(dir.read("zusatz.dat.bak"), "Brettpflege\tC:\\B.EXE\r\n");
}

TEST_F(ManagerView, AFailedSaveIsToldAndTheDialogStaysOpenAndAbbruchWritesNothing) {
  open();
  where.installDir = dir.path() + "fehlt\\";
  click(d, IDB_FRMZUSA_NEU);
  click(d, IDB_FRMZUSA_OK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Fehler beim Speichern von <zusatz.dat>\r\nIm Ordner der Datei l\xe4sst sich keine neue Datei "
            "anlegen.");
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(names(), (Strings{"(NEU)"}));
  where.installDir = dir.path();  // writable again: "Abbruch" still writes nothing
  click(d, IDB_FRMZUSA_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(dir.exists("zusatz.dat"));
}

}  // namespace
