#include "users/box_files.h"

namespace zorq {

std::string rowText(const BoxFile& row, std::size_t column) {
  std::string text(row.shown);
  if (text.size() < column) text.append(column - text.size(), ' ');
  text += row.description;
  return text;
}

txt::Status openBoxFile(plat::FileSystem& fs, plat::System& system, const Installation& where,
                        std::string_view file) {
  const std::string path = where.textFile(std::string(file));
  // Any file at the path, hidden or not, is left as it is: only a path with
  // nothing at it is created, and only if it is still free then (a file
  // that appeared meanwhile is never truncated).
  const plat::FileInfo info = fs.info(path);
  bool ready = info.exists && !info.directory;
  if (!info.exists && !info.unknown) {
    bool taken = false;
    ready = fs.createNew(path, taken).ok();
    if (!ready && taken) ready = !fs.info(path).directory;  // made meanwhile by another program
  }
  if (!ready) return txt::Status::Fail("Fehler beim Anlegen von <" + path + ">");
  system.startProgram(plat::notepadCommand(where.windowsDir, path));
  return txt::Status::Ok();
}

}  // namespace zorq
