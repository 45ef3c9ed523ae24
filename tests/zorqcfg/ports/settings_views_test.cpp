// Start parameters, module windows and memory limits driven as a sysop
// would.
#include <gtest/gtest.h>

#include <memory>

#include "faulty_fs.h"
#include "ports/frmfenst.h"
#include "ports/frmfenst_ids.h"
#include "ports/frmprsspeicher.h"
#include "ports/frmprsspeicher_ids.h"
#include "ports/frmstart.h"
#include "ports/frmstart_ids.h"
#include "view_context.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;

std::string numbers(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += " " + std::to_string(v) + " \r\n";
  return out;
}

struct SettingsView : ::testing::Test, ViewContext {
  std::unique_ptr<ui::Dialog> dialog;

  template <class D>
  HWND open() {
    dialog = std::make_unique<D>(ctx);
    EXPECT_TRUE(dialog->Create(nullptr));
    pump();
    return dialog->hwnd();
  }
  void file(const std::string& name, const std::string& bytes) { dir.write("daten\\" + name, bytes); }
  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
  bool checked(int id) const { return dialog->IsChecked(id); }
};

TEST_F(SettingsView, StartGridShowsTheMainWindowsTableWithoutAFileAndOkWritesFileAndTable) {
  settings.portStart = {2, 1, 0, 5, 0, 0, 0, 0, 0, 1};
  settings.alwaysShow = {1, 0, 0, 0, 0, 0, 0, 0, 0, 1};
  where.netNumber = 2;
  HWND d = open<zorq::frmstart>();
  expectTidy(d);
  EXPECT_TRUE(checked(IDX_FRMSTART_PORT) && checked(IDX_FRMSTART_FENSTER) && checked(IDX_FRMSTART_IMMER));
  EXPECT_TRUE(checked(IDX_FRMSTART_PORT + 3));  // start mode 5: port on only
  EXPECT_FALSE(checked(IDX_FRMSTART_FENSTER + 3));
  EXPECT_TRUE(checked(IDX_FRMSTART_PORT + 9) && checked(IDX_FRMSTART_IMMER + 9));

  setCheck(d, IDX_FRMSTART_FENSTER + 2, true);  // "Fenster offen" without the port box
  setCheck(d, IDX_FRMSTART_PORT + 1, false);
  setCheck(d, IDX_FRMSTART_PORT + 8, true);
  click(d, IDB_FRMSTART_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("start2.dat"), numbers({1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 1, 0, 0, 0, 0, 1, 1}));
  EXPECT_EQ(settings.portStart, (std::array<std::int16_t, 10>{2, 0, 0, 1, 0, 0, 0, 0, 1, 1}));
  EXPECT_TRUE(ui.shown.empty());

  // The next opening reads the file: "Fenster offen" alone was stored as 0.
  d = open<zorq::frmstart>();
  EXPECT_FALSE(checked(IDX_FRMSTART_FENSTER + 2));
  EXPECT_FALSE(checked(IDX_FRMSTART_PORT + 2));
}

TEST_F(SettingsView, StartAbbruchChangesNeitherTableNorFile) {
  file("start.dat", numbers({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  HWND d = open<zorq::frmstart>();
  EXPECT_TRUE(checked(IDX_FRMSTART_PORT + 4));
  setCheck(d, IDX_FRMSTART_IMMER + 4, true);
  click(d, IDB_FRMSTART_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(settings.portStart, (std::array<std::int16_t, 10>{}));
  EXPECT_EQ(file("start.dat"), numbers({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST_F(SettingsView, ABrokenStartFileIsToldAndAFailedSaveKeepsTheDialogOpen) {
  settings.portStart.fill(1);
  const std::string broken = numbers({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0}) + "x\r\n";
  file("start.dat", broken);
  FaultyFileSystem faulty(plat::localFileSystem());
  zorq::Context withFaults{where, settings, faulty, system, ui, pickers};
  dialog = std::make_unique<zorq::frmstart>(withFaults);
  ASSERT_TRUE(dialog->Create(nullptr));
  pump();
  HWND d = dialog->hwnd();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <start.dat>");
  EXPECT_FALSE(checked(IDX_FRMSTART_PORT));     // row read from the file
  EXPECT_TRUE(checked(IDX_FRMSTART_PORT + 1));  // the rest from the main window
  EXPECT_TRUE(checked(IDX_FRMSTART_IMMER + 9));

  faulty.failReplace = true;
  click(d, IDB_FRMSTART_OK);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[1].text.substr(0, ui.shown[1].text.find("\r\n")),
            "Fehler beim Speichern von <start.dat>");
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(settings.portStart[0], 1);  // the table waits for a save that worked
  EXPECT_EQ(file("start.dat"), broken);

  faulty.failReplace = false;
  click(d, IDB_FRMSTART_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(settings.portStart[0], 0);
  EXPECT_EQ(file("start.dat.bak"), broken);
}

TEST_F(SettingsView, ModuleWindowsShowWindsTxtAndOkWritesFiveLines) {
  file("winds.txt", numbers({1, 0, 0}));
  HWND d = open<zorq::frmfenst>();
  expectTidy(d);
  EXPECT_TRUE(checked(IDX_FRMFENST_CRUNCHER));
  EXPECT_FALSE(checked(IDX_FRMFENST_SORTER));
  setCheck(d, IDX_FRMFENST_NETZSENDE, true);
  click(d, IDB_FRMFENST_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("winds.txt"), numbers({1, 0, 0, 0, 1}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(SettingsView, MemoryLimitsCorrectedOnOkIntoTheRecordAndAbbruchKeepsIt) {
  settings.maxBretter = "2000";
  settings.maxUser = "500";
  settings.maxNetzboxen = "50";
  settings.maxEditorzeilen = "500";
  settings.maxBriefe = "5000";
  HWND d = open<zorq::frmprsspeicher>();
  expectTidy(d);
  EXPECT_EQ(textOf(fieldOf(d, "Max. Br&iefe")), "5000");
  EXPECT_EQ(SendMessageW(fieldOf(d, "Max. &Bretter"), EM_GETLIMITTEXT, 0, 0), 5);
  EXPECT_EQ(SendMessageW(fieldOf(d, "Max. &User"), EM_GETLIMITTEXT, 0, 0), 4);

  type(d, IDE_FRMPRSSPEICHER_FIELD + 0, "");
  type(d, IDE_FRMPRSSPEICHER_FIELD + 2, "3");
  click(d, IDB_FRMPRSSPEICHER_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(settings.maxBretter, "2000");
  EXPECT_EQ(settings.maxNetzboxen, "50");

  d = open<zorq::frmprsspeicher>();
  type(d, IDE_FRMPRSSPEICHER_FIELD + 1, "");
  type(d, IDE_FRMPRSSPEICHER_FIELD + 2, "3");
  type(d, IDE_FRMPRSSPEICHER_FIELD + 4, "99999999");
  click(d, IDB_FRMPRSSPEICHER_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(settings.maxUser, "0");
  EXPECT_EQ(settings.maxNetzboxen, "5");
  EXPECT_EQ(settings.maxBriefe, "99999999");
  EXPECT_FALSE(dir.exists("daten\\main.txt"));  // no file written here
}

}  // namespace
