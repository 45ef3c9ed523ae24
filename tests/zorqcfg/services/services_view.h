// What the view tests of the caller services share: the view context, and
// their files in the settings folder.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "view_context.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace testing_support {

struct ServicesView : ::testing::Test, ViewContext {
  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
};

}  // namespace testing_support
