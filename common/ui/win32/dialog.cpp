#include "ui/win32/dialog.h"

#include <algorithm>
#include <vector>

#include "platform/load.h"
#include "platform/win32/wide.h"
#include "text/cp1252.h"
#include "ui/services.h"

namespace ui {

namespace {

std::vector<Dialog*>& modeless() {
  static std::vector<Dialog*> open;
  return open;
}

std::function<void()>& faultNotice() {
  static std::function<void()> notify;
  return notify;
}

// Every dialog object that exists, so that a modal scope never touches one
// that was deleted.
std::vector<Dialog*>& alive() {
  static std::vector<Dialog*> all;
  return all;
}

bool isAlive(const Dialog* d) { return std::find(alive().begin(), alive().end(), d) != alive().end(); }

}  // namespace

HINSTANCE Dialog::Instance() { return GetModuleHandleW(nullptr); }

Dialog::Dialog(int templateId) : templateId_(templateId) { alive().push_back(this); }

Dialog::~Dialog() {
  alive().erase(std::remove(alive().begin(), alive().end(), this), alive().end());
  if (hwnd_ != nullptr && !modal_) DestroyWindow(hwnd_);
}

INT_PTR Dialog::DoModal(HWND owner) {
  modal_ = true;
  ModalScope scope(owner);
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
  if (WaitsForLoop()) {
    endPending_ = true;
    pendingResult_ = result;
    return;
  }
  endPending_ = false;
  if (modal_)
    EndDialog(hwnd_, result);
  else
    DestroyWindow(hwnd_);
}

// A modal loop started from a handler of this dialog, or of a window it owns
// (which would be destroyed with it), still runs.
bool Dialog::WaitsForLoop() const {
  if (hwnd_ == nullptr) return false;
  for (const Dialog* d : alive()) {
    if (d->loops_ == 0) continue;
    for (HWND w = d->hwnd_; w != nullptr; w = GetWindow(w, GW_OWNER))
      if (w == hwnd_) return true;
  }
  return false;
}

bool Dialog::InModalLoop() const { return (modal_ && hwnd_ != nullptr) || WaitsForLoop(); }

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
  ++self->handling_;
  INT_PTR result = FALSE;
  try {
    result = self->Handle(msg, wp, lp);
  } catch (...) {
    static bool telling = false;  // the message box runs a message loop of its own
    if (!telling && faultNotice()) {
      telling = true;
      try {
        faultNotice()();
      } catch (...) {
      }
      telling = false;
    }
  }
  --self->handling_;
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    self->items_.clear();
    self->endPending_ = false;
    auto& open = modeless();
    open.erase(std::remove(open.begin(), open.end(), self), open.end());
    self->OnDestroyed();
  }
  return result;
}

HWND Dialog::Item(int id) const {
  auto it = items_.find(id);
  if (it != items_.end() && IsWindow(it->second) && GetParent(it->second) == hwnd_ &&
      GetDlgCtrlID(it->second) == id)
    return it->second;
  HWND control = hwnd_ != nullptr ? GetDlgItem(hwnd_, id) : nullptr;
  if (control != nullptr)
    items_[id] = control;
  else
    items_.erase(id);
  return control;
}

INT_PTR Dialog::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      items_.clear();
      // Every window opens over its owner; OnInit may place it otherwise.
      CentreOver(hwnd_, GetWindow(hwnd_, GW_OWNER));
      const bool focusDefault = OnInit();
      // Keyboard users see where the focus is from the start.
      SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
      return focusDefault ? TRUE : FALSE;
    }
    case WM_COMMAND:
      // An edit that now holds text the files cannot hold is not passed on:
      // a list editor would store it at once, with "?" for what it cannot
      // keep. The field keeps the text, "OK" refuses it, and a row chosen
      // meanwhile keeps what it had.
      if (HIWORD(wp) == EN_CHANGE && !Filling()) {
        ItemText(LOWORD(wp));
        if (unstorable_.count(LOWORD(wp)) > 0) {
          MessageBeep(MB_ICONWARNING);
          return TRUE;
        }
      }
      return OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp)) ? TRUE : FALSE;
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

ModalScope::ModalScope(HWND owner)
    : owner_(owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr),
      ownerWasEnabled_(owner_ != nullptr && IsWindowEnabled(owner_)),
      active_(GetActiveWindow()) {
  for (Dialog* d : alive()) {
    if (d->handling_ == 0 || d->hwnd_ == nullptr) continue;
    ++d->loops_;
    waiting_.push_back(d);
  }
  EnumThreadWindows(GetCurrentThreadId(), Disable, reinterpret_cast<LPARAM>(this));
}

BOOL CALLBACK ModalScope::Disable(HWND window, LPARAM self) {
  auto* scope = reinterpret_cast<ModalScope*>(self);
  if (window == scope->owner_ || !IsWindowVisible(window) || !IsWindowEnabled(window)) return TRUE;
  EnableWindow(window, FALSE);
  scope->disabled_.push_back(window);
  return TRUE;
}

