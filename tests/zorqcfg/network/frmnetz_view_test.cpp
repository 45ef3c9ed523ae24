// The network parameters dialog driven as a sysop would: fields, check
// boxes, the bar, both pickers, "OK" and "Abbruch".
#include "network/frmnetz.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "win32/dialog_view.h"
#include "network/frmnetz_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;

const std::string kFile =
    "NORDLICHT\r\n\r\nS+2\r\n30:03\r\nW+1\r\n26:10\r\n64\r\n10\r\n"
    "nordlicht.zer\r\n1\r\nnordlicht.luebeck.de\r\n0\r\nnordlicht.fido.de\r\n 1\r\n\r\n0\r\n"
    "10\r\n60\r\n2\r\n300\r\n30\r\n14\r\n1\r\n7\r\nNetzteilnehmer\r\n";

struct NetView : DialogView<zorq::frmnetz> {
  std::string text(int id) const { return textOf(d, id); }
  std::string file() const { return dir.read("daten\\netzpar.dat"); }
};

TEST_F(NetView, EveryFieldStandsRightOfItsLabel) {
  HWND w = open();
  const std::pair<const char*, int> fields[] = {
      {"Netzbo&xname", IDE_FRMNETZ_BOXNAME},
      {"neue Bretter (P&fad)", IDE_FRMNETZ_BRETTER},
      {"Sommer&zeitzone", IDE_FRMNETZ_SOMMERZONE},
      {"Beginn (&TT:MM)", IDE_FRMNETZ_SOMMERBEGINN},
      {"&Winterzeitzone", IDE_FRMNETZ_WINTERZONE},
      {"&Beginn (TT:MM)", IDE_FRMNETZ_WINTERBEGINN},
      {"max Briefl&\xe4nge KB", IDE_FRMNETZ_BRIEFLAENGE},
      {"N&etzbriefe ab Level", IDE_FRMNETZ_LEVEL},
      {"&Gruppe", IDE_FRMNETZ_GRUPPE},
      {"Hau&ptdomain", IDE_FRMNETZ_DOMAIN + 0},
      {"&2. Domain", IDE_FRMNETZ_DOMAIN + 1},
      {"&3. Domain", IDE_FRMNETZ_DOMAIN + 2},
      {"&4. Domain", IDE_FRMNETZ_DOMAIN + 3},
      {"Wa&hlversuche", IDE_FRMNETZ_WAHLVERSUCHE},
      {"Wah&lpause (Sekunden)", IDE_FRMNETZ_WAHLPAUSE},
      {"Puffer&kopien", IDE_FRMNETZ_PUFFERKOPIEN},
      {"Pa&cktimeout (Sekunden)", IDE_FRMNETZ_PACKTIMEOUT},
      {"M&sgID Haltezeit", IDE_FRMNETZ_HALTEZEIT},
      {"max. &Nachrichtenalter", IDE_FRMNETZ_ALTER},
      {"&Rechenzeit freigeben", IDC_FRMNETZ_RECHENZEIT},
  };
  for (auto [label, id] : fields) EXPECT_EQ(fieldOf(w, label), GetDlgItem(w, id)) << label;
  // The check boxes "Domainserver" stand right of their domains.
  for (int i = 0; i < 4; ++i) {
    RECT field = rectIn(w, GetDlgItem(w, IDE_FRMNETZ_DOMAIN + i));
    RECT box = rectIn(w, GetDlgItem(w, IDX_FRMNETZ_SERVER + i));
    EXPECT_GT(box.left, field.right - 1);
    EXPECT_LT(std::abs((box.top + box.bottom) - (field.top + field.bottom)), 4);
  }
  expectTidy(w);
}

