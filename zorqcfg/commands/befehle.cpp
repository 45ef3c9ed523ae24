#include "commands/befehle.h"

#include "platform/load.h"
#include "platform/save.h"
#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

namespace zorq {

namespace {

constexpr const char* kLevelFile = "befehle.txt";
constexpr const char* kGroupFile = "befgrup.txt";

std::size_t at(int command) { return static_cast<std::size_t>(command); }

txt::Status saveError(const char* file, const txt::Status& why) {
  return txt::Status::Fail(plat::saveErrorMessage(file, why));
}

}  // namespace

std::optional<std::uint8_t> levelFromText(std::string_view text) {
  const long long value = txt::wholeValue(text);
  if (value < 0 || value > 255) return std::nullopt;
  return static_cast<std::uint8_t>(value);
}

txt::Status readLevels(const std::string& bytes, CommandLevels& levels) {
  txt::Reader in(bytes);
  for (int i = 0; i < kCommandCount; ++i) {
    if (i >= kRequiredLevels && in.atEnd()) break;
    std::uint8_t level = 0;
    if (!in.number(level)) break;
    levels[at(i)] = level;
  }
  return in.status();
}

txt::Status readGroups(const std::string& bytes, CommandGroups& groups) {
  txt::Reader in(bytes);
  for (int i = 0; i < kCommandCount; ++i) {
    std::string line;
    if (!in.line(line)) break;
    // The caption of "no group" stands for no group wherever it is found.
    groups[at(i)] = line == kNoGroupShown ? std::string() : line;
  }
  return in.status();
}

std::string levelBytes(const CommandLevels& levels) {
  txt::Writer out;
  for (std::uint8_t level : levels) out.number(level);
  return out.bytes();
}

std::string groupBytes(const CommandGroups& groups) {
  txt::Writer out;
  for (const std::string& group : groups) out.line(group == kNoGroupShown ? std::string_view() : group);
  return out.bytes();
}

CommandLevels& levelsOfThisRun() {
  static CommandLevels levels{};
  return levels;
}

txt::Status CommandEditor::load(plat::FileSystem& fs, const Installation& where) {
  CommandLevels levels = memory_;
  group = {};

  txt::Status levelStatus =
      plat::loadSettingsFile(fs, where.settingsFile(kLevelFile), &loaded,
                             [&](const std::string& bytes) { return readLevels(bytes, levels); });
  txt::Status groupStatus =
      plat::loadSettingsFile(fs, where.settingsFile(kGroupFile), &loaded,
                             [&](const std::string& bytes) { return readGroups(bytes, group); });

  memory_ = levels;
  for (int i = 0; i < kCommandCount; ++i) levelText[at(i)] = std::to_string(levels[at(i)]);

  backupLevels_ = !levelStatus.ok();
  backupGroups_ = !groupStatus.ok();
  return backupLevels_ || backupGroups_ ? txt::Status::Fail(kCommandsLoadError) : txt::Status::Ok();
}

txt::Status CommandEditor::save(plat::FileSystem& fs, const Installation& where, int* refusedCommand) {
  CommandLevels levels{};
  for (int i = 0; i < kCommandCount; ++i) {
    std::optional<std::uint8_t> level = levelFromText(levelText[at(i)]);
    if (!level) {
      if (refusedCommand != nullptr) *refusedCommand = i;
      return txt::Status::Fail(kLevelRangeMessage);
    }
    levels[at(i)] = *level;
  }

  if (txt::Status s =
          plat::saveFile(fs, where.settingsFile(kLevelFile), levelBytes(levels), {backupLevels_, &loaded});
      !s)
    return saveError(kLevelFile, s);
  // Saved once, the damaged file is in the backup; a second try after a
  // failure below must not put the new file there.
  backupLevels_ = false;
  memory_ = levels;
  if (txt::Status s =
          plat::saveFile(fs, where.settingsFile(kGroupFile), groupBytes(group), {backupGroups_, &loaded});
      !s)
    return saveError(kGroupFile, s);
  backupGroups_ = false;
  return txt::Status::Ok();
}

void CommandEditor::chooseGroup(int command, const std::string& answer) {
  if (command < 0 || command >= kCommandCount || answer == "@") return;
  group[at(command)] = answer;
}

std::string CommandEditor::groupCaption(int command) const {
  const std::string& name = group[at(command)];
  return name.empty() ? std::string(kNoGroupShown) : name;
}

}  // namespace zorq
