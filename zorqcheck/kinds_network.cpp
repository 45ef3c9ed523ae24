// The net: the box's own parameters, the domain routing, the packers and the
// boxes the server knows.
#include "kinds.h"
#include "network/netzboxen.h"
#include "network/netzpar.h"
#include "network/packer.h"
#include "network/routing.h"

namespace zorqcheck {

namespace {

void netParameters(const std::string& bytes, Report& report) {
  zorq::NetParameters values;
  if (report.loaded(zorq::readNetParameters(bytes, values)))
    report.rewritten(bytes, zorq::netParameterBytes(values));
}

void routing(const std::string& bytes, Report& report) {
  std::vector<std::size_t> withoutTab;
  txt::Status status;
  zorq::parseRoutes(bytes, &withoutTab, &status);
  for (std::size_t n : withoutTab) report.at(n, lineWithoutTab(bytes, n));
  report.loaded(status);
}

void packers(const std::string& bytes, Report& report) {
  std::array<zorq::Packer, zorq::kPackers> records{};
  std::vector<std::string> names;
  if (report.loaded(zorq::readPackers(bytes, records, names)))
    report.rewritten(bytes, zorq::packerBytes(records));
}

void packerLists(const std::string& bytes, Report& report) {
  std::array<zorq::Packer, zorq::kPackers> records{};
  if (report.loaded(zorq::readPackerLists(bytes, records)))
    report.rewritten(bytes, zorq::packerListBytes(records));
}

void netBoxes(const std::string& bytes, Report& report) { report.loaded(zorq::parseNetBoxes(bytes).status); }

}  // namespace

void addNetworkKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile(zorq::kNetBoxFile)}, netBoxes});
  kinds.push_back({{settingsFile(zorq::kNetParameterFile)}, netParameters});
  kinds.push_back({{settingsFile(zorq::kRoutingFile)}, routing});
  kinds.push_back({{settingsFile(zorq::kPackerFile)}, packers});
  kinds.push_back({{settingsFile(zorq::kPackerListFile)}, packerLists});
}

}  // namespace zorqcheck
