// The procedures every window of setup shares: directories of the machine,
// existence tests and the path helpers. Paths are Windows-1252 strings with
// "\" separators.
#pragma once

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/system.h"

namespace setup {

// The text every message box of setup carries in its title bar.
inline constexpr const char* kMessageTitle = "Setup";
inline constexpr const char* kLineEnd = "\r\n";

// Removes one trailing "\" in place and returns the result.
std::string& CutBackslash(std::string& s);
std::string CutBackslash(const std::string& s);
// The path with a trailing "\" (one is added when missing).
std::string WithBackslash(std::string s);

// An ordinary file (one trailing "\" is ignored).
bool FileExists(plat::FileSystem& fs, const std::string& name);
// A folder (one trailing "\" is ignored). A file of that name does not count.
bool DirExists(plat::FileSystem& fs, const std::string& name);

// The long form of a path as the file system stores its folder names; it
// always ends in "\". Errors are ignored: what cannot be looked up stays as
// given.
std::string LongPath(plat::System& sys, const std::string& p);

// The 8.3 form of an existing path, without a trailing "\".
std::string ShortPath(plat::System& sys, const std::string& p);

// Creates every missing folder level of p. The first level (the drive, or
// the root) is never created. Errors are ignored: the caller tests whether
// the folder exists afterwards. Returns the levels it made, outermost first,
// so that an installation that does not go through can take them back.
std::vector<std::string> MakeDirs(plat::FileSystem& fs, const std::string& p);

// The Windows and the system directory, each with a trailing "\". A
// directory the platform cannot tell leaves the field unchanged.
struct WinDirs {
  std::string windows;
  std::string system;
};
void ReadWinDirs(plat::System& sys, WinDirs& dirs);

}  // namespace setup
