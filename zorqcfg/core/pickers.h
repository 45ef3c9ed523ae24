// The small modal choosers. Each answers with the text it puts into
// `auswahl`: a directory ending with "\", a file's full path, a user name, a
// group name ("" for "Keine Gruppe", "@" for "Abbruch"), or a command word;
// empty when the user cancelled (see each picker). Views reach them through
// this interface so that view tests can answer them.
#pragma once

#include <string>

namespace zorq {

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
};

}  // namespace zorq
