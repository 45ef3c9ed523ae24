// Pictures of the network dialogs over the demo installation, for a person
// to look at. Written only when VALMORIN_SCREENSHOTS names a folder (a
// Windows path).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "commands/view_context.h"
#include "network/frmbox.h"
#include "network/frmdomain.h"
#include "network/frmnetz.h"
#include "network/frmprpacker.h"
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
    for (const char* name : {"netz.dat", "netzpar.dat", "routing.txt", "packer.txt", "pack2.txt"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\daten\\") + name),
                                 dir.path() + "daten\\" + name);
  }

  template <class Window>
  void picture(Window& window, const std::string& name) {
    ASSERT_TRUE(window.Create(nullptr));
    EXPECT_TRUE(saveScreenshot(window.hwnd(), folder + name + ".bmp"));
  }
};

TEST_F(Screenshot, NetworkWindows) {
  zorq::frmbox picker(ctx.fs, where, ui);
  picture(picker, "frmbox");
  zorq::frmdomain routing(ctx);
  picture(routing, "frmdomain");
  zorq::frmnetz parameters(ctx);
  picture(parameters, "frmnetz");
  zorq::frmprpacker packers(ctx);
  picture(packers, "frmprpacker");
}

}  // namespace
