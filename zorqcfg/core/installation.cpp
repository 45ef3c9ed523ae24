#include "core/installation.h"

#include <algorithm>

#include "platform/load.h"
#include "platform/save.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

std::string numberedName(const std::string& name, unsigned number) {
  if (number == 0) return name;
  std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) dot = name.size();
  return name.substr(0, dot) + std::to_string(number) + name.substr(dot);
}

std::string Installation::netSettingsFile(const std::string& name) const {
  return settingsFile(numberedName(name, netNumber));
}

IniValues parseIni(const std::string& bytes) {
  IniValues values;
  txt::Reader reader(bytes);
  if (!reader.more()) return values;
  reader.line(values.installDir);
  std::string second;
  if (!reader.more() || !reader.line(second)) return values;
  std::string_view field = txt::trimBlanks(second);
  field = field.substr(0, std::min(field.find(' '), field.find(',')));
  double value = txt::parseNumber(field).value_or(0.0);
  value = std::clamp(txt::roundHalfEven(value), 0.0, static_cast<double>(kMaxNetNumber));
  values.netNumber = static_cast<std::uint8_t>(value);
  return values;
}

std::string iniBytes(const IniValues& values) {
  return txt::Writer().line(values.installDir).number(values.netNumber).bytes();
}

std::optional<Installation> resolveStartup(plat::System& system, plat::FileSystem& fs, ui::Services& ui) {
  Installation where;
  where.windowsDir = system.windowsDirectory();
  std::string bytes;
  bool there = false;
  if (!plat::readSettingsFile(fs, where.iniPath(), bytes, there).ok() || !there) {
    ui.message("ZORQ.INI fehlt, Installation fehlerhaft", "Valmorin Config", ui::Icon::Exclamation);
    return std::nullopt;
  }
  IniValues values = parseIni(bytes);
  where.installDir = values.installDir;
  where.netNumber = values.netNumber;
  return where;
}

txt::Status writeIni(plat::FileSystem& fs, const Installation& where, plat::LoadRecord* record) {
  return plat::saveFile(fs, where.iniPath(), iniBytes({where.installDir, where.netNumber}), {false, record});
}

void signalReload(plat::System& system) { system.addAtom(kReloadAtom); }

namespace {

std::optional<int> wholePart(std::string_view part) {
  part = txt::trimBlanks(part);
  std::string_view digits = part;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  for (char c : digits)
    if (c < '0' || c > '9') return std::nullopt;
  int value = std::stoi(std::string(digits));
  return part[0] == '-' ? -value : value;
}

}  // namespace

std::optional<int> timeInMinutes(std::string_view text) {
  auto hours = wholePart(text.substr(0, 2));
  auto minutes = wholePart(text.size() > 3 ? text.substr(3) : std::string_view());
  if (!hours || !minutes) return std::nullopt;
  return *hours * 60 + *minutes;
}

void tellTimeFormat(const std::string& text, ui::Services& ui) {
  ui.message(text + " hat das falsche Format (SS:MM)", "Fehler", ui::Icon::None);
}

int TimeToMinutes(const std::string& text, ui::Services& ui) {
  std::optional<int> minutes = timeInMinutes(text);
  if (!minutes) tellTimeFormat(text, ui);
  return minutes.value_or(0);
}

}  // namespace zorq
