// Every window of both programs, read from the built programs: dialogs added
// later are checked without being named here.
#include <gtest/gtest.h>

#include "win32/demo_install.h"
#include "win32/exe_driver.h"
#include "win32/window_rules.h"

namespace {

using namespace testing_support;

void expectAccessKeys(const std::string& exe, std::size_t atLeast) {
  const std::vector<DialogTemplate> dialogs = dialogTemplates(exe);
  EXPECT_GE(dialogs.size(), atLeast) << exe;
  for (const DialogTemplate& d : dialogs) {
    for (const std::string& fault : accessKeyFaults(d.controls))
      ADD_FAILURE() << "dialog " << d.name << " \"" << d.caption << "\": " << fault;
  }
}

TEST(EveryWindow, ButtonsCheckBoxesOptionButtonsAndLabelsHaveUniqueAccessKeys) {
  expectAccessKeys(zorqcfgExe(), 8);
  expectAccessKeys(windowsPath(VALMORIN_SETUP_EXE), 7);
}

// The rule itself: what it finds and what it lets pass.
TEST(EveryWindow, TheAccessKeyRule) {
  const DWORD push = BS_PUSHBUTTON, check = BS_AUTOCHECKBOX;
  EXPECT_EQ(accessKey("&Ende"), 'e');
  EXPECT_EQ(accessKey("Schlo&\xdf"), '\xdf');
  EXPECT_EQ(accessKey("A&&B"), 0);
  EXPECT_TRUE(accessKeyFaults({{L"Button", push, "&Weiter>"},
                               {L"Button", push, "&Abbruch"},
                               {L"Button", push, "..."},
                               {L"Button", push, "<<keine>>"},
                               {L"Button", push, ""},
                               {L"Static", SS_LEFT, "&Organisation"},
                               {L"Static", SS_LEFT, "Kommentar"},
                               {L"Static", SS_LEFT | SS_NOPREFIX, "K&ommentar"},
                               {L"Button", BS_GROUPBOX, "Rahmen"}})
                  .empty());
  EXPECT_EQ(
      accessKeyFaults({{L"Static", SS_LEFT, "&Organisation"}, {L"Static", SS_LEFT, "K&ommentar"}}).size(),
      1u);
  EXPECT_EQ(accessKeyFaults({{L"Button", push, "OK"}}).size(), 1u);
  EXPECT_EQ(accessKeyFaults({{L"Button", push, "&Abbruch"}, {L"Button", check, "&aktiv"}}).size(), 1u);
  EXPECT_EQ(accessKeyFaults({{L"Button", push, "&\xc4ndern"}, {L"Button", push, "\xe4&ndern"}}).size(), 0u);
  EXPECT_EQ(accessKeyFaults({{L"Button", push, "&\xc4ndern"}, {L"Button", push, "&\xe4ndern"}}).size(), 1u);
  EXPECT_EQ(accessKeyFaults({{L"Static", SS_LEFT, "&Name"}, {L"Button", push, "&Neu"}}).size(), 1u);
  EXPECT_EQ(accessKeyFaults({{L"Static", SS_LEFT, "&Name"}, {L"Button", BS_GROUPBOX, "&Netz"}}).size(), 1u);
  EXPECT_EQ(accessKeyFaults({{L"Button", BS_GROUPBOX, "&Neu"}, {L"Button", push, "&Neu"}}).size(), 1u);
  // A column of a table: the rows' first controls carry the keys.
  EXPECT_TRUE(accessKeyFaults({{L"Button", check, "Port &0"},
                               {L"Button", check, "aktiv"},
                               {L"Button", check, "Port &1"},
                               {L"Button", check, "aktiv"}})
                  .empty());
  EXPECT_EQ(accessKeyFaults({{L"Button", push, "&Neu"}, {L"Button", push, "&Neu"}}).size(), 1u);
}

}  // namespace
