// The chat call dialog driven as a sysop would.
#include "services/frmchat.h"

#include <memory>

#include "services/frmchat_ids.h"
#include "win32/dialog_view.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;

const std::string kWaves =
    "C:\\W\\GONG.WAV\r\nGong\r\nC:\\W\\KLINGEL.WAV\r\nT\xfcrklingel\r\n\r\n\r\n\r\n\r\nC:\\W\\HUPE."
    "WAV\r\nNebelhorn\r\n";

struct ChatView : DialogView<zorq::frmchat> {
  HWND switchBox(int n) const { return GetDlgItem(d, IDX_FRMCHAT_SWITCH + n - 1); }
  std::string switches() const {
    std::string out;
    for (int n = 1; n <= 11; ++n) out += dialog->IsChecked(IDX_FRMCHAT_SWITCH + n - 1) ? '1' : '0';
    return out;
  }
  std::string path(int row) const { return textOf(d, IDE_FRMCHAT_PFAD + row); }
};

// Whether the control lies inside the group box.
bool inside(HWND d, HWND group, HWND control) {
  RECT g = rectIn(d, group), c = rectIn(d, control);
  return c.left >= g.left && c.right <= g.right && c.top >= g.top && c.bottom <= g.bottom;
}

TEST_F(ChatView, ShowsTheSwitchesInTheirGroupsAndTheWaveRows) {
  open();
  EXPECT_EQ(dialog->Caption(), "Chatruf");
  HWND absent = findByText(d, "Sysop nicht anwesend");
  HWND present = findByText(d, "Sysop anwesend");
  HWND waves = findByText(d, "Chat Wave Dateien");
  ASSERT_TRUE(absent && present && waves);
  // Top to bottom: 1, 2, 3, 10 on the left; 4 to 9 and 11 on the right.
  const int left[] = {1, 2, 3, 10};
  const int right[] = {4, 5, 6, 7, 8, 9, 11};
  int top = -1;
  for (int n : left) {
    EXPECT_TRUE(inside(d, absent, switchBox(n))) << n;
    EXPECT_GT(rectIn(d, switchBox(n)).top, top) << n;
    top = rectIn(d, switchBox(n)).top;
  }
  top = -1;
  for (int n : right) {
    EXPECT_TRUE(inside(d, present, switchBox(n))) << n;
    EXPECT_GT(rectIn(d, switchBox(n)).top, top) << n;
    top = rectIn(d, switchBox(n)).top;
  }
  EXPECT_LT(rectIn(d, absent).right, rectIn(d, present).left);
  for (int r = 0; r < 5; ++r) EXPECT_TRUE(inside(d, waves, GetDlgItem(d, IDE_FRMCHAT_PFAD + r))) << r;
  EXPECT_EQ(fieldOf(d, "Datei"), GetDlgItem(d, IDE_FRMCHAT_PFAD));
  EXPECT_EQ(fieldOf(d, "Kommentar"), GetDlgItem(d, IDE_FRMCHAT_KOMMENTAR));
  expectTidy(d);
}

TEST_F(ChatView, OkWritesTheSwitchesAndTheChosenWaveFile) {
  dir.write("daten\\chat.dat", "0\r\n" + kWaves);
  open();
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(switches(), "01111111111");
  EXPECT_EQ(path(1), "C:\\W\\KLINGEL.WAV");
  EXPECT_EQ(textOf(d, IDE_FRMCHAT_KOMMENTAR + 4), "Nebelhorn");

  setCheck(d, IDX_FRMCHAT_SWITCH + 1, false);   // switch 2
  setCheck(d, IDX_FRMCHAT_SWITCH + 10, false);  // switch 11
  setCheck(d, IDX_FRMCHAT_SWITCH, true);
  pickers.files = {"D:\\KLANG\\M\xd6WE.WAV"};
  click(d, IDB_FRMCHAT_AUSWAHL + 2);
  EXPECT_EQ(path(2), "D:\\KLANG\\M\xd6WE.WAV");
  type(d, IDE_FRMCHAT_KOMMENTAR + 2, "M\xf6wen");
  type(d, IDE_FRMCHAT_PFAD + 0, "C:\\W\\GONG2.WAV");
  click(d, IDB_FRMCHAT_AUSWAHL + 0);  // cancelled: the typed path stays
  EXPECT_EQ(path(0), "C:\\W\\GONG2.WAV");
  EXPECT_EQ(pickers.masks, (std::vector<std::string>{"*.wav", "*.wav"}));

  click(d, IDB_FRMCHAT_OK);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_EQ(file("chat.dat"),
            "10111111110\r\nC:\\W\\GONG2.WAV\r\nGong\r\nC:\\W\\KLINGEL.WAV\r\nT\xfcrklingel\r\n"
            "D:\\KLANG\\M\xd6WE.WAV\r\nM\xf6wen\r\n\r\n\r\nC:\\W\\HUPE.WAV\r\nNebelhorn\r\n");
}

TEST_F(ChatView, AShortFileIsToldShowsWhatWasReadAndIsKeptOnSave) {
  dir.write("daten\\chat.dat", "1\r\nC:\\W\\GONG.WAV\r\n");
  open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <chat.dat>");
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(switches(), "11111111111");
  EXPECT_EQ(path(0), "C:\\W\\GONG.WAV");
  click(d, IDB_FRMCHAT_OK);
  EXPECT_EQ(file("chat.dat.bak"), "1\r\nC:\\W\\GONG.WAV\r\n");
}

TEST_F(ChatView, WithoutAFileAllIsOffAndAbbruchWritesNothing) {
  open();
  EXPECT_EQ(switches(), "00000000000");
  setCheck(d, IDX_FRMCHAT_SWITCH + 3, true);
  click(d, IDB_FRMCHAT_ABBRUCH);
  EXPECT_FALSE(dialog->IsOpen());
  EXPECT_FALSE(dir.exists("daten\\chat.dat"));
}

TEST_F(ChatView, AFailedSaveIsToldAndTheDialogStaysOpen) {
  where.installDir = dir.path() + "fehlt\\";
  open();
  setCheck(d, IDX_FRMCHAT_SWITCH + 3, true);
  click(d, IDB_FRMCHAT_OK);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text.substr(0, ui.shown[0].text.find("\r\n")),
            "Fehler beim Speichern von <chat.dat>");
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_EQ(switches(), "00010000000");
}

}  // namespace
