// The small modal choosers. Each answers with the text it puts into
// `auswahl`: a directory ending with "\", a file's full path, a user name, a
// group name ("" for "Keine Gruppe", "@" for "Abbruch"), or a command word;
// empty when the user cancelled (see each picker). The port chooser answers
// a number instead. Views reach them through this interface so that view
// tests can answer them.
#pragma once

#include <string>

namespace zorq {

class Pickers {
 public:
  virtual ~Pickers() = default;
  virtual std::string pickDirectory() = 0;                          // frmdir
  virtual std::string pickFile(const std::string& dateimaske) = 0;  // frmfile
  virtual std::string pickUser() = 0;                               // frmselus
  virtual std::string pickGroup() = 0;                              // frmselgru
  virtual std::string pickCommand() = 0;                            // frmalias
  // frmport as a number-only chooser: the port 0 to 8, or -1 for "Abbruch".
  virtual int pickPort() = 0;
};

}  // namespace zorq
