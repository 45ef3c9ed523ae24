// The four pickers, shown modally and answered from their own modal loop as
// a user would.
#include <windows.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/frmdir.h"
#include "core/frmdir_ids.h"
#include "core/frmfile.h"
#include "core/frmfile_ids.h"
#include "core/frmselgru.h"
#include "core/frmselgru_ids.h"
#include "core/frmselus.h"
#include "core/frmselus_ids.h"
#include "fake_ui.h"
#include "temp_dir.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

// Gives a control the keyboard focus. Test programs running at the same
// time may take the activation away; try again until the focus holds.
void holdFocus(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  for (int i = 0; i < 100 && GetFocus() != control; ++i) {
    SetForegroundWindow(dialog);
    SetFocus(control);
    pump();
    if (GetFocus() != control) Sleep(20);
  }
  ASSERT_EQ(GetFocus(), control);
}

// A picker the play left open would wait for ever: close it a little later,
// unless it has closed by then.
void CALLBACK closeLeftOpen(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  ADD_FAILURE() << "the picker is still open";
  EndDialog(dialog, IDCANCEL);
}

// Shows the picker modally; play drives it from inside its modal loop.
template <class Picker>
std::string run(Picker& picker, std::function<void(HWND)> play) {
  BoxAnswerer answerer({}, [&](HWND dialog) {
    play(dialog);
    SetTimer(dialog, 0x7A12, 3000, closeLeftOpen);
  });
  picker.DoModal(nullptr);
  return picker.auswahl();
}

struct Pickers : ::testing::Test {
  TempDir box;
  FakeUi ui;
  zorq::Installation where{box.path(), box.path(), 0};
  plat::FileSystem& fs = plat::localFileSystem();
};

TEST_F(Pickers, UserPickerListsNamesAndAnswersTheDoubleClickedOne) {
  box.write("daten\\user.dat",
            "SYSOP\r\n17\xb0MEIER\r\n18\xb0K\xe4pt'n Blaub\xe4r\r\na\xb0"
            "b\xb0"
            "c\r\n");
  zorq::frmselus picker(fs, where, ui);
  std::vector<std::string> shown;
  std::string caption;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  caption = ui::WindowText(d);
                  shown = listItems(d, IDL_FRMSELUS_USERS);
                  doubleClick(d, IDL_FRMSELUS_USERS, 2);
                }),
            "K\xe4pt'n Blaub\xe4r");
  EXPECT_EQ(caption, "User ausw\xe4hlen");
  EXPECT_EQ(shown, (std::vector<std::string>{"SYSOP", "MEIER", "K\xe4pt'n Blaub\xe4r",
                                             "b\xb0"
                                             "c"}));

  // Enter chooses the selected entry; "Abbruch" answers nothing.
  EXPECT_EQ(run(picker,
                [](HWND d) {
                  SendMessageW(GetDlgItem(d, IDL_FRMSELUS_USERS), WM_KEYDOWN, VK_DOWN, 0);
                  SendMessageW(d, WM_COMMAND, IDOK, 0);
                }),
            "MEIER");
  EXPECT_EQ(run(picker, [](HWND d) { click(d, IDB_FRMSELUS_ABBRUCH); }), "");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Pickers, UserPickerWithoutAFileIsEmptyAndSilent) {
  zorq::frmselus picker(fs, where, ui);
  std::size_t count = 99;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  count = listItems(d, IDL_FRMSELUS_USERS).size();
                  doubleClick(d, IDL_FRMSELUS_USERS, 0);
                }),
            "");
  EXPECT_EQ(count, 0u);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Pickers, AHundredThousandUsersAreAllListed) {
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += std::to_string(i) + "\xb0User " + std::to_string(i) + "\r\n";
  box.write("daten\\user.dat", bytes);
  zorq::frmselus picker(fs, where, ui);
  LRESULT count = 0;
  std::string last = run(picker, [&](HWND d) {
    count = SendMessageW(GetDlgItem(d, IDL_FRMSELUS_USERS), LB_GETCOUNT, 0, 0);
    doubleClick(d, IDL_FRMSELUS_USERS, 99999);
  });
  EXPECT_EQ(count, 100000);
  EXPECT_EQ(last, "User 99999");
}

std::string group(const std::string& name, const std::string& data) {
  return name + "\r\n " + std::to_string(data.size()) + " \r\n" + data;
}

