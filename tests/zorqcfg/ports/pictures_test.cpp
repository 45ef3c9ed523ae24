// Screenshots of the ports dialogs over the demo installation, for a person
// to look at. Written only when VALMORIN_SCREENSHOTS names a folder (a
// Windows path).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/main_settings.h"
#include "ports/frmfenst.h"
#include "ports/frmmodem2.h"
#include "ports/frmmodem2_ids.h"
#include "ports/frmport.h"
#include "ports/frmprsspeicher.h"
#include "ports/frmstart.h"
#include "ports/vorein.h"
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
    for (const char* name : {"daten\\modem.txt", "daten\\main.txt", "daten\\start.dat", "daten\\winds.txt"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), dir.path() + name);
    zorq::parseMainSettings(dir.read("daten\\main.txt"), settings);
  }

  void picture(ui::Dialog& dialog, const std::string& name) {
    ASSERT_TRUE(dialog.Create(nullptr));
    pump();
    EXPECT_TRUE(saveScreenshot(dialog.hwnd(), folder + name + ".bmp"));
  }
};

TEST_F(Screenshot, PortsWindows) {
  zorq::frmport chooser;
  picture(chooser, "frmport");
  zorq::frmmodem2 modem(ctx, 0);
  picture(modem, "frmmodem2");
  click(modem.hwnd(), IDX_FRMMODEM2_CAPI);
  EXPECT_TRUE(saveScreenshot(modem.hwnd(), folder + "frmmodem2_capi.bmp"));
  zorq::vorein presets;
  picture(presets, "vorein");
  zorq::frmstart start(ctx);
  picture(start, "frmstart");
  zorq::frmfenst windows(ctx);
  picture(windows, "frmfenst");
  zorq::frmprsspeicher limits(ctx);
  picture(limits, "frmprsspeicher");
}

}  // namespace
