// Screenshots of the external programs and the chat call over the demo
// installation, for a person to look at. Written only when
// VALMORIN_SCREENSHOTS names a folder (a Windows path).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "services/frmchat.h"
#include "services/frmextern.h"
#include "services_view.h"
#include "win32/demo_install.h"

namespace {

using namespace testing_support;

struct Screenshot : ServicesView {
  std::string folder;

  void SetUp() override {
    const char* target = std::getenv("VALMORIN_SCREENSHOTS");
    if (target == nullptr || *target == '\0') GTEST_SKIP() << "VALMORIN_SCREENSHOTS is not set";
    folder = std::string(target) + "\\";
    std::filesystem::create_directories(folder);
    for (const char* name : {"daten\\extern.dat", "daten\\chat.dat"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
  }
};

TEST_F(Screenshot, ExternalPrograms) {
  zorq::frmextern dialog(services);
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_TRUE(saveScreenshot(dialog.hwnd(), folder + "frmextern.bmp"));
}

TEST_F(Screenshot, ChatCall) {
  zorq::frmchat dialog(services);
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_TRUE(saveScreenshot(dialog.hwnd(), folder + "frmchat.bmp"));
}

}  // namespace
