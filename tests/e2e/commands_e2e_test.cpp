// The command editor in the real program: opened from the main window,
// one level changed, saved.
#include <gtest/gtest.h>

#include "commands/frmprbefehle_ids.h"
#include "core/frmselgru_ids.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace {

using namespace testing_support;

bool waitClosed(HWND window, int timeoutMs = 10000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (!IsWindow(window)) return true;
    Sleep(50);
  }
  return false;
}

// Line n (from 1) of a file replaced by text.
std::string withLine(const std::string& bytes, int n, const std::string& text) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
  std::size_t end = bytes.find("\r\n", start);
  return bytes.substr(0, start) + text + bytes.substr(end);
}

// Needs the main window's "Befehlseditor" button; enabled once the main
// window is merged.
TEST(CommandEditorInTheProgram, ChangingTheLevelOfLesenRewritesOnlyItsLine) {
  DemoInstallation box;
  const std::string levels = box.read("daten\\befehle.txt");
  const std::string groups = box.read("daten\\befgrup.txt");

  ExeRun program(zorqcfgExe());
  ASSERT_TRUE(program.started());
  HWND main = program.waitWindow("");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program.press(main, "Befehlseditor"));
  HWND editor = program.waitWindow("Befehlseditor");
  ASSERT_NE(editor, nullptr);
  EXPECT_TRUE(program.noMessageBox());
  EXPECT_EQ(program.fieldText(editor, "Lesen"), "10");

  ASSERT_TRUE(program.typeInto(editor, "Lesen", "42"));
  ASSERT_TRUE(program.press(editor, "OK"));
  EXPECT_TRUE(waitClosed(editor));
  EXPECT_EQ(box.read("daten\\befehle.txt"), withLine(levels, 22, " 42 "));
  EXPECT_EQ(box.read("daten\\befgrup.txt"), groups);
  EXPECT_FALSE(box.exists("daten\\befehle.txt.bak"));

  ASSERT_TRUE(program.press(main, "Abbruch"));
  EXPECT_TRUE(program.waitExit().has_value());
}

// While the group picker of the command editor is shown, the main window
// takes no input. A close request that reaches it all the same (as the
// system sends it) waits until the picker has answered; the program then
// ends without a crash and without writing anything.
TEST(CommandEditorInTheProgram, TheMainWindowWaitsWhileTheGroupPickerIsShown) {
  DemoInstallation box;
  const std::string before = box.snapshot();

  ExeRun program(zorqcfgExe());
  ASSERT_TRUE(program.started());
  HWND main = program.waitWindow("");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program.press(main, "Befehlseditor"));
  HWND editor = program.waitWindow("Befehlseditor");
  ASSERT_NE(editor, nullptr);
  HWND groupButton = GetDlgItem(editor, IDB_FRMPRBEFEHLE_GRUPPE);
  PostMessageW(editor, WM_COMMAND, MAKEWPARAM(IDB_FRMPRBEFEHLE_GRUPPE, BN_CLICKED),
               reinterpret_cast<LPARAM>(groupButton));
  HWND picker = program.waitWindow("Gruppe w\xe4hlen");
  ASSERT_NE(picker, nullptr);

  EXPECT_FALSE(IsWindowEnabled(main));
  EXPECT_FALSE(IsWindowEnabled(editor));
  EXPECT_FALSE(program.press(main, "Abbruch"));
  EXPECT_FALSE(program.press(main, "Ende"));
  PostMessageW(main, WM_CLOSE, 0, 0);
  Sleep(500);
  EXPECT_TRUE(IsWindow(main) && IsWindow(editor) && IsWindow(picker));

  HWND list = GetDlgItem(picker, IDL_FRMSELGRU_GROUPS);
  SendMessageW(list, LB_SETCURSEL, 1, 0);
  PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDL_FRMSELGRU_GROUPS, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  auto code = program.waitExit();
  ASSERT_TRUE(code.has_value());
  EXPECT_EQ(*code, 0u);
  EXPECT_EQ(box.snapshot(), before);
}

}  // namespace
