// The command picker `frmalias` without its window: the command words of the
// German language file, which an external program entry can stand for, plus
// the entry that shows a text file.
//
// texte\deutsch.lng starts with two lines of its own, then 43 pairs of text
// fields: a command word and its help text, quoted or not, one pair on a
// line or on two. The picker reads only that head.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/installation.h"
#include "core/pickers.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr int kLanguageCommands = 43;
inline constexpr const char* kShowTextEntry = "Text anzeigen";

struct AliasChoices {
  std::vector<std::string> entries;  // the list, top to bottom
  bool showText = false;             // the last entry is "Text anzeigen"

  // What the picker answers for a double-click on entries[index]: the
  // command word, or "SHOW" for "Text anzeigen"; empty for no entry.
  std::string answerFor(std::size_t index) const;
};

// The command words of a language file's head, in file order, up to the
// first error.
txt::Status readCommandWords(const std::string& bytes, std::vector<std::string>& words);

// Loads the list. A missing file is no error and lists only "Text anzeigen";
// after an error the list keeps the words read so far, "Text anzeigen" is
// not added, and the status holds "Fehler beim Laden von <deutsch.lng>".
AliasChoices loadAliasChoices(plat::FileSystem& fs, const Installation& where, txt::Status& status);

}  // namespace zorq
