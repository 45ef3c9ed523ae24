#include "check.h"

#include <utility>

#include "kinds.h"
#include "text/cp1252.h"
#include "text/numbers.h"
#include "text/reader.h"

namespace zorqcheck {

namespace {

using zorq::Installation;

// The lines of a file as the reader splits them.
std::vector<std::string> linesOf(const std::string& bytes) {
  std::vector<std::string> lines;
  txt::Reader in(bytes);
  std::string line;
  while (in.more() && in.line(line)) lines.push_back(line);
  return lines;
}

std::string comparable(std::string_view line) { return txt::lower1252(txt::trimBlanks(line)); }

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

void Report::at(std::size_t line, const std::string& what) { out_.push_back({file_, line, what}); }

void Report::rewritten(const std::string& before, const std::string& after, std::size_t firstLine,
                       std::size_t lastLine) {
  const std::vector<std::string> old = linesOf(before), written = linesOf(after);
  for (std::size_t n = firstLine; n <= old.size() && n <= lastLine; ++n) {
    const std::string& was = old[n - 1];
    if (n > written.size()) {
      // Blank lines at the end are nothing to lose.
      std::size_t lost = 0;
      for (std::size_t k = n; k <= old.size() && k <= lastLine; ++k)
        if (!txt::trimBlanks(old[k - 1]).empty()) ++lost;
      if (lost == 0) return;
      while (txt::trimBlanks(old[n - 1]).empty()) ++n;
      at(n, "Zeile " + std::to_string(n) + ": " +
                (lost == 1 ? txt::quoted(old[n - 1]) + " wird beim n\xe4"
                                                       "chsten Speichern weggelassen"
                           : txt::quoted(old[n - 1]) + " und " + std::to_string(lost - 1) +
                                 " weitere Zeilen werden beim n\xe4"
                                 "chsten Speichern weggelassen"));
      return;
    }
    const std::string& will = written[n - 1];
    if (comparable(was) != comparable(will))
      at(n, "Zeile " + std::to_string(n) + ": " + txt::quoted(was) +
                " wird beim n\xe4"
                "chsten Speichern als " +
                txt::quoted(will) + " geschrieben");
  }
}

std::string settingsFile(const std::string& name) { return "daten\\" + name; }

std::vector<std::string> perNetwork(const std::string& name) {
  std::vector<std::string> files;
  for (unsigned n = 0; n <= zorq::kMaxNetNumber; ++n)
    files.push_back(settingsFile(zorq::numberedName(name, n)));
  return files;
}

std::string lineWithoutTab(const std::string& bytes, std::size_t n) {
  const std::vector<std::string> lines = linesOf(bytes);
  const std::string line = n >= 1 && n <= lines.size() ? lines[n - 1] : std::string();
  return "Zeile " + std::to_string(n) + ": " + txt::quoted(line) +
         " hat keinen Tabulator und wird beim n\xe4"
         "chsten Speichern weggelassen";
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

std::vector<Finding> checkInstallation(plat::FileSystem& fs, const Installation& where) {
  std::vector<Finding> findings;
  for (const FileKind& kind : fileKinds()) {
    for (const std::string& file : kind.files) {
      const std::string path = where.installDir + file;
      if (!plat::FileExists(fs, path)) continue;
      Report report(file, findings);
      std::string bytes;
      if (txt::Status read = fs.readAll(path, bytes); !read.ok()) {
        report.at(0, "nicht lesbar");
        continue;
      }
      kind.check(bytes, report);
    }
  }
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
