// Automatic port start: for ports 0 to 8 and the sysop port, whether the
// server starts the port by itself, with its window open, and whether the
// port is always shown. The table is part of the main settings (main.txt);
// the start parameters file of the current network number holds it too:
//
//   daten\start.dat (network 0), daten\start3.dat (network 3)
//
// Twenty numbers in the number format (" 1 "): "immer anzeigen" of rows 0
// to 9, then the start mode of rows 0 to 9.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/installation.h"
#include "core/main_settings.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kStartFile = "start.dat";

// Start modes.
inline constexpr std::int16_t kNotStarted = 0, kStarted = 1, kStartedWithWindow = 2;

// One row as its three check boxes show it.
struct StartRow {
  bool port = false;    // "Port k" / "Sysopport": started automatically
  bool window = false;  // "Fenster offen"
  bool always = false;  // "immer anzeigen"
};

// Any start mode other than 0 ticks the port box; only 2 ticks "Fenster
// offen" as well.
StartRow rowShown(std::int16_t startMode, std::int32_t alwaysShow);
// "Fenster offen" without the port box starts nothing.
std::int16_t startModeOf(const StartRow& row);

struct PortStartTable {
  std::array<std::int16_t, kPortRows> startMode{};
  std::array<std::int32_t, kPortRows> alwaysShow{};
};

PortStartTable startTableOf(const MainSettings& settings);
void putStartTable(MainSettings& settings, const PortStartTable& table);

// Reads the twenty numbers into table (separated by line ends, blanks or
// commas); on an error the values read so far have replaced table's.
txt::Status parseStartFile(const std::string& bytes, PortStartTable& table);
std::string startFileBytes(const PortStartTable& table);

// The dialog `frmstart` without its window.
class StartParameters {
 public:
  PortStartTable table;

  // Names the file from the current network number and keeps the name for
  // the save. Starts from shared (what the main window holds); a start file
  // replaces it. Failure: "Fehler beim Laden von <start3.dat>"; the rows read
  // stay and the rest keep shared's values.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where, const PortStartTable& shared);
  // Writes the file named at load atomically (a file that failed to load
  // kept as .bak). Failure: "Fehler beim Speichern von <start3.dat>".
  txt::Status save(plat::FileSystem& fs);

  const std::string& fileName() const { return name_; }

 private:
  std::string path_, name_;
  bool backup_ = false;
};

}  // namespace zorq