// Gives the windows back in the state they had, then carries out the ends
// that waited for the loop.
ModalScope::~ModalScope() {
  // The end of a modal window enables its owner even when it found it
  // disabled (Wine does), for example by an outer modal loop.
  if (owner_ != nullptr && !ownerWasEnabled_ && IsWindow(owner_)) EnableWindow(owner_, FALSE);
  for (auto w = disabled_.rbegin(); w != disabled_.rend(); ++w)
    if (IsWindow(*w)) EnableWindow(*w, TRUE);
  if (GetActiveWindow() == nullptr && active_ != nullptr && IsWindow(active_) && IsWindowEnabled(active_))
    SetActiveWindow(active_);
  for (Dialog* d : waiting_)
    if (isAlive(d)) --d->loops_;
  const std::vector<Dialog*> dialogs = alive();
  for (Dialog* d : dialogs)
    if (isAlive(d) && d->endPending_ && !d->WaitsForLoop()) d->End(d->pendingResult_);
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
  // A window the template has placed there already is not moved again: a
  // move of a window with many controls costs dozens of round trips to the
  // window server under Wine.
  if (own.left == left && own.top == top) return;
  SetWindowPos(window, nullptr, static_cast<int>(left), static_cast<int>(top), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

std::wstring WideText(HWND hwnd) {
  int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(std::max(got, 0)));
  return text;
}

}  // namespace

std::string WindowText(HWND hwnd) { return plat::narrow(WideText(hwnd)); }

void SetWindowTextCp(HWND hwnd, const std::string& text) { SetWindowTextW(hwnd, plat::wide(text).c_str()); }

void Dialog::SetItemText(int id, const std::string& text) {
  unstorable_.erase(id);  // Windows-1252 text: all of it can be stored
  HWND control = Item(id);
  const std::wstring wide = plat::wide(text);
  // A new text repaints the control (a round trip to the window server
  // under Wine); the text it shows already is left alone.
  if (control != nullptr && WideText(control) == wide) return;
  SetWindowTextW(control, wide.c_str());
}
std::string Dialog::ItemText(int id) const {
  const std::wstring text = WideText(Item(id));
  const std::u16string_view utf16(reinterpret_cast<const char16_t*>(text.data()), text.size());
  std::string bad = txt::unstorableCharacters(utf16);
  if (bad.empty())
    unstorable_.erase(id);
  else
    unstorable_[id] = std::move(bad);
  return txt::fromUtf16(utf16);
}

namespace {

// The label a field stands beside: the nearest text before it in the
// window's order, without its access key.
std::string LabelOf(HWND control) {
  for (HWND w = GetWindow(control, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
    wchar_t kind[16] = {};
    GetClassNameW(w, kind, 16);
    if (lstrcmpiW(kind, L"Static") != 0 && lstrcmpiW(kind, L"Button") != 0) continue;
    if (lstrcmpiW(kind, L"Button") == 0 && (GetWindowLongW(w, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX)
      continue;
    std::string label;
    for (char c : WindowText(w))
      if (c != '&') label += c;
    while (!label.empty() && (label.back() == ':' || label.back() == ' ')) label.pop_back();
    if (!label.empty()) return label;
  }
  return {};
}

}  // namespace

void Dialog::OnFault(std::function<void()> notify) { faultNotice() = std::move(notify); }

bool Dialog::RefuseUnstorable(Services& ui) {
  for (auto it = unstorable_.begin(); it != unstorable_.end(); ++it) {
    if (Item(it->first) == nullptr) continue;
    std::string label = LabelOf(Item(it->first));
    std::string text = "Das Feld ";
    if (!label.empty()) text += "\"" + label + "\" ";
    text +=
        "enth\xe4lt Zeichen, die sich in den Einstellungsdateien nicht speichern lassen (nur "
        "Windows-1252): " +
        it->second + ". Bitte \xe4ndern Sie den Text.";
    ui.notice(text);
    FocusItem(it->first);
    return true;
  }
  return false;
}

void Dialog::FocusItem(int id) {
  if (HWND control = Item(id)) SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

bool Dialog::ReadyToSave(Services& ui, plat::FileSystem& fs, plat::LoadRecord& loaded) {
  if (RefuseUnstorable(ui)) return false;
  for (const std::string& path : loaded.changed(fs)) {
    if (!ui.confirm("Die Datei " + plat::fileNameOf(path) +
                    " wurde inzwischen von einem anderen Programm ge\xe4ndert. Trotzdem \xfc"
                    "berschreiben?"))
      return false;
    loaded.refresh(fs, path);
  }
  return true;
}

void Dialog::SaveAndEnd(Services& ui, plat::FileSystem& fs, plat::LoadRecord& loaded,
                        const std::function<txt::Status()>& save) {
  if (!ReadyToSave(ui, fs, loaded)) return;
  EndIfSaved(txt::guarded(save), ui);
}
void Dialog::CheckButton(int id, int state) {
  SendMessageW(Item(id), BM_SETCHECK, static_cast<WPARAM>(state), 0);
}
int Dialog::ButtonState(int id) const { return static_cast<int>(SendMessageW(Item(id), BM_GETCHECK, 0, 0)); }
void Dialog::EnableItem(int id, bool enable) { EnableWindow(Item(id), enable ? TRUE : FALSE); }
void Dialog::ShowItem(int id, bool show) { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }
void Dialog::SetCaption(const std::string& text) { SetWindowTextCp(hwnd_, text); }
std::string Dialog::Caption() const { return WindowText(hwnd_); }

void Dialog::EndIfSaved(const txt::Status& saved, Services& ui) {
  if (!saved.ok()) {
    ui.notice(saved.error);
    return;
  }
  End(IDOK);
}

}  // namespace ui
