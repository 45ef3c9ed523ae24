#include "install.h"

#include <cmath>

#include "platform/save.h"
#include "setupmod.h"
#include "text/reader.h"

namespace setup {

namespace {

constexpr const char* kLanguageFile = "deutsch.ln_";

struct RuntimeLibrary {
  const char* name;
  std::int64_t minimumSize;  // an existing copy below this size is replaced; 0: never
};
constexpr RuntimeLibrary kRuntimeLibraries[] = {{"msvbvm50.dll", 0}, {"oleaut32.dll", kOleautMinimum}};

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
  std::string marker = target.substr(0, 4);
  if (marker == "@WIN" || marker == "@SYS") {
    std::string name = target.substr(4);
    // The directories end in "\": a name given with its own "\" gets no second one.
    while (!name.empty() && name.front() == '\\') name.erase(0, 1);
    return (marker == "@WIN" ? plan_.windowsDir : plan_.systemDir) + name;
  }
  return plan_.installPath + "\\" + target;
}

void CopyPhase::run(const std::string& fileListName) {
  view_.showFile("", "");
  view_.showProgress(0.0);
  ensureRuntimeLibraries();
  processFileList(fileListName);
  view_.showProgress(1.0);
}

void CopyPhase::ensureRuntimeLibraries() {
  for (const RuntimeLibrary& library : kRuntimeLibraries) {
    // Only what the distribution carries can be ensured; a distribution
    // without the library does not need it.
    std::string source = plan_.setupDir + library.name;
    if (!setup::FileExists(fs_, source)) continue;
    std::string target = plan_.systemDir + library.name;
    bool needed = !setup::FileExists(fs_, target);
    if (!needed && library.minimumSize > 0) {
      std::string bytes;
      needed = fs_.readAll(target, bytes) && static_cast<std::int64_t>(bytes.size()) < library.minimumSize;
    }
    if (needed) InstallFile(library.name, target);
  }
}

bool CopyPhase::languageFileReplaced() {
  std::string question = std::string("Das Update enth\xe4lt ein neues Sprachfile!") + kLineEnd +
                         "Soll das alte \xfc"
                         "berschrieben werden?" +
                         kLineEnd + "Wenn nicht, m\xfcssen Sie das alte unbedingt anpassen!";
  return ui_.message(question, kMessageTitle, ui::Icon::Exclamation, ui::Buttons::YesNo) == ui::Answer::Yes;
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
  for (InstRecord& r : records) {
    std::string to = destination(r.target);
    if (r.target.rfind("@WIN", 0) != 0 && r.target.rfind("@SYS", 0) != 0) {
      std::size_t folder = r.target.find_last_of('\\');
      if (folder != std::string::npos) MakeDirs(fs_, plan_.installPath + "\\" + r.target.substr(0, folder));
    }
    if (r.source == kLanguageFile && plan_.update && !languageFileReplaced()) r.flag = 0;
    if (r.flag == -1 || (r.flag == 0 && !setup::FileExists(fs_, to))) InstallFile(r.source, to);
  }
  if (!parsed) failures_.push_back(parsed.error);
}

void CopyPhase::InstallFile(const std::string& source, const std::string& to) {
  view_.showFile(source, to);
  // Beside the target first, then in its place: a run cut short never leaves
  // a half file that a copy-if-missing record would take for installed.
  txt::Status s = plat::copyFile(fs_, plan_.setupDir + source, to);
  if (!s) failures_.push_back(source + " -> " + to);
  view_.showProgress(progressFraction(copied_, plan_.fileTotal));
  ++copied_;
}

}  // namespace setup
