// The file operations the programs need, behind an interface so that the
// models stay portable and tests can inject faults. Paths are Windows-1252
// strings with "\" separators, as the settings files and zorq.ini hold them.
#pragma once

#include <cstdint>
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
  // The file could not be looked at (access denied, a network error, a
  // sharing violation, a pending delete): it may be there or not. Only "not
  // found" means missing.
  bool unknown = false;
  std::uint64_t size = 0;       // bytes, of a file that exists
  std::uint64_t writeTime = 0;  // its last write, in the file system's own ticks

  // An existing file a dialog may show: no folder, no hidden or system file.
  bool ordinary() const { return exists && !directory && !hidden && !system; }
};

// The largest file the programs read: settings files are a few kilobytes,
// the server's user list a few megabytes. A larger file is a read error,
// with its first kMaxFileBytes bytes read.
inline constexpr std::uint64_t kMaxFileBytes = 64u << 20;

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual FileInfo info(const std::string& path) = 0;
  // True when at least one ordinary file (not a directory, hidden or system
  // file) matches the path, which may hold the wildcards * and ?.
  virtual bool anyOrdinaryFile(const std::string& pattern) = 0;
  // The whole file, at most kMaxFileBytes of it: a larger file, or one that
  // cannot be held in memory, fails with bytes holding what could be read.
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
  // Clears the read-only attribute of a file (a copy from a CD keeps it).
  // A file system without attributes has nothing to clear.
  virtual txt::Status makeWritable(const std::string& path);
  // The names (without folder) of the files in folder (ending with "\")
  // whose names end with suffix. A file system that cannot list says none.
  virtual std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix);
  // The time now, in the ticks of FileInfo::writeTime, and how many ticks
  // make a second; 0 when the file system cannot tell.
  virtual std::uint64_t now() { return 0; }
  virtual std::uint64_t ticksPerSecond() { return 0; }
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

namespace plat {

// The reading loop of the real file systems: read(buffer, size) gives the
// number of bytes it read, 0 at the end and -1 on an error (which error()
// then describes). At most kMaxFileBytes are kept; sizeHint (the size the
// file said it has) is reserved first, so that the bytes are held once.
// Running out of memory is an error too, never an exception.
template <class Read, class Error>
txt::Status readLimited(std::string& bytes, std::uint64_t sizeHint, Read read, Error error) noexcept;

}  // namespace plat

#include "platform/read_limited.h"
