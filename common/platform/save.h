// Saving a settings file so that it cannot be left half written.
#pragma once

#include <string>

#include "platform/filesystem.h"
#include "text/status.h"

namespace plat {

struct SaveOptions {
  // The file failed to load in the dialog that saves it now: keep the
  // previous file as <name>.bak, so that a save never silently destroys what
  // could not be read.
  bool keepBackup = false;
};

// Writes bytes to a temporary file beside path and then replaces path with
// it. On any failure the old file stays byte-identical, no temporary file is
// left behind and the error is returned.
txt::Status saveFile(FileSystem& fs, const std::string& path, const std::string& bytes,
                     SaveOptions options = {});

// Name of the temporary file saveFile writes beside path.
std::string temporaryNameFor(const std::string& path);

}  // namespace plat
