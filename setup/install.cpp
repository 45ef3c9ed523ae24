#include "install.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/save.h"
#include "setupmod.h"
#include "text/cp1252.h"
#include "text/reader.h"

namespace setup {

namespace {

constexpr const char* kLanguageFile = "deutsch.ln_";

struct RuntimeLibrary {
  const char* name;
  std::int64_t minimumSize;  // an existing copy below this size is replaced; 0: never
};
constexpr RuntimeLibrary kRuntimeLibraries[] = {{"msvbvm50.dll", 0}, {"oleaut32.dll", kOleautMinimum}};

// Windows finds names without regard to case: so does the list of what is
// planned already.
std::string lowered(const std::string& s) { return txt::lower1252(s); }

bool separator(char c) { return c == '\\' || c == '/'; }

// The folder part of a path, with its "\".
std::string folderOf(const std::string& path) {
  std::size_t at = path.find_last_of("\\/");
  return at == std::string::npos ? std::string() : path.substr(0, at + 1);
}

bool isMarker(const std::string& target) {
  return target.rfind("@WIN", 0) == 0 || target.rfind("@SYS", 0) == 0;
}

// The name after a marker; one "\" between marker and name is no part of it.
std::string afterMarker(const std::string& target) {
  std::string name = target.substr(4);
  if (!name.empty() && name.front() == '\\') name.erase(0, 1);
  return name;
}

// An old file put aside until the installation is done:
// "<name>.<process id>-<counter>.old~". Its name differs from that of a
// staged copy, so that nothing takes it for one and removes it.
constexpr const char* kAsideSuffix = ".old~";

// A part naming a device (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9),
// with or without an extension: Windows writes to the device, not a file.
bool namesDevice(const std::string& name) {
  std::size_t begin = 0;
  while (begin <= name.size()) {
    std::size_t end = begin;
    while (end < name.size() && !separator(name[end])) ++end;
    std::string stem = txt::upper1252(name.substr(begin, end - begin));
    stem = stem.substr(0, stem.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    if (stem.size() == 4 && (stem.rfind("COM", 0) == 0 || stem.rfind("LPT", 0) == 0) && stem[3] >= '1' &&
        stem[3] <= '9')
      return true;
    begin = end + 1;
  }
  return false;
}

}  // namespace

txt::Status parseInstDat(const std::string& bytes, std::vector<InstRecord>& out) {
  out.clear();
  // Blank lines after the last record are no record of their own: an editor
  // leaves them easily, and they must not count as a broken entry.
  std::size_t last = bytes.find_last_not_of(" \r\n");
  if (last == std::string::npos) return {};
  std::size_t end = bytes.find('\n', last);
  txt::Reader in(end == std::string::npos ? bytes : bytes.substr(0, end + 1));
  while (in.more()) {
    std::size_t line = in.lineNumber();
    InstRecord r;
    if (!in.number(r.flag) || !in.line(r.source) || !in.line(r.target))
      return txt::Status::Fail("inst.dat: Eintrag ab Zeile " + std::to_string(line) + " unvollst\xe4ndig");
    out.push_back(std::move(r));
  }
  return {};
}

txt::Status checkRelativeName(const std::string& name) {
  if (name.empty() || separator(name.back())) return txt::Status::Fail("Es fehlt der Dateiname.");
  if (separator(name.front())) return txt::Status::Fail("Ein absoluter Pfad ist nicht erlaubt.");
  if (name.find(':') != std::string::npos) return txt::Status::Fail("Ein Laufwerk ist nicht erlaubt.");
  if (namesDevice(name)) return txt::Status::Fail("Ein Ger\xe4tename (wie CON oder NUL) ist kein Dateiname.");
  // A part of dots and blanks alone is refused: Windows drops trailing dots
  // and blanks of a part, so ". ." may well end up as "..".
  std::size_t begin = 0;
  while (begin <= name.size()) {
    std::size_t end = begin;
    while (end < name.size() && !separator(name[end])) ++end;
    std::string part = name.substr(begin, end - begin);
    if (part.find_first_not_of(". ") == std::string::npos && std::count(part.begin(), part.end(), '.') >= 2)
      return txt::Status::Fail("\"..\" f\xfchrt aus dem Ordner hinaus.");
    begin = end + 1;
  }
  return {};
}

double progressFraction(std::int32_t copied, std::int32_t total) {
  if (total <= 0 || copied <= 0) return 0.0;
  double fraction = static_cast<double>(copied) / static_cast<double>(total);
  return fraction > 1.0 ? 1.0 : fraction;
}

int progressPercent(double fraction) {
  if (!(fraction > 0.0)) fraction = 0.0;  // also NaN
  if (fraction > 1.0) fraction = 1.0;
  int pct = static_cast<int>(std::floor(fraction * 100.0 + 0.5));
  if (pct <= 0) return 1;
  if (pct >= 100) return 99;
  return pct;
}

std::string CopyPhase::destination(const std::string& target) const {
  if (isMarker(target))
    return (target.rfind("@WIN", 0) == 0 ? plan_.windowsDir : plan_.systemDir) + afterMarker(target);
  return plan_.installPath + "\\" + target;
}

bool CopyPhase::run(const std::string& fileListName) {
  view_.showFile("", "");
  view_.showProgress(0.0);
  ensureRuntimeLibraries();
  processFileList(fileListName);
  bool installed = failures_.empty() && replaceAll();
  if (!installed) undo();
  view_.showProgress(1.0);
  return installed;
}

void CopyPhase::fail(const std::string& source, const std::string& destination, const std::string& reason) {
  failures_.push_back(source + " -> " + destination + ": " + reason);
}

bool CopyPhase::present(const std::string& destination, const plat::FileInfo& now) const {
  // A hidden or read-only file is there all the same: a record that copies
  // only what is missing leaves it alone.
  return (now.exists && !now.directory) || planned_.count(lowered(destination)) > 0;
}

std::string CopyPhase::refusal(const plat::FileInfo& now) const {
  if (now.unknown) return "Es l\xe4sst sich nicht feststellen, ob die Datei vorhanden ist (kein Zugriff).";
  if (!now.exists) return {};
  if (now.directory) return "Dort steht ein Ordner gleichen Namens.";
  if (now.hidden || now.system) return "Die vorhandene Datei ist versteckt oder eine Systemdatei.";
  if (now.readOnly) return "Die vorhandene Datei ist schreibgesch\xfctzt.";
  return {};
}

void CopyPhase::ensureRuntimeLibraries() {
  for (const RuntimeLibrary& library : kRuntimeLibraries) {
    // Only what the distribution carries can be ensured; a distribution
    // without the library does not need it.
    if (!setup::FileExists(fs_, plan_.setupDir + library.name)) continue;
    std::string target = plan_.systemDir + library.name;
    plat::FileInfo now = fs_.info(target);
    bool needed = !present(target, now);
    if (!needed && library.minimumSize > 0)
      needed = static_cast<std::int64_t>(now.size) < library.minimumSize;
    if (!needed) continue;
    if (std::string refused = refusal(now); !refused.empty())
      fail(library.name, target, refused);
    else
      InstallFile(library.name, target);
  }
}

bool CopyPhase::languageFileReplaced() {
  std::string question = std::string("Das Update enth\xe4lt ein neues Sprachfile!") + kLineEnd +
                         "Soll das alte \xfc"
                         "berschrieben werden?" +
                         kLineEnd + "Wenn nicht, m\xfcssen Sie das alte unbedingt anpassen!";
  return ui_.message(question, kMessageTitle, ui::Icon::Exclamation, ui::Buttons::YesNo) == ui::Answer::Yes;
}

void CopyPhase::makeFolders(const std::string& folder) {
  // Most records share a few folders: each is looked at once, not once a
  // file and level.
  if (!foldersMadeOrFound_.insert(lowered(folder)).second) return;
  std::vector<std::string> made = MakeDirs(fs_, folder);
  foldersMade_.insert(foldersMade_.end(), made.begin(), made.end());
}

void CopyPhase::processFileList(const std::string& fileListName) {
  if (fileListName.empty()) return;
  std::string path = plan_.setupDir + fileListName;
  if (!setup::FileExists(fs_, path)) return;
  std::string bytes;
  if (!fs_.readAll(path, bytes)) {
    failures_.push_back(fileListName + ": nicht lesbar");
    return;
  }
  std::vector<InstRecord> records;
  txt::Status parsed = parseInstDat(bytes, records);
  if (!parsed) failures_.push_back(parsed.error);
  // After the first failure nothing is installed, but every record is
  // still checked, so that the sysop learns all that stands in the way.
  for (InstRecord& r : records) {
    const bool copies = r.flag == -1 || r.flag == 0;  // any other flag: never copied
    // Checked before any folder is made for it: a target must not make
    // folders outside the installation either.
    txt::Status name = checkRelativeName(r.source);
    if (name) name = checkRelativeName(isMarker(r.target) ? afterMarker(r.target) : r.target);
    if (!name) {
      if (copies) fail(r.source, r.target, name.error);
      continue;
    }
    std::string to = destination(r.target);
    if (!isMarker(r.target)) {
      std::size_t folder = r.target.find_last_of('\\');
      if (folder != std::string::npos && failures_.empty())
        makeFolders(plan_.installPath + "\\" + r.target.substr(0, folder));
    }
    if (r.source == kLanguageFile && plan_.update && failures_.empty() && !languageFileReplaced()) r.flag = 0;
    if (r.flag != -1 && r.flag != 0) continue;
    plat::FileInfo now = fs_.info(to);
    if (r.flag == 0 && present(to, now)) continue;
    if (!setup::FileExists(fs_, plan_.setupDir + r.source))
      fail(r.source, to, "Die Datei fehlt im Setup-Ordner.");
    else if (std::string refused = refusal(now); !refused.empty())
      fail(r.source, to, refused);
    else
      InstallFile(r.source, to);
  }
}

void CopyPhase::removeLeftovers(const std::string& destination) {
  // A setup killed while it ran left its staged copies and maybe old files
  // it had put aside: the next run tidies up before it stages its own. An
  // old file whose place is empty goes back there; one whose place holds
  // the new file is no longer needed.
  std::string folder = folderOf(destination);
  if (!foldersSwept_.insert(lowered(folder)).second) return;
  plat::removeLeftoverTemporaries(fs_, folder);
  for (const std::string& name : fs_.filesEndingWith(folder, kAsideSuffix)) {
    std::string original;
    unsigned long owner = plat::temporaryOwner(name, kAsideSuffix, &original);
    if (owner == 0 || original.empty() || owner == plat::processId() || plat::processRunning(owner)) continue;
    bool taken = false;
    if (!fs_.moveNew(folder + name, folder + original, taken) && taken) fs_.remove(folder + name);
  }
}

txt::Status CopyPhase::putAside(const std::string& destination, std::string& aside) {
  static unsigned counter = 0;
  const std::string stem = destination + "." + std::to_string(plat::processId()) + "-";
  for (int attempt = 0; attempt < 100; ++attempt) {
    aside = stem + std::to_string(++counter) + kAsideSuffix;
    bool taken = false;
    if (fs_.moveNew(destination, aside, taken)) return {};
    if (!taken) break;  // else a stale name of an ended process: the next number
  }
  aside.clear();
  return txt::Status::Fail("Die vorhandene Datei l\xe4sst sich nicht beiseitelegen.");
}

void CopyPhase::InstallFile(const std::string& source, const std::string& to) {
  planned_.insert(lowered(to));
  if (!failures_.empty()) return;
  view_.showFile(source, to);
  removeLeftovers(to);
  Staged file{source, to, {}, {}, false};
  txt::Status s = plat::createTemporary(fs_, to, file.temporary);
  if (s && !fs_.copy(plan_.setupDir + source, file.temporary))
    s = txt::Status::Fail("Die Datei l\xe4sst sich nicht ins Ziel kopieren.");
  // A copy keeps the read-only mark of a distribution on a CD; installed
  // that way, no later update or save could replace the file.
  if (s && !fs_.makeWritable(file.temporary))
    s = txt::Status::Fail("Der Schreibschutz der Kopie l\xe4sst sich nicht aufheben.");
  if (!file.temporary.empty()) staged_.push_back(file);
  if (!s) fail(source, to, s.error);
  view_.showProgress(progressFraction(copied_, plan_.fileTotal));
  ++copied_;
}

bool CopyPhase::replaceAll() {
  for (Staged& file : staged_) {
    // Most destinations are new: the staged copy takes the name at once.
    // Where a file stands, it is put aside first; a file that came since it
    // was staged is thus never lost either.
    bool taken = false;
    txt::Status s = fs_.moveNew(file.temporary, file.destination, taken);
    if (!s && taken) {
      if (txt::Status aside = putAside(file.destination, file.aside); !aside) {
        fail(file.source, file.destination, aside.error);
        return false;
      }
      s = fs_.moveNew(file.temporary, file.destination, taken);
    }
    if (!s) {
      fail(file.source, file.destination, "Die Datei l\xe4sst sich nicht an ihren Platz bringen.");
      return false;
    }
    file.placed = true;
  }
  return true;
}

void CopyPhase::keep() {
  for (const Staged& file : staged_)
    if (!file.aside.empty()) fs_.remove(file.aside);
  staged_.clear();
}

void CopyPhase::undo() {
  // Backwards, so that a destination named twice gets its first old file.
  for (auto file = staged_.rbegin(); file != staged_.rend(); ++file) {
    if (!file->placed) fs_.remove(file->temporary);
    if (!file->aside.empty())
      fs_.replace(file->aside, file->destination);
    else if (file->placed)
      fs_.remove(file->destination);
  }
  staged_.clear();
  for (auto folder = foldersMade_.rbegin(); folder != foldersMade_.rend(); ++folder)
    fs_.removeEmptyDirectory(*folder);  // one that holds something else stays
  foldersMade_.clear();
}

}  // namespace setup
