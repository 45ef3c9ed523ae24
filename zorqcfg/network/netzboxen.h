// The net boxes the server knows, as the net box picker lists them. The
// server keeps them in daten\netz.dat; the editor only reads it.
//
//   line 1        not used here
//   then, per box, a record of 11 lines:
//     1           the box's name
//     2 to 8      not used here
//     9           the box's type, a 16-bit number (1: called with Janus2)
//     10, 11      not used here
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/installation.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kNetBoxFile = "netz.dat";
inline constexpr std::size_t kMaxNetBoxes = 1001;
inline constexpr int kNetBoxRecordLines = 11;
inline constexpr int kNetBoxTypeLine = 9;
inline constexpr const char* kNetBoxLoadError = "Fehler beim Laden von <netz.dat>";

struct NetBoxes {
  std::vector<std::string> names;   // in file order; a box's position is its index
  std::vector<std::int16_t> types;  // `netzboxtyp`, by position; 0 for a box whose record broke off
  txt::Status status;               // the first error; names holds the boxes listed before it
};

// A record's name is listed as soon as it is read, so a record cut short
// at the end of the file still lists its name (with type 0). A record whose
// type is no 16-bit number, a short record and a 1002nd record stop the
// reading; the 1002nd box is not listed.
NetBoxes parseNetBoxes(const std::string& bytes);

// The boxes of daten\netz.dat. A missing file gives none and no error; any
// other error gives kNetBoxLoadError with the boxes listed before it.
NetBoxes loadNetBoxes(plat::FileSystem& fs, const Installation& where);

}  // namespace zorq
