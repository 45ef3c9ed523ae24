// The box's own net parameters, daten\netzpar.dat: 25 lines, one value
// each, in the order of the fields below. Lines 1 to 22 make the older file
// and must be there; 23, 24 and 25 are read only while the file goes on.
// Flags are "1" or "0" and only a line of exactly "1" is set.
#pragma once

#include <array>
#include <string>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kNetParameterFile = "netzpar.dat";
inline constexpr const char* kNetParameterLoadError = "Fehler beim Laden von <netzpar.dat>";
// What the boards path field shows when the server's own path is meant; a
// text starting with "(" is stored as an empty line.
inline constexpr const char* kStandardPath = "(Standard)";
inline constexpr int kDomains = 4;
inline constexpr int kMaxReleaseTime = 10;

// The dialog `frmnetz` without its window: each field as its control holds
// it.
struct NetParameters {
  std::string boxName;                        // 1 "Netzboxname"
  std::string boardsPath;                     // 2 "neue Bretter (Pfad)"
  std::string summerZone;                     // 3 "Sommerzeitzone"
  std::string summerStart;                    // 4 "Beginn (TT:MM)"
  std::string winterZone;                     // 5 "Winterzeitzone"
  std::string winterStart;                    // 6 "Beginn (TT:MM)"
  std::string maxLetterKb;                    // 7 "max Brieflänge KB", "0" when empty
  std::string netLevel;                       // 8 "Netzbriefe ab Level", "0" when empty
  std::array<std::string, kDomains> domain;   // 9, 11, 13, 15 "Hauptdomain", "2. Domain", ...
  std::array<bool, kDomains> domainServer{};  // 10, 12, 14, 16 "Domainserver"
  std::string dialAttempts;                   // 17 "Wahlversuche", "0" when empty (as are 18 to 22)
  std::string dialPause;                      // 18 "Wahlpause (Sekunden)"
  std::string bufferCopies;                   // 19 "Pufferkopien"
  std::string packTimeout;                    // 20 "Packtimeout (Sekunden)"
  std::string msgIdHold;                      // 21 "MsgID Haltezeit"
  std::string maxAge;                         // 22 "max. Nachrichtenalter"
  bool noDupeSort = false;                    // 23 "Dupes nicht sortieren"
  int releaseTime = 0;                        // 24 "Rechenzeit freigeben", 0 to 10: the scroll bar
  std::string releaseText;                    // 24 as written: the bar's value display
  std::string group;                          // 25 "Gruppe"

  // Reads the file; a missing one is no error. Reading stops at the first
  // error, and the fields read so far keep their values. Without an error
  // an empty boards path shows as "(Standard)" and the value display holds
  // the bar's value with a leading blank (" 7"), which a save then writes
  // as it is. Failure: kNetParameterLoadError.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // "OK": all 25 lines, atomically; a file that failed to load is kept as
  // netzpar.dat.bak. Failure: "Fehler beim Speichern von <netzpar.dat>"
  // and the reason on a line of its own.
  txt::Status save(plat::FileSystem& fs, const Installation& where);

  // The scroll bar moved: the display shows the bare digits ("3").
  void setReleaseTime(int value);
  // The directory picker's answer: a path, or "(Standard)" when cancelled.
  void chooseBoardsPath(const std::string& answer);
  // The group picker's answer: "@" (cancelled) changes nothing, "" clears.
  void chooseGroup(const std::string& answer);

 private:
  bool backup_ = false;
};

std::string netParameterBytes(const NetParameters& p);

// The reading of NetParameters::load: the file's bytes into p, up to the
// first error; after a good read the fields show what load shows.
txt::Status readNetParameters(const std::string& bytes, NetParameters& p);

}  // namespace zorq
