// The settings checker: every settings file of an installation read with the
// loaders the editor's dialogs use, and every problem found told as one
// line with the file and the line it is in.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/installation.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorqcheck {

struct Finding {
  std::string file;      // relative to the installation folder: "daten\modem3.txt"
  std::size_t line = 0;  // from 1; 0 when the whole file is meant
  std::string what;      // German: "Zeile 17: \"2\" ist kein Schalterwert (0 oder 1)"
};

// "daten\modem3.txt:17: Zeile 17: ...", or "daten\modem3.txt: ..." without a
// line. Windows-1252, like the values it quotes.
std::string findingLine(const Finding& finding);

// What is found in one file of one kind. The check functions of the kinds
// report through it.
class Report {
 public:
  Report(std::string file, std::vector<Finding>& out) : file_(std::move(file)), out_(out) {}

  // A loader's status: a failure is one finding at its line. True when the
  // file loaded.
  bool loaded(const txt::Status& status);
  void at(std::size_t line, const std::string& what);
  // What the next save of the dialog writes (after) against the file as it
  // is (before), line by line from firstLine to lastLine of the file. A line
  // counts as written back the same when only blanks around it or the case
  // of its letters differ; lines the save would leave out are told once.
  void rewritten(const std::string& before, const std::string& after, std::size_t firstLine = 1,
                 std::size_t lastLine = static_cast<std::size_t>(-1));

 private:
  std::string file_;
  std::vector<Finding>& out_;
};

// One kind of settings file: the names it may have (relative to the
// installation folder) and how it is checked. A file that does not exist
// is no problem.
struct FileKind {
  std::vector<std::string> files;
  std::function<void(const std::string& bytes, Report& report)> check;
};

// Every kind the editor reads, in the order they are checked.
const std::vector<FileKind>& fileKinds();

// The files of the installation, kind after kind.
std::vector<Finding> checkInstallation(plat::FileSystem& fs, const zorq::Installation& where);

// zorq.ini, read as the editor reads it: an installation folder that does
// not exist or does not end with "\" (every path would be formed wrongly),
// and a network number that "Ende" would write back otherwise (it is
// clamped to 0 to 9). The findings name the file "zorq.ini".
std::vector<Finding> checkIni(plat::FileSystem& fs, const std::string& iniBytes);

// Windows-1252 text as UTF-8, for a console outside Windows.
std::string utf8Of(std::string_view cp1252);

}  // namespace zorqcheck
