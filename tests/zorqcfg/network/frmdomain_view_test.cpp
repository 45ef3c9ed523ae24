// The domain routing dialog driven as a sysop would: the three lists, the
// fields, "Neu", "Löschen", "Wahl", "OK" and "Abbruch".
#include "network/frmdomain.h"

#include <gtest/gtest.h>

#include <memory>

#include "win32/dialog_view.h"
#include "network/frmdomain_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;
using Items = std::vector<std::string>;

constexpr int kRecipient = 0, kSender = 1, kRoute = 2;

const std::string kTable =
    " 3\r\nt-online.de~nordlicht.luebeck.de\tWESTHOF\r\nfido.de\tFIDOGATE\r\n*\tWESTHOF\r\n";

struct RoutingView : DialogView<zorq::frmdomain> {
  Items column(int c) const { return listItems(d, IDL_FRMDOMAIN_LIST + c); }
  int selected(int c) const {
    return static_cast<int>(SendDlgItemMessageW(d, IDL_FRMDOMAIN_LIST + c, LB_GETCURSEL, 0, 0));
  }
  std::string field(int c) const { return textOf(d, IDE_FRMDOMAIN_FIELD + c); }
  // The row selected in every list, or -2 when the lists disagree.
  int row() const {
    int r = selected(0);
    return selected(1) == r && selected(2) == r ? r : -2;
  }
  std::string file() const { return dir.read("daten\\routing.txt"); }
};

TEST_F(RoutingView, EachFieldStandsUnderItsList) {
  HWND w = open();
  EXPECT_EQ(fieldOf(w, "&Domain"), GetDlgItem(w, IDE_FRMDOMAIN_FIELD + kRecipient));
  // Each field stands under its list.
  for (int c = 0; c < 3; ++c) {
    RECT list = rectIn(w, GetDlgItem(w, IDL_FRMDOMAIN_LIST + c));
    RECT edit = rectIn(w, GetDlgItem(w, IDE_FRMDOMAIN_FIELD + c));
    EXPECT_EQ(edit.left, list.left);
    EXPECT_GT(edit.top, list.bottom - 1);
  }
  expectTidy(w);
}

TEST_F(RoutingView, TheThreeListsKeepTheSameRowSelectedAndShowItInTheFields) {
  dir.write("daten\\routing.txt", kTable);
  open();
  EXPECT_EQ(column(kRecipient), (Items{"t-online.de", "fido.de", "*"}));
  EXPECT_EQ(column(kSender), (Items{"nordlicht.luebeck.de", "", ""}));
  EXPECT_EQ(column(kRoute), (Items{"WESTHOF", "FIDOGATE", "WESTHOF"}));
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(field(kSender), "nordlicht.luebeck.de");

  choose(d, IDL_FRMDOMAIN_LIST + kRoute, 1);
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(field(kRecipient), "fido.de");
  EXPECT_EQ(field(kSender), "");
  EXPECT_EQ(field(kRoute), "FIDOGATE");
  choose(d, IDL_FRMDOMAIN_LIST + kSender, 2);
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(field(kRecipient), "*");

  // Typing goes at once into the selected row, which stays selected.
  type(d, IDE_FRMDOMAIN_FIELD + kSender, "nordlicht.fido.de");
  EXPECT_EQ(column(kSender), (Items{"nordlicht.luebeck.de", "", "nordlicht.fido.de"}));
  EXPECT_EQ(row(), 2);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RoutingView, NeuAppendsASelectedRowAndLoeschenSelectsTheFirst) {
  dir.write("daten\\routing.txt", kTable);
  open();
  click(d, IDB_FRMDOMAIN_NEU);
  EXPECT_EQ(column(kRecipient), (Items{"t-online.de", "fido.de", "*", "(NEU)"}));
  EXPECT_EQ(column(kRoute).size(), 4u);
  EXPECT_EQ(row(), 3);
  EXPECT_EQ(field(kRecipient), "(NEU)");
  EXPECT_EQ(field(kRoute), "");

  choose(d, IDL_FRMDOMAIN_LIST + kRecipient, 1);
  click(d, IDB_FRMDOMAIN_LOESCHEN);
  EXPECT_EQ(column(kRecipient), (Items{"t-online.de", "*", "(NEU)"}));
  EXPECT_EQ(column(kRoute), (Items{"WESTHOF", "WESTHOF", ""}));
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(field(kRecipient), "t-online.de");

  for (int i = 0; i < 3; ++i) click(d, IDB_FRMDOMAIN_LOESCHEN);
  EXPECT_TRUE(column(kRecipient).empty());
  EXPECT_EQ(row(), -1);
  for (int c = 0; c < 3; ++c) EXPECT_FALSE(isEnabled(d, IDE_FRMDOMAIN_FIELD + c)) << c;  // no row to take it
  click(d, IDB_FRMDOMAIN_OK);
  EXPECT_EQ(file(), " 0\r\n");
}

