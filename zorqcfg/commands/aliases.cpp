#include "commands/aliases.h"

#include "platform/load.h"
#include "text/reader.h"

namespace zorq {

namespace {
constexpr const char* kLanguageFile = "deutsch.lng";
}  // namespace

std::string AliasChoices::answerFor(std::size_t index) const {
  if (index >= entries.size()) return {};
  if (showText && index + 1 == entries.size()) return kShowTextAnswer;
  return entries[index];
}

txt::Status readCommandWords(const std::string& bytes, std::vector<std::string>& words) {
  txt::Reader in(bytes);
  std::string ignored;
  in.line(ignored);
  in.line(ignored);
  for (int i = 0; i < kLanguageCommands; ++i) {
    std::string word;
    if (!in.text(word) || !in.text(ignored)) break;
    words.push_back(word);
  }
  return in.status();
}

AliasChoices loadAliasChoices(plat::FileSystem& fs, const Installation& where, txt::Status& status) {
  AliasChoices choices;
  const std::string path = where.textFile(kLanguageFile);
  status = plat::loadSettingsFile(
      fs, path, nullptr, [&](const std::string& bytes) { return readCommandWords(bytes, choices.entries); });
  if (!status.ok()) {
    status = txt::Status::Fail(std::string("Fehler beim Laden von <") + kLanguageFile + ">");
    return choices;
  }
  choices.entries.push_back(kShowTextEntry);
  choices.showText = true;
  return choices;
}

}  // namespace zorq
