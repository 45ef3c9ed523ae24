// The command table and the head of the German language file.
#include "commands/aliases.h"
#include "commands/befehle.h"
#include "kinds.h"

namespace zorqcheck {

namespace {

void commandLevels(const std::string& bytes, Report& report) {
  zorq::CommandLevels levels{};
  if (report.loaded(zorq::readLevels(bytes, levels))) report.rewritten(bytes, zorq::levelBytes(levels));
}

void commandGroups(const std::string& bytes, Report& report) {
  zorq::CommandGroups groups{};
  if (!report.loaded(zorq::readGroups(bytes, groups))) return;
  report.rewritten(bytes, zorq::groupBytes(groups));
  // Line i + 1: the group of command i, empty for none.
  for (std::size_t i = 0; i < groups.size(); ++i) report.group(i + 1, groups[i]);
}

void languageHead(const std::string& bytes, Report& report) {
  std::vector<std::string> words;
  report.loaded(zorq::readCommandWords(bytes, words));
}

}  // namespace

void addCommandKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile("befehle.txt")}, commandLevels});
  kinds.push_back({{settingsFile("befgrup.txt")}, commandGroups});
  kinds.push_back({{"texte\\deutsch.lng"}, languageHead});
}

}  // namespace zorqcheck
