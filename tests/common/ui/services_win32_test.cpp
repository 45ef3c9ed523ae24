// The real message boxes and input box, answered by a hook as a user would.
#include "ui/win32/services_win32.h"

#include <gtest/gtest.h>

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

}  // namespace
