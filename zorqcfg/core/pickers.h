// The small modal choosers. Each answers with the text it puts into
// `auswahl`: a directory ending with "\", a file's full path, a user name, a
// group name ("" for "Keine Gruppe", "@" for "Abbruch"), or a command word;
// empty when the user cancelled (see each picker). The port chooser answers
// a number instead. Views reach them through this interface so that view
// tests can answer them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zorq {

// The command picker's answer for its entry "Text anzeigen".
inline constexpr const char* kShowTextAnswer = "SHOW";

// The net box picker's answer: the box chosen in daten\netz.dat and the
// types of all boxes it listed.
struct NetBoxChoice {
  std::string name;                 // `netzboxwahl`, never empty
  int position = 0;                 // `netzboxnr`: its record, counting from 0
  std::int16_t type = 0;            // its type; 1: called with the Janus2 mode
  std::vector<std::int16_t> types;  // `netzboxtyp`: the type of each box listed, by position
};

class Pickers {
 public:
  virtual ~Pickers() = default;
  virtual std::string pickDirectory() = 0;                          // frmdir
  virtual std::string pickFile(const std::string& dateimaske) = 0;  // frmfile
  virtual std::string pickUser() = 0;                               // frmselus
  // current: the caller's group ("" for none), preselected so that Enter
  // answers it.
  virtual std::string pickGroup(const std::string& current = {}) = 0;  // frmselgru
  virtual std::string pickCommand() = 0;                               // frmalias
  // frmport as a number-only chooser: the port 0 to 8, or -1 for "Abbruch".
  virtual int pickPort() = 0;
  // frmbox; nothing when cancelled or when the box chosen has no name.
  virtual std::optional<NetBoxChoice> pickNetBox() = 0;
};

}  // namespace zorq
