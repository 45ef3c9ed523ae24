// "Sonstiges": co-sysops through the user picker, forbidden names through
// the name field, and the import comment.
#include "users/frmsonst.h"

#include <gtest/gtest.h>

#include <memory>

#include "win32/dialog_view.h"
#include "users/frmsonst_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

struct MiscView : DialogView<zorq::frmsonst> {
  Names cosysops() const { return listItems(d, IDL_FRMSONST_COSYSOPS); }
  Names forbidden() const { return listItems(d, IDL_FRMSONST_VERBOTEN); }
};

TEST_F(MiscView, ShowsTheFramesListsAndComment) {
  dir.write("daten\\cosysop.txt", "Zorro\r\nabel\r\n");
  dir.write("daten\\userver.txt", "SYSOP\r\nGAST\r\n");
  settings.importComment = "keine Beschreibung";
  open();
  EXPECT_EQ(dialog->Caption(), "Sonstiges");
  EXPECT_NE(findByText(d, "&Cosysopliste"), nullptr);
  EXPECT_NE(findByText(d, "&Verbotene Usernamen"), nullptr);
  EXPECT_EQ(
      fieldOf(d, "&Kommentar bei CD-Import und BIN\xc4R-Import, wenn kein Kommentar gefunden werden kann"),
      GetDlgItem(d, IDE_FRMSONST_KOMMENTAR));
  EXPECT_EQ(cosysops(), (Names{"abel", "Zorro"}));
  EXPECT_EQ(forbidden(), (Names{"SYSOP", "GAST"}));
  EXPECT_EQ(textOf(d, IDE_FRMSONST_KOMMENTAR), "keine Beschreibung");
  EXPECT_TRUE(ui.shown.empty());
  expectTidy(d);
}

TEST_F(MiscView, CosysopsComeFromTheUserPickerOnceAndEntfernenNeedsASelection) {
  dir.write("daten\\cosysop.txt", "Zorro\r\n");
  open();
  pickers.users = {"\xd6zil", "Zorro", "", "Abel"};  // a name, a co-sysop already, cancelled, a name
  for (int i = 0; i < 4; ++i) click(d, IDB_FRMSONST_COSYSOP_DAZU);
  EXPECT_EQ(pickers.userCalls, 4);
  EXPECT_EQ(cosysops(), (Names{"Abel", "\xd6zil", "Zorro"}));
  click(d, IDB_FRMSONST_COSYSOP_ENTFERNEN);  // nothing selected
  EXPECT_EQ(cosysops().size(), 3u);
  choose(d, IDL_FRMSONST_COSYSOPS, 2);
  click(d, IDB_FRMSONST_COSYSOP_ENTFERNEN);
  EXPECT_EQ(cosysops(), (Names{"Abel", "\xd6zil"}));
  click(d, IDB_FRMSONST_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(dir.read("daten\\cosysop.txt"), "Abel\r\n\xd6zil\r\n");
}

TEST_F(MiscView, ForbiddenNamesAreAddedInUpperCaseOnceAndTheFieldIsEmptiedAfterEveryDazu) {
  open();
  for (const char* typed : {"meier", "Meier", ""}) {
    type(d, IDE_FRMSONST_NAME, typed);
    click(d, IDB_FRMSONST_VERBOTEN_DAZU);
    EXPECT_EQ(textOf(d, IDE_FRMSONST_NAME), "");
  }
  EXPECT_EQ(forbidden(), (Names{"MEIER"}));
  // Enter in the name field adds, as "Dazu" does.
  type(d, IDE_FRMSONST_NAME, "gast");
  focus(d, IDE_FRMSONST_NAME);
  ASSERT_EQ(focusedIn(d), GetDlgItem(d, IDE_FRMSONST_NAME));
  SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  pump();
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(forbidden(), (Names{"MEIER", "GAST"}));

  click(d, IDB_FRMSONST_VERBOTEN_ENTFERNEN);  // nothing selected
  EXPECT_EQ(forbidden().size(), 2u);
  choose(d, IDL_FRMSONST_VERBOTEN, 0);
  click(d, IDB_FRMSONST_VERBOTEN_ENTFERNEN);
  click(d, IDB_FRMSONST_OK);
  EXPECT_EQ(dir.read("daten\\userver.txt"), "GAST\r\n");
  EXPECT_EQ(dir.read("daten\\cosysop.txt"), "");
}

TEST_F(MiscView, TheCommentReachesTheRecordOnOkOnlyAndAbbruchWritesNothing) {
  settings.importComment = "alt";
  open();
  type(d, IDE_FRMSONST_KOMMENTAR, "neu");
  type(d, IDE_FRMSONST_NAME, "x");
  click(d, IDB_FRMSONST_VERBOTEN_DAZU);
  click(d, IDB_FRMSONST_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(settings.importComment, "alt");
  EXPECT_FALSE(dir.exists("daten\\userver.txt"));
  EXPECT_FALSE(dir.exists("daten\\main.txt"));

  d = open();
  EXPECT_EQ(textOf(d, IDE_FRMSONST_KOMMENTAR), "alt");
  type(d, IDE_FRMSONST_KOMMENTAR, "CD-Import ohne Beschreibung");
  click(d, IDB_FRMSONST_OK);
  EXPECT_EQ(settings.importComment, "CD-Import ohne Beschreibung");
  EXPECT_FALSE(dir.exists("daten\\main.txt"));
}

}  // namespace
