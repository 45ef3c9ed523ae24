#include "ui/win32/dialog.h"

#include <algorithm>
#include <vector>

#include "platform/win32/wide.h"

namespace ui {

namespace {

std::vector<Dialog*>& modeless() {
  static std::vector<Dialog*> open;
  return open;
}

}  // namespace

HINSTANCE Dialog::Instance() { return GetModuleHandleW(nullptr); }

Dialog::~Dialog() {
  if (hwnd_ != nullptr && !modal_) DestroyWindow(hwnd_);
}

INT_PTR Dialog::DoModal(HWND owner) {
  modal_ = true;
  return DialogBoxParamW(Instance(), MAKEINTRESOURCEW(templateId_), owner, Proc,
                         reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND owner) {
  modal_ = false;
  HWND h = CreateDialogParamW(Instance(), MAKEINTRESOURCEW(templateId_), owner, Proc,
                              reinterpret_cast<LPARAM>(this));
  if (h == nullptr) return false;
  modeless().push_back(this);
  ShowWindow(h, SW_SHOW);
  return true;
}

void Dialog::End(INT_PTR result) {
  if (hwnd_ == nullptr) return;
  if (modal_)
    EndDialog(hwnd_, result);
  else
    DestroyWindow(hwnd_);
}

void Dialog::BringToFront() {
  if (hwnd_ == nullptr) return;
  if (IsIconic(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
  SetForegroundWindow(hwnd_);
  BringWindowToTop(hwnd_);
}

bool Dialog::PreTranslate(MSG* msg) {
  for (Dialog* d : modeless())
    if (d->hwnd_ != nullptr && IsDialogMessageW(d->hwnd_, msg)) return true;
  return false;
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Dialog* self = nullptr;
  if (msg == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lp);
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  INT_PTR result = self->Handle(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    auto& open = modeless();
    open.erase(std::remove(open.begin(), open.end(), self), open.end());
    self->OnDestroyed();
  }
  return result;
}

INT_PTR Dialog::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      // Every window opens over its owner; OnInit may place it otherwise.
      CentreOver(hwnd_, GetWindow(hwnd_, GW_OWNER));
      const bool focusDefault = OnInit();
      // Keyboard users see where the focus is from the start.
      SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
      return focusDefault ? TRUE : FALSE;
    }
    case WM_COMMAND: return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      return OnNotify(static_cast<int>(header->idFrom), header) ? TRUE : FALSE;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: return OnScroll(reinterpret_cast<HWND>(lp), LOWORD(wp)) ? TRUE : FALSE;
    default: {
      bool handled = false;
      INT_PTR result = OnMessage(msg, wp, lp, handled);
      return handled ? result : FALSE;
    }
  }
}

bool Dialog::OnCommand(int id, int /*code*/, HWND /*control*/) {
  if (id == IDOK) {
    OnOK();
    return true;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

void CentreOver(HWND window, HWND owner) {
  const bool overOwner = owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(overOwner ? owner : window, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT work = monitor.rcWork;
  RECT around = work, own;
  if (overOwner) GetWindowRect(owner, &around);
  GetWindowRect(window, &own);
  const long width = own.right - own.left, height = own.bottom - own.top;
  long left = around.left + (around.right - around.left - width) / 2;
  long top = around.top + (around.bottom - around.top - height) / 2;
  // Whole on the monitor; a window larger than it keeps its top left corner.
  left = std::max(work.left, std::min(left, work.right - width));
  top = std::max(work.top, std::min(top, work.bottom - height));
  SetWindowPos(window, nullptr, static_cast<int>(left), static_cast<int>(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string WindowText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return plat::narrow(text);
}

void SetWindowTextCp(HWND hwnd, const std::string& text) { SetWindowTextW(hwnd, plat::wide(text).c_str()); }

void Dialog::SetItemText(int id, const std::string& text) { SetWindowTextCp(Item(id), text); }
std::string Dialog::ItemText(int id) const { return WindowText(Item(id)); }
void Dialog::CheckButton(int id, int state) { CheckDlgButton(hwnd_, id, static_cast<UINT>(state)); }
int Dialog::ButtonState(int id) const { return static_cast<int>(IsDlgButtonChecked(hwnd_, id)); }
void Dialog::EnableItem(int id, bool enable) { EnableWindow(Item(id), enable ? TRUE : FALSE); }
void Dialog::ShowItem(int id, bool show) { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
void Dialog::SetCaption(const std::string& text) { SetWindowTextCp(hwnd_, text); }
std::string Dialog::Caption() const { return WindowText(hwnd_); }

}  // namespace ui
