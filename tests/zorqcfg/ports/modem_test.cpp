#include "ports/modem.h"

#include <gtest/gtest.h>

#include "faulty_fs.h"
#include "temp_dir.h"

namespace {

using testing_support::FaultyFileSystem;
using testing_support::TempDir;
using zorq::ModemEditor;
using zorq::ModemParameters;

// The first fifteen lines of a port's file, as the server's own tools wrote
// it: ring and connect in lower case on purpose.
const std::string kShortForm =
    "COM2:\r\n38400\r\n2400\r\nATZ\r\nATH\r\nATDT\r\nATH1\r\nring\r\nATA\r\n43\r\n"
    "ATS0=0&D0&C1S2=43\r\nconnect\r\n10000\r\n12000\r\n 1 \r\n";

struct Modem : ::testing::Test {
  TempDir dir;
  zorq::Installation where{"", dir.path()};
  plat::FileSystem& fs = plat::localFileSystem();
  Modem() { fs.makeDirectory(dir.path() + "daten"); }

  void file(const std::string& name, const std::string& bytes) { dir.write("daten\\" + name, bytes); }
  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
};

TEST_F(Modem, EachPortReadsAndWritesItsOwnFile) {
  file("modem.txt", kShortForm);
  ModemEditor port0(0), port8(8);
  ASSERT_TRUE(port0.load(fs, where).ok());
  ASSERT_TRUE(port8.load(fs, where).ok());
  EXPECT_EQ(port0.values.comPort, "COM2:");
  EXPECT_EQ(port8.values.comPort, "");  // no file: empty
  ASSERT_TRUE(port8.save(fs, where).ok());
  EXPECT_TRUE(dir.exists("daten\\modem8.txt"));
  EXPECT_EQ(file("modem.txt"), kShortForm);
}

TEST_F(Modem, AFifteenOrSixteenLineFileLoadsWithTheTailEmptyAndSavesAllTwentyOneLines) {
  for (const std::string& bytes : {kShortForm, kShortForm + "0\r\n"}) {
    file("modem3.txt", bytes);
    ModemEditor editor(3);
    ASSERT_TRUE(editor.load(fs, where).ok());
    const ModemParameters& m = editor.values;
    EXPECT_EQ(m.ring, "ring");  // lower case loads unchanged
    EXPECT_EQ(m.outputBuffer, "12000");
    EXPECT_EQ(m.rtsCts, 1);
    EXPECT_EQ(m.capi, 0);
    EXPECT_EQ(m.capiNumber, "");
    EXPECT_EQ(m.dtrDrop + m.proposeUserName + m.refuseUnknown, 0);
    ASSERT_TRUE(editor.save(fs, where).ok());
    EXPECT_EQ(file("modem3.txt"),
              "COM2:\r\n38400\r\n2400\r\nATZ\r\nATH\r\nATDT\r\nATH1\r\nRING\r\nATA\r\n43\r\n"
              "ATS0=0&D0&C1S2=43\r\nCONNECT\r\n10000\r\n12000\r\n 1\r\n0\r\n0\r\n\r\n0\r\n0\r\n0\r\n");
  }
}

TEST_F(Modem, TheTailIsReadAsFarAsTheFileGoes) {
  ModemParameters m;
  ASSERT_TRUE(zorq::parseModem(kShortForm + "0\r\n1\r\n0301 12345\r\n", m).ok());  // 18 lines
  EXPECT_EQ(m.capi, 1);
  EXPECT_EQ(m.capiNumber, "0301 12345");
  EXPECT_EQ(m.dtrDrop, 0);

  ModemParameters full;
  const std::string all = kShortForm + "0\r\n1\r\n0301 12345\r\n1\r\n1\r\n1\r\n";
  ASSERT_TRUE(zorq::parseModem(all, full).ok());
  EXPECT_EQ(full.dtrDrop + full.proposeUserName + full.refuseUnknown, 3);

  // Line 17 without line 18 is broken; what came before it stays.
  ModemParameters broken;
  EXPECT_FALSE(zorq::parseModem(kShortForm + "0\r\n1\r\n", broken).ok());
  EXPECT_EQ(broken.outputBuffer, "12000");
  EXPECT_EQ(broken.rtsCts, 1);
}

TEST_F(Modem, ACheckBoxLineOfThreeOrAShortFileIsALoadErrorAndTheFileIsKeptAsBackup) {
  const std::string bad = kShortForm + "0\r\n3\r\n4711\r\n";
  file("modem2.txt", bad);
  ModemEditor editor(2);
  txt::Status loaded = editor.load(fs, where);
  EXPECT_EQ(loaded.error, "Fehler beim Laden von <modem2.txt>");
  EXPECT_EQ(editor.values.comPort, "COM2:");
  EXPECT_EQ(editor.values.capi, 0);
  ASSERT_TRUE(editor.save(fs, where).ok());
  EXPECT_EQ(file("modem2.txt.bak"), bad);

  file("modem.txt", "COM1:\r\n9600\r\n");
  ModemEditor shortFile(0);
  EXPECT_EQ(shortFile.load(fs, where).error, "Fehler beim Laden von <modem.txt>");
  EXPECT_EQ(shortFile.values.baud, "9600");

  ModemParameters lenient;  // the numeric value of a line: no number is 0
  std::string rts = kShortForm.substr(0, kShortForm.size() - 5);
  ASSERT_TRUE(zorq::parseModem(rts + "ja\r\n0\r\n1abc\r\n\r\n 2 \r\n", lenient).ok());
  EXPECT_EQ(lenient.rtsCts, 0);
  EXPECT_EQ(lenient.capi, 1);
  EXPECT_EQ(lenient.dtrDrop, 2);
  EXPECT_FALSE(zorq::parseModem(rts + "-1\r\n", lenient).ok());

  ModemParameters greyed;  // an old greyed box counts as ticked
  ASSERT_TRUE(zorq::parseModem(kShortForm + "0\r\n2\r\n\r\n", greyed).ok());
  EXPECT_EQ(greyed.capi, 2);
  const std::string tail = "\r\n1\r\n\r\n0\r\n0\r\n0\r\n";
  EXPECT_EQ(zorq::modemBytes(greyed).substr(zorq::modemBytes(greyed).size() - tail.size()), tail);
}

TEST(ModemFile, EmptyNumbersAreWrittenAsZeroOnExactlyTheFiveNumberLines) {
  ModemParameters m;  // every text empty
  EXPECT_EQ(
      zorq::modemBytes(m),
      "\r\n0\r\n0\r\n\r\n\r\n\r\n\r\n\r\n\r\n0\r\n\r\n\r\n0\r\n0\r\n 0\r\n0\r\n0\r\n\r\n0\r\n0\r\n0\r\n");
  m.rtsCts = 1;
  m.dtrDrop = 1;
  m.waehlen = "atdt";
  m.connect = "connect \xe4";
  const std::string bytes = zorq::modemBytes(m);
  EXPECT_NE(bytes.find("\r\natdt\r\n"), std::string::npos);  // other commands keep their case
  EXPECT_NE(bytes.find("\r\nCONNECT \xc4\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("\r\n 1\r\n0\r\n0\r\n\r\n1\r\n"), std::string::npos);
}

TEST(ModemFile, BuffersAboveSixtyFiveThousandWarn) {
  ModemParameters m;
  m.inputBuffer = "65000";
  m.outputBuffer = "65000";
  EXPECT_FALSE(zorq::buffersTooLarge(m));
  m.outputBuffer = "65001";
  EXPECT_TRUE(zorq::buffersTooLarge(m));
  m.outputBuffer = "";
  m.inputBuffer = " 65001abc";
  EXPECT_TRUE(zorq::buffersTooLarge(m));
}

TEST(ModemPresets, EachPresetSetsItsCommandSetAndLeavesTheCapiFieldsAlone) {
  ModemParameters start;
  start.capi = 1;
  start.capiNumber = "4711";
  start.dtrDrop = 1;
  start.proposeUserName = 1;
  start.refuseUnknown = 1;
  start.ring = "klingel";

  ModemParameters m = start;
  zorq::applyPreset(m, zorq::kNoPreset, "123");
  EXPECT_EQ(zorq::modemBytes(m), zorq::modemBytes(start));

  zorq::applyPreset(m, zorq::kHayes, "");
  EXPECT_EQ(zorq::modemBytes(m),
            "COM2:\r\n56000\r\n2400\r\nATZ\r\nATH\r\nATDT\r\nATH1\r\nRING\r\nATA\r\n43\r\n"
            "ATS0=0&D0&C1S2=43\r\nCONNECT\r\n10000\r\n10000\r\n 1\r\n0\r\n1\r\n4711\r\n1\r\n1\r\n1\r\n");

  m = start;
  zorq::applyPreset(m, zorq::kCfos, "");
  EXPECT_EQ(m.modemInit, "AT X7 &A0= &L0");
  EXPECT_EQ(m.baud, "128000");
  zorq::applyPreset(m, zorq::kCfos, "0301 4711");
  EXPECT_EQ(m.modemInit, "AT X7 &A0=0301 4711 &L0");
  zorq::applyPreset(m, zorq::kTelesVcom, "555");
  EXPECT_EQ(m.modemInit, "ATB4&D%P 555");
  EXPECT_EQ(m.comPort, "COM3:");
  EXPECT_EQ(m.capi + m.dtrDrop + m.proposeUserName + m.refuseUnknown, 4);
  EXPECT_EQ(m.capiNumber, "4711");
}

TEST_F(Modem, AFailedSaveLeavesTheFileAsItWasAndIsToldByName) {
  file("modem4.txt", kShortForm);
  FaultyFileSystem faulty(fs);
  ModemEditor editor(4);
  ASSERT_TRUE(editor.load(faulty, where).ok());
  editor.values.comPort = "COM4:";
  faulty.failReplace = true;
  EXPECT_EQ(editor.save(faulty, where).error,
            "Fehler beim Speichern von <modem4.txt>\r\nDie alte Datei l\xe4sst sich nicht ersetzen.");
  EXPECT_EQ(file("modem4.txt"), kShortForm);
  faulty.failReplace = false;
  ASSERT_TRUE(editor.save(faulty, where).ok());
  EXPECT_EQ(file("modem4.txt").substr(0, 7), "COM4:\r\n");
  EXPECT_FALSE(dir.exists("daten\\modem4.txt.bak"));
}

}  // namespace
