// Saving a settings file so that it cannot be left half written, and
// copying a file into place the same way.
#pragma once

#include <string>

#include "platform/filesystem.h"
#include "text/status.h"

namespace plat {

class LoadRecord;

struct SaveOptions {
  // The file failed to load in the dialog that saves it now: keep the
  // previous file as <name>.bak, so that a save never silently destroys what
  // could not be read.
  bool keepBackup = false;
  // What the dialog knows of its files: a successful save notes the file as
  // the dialog wrote it, so that a later "OK" does not take it for another
  // program's change.
  LoadRecord* record = nullptr;
};

// Backups keep five generations, the newest first:
//   <name>.bak, <name>.bak2, <name>.bak3, <name>.bak4, <name>.bak5.
// A new backup moves each older one back by one generation; only the fifth
// one falls away. A backup never replaces a newer one.
inline constexpr int kBackupGenerations = 5;
// The name of generation n (1 to kBackupGenerations) of path's backups.
std::string backupName(const std::string& path, int generation);

// Writes bytes to a temporary file of this process beside path and then
// replaces path with it. A path that exists but is no ordinary file (a
// folder, a hidden or a system file), a read-only file and one that cannot
// be looked at are refused before anything is written: a hidden file
// counted as missing when the dialog loaded, so its content was never shown.
// With keepBackup, the replaced file becomes <name>.bak and each older
// backup moves back by one. On any failure the old file and every backup
// stay byte-identical, no temporary file is left behind and the error is
// returned as a German sentence the sysop can read.
txt::Status saveFile(FileSystem& fs, const std::string& path, const std::string& bytes,
                     SaveOptions options = {});

// Creates an empty temporary file beside path whose name no other process
// uses: path followed by ".<process id>-<counter>.new~", created only if
// it did not exist yet.
txt::Status createTemporary(FileSystem& fs, const std::string& path, std::string& temporary);

// The process id in a name of the form "<name>.<process id>-<counter>"
// followed by suffix (".new~" for createTemporary's names), or 0 when name
// is not of that form; original, if given, gets the <name> part.
unsigned long temporaryOwner(const std::string& name, const std::string& suffix,
                             std::string* original = nullptr);

// Removes the temporary files a save of an ended process left in folder
// (ending with "\"), say when the program was killed while saving: only
// names of createTemporary's form whose process no longer runs and that
// were last written more than ten minutes ago, so that the save of an
// editor on another machine sharing the folder (whose process id means
// nothing here) is never disturbed. Returns how many went.
inline constexpr int kLeftoverAgeSeconds = 10 * 60;
int removeLeftoverTemporaries(FileSystem& fs, const std::string& folder);

// The message a dialog shows when saving the file name failed:
// "Fehler beim Speichern von <name>", then the reason on a line of its own.
std::string saveErrorMessage(const std::string& name, const txt::Status& status);

}  // namespace plat
