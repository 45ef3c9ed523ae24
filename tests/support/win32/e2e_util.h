// What the end-to-end tests do with the windows and files of the program
// besides what ExeRun offers: start the editor and open a dialog from its
// main window, wait, find controls by caption, click check boxes and list
// rows as the mouse would, and read lines of a file.
#pragma once

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win32/wide.h"
#include "ui/win32/dialog.h"
#include "win32/demo_install.h"
#include "win32/exe_driver.h"

namespace testing_support {

inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    if (done()) return true;
    Sleep(50);
  }
  return false;
}

// Presses a button of the program's main window and waits for the window
// with this title, which must come without a message box; nullptr, and a
// failure, when either window does not come.
inline HWND openFromMain(ExeRun& program, HWND& main, const std::string& button, const std::string& title) {
  main = program.waitWindow("");
  if (main == nullptr || !program.press(main, button)) {
    ADD_FAILURE() << "no main window with a button " << button;
    return nullptr;
  }
  HWND window = program.waitWindow(title);
  if (window == nullptr)
    ADD_FAILURE() << "no window " << title;
  else
    EXPECT_TRUE(program.noMessageBox()) << title;
  return window;
}

// The editor as the end-to-end tests start it, on the installation that
// zorq.ini names (the test's DemoInstallation): a dialog is opened from its
// main window, and at the end the editor is left with "Abbruch".
class EditorRun : public ExeRun {
 public:
  explicit EditorRun(const std::string& exe = zorqcfgExe()) : ExeRun(exe) {}

  // Presses the main window's button and waits for the window with this
  // title, as openFromMain does.
  HWND open(const std::string& button, const std::string& title) {
    return openFromMain(*this, main, button, title);
  }
  // "Abbruch" in the main window, and the end of the program.
  void cancel() {
    ASSERT_TRUE(press(main, "Abbruch"));
    EXPECT_TRUE(waitExit().has_value());
  }

  HWND main = nullptr;  // found by open()
};

// The controls of window whose caption, access keys left out, is caption,
// top to bottom.
inline std::vector<HWND> controlsCaptioned(HWND window, const std::string& caption) {
  std::vector<HWND> found;
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    std::string text = ui::WindowText(c);
    text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
    if (text == caption) found.push_back(c);
  }
  std::sort(found.begin(), found.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return found;
}

// The first list box of window.
inline HWND firstList(HWND window) {
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    GetClassNameW(c, cls, 16);
    if (lstrcmpiW(cls, L"ListBox") == 0) return c;
  }
  return nullptr;
}

// A click on a check box; true when it changed.
inline bool clickBox(HWND box) {
  if (box == nullptr || !IsWindowVisible(box)) return false;
  LRESULT before = SendMessageW(box, BM_GETCHECK, 0, 0);
  SendMessageW(box, BM_CLICK, 0, 0);
  return SendMessageW(box, BM_GETCHECK, 0, 0) != before;
}

// The entries of a list of the program. The program may be filling the list
// anew meanwhile: an entry gone while it is read gives "(changing)".
inline std::vector<std::string> itemsOf(HWND list) {
  std::vector<std::string> items;
  const int n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length == LB_ERR) return {"(changing)"};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    items.push_back(plat::narrow(text));
  }
  return items;
}

// Row index of the list of dialog selected and double-clicked, as a picker
// is answered; row may be given by its text.
inline bool doubleClickRow(HWND dialog, HWND list, int row) {
  if (list == nullptr || row < 0) return false;
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), LBN_DBLCLK),
               reinterpret_cast<LPARAM>(list));
  return true;
}
inline bool doubleClickRow(HWND dialog, HWND list, const std::string& text) {
  const std::vector<std::string> rows = itemsOf(list);
  const auto at = std::find(rows.begin(), rows.end(), text);
  return at != rows.end() && doubleClickRow(dialog, list, static_cast<int>(at - rows.begin()));
}

// Line n (from 1) of a file, and the file with it replaced by text.
inline std::string lineOf(const std::string& bytes, int n) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.substr(start, bytes.find("\r\n", start) - start);
}
inline std::string withLine(const std::string& bytes, int n, const std::string& text) {
  std::size_t start = 0;
  for (int i = 1; i < n; ++i) start = bytes.find("\r\n", start) + 2;
  return bytes.substr(0, start) + text + bytes.substr(bytes.find("\r\n", start));
}

}  // namespace testing_support
