#include "setupmod.h"

namespace setup {

std::string& CutBackslash(std::string& s) {
  if (!s.empty() && s.back() == '\\') s.pop_back();
  return s;
}

std::string CutBackslash(const std::string& s) {
  std::string copy = s;
  return CutBackslash(copy);
}

std::string WithBackslash(std::string s) {
  if (s.empty() || s.back() != '\\') s += '\\';
  return s;
}

bool FileExists(plat::FileSystem& fs, const std::string& name) {
  std::string p = CutBackslash(name);
  return !p.empty() && plat::FileExists(fs, p);
}

bool DirExists(plat::FileSystem& fs, const std::string& name) {
  std::string p = CutBackslash(name);
  if (p.empty()) return false;
  // "c:" alone names the current folder of the drive; the root is meant.
  if (p.size() == 2 && p[1] == ':') p += '\\';
  return fs.info(p).directory;
}

std::string LongPath(plat::System& sys, const std::string& p) {
  std::string path = WithBackslash(p);
  std::string longForm = sys.longPath(path);
  return WithBackslash(longForm.empty() ? path : longForm);
}

std::string ShortPath(plat::System& sys, const std::string& p) {
  std::string path = CutBackslash(p);
  std::string shortForm = sys.shortPath(path);
  return CutBackslash(shortForm.empty() ? path : shortForm);
}

std::vector<std::string> MakeDirs(plat::FileSystem& fs, const std::string& p) {
  std::vector<std::string> made;
  std::string path = WithBackslash(p);
  std::size_t first = path.find('\\');
  if (first == std::string::npos) return made;
  for (std::size_t at = path.find('\\', first + 1); at != std::string::npos; at = path.find('\\', at + 1)) {
    std::string level = path.substr(0, at);
    if (level.empty() || fs.info(level).directory) continue;
    // A failure shows when the caller looks for the folder.
    if (fs.makeDirectory(level)) made.push_back(level);
  }
  return made;
}

void ReadWinDirs(plat::System& sys, WinDirs& dirs) {
  std::string windows = sys.windowsDirectory();
  if (!windows.empty() && windows != "\\") dirs.windows = WithBackslash(windows);
  std::string system = sys.systemDirectory();
  if (!system.empty() && system != "\\") dirs.system = WithBackslash(system);
}

}  // namespace setup
