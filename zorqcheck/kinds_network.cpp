// The net: the boxes the server knows.
#include "kinds.h"
#include "network/netzboxen.h"

namespace zorqcheck {

namespace {

void netBoxes(const std::string& bytes, Report& report) { report.loaded(zorq::parseNetBoxes(bytes).status); }

}  // namespace

void addNetworkKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile(zorq::kNetBoxFile)}, netBoxes});
}

}  // namespace zorqcheck
