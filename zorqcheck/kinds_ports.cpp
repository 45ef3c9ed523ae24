// Ports: the modem file of every port, the start parameters of every
// network number, the module windows.
#include "kinds.h"
#include "ports/fenster.h"
#include "ports/modem.h"
#include "ports/startparameter.h"

namespace zorqcheck {

namespace {

void modem(const std::string& bytes, Report& report) {
  zorq::ModemParameters values;
  if (report.loaded(zorq::parseModem(bytes, values))) report.rewritten(bytes, zorq::modemBytes(values));
}

void startParameters(const std::string& bytes, Report& report) {
  zorq::PortStartTable table;
  if (report.loaded(zorq::parseStartFile(bytes, table))) report.rewritten(bytes, zorq::startFileBytes(table));
}

void moduleWindows(const std::string& bytes, Report& report) {
  zorq::ModuleWindows values;
  if (report.loaded(zorq::parseWinds(bytes, values))) report.rewritten(bytes, zorq::windsBytes(values));
}

}  // namespace

void addPortKinds(std::vector<FileKind>& kinds) {
  FileKind modems{{}, modem};
  for (int port = 0; port <= 8; ++port) modems.files.push_back(settingsFile(zorq::modemFileName(port)));
  kinds.push_back(modems);
  kinds.push_back({perNetwork(zorq::kStartFile), startParameters});
  kinds.push_back({{settingsFile(zorq::kWindsFile)}, moduleWindows});
}

}  // namespace zorqcheck
