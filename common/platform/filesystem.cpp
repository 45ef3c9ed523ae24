#include "platform/filesystem.h"

namespace plat {

bool FileExists(FileSystem& fs, const std::string& path) {
  if (path.find_first_of("*?") != std::string::npos) return fs.anyOrdinaryFile(path);
  FileInfo i = fs.info(path);
  return i.exists && !i.directory && !i.hidden && !i.system;
}

}  // namespace plat
