// A program killed while it saves: whenever it dies, each file is the whole
// old or the whole new content, never shorter and never mixed, and the
// temporary files it leaves are cleaned up by the next start of the editor,
// which they do not disturb.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "commands/befehle.h"
#include "platform/filesystem.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace {

using testing_support::DemoInstallation;
using testing_support::ExeRun;

constexpr int kKills = 200;

std::string filled(const char* level, const char* group, bool levels) {
  zorq::CommandLevels l{};
  zorq::CommandGroups g{};
  for (int i = 0; i < zorq::kCommandCount; ++i) {
    l[static_cast<std::size_t>(i)] = zorq::levelFromText(level).value_or(0);
    g[static_cast<std::size_t>(i)] = group;
  }
  return levels ? zorq::levelBytes(l) : zorq::groupBytes(g);
}

std::vector<std::string> leftovers(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA((folder + "*.new~").c_str(), &found);
  if (h == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(h, &found));
  FindClose(h);
  return names;
}

TEST(KillDuringSave, EveryFileIsWholeOldOrWholeNewAndTheNextStartCleansUp) {
  DemoInstallation box;
  const std::string levelsOld = box.read("daten\\befehle.txt"), groupsOld = box.read("daten\\befgrup.txt");
  const std::vector<std::string> levels = {levelsOld, filled("7", "", true), filled("200", "", true)};
  const std::vector<std::string> groups = {groupsOld, filled("", "", false),
                                           filled("", "Sysops und Gruppenleiter", false)};
  std::mt19937 random(20261209);
  int killedMidway = 0;
  std::size_t leftBefore = 0;
  for (int kill = 0; kill < kKills; ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    const std::string eventName =
        "ValmorinSaveLoop" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(kill);
    HANDLE first = CreateEventA(nullptr, TRUE, FALSE, eventName.c_str());
    // The folder without its last "\", which would escape the closing quote.
    const std::string folder = box.dir().substr(0, box.dir().size() - 1);
    std::string command = "\"" + std::string(VALMORIN_SAVE_LOOP_EXE) + "\" \"" + folder + "\" " + eventName;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    ASSERT_EQ(WaitForSingleObject(first, 20000), WAIT_OBJECT_0) << "the save loop never saved";
    // A random moment within a few saves.
    Sleep(std::uniform_int_distribution<int>(0, 12)(random));
    ASSERT_TRUE(TerminateProcess(pi.hProcess, 9));
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    CloseHandle(first);

    const std::string l = box.read("daten\\befehle.txt"), g = box.read("daten\\befgrup.txt");
    EXPECT_TRUE(l == levels[1] || l == levels[2]) << "befehle.txt is neither whole old nor whole new:\n" << l;
    EXPECT_TRUE(g == groups[1] || g == groups[2]) << "befgrup.txt is neither whole old nor whole new:\n" << g;
    const std::size_t left = leftovers(box.dir() + "daten\\").size();
    if (left > leftBefore) ++killedMidway;
    leftBefore = left;
    if (HasFailure()) return;
  }
  // Kills that come while a temporary file exists leave it behind.
  std::printf("%d of %d kills left a temporary file\n", killedMidway, kKills);
  box.write("daten\\main.txt.999999-1.new~", "halb");  // one left for certain
  // Only leftovers older than ten minutes go (a young one may be the save of
  // an editor on another machine): make them that old. Wine hands out
  // process ids again soon, and a leftover whose id belongs to a running
  // program is kept, as it might be that program's: each is given an id no
  // program has, so that the test does not hang on which ids run meanwhile.
  for (const std::string& name : leftovers(box.dir() + "daten\\")) {
    const std::size_t dot = name.rfind('.', name.size() - 6);
    std::string renamed = box.dir() + "daten\\" + name;
    if (name != "main.txt.999999-1.new~") {
      renamed = box.dir() + "daten\\" + name.substr(0, dot + 1) + "9999" + name.substr(dot + 1);
      ASSERT_TRUE(MoveFileA((box.dir() + "daten\\" + name).c_str(), renamed.c_str())) << name;
    }
    HANDLE h = CreateFileA(renamed.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << name;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER t{{now.dwLowDateTime, now.dwHighDateTime}};
    t.QuadPart -= 11ull * 60 * 10000000;
    FILETIME old{t.LowPart, t.HighPart};
    SetFileTime(h, nullptr, nullptr, &old);
    CloseHandle(h);
  }

  ExeRun editor(testing_support::zorqcfgExe());
  ASSERT_NE(editor.waitWindow(""), nullptr);
  EXPECT_TRUE(editor.noMessageBox());
  for (const std::string& name : leftovers(box.dir() + "daten\\")) ADD_FAILURE() << "left behind: " << name;
  EXPECT_FALSE(box.exists("daten\\main.txt.999999-1.new~"));
}

}  // namespace
