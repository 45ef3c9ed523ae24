// What the view tests of the caller services share: the command editor's
// view context with a file picker that answers from a queue, and the checks
// every window of the editor must pass.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "../commands/view_context.h"
#include "win32/view_driver.h"

namespace testing_support {

// Answers the file picker from its queue (empty when the queue is empty)
// and keeps the masks it was asked with.
struct ServicePickers : FakePickers {
  std::deque<std::string> files;
  std::vector<std::string> masks;

  std::string pickFile(const std::string& mask) override {
    masks.push_back(mask);
    if (files.empty()) return {};
    std::string answer = files.front();
    files.pop_front();
    return answer;
  }
};

struct ServicesView : ::testing::Test, ViewContext {
  ServicePickers picks;
  zorq::Context services{where, settings, plat::localFileSystem(), system, ui, picks};

  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
};

inline RECT rectIn(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline bool isChoice(HWND control) {
  wchar_t cls[16] = {};
  GetClassNameW(control, cls, 16);
  LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
  return std::wstring(cls) == L"Button" && type != BS_GROUPBOX;
}

// Every control lies inside the window and shows its whole text; the
// buttons, check boxes and option buttons whose caption is no value ("...")
// have access keys, each its own.
inline void expectTidy(HWND d) {
  RECT client;
  GetClientRect(d, &client);
  HDC dc = GetDC(d);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(d, WM_GETFONT, 0, 0)));
  std::set<wchar_t> keys;
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r = rectIn(d, c);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << textOf(c);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(c)) + 1, L'\0');
    GetWindowTextW(c, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(lstrlenW(text.c_str())));
    std::wstring shown;
    wchar_t key = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      bool marked = text[i] == L'&';
      if (marked && ++i == text.size()) break;
      if (marked && text[i] != L'&' && key == 0) {
        wchar_t letter[2] = {text[i], 0};
        CharLowerBuffW(letter, 1);
        key = letter[0];
      }
      shown += text[i];
    }
    SIZE size{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
    bool box = isChoice(c) && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON);
    LONG room = (r.right - r.left) - (box ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0);
    EXPECT_LE(size.cx, room) << textOf(c);
    if (!isChoice(c) || shown == L"...") continue;
    EXPECT_NE(key, 0) << "no access key: " << textOf(c);
    EXPECT_TRUE(keys.insert(key).second) << "access key used twice: " << textOf(c);
  }
  SelectObject(dc, old);
  ReleaseDC(d, dc);
}

}  // namespace testing_support
