// The pickers of a view test: each answers from its queue and the test sees
// what was asked.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/pickers.h"

namespace testing_support {

// Answers each picker from its queue (empty, or -1 for a port, when the
// queue is empty), counts the calls and keeps what was asked.
class FakePickers : public zorq::Pickers {
 public:
  std::deque<std::string> directories, files, users, groups, commands;
  std::deque<int> ports;
  std::deque<std::optional<zorq::NetBoxChoice>> netBoxes;
  int directoryCalls = 0, fileCalls = 0, userCalls = 0, groupCalls = 0, commandCalls = 0, portCalls = 0,
      netBoxCalls = 0;
  std::vector<std::string> masks;        // the pattern each file picker was shown with
  std::vector<std::string> groupsShown;  // the current group each group picker preselected
  // In order: "directory", "file:<pattern>", "user", "group", "command",
  // "port", "box".
  std::vector<std::string> asked;

  std::string pickDirectory() override { return next(directories, directoryCalls, "directory"); }
  std::string pickFile(const std::string& dateimaske) override {
    masks.push_back(dateimaske);
    return next(files, fileCalls, "file:" + dateimaske);
  }
  std::string pickUser() override { return next(users, userCalls, "user"); }
  std::string pickGroup(const std::string& current) override {
    groupsShown.push_back(current);
    return next(groups, groupCalls, "group");
  }
  std::string pickCommand() override { return next(commands, commandCalls, "command"); }
  int pickPort() override {
    ++portCalls;
    asked.push_back("port");
    if (ports.empty()) return -1;
    const int port = ports.front();
    ports.pop_front();
    return port;
  }
  std::optional<zorq::NetBoxChoice> pickNetBox() override { return next(netBoxes, netBoxCalls, "box"); }

 private:
  template <class Answer>
  Answer next(std::deque<Answer>& queue, int& calls, const std::string& what) {
    ++calls;
    asked.push_back(what);
    if (queue.empty()) return {};
    Answer answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

}  // namespace testing_support
