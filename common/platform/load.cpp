#include "platform/load.h"

#include <algorithm>

namespace plat {

FileStamp stampOf(const FileInfo& info) {
  if (!info.exists) return {};
  return {true, info.size, info.writeTime};
}

void LoadRecord::note(const std::string& path, const FileInfo& seen) {
  auto it = std::find_if(files_.begin(), files_.end(), [&](const auto& f) { return f.first == path; });
  if (it != files_.end())
    it->second = stampOf(seen);
  else
    files_.emplace_back(path, stampOf(seen));
}

void LoadRecord::refresh(FileSystem& fs, const std::string& path) {
  auto it = std::find_if(files_.begin(), files_.end(), [&](const auto& f) { return f.first == path; });
  if (it != files_.end()) it->second = stampOf(fs.info(path));
}

std::vector<std::string> LoadRecord::changed(FileSystem& fs) const {
  std::vector<std::string> paths;
  for (const auto& [path, stamp] : files_) {
    const FileInfo now = fs.info(path);
    if (now.unknown) continue;  // cannot tell; the save itself refuses such a file
    if (!(stampOf(now) == stamp)) paths.push_back(path);
  }
  return paths;
}

txt::Status readSettingsFile(FileSystem& fs, const std::string& path, std::string& bytes, bool& there,
                             LoadRecord* record) {
  bytes.clear();
  const FileInfo info = fs.info(path);
  if (record) record->note(path, info);
  if (info.unknown) {
    there = true;
    return txt::Status::Fail("Die Datei l\xe4sst sich nicht ansehen (kein Zugriff).");
  }
  there = info.ordinary();
  if (!there) return {};
  return txt::guarded([&] { return fs.readAll(path, bytes); });
}

std::string fileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace plat
