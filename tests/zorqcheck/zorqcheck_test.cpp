// The settings checker: the program itself on a damaged copy of the demo
// installation (natively, and cross-built under Wine), on hostile folders,
// and the parts whose rules are not seen there.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "check.h"
#include "platform/filesystem.h"
#include "temp_dir.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h.
#include <psapi.h>
#else
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using testing_support::TempDir;
using zorqcheck::Finding;
namespace fs = std::filesystem;

// Paths the build knows as Unix paths; under Wine they are on drive Z:.
std::string hostPath(std::string path) {
#ifdef _WIN32
  for (char& c : path)
    if (c == '/') c = '\\';
  return "Z:" + path;
#else
  return path;
#endif
}

struct Outcome {
  int exitCode = -1;
  std::string out;            // Windows-1252
  std::size_t peakBytes = 0;  // the most memory the run held
};

// Runs the checker program with these arguments; its output goes to out,
// or to the file or descriptor given.
#ifdef _WIN32
Outcome runChecker(const TempDir& scratch, const std::vector<std::string>& arguments) {
  Outcome run;
  // The output goes through files: Wine's helpers may hold a pipe open.
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  // A file of its own for each run: Wine may still hold the last one.
  static int runs = 0;
  const std::string n = std::to_string(++runs);
  const std::string outPath = scratch.file("out" + n + ".txt"), errPath = scratch.file("err" + n + ".txt");
  HANDLE out =
      CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  HANDLE err =
      CreateFileA(errPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0, nullptr);
  STARTUPINFOA si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = out;
  si.hStdError = err;
  PROCESS_INFORMATION pi{};
  std::string command = "\"" + hostPath(ZORQCHECK_EXE) + "\"";
  // A backslash before the closing quote is doubled, or it would escape it.
  for (const std::string& argument : arguments)
    command += " \"" + argument + (!argument.empty() && argument.back() == '\\' ? "\\\"" : "\"");
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si,
                     &pi)) {
    // Wine tells the memory of a running process only: it is asked while
    // the run lasts, and the peak grows towards the run's own.
    for (int waited = 0; waited < 60000; ++waited) {
      PROCESS_MEMORY_COUNTERS memory{};
      if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory))
        run.peakBytes =
            std::max<std::size_t>({run.peakBytes, memory.PeakWorkingSetSize, memory.PeakPagefileUsage});
      if (WaitForSingleObject(pi.hProcess, 1) != WAIT_TIMEOUT) break;
    }
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    run.exitCode = static_cast<int>(code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  CloseHandle(out);
  CloseHandle(err);
  std::ifstream written(outPath, std::ios::binary);
  run.out.assign(std::istreambuf_iterator<char>(written), {});
  // Text mode wrote CR LF.
  std::string lines;
  for (char c : run.out)
    if (c != '\r') lines += c;
  run.out = lines;
  return run;
}
#else
Outcome runChecker(const TempDir&, const std::vector<std::string>& arguments, int outFd = -1) {
  Outcome run;
  int pipeFds[2];
  if (outFd < 0 && ::pipe(pipeFds) != 0) return run;
  // Memory is measured without the sanitizer's quarantine of freed blocks.
  ::setenv("ASAN_OPTIONS", "quarantine_size_mb=0:thread_local_quarantine_size_kb=0", 1);
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(outFd >= 0 ? outFd : pipeFds[1], 1);
    const int devNull = ::open("/dev/null", O_WRONLY);
    ::dup2(devNull, 2);
    std::vector<char*> argv{const_cast<char*>(ZORQCHECK_EXE)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(ZORQCHECK_EXE, argv.data());
    ::_exit(127);
  }
  if (outFd < 0) {
    ::close(pipeFds[1]);
    char buffer[4096];
    for (ssize_t got; (got = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
      run.out.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeFds[0]);
  }
  int status = 0;
  struct rusage usage {};
  if (child > 0 && ::wait4(child, &status, 0, &usage) == child) {
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakBytes = static_cast<std::size_t>(usage.ru_maxrss) * 1024;
  }
  return run;
}
#endif

// What a run prints for these lines (Windows-1252), in the output's code.
std::string printed(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
#ifdef _WIN32
  return text;
#else
  return zorqcheck::utf8Of(text);
#endif
}

// A copy of the demo installation where the paths of its settings lead
// (C:\VALMORIN\...): natively inside a made-up Wine prefix's drive_c, under
// Wine at C:\VALMORIN itself.
class DemoBox {
 public:
  DemoBox()
#ifdef _WIN32
      : root_("C:\\VALMORIN")
#else
      : root_(scratch_.file("prefix/drive_c/VALMORIN"))
#endif
  {
    std::error_code ec;
    fs::remove_all(root_, ec);
    fs::create_directories(fs::path(root_).parent_path());
    fs::copy(hostPath(VALMORIN_DEMO_DIR), root_, fs::copy_options::recursive);
  }
  ~DemoBox() {
    std::error_code ec;
    fs::remove_all(root_, ec);
  }
  DemoBox(const DemoBox&) = delete;
  DemoBox& operator=(const DemoBox&) = delete;

  const std::string& path() const { return root_; }
  const TempDir& scratch() const { return scratch_; }
  std::string local(const std::string& file) const {
    std::string name = file;
    for (char& c : name)
      if (c == '\\') c = static_cast<char>(fs::path::preferred_separator);
    return (fs::path(root_) / name).string();
  }
  std::string read(const std::string& file) const {
    std::ifstream in(local(file), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void write(const std::string& file, const std::string& bytes) const {
    std::ofstream(local(file), std::ios::binary) << bytes;
  }
  // The file with line n (from 1) replaced, or cut before line n when text
  // is null.
  void damage(const std::string& file, std::size_t n, const char* text) const {
    std::string bytes = read(file);
    std::size_t start = 0;
    for (std::size_t k = 1; k < n; ++k) start = bytes.find("\r\n", start) + 2;
    if (text == nullptr) {
      bytes.resize(start);
    } else {
      std::size_t end = bytes.find("\r\n", start);
      bytes.replace(start, end - start, text);
    }
    write(file, bytes);
  }

 private:
  TempDir scratch_;
  std::string root_;
};

TEST(Zorqcheck, CleanDemoGivesNoOutputAndExitZero) {
  DemoBox box;
  Outcome run = runChecker(box.scratch(), {box.path()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  Outcome quiet = runChecker(box.scratch(), {"--quiet", box.path()});
  EXPECT_EQ(quiet.exitCode, 0);
  EXPECT_EQ(quiet.out, "0\n");
#ifndef _WIN32
  // Outside a Wine prefix drive C: is nowhere: its paths are not looked up.
  TempDir elsewhere;
  fs::copy(VALMORIN_DEMO_DIR, elsewhere.file("box"), fs::copy_options::recursive);
  fs::remove_all(elsewhere.file("box/WAVE"));
  EXPECT_EQ(runChecker(elsewhere, {elsewhere.file("box")}).exitCode, 0);
#endif
}

TEST(Zorqcheck, FindsOneFaultPerFileKindWithFileAndLine) {
  DemoBox box;
  box.damage("daten\\main.txt", 6, "25");
  box.damage("daten\\env.dat", 3, nullptr);
  box.damage("daten\\gruppen.dat", 7, "-5");
  box.damage("daten\\befehle.txt", 7, "abc");
  box.damage("daten\\befgrup.txt", 40, nullptr);
  box.damage("texte\\deutsch.lng", 10, nullptr);
  box.damage("daten\\modem1.txt", 17, "7");
  box.damage("daten\\start3.dat", 12, "70000");
  box.damage("daten\\winds.txt", 2, " 5 ");
  box.damage("daten\\netz.dat", 10, "Janus");
  box.damage("daten\\netzpar.dat", 10, " 1");
  box.damage("daten\\routing.txt", 3, "*~nordlicht.fido.de FIDOGATE");
  box.damage("daten\\packer.txt", 1, "ARJ Archivierer von Robert K. Jung");
  box.damage("daten\\pack2.txt", 6, nullptr);
  box.damage("daten\\zeit3.txt", 4, "9:3x");
  box.damage("zusatz.dat", 2, "Userliste drucken ULISTE.EXE");
  box.damage("daten\\extern.dat", 10, "viel");
  box.damage("daten\\newuser.dat", 3, nullptr);
  box.write("daten\\sprachen.txt", box.read("daten\\sprachen.txt") +
                                       "fran\xe7"
                                       "ais\r\n");
  box.damage("daten\\chat.dat", 1, "1");

  Outcome run = runChecker(box.scratch(), {box.path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(
      run.out,
      printed({
          "daten\\main.txt:6: Zeile 6: \"25\" ist kein Schieberwert (1 bis 20)",
          "daten\\env.dat:3: Zeile 3: fehlt (die Datei endet vorher)",
          "daten\\gruppen.dat:7: Zeile 7: \"-5\" ist keine L\xe4nge (0 oder mehr)",
          "daten\\befehle.txt:7: Zeile 7: \"abc\" ist keine Zahl",
          "daten\\befgrup.txt:40: Zeile 40: fehlt (die Datei endet vorher)",
          "texte\\deutsch.lng:10: Zeile 10: fehlt (die Datei endet vorher, erwartet wird ein Text)",
          "daten\\modem1.txt:17: Zeile 17: \"7\" ist kein Schalterwert (0, 1 oder 2)",
          "daten\\start3.dat:12: Zeile 12: \"70000\" liegt nicht zwischen -32768 und 32767",
          "daten\\winds.txt:2: Zeile 2: \"5\" ist kein Schalterwert (0, 1 oder 2)",
          "daten\\netz.dat:10: Zeile 10: \"Janus\" ist kein Netzboxtyp (eine Zahl von -32768 bis 32767)",
          "daten\\netzpar.dat:10: Zeile 10: \" 1\" wird beim n\xe4"
          "chsten Speichern als \"0\" geschrieben",
          "daten\\routing.txt:3: Zeile 3: \"*~nordlicht.fido.de FIDOGATE\" hat keinen Tabulator und wird "
          "beim n\xe4"
          "chsten Speichern weggelassen",
          "daten\\packer.txt:1: Zeile 1: \"ARJ Archivierer von Robert K. Jung\" wird beim n\xe4"
          "chsten Speichern als \"ARJ Archivierer von\" geschrieben",
          "daten\\pack2.txt:6: Zeile 6: fehlt (die Datei endet vorher)",
          "daten\\zeit3.txt:4: Zeile 4: \"9:3x\" hat das falsche Format (SS:MM)",
          "zusatz.dat:2: Zeile 2: \"Userliste drucken ULISTE.EXE\" hat keinen Tabulator "
          "und wird beim n\xe4"
          "chsten Speichern weggelassen",
          "daten\\extern.dat:10: Zeile 10: \"viel\" ist keine Zahl",
          "daten\\chat.dat:1: Zeile 1: \"1\" wird beim n\xe4"
          "chsten Speichern als \"11111111111\" geschrieben",
          "daten\\newuser.dat:3: Zeile 3: fehlt (die Datei endet vorher)",
          "daten\\sprachen.txt:6: Zeile 6: \"fran\xe7"
          "ais\" wird beim n\xe4"
          "chsten Speichern weggelassen",
      }));

  Outcome quiet = runChecker(box.scratch(), {"--quiet", box.path()});
  EXPECT_EQ(quiet.exitCode, 1);
  EXPECT_EQ(quiet.out, "20\n");
}

// One planted fault per kind of reference, and beside them what must stay
// silent (no finding expected).
TEST(Zorqcheck, FindsWhatAFileNamesButNobodyHas) {
  struct Plant {
    const char* file;
    std::size_t line;
    const char* text;
    const char* finding;  // after "file:line: Zeile line: "; null: none
  };
  const Plant plants[] = {
      {"daten\\main.txt", 8, "C:\\VALMORIN\\ARCHIV\\",
       "der Ordner \"C:\\VALMORIN\\ARCHIV\\\" existiert nicht"},
      {"daten\\main.txt", 21, "NETZ\\", "der Ordner \"NETZ\\\" existiert nicht"},
      {"daten\\befgrup.txt", 31, "Vorstand", "die Gruppe \"Vorstand\" steht nicht in daten\\gruppen.dat"},
      {"daten\\netzpar.dat", 25, "Netzler", "die Gruppe \"Netzler\" steht nicht in daten\\gruppen.dat"},
      {"daten\\routing.txt", 5, "cl-netz.de\tSUEDWEST",
       "die Netzbox \"SUEDWEST\" steht nicht in daten\\netz.dat"},
      {"daten\\zeit.txt", 7, "CALL 2 OSTWIND|H *(Son)",
       "die Netzbox \"OSTWIND\" steht nicht in daten\\netz.dat"},
      {"daten\\zeit.txt", 9, "CALL 2 k\xfcstenfunk|P *(Mon)", nullptr},
      {"daten\\zeit.txt", 13, "DOSC TOOLS\\SICHERN *(Son)", nullptr},  // relative; DOS adds ".BAT"
      {"daten\\zeit3.txt", 3, "CALL 0 NORDWIND", "die Netzbox \"NORDWIND\" steht nicht in daten\\netz.dat"},
      {"daten\\zeit3.txt", 4, "25:99", "\"25:99\" liegt nicht zwischen 00:00 und 23:59"},
      {"zusatz.dat", 1, "Brettpflege\tTOOLS\\BRETT PFLEGE.EXE -ALT 30", nullptr},  // a blank in its name
      {"zusatz.dat", 2, "Userliste drucken\tULISTE.EXE /DRUCK", nullptr},          // on the search path
      {"zusatz.dat", 3, "Geb\xfchrenz\xe4hler\tC:\\VALMORIN\\TOOLS\\GEBUEHR2.EXE",
       "das Programm \"C:\\VALMORIN\\TOOLS\\GEBUEHR2.EXE\" existiert nicht"},
      {"daten\\extern.dat", 4, "Zocker", "die Gruppe \"Zocker\" steht nicht in daten\\gruppen.dat"},
      {"daten\\extern.dat", 8, "C:\\VALMORIN\\TUERE\\DRACHEN.EXE $PO",
       "das Programm \"C:\\VALMORIN\\TUERE\\DRACHEN.EXE\" existiert nicht"},
      {"daten\\chat.dat", 6, "c:\\valmorin\\wave\\moewen.wav",
       "die Datei \"c:\\valmorin\\wave\\moewen.wav\" existiert nicht"},
      {"daten\\chat.dat", 8, "\\\\server\\wave\\HUPE.WAV", nullptr},  // the network is not asked
      {"daten\\newuser.dat", 6, "Neuling", "die Gruppe \"Neuling\" steht nicht in daten\\gruppen.dat"},
      {"daten\\sprachen.txt", 3, "francais", "die Datei \"texte\\francais.lng\" existiert nicht"},
      {"daten\\cosysop.txt", 2,
       "Klaus H\xf6"
       "fer",
       "der User \"Klaus H\xf6"
       "fer\" steht nicht in daten\\user.dat"},
  };
  DemoBox box;
  box.write("TOOLS\\BRETT PFLEGE.EXE", "");
  std::vector<std::string> expected;
  for (const Plant& plant : plants) {
    box.damage(plant.file, plant.line, plant.text);
    const std::string line = std::to_string(plant.line);
    if (plant.finding != nullptr)
      expected.push_back(std::string(plant.file) + ":" + line + ": Zeile " + line + ": " + plant.finding);
  }
  Outcome run = runChecker(box.scratch(), {box.path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out, printed(expected));
}

// Nothing makes the checker hang, crash or say "clean".
TEST(Zorqcheck, HostileFolders) {
  TempDir dir;
  // No settings at all: no check.
  EXPECT_EQ(runChecker(dir, {dir.path()}).exitCode, 2);
  fs::create_directories(dir.file("daten"));
  EXPECT_EQ(runChecker(dir, {dir.path()}).exitCode, 2);

  // A settings name that is no ordinary file is never read.
  fs::create_directories(dir.file("daten/main.txt"));
#ifndef _WIN32
  ASSERT_EQ(::mkfifo(dir.file("daten/env.dat").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir.file("daten/netz.dat"));
#endif
  Outcome run = runChecker(dir, {dir.path()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out,
            printed({
                "daten\\main.txt: ist ein Ordner, keine Datei",
#ifndef _WIN32
                "daten\\env.dat: ist keine gew\xf6hnliche Datei (etwa ein FIFO oder ein Ger\xe4t) und "
                "wird nicht gelesen",
                "daten\\netz.dat: ist keine gew\xf6hnliche Datei (etwa ein FIFO oder ein Ger\xe4t) und "
                "wird nicht gelesen",
#endif
            }));

  // Megabytes of empty lines, read once and in pieces: 40 MB within 192 MB
  // (natively 12 MB, as the sanitizers make it slow; held as one list of
  // lines they would need more than 192 MB alone).
#ifdef _WIN32
  const std::size_t size = std::size_t{40} << 20;
#else
  const std::size_t size = std::size_t{12} << 20;
#endif
  TempDir huge;
  std::string emptyLines;
  emptyLines.reserve(size);
  while (emptyLines.size() < size) emptyLines += "\r\n";
  huge.write("daten\\user.dat", emptyLines);
  emptyLines = std::string();
  run = runChecker(huge, {huge.path()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_GT(run.peakBytes, size) << run.peakBytes;
  EXPECT_LT(run.peakBytes, std::size_t{192} << 20) << run.peakBytes;
}

#ifndef _WIN32
TEST(Zorqcheck, AReportThatCannotBeWrittenIsNoCheck) {
  DemoBox box;
  box.damage("daten\\main.txt", 6, "25");
  const int full = ::open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  EXPECT_EQ(runChecker(box.scratch(), {box.path()}, full).exitCode, 2);
  ::close(full);
  int closed[2];
  ASSERT_EQ(::pipe(closed), 0);
  ::close(closed[0]);
  EXPECT_EQ(runChecker(box.scratch(), {box.path()}, closed[1]).exitCode, 2);
  ::close(closed[1]);
}
#endif

TEST(Zorqcheck, CannotRunWithoutAnInstallation) {
  TempDir dir;
  EXPECT_EQ(runChecker(dir, {dir.file("fehlt")}).exitCode, 2);
  EXPECT_EQ(runChecker(dir, {"--gibtsnicht", dir.path()}).exitCode, 2);
  EXPECT_EQ(runChecker(dir, {""}).exitCode, 2);
}

std::vector<Finding> rewritten(const std::string& before, const std::string& after) {
  std::vector<Finding> found;
  zorqcheck::Report("daten\\x.txt", found).rewritten(before, after);
  return found;
}

TEST(Report, TellsValuesTheNextSaveWritesDifferently) {
  // A domain-server flag " 1" reads as unchecked and is written as "0".
  auto found = rewritten("a\r\n 1\r\n 5 \r\n", "a\r\n0\r\n5\r\n");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(zorqcheck::findingLine(found[0]),
            "daten\\x.txt:2: Zeile 2: \" 1\" wird beim n\xe4"
            "chsten Speichern als \"0\" geschrieben");

  // Blanks around a value and the case of its letters are no difference;
  // lines the save adds are none either.
  EXPECT_TRUE(rewritten(" 5 \r\nring\r\n", "5\r\nRING\r\nneu\r\n").empty());

  // Lines the save leaves out are told once; blank ones at the end not at all.
  found = rewritten("a\r\nb\r\nc\r\n\r\nd\r\n\r\n", "a\r\n");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].what,
            "Zeile 2: \"b\" und 2 weitere Zeilen werden beim n\xe4"
            "chsten Speichern weggelassen");
  EXPECT_TRUE(rewritten("a\r\n\r\n  \r\n", "a\r\n").empty());
}

TEST(Report, TellsAHundredFindingsOfAFileThenHowManyMore) {
  std::vector<Finding> found;
  zorqcheck::Report report("daten\\x.txt", found);
  for (std::size_t n = 1; n <= 250; ++n) report.at(n, "Zeile " + std::to_string(n) + ": x");
  report.finish();
  ASSERT_EQ(found.size(), 101u);
  EXPECT_EQ(found[99].line, 100u);
  EXPECT_EQ(zorqcheck::findingLine(found[100]), "daten\\x.txt: und 150 weitere Probleme");
}

TEST(Report, OneFindingIsOneLine) {
  EXPECT_EQ(zorqcheck::findingLine({"daten\\x.txt", 0, "nicht lesbar"}), "daten\\x.txt: nicht lesbar");
  EXPECT_EQ(zorqcheck::findingLine({"daten\\x.txt", 3, "Zeile 3: \"a\rb\tc\""}),
            "daten\\x.txt:3: Zeile 3: \"a?b?c\"");
}

TEST(Kinds, MoreRecordsThanTheDialogHoldsAreToldAtTheFirstOneTooMany) {
  TempDir dir;
  std::string programs;
  for (int k = 0; k < 302; ++k) programs += "Name\r\nKommentar\r\nC:\\X.EXE\r\n\r\n 10 \r\n";
  dir.write("daten\\extern.dat", programs);
  zorq::Installation where;
  where.installDir = dir.path();
  auto found = zorqcheck::checkInstallation(where);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(zorqcheck::findingLine(found[0]), "daten\\extern.dat:1506: Zeile 1506: mehr als 301 Programme");
}

// Routes are checked in pieces of about a megabyte; the lines they name
// run on across the pieces, past the lines that are no routes.
TEST(Kinds, ALongRoutingTableIsToldAtTheRightLines) {
  TempDir dir;
  std::string netz = " 1 \r\nWESTHOF\r\n";
  for (int k = 2; k <= 11; ++k) netz += " 0 \r\n";
  dir.write("daten\\netz.dat", netz);
  std::string routes = " 200001\r\n";
  for (int k = 0; k < 100000; ++k) routes += "x.de\tWESTHOF\r\n";
  routes += "ohne tab\r\n";
  for (int k = 0; k < 100000; ++k) routes += "y.de\tWESTHOF\r\n";
  routes += "z.de\tNIEMAND\r\n";
  dir.write("daten\\routing.txt", routes);
  zorq::Installation where;
  where.installDir = dir.path();
  auto found = zorqcheck::checkInstallation(where);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(zorqcheck::findingLine(found[0]),
            "daten\\routing.txt:100002: Zeile 100002: \"ohne tab\" hat keinen Tabulator und wird beim n\xe4"
            "chsten Speichern weggelassen");
  EXPECT_EQ(
      zorqcheck::findingLine(found[1]),
      "daten\\routing.txt:200003: Zeile 200003: die Netzbox \"NIEMAND\" steht nicht in daten\\netz.dat");
}

TEST(Ini, AFolderThatIsMissingOrLacksItsBackslashAndANetworkNumberEndeWouldChange) {
  TempDir dir;
  plat::FileSystem& fs = plat::localFileSystem();
  dir.write("box\\daten\\main.txt", "");
  const std::string box = dir.file("box\\");
  EXPECT_TRUE(zorqcheck::checkIni(fs, box + "\r\n 3 \r\n").empty());

  auto found = zorqcheck::checkIni(fs, dir.file("fehlt\\") + "\r\n");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].file, "zorq.ini");
  EXPECT_EQ(found[0].line, 1u);
  EXPECT_NE(found[0].what.find("existiert nicht"), std::string::npos);

  found = zorqcheck::checkIni(fs, dir.file("box") + "\r\n");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].what.find("endet nicht mit \"\\\""), std::string::npos);

  found = zorqcheck::checkIni(fs, box + "\r\n 12 \r\n");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].what,
            "Zeile 2: \" 12 \" wird beim n\xe4"
            "chsten Speichern als \" 9 \" geschrieben");

  EXPECT_EQ(zorqcheck::checkIni(fs, "").size(), 1u);
}

}  // namespace
