#include "services/external.h"

#include <algorithm>

#include "core/picker_lists.h"
#include "core/pickers.h"
#include "platform/load.h"
#include "platform/save.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

constexpr const char* kExternFile = "extern.dat";
constexpr std::int32_t kLevelMask = 0xFF;
constexpr std::int32_t kKeptMask = 0x00FFFC00;  // bits 10 to 23

std::string trimmed(const std::string& text) { return std::string(txt::trimBlanks(text)); }

std::string cut(const std::string& text, std::size_t length) { return text.substr(0, length); }

// " 10" for 10, "-1" for -1: a number with a blank where a minus would be.
std::string signedText(int value) { return value < 0 ? std::to_string(value) : " " + std::to_string(value); }

// The leading number of a field's text ("12abc" is 12, "" is 0), if it lies
// in lo to hi.
std::optional<int> fieldValue(const std::string& text, int lo, int hi) {
  long long value = txt::wholeValue(text);
  if (value < lo || value > hi) return std::nullopt;
  return static_cast<int>(value);
}

txt::Status refuse(ExternalPrograms::Field field, ExternalPrograms::Field* refused, const char* message) {
  if (refused != nullptr) *refused = field;
  return txt::Status::Fail(message);
}

}  // namespace

std::uint8_t levelOf(std::int32_t options) { return static_cast<std::uint8_t>(options & kLevelMask); }

std::int8_t shortcutOf(std::int32_t options) {
  return static_cast<std::int8_t>(static_cast<std::uint32_t>(options) >> 24);
}

std::int32_t packOptions(std::int32_t kept, std::uint8_t level, bool befehl, bool extern_,
                         std::int8_t shortcut) {
  std::uint32_t word = static_cast<std::uint32_t>(kept & kKeptMask);
  word |= level;
  if (befehl) word |= kBefehlBit;
  if (extern_) word |= kExternBit;
  word |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(shortcut)) << 24;
  return static_cast<std::int32_t>(word);
}

txt::Status readPrograms(const std::string& bytes, std::vector<ExternalProgram>& programs) {
  txt::Reader in(bytes);
  while (in.more()) {
    if (programs.size() >= kMaxPrograms) {
      in.failAtNextLine("mehr als 301 Programme");
      break;
    }
    programs.emplace_back();
    ExternalProgram& p = programs.back();
    if (!in.line(p.name) || !in.line(p.comment) || !in.line(p.call) || !in.line(p.group) ||
        !in.number(p.options))
      break;
  }
  return in.status();
}

std::string programBytes(const std::vector<ExternalProgram>& programs) {
  txt::Writer out;
  for (const ExternalProgram& p : programs) {
    out.line(txt::trimBlanks(p.name));
    out.line(txt::trimBlanks(p.comment));
    out.line(txt::trimBlanks(p.call));
    out.line(txt::trimBlanks(p.group));
    out.number(p.options);
  }
  return out.bytes();
}

txt::Status ExternalPrograms::load(plat::FileSystem& fs, const Installation& where) {
  entries.clear();
  fields = {};
  shown_ = -1;
  keepBackup_ = false;
  const std::string path = where.settingsFile(kExternFile);
  txt::Status status = plat::loadSettingsFile(
      fs, path, &loaded, [&](const std::string& bytes) { return readPrograms(bytes, entries); });
  // After an error the first entry is shown as well: the fields must never
  // stand for an entry the user cannot see.
  if (!entries.empty()) show(0);
  keepBackup_ = !status.ok();
  return keepBackup_ ? txt::Status::Fail(kExternLoadError) : txt::Status::Ok();
}

txt::Status ExternalPrograms::save(plat::FileSystem& fs, const Installation& where, Field* refused) {
  txt::Status committed = commit(refused);
  if (!committed.ok()) return committed;
  if (txt::Status s =
          plat::saveFile(fs, where.settingsFile(kExternFile), programBytes(entries), {keepBackup_, &loaded});
      !s)
    return txt::Status::Fail(plat::saveErrorMessage(kExternFile, s));
  // The damaged file is in the backup now; a later save must not put the
  // new one there.
  keepBackup_ = false;
  return txt::Status::Ok();
}

