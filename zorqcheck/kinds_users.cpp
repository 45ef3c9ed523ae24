// New users, languages and the user lists of "Sonstiges".
#include "core/picker_lists.h"
#include "kinds.h"
#include "users/languages.h"
#include "users/misc_lists.h"
#include "users/newuser.h"

namespace zorqcheck {

namespace {

void newUsers(const std::string& bytes, Report& report) {
  zorq::NewUserDefaults defaults;
  if (!report.loaded(zorq::readNewUser(bytes, defaults.values, defaults.forNewUsers))) return;
  // The groups are kept sorted, so only the four values are compared.
  report.rewritten(bytes, defaults.bytes(), 1, zorq::kNewUserValues);
  for (std::size_t k = 0; k < defaults.forNewUsers.size(); ++k)
    report.group(zorq::kNewUserValues + 1 + k, defaults.forNewUsers[k]);
}

// Each language is a file texte\<name>.lng.
void languages(const std::string& bytes, Report& report) {
  zorq::LanguageNames names;
  if (!report.loaded(zorq::readLanguages(bytes, names))) return;
  report.rewritten(bytes, zorq::languageBytes(names));
  for (std::size_t slot = 0; slot < names.size(); ++slot)
    if (!names[slot].empty()) report.file(slot + 1, "texte\\" + names[slot] + ".lng");
}

// The user lists are read piece by piece; a line holding a NUL stops them. A co-sysop is a user as the user
// picker lists them.
void nameList(const std::string& bytes, Report& report, bool cosysops) {
  inPieces(bytes, false, [&](const std::string& piece, std::size_t before) {
    txt::Status status;
    const std::vector<std::string> names = zorq::readNameList(piece, &status);
    report.loaded(atLine(status, before));
    if (cosysops)
      for (std::size_t k = 0; k < names.size(); ++k) report.user(before + k + 1, names[k]);
  });
}

}  // namespace

void addUserKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile(zorq::kNewUserFile)}, newUsers});
  kinds.push_back({{settingsFile(zorq::kLanguageFile)}, languages});
  kinds.push_back({{settingsFile(zorq::kCosysopFile)},
                   [](const std::string& bytes, Report& report) { nameList(bytes, report, true); }});
  kinds.push_back({{settingsFile(zorq::kForbiddenFile)},
                   [](const std::string& bytes, Report& report) { nameList(bytes, report, false); }});
}

}  // namespace zorqcheck
