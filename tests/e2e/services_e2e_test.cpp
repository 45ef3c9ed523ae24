// External programs and the chat call in the real program, opened from the
// main window and played from outside, their files compared byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "win32/e2e_util.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

TEST(ServicesInTheProgram, ANewExternalProgramWithAnAliasIsAppendedToExternDat) {
  DemoInstallation box;
  const std::string before = box.read("daten\\extern.dat");

  EditorRun program;
  HWND editor = program.open("externe Programme", "Externe Programme");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(program.fieldText(editor, "Name"), "Schach");

  ASSERT_TRUE(program.press(editor, "Neu"));
  ASSERT_TRUE(waitUntil([&] { return program.fieldText(editor, "Name") == "(NEU)"; }));
  ASSERT_TRUE(program.typeInto(editor, "Name", "Post lesen"));
  ASSERT_TRUE(program.typeInto(editor, "Kommentar", "Alle neuen Briefe"));
  ASSERT_TRUE(program.typeInto(editor, "Level", "12"));
  ASSERT_TRUE(program.typeInto(editor, "Shortcut", "-1"));
  auto befehl = controlsCaptioned(editor, "Befehl");
  ASSERT_EQ(befehl.size(), 1u);
  ASSERT_TRUE(clickBox(befehl[0]));

  ASSERT_TRUE(program.press(editor, "Alias"));
  HWND picker = program.waitWindow("F\xfcr welchen Befehl?");
  ASSERT_NE(picker, nullptr);
  ASSERT_TRUE(doubleClickRow(picker, firstList(picker), "Lesen"));
  ASSERT_TRUE(waitUntil([&] { return program.fieldText(editor, "Aufruf") == "#Lesen"; }));

  ASSERT_TRUE(program.press(editor, "OK"));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(editor); }));
  EXPECT_EQ(
      box.read("daten\\extern.dat"),
      before + "Post lesen\r\nAlle neuen Briefe\r\n#Lesen\r\n\r\n-16776948 \r\n");  // 255 << 24 | 256 | 12
  EXPECT_FALSE(box.exists("daten\\extern.dat.bak"));

  program.cancel();
}

// The file picker opens in the program's own folder: the editor is started
// from a copy beside the installation's wave file.
TEST(ServicesInTheProgram, ChatrufSwitchesAndAWaveFileChosenWithAuswahlAreWrittenToChatDat) {
  DemoInstallation box;
  const std::string before = box.read("daten\\chat.dat");
  ASSERT_EQ(before.substr(0, 13), "11110111101\r\n");
  box.write("gong.wav", "RIFF");
  ASSERT_TRUE(
      CopyFileW(plat::wide(zorqcfgExe()).c_str(), plat::wide(box.dir() + "zorqcfg.exe").c_str(), FALSE));

  EditorRun program(box.dir() + "zorqcfg.exe");
  HWND chat = program.open("Chatruf", "Chatruf");
  ASSERT_NE(chat, nullptr);

  auto dialogwe = controlsCaptioned(chat, "Dialogwe.txt anzeigen");
  auto brief = controlsCaptioned(chat, "Brief an Sysop anbieten");
  ASSERT_TRUE(dialogwe.size() == 1 && brief.size() == 1);
  ASSERT_TRUE(clickBox(dialogwe[0]));  // switch 1 off
  ASSERT_TRUE(clickBox(brief[0]));     // switch 10 on

  auto auswahl = controlsCaptioned(chat, "Auswahl");
  ASSERT_EQ(auswahl.size(), 5u);
  PostMessageW(chat, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(auswahl[4]), BN_CLICKED),
               reinterpret_cast<LPARAM>(auswahl[4]));
  HWND picker = program.waitWindow("File ausw\xe4hlen (*.wav Dateien)");
  ASSERT_NE(picker, nullptr);
  HWND files = fieldOf(picker, "File w\xe4hlen (Doppelklick)");
  ASSERT_TRUE(waitUntil([&] { return SendMessageW(files, LB_GETCOUNT, 0, 0) == 1; }));  // no .exe listed
  ASSERT_TRUE(doubleClickRow(picker, files, "gong.wav"));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(picker); }));

  ASSERT_TRUE(program.press(chat, "OK"));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(chat); }));

  // Line 1 and line 10 changed; the path is the wave file as the picker
  // names its folder.
  const std::string after = box.read("daten\\chat.dat");
  const std::string path = lineOf(after, 10);
  EXPECT_TRUE(std::filesystem::equivalent(path, box.dir() + "gong.wav")) << path;
  EXPECT_EQ(after, withLine(withLine(before, 1, "01110111111"), 10, path));

  program.cancel();
}

}  // namespace
