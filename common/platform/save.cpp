#include "platform/save.h"

namespace plat {

std::string temporaryNameFor(const std::string& path) { return path + ".new~"; }

txt::Status saveFile(FileSystem& fs, const std::string& path, const std::string& bytes, SaveOptions options) {
  FileInfo target = fs.info(path);
  if (target.directory) return txt::Status::Fail(path + " is a directory");

  const std::string temporary = temporaryNameFor(path);
  txt::Status status = fs.writeNew(temporary, bytes);
  if (status.ok() && options.keepBackup && target.exists) status = fs.copy(path, path + ".bak");
  if (status.ok()) status = fs.replace(temporary, path);
  if (!status.ok()) fs.remove(temporary);
  return status;
}

}  // namespace plat
