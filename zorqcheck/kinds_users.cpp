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
}

void languages(const std::string& bytes, Report& report) {
  zorq::LanguageNames names;
  if (report.loaded(zorq::readLanguages(bytes, names))) report.rewritten(bytes, zorq::languageBytes(names));
}

// The user lists cannot fail to load; they are read all the same.
void nameList(const std::string& bytes, Report& report) {
  txt::Status status;
  zorq::readNameList(bytes, &status);
  report.loaded(status);
}

}  // namespace

void addUserKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile(zorq::kNewUserFile)}, newUsers});
  kinds.push_back({{settingsFile(zorq::kLanguageFile)}, languages});
  kinds.push_back({{settingsFile(zorq::kCosysopFile), settingsFile(zorq::kForbiddenFile)}, nameList});
}

}  // namespace zorqcheck
