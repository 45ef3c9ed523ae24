// The languages the server offers its callers: daten\sprachen.txt, five
// lines, the main language first, each the name of a language file
// texte\<name>.lng (an empty line for an empty slot).
#pragma once

#include <array>
#include <optional>
#include <string>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

inline constexpr const char* kLanguageFile = "sprachen.txt";
inline constexpr const char* kLanguageLoadError = "Fehler beim Laden von <sprachen.txt>";
inline constexpr int kLanguageSlots = 5;

using LanguageNames = std::array<std::string, kLanguageSlots>;

// Fills the slots from the first; stops at the first line missing.
txt::Status readLanguages(const std::string& bytes, LanguageNames& names);
// The five lines as "OK" writes them.
std::string languageBytes(const LanguageNames& names);

// The command line that opens a language's file in the text editor, or
// nothing for an empty name. The name is taken as it stands, saved or not,
// and whether its file exists or not.
std::optional<std::string> languageEditCommand(const Installation& where, const std::string& name);

// The languages dialog `sprachen` without its window.
class Languages {
 public:
  LanguageNames names;  // "Hauptsprache", "Sprache 2" to "Sprache 5"

  // A missing file leaves every slot empty. Failure: "Fehler beim Laden von
  // <sprachen.txt>", with the slots read before the error kept.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status load(plat::FileSystem& fs, const Installation& where);
  // "OK": the five lines, atomically; after a load error the old file is
  // kept as sprachen.txt.bak. Failure: "Fehler beim Speichern von
  // <sprachen.txt>" and the reason.
  txt::Status save(plat::FileSystem& fs, const Installation& where);

 private:
  bool backup_ = false;
};

}  // namespace zorq
