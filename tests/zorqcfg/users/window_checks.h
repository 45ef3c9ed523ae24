// Checks every window of this area must pass: each control lies inside the
// window and shows its whole text, and every button, check box and option
// button has an access key of its own.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <string>

#include "win32/view_driver.h"

namespace testing_support {

// Gives a control the keyboard focus. Test programs running at the same
// time may take the activation away; try again until the focus holds.
inline void holdFocus(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  for (int i = 0; i < 100 && GetFocus() != control; ++i) {
    SetForegroundWindow(dialog);
    focus(dialog, id);
    if (GetFocus() != control) Sleep(20);
  }
  ASSERT_EQ(GetFocus(), control);
}

inline RECT rectIn(HWND dialog, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The width a control needs for its text in its own font.
inline int textWidth(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

inline void expectLaidOut(HWND d) {
  RECT client;
  GetClientRect(d, &client);
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r = rectIn(d, c);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << textOf(c);
    wchar_t cls[32] = {};
    GetClassNameW(c, cls, 32);
    if (std::wstring(cls) == L"Edit" || std::wstring(cls) == L"ListBox") continue;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(c)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(c, text.data(), static_cast<int>(text.size()))));
    std::wstring shown;
    for (wchar_t ch : text)
      if (ch != L'&') shown += ch;
    // A label of two lines may wrap; its text must still fit its area.
    const int lines = (r.bottom - r.top) / 12 + 1;
    EXPECT_LE(textWidth(c, shown), lines * (r.right - r.left)) << textOf(c);
  }
}

// A caption that stands on several buttons without a key is a column of a
// table, whose rows are reached by their labels' keys.
inline void expectAccessKeys(HWND d) {
  std::map<char, std::string> taken;
  std::map<std::string, int> captions;
  auto isButton = [](HWND c) {
    wchar_t cls[32] = {};
    GetClassNameW(c, cls, 32);
    return std::wstring(cls) == L"Button" && (GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
  };
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT))
    if (isButton(c)) ++captions[textOf(c)];
  for (HWND c = GetWindow(d, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    if (!isButton(c)) continue;
    const std::string text = textOf(c);
    if (text.find('&') == std::string::npos && captions[text] > 1) continue;
    const std::size_t amp = text.find('&');
    ASSERT_TRUE(amp != std::string::npos && amp + 1 < text.size()) << text << " has no access key";
    const char key = static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
    EXPECT_TRUE(taken.emplace(key, text).second) << text << " shares its key with " << taken[key];
  }
}

}  // namespace testing_support
