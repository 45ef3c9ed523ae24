// Pictures of the main window, the pickers, the command editor and the
// network and ports windows over the demo installation, for a person to
// look at. Written only when VALMORIN_SCREENSHOTS names a folder (a Windows
// path).
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/dialog_buttons.h"
#include "commands/frmalias.h"
#include "commands/frmprbefehle.h"
#include "view_context.h"
#include "core/frmdir.h"
#include "core/frmfile.h"
#include "core/frmselgru.h"
#include "core/frmselus.h"
#include "core/haupt.h"
#include "network/frmbox.h"
#include "network/frmdomain.h"
#include "network/frmnetz.h"
#include "network/frmprpacker.h"
#include "ports/frmfenst.h"
#include "ports/frmmodem2.h"
#include "ports/frmmodem2_ids.h"
#include "ports/frmport.h"
#include "ports/frmprsspeicher.h"
#include "ports/frmstart.h"
#include "ports/vorein.h"
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
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    std::filesystem::copy(
        sourcePath("examples\\demo"), dir.path() + ".",
        std::filesystem::copy_options::recursive | std::filesystem::copy_options::skip_existing);
    for (const char* name : {"sounds\\anruf.wav", "sounds\\klingel.wav", "sounds\\tusch.wav"})
      dir.write(name, "RIFF");
    zorq::loadAtStart(ctx.fs, where, settings, ui);
  }

  // Opens the window beside the test and pictures it.
  template <class Window>
  void picture(Window& window, const std::string& name) {
    ASSERT_TRUE(window.Create(nullptr));
    pump();
    EXPECT_TRUE(saveScreenshot(window.hwnd(), folder + name + ".bmp"));
  }
  // Shows a picker modally and pictures it from its own modal loop.
  template <class Picker>
  void pictureModal(Picker& picker, const std::string& name) {
    BoxAnswerer answerer({}, [&](HWND d) {
      EXPECT_TRUE(saveScreenshot(d, folder + name + ".bmp"));
      EndDialog(d, IDCANCEL);
    });
    picker.DoModal(nullptr);
  }
};

TEST_F(Screenshot, MainWindow) {
  zorq::haupt window(ctx, {}, zorq::dialogButtons());
  ASSERT_TRUE(window.Create(nullptr));
  focus(window.hwnd(), GetDlgCtrlID(fieldOf(window.hwnd(), "Sysopname")));
  EXPECT_TRUE(saveScreenshot(window.hwnd(), folder + "haupt.bmp"));
}

// The main window with the directory picker open over it, named by the
// screen's dpi: scripts/screenshots takes it at 96 and at 144 dpi.
TEST_F(Screenshot, MainWindowWithAPicker) {
  zorq::haupt window(ctx, {}, zorq::dialogButtons());
  ASSERT_TRUE(window.Create(nullptr));
  redrawNow(window.hwnd());
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  zorq::frmdir picker(dir.path() + "daten", ui);
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
  zorq::frmdir directories(dir.path() + "daten", ui);
  pictureModal(directories, "frmdir");
  zorq::frmfile files(dir.path() + "sounds", "*.wav", ui);
  pictureModal(files, "frmfile");
  zorq::frmselus users(ctx.fs, where, ui);
  pictureModal(users, "frmselus");
  zorq::frmselgru groups(ctx.fs, where, ui);
  pictureModal(groups, "frmselgru");
}

TEST_F(Screenshot, CommandEditorAndPicker) {
  zorq::CommandLevels memory{};
  zorq::frmprbefehle editor(ctx, memory);
  picture(editor, "frmprbefehle");
  zorq::frmalias picker(ctx);
  picture(picker, "frmalias");
}

TEST_F(Screenshot, NetworkWindows) {
  zorq::frmbox boxes(ctx.fs, where, ui);
  picture(boxes, "frmbox");
  zorq::frmdomain routing(ctx);
  picture(routing, "frmdomain");
  zorq::frmnetz parameters(ctx);
  picture(parameters, "frmnetz");
  zorq::frmprpacker packers(ctx);
  picture(packers, "frmprpacker");
}

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
