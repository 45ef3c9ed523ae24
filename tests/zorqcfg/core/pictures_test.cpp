// Pictures of the main window and the four pickers over the demo
// installation, for a person to look at. Written only when
// VALMORIN_SCREENSHOTS names a folder (a Windows path).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/frmdir.h"
#include "core/frmfile.h"
#include "core/frmselgru.h"
#include "core/frmselus.h"
#include "core/haupt.h"
#include "core/main_settings.h"
#include "commands/view_context.h"
#include "fake_system.h"
#include "fake_ui.h"
#include "temp_dir.h"
#include "win32/demo_install.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

struct Screenshot : ::testing::Test {
  std::string folder;
  TempDir box;
  FakeUi ui;
  FakeSystem system;
  FakePickers pickers;
  zorq::Installation where{"C:\\WINDOWS\\", box.path(), 0};
  zorq::MainSettings settings;
  zorq::Context ctx{where, settings, plat::localFileSystem(), system, ui, pickers};

  void SetUp() override {
    const char* target = std::getenv("VALMORIN_SCREENSHOTS");
    if (target == nullptr || *target == '\0') GTEST_SKIP() << "VALMORIN_SCREENSHOTS is not set";
    folder = std::string(target) + "\\";
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::filesystem::create_directories(box.path() + "daten");
    for (const char* name : {"daten\\main.txt", "daten\\env.dat", "daten\\user.dat", "daten\\gruppen.dat"})
      std::filesystem::copy_file(sourcePath(std::string("examples\\demo\\") + name), box.path() + name);
    std::filesystem::create_directories(box.path() + "sounds");
    for (const char* name : {"sounds\\anruf.wav", "sounds\\klingel.wav", "sounds\\tusch.wav"})
      box.write(name, "RIFF");
  }

  // Shows a picker modally and pictures it from its own modal loop.
  template <class Picker>
  void picture(Picker& picker, const std::string& name) {
    BoxAnswerer answerer({}, [&](HWND d) {
      EXPECT_TRUE(saveScreenshot(d, folder + name + ".bmp"));
      EndDialog(d, IDCANCEL);
    });
    picker.DoModal(nullptr);
  }
};

TEST_F(Screenshot, MainWindow) {
  zorq::loadAtStart(ctx.fs, where, settings, ui);
  zorq::haupt window(ctx, {});
  ASSERT_TRUE(window.Create(nullptr));
  focus(window.hwnd(), GetDlgCtrlID(fieldOf(window.hwnd(), "Sysopname")));
  EXPECT_TRUE(saveScreenshot(window.hwnd(), folder + "haupt.bmp"));
}

// The main window with the directory picker open over it, named by the
// screen's dpi: scripts/screenshots takes it at 96 and at 144 dpi.
TEST_F(Screenshot, MainWindowWithAPicker) {
  zorq::loadAtStart(ctx.fs, where, settings, ui);
  zorq::haupt window(ctx, {});
  ASSERT_TRUE(window.Create(nullptr));
  redrawNow(window.hwnd());
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  zorq::frmdir picker(box.path() + "daten", ui);
  BoxAnswerer answerer({}, [&](HWND d) {
    RECT main, over, both;
    GetWindowRect(window.hwnd(), &main);
    GetWindowRect(d, &over);
    UnionRect(&both, &main, &over);
    redrawNow(d);
    EXPECT_TRUE(saveScreenArea(both, folder + "haupt-frmdir-" + std::to_string(dpi) + ".bmp"));
    EndDialog(d, IDCANCEL);
  });
  picker.DoModal(window.hwnd());
}

TEST_F(Screenshot, Pickers) {
  zorq::frmdir directories(box.path() + "daten", ui);
  picture(directories, "frmdir");
  zorq::frmfile files(box.path() + "sounds", "*.wav", ui);
  picture(files, "frmfile");
  zorq::frmselus users(ctx.fs, where, ui);
  picture(users, "frmselus");
  zorq::frmselgru groups(ctx.fs, where, ui);
  picture(groups, "frmselgru");
}

}  // namespace
