// zorqcheck [--quiet] [installation folder]
//
// Checks the settings files of a Valmorin installation and prints one line
// per problem, "daten\modem3.txt:17: Zeile 17: ...". Without a folder it
// takes the one zorq.ini in the Windows folder names, as the editor does
// (on Windows only). Exit status: 0 nothing found, 1 problems found, 2 the
// check could not run. --quiet prints only the number of problems.
#include <csignal>
#include <cstdio>
#include <exception>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "files.h"
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
// UTF-8. False when not all of it could be written (a full disk, a closed
// pipe).
bool write(std::FILE* stream, const std::string& text) {
#ifdef _WIN32
  HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
    std::fflush(stream);
    std::u16string wide = txt::toUtf16(text);
    DWORD written = 0;
    return wide.empty() ||
           (WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) &&
            written == wide.size());
  }
  const std::string& bytes = text;
#else
  const std::string bytes = zorqcheck::utf8Of(text);
#endif
  return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
}

int cannotRun(const std::string& why) {
  write(stderr, "zorqcheck: " + why + "\n");
  return kCannotRun;
}

int check(int argc, char** argv);

}  // namespace

// Nothing leaves the program but its exit status: whatever goes wrong
// outside one file's check means that no check was made.
int main(int argc, char** argv) {
#ifdef _WIN32
  // A drive that is not ready is a path not found, not a question.
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
#else
  // A closed pipe is a failing write, not the end of the program.
  std::signal(SIGPIPE, SIG_IGN);
#endif
  try {
    return check(argc, argv);
  } catch (const std::bad_alloc&) {
    return cannotRun("zu wenig Speicher");
  } catch (const std::exception& e) {
    return cannotRun(e.what());
  } catch (...) {
    return cannotRun("unbekannter Fehler");
  }
}

namespace {

int check(int argc, char** argv) {
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

  zorq::Installation where;
  std::vector<zorqcheck::Finding> findings;
  if (!folders.empty()) {
    where.installDir = folders.front();
    if (where.installDir.empty()) return cannotRun("der Installationsordner ist leer");
    if (where.installDir.back() != '\\' && where.installDir.back() != '/') where.installDir += '\\';
    if (zorqcheck::entryAt(where.installDir) != zorqcheck::Entry::Folder)
      return cannotRun("der Ordner \"" + folders.front() + "\" existiert nicht");
  } else {
#ifdef _WIN32
    where.windowsDir = plat::localSystem().windowsDirectory();
    std::string bytes;
    if (zorqcheck::readSettingsFile(where.iniPath(), bytes).state != zorqcheck::ReadOutcome::Ok)
      return cannotRun("ZORQ.INI fehlt, Installation fehlerhaft (" + where.iniPath() + ")");
    where.installDir = zorq::parseIni(bytes).installDir;
    findings = zorqcheck::checkIni(plat::localFileSystem(), bytes);
    if (where.installDir.empty() || zorqcheck::entryAt(where.installDir) != zorqcheck::Entry::Folder)
      where.installDir.clear();
    if (!where.installDir.empty() && where.installDir.back() != '\\') where.installDir += '\\';
#else
    write(stderr, kUsage);
    return cannotRun("bitte den Installationsordner angeben");
#endif
  }

  if (!where.installDir.empty()) {
    if (!zorqcheck::holdsSettings(where))
      return cannotRun("in \"" + where.installDir +
                       "\" liegen keine Einstellungsdateien (daten\\ fehlt oder ist leer)");
    std::vector<zorqcheck::Finding> files = zorqcheck::checkInstallation(where);
    findings.insert(findings.end(), files.begin(), files.end());
  }

  std::string out;
  if (quiet) {
    out = std::to_string(findings.size()) + "\n";
  } else {
    for (const zorqcheck::Finding& finding : findings) out += zorqcheck::findingLine(finding) + "\n";
  }
  if (!write(stdout, out)) return cannotRun("der Bericht kann nicht geschrieben werden");
  return findings.empty() ? kNothingFound : kFound;
}

}  // namespace
