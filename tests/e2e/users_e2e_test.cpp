// The users, texts and languages dialogs in the real program, played from
// outside: group moves by mouse, a box text opened in Notepad from a folder
// with a blank, and the import comment written by the main window's "Ende".
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "win32/e2e_util.h"
#include "platform/win32/wide.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

// The mouse messages a click (or a double click) on row of a list sends.
void clickRow(HWND list, int row, bool twice) {
  const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const LPARAM at = MAKELPARAM(10, row * height + height / 2);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(list, WM_LBUTTONUP, 0, at);
  if (!twice) return;
  PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  PostMessageW(list, WM_LBUTTONUP, 0, at);
}

TEST(UsersInTheProgram, GroupsMovedByMouseAreWrittenToNewuserDat) {
  DemoInstallation box;
  EditorRun program;
  HWND dialog = program.open("Voreinstellungen f\xfcr neuen User", "User Voreinstellungen");
  ASSERT_NE(dialog, nullptr);
  HWND forNew = fieldOf(dialog, "&Gruppen f\xfcr neue User");
  HWND remaining = fieldOf(dialog, "re&stliche Gruppen");
  ASSERT_NE(forNew, nullptr);
  ASSERT_NE(remaining, nullptr);
  EXPECT_EQ(itemsOf(forNew), (Names{"G\xe4ste", "Neulinge"}));
  EXPECT_EQ(itemsOf(remaining),
            (Names{"F\xf6rderverein", "Mitglieder", "Netzteilnehmer", "Programmierer", "Spieler"}));

  clickRow(forNew, 0, false);  // "G\xe4ste" out
  ASSERT_TRUE(waitUntil([&] { return itemsOf(forNew) == Names{"Neulinge"}; }));
  EXPECT_EQ(itemsOf(remaining), (Names{"F\xf6rderverein", "G\xe4ste", "Mitglieder", "Netzteilnehmer",
                                       "Programmierer", "Spieler"}));
  clickRow(remaining, 4, true);  // "Programmierer" in
  ASSERT_TRUE(waitUntil([&] { return itemsOf(forNew) == Names{"Neulinge", "Programmierer"}; }));
  ASSERT_TRUE(program.typeInto(dialog, "&Level", "7"));
  ASSERT_TRUE(program.press(dialog, "OK"));
  EXPECT_TRUE(waitClosed(dialog));
  EXPECT_EQ(box.read("daten\\newuser.dat"), "500\r\n10\r\n60\r\n7\r\nNeulinge\r\nProgrammierer\r\n");

  program.cancel();
}

// A Notepad window whose title names the file.
HWND waitNotepad(const std::string& file) {
  for (int waited = 0; waited <= 15000; waited += 100) {
    for (HWND w = FindWindowW(L"Notepad", nullptr); w != nullptr;
         w = FindWindowExW(nullptr, w, L"Notepad", nullptr)) {
      wchar_t buffer[256] = {};
      GetWindowTextW(w, buffer, 256);
      std::string title = plat::narrow(buffer);
      for (char& c : title) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (title.find(file) != std::string::npos) return w;
    }
    Sleep(100);
  }
  return nullptr;
}

TEST(UsersInTheProgram, MultichatOpensMultchatTxtInNotepadFromAFolderWithABlank) {
  DemoInstallation box(true, 0, true);
  ASSERT_NE(box.dir().find(' '), std::string::npos);
  ASSERT_TRUE(DeleteFileA((box.dir() + "texte\\multchat.txt").c_str()));
  EditorRun program;
  HWND dialog = program.open("Texte", "Editieren von Boxtexten");
  ASSERT_NE(dialog, nullptr);
  HWND list = fieldOf(dialog, "&m\xf6gliche Texte");
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(itemsOf(list).size(), 19u);
  ASSERT_EQ(itemsOf(list)[18].substr(0, 13), "Multichat.txt");
  clickRow(list, 18, true);

  HWND notepad = waitNotepad("multchat.txt");
  ASSERT_NE(notepad, nullptr) << "no Notepad shows multchat.txt";
  EXPECT_TRUE(box.exists("texte\\multchat.txt"));
  EXPECT_EQ(box.read("texte\\multchat.txt"), "");
  EXPECT_TRUE(IsWindow(dialog));
  DWORD notepadPid = 0;
  GetWindowThreadProcessId(notepad, &notepadPid);
  HANDLE notepadProcess = OpenProcess(SYNCHRONIZE, FALSE, notepadPid);
  PostMessageW(notepad, WM_CLOSE, 0, 0);
  if (notepadProcess != nullptr) {
    EXPECT_EQ(WaitForSingleObject(notepadProcess, 10000), WAIT_OBJECT_0);
    CloseHandle(notepadProcess);
  }
  EXPECT_EQ(box.read("texte\\multchat.txt"), "");

  ASSERT_TRUE(program.press(dialog, "OK"));
  EXPECT_TRUE(waitClosed(dialog));
  program.cancel();
}

TEST(UsersInTheProgram, TheImportCommentReachesMainTxtWithEnde) {
  DemoInstallation box;
  const std::string before = box.read("daten\\main.txt");
  EditorRun program;
  HWND dialog = program.open("Sonstiges", "Sonstiges");
  ASSERT_NE(dialog, nullptr);
  const std::string label =
      "&Kommentar bei CD-Import und BIN\xc4R-Import, wenn kein Kommentar gefunden werden kann";
  EXPECT_EQ(program.fieldText(dialog, label), lineOf(before, 39));
  ASSERT_TRUE(program.typeInto(dialog, label, "Import ohne Beschreibung"));
  ASSERT_TRUE(program.press(dialog, "OK"));
  EXPECT_TRUE(waitClosed(dialog));
  EXPECT_EQ(box.read("daten\\main.txt"), before);  // only "Ende" writes it

  ASSERT_TRUE(program.press(program.main, "Ende"));
  ASSERT_TRUE(program.waitExit().has_value());
  const std::string after = box.read("daten\\main.txt");
  EXPECT_EQ(lineOf(after, 39), "Import ohne Beschreibung");
  EXPECT_EQ(after.substr(0, after.size() - lineOf(after, 39).size() - 2),
            before.substr(0, before.size() - lineOf(before, 39).size() - 2));
}

}  // namespace
