// Pictures of setup's windows: the main window with the greeting, the
// folder, the copy window half-way and the final dialog.
#include <gtest/gtest.h>

#include "copy.h"
#include "inst2.h"
#include "path.h"
#include "path_ids.h"
#include "setup_fixture.h"
#include "setupmain.h"
#include "theend.h"
#include "theend_ids.h"
#include "welcome_ids.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

// The screen within the main window's frame, with the dialogs standing on
// it: saveScreenshot would raise the main window above them.
void captureScreenOf(HWND main, HWND dialog, const std::string& name) {
  const std::string folder = screenshotFolder();
  if (folder.empty()) return;
  SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
  redrawNow(main);
  redrawNow(dialog);
  RECT r;
  GetWindowRect(main, &r);
  EXPECT_TRUE(saveScreenArea(r, folder + "\\" + name + ".bmp"));
}

TEST(Screenshot, SetupMainWithWelcome) {
  SetupFixture f;
  setup::Setup s(f.env());
  setup::setupmain main(s);
  main.showMain("ValmorinPC Mailboxsystem");
  // A picture of the whole screen would be mostly gradient: a smaller window.
  ShowWindow(main.hwnd(), SW_RESTORE);
  MoveWindow(main.hwnd(), 0, 0, 800, 600, TRUE);
  BoxAnswerer driver({}, [&](HWND w) {
    captureScreenOf(main.hwnd(), w, "setupmain");
    click(w, IDB_WELCOME_ABBRUCH);
  });
  main.welcome(setup::welcomeText(setup::Inst2{11, 0, "2.1", ""}));
}

TEST(Screenshot, SetupPath) {
  SetupFixture f;
  f.distribution("", "");
  setup::Setup s(f.env());
  ASSERT_TRUE(s.start());
  s.state().installPath = "C:\\Programme\\Valmorin Box";
  BoxAnswerer driver({}, [&](HWND w) {
    captureIfAsked(w, "path");
    click(w, IDB_PATH_ABBRUCH);
  });
  setup::path dialog(s, nullptr);
  dialog.DoModal(nullptr);
}

TEST(Screenshot, SetupCopyHalfWay) {
  setup::copy window;
  ASSERT_TRUE(window.Create(nullptr));
  window.showFile("deutsch.ln_", "C:\\Programme\\Valmorin Box\\texte\\deutsch.lng");
  window.showProgress(0.53);  // the bar reaches into the text
  captureIfAsked(window.hwnd(), "copy");
}

TEST(Screenshot, SetupTheEnd) {
  BoxAnswerer driver({}, [&](HWND w) {
    captureIfAsked(w, "theend");
    click(w, IDB_THEEND_ENDE);
  });
  setup::theend dialog(setup::Setup::finalText());
  dialog.DoModal(nullptr);
}

}  // namespace
