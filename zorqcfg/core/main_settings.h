// The main settings record: every line of daten\main.txt, held for the whole
// run of the editor. The main window shows most of it; the memory limits,
// the port start table and the import comment belong to their own dialogs,
// which change them here, and all of it reaches the file on "Ende".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "text/status.h"
#include "ui/services.h"

namespace zorq {

inline constexpr const char* kMainFile = "main.txt";
inline constexpr const char* kEnvFile = "env.dat";
inline constexpr const char* kMainLoadError = "Fehler beim Laden des main.txt";
inline constexpr const char* kLockActive = "Das Schlo\xdf im Server ist aktiv";
inline constexpr const char* kStandardNetPath = "(Standard)";
inline constexpr const char* kOverwriteUnread =
    "Die Haupteinstellungen wurden nicht geladen. main.txt trotzdem \xfc"
    "berschreiben?";

inline constexpr int kRausNachMin = 1, kRausNachMax = 10;
inline constexpr int kKommentarMin = 1, kKommentarMax = 20;
inline constexpr int kPortRows = 10;  // ports 0 to 8, then the sysop port
inline constexpr std::size_t kMaxLockPassword = 85;

struct MainSettings {
  std::string boxName;            // "Boxname"
  std::string sysopName;          // "Sysopname"
  std::string organisation;       // "Organisation"
  std::string chatzwang;          // "Chatzwang"
  int rausNach = kRausNachMin;    // "Raus nach", slider 1 to 10
  int kommentar = kKommentarMin;  // "Kommentar", slider 1 to 20
  std::string uploadPath;         // "Uploadpfad"
  std::string downloadPath;       // "Downloadpf."
  std::string minHdFrei;          // "min. Hd frei"

  // Memory limits ("Speicher"), held as typed.
  std::string maxBretter, maxUser, maxNetzboxen, maxEditorzeilen, maxBriefe;

  // Port start table ("Startparameter"): start mode per row and the
  // "immer anzeigen" flags; row 9 is the sysop port.
  std::array<std::int16_t, kPortRows> portStart{};
  std::array<std::int32_t, kPortRows> alwaysShow{};

  // "Netzpfad" as the field shows it: "(Standard)" stands for the server's
  // standard and is stored as an empty line.
  std::string netPath = kStandardNetPath;
  bool fileIdExtractor = false;  // "FileId.diz Extraktor" ticked = extractor on
  int pmsUnsichtbar = 0;         // check box state: 0 cleared, 1 ticked, 2 greyed
  std::string lockPassword;      // "Schlo\xdf", in plain text
  std::string importComment;     // "Sonstiges"

  bool operator==(const MainSettings&) const = default;
};

// Scrambles and unscrambles the lock password: the character at position i
// (from 1) is combined by exclusive-or with 3 * i. Applying it twice gives
// the text back.
std::string krypt(std::string_view text);

// Why a lock password cannot be stored in main.txt (too long, or a
// character that would scramble into a line end), as the message the user
// sees; nothing when it can be stored.
std::optional<std::string> lockPasswordProblem(std::string_view password);
// Why an edit that turns the password before into after is refused. An edit
// that leaves a storable password is always taken. One read from an old file
// may be unstorable already (too long): edits that do not make it longer
// are taken, so that it can be shortened key by key, unless they add a
// character that would scramble into a line end.
std::optional<std::string> lockPasswordEditProblem(std::string_view before, std::string_view after);

// The number fields beside the sliders: " 5".
std::string sliderText(int value);

// The "Netzwerk #" field: its whole numeric value (0 for no number),
// clamped to 0 to 9.
std::uint8_t netNumberFromField(std::string_view text);

// Reads main.txt up to the first "may end here" point where the file ends.
// On an error the record keeps what was read before it.
txt::Status parseMainSettings(const std::string& bytes, MainSettings& settings);
// The thirty-nine lines.
std::string mainSettingsBytes(const MainSettings& settings);

enum class ServerLock { Off, Active, Unreadable };
// env.dat: lines 1 to 7 must be there; an eighth line other than exactly "0"
// means the server is locked. Unreadable tells why in *why, if given.
ServerLock serverLockOf(const std::string& envBytes, txt::Status* why = nullptr);

// What the start of the editor decided.
struct StartState {
  bool endProgram = false;  // the server lock is active; nothing may be written
  bool loadFailed = false;  // env.dat or main.txt could not be read; the next
                            // save keeps main.txt.bak
  bool mainUnread = false;  // main.txt is there but was not read at all, so
                            // the record holds defaults only
  // zorq.ini and main.txt as loaded: "Ende" asks before it overwrites what
  // another program changed meanwhile.
  plat::LoadRecord loaded;
};

// The load steps after the start-up resolution: the lock check, then
// main.txt. Shows the lock message or the load message itself.
StartState loadAtStart(plat::FileSystem& fs, const Installation& where, MainSettings& settings,
                       ui::Services& ui);

// "Ende": writes zorq.ini and main.txt, each atomically, and then adds the
// reload atom. When main.txt was not read at all, the user is asked first
// whether the defaults may replace it; "Nein" leaves it alone and the rest
// goes on. Both files are tried even when the first fails; the failures are
// reported in one message with their reasons and no atom is added; the
// caller must then stay open so that the user's edits are not lost.
bool saveAndSignal(plat::FileSystem& fs, plat::System& system, const Installation& where,
                   const MainSettings& settings, StartState& start, ui::Services& ui);

}  // namespace zorq
