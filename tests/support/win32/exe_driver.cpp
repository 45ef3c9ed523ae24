#include "win32/exe_driver.h"

#include <vector>

#include "platform/win32/wide.h"
#include "ui/win32/dialog.h"
#include "win32/view_driver.h"

namespace testing_support {

bool waitClosed(HWND window, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (!IsWindow(window)) return true;
    Sleep(50);
  }
  return false;
}

std::string windowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

namespace {

struct TopSearch {
  DWORD pid;
  std::string title;
  bool anyTitle;
  bool boxOnly;
  HWND found = nullptr;
};

bool isMessageBox(HWND w) {
  wchar_t cls[16] = {};
  GetClassNameW(w, cls, 16);
  return std::wstring(cls) == L"#32770" && GetDlgItem(w, 0xFFFF) != nullptr;
}

BOOL CALLBACK topLevel(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<TopSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid != s->pid || !IsWindowVisible(w)) return TRUE;
  if (isMessageBox(w) != s->boxOnly) return TRUE;
  if (s->anyTitle || ui::WindowText(w) == s->title) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

HWND findTop(DWORD pid, const std::string& title, bool anyTitle, bool boxOnly) {
  TopSearch s{pid, title, anyTitle, boxOnly};
  EnumWindows(topLevel, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::string withoutAmpersand(std::string s) {
  std::string out;
  for (char c : s)
    if (c != '&') out.push_back(c);
  return out;
}

struct ButtonSearch {
  std::string caption;
  HWND found = nullptr;
};

BOOL CALLBACK buttonByCaption(HWND w, LPARAM lp) {
  auto* s = reinterpret_cast<ButtonSearch*>(lp);
  if (withoutAmpersand(ui::WindowText(w)) == withoutAmpersand(s->caption)) {
    s->found = w;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

ExeRun::ExeRun(const std::string& exe, const std::string& workDir) {
  std::string dir = workDir.empty() ? exe.substr(0, exe.find_last_of('\\')) : workDir;
  std::wstring line = plat::wide("\"" + exe + "\"");
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, plat::wide(dir).c_str(), &si,
                     &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
    WaitForInputIdle(process_, 10000);
  }
}

ExeRun::~ExeRun() {
  if (process_ == nullptr) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 99);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

HWND ExeRun::waitWindow(const std::string& title, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (HWND w = findTop(pid_, title, title.empty(), false)) return w;
    Sleep(50);
  }
  return nullptr;
}

std::optional<MessageBoxSeen> ExeRun::waitMessageBox(int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (HWND w = findTop(pid_, {}, true, true)) {
      Sleep(100);  // let it finish drawing its text
      return MessageBoxSeen{w, ui::WindowText(w), ui::WindowText(GetDlgItem(w, 0xFFFF))};
    }
    Sleep(50);
  }
  return std::nullopt;
}

bool ExeRun::noMessageBox(int waitMs) { return !waitMessageBox(waitMs).has_value(); }

bool ExeRun::press(HWND window, const std::string& caption) {
  ButtonSearch s{caption};
  EnumChildWindows(window, buttonByCaption, reinterpret_cast<LPARAM>(&s));
  // A user cannot press a button of a window that a modal one has disabled.
  if (s.found == nullptr || !IsWindowEnabled(s.found) || !IsWindowEnabled(window)) return false;
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(s.found), BN_CLICKED),
               reinterpret_cast<LPARAM>(s.found));
  return true;
}

void ExeRun::answer(const MessageBoxSeen& box, int id) {
  PostMessageW(box.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

std::string ExeRun::fieldText(HWND window, const std::string& label) {
  HWND field = fieldOf(window, label);
  if (field == nullptr) return {};
  wchar_t buffer[1024] = {};
  SendMessageW(field, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer));
  return plat::narrow(buffer);
}

bool ExeRun::typeInto(HWND window, const std::string& label, const std::string& text) {
  HWND field = fieldOf(window, label);
  if (field == nullptr) return false;
  std::wstring w = plat::wide(text);
  SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(w.c_str()));
  return true;
}

std::optional<DWORD> ExeRun::waitExit(int timeoutMs) {
  if (process_ == nullptr) return std::nullopt;
  if (WaitForSingleObject(process_, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

}  // namespace testing_support
