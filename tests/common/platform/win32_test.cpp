// The platform layer against the real Win32 functions, with a second process
// where another program's view matters.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/save.h"
#include "platform/system.h"
#include "temp_dir.h"

namespace {

using testing_support::TempDir;

std::string quoted(const std::string& s) {
  std::string q(1, '"');
  q += s;
  q += '"';
  return q;
}

// Starts the peer; the process handle, or nullptr.
HANDLE startPeer(const std::string& arguments) {
  std::string line = quoted(VALMORIN_PEER_EXE) + " " + arguments;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return nullptr;
  CloseHandle(pi.hThread);
  return pi.hProcess;
}

DWORD runPeer(const std::string& arguments, DWORD timeoutMs = 60000) {
  PROCESS_INFORMATION pi{};
  pi.hProcess = startPeer(arguments);
  if (pi.hProcess == nullptr) return 1000;
  DWORD code = 999;
  if (WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hProcess);
  return code;
}

// Reads a file without standing in the way of a replace.
std::string readShared(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(h);
  return bytes;
}

TEST(Win32System, DirectoriesEndWithABackslash) {
  auto& system = plat::localSystem();
  for (const std::string& dir :
       {system.windowsDirectory(), system.systemDirectory(), system.programDirectory()}) {
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\') << dir;
    EXPECT_TRUE(plat::localFileSystem().info(dir).directory) << dir;
  }
}

TEST(Win32System, AtomsAreSeenByOtherProcesses) {
  auto& system = plat::localSystem();
  const std::string mine = "VALMORINTEST" + std::to_string(GetCurrentProcessId());
  EXPECT_FALSE(system.findAtom(mine));
  EXPECT_EQ(runPeer("find " + mine), 1u);
  system.addAtom(mine);
  EXPECT_TRUE(system.findAtom(mine));
  EXPECT_EQ(runPeer("find " + mine), 0u);

  const std::string theirs = mine + "PEER";
  EXPECT_EQ(runPeer("add " + theirs), 0u);
  EXPECT_TRUE(system.findAtom(theirs));
}

TEST(Win32System, ShortAndLongPathsOfAFolderWithBlanks) {
  TempDir dir;
  const std::string longName = dir.file("Valmorin Box mit langem Namen");
  ASSERT_TRUE(plat::localFileSystem().makeDirectory(longName).ok());
  auto& system = plat::localSystem();
  std::string shortName = system.shortPath(longName);
  EXPECT_EQ(shortName.find(' '), std::string::npos) << shortName;
  EXPECT_EQ(system.longPath(shortName), longName);
  EXPECT_EQ(system.shortPath(dir.file("fehlt")), dir.file("fehlt"));
}

// Long names are looked up too: each folder comes back in the case the
// file system stores, up to the first one that does not exist.
TEST(Win32System, LongPathsTakeTheStoredCase) {
  TempDir dir;
  dir.write("Valmorin Box\\Daten\\x", "");
  auto endsWith = [](const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
  };
  auto& system = plat::localSystem();
  std::string got = system.longPath(dir.file("VALMORIN BOX\\DATEN\\"));
  EXPECT_TRUE(endsWith(got, "\\Valmorin Box\\Daten\\")) << got;
  got = system.longPath(dir.file("valmorin box\\FEHLT\\x"));
  EXPECT_TRUE(endsWith(got, "\\Valmorin Box\\FEHLT\\x")) << got;
}

TEST(Win32System, StartsAProgramWithBlanksInItsPath) {
  TempDir dir;
  const std::string copy = dir.file("mit Blank.exe");
  ASSERT_TRUE(CopyFileA(VALMORIN_PEER_EXE, copy.c_str(), FALSE));
  const std::string atom = "VALMORINSTART" + std::to_string(GetCurrentProcessId());
  ASSERT_TRUE(plat::localSystem().startProgram(plat::commandLine(copy, "add " + atom)));
  for (int i = 0; i < 200 && !plat::localSystem().findAtom(atom); ++i) Sleep(50);
  EXPECT_TRUE(plat::localSystem().findAtom(atom));
}

TEST(Win32Save, AReaderInAnotherProcessNeverSeesAPartialFile) {
  TempDir dir;
  std::string a(200000, 'a'), b(150000, 'b');
  for (std::size_t i = 0; i < a.size(); i += 100) a[i] = '\n';
  dir.write("a.txt", a);
  dir.write("b.txt", b);
  dir.write("main.txt", a);
  const std::string target = dir.file("main.txt");

  PROCESS_INFORMATION pi{};
  pi.hProcess = startPeer("read " + quoted(target) + " 400 " + quoted(dir.file("a.txt")) + " " +
                          quoted(dir.file("b.txt")));
  ASSERT_NE(pi.hProcess, nullptr);
  int saves = 0, failures = 0;
  while (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
    (plat::saveFile(plat::localFileSystem(), target, saves % 2 ? a : b).ok() ? saves : failures)++;
  }
  DWORD result = 999999;
  GetExitCodeProcess(pi.hProcess, &result);
  CloseHandle(pi.hProcess);
  // An open that meets the moment of the replace may be refused, as on
  // Windows (how often depends on the machine's load); what was read must
  // always be one whole file, and some reads must have got through.
  EXPECT_EQ(result % 1000, 0u) << "partial reads";
  EXPECT_LT(result / 1000, 400u) << "refused opens";
  RecordProperty("refused_opens", static_cast<int>(result / 1000));
  EXPECT_GT(saves, 0);
  EXPECT_EQ(dir.count(), 3u);  // a.txt, b.txt, main.txt: no temporary file left
  RecordProperty("saves", saves);
  RecordProperty("failures", failures);
}

// Two programs save the same file over and over while a third reads it:
// every save succeeds, every read and the end result is one whole version,
// and no temporary file is left behind.
TEST(Win32Save, TwoProcessesSavingTheSameFileNeverMixTheirBytes) {
  TempDir dir;
  std::string a(60000, 'a'), b(90000, 'b');
  for (std::size_t i = 0; i < a.size(); i += 100) a[i] = '\n';
  dir.write("a.txt", a);
  dir.write("b.txt", b);
  dir.write("zorq.ini", a);
  const std::string target = dir.file("zorq.ini");
  const std::string saves = "150";

  PROCESS_INFORMATION peers[2]{};
  const std::string sources[2] = {dir.file("a.txt"), dir.file("b.txt")};
  for (int i = 0; i < 2; ++i) {
    peers[i].hProcess = startPeer("save " + quoted(target) + " " + saves + " " + quoted(sources[i]));
    ASSERT_NE(peers[i].hProcess, nullptr);
  }
  int reads = 0, mixed = 0;
  HANDLE both[2] = {peers[0].hProcess, peers[1].hProcess};
  while (WaitForMultipleObjects(2, both, TRUE, 0) == WAIT_TIMEOUT) {
    std::string got = readShared(target);
    // A file open for reading cannot be replaced (on Windows as under Wine):
    // the saves wait for the reader, as they would for the server. Read as
    // the server does, now and then, not without a pause.
    Sleep(5);
    if (got.empty()) continue;  // the open met a replace
    ++reads;
    if (got != a && got != b) ++mixed;
  }
  DWORD failed[2] = {999, 999};
  for (int i = 0; i < 2; ++i) {
    GetExitCodeProcess(peers[i].hProcess, &failed[i]);
    CloseHandle(peers[i].hProcess);
  }
  EXPECT_EQ(failed[0], 0u) << "saves that failed";
  EXPECT_EQ(failed[1], 0u) << "saves that failed";
  EXPECT_EQ(mixed, 0) << "of " << reads << " reads";
  const std::string last = dir.read("zorq.ini");
  EXPECT_TRUE(last == a || last == b);
  EXPECT_EQ(dir.count(), 3u);
  RecordProperty("reads", reads);
}

TEST(Win32Save, AReadOnlyTargetIsReportedAndKept) {
  TempDir dir;
  dir.write("main.txt", "alt\r\n");
  SetFileAttributesA(dir.file("main.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  txt::Status s = plat::saveFile(plat::localFileSystem(), dir.file("main.txt"), "neu\r\n");
  SetFileAttributesA(dir.file("main.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
  if (s.ok()) GTEST_SKIP() << "this platform replaces read-only files (Wine as root does)";
  EXPECT_EQ(dir.read("main.txt"), "alt\r\n");
  EXPECT_EQ(dir.count(), 1u);
}

}  // namespace