TEST_F(Pickers, GroupPickerTellsNoGroupFromCancel) {
  box.write("daten\\gruppen.dat", group("Mitglieder", "Zahlende\r\n 20 \r\n") + group("G\xe4ste", "x"));
  zorq::frmselgru picker(fs, where, ui);
  std::vector<std::string> shown;
  std::string caption;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  caption = ui::WindowText(d);
                  shown = listItems(d, IDL_FRMSELGRU_GROUPS);
                  choose(d, IDL_FRMSELGRU_GROUPS, 2);
                }),
            "G\xe4ste");
  EXPECT_EQ(caption, "Gruppe w\xe4hlen");
  EXPECT_EQ(shown, (std::vector<std::string>{"Keine Gruppe", "Mitglieder", "G\xe4ste"}));
  EXPECT_EQ(run(picker, [](HWND d) { choose(d, IDL_FRMSELGRU_GROUPS, 0); }), "");
  EXPECT_EQ(run(picker, [](HWND d) { click(d, IDB_FRMSELGRU_ABBRUCH); }), "@");
  EXPECT_EQ(run(picker, [](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); }), "@");  // Esc
  EXPECT_EQ(run(picker, [](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }), "");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(Pickers, GroupPickerByKeyboardMovesFirstAndChoosesOnEnter) {
  box.write("daten\\gruppen.dat", group("Mitglieder", "") + group("Spieler", ""));
  zorq::frmselgru picker(fs, where, ui);
  bool stillOpen = false;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  HWND list = GetDlgItem(d, IDL_FRMSELGRU_GROUPS);
                  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
                  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
                  SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
                  stillOpen = IsWindowVisible(d);
                  SendMessageW(d, WM_COMMAND, IDOK, 0);
                }),
            "Spieler");
  EXPECT_TRUE(stillOpen);
}

TEST_F(Pickers, GroupPickerReportsADamagedFileAndKeepsWhatItRead) {
  box.write("daten\\gruppen.dat", group("Mitglieder", "") + "Kaputt\r\n 50 \r\nkurz");
  zorq::frmselgru picker(fs, where, ui);
  std::vector<std::string> shown;
  run(picker, [&](HWND d) {
    shown = listItems(d, IDL_FRMSELGRU_GROUPS);
    click(d, IDB_FRMSELGRU_ABBRUCH);
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"Keine Gruppe", "Mitglieder"}));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <gruppen.dat>");
}

// Rows of the tree are indented names; find one by its name.
int rowOf(HWND d, int id, const std::string& name) {
  auto rows = listItems(d, id);
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].find_first_not_of(' ') != std::string::npos &&
        rows[i].substr(rows[i].find_first_not_of(' ')) == name)
      return static_cast<int>(i);
  return -1;
}

TEST_F(Pickers, DirectoryPickerAnswersTheOpenDirectoryWithABackslash) {
  std::filesystem::create_directories(box.file("BOX\\UNTEN"));
  std::string start = box.path().substr(0, box.path().size() - 1);  // without "\"
  zorq::frmdir picker(start, ui);
  std::string caption;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  caption = ui::WindowText(d);
                  click(d, IDB_FRMDIR_OK);
                }),
            box.path());
  EXPECT_EQ(caption, "Pfad w\xe4hlen");

  EXPECT_EQ(run(picker,
                [](HWND d) {
                  doubleClick(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, "BOX"));
                  // Enter in the tree opens the selected row, as a double click does.
                  choose(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, "UNTEN"));
                  holdFocus(d, IDL_FRMDIR_TREE);
                  SendMessageW(d, WM_COMMAND, IDB_FRMDIR_OK, 0);
                  click(d, IDB_FRMDIR_OK);
                }),
            box.file("BOX\\UNTEN\\"));

  // The root of the drive: one backslash only.
  std::string root = run(picker, [](HWND d) {
    doubleClick(d, IDL_FRMDIR_TREE, 0);
    click(d, IDB_FRMDIR_OK);
  });
  EXPECT_EQ(root.size(), 3u);
  EXPECT_EQ(root.substr(1), ":\\");

  EXPECT_EQ(run(picker, [](HWND d) { click(d, IDB_FRMDIR_ABBRUCH); }), "");
}

