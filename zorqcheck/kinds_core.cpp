// main.txt, env.dat, and the lists the pickers read.
#include "core/main_settings.h"
#include "core/picker_lists.h"
#include "kinds.h"

namespace zorqcheck {

namespace {

void mainSettings(const std::string& bytes, Report& report) {
  zorq::MainSettings settings;
  if (report.loaded(zorq::parseMainSettings(bytes, settings)))
    report.rewritten(bytes, zorq::mainSettingsBytes(settings));
}

void serverState(const std::string& bytes, Report& report) {
  txt::Status why;
  zorq::serverLockOf(bytes, &why);
  report.loaded(why);
}

void users(const std::string& bytes, Report& report) { report.loaded(zorq::parseUsers(bytes).status); }

// The group picker lists them all, but the new-user dialog holds 201.
void groups(const std::string& bytes, Report& report) {
  report.loaded(zorq::parseGroups(bytes, zorq::kMaxGroups).status);
}

}  // namespace

void addCoreKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile(zorq::kMainFile)}, mainSettings});
  kinds.push_back({{settingsFile(zorq::kEnvFile)}, serverState});
  kinds.push_back({{settingsFile(zorq::kUserFile)}, users});
  kinds.push_back({{settingsFile(zorq::kGroupFile)}, groups});
}

}  // namespace zorqcheck
