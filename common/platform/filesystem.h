// The file operations the programs need, behind an interface so that the
// models stay portable and tests can inject faults. Paths are Windows-1252
// strings with "\" separators, as the settings files and zorq.ini hold them.
#pragma once

#include <string>
#include <vector>

#include "text/status.h"

namespace plat {

struct FileInfo {
  bool exists = false;
  bool directory = false;
  bool hidden = false;
  bool system = false;
  bool readOnly = false;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual FileInfo info(const std::string& path) = 0;
  // True when at least one ordinary file (not a directory, hidden or system
  // file) matches the path, which may hold the wildcards * and ?.
  virtual bool anyOrdinaryFile(const std::string& pattern) = 0;
  virtual txt::Status readAll(const std::string& path, std::string& bytes) = 0;
  // Creates or truncates the file, writes every byte, flushes it to the disk
  // and closes it. Any short write is an error.
  virtual txt::Status writeNew(const std::string& path, const std::string& bytes) = 0;
  // Creates an empty file that must not exist yet (as CREATE_NEW does), so
  // that the name belongs to this caller alone. taken is set when a file or
  // folder of that name exists already; nothing is touched then.
  virtual txt::Status createNew(const std::string& path, bool& taken);
  // Puts from in the place of to in one step, replacing an existing to.
  virtual txt::Status replace(const std::string& from, const std::string& to) = 0;
  // Gives from the name to, which must not exist yet (as MoveFile does):
  // taken is set when a file or folder of that name exists already; nothing
  // is touched then.
  virtual txt::Status moveNew(const std::string& from, const std::string& to, bool& taken);
  virtual txt::Status copy(const std::string& from, const std::string& to) = 0;
  virtual txt::Status remove(const std::string& path) = 0;
  // Creates one directory; an existing directory is no error.
  virtual txt::Status makeDirectory(const std::string& path) = 0;
  // Removes a folder that is empty; a folder that holds anything stays and
  // is an error. A file system that cannot remove folders always says no.
  virtual txt::Status removeEmptyDirectory(const std::string& path);
  // The names (without folder) of the files in folder (ending with "\")
  // whose names end with suffix. A file system that cannot list says none.
  virtual std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix);
};

// An existing ordinary file: a directory, a hidden or a system file counts as
// absent. A path with the wildcards * or ? is true when an ordinary file
// matches.
bool FileExists(FileSystem& fs, const std::string& path);

// The file system of the platform the program runs on.
FileSystem& localFileSystem();

// The id of the running process: part of names no other process uses.
unsigned long processId();

// Whether a process with this id runs now.
bool processRunning(unsigned long id);

}  // namespace plat
