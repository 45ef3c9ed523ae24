// The schedule editor and the add-on tools manager in the real program,
// with their small dialogs played from outside.
#include <gtest/gtest.h>

#include "win32/e2e_util.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

TEST(ScheduleInTheProgram, ANetCallOfAJanus2BoxOnTwoDaysIsWrittenToTheScheduleOfNetwork3) {
  DemoInstallation box(true, 3);
  const std::string before = box.read("daten\\zeit3.txt");
  const std::string network0 = box.read("daten\\zeit.txt");

  EditorRun program;
  HWND editor = program.open("Zeitplan", "Zeitplan");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(program.fieldText(editor, "&Zeit"), "01:00");

  ASSERT_TRUE(program.press(editor, "Neu"));
  ASSERT_TRUE(waitUntil([&] { return program.fieldText(editor, "&Zeit") == "23:59"; }));

  ASSERT_TRUE(program.press(editor, "Netzanruf"));
  HWND ports = program.waitWindow("Portwahl");
  ASSERT_NE(ports, nullptr);
  ASSERT_TRUE(program.press(ports, "Port 1"));
  HWND boxes = program.waitWindow("Bitte eine Netzbox w\xe4hlen");
  ASSERT_NE(boxes, nullptr);
  ASSERT_TRUE(doubleClickRow(boxes, firstList(boxes), 4));  // HANSEBOX, a Janus2 box
  HWND mode = program.waitWindow("Abfrage");
  ASSERT_NE(mode, nullptr);
  ASSERT_TRUE(program.press(mode, "nichts empfangen"));
  ASSERT_TRUE(waitUntil([&] { return program.fieldText(editor, "Erei&gnis") == "CALL 1 HANSEBOX|H"; }))
      << program.fieldText(editor, "Erei&gnis");

  ASSERT_TRUE(program.press(editor, "Wochentag"));
  HWND days = program.waitWindow("Zeit");
  ASSERT_NE(days, nullptr);
  for (const char* day : {"Montag", "Dienstag", "Donnerstag", "Freitag", "Samstag"}) {
    HWND check = findByText(days, day);
    ASSERT_NE(check, nullptr) << day;
    SendMessageW(check, BM_SETCHECK, BST_UNCHECKED, 0);
  }
  ASSERT_TRUE(program.press(days, "OK"));
  ASSERT_TRUE(
      waitUntil([&] { return program.fieldText(editor, "Erei&gnis") == "CALL 1 HANSEBOX|H *(Son,Mit)"; }));

  ASSERT_TRUE(program.press(editor, "OK"));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(editor); }));
  EXPECT_EQ(box.read("daten\\zeit3.txt"),
            " 3\r\n" + before.substr(before.find("\r\n") + 2) + "23:59\r\nCALL 1 HANSEBOX|H *(Son,Mit)\r\n");
  EXPECT_EQ(box.read("daten\\zeit.txt"), network0);
  EXPECT_FALSE(box.exists("daten\\zeit3.txt.bak"));

  program.cancel();
}

TEST(ToolsManagerInTheProgram, ANewToolTypedInIsAddedWithItsCallInUpperCase) {
  DemoInstallation box;
  const std::string before = box.read("zusatz.dat");

  EditorRun program;
  HWND manager = program.open("Zusatztools im Server", "Zusatzprogramm-Manager");
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(program.fieldText(manager, "Na&me"), "Brettpflege");

  ASSERT_TRUE(program.press(manager, "Neu"));
  ASSERT_TRUE(waitUntil([&] { return program.fieldText(manager, "Na&me") == "(NEU)"; }));
  ASSERT_TRUE(program.typeInto(manager, "Na&me", "Packer"));
  ASSERT_TRUE(program.typeInto(manager, "A&ufruf", "c:\\tools\\pack.exe -x"));
  ASSERT_TRUE(program.press(manager, "OK"));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(manager); }));
  EXPECT_EQ(box.read("zusatz.dat"), before + "Packer\tC:\\TOOLS\\PACK.EXE -X\r\n");

  program.cancel();
}

}  // namespace
