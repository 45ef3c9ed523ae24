// main.txt, env.dat, and the lists the pickers read.
#include <utility>

#include "core/main_settings.h"
#include "core/picker_lists.h"
#include "kinds.h"

namespace zorqcheck {

namespace {

void mainSettings(const std::string& bytes, Report& report) {
  zorq::MainSettings settings;
  if (!report.loaded(zorq::parseMainSettings(bytes, settings))) return;
  report.rewritten(bytes, zorq::mainSettingsBytes(settings));
  // An empty path, and a network path "(Standard)", is the server's own.
  const std::pair<std::size_t, const std::string*> folders[] = {
      {7, &settings.uploadPath}, {8, &settings.downloadPath}, {21, &settings.netPath}};
  for (const auto& [line, path] : folders)
    if (!path->empty() && path->front() != '(') report.folder(line, *path);
}

void serverState(const std::string& bytes, Report& report) {
  txt::Status why;
  zorq::serverLockOf(bytes, &why);
  report.loaded(why);
}

// Piece by piece: a user.dat of millions of lines is never a list of them.
// The names are kept once each, for the co-sysops.
void users(const std::string& bytes, Report& report) {
  std::set<std::string> names;
  bool loaded = true;
  inPieces(bytes, false, [&](const std::string& piece, std::size_t before) {
    if (!loaded) return;
    zorq::PickerList list = zorq::parseUsers(piece);
    for (std::size_t k = 0; k < list.entries.size(); ++k)
      if (k == 0 || list.entries[k] != list.entries[k - 1]) names.insert(list.entries[k]);
    if (list.status.ok()) return;
    loaded = false;
    report.loaded(atLine(list.status, before));
  });
  if (report.known() != nullptr)
    report.known()->users = loaded ? std::optional(std::move(names)) : std::nullopt;
}

// The group picker lists them all, but the new-user dialog holds 201.
void groups(const std::string& bytes, Report& report) {
  report.loaded(zorq::parseGroups(bytes, zorq::kMaxGroups).status);
  if (report.known() == nullptr) return;
  zorq::PickerList all = zorq::parseGroups(bytes);
  if (all.status.ok())
    report.known()->groups = std::set<std::string>(all.entries.begin(), all.entries.end());
  else
    report.known()->groups = std::nullopt;
}

}  // namespace

void addCoreKinds(std::vector<FileKind>& kinds) {
  kinds.push_back({{settingsFile(zorq::kMainFile)}, mainSettings});
  kinds.push_back({{settingsFile(zorq::kEnvFile)}, serverState});
  kinds.push_back({{settingsFile(zorq::kUserFile)}, users, &Known::users});
  kinds.push_back({{settingsFile(zorq::kGroupFile)}, groups, &Known::groups});
}

}  // namespace zorqcheck
