// The add-on tools of the server and the manager `frmzusa` without its
// window. zusatz.dat lies in the installation directory itself (not in
// daten\): one line per tool, its name, a tab and the DOS command line in
// upper case. A line without a tab is no tool.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/installation.h"
#include "platform/load.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorq {

struct AddOnTool {
  std::string name;  // as typed; a tab in it is written as a blank
  std::string call;  // as typed; upper case only in the file

  bool operator==(const AddOnTool&) const = default;
};

inline constexpr const char* kToolsFile = "zusatz.dat";
inline constexpr const char* kToolsLoadError = "Fehler beim Laden von <zusatz.dat>";

// The tools of the file in order: each line split at its first tab (the
// call keeps any further tabs); lines without a tab are left out, and
// skipped counts them, and withoutTab, if given, gets their line numbers.
// status, if given, tells a line that cannot be read (one holding a NUL).
std::vector<AddOnTool> readTools(const std::string& bytes, int& skipped, txt::Status* status = nullptr,
                                 std::vector<std::size_t>* withoutTab = nullptr);
// The file: per tool the name, a tab and the call in upper case (Windows-1252).
std::string toolBytes(const std::vector<AddOnTool>& tools);

// The manager: the list, the selected entry and the fields "Name" and
// "Aufruf" that show it.
class ToolsEditor {
 public:
  std::vector<AddOnTool> tools;
  int selected = -1;  // -1: none
  std::string nameField, callField;

  // Loads zusatz.dat and selects the first tool. A missing file is an empty
  // list; one that cannot be read gives kToolsLoadError, and "OK" then keeps
  // it as zusatz.dat.bak, as it does when lines without a tab were left out.
  // The files as this editor loaded them: "OK" asks before it overwrites
  // what another program changed meanwhile.
  plat::LoadRecord loaded;

  txt::Status open(plat::FileSystem& fs, const Installation& where);
  // "OK": writes the file atomically. Failure: "Fehler beim Speichern von
  // <zusatz.dat>" and the reason, the old file unchanged.
  txt::Status save(plat::FileSystem& fs, const Installation& where);

  void select(int index);
  void setNameField(const std::string& text);
  void setCallField(const std::string& text);
  void neu();       // appends ("(NEU)", "") and selects it
  void loeschen();  // removes the selected tool, then selects the first
  // "Wahl": the file picker's path becomes the call; nothing for "" or an
  // empty list.
  void wahl(const std::string& path);

 private:
  void selectFirst();
  bool keepBackup_ = false;
};

}  // namespace zorq
