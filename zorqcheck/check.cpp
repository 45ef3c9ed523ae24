#include "check.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "files.h"
#include "kinds.h"
#include "text/cp1252.h"
#include "text/numbers.h"
#include "text/reader.h"

namespace zorqcheck {

namespace {

using zorq::Installation;

std::string comparable(std::string_view line) { return txt::lower1252(txt::trimBlanks(line)); }

bool blank(std::string_view line) { return txt::trimBlanks(line).empty(); }

}  // namespace

std::string utf8Of(std::string_view cp1252) {
  std::string utf8;
  for (char16_t c : txt::toUtf16(cp1252)) {
    if (c < 0x80) {
      utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
      utf8 += static_cast<char>(0xC0 | (c >> 6));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      utf8 += static_cast<char>(0xE0 | (c >> 12));
      utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

std::string findingLine(const Finding& finding) {
  std::string text = finding.file;
  if (finding.line > 0) text += ":" + std::to_string(finding.line);
  text += ": " + finding.what;
  // One finding, one line: a control character of a quoted value must not
  // break it.
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  return text;
}

bool Report::loaded(const txt::Status& status) {
  if (status.ok()) return true;
  at(status.line, status.error);
  return false;
}

void Report::at(std::size_t line, const std::string& what) {
  if (told_ == kMaxFindingsPerFile) {
    ++more_;
    return;
  }
  ++told_;
  out_.push_back({file_, line, what});
}

void Report::finish() {
  if (more_ == 0) return;
  out_.push_back(
      {file_, 0,
       more_ == 1 ? "und ein weiteres Problem" : "und " + std::to_string(more_) + " weitere Probleme"});
  more_ = 0;
}

void Report::rewritten(const std::string& before, const std::string& after, std::size_t firstLine,
                       std::size_t lastLine) {
  // Both files line by line, in step: a file of millions of lines is never
  // held as a list of them.
  txt::Reader was(before), will(after);
  std::string old, written;
  for (std::size_t n = 1; n <= lastLine && was.more() && was.line(old); ++n) {
    const bool kept = will.more() && will.line(written);
    if (n < firstLine) continue;
    if (kept) {
      if (comparable(old) != comparable(written))
        at(n, "Zeile " + std::to_string(n) + ": " + txt::quoted(old) +
                  " wird beim n\xe4"
                  "chsten Speichern als " +
                  txt::quoted(written) + " geschrieben");
      continue;
    }
    // The save ends here. Blank lines at the end are nothing to lose.
    std::size_t lost = 0, first = 0;
    std::string firstText;
    for (std::size_t k = n;; ++k) {
      if (!blank(old) && lost++ == 0) first = k, firstText = old;
      if (k >= lastLine || !was.more() || !was.line(old)) break;
    }
    if (lost == 0) return;
    at(first, "Zeile " + std::to_string(first) + ": " +
                  (lost == 1 ? txt::quoted(firstText) + " wird beim n\xe4"
                                                        "chsten Speichern weggelassen"
                             : txt::quoted(firstText) + " und " + std::to_string(lost - 1) +
                                   " weitere Zeilen werden beim n\xe4"
                                   "chsten Speichern weggelassen"));
    return;
  }
}

std::string settingsFile(const std::string& name) { return "daten\\" + name; }

std::vector<std::string> perNetwork(const std::string& name) {
  std::vector<std::string> files;
  for (unsigned n = 0; n <= zorq::kMaxNetNumber; ++n)
    files.push_back(settingsFile(zorq::numberedName(name, n)));
  return files;
}

std::vector<std::size_t> recordLines(std::size_t count, const std::vector<std::size_t>& withoutTab,
                                     std::size_t first) {
  std::vector<std::size_t> lines;
  lines.reserve(count);
  std::size_t line = first - 1;
  auto skipped = withoutTab.begin();
  for (std::size_t k = 0; k < count; ++k) {
    ++line;
    while (skipped != withoutTab.end() && *skipped == line) ++line, ++skipped;
    lines.push_back(line);
  }
  return lines;
}

void linesWithoutTab(const std::string& bytes, const std::vector<std::size_t>& lines, std::size_t before,
                     Report& report) {
  if (lines.empty()) return;
  txt::Reader in(bytes);
  std::string line;
  auto next = lines.begin();
  for (std::size_t n = 1; next != lines.end() && in.more() && in.line(line); ++n) {
    if (n != *next) continue;
    const std::size_t at = n + before;
    report.at(at, "Zeile " + std::to_string(at) + ": " + txt::quoted(line) +
                      " hat keinen Tabulator und wird beim n\xe4"
                      "chsten Speichern weggelassen");
    ++next;
  }
}

txt::Status atLine(const txt::Status& status, std::size_t before) {
  if (status.ok() || status.line == 0 || before == 0) return status;
  // "Zeile 7: why"
  const std::size_t colon = status.error.find(": ");
  const std::string why = colon == std::string::npos ? status.error : status.error.substr(colon + 2);
  return txt::Status::FailAt(status.line + before, why);
}

void inPieces(const std::string& bytes, bool countLine,
              const std::function<void(const std::string& piece, std::size_t before)>& each) {
  constexpr std::size_t kPiece = std::size_t{1} << 20;
  std::size_t start = 0, before = 0;
  do {
    std::size_t end = bytes.size();
    if (end - start > kPiece) {
      const std::size_t lineEnd = bytes.find('\n', start + kPiece);
      if (lineEnd != std::string::npos) end = lineEnd + 1;
    }
    const bool repeatCount = countLine && start > 0;
    std::string piece = repeatCount ? "\r\n" : "";
    piece.append(bytes, start, end - start);
    each(piece, repeatCount ? before - 1 : before);
    before += static_cast<std::size_t>(std::count(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                                                  bytes.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
    start = end;
  } while (start < bytes.size());
}

const std::vector<FileKind>& fileKinds() {
  static const std::vector<FileKind> kinds = [] {
    std::vector<FileKind> all;
    addCoreKinds(all);
    addCommandKinds(all);
    addPortKinds(all);
    addNetworkKinds(all);
    addScheduleKinds(all);
    addServiceKinds(all);
    addUserKinds(all);
    return all;
  }();
  return kinds;
}

bool holdsSettings(const Installation& where) {
  for (const FileKind& kind : fileKinds())
    for (const std::string& file : kind.files)
      if (entryAt(where.installDir + file) != Entry::Missing) return true;
  return false;
}

namespace {

std::string unread(const ReadOutcome& read) {
  switch (read.state) {
    case ReadOutcome::Folder: return "ist ein Ordner, keine Datei";
    case ReadOutcome::NotAFile:
      return "ist keine gew\xf6hnliche Datei (etwa ein FIFO oder ein Ger\xe4t) und wird nicht gelesen";
    case ReadOutcome::TooLarge:
      return "ist gr\xf6\xdf"
             "er als " +
             std::to_string(kMaxSettingsBytes >> 20) + " MiB und wird nicht gelesen";
    default: return "nicht lesbar (" + read.why + ")";
  }
}

// One file: read once, checked by its kind. Whatever goes wrong is a
// finding for this file.
void checkFile(const FileKind& kind, const std::string& file, Known& known, std::vector<Finding>& findings) {
  Report report(file, findings, &known);
  auto noList = [&] {
    if (kind.fills != nullptr) known.*kind.fills = std::nullopt;
  };
  try {
    std::string bytes;
    const ReadOutcome read = readSettingsFile(known.installDir + file, bytes);
    if (read.state == ReadOutcome::Missing) return;
    if (read.state != ReadOutcome::Ok) {
      noList();
      report.at(0, unread(read));
      return;
    }
    kind.check(bytes, report);
  } catch (const std::bad_alloc&) {
    noList();
    report.at(0,
              "zu wenig Speicher, um die Datei zu pr\xfc"
              "fen");
  } catch (const std::exception& e) {
    noList();
    report.at(0, std::string("nicht pr\xfc"
                             "fbar (") +
                     e.what() + ")");
  }
  report.finish();
}

}  // namespace

std::vector<Finding> checkInstallation(const Installation& where) {
  std::vector<Finding> findings;
  Known known{where.installDir, std::set<std::string>(), std::set<std::string>(), std::set<std::string>()};
  for (const FileKind& kind : fileKinds())
    for (const std::string& file : kind.files) checkFile(kind, file, known, findings);
  return findings;
}

std::vector<Finding> checkIni(plat::FileSystem& fs, const std::string& iniBytes) {
  std::vector<Finding> findings;
  Report report("zorq.ini", findings);
  const zorq::IniValues values = zorq::parseIni(iniBytes);
  const std::string& installDir = values.installDir;
  if (installDir.empty()) {
    report.at(1, "Zeile 1: nennt keinen Installationsordner");
    return findings;
  }
  if (installDir.back() != '\\')
    report.at(1, "Zeile 1: " + txt::quoted(installDir) + " endet nicht mit \"\\\"");
  plat::FileInfo folder = fs.info(installDir);
  if (!folder.exists || !folder.directory)
    report.at(1, "Zeile 1: der Ordner " + txt::quoted(installDir) + " existiert nicht");
  report.rewritten(iniBytes, zorq::iniBytes(values), 2);
  return findings;
}

}  // namespace zorqcheck
