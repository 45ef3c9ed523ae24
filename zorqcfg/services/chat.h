// The chat call: what the server does when a caller asks for the sysop, and
// the wave files a caller may choose as the call sound. daten\chat.dat holds
// eleven lines:
//
//   1       the eleven switches, switch 1 first: "1" on, "0" off. Read, only
//           a "0" is off; a line shorter than eleven characters leaves the
//           missing switches on.
//   2 - 11  wave file 1 to 5: its path, then its comment.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr std::size_t kChatSwitches = 11;
inline constexpr std::size_t kChatWaves = 5;
inline constexpr const char* kChatLoadError = "Fehler beim Laden von <chat.dat>";
inline constexpr const char* kWaveMask = "*.wav";

struct ChatWave {
  std::string path, comment;
};

struct ChatSettings {
  std::array<bool, kChatSwitches> on{};  // switch 1 at index 0
  std::array<ChatWave, kChatWaves> waves;
};

// Reads the lines in order up to the first error; what follows keeps its
// value.
txt::Status readChat(const std::string& bytes, ChatSettings& settings);
std::string chatBytes(const ChatSettings& settings);

// The dialog `frmchat` without its window.
class ChatCall {
 public:
  ChatSettings settings;  // all off and empty without a file

  // A missing file is no error. Failure: "Fehler beim Laden von
  // <chat.dat>", with what was read kept.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // "OK": writes the file atomically; a file that failed to load is kept as
  // chat.dat.bak. Failure: "Fehler beim Speichern von <chat.dat>", and the
  // old file stays as it was.
  txt::Status save(plat::FileSystem& fs, const Installation& where);
  // "Auswahl" of a row: the file picker's answer; nothing keeps the path.
  void chooseWave(std::size_t row, const std::string& answer);

 private:
  bool keepBackup_ = false;
};

}  // namespace zorq
