// Screenshot of the command editor and the command picker over the demo
// installation, for a person to look at. Written only when
// VALMORIN_SCREENSHOTS names a folder (a Windows path).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "commands/frmalias.h"
#include "commands/frmprbefehle.h"
#include "view_context.h"
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
    std::filesystem::create_directories(dir.path() + "texte");
    for (const char* name : {"daten\\befehle.txt", "daten\\befgrup.txt", "texte\\deutsch.lng"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
  }
};

TEST_F(Screenshot, CommandEditorAndPicker) {
  zorq::CommandLevels memory{};
  zorq::frmprbefehle editor(ctx, memory);
  ASSERT_TRUE(editor.Create(nullptr));
  EXPECT_TRUE(saveScreenshot(editor.hwnd(), folder + "frmprbefehle.bmp"));
  zorq::frmalias picker(ctx);
  ASSERT_TRUE(picker.Create(nullptr));
  EXPECT_TRUE(saveScreenshot(picker.hwnd(), folder + "frmalias.bmp"));
}

}  // namespace
