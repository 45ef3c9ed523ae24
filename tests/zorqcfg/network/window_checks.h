// Checks every window of the network dialogs must pass: each control lies
// inside the window, each text fits its control, and the access keys of
// buttons, check boxes, option buttons and labels are unique.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/win32/wide.h"
#include "text/cp1252.h"
#include "win32/view_driver.h"

namespace testing_support {

inline RECT rectIn(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The letter after a single "&", lower case; 0 when there is none.
inline char accessKey(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return txt::lower1252(text[i + 1]);
    ++i;
  }
  return 0;
}

inline void expectTidy(HWND d) {
  RECT client;
  GetClientRect(d, &client);
  HDC dc = GetDC(d);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(d, WM_GETFONT, 0, 0)));
  std::map<char, std::string> keys;
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::string text = textOf(c);
    RECT r = rectIn(d, c);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom) << text;
    wchar_t cls[32] = {};
    GetClassNameW(c, cls, 32);
    const std::wstring kind = cls;
    const LONG style = GetWindowLongW(c, GWL_STYLE);
    const bool button = kind == L"Button";
    const bool label = kind == L"Static" && (style & SS_NOPREFIX) == 0;
    if (!button && !label) continue;
    const bool frame = button && (style & BS_TYPEMASK) == BS_GROUPBOX;
    SIZE size{};
    std::wstring shown;  // as drawn: without the "&" that marks the key
    for (wchar_t ch : plat::wide(text))
      if (ch != L'&') shown += ch;
    GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    // Check boxes and option buttons need room for their box as well.
    const LONG type = style & BS_TYPEMASK;
    const int box = button && type != BS_PUSHBUTTON && type != BS_DEFPUSHBUTTON && !frame ? 16 : 0;
    EXPECT_LE(size.cx + box, r.right - r.left) << text;
    if (frame) continue;
    if (char key = accessKey(text)) {
      EXPECT_TRUE(keys.emplace(key, text).second) << "'" << key << "' of " << text << " and " << keys[key];
    } else if (button && text != "..." && !text.empty()) {
      ADD_FAILURE() << "no access key: " << text;
    }
  }
  SelectObject(dc, old);
  ReleaseDC(d, dc);
}

}  // namespace testing_support