txt::Status ExternalPrograms::commit(Field* refused) {
  if (refused != nullptr) *refused = Field::None;
  if (shown_ < 0) return txt::Status::Ok();
  std::optional<int> level = fieldValue(fields.level, 0, 255);
  if (!level) return refuse(Field::Level, refused, "Der Level muss zwischen 0 und 255 liegen.");
  std::optional<int> shortcut = fieldValue(fields.shortcut, -128, 127);
  if (!shortcut) return refuse(Field::Shortcut, refused, "Der Shortcut muss zwischen -128 und 127 liegen.");

  ExternalProgram& e = entries[static_cast<std::size_t>(shown_)];
  e.name = cut(fields.name, kProgramNameLength);
  e.comment = cut(fields.comment, kProgramCommentLength);
  e.call = cut(fields.call, kProgramCallLength);
  e.group = cut(fields.group, kProgramGroupLength);
  e.options = packOptions(e.options, static_cast<std::uint8_t>(*level), fields.befehl, fields.extern_,
                          static_cast<std::int8_t>(*shortcut));
  return txt::Status::Ok();
}

void ExternalPrograms::show(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
  shown_ = index;
  ExternalProgram& e = entries[static_cast<std::size_t>(index)];
  e.name = trimmed(e.name);
  e.comment = trimmed(e.comment);
  e.call = trimmed(e.call);
  e.group = trimmed(e.group);
  fields.name = e.name;
  fields.comment = e.comment;
  fields.call = e.call;
  fields.group = e.group;
  fields.level = signedText(levelOf(e.options));
  fields.shortcut = signedText(shortcutOf(e.options));
  fields.befehl = (e.options & kBefehlBit) != 0;
  fields.extern_ = (e.options & kExternBit) != 0;
}

txt::Status ExternalPrograms::select(int index, Field* refused) {
  txt::Status committed = commit(refused);
  if (committed.ok()) show(index);
  return committed;
}

txt::Status ExternalPrograms::add(Field* refused) {
  if (refused != nullptr) *refused = Field::None;
  if (entries.size() >= kMaxPrograms)
    return txt::Status::Fail(
        "Es sind h\xf6"
        "chstens 301 Programme m\xf6glich.");
  txt::Status committed = commit(refused);
  if (!committed.ok()) return committed;
  entries.push_back({kNewProgramName, "", "", "", 0});
  show(static_cast<int>(entries.size()) - 1);
  return txt::Status::Ok();
}

void ExternalPrograms::remove() {
  if (shown_ < 0) return;
  entries.erase(entries.begin() + shown_);
  shown_ = -1;
  fields = {};
  if (!entries.empty()) show(0);
}

txt::Status ExternalPrograms::sort(Field* refused) {
  txt::Status committed = commit(refused);
  if (!committed.ok()) return committed;
  // Stable, and by the bytes of the names: "Alpha" before "alpha" before
  // "beta", equal names in their old order.
  std::stable_sort(entries.begin(), entries.end(),
                   [](const ExternalProgram& a, const ExternalProgram& b) { return a.name < b.name; });
  if (!entries.empty()) show(0);
  return txt::Status::Ok();
}

std::optional<std::string> ExternalPrograms::callForFile(const std::string& path) {
  if (path.empty()) return std::nullopt;
  return path;
}

std::optional<std::string> ExternalPrograms::groupForPicker(const std::string& answer) {
  if (answer == kGroupCancelled) return std::nullopt;
  return answer;
}

std::optional<std::string> ExternalPrograms::callForAlias(const std::string& alias, const std::string& file) {
  std::string result = alias;
  if (alias == kShowTextAnswer && !file.empty()) result += " " + file;
  if (result.empty()) return std::nullopt;
  return "#" + result;
}

}  // namespace zorq
