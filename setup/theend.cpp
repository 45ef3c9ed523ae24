#include "theend.h"

#include "setupview.h"
#include "theend_ids.h"

namespace setup {

namespace {

// Program Manager's group windows appear a moment after the group commands
// of a full installation, and take the focus from this dialog; on a busy
// machine one may come many seconds later. The dialog watches until eight
// seconds have passed without one, at most half a minute, and takes the
// focus back.
constexpr UINT_PTR kWatch = 1;
constexpr UINT kWatchMs = 200;
constexpr int kQuietTicks = 40;
constexpr int kMostTicks = 150;
constexpr int kMostSendsBack = 3;

BOOL CALLBACK addVisible(HWND window, LPARAM windows) {
  if (IsWindowVisible(window)) reinterpret_cast<std::set<HWND>*>(windows)->insert(window);
  return TRUE;
}

}  // namespace

std::set<HWND> visibleWindows() {
  std::set<HWND> windows;
  EnumWindows(addVisible, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

theend::theend(std::string text, std::set<HWND> usersWindows)
    : Dialog(IDD_THEEND), text_(std::move(text)), known_(std::move(usersWindows)) {}

bool theend::OnInit() {
  CentreOn(hwnd(), GetWindow(hwnd(), GW_OWNER));
  SetItemText(IDT_THEEND_LABEL1, text_);
  SetTimer(hwnd(), kWatch, kWatchMs, nullptr);
  return true;
}

// A window of another program that opened after setup began took the
// foreground, or the foreground went nowhere: bring the dialog back with the
// focus on its default button. A new window may take the front again as it
// finishes opening, so each is sent back up to three times; after that it is
// taken for one the user went to, and left alone.
bool theend::comeBack() {
  HWND front = GetForegroundWindow();
  if (front == hwnd() || known_.count(front) > 0) return false;
  DWORD pid = 0;
  const DWORD thread = front != nullptr ? GetWindowThreadProcessId(front, &pid) : 0;
  if (front != nullptr && pid == GetCurrentProcessId()) return false;
  if (front != nullptr && ++sentBack_[front] >= kMostSendsBack) known_.insert(front);
  const bool attached = thread != 0 && AttachThreadInput(GetCurrentThreadId(), thread, TRUE) != FALSE;
  SetForegroundWindow(hwnd());
  BringWindowToTop(hwnd());
  SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDB_THEEND_VALMORIN)), TRUE);
  if (attached) AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
  return true;
}

bool theend::OnCommand(int id, int, HWND) {
  switch (id) {
    case IDB_THEEND_VALMORIN: choice_ = FinalChoice::Valmorin; break;
    case IDB_THEEND_EINSTELLUNGEN: choice_ = FinalChoice::Einstellungen; break;
    case IDB_THEEND_ENDE:
    case IDCANCEL: choice_ = FinalChoice::Ende; break;
    default: return false;
  }
  End(IDOK);
  return true;
}

INT_PTR theend::OnMessage(UINT msg, WPARAM wp, LPARAM lp, bool& handled) {
  if (msg == WM_TIMER && wp == kWatch) {
    if (comeBack()) quiet_ = 0;
    if (++quiet_ >= kQuietTicks || ++ticks_ >= kMostTicks) KillTimer(hwnd(), kWatch);
    handled = true;
    return TRUE;
  }
  handled = DrawLogoItem(msg, lp);
  return handled ? TRUE : FALSE;
}

}  // namespace setup
