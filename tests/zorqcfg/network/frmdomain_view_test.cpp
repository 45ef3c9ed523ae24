// The domain routing dialog driven as a sysop would: the three lists, the
// fields, "Neu", "Löschen", "Wahl", "OK" and "Abbruch".
#include "network/frmdomain.h"

#include <gtest/gtest.h>

#include <memory>

#include "commands/view_context.h"
#include "network/frmdomain_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;
using Items = std::vector<std::string>;

constexpr int kRecipient = 0, kSender = 1, kRoute = 2;

const std::string kTable =
    " 3\r\nt-online.de~nordlicht.luebeck.de\tWESTHOF\r\nfido.de\tFIDOGATE\r\n*\tWESTHOF\r\n";

struct RoutingView : ::testing::Test, ViewContext {
  std::unique_ptr<zorq::frmdomain> dialog;

  HWND open() {
    dialog = std::make_unique<zorq::frmdomain>(ctx);
    EXPECT_TRUE(dialog->Create(nullptr));
    pump();
    return dialog->hwnd();
  }
  HWND d() const { return dialog->hwnd(); }
  Items column(int c) const { return listItems(d(), IDL_FRMDOMAIN_LIST + c); }
  int selected(int c) const {
    return static_cast<int>(SendDlgItemMessageW(d(), IDL_FRMDOMAIN_LIST + c, LB_GETCURSEL, 0, 0));
  }
  std::string field(int c) const { return textOf(d(), IDE_FRMDOMAIN_FIELD + c); }
  // The row selected in every list, or -2 when the lists disagree.
  int row() const {
    int r = selected(0);
    return selected(1) == r && selected(2) == r ? r : -2;
  }
  std::string file() const { return dir.read("daten\\routing.txt"); }
};

TEST_F(RoutingView, ShowsTheColumnsFieldsAndExplanationsInFull) {
  HWND w = open();
  EXPECT_EQ(dialog->Caption(), "Domainrouting");
  EXPECT_EQ(textOf(w, IDT_FRMDOMAIN_HEAD + 0), "&Empf\xe4ngerdomain, oder Boxnamenangabe (mit Domain)");
  EXPECT_EQ(textOf(w, IDT_FRMDOMAIN_HEAD + 1), "A&bsenderdomain");
  EXPECT_EQ(textOf(w, IDT_FRMDOMAIN_HEAD + 2),
            "wird &geroutet \xfc"
            "ber");
  EXPECT_EQ(fieldOf(w, "&Domain"), GetDlgItem(w, IDE_FRMDOMAIN_FIELD + kRecipient));
  EXPECT_EQ(textOf(w, IDC_FRMDOMAIN_FRAME), "Erl\xe4uterungen");
  EXPECT_EQ(
      textOf(w, IDT_FRMDOMAIN_NOTE + 0),
      "Ein * bei der Empf\xe4ngerdomain symbolisiert alle Empf\xe4ngerdomains, die sonst NICHT eingetragen "
      "sind. (Smarthost)");
  EXPECT_EQ(
      textOf(w, IDT_FRMDOMAIN_NOTE + 1),
      "Beispiel: Empf\xe4nger: * Absender: <leer> Route: WESTHOF / dies routet alle unbekannten Empf\xe4nger "
      "\xfc"
      "ber die WESTHOF");
  EXPECT_EQ(textOf(w, IDT_FRMDOMAIN_NOTE + 2), "Bleibt die Absenderdomain leer, ist der Absender unwichtig.");
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

  choose(d(), IDL_FRMDOMAIN_LIST + kRoute, 1);
  EXPECT_EQ(row(), 1);
  EXPECT_EQ(field(kRecipient), "fido.de");
  EXPECT_EQ(field(kSender), "");
  EXPECT_EQ(field(kRoute), "FIDOGATE");
  choose(d(), IDL_FRMDOMAIN_LIST + kSender, 2);
  EXPECT_EQ(row(), 2);
  EXPECT_EQ(field(kRecipient), "*");

  // Typing goes at once into the selected row, which stays selected.
  type(d(), IDE_FRMDOMAIN_FIELD + kSender, "nordlicht.fido.de");
  EXPECT_EQ(column(kSender), (Items{"nordlicht.luebeck.de", "", "nordlicht.fido.de"}));
  EXPECT_EQ(row(), 2);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RoutingView, NeuAppendsASelectedRowAndLoeschenSelectsTheFirst) {
  dir.write("daten\\routing.txt", kTable);
  open();
  click(d(), IDB_FRMDOMAIN_NEU);
  EXPECT_EQ(column(kRecipient), (Items{"t-online.de", "fido.de", "*", "(NEU)"}));
  EXPECT_EQ(column(kRoute).size(), 4u);
  EXPECT_EQ(row(), 3);
  EXPECT_EQ(field(kRecipient), "(NEU)");
  EXPECT_EQ(field(kRoute), "");

  choose(d(), IDL_FRMDOMAIN_LIST + kRecipient, 1);
  click(d(), IDB_FRMDOMAIN_LOESCHEN);
  EXPECT_EQ(column(kRecipient), (Items{"t-online.de", "*", "(NEU)"}));
  EXPECT_EQ(column(kRoute), (Items{"WESTHOF", "WESTHOF", ""}));
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(field(kRecipient), "t-online.de");

  for (int i = 0; i < 3; ++i) click(d(), IDB_FRMDOMAIN_LOESCHEN);
  EXPECT_TRUE(column(kRecipient).empty());
  EXPECT_EQ(row(), -1);
  type(d(), IDE_FRMDOMAIN_FIELD + kRecipient, "ins leere");  // no row to take it
  click(d(), IDB_FRMDOMAIN_OK);
  EXPECT_EQ(file(), " 0\r\n");
}

