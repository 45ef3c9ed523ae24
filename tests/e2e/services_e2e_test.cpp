// External programs and the chat call in the real program, opened from the
// main window and played from outside, their files compared byte for byte.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/win32/wide.h"
#include "ui/win32/dialog.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

template <class Done>
bool waitFor(Done done, int timeoutMs = 10000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (done()) return true;
    Sleep(50);
  }
  return false;
}

std::string withoutAccessKey(const std::string& caption) {
  std::string out;
  for (char c : caption)
    if (c != '&') out += c;
  return out;
}

// The window's controls whose caption, without its access key, is caption,
// top to bottom.
std::vector<HWND> controlsCaptioned(HWND window, const std::string& caption) {
  std::vector<HWND> found;
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    if (withoutAccessKey(ui::WindowText(c)) == caption) found.push_back(c);
  std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return found;
}

// A click on a check box, as the mouse would give it.
bool clickBox(HWND box) {
  if (box == nullptr) return false;
  LRESULT before = SendMessageW(box, BM_GETCHECK, 0, 0);
  SendMessageW(box, BM_CLICK, 0, 0);
  return SendMessageW(box, BM_GETCHECK, 0, 0) != before;
}

// The picker's list row with that text double-clicked.
bool doubleClickRow(HWND picker, HWND list, const std::string& text) {
  if (list == nullptr) return false;
  int count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    wchar_t row[512] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0) >= 512) continue;
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row));
    if (plat::narrow(row) != text) continue;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
    return true;
  }
  return false;
}

HWND firstList(HWND window) {
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(c, cls, 16);
    if (std::wstring(cls) == L"ListBox") return c;
  }
  return nullptr;
}

TEST(ServicesInTheProgram, ANewExternalProgramWithAnAliasIsAppendedToExternDat) {
  DemoInstallation box;
  const std::string before = box.read("daten\\extern.dat");

  ExeRun program(zorqcfgExe());
  ASSERT_TRUE(program.started());
  HWND main = program.waitWindow("");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program.press(main, "externe Programme"));
  HWND editor = program.waitWindow("Externe Programme");
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(program.noMessageBox());
  EXPECT_EQ(program.fieldText(editor, "Name"), "Schach");

  ASSERT_TRUE(program.press(editor, "Neu"));
  ASSERT_TRUE(waitFor([&] { return program.fieldText(editor, "Name") == "(NEU)"; }));
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
  ASSERT_TRUE(waitFor([&] { return program.fieldText(editor, "Aufruf") == "#Lesen"; }));

  ASSERT_TRUE(program.press(editor, "OK"));
  EXPECT_TRUE(waitFor([&] { return !IsWindow(editor); }));
  EXPECT_EQ(
      box.read("daten\\extern.dat"),
      before + "Post lesen\r\nAlle neuen Briefe\r\n#Lesen\r\n\r\n-16776948 \r\n");  // 255 << 24 | 256 | 12
  EXPECT_FALSE(box.exists("daten\\extern.dat.bak"));

  ASSERT_TRUE(program.press(main, "Abbruch"));
  EXPECT_TRUE(program.waitExit().has_value());
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

  ExeRun program(box.dir() + "zorqcfg.exe");
  ASSERT_TRUE(program.started());
  HWND main = program.waitWindow("");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program.press(main, "Chatruf"));
  HWND chat = program.waitWindow("Chatruf");
  ASSERT_NE(chat, nullptr);
  EXPECT_TRUE(program.noMessageBox());

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
  ASSERT_TRUE(waitFor([&] { return SendMessageW(files, LB_GETCOUNT, 0, 0) == 1; }));  // no .exe listed
  ASSERT_TRUE(doubleClickRow(picker, files, "gong.wav"));
  ASSERT_TRUE(waitFor([&] { return !IsWindow(picker); }));

  ASSERT_TRUE(program.press(chat, "OK"));
  EXPECT_TRUE(waitFor([&] { return !IsWindow(chat); }));

  // Line 1 and line 10 changed; the path is the wave file as the picker
  // names its folder.
  std::string after = box.read("daten\\chat.dat");
  std::vector<std::string> lines, old;
  for (std::size_t at = 0, end; (end = after.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(after.substr(at, end - at));
  for (std::size_t at = 0, end; (end = before.find("\r\n", at)) != std::string::npos; at = end + 2)
    old.push_back(before.substr(at, end - at));
  ASSERT_EQ(lines.size(), 11u);
  ASSERT_EQ(old.size(), 11u);
  EXPECT_EQ(lines[0], "01110111111");
  EXPECT_TRUE(std::filesystem::equivalent(lines[9], box.dir() + "gong.wav")) << lines[9];
  EXPECT_EQ(lines[9].substr(lines[9].size() - 9), "\\gong.wav");
  for (std::size_t i = 1; i < 11; ++i) {
    if (i == 9) continue;
    EXPECT_EQ(lines[i], old[i]) << i;
  }
  EXPECT_EQ(after.size(), before.size() - old[9].size() + lines[9].size());  // nothing after line 11

  ASSERT_TRUE(program.press(main, "Abbruch"));
  EXPECT_TRUE(program.waitExit().has_value());
}

}  // namespace
