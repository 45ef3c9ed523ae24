#include "ports/modem.h"

#include "platform/load.h"
#include "platform/save.h"
#include "text/cp1252.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

// A check-box line: its numeric value (leading blanks skipped, the number
// ends where the digits do, no number is 0) must be a check box state: 0,
// 1 or 2 (greyed).
bool readCheck(txt::Reader& in, int& value) {
  std::string line;
  if (!in.line(line)) return false;
  const long long state = txt::wholeValue(line);
  if (state < 0 || state > 2) {
    in.fail(txt::quoted(line) + " ist kein Schalterwert (0, 1 oder 2)");
    return false;
  }
  value = static_cast<int>(state);
  return true;
}

const char* checkText(int value) { return value != 0 ? "1" : "0"; }

}  // namespace

std::string portSuffix(int port) {
  if (port == 0) return {};
  const std::string digits = std::to_string(port);
  return digits.substr(digits.size() - 1);
}

std::string modemFileName(int port) { return "modem" + portSuffix(port) + ".txt"; }

txt::Status parseModem(const std::string& bytes, ModemParameters& m) {
  txt::Reader in(bytes);
  for (std::string* field :
       {&m.comPort, &m.baud, &m.minBaud, &m.reset, &m.auflegen, &m.waehlen, &m.besetzen, &m.ring,
        &m.antworten, &m.escCode, &m.modemInit, &m.connect, &m.inputBuffer, &m.outputBuffer})
    in.line(*field);
  readCheck(in, m.rtsCts);
  // The newer tail, each part only if the file goes on.
  if (in.atEnd()) return in.status();
  std::string reserved;
  in.line(reserved);
  if (in.atEnd()) return in.status();
  readCheck(in, m.capi);
  in.line(m.capiNumber);
  if (in.atEnd()) return in.status();
  readCheck(in, m.dtrDrop);
  if (in.atEnd()) return in.status();
  readCheck(in, m.proposeUserName);
  if (in.atEnd()) return in.status();
  readCheck(in, m.refuseUnknown);
  return in.status();
}

std::string modemBytes(const ModemParameters& m) {
  txt::Writer out;
  out.line(m.comPort)
      .line(txt::ZeroIfEmpty(m.baud))
      .line(txt::ZeroIfEmpty(m.minBaud))
      .line(m.reset)
      .line(m.auflegen)
      .line(m.waehlen)
      .line(m.besetzen)
      .line(txt::upper1252(m.ring))
      .line(m.antworten)
      .line(txt::ZeroIfEmpty(m.escCode))
      .line(m.modemInit)
      .line(txt::upper1252(m.connect))
      .line(txt::ZeroIfEmpty(m.inputBuffer))
      .line(txt::ZeroIfEmpty(m.outputBuffer))
      .line(m.rtsCts != 0 ? " 1" : " 0")
      .line("0")
      .line(checkText(m.capi))
      .line(m.capiNumber)
      .line(checkText(m.dtrDrop))
      .line(checkText(m.proposeUserName))
      .line(checkText(m.refuseUnknown));
  return out.bytes();
}

bool buffersTooLarge(const ModemParameters& m) {
  return txt::leadingValue(m.inputBuffer) > kLargestSensibleBuffer ||
         txt::leadingValue(m.outputBuffer) > kLargestSensibleBuffer;
}

bool presetNeedsNumber(int preset) { return preset == kCfos || preset == kTelesVcom; }

void applyPreset(ModemParameters& m, int preset, const std::string& monitoredNumber) {
  if (preset != kHayes && preset != kCfos && preset != kTelesVcom) return;
  m.inputBuffer = "10000";
  m.outputBuffer = "10000";
  m.rtsCts = 1;
  m.reset = "ATZ";
  m.auflegen = "ATH";
  m.waehlen = "ATDT";
  m.besetzen = "ATH1";
  m.ring = "RING";
  m.antworten = "ATA";
  m.escCode = "43";
  m.connect = "CONNECT";
  m.minBaud = "2400";
  if (preset == kHayes) {
    m.comPort = "COM2:";
    m.baud = "56000";
    m.modemInit = "ATS0=0&D0&C1S2=43";
  } else {
    m.comPort = "COM3:";
    m.baud = "128000";
    m.modemInit = preset == kCfos ? "AT X7 &A0=" + monitoredNumber + " &L0" : "ATB4&D%P " + monitoredNumber;
  }
}

txt::Status ModemEditor::load(plat::FileSystem& fs, const Installation& where) {
  values = {};
  backup_ = false;
  const std::string path = where.settingsFile(modemFileName(port_));
  txt::Status status = plat::loadSettingsFile(
      fs, path, &loaded, [&](const std::string& bytes) { return parseModem(bytes, values); });
  if (status.ok()) return status;
  backup_ = true;
  return txt::Status::Fail("Fehler beim Laden von <" + modemFileName(port_) + ">");
}

txt::Status ModemEditor::save(plat::FileSystem& fs, const Installation& where) {
  const std::string name = modemFileName(port_);
  if (txt::Status s = plat::saveFile(fs, where.settingsFile(name), modemBytes(values), {backup_, &loaded});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(name, s));
  backup_ = false;
  return txt::Status::Ok();
}

}  // namespace zorq
