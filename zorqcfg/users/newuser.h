// The values the server gives a caller who registers as a new user, and the
// groups such a user joins: daten\newuser.dat.
//
//   lines 1 to 4   free space, rate, time limit, level, each as typed ("0"
//                  when empty)
//   lines 5 ...    one group per line, up to the end of the file
//
// The groups to choose from are those of daten\gruppen.dat, which the server
// writes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kNewUserFile = "newuser.dat";
inline constexpr const char* kNewUserLoadError = "Fehler beim Laden von <newuser.dat>";
inline constexpr int kNewUserValues = 4;

// Lines 1 to 4 must be there; every further line is a group.
txt::Status readNewUser(const std::string& bytes, std::array<std::string, kNewUserValues>& values,
                        std::vector<std::string>& groups);

// The new-user dialog `frmneuuser` without its window.
class NewUserDefaults {
 public:
  // "Freiraum", "Rate", "Zeitlimit", "Level", as typed.
  std::array<std::string, kNewUserValues> values;
  // "Gruppen für neue User" and "restliche Gruppen", each kept in sorted
  // order (users/collation.h).
  std::vector<std::string> forNewUsers, remaining;

  // Reads gruppen.dat (at most 201 groups) and newuser.dat; a missing file
  // is no error. The groups of gruppen.dat that are not exactly among those
  // for new users become the remaining groups, but only once newuser.dat has
  // been read whole. newuser.dat is read even when gruppen.dat fails, so
  // that "OK" cannot replace the new-user values with defaults.
  // Failure: "Fehler beim Laden von <newuser.dat>", with what was read kept.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);

  // "OK": newuser.dat written atomically; after a load error the old file
  // is kept as newuser.dat.bak. Failure: "Fehler beim Speichern von
  // <newuser.dat>" and the reason, and the file stays as it was.
  txt::Status save(plat::FileSystem& fs, const Installation& where);

  // Moves the group at index to its sorted place in the other list; an
  // index outside the list does nothing. True when a group moved.
  bool toRemaining(int index);
  bool toNewUsers(int index);

  std::string bytes() const;

 private:
  bool backup_ = false;
};

}  // namespace zorq
