// Pictures of the external programs and the chat call over the demo
// installation, for scripts/screenshots (which names the folder).
#include <gtest/gtest.h>

#include <filesystem>

#include "services/frmchat.h"
#include "services/frmextern.h"
#include "view_context.h"
#include "win32/view_driver.h"
#include "win32/demo_install.h"

namespace {

using namespace testing_support;

struct Screenshot : ::testing::Test, ViewContext {
  Screenshot() {
    for (const char* name : {"daten\\extern.dat", "daten\\chat.dat"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
  }
  template <class D>
  void picture(const char* name) {
    D dialog(ctx);
    ASSERT_TRUE(dialog.Create(nullptr));
    captureIfAsked(dialog.hwnd(), name);
  }
};

TEST_F(Screenshot, ExternalPrograms) { picture<zorq::frmextern>("frmextern"); }
TEST_F(Screenshot, ChatCall) { picture<zorq::frmchat>("frmchat"); }

}  // namespace
