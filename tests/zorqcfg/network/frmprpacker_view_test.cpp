// The packer dialog driven as a sysop would: the list, "nächster",
// "vorheriger", the fields, "OK" and "Abbruch".
#include "network/frmprpacker.h"

#include <gtest/gtest.h>

#include <memory>

#include "win32/dialog_view.h"
#include "network/frmprpacker_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

constexpr int kName = 0, kPack = 1, kSuffix = 3, kList = 5;

std::string repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

const std::string kPackers =
    "ARJ\r\nARJ a -e -y $A $F\r\nARJ e -y $A\r\nARJ\r\nARJ\r\n"
    "PKZIP 2.04g\r\nPKZIP -a $A $F\r\nPKUNZIP -o $A\r\nZIP\r\nZIP\r\n" +
    repeat("\r\n", 40);
const std::string kLists = "ARJ l $A\r\nPKUNZIP -v $A\r\n" + repeat("\r\n", 8);

struct PackerView : DialogView<zorq::frmprpacker> {
  std::string field(int f) const { return textOf(d, IDE_FRMPRPACKER_FIELD + f); }
  int row() const {
    return static_cast<int>(SendDlgItemMessageW(d, IDL_FRMPRPACKER_NAMES, LB_GETCURSEL, 0, 0));
  }
};

TEST_F(PackerView, FieldsStandRightOfTheirLabelsAndTheButtonsInOrder) {
  HWND w = open();
  const char* labels[] = {"Na&me", "&Packen", "&Entpacken", "&Suffix", "&Kennung", "&List"};
  for (int f = 0; f < 6; ++f) EXPECT_EQ(fieldOf(w, labels[f]), GetDlgItem(w, IDE_FRMPRPACKER_FIELD + f));
  // "nächster" leftmost, then "vorheriger", "Abbruch" and "OK".
  int left = -1;
  for (int id :
       {IDB_FRMPRPACKER_NAECHSTER, IDB_FRMPRPACKER_VORHERIGER, IDB_FRMPRPACKER_ABBRUCH, IDB_FRMPRPACKER_OK}) {
    RECT r = rectIn(w, GetDlgItem(w, id));
    EXPECT_GT(r.left, left);
    left = r.left;
  }
  expectTidy(w);
}

TEST_F(PackerView, TheButtonsAndTheListMoveBetweenPackersAndOneOkWritesThemAll) {
  dir.write("daten\\packer.txt", kPackers);
  dir.write("daten\\pack2.txt", kLists);
  open();
  EXPECT_EQ(listItems(d, IDL_FRMPRPACKER_NAMES),
            (Names{"ARJ", "PKZIP 2.04g", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(field(kPack), "ARJ a -e -y $A $F");

  click(d, IDB_FRMPRPACKER_VORHERIGER);  // stays on packer 0
  EXPECT_EQ(row(), 0);
  type(d, IDE_FRMPRPACKER_FIELD + kName, "ARJ 2.41");
  click(d, IDB_FRMPRPACKER_NAECHSTER);
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(field(kList), "PKUNZIP -v $A");
  type(d, IDE_FRMPRPACKER_FIELD + kSuffix, "ZIPPO");

  choose(d, IDL_FRMPRPACKER_NAMES, 9);
  EXPECT_EQ(field(kName), "");
  type(d, IDE_FRMPRPACKER_FIELD + kName, "  RAR 2.0");
  type(d, IDE_FRMPRPACKER_FIELD + kPack, "   RAR a -y $A $F");
  click(d, IDB_FRMPRPACKER_NAECHSTER);  // stays on packer 9, keeps the fields
  EXPECT_EQ(row(), 9);
  EXPECT_EQ(field(kName), "RAR 2.0");
  EXPECT_EQ(field(kPack), "RAR a -y $A $F");
  // The list keeps the names it was filled with.
  EXPECT_EQ(listItems(d, IDL_FRMPRPACKER_NAMES)[0], "ARJ");

  click(d, IDB_FRMPRPACKER_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("packer.txt"),
            "ARJ 2.41\r\nARJ a -e -y $A $F\r\nARJ e -y $A\r\nARJ\r\nARJ\r\n"
            "PKZIP 2.04g\r\nPKZIP -a $A $F\r\nPKUNZIP -o $A\r\nZIPP\r\nZIP\r\n" +
                repeat("\r\n", 35) + "RAR 2.0\r\nRAR a -y $A $F\r\n\r\n\r\n\r\n");
  EXPECT_EQ(file("pack2.txt"), kLists);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(PackerView, AfterAShortPack2TheFieldsShowThePackerAndOkKeepsEveryOne) {
  dir.write("daten\\packer.txt", kPackers);
  dir.write("daten\\pack2.txt", "ARJ l $A\r\n");
  open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <packer.txt>");
  EXPECT_EQ(field(kName), "ARJ");
  EXPECT_EQ(field(kList), "ARJ l $A");
  click(d, IDB_FRMPRPACKER_NAECHSTER);
  click(d, IDB_FRMPRPACKER_OK);
  EXPECT_EQ(file("packer.txt"), kPackers);
  EXPECT_EQ(file("pack2.txt"), "ARJ l $A\r\n" + repeat("\r\n", 9));
  EXPECT_EQ(file("pack2.txt.bak"), "ARJ l $A\r\n");
}

TEST_F(PackerView, AbbruchWritesNothing) {
  open();
  EXPECT_EQ(listItems(d, IDL_FRMPRPACKER_NAMES), Names(10, ""));
  type(d, IDE_FRMPRPACKER_FIELD + kName, "ARJ");
  click(d, IDB_FRMPRPACKER_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(dir.exists("daten\\packer.txt"));
}

}  // namespace
