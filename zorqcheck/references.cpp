// What one settings file names in another file, or on the disk, and the
// findings when it is not there.
#include <optional>
#include <string_view>

#include "check.h"
#include "files.h"
#include "text/cp1252.h"
#include "text/numbers.h"
#include "text/reader.h"

namespace zorqcheck {

namespace {

std::string lineText(std::size_t line) { return "Zeile " + std::to_string(line) + ": "; }

// Whether the last part of a path has an extension.
bool hasExtension(std::string_view path) {
  const std::size_t dot = path.rfind('.'), slash = path.find_last_of("\\/");
  return dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
}

}  // namespace

void Report::netBox(std::size_t line, std::string_view name) {
  if (known_ == nullptr || !known_->netBoxes) return;
  if (known_->netBoxes->count(txt::upper1252(txt::trimBlanks(name))) != 0) return;
  at(line, lineText(line) + "die Netzbox " + txt::quoted(name) + " steht nicht in daten\\netz.dat");
}

void Report::group(std::size_t line, std::string_view name) {
  if (known_ == nullptr || !known_->groups || name.empty()) return;
  if (known_->groups->count(std::string(name)) != 0) return;
  at(line, lineText(line) + "die Gruppe " + txt::quoted(name) + " steht nicht in daten\\gruppen.dat");
}

void Report::user(std::size_t line, std::string_view name) {
  if (known_ == nullptr || !known_->users || name.empty()) return;
  if (known_->users->count(std::string(name)) != 0) return;
  at(line, lineText(line) + "der User " + txt::quoted(name) + " steht nicht in daten\\user.dat");
}

void Report::folder(std::size_t line, const std::string& path) { lookUp(line, path, Entry::Folder); }

void Report::file(std::size_t line, const std::string& path) { lookUp(line, path, Entry::File); }

// A path that must name a folder or a file.
void Report::lookUp(std::size_t line, const std::string& path, Entry wanted) {
  if (known_ == nullptr) return;
  const std::optional<std::string> where = resolvedPath(known_->installDir, path);
  if (!where) return;
  const bool folder = wanted == Entry::Folder;
  const Entry found = entryAt(*where);
  if (found == Entry::Missing)
    at(line,
       lineText(line) + (folder ? "der Ordner " : "die Datei ") + txt::quoted(path) + " existiert nicht");
  else if (found == (folder ? Entry::File : Entry::Folder))
    at(line, lineText(line) + txt::quoted(path) +
                 (folder ? " ist eine Datei, kein Ordner" : " ist ein Ordner, keine Datei"));
}

namespace {

// What a program's name leads to, DOS's extensions tried for a name
// without one. Nothing when it cannot be told.
std::optional<Entry> programAt(const std::string& installDir, const std::string& name) {
  const std::optional<std::string> where = resolvedPath(installDir, name);
  if (!where) return std::nullopt;
  Entry found = entryAt(*where);
  for (const char* extension : {".COM", ".EXE", ".BAT"})
    if (found == Entry::Missing && !hasExtension(name)) found = entryAt(*where + extension);
  return found;
}

}  // namespace

void Report::program(std::size_t line, const std::string& commandLine) {
  if (known_ == nullptr) return;
  const std::string_view rest = txt::trimBlanks(commandLine);
  std::string first;
  std::optional<Entry> found;
  if (!rest.empty() && rest[0] == '"') {
    const std::size_t close = rest.find('"', 1);
    if (close == std::string_view::npos) return;
    first = std::string(rest.substr(1, close - 1));
    found = programAt(known_->installDir, first);
  } else {
    // Unquoted, a name may hold blanks ("C:\PROGRAMME\X Y\A.EXE -Z"): each
    // longer run of words is tried, as Windows does, the first word told.
    first = std::string(rest.substr(0, rest.find(' ')));
    for (std::size_t end = rest.find(' ');; end = rest.find(' ', end + 1)) {
      const std::string name(rest.substr(0, end));
      const std::optional<Entry> here = programAt(known_->installDir, name);
      if (name == first) found = here;
      if (here && *here != Entry::Missing && *here != Entry::Folder) found = here;
      if (end == std::string_view::npos || (found && *found != Entry::Missing && *found != Entry::Folder))
        break;
    }
  }
  // A bare name is looked for on the search path; a placeholder the server
  // replaces cannot be looked up.
  if (first.find_first_of("\\:") == std::string::npos || first.find('$') != std::string::npos || !found)
    return;
  if (*found == Entry::Missing)
    at(line, lineText(line) + "das Programm " + txt::quoted(first) + " existiert nicht");
  else if (*found == Entry::Folder)
    at(line, lineText(line) + txt::quoted(first) + " ist ein Ordner, kein Programm");
}

}  // namespace zorqcheck
