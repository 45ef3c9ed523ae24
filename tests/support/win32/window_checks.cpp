#include "win32/window_checks.h"

#include <gtest/gtest.h>

#include "win32/view_driver.h"
#include "win32/window_rules.h"

namespace testing_support {

namespace {

std::wstring classOf(HWND w) {
  wchar_t name[64] = {};
  GetClassNameW(w, name, 64);
  return name;
}

enum class Lines { none, one, wrapped };

// How a control shows its text: not at all (edits, lists and pictures are
// left to the eye), on one line, or wrapped at the control's width.
Lines linesOf(HWND control, LONG style) {
  const std::wstring cls = classOf(control);
  if (cls == L"Button") {
    if ((style & BS_TYPEMASK) == BS_OWNERDRAW) return Lines::none;
    return (style & BS_MULTILINE) != 0 && (style & BS_TYPEMASK) != BS_GROUPBOX ? Lines::wrapped : Lines::one;
  }
  if (cls != L"Static") return Lines::none;
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT: return Lines::wrapped;
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return Lines::one;
    default: return Lines::none;
  }
}

// The width a check box or option button keeps for its box, 0 for others.
int boxOf(HWND control, LONG style) {
  if (classOf(control) != L"Button" || (style & BS_PUSHLIKE) != 0) return 0;
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE: return GetSystemMetrics(SM_CXMENUCHECK) + 4;
    default: return 0;
  }
}

// The text as drawn: a single "&" marks the access key, "&&" shows one.
std::wstring shownText(HWND control, LONG style) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  if (classOf(control) == L"Static" && (style & SS_NOPREFIX) != 0) return text;
  std::wstring shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && ++i == text.size()) break;
    shown += text[i];
  }
  return shown;
}

void expectTextFits(HWND control, const RECT& r) {
  const LONG style = GetWindowLongW(control, GWL_STYLE);
  const Lines lines = linesOf(control, style);
  if (lines == Lines::none) return;
  const std::wstring shown = shownText(control, style);
  const LONG room = (r.right - r.left) - boxOf(control, style);
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW m{};
  GetTextMetricsW(dc, &m);
  RECT need{0, 0, room, 0};
  const UINT how = lines == Lines::wrapped ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &need, DT_CALCRECT | DT_NOPREFIX | how);
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(control, dc);
  EXPECT_LE(need.right, room) << textOf(control);
  if (need.bottom > m.tmHeight) {  // wrapped: the lines must fit its height
    EXPECT_LE(need.bottom, r.bottom - r.top) << textOf(control);
  }
}

}  // namespace

RECT rectIn(HWND window, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int textWidth(HWND control, const std::wstring& text) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(control, dc);
  return size.cx;
}

void expectEverythingFits(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  for (HWND c = GetWindow(window, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
    const RECT r = rectIn(window, c);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
        << textOf(c);
    expectTextFits(c, r);
  }
}

void expectTidy(HWND window) {
  expectEverythingFits(window);
  for (const std::string& fault : accessKeyFaults(controlsOf(window))) ADD_FAILURE() << fault;
}

}  // namespace testing_support
