// zorqcheck [--quiet] [installation folder]
//
// Checks the settings files of a Valmorin installation and prints one line
// per problem, "daten\modem3.txt:17: Zeile 17: ...". Without a folder it
// takes the one zorq.ini in the Windows folder names, as the editor does
// (on Windows only). Exit status: 0 nothing found, 1 problems found, 2 the
// check could not run. --quiet prints only the number of problems.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "core/installation.h"
#include "platform/filesystem.h"
#include "text/cp1252.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/system.h"
#endif

namespace {

constexpr int kNothingFound = 0, kFound = 1, kCannotRun = 2;

constexpr const char* kUsage =
    "Aufruf: zorqcheck [--quiet] [Installationsordner]\n"
    "Pr\xfc"
    "ft die Einstellungsdateien einer Valmorin-Installation und nennt jedes Problem\n"
    "mit Datei und Zeile. Ohne Ordner gilt der aus zorq.ini im Windows-Ordner.\n"
    "Ergebnis: 0 nichts gefunden, 1 Probleme gefunden, 2 Pr\xfc"
    "fung nicht m\xf6glich.\n";

// Text of the program and the files is Windows-1252. A Windows console is
// written in UTF-16, so that umlauts show whatever its code page; anything
// else (a file, a pipe) gets the bytes as they are. Elsewhere the output is
// UTF-8.
void write(std::FILE* stream, const std::string& text) {
#ifdef _WIN32
  HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    std::fflush(stream);
    std::u16string wide = txt::toUtf16(text);
    DWORD written = 0;
    WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    return;
  }
  std::fwrite(text.data(), 1, text.size(), stream);
#else
  const std::string utf8 = zorqcheck::utf8Of(text);
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
#endif
}

int cannotRun(const std::string& why) {
  write(stderr, "zorqcheck: " + why + "\n");
  return kCannotRun;
}

}  // namespace

int main(int argc, char** argv) {
  bool quiet = false;
  std::vector<std::string> folders;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "--quiet" || arg == "-q") {
      quiet = true;
    } else if (arg == "--help" || arg == "-h" || arg == "/?") {
      write(stdout, kUsage);
      return kNothingFound;
    } else if (arg.size() > 1 && arg[0] == '-') {
      write(stderr, kUsage);
      return cannotRun("unbekannte Option " + std::string(arg));
    } else {
      folders.emplace_back(arg);
    }
  }
  if (folders.size() > 1) {
    write(stderr, kUsage);
    return cannotRun("nur ein Installationsordner, bitte");
  }

  plat::FileSystem& fs = plat::localFileSystem();
  zorq::Installation where;
  std::vector<zorqcheck::Finding> findings;
  if (!folders.empty()) {
    where.installDir = folders.front();
    if (where.installDir.empty()) return cannotRun("der Installationsordner ist leer");
    if (where.installDir.back() != '\\' && where.installDir.back() != '/') where.installDir += '\\';
    plat::FileInfo folder = fs.info(where.installDir);
    if (!folder.exists || !folder.directory)
      return cannotRun("der Ordner \"" + folders.front() + "\" existiert nicht");
  } else {
#ifdef _WIN32
    where.windowsDir = plat::localSystem().windowsDirectory();
    std::string bytes;
    if (!plat::FileExists(fs, where.iniPath()) || !fs.readAll(where.iniPath(), bytes).ok())
      return cannotRun("ZORQ.INI fehlt, Installation fehlerhaft (" + where.iniPath() + ")");
    where.installDir = zorq::parseIni(bytes).installDir;
    findings = zorqcheck::checkIni(fs, bytes);
    plat::FileInfo folder = fs.info(where.installDir);
    if (where.installDir.empty() || !folder.exists || !folder.directory) where.installDir.clear();
    if (!where.installDir.empty() && where.installDir.back() != '\\') where.installDir += '\\';
#else
    write(stderr, kUsage);
    return cannotRun("bitte den Installationsordner angeben");
#endif
  }

  if (!where.installDir.empty()) {
    std::vector<zorqcheck::Finding> files = zorqcheck::checkInstallation(fs, where);
    findings.insert(findings.end(), files.begin(), files.end());
  }

  if (quiet) {
    write(stdout, std::to_string(findings.size()) + "\n");
  } else {
    std::string out;
    for (const zorqcheck::Finding& finding : findings) out += zorqcheck::findingLine(finding) + "\n";
    write(stdout, out);
  }
  return findings.empty() ? kNothingFound : kFound;
}
