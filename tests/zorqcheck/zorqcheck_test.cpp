// The settings checker: the program itself on a damaged copy of the demo
// installation (natively, and cross-built under Wine), and the parts whose
// rules are not seen there.
#include <gtest/gtest.h>

#include <cstdio>
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
#else
#include <sys/wait.h>
#endif

namespace {

using testing_support::TempDir;
using zorqcheck::Finding;

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
  std::string out;  // Windows-1252
};

// Runs the checker program with arguments (already quoted where needed).
Outcome runChecker(const TempDir& scratch, const std::string& arguments) {
  Outcome run;
  const std::string exe = hostPath(ZORQCHECK_EXE);
#ifdef _WIN32
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
  std::string command = "\"" + exe + "\" " + arguments;
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si,
                     &pi)) {
    WaitForSingleObject(pi.hProcess, 60000);
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
#else
  (void)scratch;
  std::FILE* pipe = popen(("'" + exe + "' " + arguments + " 2>/dev/null").c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, got);
  int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
  return run;
}

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

// A copy of the demo installation.
std::string copyDemo(const TempDir& dir) {
  const std::string box = dir.file("box");
  std::filesystem::copy(hostPath(VALMORIN_DEMO_DIR), box, std::filesystem::copy_options::recursive);
  return box;
}

std::string quotedArg(const std::string& path) { return "\"" + path + "\""; }

// The file of the copy with line n (from 1) replaced, or cut before line n
// when text is null.
void damage(const TempDir& dir, const std::string& file, std::size_t n, const char* text) {
  std::string bytes = dir.read("box\\" + file);
  std::size_t start = 0;
  for (std::size_t k = 1; k < n; ++k) start = bytes.find("\r\n", start) + 2;
  if (text == nullptr) {
    bytes.resize(start);
  } else {
    std::size_t end = bytes.find("\r\n", start);
    bytes.replace(start, end - start, text);
  }
  dir.write("box\\" + file, bytes);
}

TEST(Zorqcheck, CleanDemoGivesNoOutputAndExitZero) {
  TempDir dir;
  const std::string box = copyDemo(dir);
  Outcome run = runChecker(dir, quotedArg(box));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out, "");
  Outcome quiet = runChecker(dir, "--quiet " + quotedArg(box));
  EXPECT_EQ(quiet.exitCode, 0);
  EXPECT_EQ(quiet.out, "0\n");
}

TEST(Zorqcheck, FindsOneFaultPerFileKindWithFileAndLine) {
  TempDir dir;
  const std::string box = copyDemo(dir);
  damage(dir, "daten\\main.txt", 6, "25");
  damage(dir, "daten\\env.dat", 3, nullptr);
  damage(dir, "daten\\gruppen.dat", 7, "-5");
  damage(dir, "daten\\befehle.txt", 7, "abc");
  damage(dir, "daten\\befgrup.txt", 40, nullptr);
  damage(dir, "texte\\deutsch.lng", 10, nullptr);
  damage(dir, "daten\\modem1.txt", 17, "7");
  damage(dir, "daten\\start3.dat", 12, "70000");
  damage(dir, "daten\\winds.txt", 2, " 5 ");
  damage(dir, "daten\\netz.dat", 10, "Janus");
  damage(dir, "daten\\netzpar.dat", 10, " 1");
  damage(dir, "daten\\routing.txt", 3, "*~nordlicht.fido.de FIDOGATE");
  damage(dir, "daten\\packer.txt", 1, "ARJ Archivierer von Robert K. Jung");
  damage(dir, "daten\\pack2.txt", 6, nullptr);
  damage(dir, "daten\\zeit3.txt", 4, "9:3x");
  damage(dir, "zusatz.dat", 2, "Userliste drucken ULISTE.EXE");
  damage(dir, "daten\\extern.dat", 10, "viel");
  damage(dir, "daten\\newuser.dat", 3, nullptr);
  dir.write("box\\daten\\sprachen.txt", dir.read("box\\daten\\sprachen.txt") +
                                            "fran\xe7"
                                            "ais\r\n");
  damage(dir, "daten\\chat.dat", 1, "1");

  Outcome run = runChecker(dir, quotedArg(box));
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

  Outcome quiet = runChecker(dir, "--quiet " + quotedArg(box));
  EXPECT_EQ(quiet.exitCode, 1);
  EXPECT_EQ(quiet.out, "20\n");
}

TEST(Zorqcheck, CannotRunWithoutAnInstallation) {
  TempDir dir;
  EXPECT_EQ(runChecker(dir, quotedArg(dir.file("fehlt"))).exitCode, 2);
  EXPECT_EQ(runChecker(dir, "--gibtsnicht " + quotedArg(dir.path())).exitCode, 2);
  EXPECT_EQ(runChecker(dir, "\"\"").exitCode, 2);
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
