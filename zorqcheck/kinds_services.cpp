// External programs and the chat call.
#include "kinds.h"
#include "services/chat.h"
#include "services/external.h"
#include "text/numbers.h"

namespace zorqcheck {

namespace {

// Record k holds lines 5k + 1 to 5k + 5: the call on the third, the group
// on the fourth. A call "#..." is an alias or a text to show.
void externalPrograms(const std::string& bytes, Report& report) {
  std::vector<zorq::ExternalProgram> programs;
  if (!report.loaded(zorq::readPrograms(bytes, programs))) return;
  report.rewritten(bytes, zorq::programBytes(programs));
  for (std::size_t k = 0; k < programs.size(); ++k) {
    const std::string call(txt::trimBlanks(programs[k].call));
    if (!call.empty() && call[0] != '#') report.program(5 * k + 3, call);
    report.group(5 * k + 4, txt::trimBlanks(programs[k].group));
  }
}

// Wave file n on line 2n.
void chatCall(const std::string& bytes, Report& report) {
  zorq::ChatSettings settings;
  if (!report.loaded(zorq::readChat(bytes, settings))) return;
  report.rewritten(bytes, zorq::chatBytes(settings));
  for (std::size_t n = 0; n < settings.waves.size(); ++n)
    if (!settings.waves[n].path.empty()) report.file(2 * n + 2, settings.waves[n].path);
}

}  // namespace

void addServiceKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile("extern.dat")}, externalPrograms});
  kinds.push_back({{settingsFile("chat.dat")}, chatCall});
}

}  // namespace zorqcheck
