// The file kinds, one source file per area of the editor: the dialogs'
// headers cannot all be included into one file.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "check.h"

namespace zorqcheck {

// "daten\<name>".
std::string settingsFile(const std::string& name);
// The settings file of each network number 0 to 9: "daten\zeit.txt",
// "daten\zeit1.txt", ...
std::vector<std::string> perNetwork(const std::string& name);

// "Zeile 7: \"...\" hat keinen Tabulator und wird beim nächsten Speichern
// weggelassen" for each of the lines (ascending, from 1) of bytes, a piece
// of a file that has before lines ahead of it.
void linesWithoutTab(const std::string& bytes, const std::vector<std::size_t>& lines, std::size_t before,
                     Report& report);

// The lines (from 1) of count records, one a line from line first on, past
// the lines without a tab (ascending) that the loader dropped.
std::vector<std::size_t> recordLines(std::size_t count, const std::vector<std::size_t>& withoutTab,
                                     std::size_t first);

// A file in pieces of whole lines, about a megabyte each, for the loaders
// whose lines stand on their own: their lists then never hold more than a
// piece's lines. each gets a piece and the number of lines of the file
// ahead of it. With countLine, every piece after the first starts with an
// empty line of its own, standing for the count line the loader skips
// (before then counts one line less).
void inPieces(const std::string& bytes, bool countLine,
              const std::function<void(const std::string& piece, std::size_t before)>& each);

// A loader's failure in a piece as the failure in the whole file: its line
// moved on by before.
txt::Status atLine(const txt::Status& status, std::size_t before);

void addCoreKinds(std::vector<FileKind>& kinds);
void addCommandKinds(std::vector<FileKind>& kinds);
void addServiceKinds(std::vector<FileKind>& kinds);
void addNetworkKinds(std::vector<FileKind>& kinds);
void addPortKinds(std::vector<FileKind>& kinds);
void addScheduleKinds(std::vector<FileKind>& kinds);
void addUserKinds(std::vector<FileKind>& kinds);

}  // namespace zorqcheck
