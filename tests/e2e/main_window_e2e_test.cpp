// The real zorqcfg.exe on a copy of the demo installation: "Ende",
// "Abbruch" and the server lock, checked from this (another) process.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "core/haupt_ids.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/window_rules.h"

namespace {

using testing_support::DemoInstallation;
using testing_support::ExeRun;

const char* kReload = "ZORQRELOAD";

void forgetReloadAtom() {
  for (int i = 0; i < 1000; ++i) {
    ATOM atom = GlobalFindAtomA(kReload);
    if (atom == 0) return;
    GlobalDeleteAtom(atom);
  }
}

std::string lineOne(const std::string& bytes) { return bytes.substr(0, bytes.find("\r\n")); }

std::string iniOf(const DemoInstallation& box) {
  std::ifstream ini(box.iniPath(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(ini), {});
}

TEST(MainWindowE2e, EndeWritesMainTxtAndZorqIniAndSignalsTheServer) {
  DemoInstallation box;
  forgetReloadAtom();
  const std::string before = box.read("daten\\main.txt");
  ExeRun editor(testing_support::zorqcfgExe());
  HWND main = editor.waitWindow("Valmorin Config");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(editor.fieldText(main, "Boxname"), lineOne(before));
  ASSERT_TRUE(editor.typeInto(main, "Boxname", "Ostsee-Box Kiel"));
  ASSERT_TRUE(editor.press(main, "Ende"));
  ASSERT_TRUE(editor.waitExit().has_value());

  std::string expected = before;
  expected.replace(0, lineOne(before).size(), "Ostsee-Box Kiel");
  EXPECT_EQ(box.read("daten\\main.txt"), expected);
  EXPECT_FALSE(box.exists("daten\\main.txt.bak"));
  EXPECT_EQ(iniOf(box), box.dir() + "\r\n 0 \r\n");
  EXPECT_NE(GlobalFindAtomA(kReload), 0);
}

TEST(MainWindowE2e, AbbruchLeavesEveryFileAndSendsNoSignal) {
  DemoInstallation box;
  forgetReloadAtom();
  const std::string before = box.snapshot();
  ExeRun editor(testing_support::zorqcfgExe());
  HWND main = editor.waitWindow("Valmorin Config");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(editor.typeInto(main, "Boxname", "Ostsee-Box Kiel"));
  ASSERT_TRUE(editor.typeInto(main, "Netzwerk #", "5"));
  ASSERT_TRUE(editor.press(main, "Abbruch"));
  ASSERT_TRUE(editor.waitExit().has_value());
  EXPECT_EQ(box.snapshot(), before);
  EXPECT_EQ(iniOf(box), box.dir() + "\r\n 0 \r\n");
  EXPECT_EQ(GlobalFindAtomA(kReload), 0);
}

TEST(MainWindowE2e, AnActiveServerLockEndsTheEditor) {
  DemoInstallation box;
  forgetReloadAtom();
  box.write("daten\\env.dat", "Valmorin 2.1\r\n14.03.1997\r\n22:41\r\n 3 \r\n 1523 \r\n 0 \r\n 0 \r\n1\r\n");
  const std::string before = box.snapshot();
  ExeRun editor(testing_support::zorqcfgExe());
  auto shown = editor.waitMessageBox();
  ASSERT_TRUE(shown.has_value());
  EXPECT_EQ(shown->title, "Meldung");
  EXPECT_EQ(shown->text, "Das Schlo\xdf im Server ist aktiv");
  editor.answer(*shown, IDOK);
  ASSERT_TRUE(editor.waitExit().has_value());
  EXPECT_EQ(box.snapshot(), before);
  EXPECT_EQ(GlobalFindAtomA(kReload), 0);
}

// A screen reader is another process: the names the editor gives its
// controls reach it through COM, which the editor joins only when first asked.
TEST(MainWindowE2e, AScreenReaderInAnotherProcessHearsTheGivenNames) {
  DemoInstallation box;
  ExeRun editor(testing_support::zorqcfgExe());
  HWND main = editor.waitWindow("Valmorin Config");
  ASSERT_NE(main, nullptr);
  CoInitialize(nullptr);
  EXPECT_EQ(testing_support::accessibleName(GetDlgItem(main, IDB_HAUPT_NETZPFAD)), "Netzpfad w\xe4hlen");
  EXPECT_EQ(testing_support::accessibleName(GetDlgItem(main, IDC_HAUPT_NETZWERK)), "Netzwerk #");
  CoUninitialize();
  ASSERT_TRUE(editor.press(main, "Abbruch"));
  EXPECT_TRUE(editor.waitExit().has_value());
}

}  // namespace
