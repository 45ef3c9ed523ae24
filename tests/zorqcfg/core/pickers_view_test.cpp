// The four pickers, shown modally and answered from their own modal loop as
// a user would.
#include <windows.h>
#include <objbase.h>
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
#include "win32/modal_script.h"
#include "win32/view_driver.h"
#include "win32/window_rules.h"

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

// Shows the picker modally; play drives it from inside its modal loop.
template <class Picker>
std::string run(Picker& picker, std::function<void(HWND)> play) {
  ModalScript script({std::move(play)});
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
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  shown = listItems(d, IDL_FRMSELUS_USERS);
                  doubleClick(d, IDL_FRMSELUS_USERS, 2);
                }),
            "K\xe4pt'n Blaub\xe4r");
  EXPECT_EQ(shown, (std::vector<std::string>{"SYSOP", "MEIER", "K\xe4pt'n Blaub\xe4r",
                                             "b\xb0"
                                             "c"}));

  EXPECT_EQ(run(picker, [](HWND d) { click(d, IDB_FRMSELUS_ABBRUCH); }), "");
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

TEST_F(Pickers, GroupPickerTellsNoGroupFromCancelAndChoosesOnlyOnEnter) {
  box.write("daten\\gruppen.dat", group("Mitglieder", "Zahlende\r\n 20 \r\n") + group("G\xe4ste", "x"));
  zorq::frmselgru picker(fs, where, ui);
  std::vector<std::string> shown;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  shown = listItems(d, IDL_FRMSELGRU_GROUPS);
                  choose(d, IDL_FRMSELGRU_GROUPS, 2);
                }),
            "G\xe4ste");
  EXPECT_EQ(shown, (std::vector<std::string>{"Keine Gruppe", "Mitglieder", "G\xe4ste"}));
  EXPECT_EQ(run(picker, [](HWND d) { choose(d, IDL_FRMSELGRU_GROUPS, 0); }), "");
  EXPECT_EQ(run(picker, [](HWND d) { click(d, IDB_FRMSELGRU_ABBRUCH); }), "@");
  EXPECT_EQ(run(picker, [](HWND d) { SendMessageW(d, WM_COMMAND, IDCANCEL, 0); }), "@");  // Esc
  EXPECT_EQ(run(picker, [](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }), "");
  // Moving through the list by keyboard chooses nothing yet; Enter does.
  bool stillOpen = false;
  EXPECT_EQ(run(picker,
                [&](HWND d) {
                  for (int i = 0; i < 3; ++i)
                    SendMessageW(GetDlgItem(d, IDL_FRMSELGRU_GROUPS), WM_KEYDOWN, VK_DOWN, 0);
                  stillOpen = IsWindowVisible(d);
                  SendMessageW(d, WM_COMMAND, IDOK, 0);
                }),
            "G\xe4ste");
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(ui.shown.empty());
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
  EXPECT_EQ(run(picker, [](HWND d) { click(d, IDB_FRMDIR_OK); }), box.path());

  EXPECT_EQ(run(picker,
                [](HWND d) {
                  doubleClick(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, "BOX"));
                  doubleClick(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, "UNTEN"));
                  click(d, IDB_FRMDIR_OK);
                }),
            box.file("BOX\\UNTEN\\"));

  // "OK" answers the directory open in the tree, not a row merely selected.
  EXPECT_EQ(run(picker,
                [](HWND d) {
                  choose(d, IDL_FRMDIR_TREE, rowOf(d, IDL_FRMDIR_TREE, "BOX"));
                  click(d, IDB_FRMDIR_OK);
                }),
            box.path());

  // The root of the drive: one backslash only.
  std::string root = run(picker, [](HWND d) {
    doubleClick(d, IDL_FRMDIR_TREE, 0);
    click(d, IDB_FRMDIR_OK);
  });
  EXPECT_EQ(root.size(), 3u);
  EXPECT_EQ(root.substr(1), ":\\");

  EXPECT_EQ(run(picker, [](HWND d) { click(d, IDB_FRMDIR_ABBRUCH); }), "");
}

