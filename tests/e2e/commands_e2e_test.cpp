// The command editor in the real program: opened from the main window,
// one level changed, saved.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "commands/frmprbefehle_ids.h"
#include "core/frmselgru_ids.h"
#include "win32/e2e_util.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace {

using namespace testing_support;

// Needs the main window's "Befehlseditor" button; enabled once the main
// window is merged.
TEST(CommandEditorInTheProgram, ChangingTheLevelOfLesenRewritesOnlyItsLine) {
  DemoInstallation box;
  const std::string levels = box.read("daten\\befehle.txt");
  const std::string groups = box.read("daten\\befgrup.txt");

  EditorRun program;
  HWND editor = program.open("Befehlseditor", "Befehlseditor");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(program.fieldText(editor, "Lesen"), "10");

  ASSERT_TRUE(program.typeInto(editor, "Lesen", "42"));
  ASSERT_TRUE(program.press(editor, "OK"));
  EXPECT_TRUE(waitClosed(editor));
  EXPECT_EQ(box.read("daten\\befehle.txt"), withLine(levels, 22, " 42 "));
  EXPECT_EQ(box.read("daten\\befgrup.txt"), groups);
  EXPECT_FALSE(box.exists("daten\\befehle.txt.bak"));

  program.cancel();
}

// A damaged befehle.txt that the sysop made read-only: five times "OK" is
// refused and every backup stays byte for byte; once writable, one "OK"
// keeps the damaged file as befehle.txt.bak and moves the others back.
TEST(CommandEditorInTheProgram, ADamagedReadOnlyFileNeverEatsItsBackups) {
  DemoInstallation box;
  const std::string damaged = " 1 \r\n 2 \r\n";
  box.write("daten\\befehle.txt", damaged);
  for (int g = 1; g <= 5; ++g)
    box.write("daten\\befehle.txt.bak" + (g > 1 ? std::to_string(g) : std::string()),
              "g" + std::to_string(g));
  auto generations = [&] {
    std::string all;
    for (int g = 1; g <= 5; ++g)
      all += box.read("daten\\befehle.txt.bak" + (g > 1 ? std::to_string(g) : std::string())) + "|";
    return all;
  };
  const std::string path = box.dir() + "daten\\befehle.txt";
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));

  ExeRun program(zorqcfgExe());
  HWND main = program.waitWindow("");
  ASSERT_NE(main, nullptr);
  auto openEditor = [&] {
    EXPECT_TRUE(program.press(main, "Befehlseditor"));
    auto loadError = program.waitMessageBox();
    EXPECT_TRUE(loadError && loadError->text == "Fehler beim Laden der Befehle");
    if (loadError) program.answer(*loadError, IDOK);
    return program.waitWindow("Befehlseditor");
  };
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE(round);
    HWND editor = openEditor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(program.press(editor, "OK"));
    auto refused = program.waitMessageBox();
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->text, "Fehler beim Speichern von <befehle.txt>\r\nDie Datei ist schreibgesch\xfctzt.");
    program.answer(*refused, IDOK);
    ASSERT_TRUE(program.press(editor, "Abbruch"));
    ASSERT_TRUE(waitClosed(editor));
    EXPECT_EQ(box.read("daten\\befehle.txt"), damaged);
    EXPECT_EQ(generations(), "g1|g2|g3|g4|g5|");
  }
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL));
  HWND editor = openEditor();
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(program.press(editor, "OK"));
  EXPECT_TRUE(waitClosed(editor));
  EXPECT_EQ(generations(), damaged + "|g1|g2|g3|g4|");
  ASSERT_TRUE(program.press(main, "Abbruch"));
  EXPECT_TRUE(program.waitExit().has_value());
}

// The file as the server reads it, without standing in the way of a
// replace; "" when it could not be opened.
std::string readShared(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(h);
  return bytes;
}

