// A distribution, a Windows directory and a target drive in a temporary
// folder, with the fakes a run of setup needs.
#pragma once

#include <string>
#include <vector>

#include "driver.h"
#include "fake_system.h"
#include "fake_ui.h"
#include "platform/filesystem.h"
#include "temp_dir.h"

namespace testing_support {

// The temporary folder's path written with "\" as setup writes paths.
inline std::string backslashed(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

class RecordingDde : public setup::DdeLink {
 public:
  int refusals = 0;  // connection attempts that fail before one succeeds; < 0: all fail
  int attempts = 0, pumps = 0, disconnects = 0;
  std::vector<std::string> commands;

  bool connect() override {
    ++attempts;
    if (refusals < 0) return false;
    if (refusals > 0) {
      --refusals;
      return false;
    }
    return true;
  }
  void pumpEvents() override { ++pumps; }
  bool execute(const std::string& command) override {
    commands.push_back(command);
    return command.rfind("[ReplaceItem", 0) != 0;
  }
  void disconnect() override { ++disconnects; }
};

class RecordingStartMenu : public setup::StartMenu {
 public:
  std::vector<std::string> shortcuts;  // "group|item|program"
  std::string refused;                 // the item that cannot be made
  bool addShortcut(const std::string& group, const std::string& item, const std::string& program) override {
    if (item == refused) return false;
    shortcuts.push_back(group + "|" + item + "|" + program);
    return true;
  }
};

class RecordingCopyView : public setup::CopyView {
 public:
  std::vector<std::string> files;  // "source|destination"
  std::vector<double> fractions;
  void showFile(const std::string& source, const std::string& destination) override {
    files.push_back(source + "|" + destination);
  }
  void showProgress(double fraction) override { fractions.push_back(fraction); }
};

// FakeSystem whose short and long forms the test chooses.
class PathSystem : public FakeSystem {
 public:
  std::string shortFrom, shortTo;  // a prefix mapping: long prefix -> short prefix
  std::string shortPath(const std::string& path) override {
    return !shortFrom.empty() && path.rfind(shortFrom, 0) == 0 ? shortTo + path.substr(shortFrom.size())
                                                               : path;
  }
  std::string longPath(const std::string& path) override {
    return !shortTo.empty() && path.rfind(shortTo, 0) == 0 ? shortFrom + path.substr(shortTo.size()) : path;
  }
};

class SetupFixture {
 public:
  TempDir tmp;
  PathSystem sys;
  FakeUi ui;
  RecordingDde dde;
  RecordingStartMenu menu;
  plat::FileSystem& fs = plat::localFileSystem();

  SetupFixture() {
    tmp.write("dist\\.keep", "");
    tmp.write("win\\SYSTEM\\.keep", "");
    tmp.write("drive\\.keep", "");
    sys.windowsDir = root() + "win\\";
  }

  std::string root() const { return backslashed(tmp.path()); }
  std::string dist() const { return root() + "dist\\"; }
  std::string drive() const { return root() + "drive"; }

  setup::Environment env() { return setup::Environment{fs, sys, ui, dde, menu, dist()}; }

  void distribution(const std::string& inst2, const std::string& instDat) {
    if (!inst2.empty()) tmp.write("dist\\inst2.dat", inst2);
    tmp.write("dist\\inst.dat", instDat);
  }
  void distFile(const std::string& name, const std::string& bytes) { tmp.write("dist\\" + name, bytes); }

  std::vector<std::string> boxTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : ui.shown) texts.push_back(box.text);
    return texts;
  }
};

}  // namespace testing_support
