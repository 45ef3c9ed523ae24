// The file kinds, one source file per area of the editor: the dialogs'
// headers cannot all be included into one file.
#pragma once

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
// weggelassen", for line n of a file whose lines are a name, a TAB and a
// value.
std::string lineWithoutTab(const std::string& bytes, std::size_t n);

void addCoreKinds(std::vector<FileKind>& kinds);
void addCommandKinds(std::vector<FileKind>& kinds);
void addServiceKinds(std::vector<FileKind>& kinds);
void addNetworkKinds(std::vector<FileKind>& kinds);
void addPortKinds(std::vector<FileKind>& kinds);
void addScheduleKinds(std::vector<FileKind>& kinds);
void addUserKinds(std::vector<FileKind>& kinds);

}  // namespace zorqcheck
