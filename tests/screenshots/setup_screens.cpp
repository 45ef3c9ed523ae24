// Pictures of setup's windows: the main window with the greeting, the
// folder, the copy window half-way and the final dialog.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "copy.h"
#include "inst2.h"
#include "path.h"
#include "path_ids.h"
#include "setup_fixture.h"
#include "setupmain.h"
#include "theend.h"
#include "theend_ids.h"
#include "welcome_ids.h"
#include "modal_driver.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

// The screen within the main window's frame, with the dialogs standing on
// it: saveScreenshot would raise the main window above them.
void captureScreenOf(HWND main, HWND dialog, const std::string& name) {
  const char* folder = std::getenv("VALMORIN_SCREENSHOTS");
  if (folder == nullptr || *folder == '\0') return;
  SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  pump();
  Sleep(200);
  pump();
  RECT r;
  GetWindowRect(main, &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC mem = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bmp = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  SelectObject(mem, old);
  GdiFlush();
  int stride = ((w * 3 + 3) / 4) * 4;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * h);
  std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
  out.write(static_cast<const char*>(bits), stride * h);
  EXPECT_TRUE(static_cast<bool>(out));
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(nullptr, screen);
}

TEST(Screenshot, SetupMainWithWelcome) {
  SetupFixture f;
  setup::Setup s(f.env());
  setup::setupmain main(s);
  main.showMain("ValmorinPC Mailboxsystem");
  // A picture of the whole screen would be mostly gradient: a smaller window.
  ShowWindow(main.hwnd(), SW_RESTORE);
  MoveWindow(main.hwnd(), 0, 0, 800, 600, TRUE);
  ModalDriver driver([&](HWND w) {
    captureScreenOf(main.hwnd(), w, "setupmain");
    click(w, IDB_WELCOME_ABBRUCH);
  });
  main.welcome(setup::welcomeText(setup::Inst2{11, 0, "2.1", ""}));
}

TEST(Screenshot, SetupPath) {
  SetupFixture f;
  setup::Setup s(f.env());
  ASSERT_TRUE(s.start());
  s.state().installPath = "C:\\Programme\\Valmorin Box";
  ModalDriver driver([&](HWND w) {
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
  ModalDriver driver([&](HWND w) {
    captureIfAsked(w, "theend");
    click(w, IDB_THEEND_ENDE);
  });
  setup::theend dialog(setup::Setup::finalText());
  dialog.DoModal(nullptr);
}

}  // namespace
