// Pictures of the users, texts and languages dialogs over the demo
// installation, for scripts/screenshots (which names the folder).
#include <gtest/gtest.h>

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
  Screenshot() {
    for (const char* name : {"daten\\newuser.dat", "daten\\gruppen.dat", "daten\\sprachen.txt",
                             "daten\\cosysop.txt", "daten\\userver.txt"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
    settings.importComment = "CD-Import: leider keine Beschreibung gefunden";
  }
  template <class D>
  void picture(const char* name) {
    D dialog(ctx);
    ASSERT_TRUE(dialog.Create(nullptr));
    captureIfAsked(dialog.hwnd(), name);
  }
};

TEST_F(Screenshot, NewUserDefaults) { picture<zorq::frmneuuser>("frmneuuser"); }
TEST_F(Screenshot, Languages) { picture<zorq::sprachen>("sprachen"); }
TEST_F(Screenshot, BoxTexts) { picture<zorq::frmtxted>("frmtxted"); }
TEST_F(Screenshot, BatchFiles) { picture<zorq::frmbatch>("frmbatch"); }
TEST_F(Screenshot, MiscLists) { picture<zorq::frmsonst>("frmsonst"); }

}  // namespace