// The fields take input only while a row is selected: not without a file,
// nor when the file holds no route.
TEST_F(RoutingView, WithoutASelectedRowTheFieldsTakeNoInput) {
  const struct {
    const char* file;
    bool enabled;
  } rows[] = {{"", false}, {" 1\r\nfido.de\tFIDOGATE\r\n", true}, {" 1\r\nohne Tab\r\n", false}};
  for (const auto& r : rows) {
    if (*r.file != '\0') dir.write("daten\\routing.txt", r.file);
    open();
    for (int c = 0; c < 3; ++c) EXPECT_EQ(isEnabled(d, IDE_FRMDOMAIN_FIELD + c), r.enabled) << r.file;
  }
  click(d, IDB_FRMDOMAIN_NEU);
  for (int c = 0; c < 3; ++c) EXPECT_TRUE(isEnabled(d, IDE_FRMDOMAIN_FIELD + c));
}

TEST_F(RoutingView, WahlPutsTheChosenBoxIntoTheRouteAndACancelChangesNothing) {
  dir.write("daten\\routing.txt", kTable);
  open();
  choose(d, IDL_FRMDOMAIN_LIST + kRecipient, 1);
  pickers.netBoxes = {zorq::NetBoxChoice{"K\xdcSTENFUNK", 3, 0, {0, 0, 0, 0}}, std::nullopt};
  click(d, IDB_FRMDOMAIN_WAHL);
  EXPECT_EQ(field(kRoute), "K\xdcSTENFUNK");
  EXPECT_EQ(column(kRoute), (Items{"WESTHOF", "K\xdcSTENFUNK", "WESTHOF"}));
  click(d, IDB_FRMDOMAIN_WAHL);  // "Abbruch" in the picker
  EXPECT_EQ(field(kRoute), "K\xdcSTENFUNK");
  EXPECT_EQ(pickers.netBoxCalls, 2);
  EXPECT_EQ(row(), 1);
}

TEST_F(RoutingView, OkWritesTheTableInItsOrderAndAbbruchWritesNothing) {
  dir.write("daten\\routing.txt", kTable);
  open();
  click(d, IDB_FRMDOMAIN_NEU);
  type(d, IDE_FRMDOMAIN_FIELD + kRoute, "suedwind");
  click(d, IDB_FRMDOMAIN_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file(), kTable);

  open();
  click(d, IDB_FRMDOMAIN_NEU);
  type(d, IDE_FRMDOMAIN_FIELD + kRecipient, "CL-Netz.DE");
  type(d, IDE_FRMDOMAIN_FIELD + kSender, "Nordlicht.DE");
  type(d, IDE_FRMDOMAIN_FIELD + kRoute, "suedwind");
  click(d, IDB_FRMDOMAIN_NEU);  // left as "(NEU)"
  click(d, IDB_FRMDOMAIN_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file(),
            " 5\r\nt-online.de~nordlicht.luebeck.de\tWESTHOF\r\ncl-netz.de~Nordlicht.DE\tSUEDWIND\r\n"
            "fido.de\tFIDOGATE\r\n(neu)\t\r\n*\tWESTHOF\r\n");
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
