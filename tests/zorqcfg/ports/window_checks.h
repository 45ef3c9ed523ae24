// Checks every window of the ports dialogs must pass: captions fit their
// controls, controls fit the window, and no access key is used twice.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>

#include "win32/view_driver.h"

namespace testing_support {

inline RECT rectIn(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline std::wstring classOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

// Every control lies inside the client area, and the one-line text of every
// label, button and check box fits its width (a check box loses the width
// of its box). Multi-line labels are left to the eye.
inline void expectEverythingFits(HWND d) {
  RECT client;
  GetClientRect(d, &client);
  HDC dc = GetDC(d);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(d, WM_GETFONT, 0, 0)));
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r = rectIn(d, c);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << textOf(c);
    if (classOf(c) != L"Static" && classOf(c) != L"Button") continue;
    const LONG type = GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK;
    if (classOf(c) == L"Button" && type == BS_GROUPBOX) continue;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(c)) + 1, L'\0');
    GetWindowTextW(c, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(lstrlenW(text.c_str())));
    std::wstring shown;
    for (wchar_t ch : text)
      if (ch != L'&') shown += ch;
    RECT need{0, 0, r.right - r.left, 0};
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &need, DT_CALCRECT | DT_WORDBREAK);
    const bool box = classOf(c) == L"Button" && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON;
    const long room = (r.right - r.left) - (box ? 16 : 0);
    SIZE line{};
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &line);
    if (need.bottom - need.top <= line.cy)
      EXPECT_LE(line.cx, room) << textOf(c);  // one line
    else
      EXPECT_LE(need.bottom - need.top, r.bottom - r.top) << textOf(c);  // wrapped
  }
  SelectObject(dc, old);
  ReleaseDC(d, dc);
}

// Buttons, check boxes and option buttons each carry an access key, used
// once in the window; labels that have one do not repeat another's. A
// caption the window repeats (listed in repeated) can have none.
inline void expectUniqueAccessKeys(HWND d, const std::set<std::string>& repeated = {}) {
  std::map<char, std::string> used;
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::wstring cls = classOf(c);
    if (cls != L"Button" && cls != L"Static") continue;
    const bool groupBox = cls == L"Button" && (GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
    if (cls == L"Static" && (GetWindowLongW(c, GWL_STYLE) & SS_NOPREFIX)) continue;
    const std::string text = textOf(c);
    const std::size_t amp = text.find('&');
    if (amp == std::string::npos || amp + 1 >= text.size()) {
      if (cls == L"Button" && !groupBox && !text.empty() && text != "..." && repeated.count(text) == 0)
        ADD_FAILURE() << "no access key: " << text;
      continue;
    }
    const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
    auto [it, fresh] = used.emplace(key, text);
    EXPECT_TRUE(fresh) << "'" << key << "' in " << text << " and " << it->second;
  }
}

}  // namespace testing_support
