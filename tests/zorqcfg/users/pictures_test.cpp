// Screenshots of the users, texts and languages dialogs over the demo
// installation, for a person to look at. Written only when
// VALMORIN_SCREENSHOTS names a folder (a Windows path).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "view_context.h"
#include "users/frmbatch.h"
#include "users/frmneuuser.h"
#include "users/frmsonst.h"
#include "users/frmtxted.h"
#include "users/sprachen.h"
#include "win32/demo_install.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

struct Screenshot : ::testing::Test, ViewContext {
  std::string folder;

  void SetUp() override {
    const char* target = std::getenv("VALMORIN_SCREENSHOTS");
    if (target == nullptr || *target == '\0') GTEST_SKIP() << "VALMORIN_SCREENSHOTS is not set";
    folder = std::string(target) + "\\";
    std::filesystem::create_directories(folder);
    for (const char* name : {"daten\\newuser.dat", "daten\\gruppen.dat", "daten\\sprachen.txt",
                             "daten\\cosysop.txt", "daten\\userver.txt"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
    settings.importComment = "CD-Import: leider keine Beschreibung gefunden";
  }

  void picture(ui::Dialog& dialog, const char* name) {
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_TRUE(saveScreenshot(dialog.hwnd(), folder + name + ".bmp"));
  }
};

TEST_F(Screenshot, NewUserDefaults) {
  zorq::frmneuuser dialog(ctx);
  picture(dialog, "frmneuuser");
}

TEST_F(Screenshot, Languages) {
  zorq::sprachen dialog(ctx);
  picture(dialog, "sprachen");
}

TEST_F(Screenshot, BoxTexts) {
  zorq::frmtxted dialog(ctx);
  picture(dialog, "frmtxted");
}

TEST_F(Screenshot, BatchFiles) {
  zorq::frmbatch dialog(ctx);
  picture(dialog, "frmbatch");
}

TEST_F(Screenshot, MiscLists) {
  zorq::frmsonst dialog(ctx);
  picture(dialog, "frmsonst");
}

}  // namespace
