// The five memory limits of the server ("Speicher"). They live in the main
// settings record and reach main.txt with the main window's "Ende"; the
// dialog keeps them as typed and corrects them into their bounds on "OK".
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/main_settings.h"

namespace zorq {

struct MemoryLimits {
  std::string bretter;       // "Max. Bretter", 100 to 16000
  std::string user;          // "Max. User", at most 16000
  std::string netzboxen;     // "Max. Netzboxen", 5 to 16000
  std::string editorzeilen;  // "Max. Editorzeilen", 100 to 16000
  std::string briefe;        // "Max. Briefe", no bounds
};

// The longest text each field takes, in the order above; 0 for no limit.
inline constexpr std::array<std::size_t, 5> kLimitLengths = {5, 4, 4, 4, 0};

MemoryLimits limitsOf(const MainSettings& settings);
void putLimits(MainSettings& settings, const MemoryLimits& limits);

// "OK": an empty field becomes "0"; then a value above 16000 becomes
// "16000", and one below the lower bound the bound ("100", "5"). Values are
// the leading number of the text (12abc is 12; no number is 0).
void applyBounds(MemoryLimits& limits);

}  // namespace zorq
