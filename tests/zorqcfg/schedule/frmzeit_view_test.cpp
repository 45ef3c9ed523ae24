// The schedule editor driven as a sysop would: the two lists, the fields,
// the event buttons with their small dialogs, "OK" and "Abbruch".
#include "schedule/frmzeit.h"

#include <gtest/gtest.h>

#include <memory>

#include "schedule/frmsperre_ids.h"
#include "schedule/frmwoch_ids.h"
#include "schedule/frmzeit_ids.h"
#include "schedule/janus2_ids.h"
#include "schedule/zeit.h"
#include "win32/dialog_view.h"
#include "win32/modal_script.h"

namespace {

using namespace testing_support;
using Strings = std::vector<std::string>;

struct EditorView : DialogView<zorq::frmzeit> {
  HWND open(const std::string& zeit = {}) {
    if (!zeit.empty()) dir.write("daten\\zeit.txt", zeit);
    return DialogView::open();
  }
  Strings times() const { return listItems(d, IDL_FRMZEIT_ZEITEN); }
  Strings events() const { return listItems(d, IDL_FRMZEIT_EREIGNISSE); }
  int row(int list) const { return static_cast<int>(SendDlgItemMessageW(d, list, LB_GETCURSEL, 0, 0)); }
  std::string zeit() const { return textOf(d, IDE_FRMZEIT_ZEIT); }
  std::string ereignis() const { return textOf(d, IDE_FRMZEIT_EREIGNIS); }
  // Both lists mark the same row, and the fields show its entry.
  void expectSelected(int index) const {
    EXPECT_EQ(row(IDL_FRMZEIT_ZEITEN), index);
    EXPECT_EQ(row(IDL_FRMZEIT_EREIGNISSE), index);
    if (index >= 0) {
      EXPECT_EQ(zeit(), times()[static_cast<std::size_t>(index)]);
      EXPECT_EQ(ereignis(), events()[static_cast<std::size_t>(index)]);
    }
  }
  std::string file(const std::string& name = "zeit.txt") const { return dir.read("daten\\" + name); }
};

const std::string kThree = " 3\r\n08:00\r\nCRCH\r\n09:00\r\nSPER 0 ON\r\n10:00\r\nCRCH *(Mon,Fri)\r\n";

TEST_F(EditorView, ShowsTheScheduleInTwoListsLabelledAsTheSysopKnowsThem) {
  open(kThree);
  EXPECT_EQ(dialog->Caption(), "Zeitplan");
  EXPECT_EQ(fieldOf(d, "&Uhrzeit (SS:MM)"), GetDlgItem(d, IDL_FRMZEIT_ZEITEN));
  EXPECT_EQ(fieldOf(d, "Ere&ignis"), GetDlgItem(d, IDL_FRMZEIT_EREIGNISSE));
  EXPECT_EQ(fieldOf(d, "&Zeit"), GetDlgItem(d, IDE_FRMZEIT_ZEIT));
  EXPECT_EQ(fieldOf(d, "Erei&gnis"), GetDlgItem(d, IDE_FRMZEIT_EREIGNIS));
  EXPECT_EQ(fieldOf(d, "Ereignis"), GetDlgItem(d, IDE_FRMZEIT_EREIGNIS));  // the field before the list
  EXPECT_EQ(times(), (Strings{"08:00", "09:00", "10:00"}));
  EXPECT_EQ(events(), (Strings{"CRCH", "SPER 0 ON", "CRCH *(Mon,Fri)"}));
  expectSelected(0);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(EditorView, ClickingARowSelectsItInBothListsAndTypingStoresAtOnce) {
  open(kThree);
  choose(d, IDL_FRMZEIT_EREIGNISSE, 2);
  expectSelected(2);
  choose(d, IDL_FRMZEIT_ZEITEN, 1);
  expectSelected(1);
  type(d, IDE_FRMZEIT_ZEIT, "9:30");
  type(d, IDE_FRMZEIT_EREIGNIS, "PORT 2 OFF");
  EXPECT_EQ(times(), (Strings{"08:00", "9:30", "10:00"}));
  EXPECT_EQ(events(), (Strings{"CRCH", "PORT 2 OFF", "CRCH *(Mon,Fri)"}));
  expectSelected(1);
  click(d, IDB_FRMZEIT_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file(), " 3\r\n08:00\r\nCRCH\r\n09:30\r\nPORT 2 OFF\r\n10:00\r\nCRCH *(Mon,Fri)\r\n");
}

// Text the file cannot hold never reaches a row: the row keeps what it had,
// "OK" refuses while the field shows such text, and another row chosen
// meanwhile shows the row as it was.
TEST_F(EditorView, TextTheFileCannotHoldNeverReachesARow) {
  open(kThree);
  SetWindowTextW(GetDlgItem(d, IDE_FRMZEIT_EREIGNIS), L"DOSC \u0141\u00d3D\u0179.BAT");
  pump();
  EXPECT_EQ(events()[0], "CRCH");
  click(d, IDB_FRMZEIT_OK);
  ASSERT_TRUE(dialog->IsOpen());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_NE(ui.shown[0].text.find("\"Ereignis\""), std::string::npos) << ui.shown[0].text;
  EXPECT_NE(ui.shown[0].text.find("U+0141 U+0179"), std::string::npos) << ui.shown[0].text;
  choose(d, IDL_FRMZEIT_ZEITEN, 1);
  choose(d, IDL_FRMZEIT_ZEITEN, 0);
  EXPECT_EQ(ereignis(), "CRCH");
  click(d, IDB_FRMZEIT_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file(), kThree);
}

TEST_F(EditorView, NeuOnAnEmptyListMakesTheEntryAndOkWritesItLast) {
  open();
  EXPECT_TRUE(times().empty());
  click(d, IDB_FRMZEIT_NEU);
  EXPECT_EQ(times(), (Strings{"23:59"}));
  EXPECT_EQ(zeit(), "23:59");
  EXPECT_EQ(ereignis(), "");
  expectSelected(0);
  click(d, IDB_FRMZEIT_CRUNCHER);
  click(d, IDB_FRMZEIT_NEU);
  type(d, IDE_FRMZEIT_ZEIT, "1:00");
  click(d, IDB_FRMZEIT_OK);  // no sorting
  EXPECT_EQ(file(), " 2\r\n23:59\r\nCRCH\r\n01:00\r\n\r\n");
}

TEST_F(EditorView, SortierenShowsTheSortedListFromTheFirstRow) {
  open(" 3\r\n23:59\r\na\r\n7:30\r\nb\r\nabc\r\nc\r\n");
  choose(d, IDL_FRMZEIT_ZEITEN, 2);
  click(d, IDB_FRMZEIT_SORTIEREN);
  EXPECT_EQ(times(), (Strings{"abc", "07:30", "23:59"}));
  EXPECT_EQ(events(), (Strings{"c", "b", "a"}));
  expectSelected(0);
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown[0].text, "abc hat das falsche Format (SS:MM)");
}

TEST_F(EditorView, ALoadErrorIsToldAndTheCompletePairsShowWithNoneSelected) {
  open(" 2\r\n08:00\r\nCRCH\r\n09:00\r\n");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <zeit.txt>");
  EXPECT_EQ(ui.shown[0].title, "Meldung");
  EXPECT_EQ(ui.shown[0].icon, ui::Icon::Information);
  EXPECT_EQ(times(), (Strings{"08:00"}));
  expectSelected(-1);
  click(d, IDB_FRMZEIT_OK);
  EXPECT_EQ(file(), " 1\r\n08:00\r\nCRCH\r\n");
  EXPECT_EQ(file("zeit.txt.bak"), " 2\r\n08:00\r\nCRCH\r\n09:00\r\n");
}

// The fields take input only while an entry is selected: not in an empty
// list, nor after a load error, which selects none, until a row is chosen.
TEST_F(EditorView, WithoutASelectedEntryTheFieldsTakeNoInput) {
  const struct {
    const char* zeit;
    bool enabled;
  } rows[] = {{"", false}, {" 2\r\n08:00\r\nCRCH\r\n09:00\r\n", false}, {" 1\r\n08:00\r\nCRCH\r\n", true}};
  for (const auto& r : rows) {
    open(r.zeit);
    EXPECT_EQ(isEnabled(d, IDE_FRMZEIT_ZEIT), r.enabled) << r.zeit;
    EXPECT_EQ(isEnabled(d, IDE_FRMZEIT_EREIGNIS), r.enabled) << r.zeit;
  }
  click(d, IDB_FRMZEIT_LOESCHEN);  // the last entry
  EXPECT_FALSE(isEnabled(d, IDE_FRMZEIT_ZEIT));
  EXPECT_FALSE(isEnabled(d, IDE_FRMZEIT_EREIGNIS));
  click(d, IDB_FRMZEIT_NEU);
  EXPECT_TRUE(isEnabled(d, IDE_FRMZEIT_ZEIT));
  EXPECT_TRUE(isEnabled(d, IDE_FRMZEIT_EREIGNIS));

  open(" 2\r\n08:00\r\nCRCH\r\n09:00\r\n");  // a load error: nothing selected
  choose(d, IDL_FRMZEIT_ZEITEN, 0);
  EXPECT_TRUE(isEnabled(d, IDE_FRMZEIT_ZEIT));
  EXPECT_TRUE(isEnabled(d, IDE_FRMZEIT_EREIGNIS));
}

TEST_F(EditorView, AFailedSaveIsToldAndTheDialogStaysOpenWithTheEditsAndAbbruchWritesNothing) {
  open(kThree);
  where.installDir = dir.path() + "fehlt\\";
  type(d, IDE_FRMZEIT_ZEIT, "7:00");
  click(d, IDB_FRMZEIT_OK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(
      ui.shown[0].text,
      "Fehler beim Speichern von <zeit.txt>\r\nIm Ordner der Datei l\xe4sst sich keine neue Datei anlegen.");
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(times()[0], "07:00");
  EXPECT_EQ(file(), kThree);
  where.installDir = dir.path();  // writable again: "Abbruch" still writes nothing
  click(d, IDB_FRMZEIT_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file(), kThree);
}

// "Netzwerk #" changed in the main window while the editor is open.
TEST_F(EditorView, OkWritesTheScheduleItLoadedEvenWhenTheNetworkNumberChanged) {
  dir.write("daten\\zeit2.txt", " 1\r\n01:00\r\nCALL 0 FIDOGATE\r\n");
  where.netNumber = 2;
  open();
  EXPECT_EQ(times(), (Strings{"01:00"}));
  where.netNumber = 5;
  type(d, IDE_FRMZEIT_ZEIT, "02:00");
  click(d, IDB_FRMZEIT_OK);
  EXPECT_EQ(file("zeit2.txt"), " 1\r\n02:00\r\nCALL 0 FIDOGATE\r\n");
  EXPECT_FALSE(dir.exists("daten\\zeit5.txt"));
}

TEST_F(EditorView, ExecuteAsksForAnyFileAndStopsWhenCancelled) {
  open(kThree);
  pickers.files = {"", "C:\\VALMORIN\\TOOLS\\SICHERN.BAT"};
  click(d, IDB_FRMZEIT_EXECUTE);
  EXPECT_EQ(ereignis(), "CRCH");
  click(d, IDB_FRMZEIT_EXECUTE);
  EXPECT_EQ(ereignis(), "DOSC C:\\VALMORIN\\TOOLS\\SICHERN.BAT");
  EXPECT_EQ(events()[0], "DOSC C:\\VALMORIN\\TOOLS\\SICHERN.BAT");
  EXPECT_EQ(pickers.asked, (Strings{"file:", "file:"}));
}

bool checked(HWND woch, int day) { return IsDlgButtonChecked(woch, IDX_FRMWOCH_TAG + day) == BST_CHECKED; }

TEST_F(EditorView, WochentagOpensWithTheDaysOfTheEventAndReplacesOnlyTheMarker) {
  open(kThree);
  choose(d, IDL_FRMZEIT_ZEITEN, 2);  // CRCH *(Mon,Fri)
  std::vector<bool> shown;
  {
    ModalScript script({[&](HWND w) {
      for (int k = 0; k < zorq::kDayCount; ++k) shown.push_back(checked(w, k));
      setCheck(w, IDX_FRMWOCH_TAG + 1, false);  // Montag off
      setCheck(w, IDX_FRMWOCH_TAG + 0, true);   // Sonntag on
      click(w, IDB_FRMWOCH_OK);
    }});
    click(d, IDB_FRMZEIT_WOCHENTAG);
    EXPECT_EQ(script.captions, (Strings{"Zeit"}));
  }
  EXPECT_EQ(shown, (std::vector<bool>{false, true, false, false, false, true, false}));
  EXPECT_EQ(ereignis(), "CRCH *(Son,Fri)");
  EXPECT_EQ(events()[2], "CRCH *(Son,Fri)");

  // Closed without "OK": nothing changes.
  {
    ModalScript script({[&](HWND w) {
      setCheck(w, IDX_FRMWOCH_TAG + 3, true);
      closeBox(w);
    }});
    click(d, IDB_FRMZEIT_WOCHENTAG);
  }
  EXPECT_EQ(ereignis(), "CRCH *(Son,Fri)");
}

// The on/off query: checks its caption and label, then presses a button (or
// the close box for 0).
ModalScript::Play answerQuery(const std::string& label, int button) {
  return [=](HWND w) {
    EXPECT_EQ(ui::WindowText(w), "Abfrage");
    EXPECT_EQ(textOf(w, IDT_FRMSPERRE_LABEL), label);
    button == 0 ? closeBox(w) : click(w, button);
  };
}

std::optional<zorq::NetBoxChoice> netBox(const std::string& name, int position,
                                         std::vector<std::int16_t> types) {
  std::int16_t type = types[static_cast<std::size_t>(position)];
  return zorq::NetBoxChoice{name, position, type, std::move(types)};
}

TEST_F(EditorView, PortAndNetzsperreAskForThePortThenOnOrOffUnderTheirLabels) {
  open(kThree);
  pickers.ports = {3, 5, 2};
  {
    ModalScript script({answerQuery("Port", IDB_FRMSPERRE_AUS), answerQuery("Port", 0),
                        answerQuery("Netzsperre", IDB_FRMSPERRE_AN)});
    click(d, IDB_FRMZEIT_PORT);
    EXPECT_EQ(ereignis(), "PORT 3 OFF");
    click(d, IDB_FRMZEIT_PORT);  // the query closed: nothing changes
    EXPECT_EQ(ereignis(), "PORT 3 OFF");
    choose(d, IDL_FRMZEIT_ZEITEN, 1);
    click(d, IDB_FRMZEIT_NETZSPERRE);  // the label is Netzsperre again after Port
  }
  EXPECT_EQ(events(), (Strings{"PORT 3 OFF", "SPER 2 ON", "CRCH *(Mon,Fri)"}));
  click(d, IDB_FRMZEIT_PORT);  // port chooser cancelled: no query
  click(d, IDB_FRMZEIT_NETZSPERRE);
  EXPECT_EQ(ereignis(), "SPER 2 ON");
  EXPECT_EQ(pickers.asked, (Strings{"port", "port", "port", "port", "port"}));
}

TEST_F(EditorView, NetzanrufAsksForTheJanus2ModeOnlyForAJanus2BoxAndStopsAtEveryCancel) {
  open(kThree);
  pickers.ports = {1, -1, 4, 2, 4};
  pickers.netBoxes = {netBox("WESTHOF", 0, {0, 1}), std::nullopt, netBox("HANSEBOX", 1, {0, 1}),
                      netBox("K\xdcSTENFUNK", 0, {1})};
  click(d, IDB_FRMZEIT_NETZANRUF);  // no dialog of its own
  EXPECT_EQ(ereignis(), "CALL 1 WESTHOF");
  click(d, IDB_FRMZEIT_NETZANRUF);  // no port
  click(d, IDB_FRMZEIT_NETZANRUF);  // no box
  EXPECT_EQ(ereignis(), "CALL 1 WESTHOF");
  {
    ModalScript script({[](HWND w) {
                          EXPECT_EQ(textOf(w, IDT_JANUS2_LABEL), "Janus2 Netzanrufmodus");
                          click(w, IDB_JANUS2_NICHTSEMPFANGEN);
                        },
                        [](HWND w) { closeBox(w); }});  // closed: the mode chosen before
    click(d, IDB_FRMZEIT_NETZANRUF);
    EXPECT_EQ(ereignis(), "CALL 2 HANSEBOX|H");
    click(d, IDB_FRMZEIT_NETZANRUF);
  }
  EXPECT_EQ(events()[0], "CALL 4 K\xdcSTENFUNK|H");
  EXPECT_EQ(pickers.asked, (Strings{"port", "box", "port", "port", "box", "port", "box", "port", "box"}));
  zorq::janusmodusOfThisRun() = zorq::kJanusNormal;
}

TEST_F(EditorView, OnAnEmptyListTheEventButtonsChangeNothingEvenWhenAnswered) {
  open();
  pickers.files = {"C:\\X.BAT"};
  pickers.ports = {1, 1, 1};
  pickers.netBoxes = {netBox("HANSEBOX", 0, {1})};
  {
    ModalScript script({answerQuery("Port", IDB_FRMSPERRE_AN), answerQuery("Netzsperre", IDB_FRMSPERRE_AUS),
                        [](HWND w) { click(w, IDB_JANUS2_NORMAL); }});
    for (int button : {IDB_FRMZEIT_CRUNCHER, IDB_FRMZEIT_EXECUTE, IDB_FRMZEIT_PORT, IDB_FRMZEIT_NETZSPERRE,
                       IDB_FRMZEIT_NETZANRUF})
      click(d, button);
  }
  EXPECT_TRUE(times().empty());
  EXPECT_EQ(ereignis(), "");
  EXPECT_EQ(pickers.asked, (Strings{"file:", "port", "port", "port", "box"}));
  click(d, IDB_FRMZEIT_OK);
  EXPECT_EQ(file(), " 0\r\n");
}

}  // namespace
