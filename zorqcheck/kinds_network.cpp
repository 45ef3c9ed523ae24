// The net: the box's own parameters, the domain routing, the packers and the
// boxes the server knows.
#include "kinds.h"
#include "network/netzboxen.h"
#include "network/netzpar.h"
#include "network/packer.h"
#include "network/routing.h"
#include "text/cp1252.h"
#include "text/numbers.h"

namespace zorqcheck {

namespace {

void netParameters(const std::string& bytes, Report& report) {
  zorq::NetParameters values;
  if (!report.loaded(zorq::readNetParameters(bytes, values))) return;
  report.rewritten(bytes, zorq::netParameterBytes(values));
  report.group(25, values.group);
}

// Each route goes over a box of netz.dat. The lines without a tab are no
// routes, so the routes' lines are counted past them.
void routing(const std::string& bytes, Report& report) {
  inPieces(bytes, true, [&](const std::string& piece, std::size_t before) {
    std::vector<std::size_t> withoutTab;
    txt::Status status;
    const std::vector<zorq::Route> routes = zorq::parseRoutes(piece, &withoutTab, &status);
    linesWithoutTab(piece, withoutTab, before, report);
    report.loaded(atLine(status, before));
    const std::vector<std::size_t> lines = recordLines(routes.size(), withoutTab, 2);  // after the count
    for (std::size_t k = 0; k < routes.size(); ++k) report.netBox(lines[k] + before, routes[k].route);
  });
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

void netBoxes(const std::string& bytes, Report& report) {
  zorq::NetBoxes boxes = zorq::parseNetBoxes(bytes);
  const bool loaded = report.loaded(boxes.status);
  if (report.known() == nullptr) return;
  if (!loaded) {
    report.known()->netBoxes = std::nullopt;
    return;
  }
  std::set<std::string>& names = report.known()->netBoxes.emplace();
  for (const std::string& name : boxes.names) names.insert(txt::upper1252(txt::trimBlanks(name)));
}

}  // namespace

void addNetworkKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile(zorq::kNetBoxFile)}, netBoxes, &Known::netBoxes});
  kinds.push_back({{settingsFile(zorq::kNetParameterFile)}, netParameters});
  kinds.push_back({{settingsFile(zorq::kRoutingFile)}, routing});
  kinds.push_back({{settingsFile(zorq::kPackerFile)}, packers});
  kinds.push_back({{settingsFile(zorq::kPackerListFile)}, packerLists});
}

}  // namespace zorqcheck
