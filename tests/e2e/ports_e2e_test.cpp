// The ports dialogs in the real program: the modem parameters of port 3
// through the port chooser, the start parameters of network number 2, and
// the memory limits that "Ende" writes into main.txt.
#include <gtest/gtest.h>

#include <vector>

#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

// Ticks or clears a check box of the program, as a click on it would.
bool clickBox(HWND window, const std::string& caption) {
  HWND box = findByText(window, caption);
  if (box == nullptr || !IsWindowVisible(box)) return false;
  SendMessageW(box, BM_CLICK, 0, 0);
  return true;
}

std::string lines(const std::vector<std::string>& all) {
  std::string out;
  for (const std::string& line : all) out += line + "\r\n";
  return out;
}

// Line n (from 1) of a file replaced by text.
std::string withLine(const std::string& bytes, int n, const std::string& text) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
  std::size_t end = bytes.find("\r\n", start);
  return bytes.substr(0, start) + text + bytes.substr(end);
}

TEST(PortsInTheProgram, ModemparameterPort3WritesModem3Txt) {
  DemoInstallation box;
  const std::string port0 = box.read("daten\\modem.txt");
  ExeRun program(zorqcfgExe());
  HWND main = program.waitWindow("Valmorin Config");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program.press(main, "Modemparameter"));
  HWND chooser = program.waitWindow("Portwahl");
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
  ASSERT_TRUE(clickBox(modem, "&RTS/CTS Handshaking"));
  ASSERT_TRUE(clickBox(modem, "Auflegen per &DTR Drop"));
  ASSERT_TRUE(program.press(modem, "OK"));
  EXPECT_TRUE(waitClosed(modem));
  EXPECT_TRUE(program.noMessageBox());

  EXPECT_EQ(box.read("daten\\modem3.txt"),
            lines({"COM4:", "19200", "0", "ATZ", "",  "",  "", "RING", "",  "0", "AT&F S0=0",
                   "",      "8000",  "0", " 1",  "0", "0", "", "1",    "0", "0"}));
  EXPECT_EQ(box.read("daten\\modem.txt"), port0);
  EXPECT_FALSE(box.exists("daten\\modem3.txt.bak"));

  ASSERT_TRUE(program.press(main, "Abbruch"));
  EXPECT_TRUE(program.waitExit().has_value());
}

TEST(PortsInTheProgram, StartparameterOfNetworkTwoWritesStart2DatAndEndeTheTable) {
  DemoInstallation box(true, 2);
  const std::string mainBefore = box.read("daten\\main.txt");
  ExeRun program(zorqcfgExe());
  HWND main = program.waitWindow("Valmorin Config");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program.press(main, "Startparameter"));
  HWND start = program.waitWindow("Startparameter");
  ASSERT_NE(start, nullptr);
  EXPECT_TRUE(program.noMessageBox());
  ASSERT_TRUE(clickBox(start, "Port &4"));
  ASSERT_TRUE(program.press(start, "OK"));
  EXPECT_TRUE(waitClosed(start));

  // No start2.dat yet: the table main.txt holds, with port 4 started.
  EXPECT_EQ(box.read("daten\\start2.dat"),
            lines({" 1 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 0 ", " 1 ",
                   " 2 ", " 1 ", " 1 ", " 0 ", " 1 ", " 0 ", " 0 ", " 0 ", " 0 ", " 2 "}));
  EXPECT_FALSE(box.exists("daten\\start.dat.bak"));

  ASSERT_TRUE(program.press(main, "Ende"));
  ASSERT_TRUE(program.waitExit().has_value());
  EXPECT_EQ(box.read("daten\\main.txt"), withLine(mainBefore, 19, " 1 "));
}

TEST(PortsInTheProgram, SpeicherThenEndeWritesTheCorrectedLimitsIntoMainTxt) {
  DemoInstallation box;
  const std::string mainBefore = box.read("daten\\main.txt");
  ExeRun program(zorqcfgExe());
  HWND main = program.waitWindow("Valmorin Config");
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(program.press(main, "Speicher"));
  HWND limits = program.waitWindow("Speicher");
  ASSERT_NE(limits, nullptr);
  EXPECT_EQ(program.fieldText(limits, "Max. &Bretter"), "2000");
  ASSERT_TRUE(program.typeInto(limits, "Max. &Bretter", "20000"));
  ASSERT_TRUE(program.typeInto(limits, "Max. &Netzboxen", "3"));
  ASSERT_TRUE(program.typeInto(limits, "Max. &Editorzeilen", ""));
  ASSERT_TRUE(program.press(limits, "OK"));
  EXPECT_TRUE(waitClosed(limits));
  ASSERT_TRUE(program.press(main, "Ende"));
  ASSERT_TRUE(program.waitExit().has_value());
  EXPECT_EQ(box.read("daten\\main.txt"),
            withLine(withLine(withLine(mainBefore, 10, "16000"), 12, "5"), 13, "100"));
}

}  // namespace
