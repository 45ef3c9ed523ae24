// The settings checker: every settings file of an installation read with the
// loaders the editor's dialogs use, and every problem found told as one
// line with the file and the line it is in.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/installation.h"
#include "platform/filesystem.h"
#include "text/status.h"

namespace zorqcheck {

enum class Entry;  // files.h

struct Finding {
  std::string file;      // relative to the installation folder: "daten\modem3.txt"
  std::size_t line = 0;  // from 1; 0 when the whole file is meant
  std::string what;      // German: "Zeile 17: \"2\" ist kein Schalterwert (0 oder 1)"
};

// "daten\modem3.txt:17: Zeile 17: ...", or "daten\modem3.txt: ..." without a
// line. Windows-1252, like the values it quotes.
std::string findingLine(const Finding& finding);

// What the files checked so far tell about the installation, for the files
// that name it. A list is empty when its file does not exist, and nothing
// when the file could not be read whole: nothing is then found against it.
struct Known {
  std::string installDir;                         // ends with "\" or, natively, "/"
  std::optional<std::set<std::string>> netBoxes;  // of netz.dat, in upper case
  std::optional<std::set<std::string>> groups;    // of gruppen.dat
  std::optional<std::set<std::string>> users;     // of user.dat, as the user picker lists them
};

// What is found in one file of one kind. The check functions of the kinds
// report through it. Of one file at most kMaxFindingsPerFile are told, then
// how many more there were.
class Report {
 public:
  static constexpr std::size_t kMaxFindingsPerFile = 100;

  Report(std::string file, std::vector<Finding>& out, Known* known = nullptr)
      : file_(std::move(file)), out_(out), known_(known) {}

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
  // The findings beyond the first kMaxFindingsPerFile, as one more.
  void finish();

  // What other files tell; nothing outside an installation's check.
  Known* known() { return known_; }

  // References, each a finding when what it names is missing. A net box is
  // compared without regard to case; an empty group is "no group".
  void netBox(std::size_t line, std::string_view name);
  void group(std::size_t line, std::string_view name);
  void user(std::size_t line, std::string_view name);
  // Paths are looked up only where that can be told (files.h).
  void folder(std::size_t line, const std::string& path);
  void file(std::size_t line, const std::string& path);
  // The program of a DOS command line: its first word. A bare name may be
  // found on the search path and is not looked up.
  void program(std::size_t line, const std::string& commandLine);

 private:
  void lookUp(std::size_t line, const std::string& path, Entry wanted);

  std::string file_;
  std::vector<Finding>& out_;
  Known* known_;
  std::size_t told_ = 0, more_ = 0;
};

// One kind of settings file: the names it may have (relative to the
// installation folder) and how it is checked. A file that does not exist
// is no problem.
struct FileKind {
  std::vector<std::string> files;
  std::function<void(const std::string& bytes, Report& report)> check;
  // The list of Known that the file gives, if any: it is nothing when the
  // file cannot be read.
  std::optional<std::set<std::string>> Known::*fills = nullptr;
};

// Every kind the editor reads, in the order they are checked.
const std::vector<FileKind>& fileKinds();

// Whether the installation folder holds any settings at all: a settings
// folder "daten", or any file of the kinds. Without them there is nothing to check.
bool holdsSettings(const zorq::Installation& where);

// The files of the installation, kind after kind; the files that others
// name come first. A file that cannot be read or checked (not an ordinary
// file, too large, out of memory) is one finding; nothing throws.
std::vector<Finding> checkInstallation(const zorq::Installation& where);

// zorq.ini, read as the editor reads it: an installation folder that does
// not exist or does not end with "\" (every path would be formed wrongly),
// and a network number that "Ende" would write back otherwise (it is
// clamped to 0 to 9). The findings name the file "zorq.ini".
std::vector<Finding> checkIni(plat::FileSystem& fs, const std::string& iniBytes);

// Windows-1252 text as UTF-8, for a console outside Windows.
std::string utf8Of(std::string_view cp1252);

}  // namespace zorqcheck
