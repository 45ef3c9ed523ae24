// The languages dialog: five names, their "Edit" buttons, "OK" and
// "Abbruch".
#include "users/sprachen.h"

#include <gtest/gtest.h>

#include <memory>

#include "win32/dialog_view.h"
#include "users/sprachen_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;

struct LanguagesView : DialogView<zorq::sprachen> {
  std::string name(int slot) const { return textOf(d, IDE_SPRACHEN_NAME + slot); }
};

TEST_F(LanguagesView, ShowsTheFiveSlotsInTheFrameBesideTheirLabels) {
  dir.write("daten\\sprachen.txt", "deutsch\r\nenglish\r\n\r\n\r\n\r\n");
  open();
  EXPECT_EQ(dialog->Caption(), "Spracheinstellungen");
  EXPECT_NE(findByText(d, "Vorhandene Sprachen"), nullptr);
  EXPECT_EQ(fieldOf(d, "&Hauptsprache"), GetDlgItem(d, IDE_SPRACHEN_NAME));
  for (int slot = 1; slot < zorq::kLanguageSlots; ++slot)
    EXPECT_EQ(fieldOf(d, "Sprache &" + std::to_string(slot + 1)), GetDlgItem(d, IDE_SPRACHEN_NAME + slot));
  EXPECT_EQ(name(0), "deutsch");
  EXPECT_EQ(name(1), "english");
  expectTidy(d);
}

TEST_F(LanguagesView, EditOpensTheFieldsNameAsTypedAndAnEmptyFieldStartsNothing) {
  where.windowsDir = "C:\\WINDOWS\\";
  where.installDir = "C:\\Programme\\Valmorin Box\\";
  open();
  type(d, IDE_SPRACHEN_NAME + 2, "platt");
  click(d, IDB_SPRACHEN_EDIT + 2);
  click(d, IDB_SPRACHEN_EDIT + 4);
  ASSERT_EQ(system.started.size(), 1u);
  EXPECT_EQ(system.started[0], "C:\\WINDOWS\\notepad.exe \"C:\\Programme\\Valmorin Box\\texte\\platt.lng\"");
  EXPECT_TRUE(dialog->IsOpen());
}

TEST_F(LanguagesView, ALoadErrorIsToldAndOkWritesTheFields) {
  dir.write("daten\\sprachen.txt", "deutsch\r\n");
  open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <sprachen.txt>");
  type(d, IDE_SPRACHEN_NAME + 4, "platt");
  click(d, IDB_SPRACHEN_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(dir.read("daten\\sprachen.txt"), "deutsch\r\n\r\n\r\n\r\nplatt\r\n");
}

TEST_F(LanguagesView, AbbruchWritesNothing) {
  open();
  type(d, IDE_SPRACHEN_NAME, "deutsch");
  click(d, IDB_SPRACHEN_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(dir.exists("daten\\sprachen.txt"));
}

}  // namespace
