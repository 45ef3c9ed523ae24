// What the view tests of the caller services share: the command editor's
// view context with a file picker that answers from a queue.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "../commands/view_context.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace testing_support {

// Answers the file picker from its queue (empty when the queue is empty)
// and keeps the masks it was asked with.
struct ServicePickers : FakePickers {
  std::deque<std::string> files;
  std::vector<std::string> masks;

  std::string pickFile(const std::string& mask) override {
    masks.push_back(mask);
    if (files.empty()) return {};
    std::string answer = files.front();
    files.pop_front();
    return answer;
  }
};

struct ServicesView : ::testing::Test, ViewContext {
  ServicePickers picks;
  zorq::Context services{where, settings, plat::localFileSystem(), system, ui, picks};

  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
};

}  // namespace testing_support
