// The small dialogs of the schedule editor on their own: the on/off query,
// the Janus2 call mode and the weekday chooser.
#include <gtest/gtest.h>

#include <algorithm>

#include "schedule/frmsperre.h"
#include "schedule/frmsperre_ids.h"
#include "schedule/frmwoch.h"
#include "schedule/frmwoch_ids.h"
#include "schedule/janus2.h"
#include "schedule/janus2_ids.h"
#include "schedule_context.h"

namespace {

using namespace testing_support;

TEST(Queries, SperreShowsItsLabelAndAnswersOnOffOrNothing) {
  struct Case {
    std::string abfragetext, label;
    int button;
    std::string answer;
  };
  for (const Case& c :
       {Case{"Port", "Port", IDB_FRMSPERRE_AN, "ON"}, Case{"", "Netzsperre", IDB_FRMSPERRE_AUS, "OFF"},
        Case{"", "Netzsperre", IDCANCEL, ""}}) {
    zorq::frmsperre query(c.abfragetext);
    std::string caption, label, an, aus;
    ModalScript script({[&](HWND w) {
      caption = ui::WindowText(w);
      label = textOf(w, IDT_FRMSPERRE_LABEL);
      an = textOf(w, IDB_FRMSPERRE_AN);
      aus = textOf(w, IDB_FRMSPERRE_AUS);
      c.button == IDCANCEL ? closeBox(w) : click(w, c.button);
    }});
    query.DoModal(nullptr);
    EXPECT_EQ(caption, "Abfrage");
    EXPECT_EQ(label, c.label);
    EXPECT_EQ(an, "&An");
    EXPECT_EQ(aus, "A&us");
    EXPECT_EQ(query.sperrwahl(), c.answer);
  }
}

TEST(Queries, Janus2SetsTheModeOfEachButtonAndKeepsItWhenClosed) {
  std::int16_t janusmodus = 0;
  const int buttons[] = {IDB_JANUS2_PMS, IDB_JANUS2_MAILS, IDB_JANUS2_NICHTSSCHICKEN,
                         IDB_JANUS2_NICHTSEMPFANGEN, IDB_JANUS2_NORMAL};
  const std::int16_t modes[] = {1, 2, 3, 4, 0};
  std::vector<std::string> captions;
  std::vector<long> lefts;
  for (int i = 0; i < 5; ++i) {
    zorq::janus2 query(janusmodus);
    ModalScript script({[&](HWND w) {
      if (i == 0) {
        EXPECT_EQ(ui::WindowText(w), "Abfrage");
        EXPECT_EQ(textOf(w, IDT_JANUS2_LABEL), "Janus2 Netzanrufmodus");
        for (int id : buttons) {
          captions.push_back(textOf(w, id));
          RECT r;
          GetWindowRect(GetDlgItem(w, id), &r);
          lefts.push_back(r.left);
        }
      }
      click(w, buttons[i]);
    }});
    query.DoModal(nullptr);
    EXPECT_EQ(janusmodus, modes[i]) << i;
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"nur &PMs", "nur &Mails", "nichts &schicken",
                                                "nichts &empfangen", "&Normal"}));
  EXPECT_TRUE(std::is_sorted(lefts.begin(), lefts.end()));  // one row, left to right

  janusmodus = 3;
  zorq::janus2 query(janusmodus);
  ModalScript script({[](HWND w) { closeBox(w); }});
  query.DoModal(nullptr);
  EXPECT_EQ(janusmodus, 3);
}

TEST(Queries, WochShowsTheSevenDaysSundayFirstAndMakesTheMarker) {
  zorq::frmwoch chooser("Son,Sam");
  std::vector<std::string> days;
  std::vector<bool> checked;
  ModalScript script({[&](HWND w) {
    EXPECT_EQ(ui::WindowText(w), "Zeit");
    EXPECT_NE(findByText(w, "Wochentage"), nullptr);
    for (int k = 0; k < 7; ++k) {
      days.push_back(textOf(w, IDX_FRMWOCH_TAG + k));
      checked.push_back(IsDlgButtonChecked(w, IDX_FRMWOCH_TAG + k) == BST_CHECKED);
    }
    setCheck(w, IDX_FRMWOCH_TAG + 3, true);
    click(w, IDB_FRMWOCH_OK);
  }});
  chooser.DoModal(nullptr);
  EXPECT_EQ(days, (std::vector<std::string>{"&Sonntag", "&Montag", "&Dienstag", "M&ittwoch", "Do&nnerstag",
                                            "&Freitag", "S&amstag"}));
  EXPECT_EQ(checked, (std::vector<bool>{true, false, false, false, false, false, true}));
  EXPECT_EQ(chooser.marker(), " *(Son,Mit,Sam)");
}

}  // namespace
