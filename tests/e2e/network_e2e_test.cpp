// Domain routing in the real program, opened from the main window and
// played from outside.
#include <gtest/gtest.h>

#include "win32/e2e_util.h"
#include "network/frmbox_ids.h"
#include "network/frmdomain_ids.h"
#include "platform/win32/wide.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace {

using namespace testing_support;

// Types into a field of another process as the keyboard would: the field
// tells its dialog.
void typeInto(HWND window, int id, const std::string& text) {
  std::wstring w = plat::wide(text);
  SendMessageW(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
}

// The text of a field of another process.
std::string fieldText(HWND window, int id) {
  wchar_t buffer[1024] = {};
  SendMessageW(GetDlgItem(window, id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
  return plat::narrow(buffer);
}

TEST(RoutingInTheProgram, ANewRouteTypedAndPickedFromTheNetBoxesIsWrittenInItsGroup) {
  DemoInstallation box;
  ASSERT_EQ(box.read("daten\\routing.txt"),
            " 6\r\nt-online.de~nordlicht.luebeck.de\tWESTHOF\r\n*~nordlicht.fido.de\tFIDOGATE\r\n"
            "fido.de\tFIDOGATE\r\ncl-netz.de\tSUEDWIND\r\nkuestenfunk.zer\tK\xdcSTENFUNK\r\n*\tWESTHOF\r\n");

  EditorRun program;
  HWND routing = program.open("Domainrouting", "Domainrouting");
  ASSERT_NE(routing, nullptr);
  EXPECT_EQ(program.fieldText(routing, "&Domain"), "t-online.de");

  ASSERT_TRUE(program.press(routing, "Neu"));
  ASSERT_TRUE(waitUntil([&] { return fieldText(routing, IDE_FRMDOMAIN_FIELD) == "(NEU)"; }));
  typeInto(routing, IDE_FRMDOMAIN_FIELD + 0, "Hanse.DE");
  typeInto(routing, IDE_FRMDOMAIN_FIELD + 1, "Nordlicht.DE");

  ASSERT_TRUE(program.press(routing, "Wahl"));
  HWND picker = program.waitWindow("Bitte eine Netzbox w\xe4hlen");
  ASSERT_NE(picker, nullptr);
  HWND boxes = GetDlgItem(picker, IDL_FRMBOX_BOXES);
  ASSERT_EQ(SendMessageW(boxes, LB_GETCOUNT, 0, 0), 5);
  ASSERT_TRUE(doubleClickRow(picker, boxes, 4));
  EXPECT_TRUE(waitClosed(picker));
  EXPECT_EQ(fieldText(routing, IDE_FRMDOMAIN_FIELD + 2), "HANSEBOX");

  ASSERT_TRUE(program.press(routing, "OK"));
  EXPECT_TRUE(waitClosed(routing));
  EXPECT_EQ(box.read("daten\\routing.txt"),
            " 7\r\nt-online.de~nordlicht.luebeck.de\tWESTHOF\r\nhanse.de~Nordlicht.DE\tHANSEBOX\r\n"
            "*~nordlicht.fido.de\tFIDOGATE\r\nfido.de\tFIDOGATE\r\ncl-netz.de\tSUEDWIND\r\n"
            "kuestenfunk.zer\tK\xdcSTENFUNK\r\n*\tWESTHOF\r\n");
  EXPECT_FALSE(box.exists("daten\\routing.txt.bak"));

  program.cancel();
}

}  // namespace
