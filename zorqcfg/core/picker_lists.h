// What the pickers list and answer: the users of user.dat, the groups of
// gruppen.dat, and the paths the directory and file pickers give back.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/installation.h"
#include "platform/filesystem.h"
#include "text/status.h"
#include "ui/services.h"

namespace zorq {

inline constexpr const char* kUserFile = "user.dat";
inline constexpr const char* kGroupFile = "gruppen.dat";
// The new-user dialog holds at most this many groups; the group picker lists
// them all.
inline constexpr std::size_t kMaxGroups = 201;
inline constexpr std::size_t kAllGroups = static_cast<std::size_t>(-1);
inline constexpr const char* kNoGroupEntry = "Keine Gruppe";
inline constexpr const char* kGroupCancelled = "@";

struct PickerList {
  std::vector<std::string> entries;
  txt::Status status;  // the first error; entries holds what was read before it
};

// A user line: everything after the first "\xb0", or the whole line.
std::string_view userNameOf(std::string_view line);
PickerList parseUsers(const std::string& bytes);
// Each group: its name on a line, a number field n, then n characters of
// group data, which are skipped. A group beyond limit is an error.
PickerList parseGroups(const std::string& bytes, std::size_t limit = kAllGroups);

// The lists as the pickers load them: a missing file gives an empty list
// and no message; a read error shows "Fehler beim Laden von <...>" and keeps
// what was read.
std::vector<std::string> loadUsers(plat::FileSystem& fs, const Installation& where, ui::Services& ui);
std::vector<std::string> loadGroups(plat::FileSystem& fs, const Installation& where, ui::Services& ui);

// Why a chosen folder or file cannot be taken: its name has a character that
// Windows-1252 lacks, so no settings file could hold it. Such a character
// reaches the editor as "?", which no name on Windows contains. Nothing
// when the name can be stored.
std::optional<std::string> unstorableName(std::string_view name);

// A directory with exactly one "\" at its end, as the directory picker
// answers it ("C:\" stays "C:\").
std::string withBackslash(const std::string& directory);
// The file picker's answer: directory, "\" unless it ends with one, name.
std::string fileAnswer(const std::string& directory, const std::string& name);
// "File w\xe4hlen", or "File ausw\xe4hlen (*.wav Dateien)" with a mask.
std::string filePickerTitle(const std::string& dateimaske);
// The mask the file list shows: the caller's, or all files.
std::string fileListMask(const std::string& dateimaske);
// Whether a file's own (long) name matches the mask, "*" and "?" as
// wildcards, without regard to case; "*.*" takes every name. The platform's
// search also matches the short 8.3 names, so that "*.wav" finds
// "gong.wave" as well; the file list asks this again.
bool matchesMask(std::string_view name, std::string_view mask);

// The rows of a directory tree that is open at a directory: the drive's
// root, then each directory on the way down to the open one, each one level
// deeper. The subdirectories of the open directory follow in the tree, one
// level deeper again.
struct DirectoryRow {
  std::string label;  // "c:\" for the root, otherwise the directory's name
  std::string path;   // full path, without a trailing "\" except for a root
  int depth;
};
std::vector<DirectoryRow> openDirectoryRows(const std::string& directory);
// The full path of a subdirectory of the open directory.
std::string subdirectoryPath(const std::string& openDirectory, const std::string& name);

}  // namespace zorq
