// A System whose directories and atoms the test sets.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/system.h"

namespace testing_support {

class FakeSystem : public plat::System {
 public:
  std::string windowsDir = "C:\\WINDOWS\\";
  std::string programDir = "C:\\BOX\\";
  std::set<std::string> atoms;
  std::vector<std::string> started;

  std::string windowsDirectory() override { return windowsDir; }
  std::string systemDirectory() override { return windowsDir + "SYSTEM\\"; }
  std::string programDirectory() override { return programDir; }
  void addAtom(const std::string& name) override { atoms.insert(name); }
  bool findAtom(const std::string& name) override { return atoms.count(name) > 0; }
  bool startProgram(const std::string& commandLine) override {
    started.push_back(commandLine);
    return true;
  }
  std::string shortPath(const std::string& path) override { return path; }
  std::string longPath(const std::string& path) override { return path; }
};

}  // namespace testing_support