TEST_F(NetView, LoadedValuesAreSavedAsTheyStandWithTheReleaseTimeBlank) {
  dir.write("daten\\netzpar.dat", kFile);
  open();
  EXPECT_EQ(text(IDE_FRMNETZ_BOXNAME), "NORDLICHT");
  EXPECT_EQ(text(IDE_FRMNETZ_BRETTER), "(Standard)");
  EXPECT_TRUE(IsDlgButtonChecked(d, IDX_FRMNETZ_SERVER + 0));
  EXPECT_FALSE(IsDlgButtonChecked(d, IDX_FRMNETZ_SERVER + 2));  // " 1"
  EXPECT_TRUE(IsDlgButtonChecked(d, IDX_FRMNETZ_DUPES));
  EXPECT_EQ(SendDlgItemMessageW(d, IDC_FRMNETZ_RECHENZEIT, TBM_GETPOS, 0, 0), 7);
  EXPECT_EQ(text(IDE_FRMNETZ_RECHENZEIT), " 7");
  EXPECT_EQ(text(IDE_FRMNETZ_GRUPPE), "Netzteilnehmer");
  click(d, IDB_FRMNETZ_OK);
  EXPECT_FALSE(dialog->IsOpen());
  std::string expected = kFile;
  expected.replace(expected.find("fido.de\r\n 1"), 11, "fido.de\r\n0");
  expected.replace(expected.find("\r\n7\r\n"), 5, "\r\n 7\r\n");
  EXPECT_EQ(file(), expected);
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(NetView, MovingTheBarShowsAndSavesTheBareDigits) {
  dir.write("daten\\netzpar.dat", kFile);
  open();
  slide(d, IDC_FRMNETZ_RECHENZEIT, 3);
  EXPECT_EQ(text(IDE_FRMNETZ_RECHENZEIT), "3");
  type(d, IDE_FRMNETZ_WAHLVERSUCHE, "");
  setCheck(d, IDX_FRMNETZ_SERVER + 3, true);
  click(d, IDB_FRMNETZ_OK);
  const std::string saved = file();
  EXPECT_NE(saved.find("\r\n\r\n1\r\n0\r\n60\r\n"), std::string::npos) << saved;  // 4th domain; 0 attempts
  EXPECT_NE(saved.find("\r\n1\r\n3\r\nNetzteilnehmer\r\n"), std::string::npos) << saved;
}

TEST_F(NetView, ThePickersFillThePathAndTheGroup) {
  dir.write("daten\\netzpar.dat", kFile);
  open();
  pickers.directories = {"C:\\VALMORIN\\BRETTER\\"};
  click(d, IDB_FRMNETZ_BRETTER);
  EXPECT_EQ(text(IDE_FRMNETZ_BRETTER), "C:\\VALMORIN\\BRETTER\\");
  click(d, IDB_FRMNETZ_BRETTER);  // cancelled
  EXPECT_EQ(text(IDE_FRMNETZ_BRETTER), "(Standard)");
  EXPECT_EQ(pickers.directoryCalls, 2);

  pickers.groups = {"@", "Sysops", ""};
  click(d, IDB_FRMNETZ_GRUPPE);
  EXPECT_EQ(text(IDE_FRMNETZ_GRUPPE), "Netzteilnehmer");
  click(d, IDB_FRMNETZ_GRUPPE);
  EXPECT_EQ(text(IDE_FRMNETZ_GRUPPE), "Sysops");
  click(d, IDB_FRMNETZ_GRUPPE);  // "Keine Gruppe"
  EXPECT_EQ(text(IDE_FRMNETZ_GRUPPE), "");
  EXPECT_EQ(pickers.groupCalls, 3);

  // A field typed into before a picker keeps what was typed.
  type(d, IDE_FRMNETZ_BOXNAME, "SUEDLICHT");
  click(d, IDB_FRMNETZ_GRUPPE);
  EXPECT_EQ(text(IDE_FRMNETZ_BOXNAME), "SUEDLICHT");
  click(d, IDB_FRMNETZ_ABBRUCH);
  EXPECT_EQ(file(), kFile);
}

TEST_F(NetView, ALoadErrorIsToldAndTheDialogShowsWhatWasRead) {
  dir.write("daten\\netzpar.dat", "NORDLICHT\r\n\r\nS+2\r\n");
  open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <netzpar.dat>");
  EXPECT_EQ(text(IDE_FRMNETZ_BOXNAME), "NORDLICHT");
  EXPECT_EQ(text(IDE_FRMNETZ_SOMMERZONE), "S+2");
  EXPECT_EQ(text(IDE_FRMNETZ_BRETTER), "");
  EXPECT_TRUE(dialog->IsOpen());
  click(d, IDB_FRMNETZ_OK);
  EXPECT_EQ(dir.read("daten\\netzpar.dat.bak"), "NORDLICHT\r\n\r\nS+2\r\n");
}

}  // namespace
