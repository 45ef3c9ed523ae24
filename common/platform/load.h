// Reading the settings files a dialog edits, and remembering what it read,
// so that "OK" can tell when another program changed a file meanwhile.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/filesystem.h"
#include "text/status.h"

namespace plat {

// A file as a dialog saw it: there or not, its size and its last write.
struct FileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::uint64_t writeTime = 0;
  bool operator==(const FileStamp&) const = default;
};
FileStamp stampOf(const FileInfo& info);

// The files a dialog loaded to edit them, each as it was then.
class LoadRecord {
 public:
  // Notes path as seen now (missing files too: one that appears meanwhile
  // is a change as well).
  void note(const std::string& path, const FileInfo& seen);
  // After a save of the dialog's own, or when the sysop chose to overwrite:
  // the file as it is now is the one the dialog knows.
  void refresh(FileSystem& fs, const std::string& path);
  // The noted paths whose file is no longer as it was, in the order noted.
  std::vector<std::string> changed(FileSystem& fs) const;
  void clear() { files_.clear(); }

 private:
  std::vector<std::pair<std::string, FileStamp>> files_;
};

// Reads a settings file that a dialog edits. A missing file, and one that a
// dialog must not show (a folder, a hidden or a system file), gives
// there = false and no error: the dialog keeps its defaults. A file that
// cannot be looked at or read, or one larger than kMaxFileBytes, is an error;
// there is then true and bytes holds what could be read. record, if given,
// notes the file as seen.
txt::Status readSettingsFile(FileSystem& fs, const std::string& path, std::string& bytes, bool& there,
                             LoadRecord* record = nullptr);

// Reads a settings file as readSettingsFile does and hands what could be
// read to parse (a function of the bytes giving a txt::Status), so that a
// file too large to read whole still shows its beginning. Running out of
// memory while parsing is a failure, never an exception. A missing file
// gives success and is not parsed; found, if given, tells which it was.
// The first failure is returned.
template <class Parse>
txt::Status loadSettingsFile(FileSystem& fs, const std::string& path, LoadRecord* record, Parse&& parse,
                             bool* found = nullptr) noexcept {
  return txt::guarded([&]() -> txt::Status {
    std::string bytes;
    bool there = false;
    txt::Status read = readSettingsFile(fs, path, bytes, there, record);
    if (found) *found = there;
    if (!there) return read;
    txt::Status parsed = txt::guarded([&] { return parse(bytes); });
    return read.ok() ? parsed : read;
  });
}

// The file name of a path: what follows its last "\".
std::string fileNameOf(const std::string& path);

}  // namespace plat
