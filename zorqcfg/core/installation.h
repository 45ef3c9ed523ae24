// Where the server lives: the Windows directory, the installation directory
// from zorq.ini and the network number, resolved once at start.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/filesystem.h"
#include "platform/system.h"
#include "text/status.h"
#include "ui/services.h"

namespace plat {
class LoadRecord;
}

namespace zorq {

inline constexpr const char* kReloadAtom = "ZORQRELOAD";
inline constexpr int kMaxNetNumber = 9;

struct Installation {
  std::string windowsDir;  // ends with "\"
  std::string installDir;  // line 1 of zorq.ini, exactly as stored
  std::uint8_t netNumber = 0;

  std::string iniPath() const { return windowsDir + "zorq.ini"; }
  std::string settingsFile(const std::string& name) const { return installDir + "daten\\" + name; }
  std::string textFile(const std::string& name) const { return installDir + "texte\\" + name; }
  // A settings file that carries the network number in its name.
  std::string netSettingsFile(const std::string& name) const;
};

// "zeit.txt" for network number 0, "zeit3.txt" for 3: the digits go before
// the extension.
std::string numberedName(const std::string& name, unsigned number);

struct IniValues {
  std::string installDir;
  std::uint8_t netNumber = 0;
};

// zorq.ini never stops the editor once it exists: an empty file gives an
// empty installation directory, and a network number that is no number or
// lies outside 0 to 9 is clamped into that range, as the "Netzwerk #" field
// would clamp it.
IniValues parseIni(const std::string& bytes);
std::string iniBytes(const IniValues& values);

// Runs the start-up: Windows directory, zorq.ini, installation directory
// and network number. Without zorq.ini it tells the user and gives nothing;
// the program must then end without writing.
std::optional<Installation> resolveStartup(plat::System& system, plat::FileSystem& fs, ui::Services& ui);

// Writes zorq.ini; record, if given, notes the file as written.
txt::Status writeIni(plat::FileSystem& fs, const Installation& where, plat::LoadRecord* record = nullptr);

// Tells a running server to read its settings again.
void signalReload(plat::System& system);

// "SS:MM" to minutes after midnight. The first two characters are the hours,
// everything from the fourth on the minutes; the third is not looked at, and
// there is no range check. A part that is no number shows the format message
// and gives 0.
int TimeToMinutes(const std::string& text, ui::Services& ui);
// The same reading without the message: nothing when a part is no number.
// Callers that convert many times at once read each time once with this
// and tell the format message themselves, as often as TimeToMinutes would.
std::optional<int> timeInMinutes(std::string_view text);
// The format message of TimeToMinutes: text, " hat das falsche Format
// (SS:MM)", title "Fehler", no icon.
void tellTimeFormat(const std::string& text, ui::Services& ui);

}  // namespace zorq
