// The real message boxes and input box, answered by a hook as a user would.
#include "ui/win32/services_win32.h"

#include <gtest/gtest.h>

#include "ui/win32/common_ids.h"
#include "ui/win32/dialog.h"
#include "win32/view_driver.h"
#include "win32/window_rules.h"

namespace {

using testing_support::BoxAnswerer;

TEST(Win32Services, MessageBoxesShowTheirTextAndReturnTheAnswer) {
  ui::Win32Services services;
  BoxAnswerer answerer([](const BoxAnswerer::Box& box) { return box.title == "Frage" ? IDNO : IDOK; });
  services.notice(
      "Fehler beim Laden von <gr\xfc\xdf"
      "e.txt>");
  EXPECT_FALSE(services.confirm("Wirklich l\xf6schen?"));
  ASSERT_EQ(answerer.seen.size(), 2u);
  EXPECT_EQ(answerer.seen[0].title, "Meldung");
  EXPECT_EQ(answerer.seen[0].text,
            "Fehler beim Laden von <gr\xfc\xdf"
            "e.txt>");
  EXPECT_EQ(answerer.seen[1].text, "Wirklich l\xf6schen?");
}

TEST(Win32Services, InputBoxGivesTheTypedTextOrNothing) {
  ui::Win32Services services;
  bool cancel = false;
  BoxAnswerer answerer({}, [&](HWND box) {
    testing_support::type(box, 102,
                          "S\xfc"
                          "dwest");
    testing_support::click(box, cancel ? IDCANCEL : IDOK);
  });
  EXPECT_EQ(services.input("Name des Presets?", "Preset", "alt"), std::optional<std::string>("S\xfc"
                                                                                             "dwest"));
  cancel = true;
  EXPECT_EQ(services.input("Name des Presets?", "Preset", "alt"), std::nullopt);
}

// The field follows its prompt in tab order: a screen reader reads the
// prompt as the field's name, and Tab goes from the field to the buttons.
TEST(Win32Services, TheInputBoxFieldIsNamedByItsPrompt) {
  ui::Win32Services services;
  std::string name;
  HWND first = nullptr, field = nullptr;
  std::vector<std::string> faults;
  BoxAnswerer answerer({}, [&](HWND box) {
    field = GetDlgItem(box, 102);
    name = testing_support::accessibleName(field);
    first = GetNextDlgTabItem(box, nullptr, FALSE);
    faults = testing_support::accessKeyFaults(testing_support::controlsOf(box));
    testing_support::click(box, IDCANCEL);
  });
  services.input("Name des Presets?", "Preset", "alt");
  EXPECT_EQ(name, "Name des Presets?");
  EXPECT_EQ(first, field);
  EXPECT_TRUE(faults.empty());
}

// A modeless window of the program; kAsk makes it ask a question, as a
// handler of a real dialog would.
constexpr int kAsk = 1234;

class Window : public ui::Dialog {
 public:
  explicit Window(ui::Services* services = nullptr) : Dialog(IDD_INPUTBOX), services_(services) {}
  bool answered = false;

 protected:
  bool OnCommand(int id, int code, HWND control) override {
    if (id != kAsk) return Dialog::OnCommand(id, code, control);
    answered = services_->confirm("Wirklich l\xf6schen?");
    return true;
  }

 private:
  ui::Services* services_;
};

struct Enabled {
  bool a, b, c;
};

// While a message box, the input box or any modal dialog is shown, every
// other window of the program refuses input; afterwards each has the state
// it had before.
TEST(ModalWindows, DisableEveryOtherWindowOfTheProgramWhileTheyAreShown) {
  ui::Win32Services services;
  Window a, b, c;
  ASSERT_TRUE(a.Create(nullptr) && b.Create(a.hwnd()) && c.Create(nullptr));
  EnableWindow(c.hwnd(), FALSE);
  auto state = [&] {
    return Enabled{IsWindowEnabled(a.hwnd()) != 0, IsWindowEnabled(b.hwnd()) != 0,
                   IsWindowEnabled(c.hwnd()) != 0};
  };

  std::vector<Enabled> during;
  {
    BoxAnswerer answerer(
        [&](const BoxAnswerer::Box&) {
          during.push_back(state());
          return IDOK;
        },
        [&](HWND box) {
          during.push_back(state());
          EXPECT_TRUE(IsWindowEnabled(box));
          EndDialog(box, IDCANCEL);
        });
    services.notice("Meldung");
    services.input("Name?", "Preset", "");
    ui::Dialog modal(IDD_INPUTBOX);
    modal.DoModal(a.hwnd());
  }
  ASSERT_EQ(during.size(), 3u);
  for (const Enabled& e : during) EXPECT_FALSE(e.a || e.b || e.c);
  Enabled after = state();
  EXPECT_TRUE(after.a && after.b);
  EXPECT_FALSE(after.c);
}

// A dialog whose handler waits for a modal box is not destroyed under it: a
// close request for it (or for the window that owns it) is carried out when
// the box has returned.
TEST(ModalWindows, ACloseDuringTheLoopADialogStartedWaitsForTheLoop) {
  ui::Win32Services services;
  Window owner;
  ASSERT_TRUE(owner.Create(nullptr));
  Window asking(&services);
  ASSERT_TRUE(asking.Create(owner.hwnd()));
  const HWND ownerWindow = owner.hwnd(), askingWindow = asking.hwnd();

  bool bothStayed = false, inLoop = false;
  BoxAnswerer answerer([&](const BoxAnswerer::Box&) {
    SendMessageW(askingWindow, WM_CLOSE, 0, 0);  // the close box
    asking.End(IDCANCEL);
    owner.End(IDCANCEL);
    testing_support::pump();
    bothStayed = IsWindow(askingWindow) && IsWindow(ownerWindow);
    inLoop = asking.InModalLoop() && owner.InModalLoop();
    return IDYES;
  });
  SendMessageW(askingWindow, WM_COMMAND, MAKEWPARAM(kAsk, BN_CLICKED), 0);
  EXPECT_TRUE(asking.answered);  // the handler ran to its end
  EXPECT_TRUE(bothStayed);
  EXPECT_TRUE(inLoop);
  EXPECT_FALSE(IsWindow(askingWindow));
  EXPECT_FALSE(IsWindow(ownerWindow));
  EXPECT_FALSE(asking.InModalLoop());
}

}  // namespace
