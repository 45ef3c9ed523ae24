// The checker's own access to the files of an installation: a settings file
// is read only when it is an ordinary file, never waited on, and never
// beyond a fixed size; a path that a settings file names is looked up where
// it can be told for sure.
#pragma once

#include <cstddef>
#include <new>
#include <optional>
#include <string>

#include "platform/filesystem.h"

namespace zorqcheck {

// Larger settings files are not read: the editor refuses them as well.
inline constexpr std::size_t kMaxSettingsBytes = static_cast<std::size_t>(plat::kMaxFileBytes);

// What a path names. Unknown: the platform cannot tell (no finding then).
enum class Entry { Missing, File, Folder, Other, Unknown };

// Paths in Windows form ("\"). Natively a part that does not exist as
// written is looked for without regard to case, as Wine finds it.
Entry entryAt(const std::string& path);

struct ReadOutcome {
  enum State { Ok, Missing, Folder, NotAFile, TooLarge, Failed };
  State state = Ok;
  std::string why;  // for Failed: what the platform said
};

// What a bounded read of the platform said, as a ReadOutcome: a file that
// grew past the limit while it was read counts as too large, with nothing
// kept of it.
inline ReadOutcome outcomeOf(const txt::Status& read, std::string& bytes) {
  if (read.ok()) return {};
  bytes.clear();
  if (read.error == plat::kFileTooLarge) return {ReadOutcome::TooLarge, {}};
  if (read.error == plat::kOutOfMemory) throw std::bad_alloc();
  return {ReadOutcome::Failed, read.error};
}

// The whole file into bytes, if it is an ordinary file of at most
// kMaxSettingsBytes. A hidden or system file counts as missing, as for the
// editor. A folder, a FIFO, a device are told by what they are, without
// reading from them or waiting on them. May throw std::bad_alloc.
ReadOutcome readSettingsFile(const std::string& path, std::string& bytes);

// The path on this machine of a path that a settings file names, or nothing
// where that cannot be told: a relative path lies in installDir (which ends
// with "\" or "/"); a path with a drive stands as it is on Windows, while
// natively only drive C: is found, and only when installDir lies inside a
// Wine prefix's drive_c (C:\ is then that folder). A network path (\\server)
// or one without a drive but from the root is never looked up.
std::optional<std::string> resolvedPath(const std::string& installDir, const std::string& path);

}  // namespace zorqcheck
