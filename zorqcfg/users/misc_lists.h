// The miscellaneous user settings of "Sonstiges":
//
//   daten\cosysop.txt  the co-sysops, one user name per line, sorted
//   daten\userver.txt  the forbidden user names, one per line, in the order
//                      they were added
//   import comment     line 39 of main.txt, held in the main settings record
//                      until the main window's "Ende" writes it
#pragma once

#include <string>
#include <vector>

#include "core/installation.h"
#include "core/main_settings.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kCosysopFile = "cosysop.txt";
inline constexpr const char* kForbiddenFile = "userver.txt";

// One entry per line; a last line without its line end counts.
std::vector<std::string> readNameList(const std::string& bytes, txt::Status* status = nullptr);
std::string nameListBytes(const std::vector<std::string>& names);

// The dialog `frmsonst` without its window.
class MiscLists {
 public:
  std::vector<std::string> cosysops;   // sorted (users/collation.h)
  std::vector<std::string> forbidden;  // in the order read and added
  std::string importComment;

  // Both files (a missing one is an empty list; there is no load message)
  // and the import comment of the record. A file that cannot be read is
  // kept as <name>.bak when "OK" replaces it.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  void load(plat::FileSystem& fs, const Installation& where, const MainSettings& settings);

  // The user picker's answer: added at its sorted place unless it is empty
  // (cancelled) or already listed exactly. True when added.
  bool addCosysop(const std::string& answer);
  // The typed name in upper case, unless it is empty or that upper-case form
  // is listed already. True when added.
  bool addForbidden(const std::string& typed);
  // An index outside the list does nothing.
  void removeCosysop(int index);
  void removeForbidden(int index);

  // "OK": both files written atomically, then the comment put into the
  // record. Failure: "Fehler beim Speichern von <...>" and the reason; the
  // record is then unchanged.
  txt::Status save(plat::FileSystem& fs, const Installation& where, MainSettings& settings);

 private:
  bool backupCosysops_ = false, backupForbidden_ = false;
};

}  // namespace zorq
