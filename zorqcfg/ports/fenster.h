// The server's module windows that are not to be opened, in
// daten\winds.txt: five numbers in the number format (" 1 "): cruncher,
// sorter, a reserved 0, net receive, net send. An older file has only the
// first three.
#pragma once

#include <string>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kWindsFile = "winds.txt";

// Each 1 when the window is not opened ("... nicht öffnen" ticked).
struct ModuleWindows {
  int cruncher = 0;
  int sorter = 0;
  int netReceive = 0;
  int netSend = 0;
};

// Reads into w up to the first error: fewer than three numbers, no number,
// a state no check box has (0, 1, 2 greyed), a line 4 without line 5.
txt::Status parseWinds(const std::string& bytes, ModuleWindows& w);
std::string windsBytes(const ModuleWindows& w);

// The dialog `frmfenst` without its window.
class ModuleWindowsEditor {
 public:
  ModuleWindows values;

  // Failure: "Fehler beim Laden von <winds.txt>"; values hold what was read.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // Atomic; a file that failed to load is kept as winds.txt.bak. Failure:
  // "Fehler beim Speichern von <winds.txt>".
  txt::Status save(plat::FileSystem& fs, const Installation& where);

 private:
  bool backup_ = false;
};

}  // namespace zorq
