// The Janus2 call mode, the on/off query and the weekday chooser on their
// own.
#include <gtest/gtest.h>

#include <algorithm>

#include "schedule/frmsperre.h"
#include "schedule/frmsperre_ids.h"
#include "schedule/frmwoch.h"
#include "schedule/frmwoch_ids.h"
#include "schedule/janus2.h"
#include "schedule/janus2_ids.h"
#include "view_context.h"
#include "win32/modal_script.h"

namespace {

using namespace testing_support;

TEST(Queries, Janus2SetsTheModeOfEachButtonAndKeepsItWhenClosed) {
  std::int16_t janusmodus = 0;
  const int buttons[] = {IDB_JANUS2_PMS, IDB_JANUS2_MAILS, IDB_JANUS2_NICHTSSCHICKEN,
                         IDB_JANUS2_NICHTSEMPFANGEN, IDB_JANUS2_NORMAL};
  const std::int16_t modes[] = {1, 2, 3, 4, 0};
  std::vector<long> lefts;
  for (int i = 0; i < 5; ++i) {
    zorq::janus2 query(janusmodus);
    ModalScript script({[&](HWND w) {
      if (i == 0) {
        EXPECT_EQ(ui::WindowText(w), "Abfrage");
        EXPECT_EQ(textOf(w, IDT_JANUS2_LABEL), "Janus2 Netzanrufmodus");
        for (int id : buttons) {
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
  EXPECT_TRUE(std::is_sorted(lefts.begin(), lefts.end()));  // one row, left to right

  janusmodus = 3;
  zorq::janus2 query(janusmodus);
  ModalScript script({[](HWND w) { closeBox(w); }});
  query.DoModal(nullptr);
  EXPECT_EQ(janusmodus, 3);
}

// Enter presses the focused button, as Space and a click do, whether the
// button has the focus since the query opened (0) or was given it.
HWND focusForEnter(HWND w, int id) {
  if (id != 0) SetFocus(GetDlgItem(w, id));
  return focusedIn(w);
}

TEST(Queries, EnterPressesTheFocusedButton) {
  const struct {
    int focus, expectedFocus;
    std::int16_t mode;
  } janusRows[] = {
      {0, IDB_JANUS2_PMS, 1},
      {IDB_JANUS2_NICHTSEMPFANGEN, IDB_JANUS2_NICHTSEMPFANGEN, 4},
      {IDB_JANUS2_NORMAL, IDB_JANUS2_NORMAL, 0},
  };
  for (const auto& row : janusRows) {
    std::int16_t janusmodus = 3;  // the previous use
    zorq::janus2 query(janusmodus);
    ModalScript script({[&](HWND w) {
      HWND focused = focusForEnter(w, row.focus);
      EXPECT_EQ(GetDlgCtrlID(focused), row.expectedFocus);
      pressKey(w, focused, VK_RETURN);
    }});
    query.DoModal(nullptr);
    EXPECT_EQ(janusmodus, row.mode) << row.expectedFocus;
  }

  const struct {
    int focus, expectedFocus;
    const char* answer;
  } sperreRows[] = {{0, IDB_FRMSPERRE_AN, "ON"}, {IDB_FRMSPERRE_AUS, IDB_FRMSPERRE_AUS, "OFF"}};
  for (const auto& row : sperreRows) {
    zorq::frmsperre query("Port");
    ModalScript script({[&](HWND w) {
      HWND focused = focusForEnter(w, row.focus);
      EXPECT_EQ(GetDlgCtrlID(focused), row.expectedFocus);
      pressKey(w, focused, VK_RETURN);
    }});
    query.DoModal(nullptr);
    EXPECT_EQ(query.sperrwahl(), row.answer);
  }
}

TEST(Queries, WochShowsTheDaysSundayFirstAndMakesTheMarker) {
  zorq::frmwoch chooser("Son,Sam");
  std::vector<bool> checked;
  ModalScript script({[&](HWND w) {
    EXPECT_EQ(ui::WindowText(w), "Zeit");
    EXPECT_NE(findByText(w, "Wochentage"), nullptr);
    EXPECT_EQ(textOf(w, IDX_FRMWOCH_TAG), "&Sonntag");
    for (int k = 0; k < 7; ++k) checked.push_back(IsDlgButtonChecked(w, IDX_FRMWOCH_TAG + k) == BST_CHECKED);
    setCheck(w, IDX_FRMWOCH_TAG + 3, true);
    click(w, IDB_FRMWOCH_OK);
  }});
  chooser.DoModal(nullptr);
  EXPECT_EQ(checked, (std::vector<bool>{true, false, false, false, false, false, true}));
  EXPECT_EQ(chooser.marker(), " *(Son,Mit,Sam)");
}

}  // namespace
