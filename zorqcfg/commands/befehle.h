// The caller commands of the box: for each of the 43 commands the minimum
// user level and the user group it needs, kept in two parallel files of the
// settings directory, one line per command in the fixed order below.
//
//   daten\befehle.txt  43 lines, the level of each command in the number
//                      format (" 5 "); a file of 41 lines is complete, the
//                      last two commands then keep the levels they had.
//   daten\befgrup.txt  43 lines, the group of each command; empty for none.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr int kCommandCount = 43;
// Commands 0 to 40 must be in the level file; 41 and 42 are read only if the
// file goes on.
inline constexpr int kRequiredLevels = 41;

// The command labels in file order, Windows-1252.
inline constexpr std::array<std::string_view, kCommandCount> kCommandNames = {
    "?",           ">",          "<",         "+",           "-",          "#",          "Ansi",
    "Anschrift",   "Antrag",     "Antworten", "Archivieren", "Auslastung", "Boxstatus",  "Brett",
    "Dialog",      "Edit",       "Extern",    "Gruppen",     "Hersteller", "Hilfe",      "Inhalt",
    "Lesen",       "L\xf6schen", "Logoff",    "Menu",        "Merken",     "Mitteilung", "Multiuser",
    "Pa\xdfwort",  "PM",         "Protokoll", "Relogin",     "Rundbrief",  "Scanner",    "Senden",
    "Setup",       "Signatur",   "Status",    "Suchen",      "Teilnehmer", "Vertreter",  "Visitenkarte",
    "Weiterleiten"};

// The caption of a group button for a command without a group. It is only
// shown, never written.
inline constexpr std::string_view kNoGroupShown = "<<keine>>";

using CommandLevels = std::array<std::uint8_t, kCommandCount>;
using CommandGroups = std::array<std::string, kCommandCount>;  // "" for none

// The level a level field's text stands for: its leading number (0 when it
// starts with none), rounded half to even. "12" gives 12, "3.5" gives 4, ""
// and "abc" give 0; "300" and "-1" lie outside 0 to 255 and give nothing:
// such a level is refused, never wrapped (300 would lock a command at 44).
std::optional<std::uint8_t> levelFromText(std::string_view text);
inline constexpr const char* kLevelRangeMessage = "Der Level muss zwischen 0 und 255 liegen.";

// Readers of the two files. They fill levels and groups from the start and
// stop at the first error, leaving what follows untouched.
txt::Status readLevels(const std::string& bytes, CommandLevels& levels);
txt::Status readGroups(const std::string& bytes, CommandGroups& groups);
std::string levelBytes(const CommandLevels& levels);
std::string groupBytes(const CommandGroups& groups);

// The levels the command editor held when it was last open in this run of
// the program (0 for all at first). A level file of 41 lines leaves the last
// two commands at these values.
CommandLevels& levelsOfThisRun();

// The command editor `frmprbefehle` without its window: the level fields as
// texts and the group of each command.
class CommandEditor {
 public:
  // memory: the levels of the previous opening, updated by every load and
  // by every successful save.
  explicit CommandEditor(CommandLevels& memory) : memory_(memory) {}

  std::array<std::string, kCommandCount> levelText;  // the level fields
  CommandGroups group;                               // "" for none

  // Reads both files; a missing file is no error. Each file is read up to
  // its first error, and the level fields then show the levels held after
  // the read: those read, and the previous ones for the rest, so that "OK"
  // does not turn the unread levels into 0. The group file is read even when
  // the level file failed, so that "OK" does not drop the groups either.
  // Failure: "Fehler beim Laden der Befehle", to be shown by the caller.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);

  // "OK": every level from its field's text by levelFromText; a level
  // outside 0 to 255 is refused with kLevelRangeMessage before anything is
  // written, refusedCommand (if given) naming its command. Then both
  // files written atomically. A file that failed to load is kept as
  // befehle.txt.bak or befgrup.txt.bak when it is replaced. Failure: the
  // message to show ("Fehler beim Speichern von <befgrup.txt>", the reason
  // on the next line); the failing file stays as it was.
  txt::Status save(plat::FileSystem& fs, const Installation& where, int* refusedCommand = nullptr);

  // The group picker's answer for command i: "@" (cancelled) changes
  // nothing, "" ("Keine Gruppe") clears the group, a name sets it.
  void chooseGroup(int command, const std::string& answer);
  // "<<keine>>" for a command without a group, else the group.
  std::string groupCaption(int command) const;

 private:
  CommandLevels& memory_;
  // The file failed to load: keep it as <name>.bak when it is replaced.
  bool backupLevels_ = false;
  bool backupGroups_ = false;
};

inline constexpr const char* kCommandsLoadError = "Fehler beim Laden der Befehle";

}  // namespace zorq
