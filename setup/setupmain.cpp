#include "setupmain.h"

#include "path.h"
#include "platform/win32/wide.h"
#include "setupmain_ids.h"
#include "setupview.h"
#include "theend.h"
#include "welcome.h"

namespace setup {

setupmain::setupmain(Setup& setup) : Dialog(IDD_SETUPMAIN), setup_(setup), usersWindows_(visibleWindows()) {}

setupmain::~setupmain() {
  copy_.reset();
  if (IsOpen()) End(0);
}

void setupmain::showMain(const std::string& title) {
  title_ = plat::wide(title);
  if (!IsOpen() && !Create(nullptr)) return;
  SetCaption(title);
  ShowWindow(hwnd(), SW_SHOWMAXIMIZED);
  UpdateWindow(hwnd());
}

bool setupmain::welcome(const std::string& text) {
  setup::welcome dialog(text);
  dialog.DoModal(hwnd());
  return dialog.confirmed();
}

bool setupmain::path() {
  setup::path dialog(setup_, hwnd());
  dialog.DoModal(hwnd());
  return dialog.confirmed();
}

CopyView& setupmain::openCopy() {
  copy_ = std::make_unique<copy>();
  copy_->Create(hwnd());
  UpdateWindow(copy_->hwnd());
  BusyCursor(11);
  return *copy_;
}

void setupmain::closeCopy() {
  BusyCursor(0);
  copy_.reset();
  UpdateWindow(hwnd());
}

FinalChoice setupmain::theend(const std::string& text) {
  // The program group's windows, opened during the run, are not the user's.
  setup::theend dialog(text, usersWindows_);
  dialog.DoModal(hwnd());
  return dialog.choice();
}

INT_PTR setupmain::OnMessage(UINT msg, WPARAM wp, LPARAM, bool& handled) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT inner;
      GetClientRect(hwnd(), &inner);
      PaintBackground(reinterpret_cast<HDC>(wp), inner, title_.c_str(), WindowDpi(hwnd()));
      handled = true;
      return TRUE;
    }
    case WM_SIZE:
    case WM_DPICHANGED: InvalidateRect(hwnd(), nullptr, TRUE); return 0;
    default: return 0;
  }
}

}  // namespace setup
