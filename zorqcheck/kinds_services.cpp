// External programs and the chat call.
#include "kinds.h"
#include "services/chat.h"
#include "services/external.h"

namespace zorqcheck {

namespace {

void externalPrograms(const std::string& bytes, Report& report) {
  std::vector<zorq::ExternalProgram> programs;
  if (report.loaded(zorq::readPrograms(bytes, programs)))
    report.rewritten(bytes, zorq::programBytes(programs));
}

void chatCall(const std::string& bytes, Report& report) {
  zorq::ChatSettings settings;
  if (report.loaded(zorq::readChat(bytes, settings))) report.rewritten(bytes, zorq::chatBytes(settings));
}

}  // namespace

void addServiceKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile("extern.dat")}, externalPrograms});
  kinds.push_back({{settingsFile("chat.dat")}, chatCall});
}

}  // namespace zorqcheck
