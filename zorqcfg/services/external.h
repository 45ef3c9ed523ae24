// The external programs offered to callers, kept in daten\extern.dat: five
// lines per entry, entries in list order, no header.
//
//   name      whole line, written trimmed
//   comment   whole line, written trimmed
//   call      whole line, written trimmed: a command line with placeholders,
//             "#" and a command alias, or "#SHOW " and the path of a text
//   group     whole line, written trimmed; empty for no group
//   options   a number: the level in the low byte, "Befehl" in bit 8,
//             "Extern" in bit 9, the shortcut as a signed top byte; bits 10
//             to 23 belong to the server and are kept as read. Written with a
//             leading blank unless negative and always one trailing blank.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr std::size_t kMaxPrograms = 301;
inline constexpr std::size_t kProgramNameLength = 80;
inline constexpr std::size_t kProgramCommentLength = 200;
inline constexpr std::size_t kProgramCallLength = 200;
inline constexpr std::size_t kProgramGroupLength = 40;
inline constexpr const char* kNewProgramName = "(NEU)";
inline constexpr const char* kExternLoadError = "Fehler beim Laden von <extern.dat>";

// The options word.
inline constexpr std::int32_t kBefehlBit = 1 << 8;
inline constexpr std::int32_t kExternBit = 1 << 9;
std::uint8_t levelOf(std::int32_t options);
std::int8_t shortcutOf(std::int32_t options);
std::int32_t packOptions(std::int32_t kept, std::uint8_t level, bool befehl, bool extern_,
                         std::int8_t shortcut);

struct ExternalProgram {
  std::string name, comment, call, group;
  std::int32_t options = 0;
};

// Reads the records in file order, up to the first error: a record cut
// short keeps what was read of it (empty texts, options 0 for the rest); a
// record past the 301st is an error and is dropped.
txt::Status readPrograms(const std::string& bytes, std::vector<ExternalProgram>& programs);
std::string programBytes(const std::vector<ExternalProgram>& programs);

// The editing controls of the dialog as texts.
struct ProgramFields {
  std::string name, comment, call, group, level, shortcut;
  bool befehl = false, extern_ = false;
};

// The dialog `frmextern` without its window. One entry at a time is shown:
// its values sit in `fields`, and they are committed back into the entry
// before another entry is shown, before sorting and before saving. A
// commit refuses a level outside 0 to 255 or a shortcut outside -128 to 127
// and then leaves both the entry and the fields as they are.
class ExternalPrograms {
 public:
  enum class Field { None, Level, Shortcut };

  std::vector<ExternalProgram> entries;
  ProgramFields fields;

  // The shown entry, or -1. After a load every operation keeps an entry
  // shown whenever the table is not empty, so the fields always belong to
  // an entry that the user sees.
  int shown() const { return shown_; }
  bool empty() const { return entries.empty(); }
  // The editing controls take input only while an entry is shown.
  bool editable() const { return shown_ >= 0; }

  // Reads extern.dat; a missing file gives an empty table. After an error
  // the entries read so far stay. The first entry is shown if there is one.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // "OK": commits the shown entry and writes the file atomically. A file
  // that failed to load is kept as extern.dat.bak when it is replaced.
  // Failure: the refusal of the commit, or "Fehler beim Speichern von
  // <extern.dat>"; the old file then stays as it was.
  txt::Status save(plat::FileSystem& fs, const Installation& where, Field* refused = nullptr);

  // The shown entry takes the fields: texts cut to their lengths, the level
  // and the shortcut from the leading number of their texts ("12abc" is 12),
  // the two switches; the other bits stay.
  txt::Status commit(Field* refused = nullptr);
  // Shows an entry: its texts trimmed (and stored back trimmed), level and
  // shortcut as " 10" and "-1".
  void show(int index);
  // A click on a list row: commit, then show it. Refused, the shown entry
  // stays.
  txt::Status select(int index, Field* refused = nullptr);
  // "Neu": commit, append "(NEU)" and show it. Refused when the table is
  // full.
  txt::Status add(Field* refused = nullptr);
  // "Löschen" once confirmed: the shown entry goes, its field values with
  // it; the first remaining entry is shown, or the fields are emptied.
  void remove();
  // "Sortieren": commit, then a stable sort by name in character-code order
  // (upper case before lower case), then the first entry is shown.
  txt::Status sort(Field* refused = nullptr);

  // What the pickers' answers make of the fields; nothing when the field
  // stays as it is.
  static std::optional<std::string> callForFile(const std::string& path);
  static std::optional<std::string> groupForPicker(const std::string& answer);
  // The command picker's answer, and for "SHOW" the file chosen after it:
  // "#Lesen", "#SHOW C:\BOX\TEXTE\REGELN.TXT" or "#SHOW" alone.
  static std::optional<std::string> callForAlias(const std::string& alias, const std::string& file);

 private:
  int shown_ = -1;
  bool keepBackup_ = false;  // the file failed to load
};

}  // namespace zorq