TEST_F(Pickers, FilePickerShowsTheMaskInItsTitleAndOnlyMatchingFiles) {
  box.write("klingel.wav", "RIFF");
  box.write("tusch.WAV", "RIFF");
  box.write("liesmich.txt", "x");
  zorq::frmfile picker(box.path(), "*.wav", ui);
  std::string caption;
  std::vector<std::string> files;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  caption = ui::WindowText(d);
                  files = listItems(d, IDL_FRMFILE_FILES);
                  doubleClick(d, IDL_FRMFILE_FILES, 1);
                }),
            box.file("tusch.WAV"));
  EXPECT_EQ(caption, "File ausw\xe4hlen (*.wav Dateien)");
  EXPECT_EQ(files, (std::vector<std::string>{"klingel.wav", "tusch.WAV"}));

  zorq::frmfile all(box.path(), "", ui);
  EXPECT_EQ(run(all,
                [&](HWND d) {
                  caption = ui::WindowText(d);
                  files = listItems(d, IDL_FRMFILE_FILES);
                  click(d, IDB_FRMFILE_ABBRUCH);
                }),
            "");
  EXPECT_EQ(caption, "File w\xe4hlen");
  EXPECT_EQ(files.size(), 3u);
}

// Whatever order the list shows, the file double-clicked is the file
// answered.
TEST_F(Pickers, FilePickerAnswersTheRowTheUserSees) {
  for (const char* name : {"b.wav", "a-c.wav", "ab.wav", "_x.wav", "A.wav", "a'd.wav"})
    box.write(name, "RIFF");
  zorq::frmfile picker(box.path(), "*.wav", ui);
  std::vector<std::string> rows;
  run(picker, [&](HWND d) {
    rows = listItems(d, IDL_FRMFILE_FILES);
    click(d, IDB_FRMFILE_ABBRUCH);
  });
  ASSERT_EQ(rows.size(), 6u);
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(run(picker, [i](HWND d) { doubleClick(d, IDL_FRMFILE_FILES, i); }), box.file(rows[i])) << i;
}

TEST_F(Pickers, FilePickerFollowsTheDirectoryTree) {
  box.write("SOUND\\ruf.wav", "RIFF");
  zorq::frmfile picker(box.path(), "*.wav", ui);
  EXPECT_EQ(run(picker,
                [](HWND d) {
                  doubleClick(d, IDL_FRMFILE_TREE, rowOf(d, IDL_FRMFILE_TREE, "SOUND"));
                  holdFocus(d, IDL_FRMFILE_FILES);
                  SendMessageW(d, WM_COMMAND, IDOK, 0);  // Enter in the file list
                }),
            box.file("SOUND\\ruf.wav"));
}

// A folder or file whose name has a character Windows-1252 lacks (here the
// Cyrillic Zhe) cannot be stored in a settings file: choosing it is refused
// with a message that names it, and the picker stays open.
TEST_F(Pickers, NamesOutsideWindows1252AreRefusedAndThePickerStaysOpen) {
  std::filesystem::create_directories(std::filesystem::path(box.path()) / L"\u0416urnal");
  std::ofstream(std::filesystem::path(box.path()) / L"ruf\u0416.wav") << "RIFF";
  box.write("tusch.wav", "RIFF");
  const std::string refused =
      "Der Name <ruf?.wav> enth\xe4lt Zeichen, die hier nicht gespeichert werden k\xf6nnen.";

  zorq::frmfile files(box.path(), "*.wav", ui);
  bool stayedOpen = false;
  EXPECT_EQ(
      run(files,
          [&](HWND d) {
            ASSERT_EQ(listItems(d, IDL_FRMFILE_FILES), (std::vector<std::string>{"ruf?.wav", "tusch.wav"}));
            doubleClick(d, IDL_FRMFILE_FILES, 0);
            stayedOpen = IsWindowVisible(d);
            doubleClick(d, IDL_FRMFILE_FILES, 1);
          }),
      box.file("tusch.wav"));
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, refused);

  std::string start = box.path().substr(0, box.path().size() - 1);
  zorq::frmdir folders(start, ui);
  ui.shown.clear();
  EXPECT_EQ(run(folders,
                [&](HWND d) {
                  doubleClick(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, "?urnal"));
                  choose(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, "?urnal"));
                  holdFocus(d, IDL_FRMDIR_TREE);
                  SendMessageW(d, WM_COMMAND, IDOK, 0);  // Enter on the row
                  stayedOpen = IsWindowVisible(d);
                  choose(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, start.substr(start.rfind('\\') + 1)));
                  click(d, IDB_FRMDIR_OK);
                }),
            box.path());
  EXPECT_TRUE(stayedOpen);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text,
            "Der Name <?urnal> enth\xe4lt Zeichen, die hier nicht gespeichert werden k\xf6nnen.");
}

}  // namespace
