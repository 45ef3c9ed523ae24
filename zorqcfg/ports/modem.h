// The modem parameters of one port: the serial interface, the modem
// commands, init and connect strings and, for ISDN cards, the direct CAPI
// 2.0 interface. One file per port in the settings directory:
//
//   daten\modem.txt (port 0), daten\modem1.txt ... daten\modem8.txt
//
// Twenty-one lines. Lines 1 to 15 are the older, shorter form; 16 to 21 may
// be missing when it is read. Line 15 carries its check box as " 1" / " 0",
// lines 17, 19, 20 and 21 as "1" / "0".
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

// The item lists of the three editable combo boxes.
inline constexpr std::array<std::string_view, 9> kComPorts = {
    "COM1:", "COM2:", "COM3:", "COM4:", "COM5:", "COM6:", "COM7:", "COM8:", "COM9:"};
inline constexpr std::array<std::string_view, 7> kBaudRates = {"2400",  "9600",   "19200", "38400",
                                                               "56000", "128000", "256000"};
inline constexpr std::array<std::string_view, 10> kMinBaudRates = {
    "300", "1200", "2400", "4800", "9600", "14400", "16800", "19200", "28800", "38400"};

inline constexpr const char* kBufferWarning = "Mehr als 64 KB ist bei den Buffern sinnlos";
inline constexpr double kLargestSensibleBuffer = 65000;

// The presets of "Voreinstellungen" (presetnr): 0 cancelled.
enum Preset { kNoPreset = 0, kHayes = 1, kCfos = 2, kTelesVcom = 3 };
inline constexpr const char* kMonitoredNumberPrompt =
    "Welche Telefonnummer soll \xfc"
    "berwacht werden?";

struct ModemParameters {
  std::string comPort;       // 1 "COMPort"
  std::string baud;          // 2 "Baud"
  std::string minBaud;       // 3 "mind. Baud"
  std::string reset;         // 4 "Reset"
  std::string auflegen;      // 5 "Auflegen"
  std::string waehlen;       // 6 "Wählen"
  std::string besetzen;      // 7 "Besetzen"
  std::string ring;          // 8 "Ring", written in upper case
  std::string antworten;     // 9 "Antworten"
  std::string escCode;       // 10 "Esc-Code", decimal code of the escape character
  std::string modemInit;     // 11 "Modeminit"
  std::string connect;       // 12 "Connect", written in upper case
  std::string inputBuffer;   // 13 "Inputbuffer"
  std::string outputBuffer;  // 14 "Outputbuffer"
  // Check boxes: 0 unchecked, 1 checked; 2 (a greyed box of an old file)
  // counts as checked and is written as 1.
  int rtsCts = 0;  // 15 "RTS/CTS Handshaking"
  // 16 is reserved, always "0".
  int capi = 0;             // 17 the direct CAPI 2.0 interface instead of the modem
  std::string capiNumber;   // 18 the number the port answers on
  int dtrDrop = 0;          // 19 "Auflegen per DTR Drop"
  int proposeUserName = 0;  // 20 user name from the caller's number
  int refuseUnknown = 0;    // 21 refuse calls of unknown caller type
};

// "" for port 0, "1" to "8" for ports 1 to 8.
std::string portSuffix(int port);
// "modem.txt", "modem3.txt".
std::string modemFileName(int port);

// Reads the file into m up to its first error; what was read before stays.
txt::Status parseModem(const std::string& bytes, ModemParameters& m);
// The twenty-one lines, with the conversions of the written form.
std::string modemBytes(const ModemParameters& m);

// "Inputbuffer" or "Outputbuffer" above 65000: the save warns, and goes on.
bool buffersTooLarge(const ModemParameters& m);

// Presets 2 and 3 ask for the number the port is to monitor.
bool presetNeedsNumber(int preset);
// The stock command set of a preset; 0 (cancelled) changes nothing. The
// CAPI switch, its number and options and the DTR drop are never touched.
void applyPreset(ModemParameters& m, int preset, const std::string& monitoredNumber);

// The dialog `frmmodem2` without its window: the values of one port.
class ModemEditor {
 public:
  explicit ModemEditor(int port) : port_(port) {}

  int port() const { return port_; }
  ModemParameters values;

  // A missing file is no error: the dialog opens empty. Failure: "Fehler
  // beim Laden von <modem3.txt>", to be shown by the caller; values then
  // hold what was read.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // Writes all twenty-one lines atomically; a file that failed to load is
  // kept as modem3.txt.bak. Failure: "Fehler beim Speichern von
  // <modem3.txt>"; the file stays as it was.
  txt::Status save(plat::FileSystem& fs, const Installation& where);

 private:
  int port_;
  bool backup_ = false;
};

}  // namespace zorq