// Only the files the mask matches are listed, and whatever order the list
// shows, the file double-clicked is the file answered.
TEST_F(Pickers, FilePickerListsTheMatchingFilesAndAnswersTheRowTheUserSees) {
  for (const char* name : {"b.wav", "a-c.wav", "ab.wav", "_x.wav", "A.WAV", "a'd.wav", "liesmich.txt"})
    box.write(name, "RIFF");
  zorq::frmfile picker(box.path(), "*.wav", ui);
  std::string caption;
  std::vector<std::string> rows;
  run(picker, [&](HWND d) {
    caption = ui::WindowText(d);
    rows = listItems(d, IDL_FRMFILE_FILES);
    click(d, IDB_FRMFILE_ABBRUCH);
  });
  EXPECT_EQ(caption, "File ausw\xe4hlen (*.wav Dateien)");
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

// Enter right after opening answers the caller's group; a group the file no
// longer lists is not replaced by a stray Enter.
TEST_F(Pickers, GroupPickerPreselectsTheCallersGroup) {
  box.write("daten\\gruppen.dat", group("Mitglieder", "") + group("Spieler", ""));
  for (auto [current, answer] : {std::pair{"Spieler", "Spieler"}, std::pair{"", ""}}) {
    zorq::frmselgru picker(fs, where, ui, current);
    int selected = -2;
    EXPECT_EQ(run(picker,
                  [&](HWND d) {
                    HWND list = GetDlgItem(d, IDL_FRMSELGRU_GROUPS);
                    selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
                    pressKey(d, list, VK_RETURN);
                  }),
              answer);
    EXPECT_EQ(selected, *current == '\0' ? 0 : 2);
  }
  zorq::frmselgru gone(fs, where, ui, "Weg");
  bool stillOpen = false;
  EXPECT_EQ(run(gone,
                [&](HWND d) {
                  pressKey(d, GetDlgItem(d, IDL_FRMSELGRU_GROUPS), VK_RETURN);
                  stillOpen = IsWindow(d) && IsWindowVisible(d);
                  click(d, IDB_FRMSELGRU_ABBRUCH);
                }),
            "@");
  EXPECT_TRUE(stillOpen);

  // A click on the preselected row chooses it, though it changes no selection.
  zorq::frmselgru clicked(fs, where, ui, "Mitglieder");
  EXPECT_EQ(run(clicked,
                [](HWND d) {
                  HWND list = GetDlgItem(d, IDL_FRMSELGRU_GROUPS);
                  RECT row;
                  SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
                  const LPARAM at = MAKELPARAM(row.left + 3, row.top + 2);
                  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
                  SendMessageW(list, WM_LBUTTONUP, 0, at);
                }),
            "Mitglieder");
}

// With the keyboard: Right opens the selected folder, Left its parent, and
// Enter in the tree answers the folder the cursor is on.
TEST_F(Pickers, DirectoryPickerByKeyboard) {
  std::filesystem::create_directories(box.file("BOX\\UNTEN"));
  std::filesystem::create_directories(box.file("BOX\\DANEBEN"));
  zorq::frmdir picker(box.path(), ui);
  EXPECT_EQ(run(picker,
                [](HWND d) {
                  HWND tree = GetDlgItem(d, IDL_FRMDIR_TREE);
                  holdFocus(d, IDL_FRMDIR_TREE);
                  SendMessageW(tree, LB_SETCURSEL, rowOf(d, IDL_FRMDIR_TREE, "BOX"), 0);
                  SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);  // opens BOX
                  SendMessageW(tree, LB_SETCURSEL, rowOf(d, IDL_FRMDIR_TREE, "UNTEN"), 0);
                  SendMessageW(tree, WM_KEYDOWN, VK_RIGHT, 0);  // opens UNTEN
                  SendMessageW(tree, WM_KEYDOWN, VK_LEFT, 0);   // back to BOX
                  SendMessageW(tree, LB_SETCURSEL, rowOf(d, IDL_FRMDIR_TREE, "DANEBEN"), 0);
                  pressKey(d, tree, VK_RETURN);
                }),
            box.file("BOX\\DANEBEN\\"));
}

// Enter in the user picker's list and in the file picker's file list
// answers the selected row.
TEST_F(Pickers, EnterInAPickersListAnswersTheSelection) {
  box.write("daten\\user.dat", "SYSOP\r\nMEIER\r\n");
  zorq::frmselus users(fs, where, ui);
  EXPECT_EQ(run(users,
                [](HWND d) {
                  holdFocus(d, IDL_FRMSELUS_USERS);
                  SendMessageW(GetDlgItem(d, IDL_FRMSELUS_USERS), LB_SETCURSEL, 1, 0);
                  pressKey(d, GetDlgItem(d, IDL_FRMSELUS_USERS), VK_RETURN);
                }),
            "MEIER");
  box.write("a.wav", "RIFF");
  box.write("b.wav", "RIFF");
  zorq::frmfile files(box.path(), "*.wav", ui);
  EXPECT_EQ(run(files,
                [](HWND d) {
                  holdFocus(d, IDL_FRMFILE_FILES);
                  SendMessageW(GetDlgItem(d, IDL_FRMFILE_FILES), LB_SETCURSEL, 1, 0);
                  pressKey(d, GetDlgItem(d, IDL_FRMFILE_FILES), VK_RETURN);
                }),
            box.file("b.wav"));
}

// The directory picker's lists are named by their labels.
TEST_F(Pickers, TheDirectoryPickersListsHaveNames) {
  CoInitialize(nullptr);
  zorq::frmdir picker(box.path(), ui);
  std::string drives, tree;
  run(picker, [&](HWND d) {
    drives = accessibleName(GetDlgItem(d, IDC_FRMDIR_DRIVES));
    tree = accessibleName(GetDlgItem(d, IDL_FRMDIR_TREE));
    click(d, IDB_FRMDIR_ABBRUCH);
  });
  EXPECT_EQ(drives, "Laufwerk");
  EXPECT_EQ(tree, "Directory");
  CoUninitialize();
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
                  pressKey(d, GetDlgItem(d, IDL_FRMDIR_TREE), VK_RETURN);  // Enter on the row
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