// One sysop's editor: opens the command editor, types the level, "OK",
// rounds times. Counts the saves that did not close the editor (a message
// box came up instead).
int saveRepeatedly(ExeRun& program, const std::string& level, int rounds) {
  int failed = 0;
  HWND main = program.waitWindow("");
  if (main == nullptr) return rounds;
  for (int round = 0; round < rounds; ++round) {
    if (!program.press(main, "Befehlseditor")) return failed + rounds - round;
    HWND editor = program.waitWindow("Befehlseditor");
    if (editor == nullptr || !program.typeInto(editor, "Lesen", level) || !program.press(editor, "OK"))
      return failed + rounds - round;
    // The other program may have saved since this editor loaded: the
    // editor then asks before it overwrites, and the sysop says yes.
    bool closed = false;
    for (int waited = 0; waited < 15000 && !closed; waited += 20) {
      closed = !IsWindow(editor);
      if (!closed && program.noMessageBox(0) == false) {
        auto box = program.waitMessageBox(100);
        if (!box || box->text.find("von einem anderen Programm ge\xe4ndert") == std::string::npos) break;
        program.answer(*box, IDYES);
      }
      if (!closed) Sleep(20);
    }
    if (!closed) {
      ++failed;
      if (auto box = program.waitMessageBox(100)) program.answer(*box, IDOK);
      Sleep(200);
      program.press(editor, "Abbruch");
      waitClosed(editor);
    }
  }
  return failed;
}

// Two editors save the same dialog again and again while the file is read
// as the server would: each save succeeds, and the file is always one whole
// version, never a mix and never missing.
TEST(CommandEditorInTheProgram, TwoEditorsSavingAtOnceNeverMixTheFile) {
  DemoInstallation box;
  const std::string levels = box.read("daten\\befehle.txt");
  const std::string mine = withLine(levels, 22, " 41 "), theirs = withLine(levels, 22, " 42 ");

  ExeRun first(zorqcfgExe()), second(zorqcfgExe());
  ASSERT_TRUE(first.started() && second.started());
  constexpr int kRounds = 25;
  std::atomic<bool> done{false};
  int reads = 0, bad = 0, refused = 0;
  std::thread reader([&] {
    while (!done) {
      std::string now = readShared(box.dir() + "daten\\befehle.txt");
      ++(now.empty() ? refused : reads);
      if (!now.empty() && now != levels && now != mine && now != theirs) ++bad;
      Sleep(1);
    }
  });
  int failedFirst = 0, failedSecond = 0;
  std::thread other([&] { failedSecond = saveRepeatedly(second, "42", kRounds); });
  failedFirst = saveRepeatedly(first, "41", kRounds);
  other.join();
  done = true;
  reader.join();

  EXPECT_EQ(failedFirst, 0);
  EXPECT_EQ(failedSecond, 0);
  EXPECT_EQ(bad, 0) << "of " << reads << " reads";
  RecordProperty("refused_opens", refused);
  const std::string last = box.read("daten\\befehle.txt");
  EXPECT_TRUE(last == mine || last == theirs);
  for (const auto& entry : std::filesystem::directory_iterator(box.dir() + "daten"))
    EXPECT_EQ(entry.path().filename().string().find('~'), std::string::npos) << entry.path().string();
  for (ExeRun* program : {&first, &second}) {
    program->press(program->waitWindow(""), "Abbruch");
    EXPECT_TRUE(program->waitExit().has_value());
  }
}

// While the group picker of the command editor is shown, the main window
// takes no input. A close request that reaches it all the same (as the
// system sends it) waits until the picker has answered; the program then
// ends without a crash and without writing anything.
TEST(CommandEditorInTheProgram, TheMainWindowWaitsWhileTheGroupPickerIsShown) {
  DemoInstallation box;
  const std::string before = box.snapshot();

  EditorRun program;
  HWND editor = program.open("Befehlseditor", "Befehlseditor");
  ASSERT_NE(editor, nullptr);
  HWND groupButton = GetDlgItem(editor, IDB_FRMPRBEFEHLE_GRUPPE);
  PostMessageW(editor, WM_COMMAND, MAKEWPARAM(IDB_FRMPRBEFEHLE_GRUPPE, BN_CLICKED),
               reinterpret_cast<LPARAM>(groupButton));
  HWND picker = program.waitWindow("Gruppe w\xe4hlen");
  ASSERT_NE(picker, nullptr);

  EXPECT_FALSE(IsWindowEnabled(program.main));
  EXPECT_FALSE(IsWindowEnabled(editor));
  EXPECT_FALSE(program.press(program.main, "Abbruch"));
  EXPECT_FALSE(program.press(program.main, "Ende"));
  PostMessageW(program.main, WM_CLOSE, 0, 0);
  Sleep(500);
  EXPECT_TRUE(IsWindow(program.main) && IsWindow(editor) && IsWindow(picker));

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
