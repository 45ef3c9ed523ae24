// The ports dialogs in the real program: the modem parameters of port 3
// through the port chooser, and the start parameters of network number 2
// with the table that "Ende" writes into main.txt.
#include <gtest/gtest.h>

#include <vector>

#include "win32/e2e_util.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

std::string lines(const std::vector<std::string>& all) {
  std::string out;
  for (const std::string& line : all) out += line + "\r\n";
  return out;
}

TEST(PortsInTheProgram, ModemparameterPort3WritesModem3Txt) {
  DemoInstallation box;
  const std::string port0 = box.read("daten\\modem.txt");
  EditorRun program;
  HWND chooser = program.open("Modemparameter", "Portwahl");
  ASSERT_NE(chooser, nullptr);
  ASSERT_TRUE(program.press(chooser, "Port 3"));
  HWND modem = program.waitWindow("Modemparameter");
  ASSERT_NE(modem, nullptr);
  EXPECT_TRUE(program.noMessageBox());
  EXPECT_EQ(program.fieldText(modem, "COM&Port"), "");  // port 3 has no file yet

  ASSERT_TRUE(program.typeInto(modem, "COM&Port", "COM4:"));
  ASSERT_TRUE(program.typeInto(modem, "&Baud", "19200"));
  ASSERT_TRUE(program.typeInto(modem, "R&eset", "ATZ"));
  ASSERT_TRUE(program.typeInto(modem, "Rin&g", "ring"));
  ASSERT_TRUE(program.typeInto(modem, "&Modeminit", "AT&F S0=0"));
  ASSERT_TRUE(program.typeInto(modem, "Inpu&tbuffer", "8000"));
  ASSERT_TRUE(clickBox(findByText(modem, "&RTS/CTS Handshaking")));
  ASSERT_TRUE(clickBox(findByText(modem, "Auflegen per &DTR Drop")));
  ASSERT_TRUE(program.press(modem, "OK"));
  EXPECT_TRUE(waitClosed(modem));
  EXPECT_TRUE(program.noMessageBox());

  EXPECT_EQ(box.read("daten\\modem3.txt"),
            lines({"COM4:", "19200", "0", "ATZ", "",  "",  "", "RING", "",  "0", "AT&F S0=0",
                   "",      "8000",  "0", " 1",  "0", "0", "", "1",    "0", "0"}));
  EXPECT_EQ(box.read("daten\\modem.txt"), port0);
  EXPECT_FALSE(box.exists("daten\\modem3.txt.bak"));

  program.cancel();
}

TEST(PortsInTheProgram, StartparameterOfNetworkTwoWritesStart2DatAndEndeTheTable) {
  DemoInstallation box(true, 2);
  const std::string mainBefore = box.read("daten\\main.txt");
  EditorRun program;
  HWND start = program.open("Startparameter", "Startparameter");
  ASSERT_NE(start, nullptr);
  ASSERT_TRUE(clickBox(findByText(start, "Port &4")));
  ASSERT_TRUE(program.press(start, "OK"));
  EXPECT_TRUE(waitClosed(start));

  // No start2.dat yet: the table main.txt holds, with port 4 started.
  EXPECT_EQ(box.read("daten\\start2.dat"),
            lines({" 1 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 1 ",
                   " 2 ", " 1 ", " 1 ", " 0 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 2 "}));
  EXPECT_FALSE(box.exists("daten\\start.dat.bak"));

  ASSERT_TRUE(program.press(program.main, "Ende"));
  ASSERT_TRUE(program.waitExit().has_value());
  EXPECT_EQ(box.read("daten\\main.txt"), withLine(mainBefore, 19, " 1 "));
}

}  // namespace
