// The header of a distribution, inst2.dat: how many files a run copies,
// whether it is an update, and the two version texts for the greeting.
#pragma once

#include <cstdint>
#include <string>

#include "platform/filesystem.h"
#include "text/status.h"

namespace setup {

struct Inst2 {
  std::int32_t fileTotal = 0;
  std::uint8_t updateFlag = 0;  // 0: full installation, anything else: update
  std::string newVersion;
  std::string oldVersion;

  bool update() const { return updateFlag != 0; }
};

// Line 1: file total and update flag, separated by a comma (a line break
// between them reads the same); line 2 the new, line 3 the old version. A
// file that ends before both version lines is cut short and an error
// ("Zeile 3 fehlt"), as is a number that could not be read ("Zeile 1").
txt::Status parseInst2(const std::string& bytes, Inst2& out);

// Reads inst2.dat when it exists; a missing file gives a full installation
// without a version.
txt::Status loadInst2(plat::FileSystem& fs, const std::string& path, Inst2& out);

// The greeting of the welcome window, ending with an empty line.
std::string welcomeText(const Inst2& inst2);

}  // namespace setup
