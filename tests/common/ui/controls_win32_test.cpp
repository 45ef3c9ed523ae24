// Hooks into control messages, and the dialog's kept control handles.
#include "ui/win32/subclass.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/win32/common_ids.h"
#include "ui/win32/dialog.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kTwice = WM_APP + 2;
constexpr UINT kNested = WM_APP + 3;

// What each hook saw, in order; the control itself answers kProbe with 7.
std::string seen;

LRESULT CALLBACK Control(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe || msg == kTwice) {
    seen += "control ";
    return 7;
  }
  if (msg == WM_NCDESTROY) seen += "control-end ";
  return DefWindowProcW(w, msg, wp, lp);
}

// Each hook writes its data (a letter) and hands the message on.
LRESULT CALLBACK Letter(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  if (msg == kProbe || msg == kTwice || msg == kNested || msg == WM_NCDESTROY)
    seen += std::string(1, static_cast<char>(data)) + (msg == WM_NCDESTROY ? "-end " : " ");
  if (msg == kTwice) {
    LRESULT first = ui::CallNextHook(w, msg, wp, lp);
    return first + ui::CallNextHook(w, msg, wp, lp);
  }
  if (msg == kNested) return SendMessageW(w, kProbe, 0, 0);
  return ui::CallNextHook(w, msg, wp, lp);
}

WNDPROC below = nullptr;
LRESULT CALLBACK Outer(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kProbe) seen += "outer ";
  return CallWindowProcW(below, h, msg, wp, lp);
}

LRESULT CALLBACK Answer(HWND, UINT msg, WPARAM, LPARAM, UINT_PTR, DWORD_PTR data) {
  return msg == kProbe ? static_cast<LRESULT>(data) : 0;
}

HWND makeControl() {
  static const ATOM kind = [] {
    WNDCLASSW c{};
    c.lpfnWndProc = Control;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = L"ValmorinHookProbe";
    return RegisterClassW(&c);
  }();
  return CreateWindowExW(0, MAKEINTATOM(kind), L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

// The latest hook sees a message first; each hands it on, and the control
// answers last. Added again, a hook only gets new data; a hook may hand one
// message on twice, or send its control another message that runs the whole
// chain again.
TEST(ControlHooks, RunLatestFirstAndHandEachMessageOnToTheControl) {
  HWND w = makeControl();
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(ui::Subclass(w, Letter, 1, 'a'));
  ASSERT_TRUE(ui::Subclass(w, Letter, 2, 'b'));
  ASSERT_TRUE(ui::Subclass(w, Letter, 1, 'c'));  // replaces 'a'
  DWORD_PTR data = 0;
  EXPECT_TRUE(ui::FindSubclass(w, Letter, 1, &data));
  EXPECT_EQ(data, static_cast<DWORD_PTR>('c'));
  EXPECT_FALSE(ui::FindSubclass(w, Letter, 3, &data));

  seen.clear();
  EXPECT_EQ(SendMessageW(w, kProbe, 0, 0), 7);
  EXPECT_EQ(seen, "b c control ");

  seen.clear();
  EXPECT_EQ(SendMessageW(w, kTwice, 0, 0), 7 * 4);
  EXPECT_EQ(seen, "b c control control c control control ");

  seen.clear();
  EXPECT_EQ(SendMessageW(w, kNested, 0, 0), 7);
  EXPECT_EQ(seen, "b b c control ");

  // Every hook sees the end of the window, then it is forgotten.
  seen.clear();
  DestroyWindow(w);
  EXPECT_EQ(seen, "b-end c-end control-end ");
  EXPECT_FALSE(ui::FindSubclass(w, Letter, 1, nullptr));
}

// A window procedure set over the hooks (someone else's subclass) still
// reaches them, and a hook may answer without handing the message on.
TEST(ControlHooks, WorkUnderAnotherSubclassAndMayAnswerThemselves) {
  HWND w = makeControl();
  ASSERT_TRUE(ui::Subclass(w, Letter, 1, 'a'));
  below = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Outer)));
  seen.clear();
  EXPECT_EQ(SendMessageW(w, kProbe, 0, 0), 7);
  EXPECT_EQ(seen, "outer a control ");

  ASSERT_TRUE(ui::Subclass(w, Answer, 1, 42));
  seen.clear();
  EXPECT_EQ(SendMessageW(w, kProbe, 0, 0), 42);
  EXPECT_EQ(seen, "outer ");
  DestroyWindow(w);
}

class Probe : public ui::Dialog {
 public:
  Probe() : Dialog(IDD_INPUTBOX) {}
};

// The dialog keeps its controls' handles, but a control destroyed and made
// again under the same id is found as the new one, and a gone one not at all.
TEST(DialogItems, AControlMadeAgainUnderItsIdIsFoundAsTheNewOne) {
  Probe d;
  ASSERT_TRUE(d.Create(nullptr));
  HWND first = d.Item(IDE_INPUTBOX_TEXT);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(d.Item(IDE_INPUTBOX_TEXT), first);

  DestroyWindow(first);
  EXPECT_EQ(d.Item(IDE_INPUTBOX_TEXT), nullptr);
  HWND again = CreateWindowExW(0, L"Edit", L"neu", WS_CHILD | WS_VISIBLE, 0, 0, 50, 12, d.hwnd(),
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDE_INPUTBOX_TEXT)),
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(d.Item(IDE_INPUTBOX_TEXT), again);
  EXPECT_EQ(d.ItemText(IDE_INPUTBOX_TEXT), "neu");
  d.End(IDCANCEL);
}

}  // namespace
