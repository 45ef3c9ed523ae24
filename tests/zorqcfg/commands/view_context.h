// What a view test of an editor dialog hands its dialog: a temporary
// installation, the scripted message boxes and pickers, and the real files.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/context.h"
#include "core/main_settings.h"
#include "fake_system.h"
#include "fake_ui.h"
#include "temp_dir.h"

namespace testing_support {

// Answers each picker from its queue (empty, or -1 for a port, when the
// queue is empty) and counts the calls.
class FakePickers : public zorq::Pickers {
 public:
  std::deque<std::string> groups, commands, users, directories;
  std::deque<int> ports;
  std::deque<std::optional<zorq::NetBoxChoice>> netBoxes;
  int groupCalls = 0, commandCalls = 0, userCalls = 0, portCalls = 0, netBoxCalls = 0, directoryCalls = 0;

  std::string pickDirectory() override { return next(directories, directoryCalls); }
  std::string pickFile(const std::string&) override { return {}; }
  std::string pickUser() override { return next(users, userCalls); }
  std::vector<std::string> groupsShown;  // the current group each call preselected
  std::string pickGroup(const std::string& current) override {
    groupsShown.push_back(current);
    return next(groups, groupCalls);
  }
  std::string pickCommand() override { return next(commands, commandCalls); }
  int pickPort() override {
    ++portCalls;
    if (ports.empty()) return -1;
    int port = ports.front();
    ports.pop_front();
    return port;
  }
  std::optional<zorq::NetBoxChoice> pickNetBox() override { return next(netBoxes, netBoxCalls); }

 private:
  template <class Answer>
  static Answer next(std::deque<Answer>& queue, int& calls) {
    ++calls;
    if (queue.empty()) return {};
    Answer answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

struct ViewContext {
  TempDir dir;
  zorq::Installation where{"C:\\WINDOWS\\", dir.path()};
  FakeSystem system;
  FakeUi ui;
  FakePickers pickers;
  zorq::MainSettings settings{};
  zorq::Context ctx{where, settings, plat::localFileSystem(), system, ui, pickers};

  ViewContext() { plat::localFileSystem().makeDirectory(dir.path() + "daten"); }
};

}  // namespace testing_support