TEST_F(RoutingView, WahlPutsTheChosenBoxIntoTheRouteAndACancelChangesNothing) {
  dir.write("daten\\routing.txt", kTable);
  open();
  choose(d(), IDL_FRMDOMAIN_LIST + kRecipient, 1);
  pickers.netBoxes = {zorq::NetBoxChoice{"K\xdcSTENFUNK", 3, 0, {0, 0, 0, 0}}, std::nullopt};
  click(d(), IDB_FRMDOMAIN_WAHL);
  EXPECT_EQ(field(kRoute), "K\xdcSTENFUNK");
  EXPECT_EQ(column(kRoute), (Items{"WESTHOF", "K\xdcSTENFUNK", "WESTHOF"}));
  click(d(), IDB_FRMDOMAIN_WAHL);  // "Abbruch" in the picker
  EXPECT_EQ(field(kRoute), "K\xdcSTENFUNK");
  EXPECT_EQ(pickers.netBoxCalls, 2);
  EXPECT_EQ(row(), 1);
}

TEST_F(RoutingView, OkWritesTheTableInItsOrderAndAbbruchWritesNothing) {
  dir.write("daten\\routing.txt", kTable);
  open();
  click(d(), IDB_FRMDOMAIN_NEU);
  type(d(), IDE_FRMDOMAIN_FIELD + kRecipient, "CL-Netz.DE");
  type(d(), IDE_FRMDOMAIN_FIELD + kSender, "Nordlicht.DE");
  type(d(), IDE_FRMDOMAIN_FIELD + kRoute, "suedwind");
  click(d(), IDB_FRMDOMAIN_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file(), kTable);

  open();
  click(d(), IDB_FRMDOMAIN_NEU);
  type(d(), IDE_FRMDOMAIN_FIELD + kRecipient, "CL-Netz.DE");
  type(d(), IDE_FRMDOMAIN_FIELD + kSender, "Nordlicht.DE");
  type(d(), IDE_FRMDOMAIN_FIELD + kRoute, "suedwind");
  click(d(), IDB_FRMDOMAIN_NEU);  // left as "(NEU)"
  click(d(), IDB_FRMDOMAIN_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file(),
            " 5\r\nt-online.de~nordlicht.luebeck.de\tWESTHOF\r\ncl-netz.de~Nordlicht.DE\tSUEDWIND\r\n"
            "fido.de\tFIDOGATE\r\n(neu)\t\r\n*\tWESTHOF\r\n");
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(RoutingView, AFailedSaveIsToldAndTheDialogStaysOpenWithTheEdits) {
  open();
  click(d(), IDB_FRMDOMAIN_NEU);
  type(d(), IDE_FRMDOMAIN_FIELD + kRoute, "WESTHOF");
  where.installDir = dir.path() + "fehlt\\";
  click(d(), IDB_FRMDOMAIN_OK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_TRUE(ui.shown[0].text.starts_with("Fehler beim Speichern von <routing.txt>\r\n"))
      << ui.shown[0].text;
  EXPECT_EQ(ui.shown[0].title, "Meldung");
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(column(kRoute), Items{"WESTHOF"});
}

}  // namespace
