// The main window driven in-process, against a copy of its settings in a
// temporary installation.
#include "core/haupt.h"

#include <commctrl.h>
#include <objbase.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>

#include "app/dialog_buttons.h"
#include "app/pickers_win32.h"
#include "commands/frmprbefehle_ids.h"
#include "core/frmselgru_ids.h"
#include "core/frmselus_ids.h"
#include "core/haupt_ids.h"
#include "core/main_settings.h"
#include "fake_system.h"
#include "fake_ui.h"
#include "view_context.h"
#include "faulty_fs.h"
#include "temp_dir.h"
#include "win32/view_driver.h"
#include "win32/window_rules.h"

namespace {

using namespace testing_support;

const std::string kDemoMain =
    "Nordlicht-Box L\xfc"
    "beck\r\nSysop\r\nOrg\r\n0\r\n 5 \r\n 10 \r\nC:\\UP\\\r\nC:\\DOWN\\\r\n20\r\n"
    "2000\r\n500\r\n50\r\n500\r\n5000\r\n 2 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n\r\n 0 \r\n 2 "
    "\r\npczmb\r\n"
    " 0 \r\n 0 \r\n 0 \r\n 2 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 1 "
    "\r\nCD\r\n";

struct Haupt : ::testing::Test {
  TempDir box;
  FakeUi ui;
  FakeSystem system;
  FakePickers pickers;
  zorq::Installation where;
  zorq::MainSettings settings;
  plat::FileSystem* fs = &plat::localFileSystem();
  zorq::Pickers* chosenPickers = &pickers;
  std::unique_ptr<zorq::Context> context;
  std::unique_ptr<zorq::haupt> window;

  Haupt() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    where = {box.path(), box.path(), 3};
    box.write("daten\\main.txt", kDemoMain);
  }
  ~Haupt() override {
    window.reset();
    pump();
  }
  HWND open(const zorq::DialogButtons& buttons = zorq::dialogButtons()) {
    auto state = zorq::loadAtStart(*fs, where, settings, ui);
    context =
        std::make_unique<zorq::Context>(zorq::Context{where, settings, *fs, system, ui, *chosenPickers});
    window = std::make_unique<zorq::haupt>(*context, state, buttons);
    EXPECT_TRUE(window->Create(nullptr));
    pump();
    return window->hwnd();
  }
  std::string field(const std::string& label) { return textOf(fieldOf(window->hwnd(), label)); }
};

TEST_F(Haupt, ShowsTheSettingsInTheirFields) {
  HWND w = open();
  EXPECT_EQ(field("Boxname"),
            "Nordlicht-Box L\xfc"
            "beck");
  EXPECT_EQ(field("Raus nach"), " 5");
  EXPECT_EQ(SendMessageW(GetDlgItem(w, IDC_HAUPT_RAUSNACH), TBM_GETPOS, 0, 0), 5);
  EXPECT_EQ(field("Netzpfad"), "(Standard)");
  EXPECT_EQ(field("Schlo\xdf"), "sesam");
  EXPECT_EQ(field("Netzwerk #"), "3");
  EXPECT_EQ(IsDlgButtonChecked(w, IDX_HAUPT_FILEID), BST_CHECKED);
  EXPECT_EQ(IsDlgButtonChecked(w, IDX_HAUPT_PMS), BST_INDETERMINATE);
  EXPECT_TRUE(ui.shown.empty());
}

int made = 0;
std::unique_ptr<ui::Dialog> makeTestDialog(zorq::Context&) {
  ++made;
  return std::make_unique<ui::Dialog>(IDD_FRMSELUS);
}

TEST_F(Haupt, ADialogOpensBesideTheWindowAndOnlyOnce) {
  zorq::DialogButtons buttons = zorq::dialogButtons();
  buttons[9].factory = makeTestDialog;
  made = 0;
  HWND w = open(buttons);
  ASSERT_TRUE(isEnabled(w, IDB_HAUPT_DIALOG + 9));
  click(w, IDB_HAUPT_DIALOG + 9);
  ui::Dialog* first = window->openDialog(9);
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(IsWindowVisible(first->hwnd()));
  EXPECT_TRUE(IsWindowEnabled(w));  // not modal
  click(w, IDB_HAUPT_DIALOG + 9);
  EXPECT_EQ(made, 1);
  EXPECT_EQ(window->openDialog(9), first);

  first->End(IDCANCEL);
  pump();
  EXPECT_EQ(window->openDialog(9), nullptr);
  click(w, IDB_HAUPT_DIALOG + 9);
  EXPECT_EQ(made, 2);
  HWND second = window->openDialog(9)->hwnd();

  // "Ende" closes it with the window.
  click(w, IDB_HAUPT_ENDE);
  EXPECT_FALSE(IsWindow(second));
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(Haupt, SlidersAndTheirFieldsFollowEachOtherAndReachTheFiles) {
  HWND w = open();
  type(w, IDE_HAUPT_NETZWERK, "12");
  EXPECT_EQ(textOf(w, IDE_HAUPT_NETZWERK), "9");
  EXPECT_EQ(where.netNumber, 9);
  EXPECT_EQ(SendMessageW(GetDlgItem(w, IDC_HAUPT_NETZWERK), TBM_GETPOS, 0, 0), 9);
  slide(w, IDC_HAUPT_NETZWERK, 4);
  EXPECT_EQ(textOf(w, IDE_HAUPT_NETZWERK), "4");
  EXPECT_EQ(where.netNumber, 4);
  type(w, IDE_HAUPT_NETZWERK, "abc");
  EXPECT_EQ(textOf(w, IDE_HAUPT_NETZWERK), "0");
  type(w, IDE_HAUPT_NETZWERK, "12");
  slide(w, IDC_HAUPT_KOMMENTAR, 7);
  slide(w, IDC_HAUPT_RAUSNACH, 10);
  EXPECT_EQ(textOf(w, IDE_HAUPT_KOMMENTAR), " 7");
  EXPECT_EQ(textOf(w, IDE_HAUPT_RAUSNACH), " 10");
  click(w, IDB_HAUPT_ENDE);
  EXPECT_EQ(box.read("zorq.ini"), box.path() + "\r\n 9 \r\n");
  EXPECT_EQ(box.read("daten\\main.txt").find("0\r\n 10 \r\n 7 \r\nC:\\UP"), kDemoMain.find("0\r\n 5 \r\n"));
}

TEST_F(Haupt, DirectoryButtons) {
  HWND w = open();
  pickers.directories = {"D:\\NEU\\", "", ""};
  click(w, IDB_HAUPT_UPLOAD);
  EXPECT_EQ(textOf(w, IDE_HAUPT_UPLOAD), "D:\\NEU\\");
  click(w, IDB_HAUPT_UPLOAD);  // cancelled: unchanged
  EXPECT_EQ(textOf(w, IDE_HAUPT_UPLOAD), "D:\\NEU\\");
  type(w, IDE_HAUPT_NETZPFAD, "N:\\");
  click(w, IDB_HAUPT_NETZPFAD);  // cancelled: the standard
  EXPECT_EQ(textOf(w, IDE_HAUPT_NETZPFAD), "(Standard)");
}

TEST_F(Haupt, ALockPasswordThatCannotBeStoredIsRefused) {
  HWND w = open();
  type(w, IDE_HAUPT_SCHLOSS, "abcdefghij");
  type(w, IDE_HAUPT_SCHLOSS, "abcdefghij,");
  EXPECT_EQ(textOf(w, IDE_HAUPT_SCHLOSS), "abcdefghij");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "Meldung");
  type(w, IDE_HAUPT_SCHLOSS, std::string(86, 'x'));
  EXPECT_EQ(textOf(w, IDE_HAUPT_SCHLOSS), "abcdefghij");
  EXPECT_EQ(ui.shown.size(), 2u);
  click(w, IDB_HAUPT_ENDE);
  zorq::MainSettings back;
  ASSERT_TRUE(zorq::parseMainSettings(box.read("daten\\main.txt"), back).ok());
  EXPECT_EQ(back.lockPassword, "abcdefghij");
}

// A password from an old file that is already too long to be stored can be
// shortened key by key, but no edit may make it longer or add a line end.
TEST_F(Haupt, AnUnstorableLockPasswordFromTheFileCanOnlyBeShortened) {
  std::string tooLong;
  for (std::size_t i = 1; i <= 90; ++i) {
    const char scrambled = static_cast<char>('x' ^ ((3 * i) & 0xFF));
    tooLong += scrambled == '\r' || scrambled == '\n' || scrambled == '\0' ? 'y' : 'x';
  }
  std::string file = kDemoMain;
  file.replace(file.find("pczmb"), 5, zorq::krypt(tooLong));
  box.write("daten\\main.txt", file);
  HWND w = open();
  ASSERT_EQ(textOf(w, IDE_HAUPT_SCHLOSS), tooLong);
  type(w, IDE_HAUPT_SCHLOSS, tooLong + "x");
  type(w, IDE_HAUPT_SCHLOSS, "abcdefghij+");  // "+" at 11 scrambles to LF
  EXPECT_EQ(textOf(w, IDE_HAUPT_SCHLOSS), tooLong);
  EXPECT_EQ(ui.shown.size(), 2u);
  for (std::size_t length = 89; length >= 84; --length) type(w, IDE_HAUPT_SCHLOSS, tooLong.substr(0, length));
  EXPECT_EQ(textOf(w, IDE_HAUPT_SCHLOSS), tooLong.substr(0, 84));
  EXPECT_EQ(ui.shown.size(), 2u);
  click(w, IDB_HAUPT_ENDE);
  zorq::MainSettings back;
  ASSERT_TRUE(zorq::parseMainSettings(box.read("daten\\main.txt"), back).ok());
  EXPECT_EQ(back.lockPassword, tooLong.substr(0, 84));
  EXPECT_EQ(back.importComment, "CD");
}

TEST_F(Haupt, EndeWritesBothFilesAndSignals) {
  HWND w = open();
  type(w, IDE_HAUPT_BOXNAME, "Neue Box");
  type(w, IDE_HAUPT_NETZPFAD, "(Standard)");
  click(w, IDX_HAUPT_PMS);
  settings.importComment = "aus Sonstiges";  // what another dialog left in the record
  click(w, IDB_HAUPT_ENDE);
  std::string expected = kDemoMain;
  expected.replace(0, expected.find("\r\n"), "Neue Box");
  expected.replace(expected.find(" 2 \r\npczmb"), 3, " 1 ");
  expected.replace(expected.rfind("CD"), 2, "aus Sonstiges");
  EXPECT_EQ(box.read("daten\\main.txt"), expected);
  EXPECT_EQ(box.read("zorq.ini"), box.path() + "\r\n 3 \r\n");
  EXPECT_TRUE(system.findAtom("ZORQRELOAD"));
  EXPECT_FALSE(IsWindow(w));
}

TEST_F(Haupt, AFailedSaveKeepsTheWindowOpenWithTheEdits) {
  FaultyFileSystem faulty(plat::localFileSystem());
  fs = &faulty;
  HWND w = open();
  type(w, IDE_HAUPT_BOXNAME, "Neue Box");
  faulty.failReplace = true;
  click(w, IDB_HAUPT_ENDE);
  ASSERT_TRUE(IsWindow(w));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].title, "Meldung");
  EXPECT_EQ(textOf(w, IDE_HAUPT_BOXNAME), "Neue Box");
  EXPECT_EQ(box.read("daten\\main.txt"), kDemoMain);
  EXPECT_TRUE(system.atoms.empty());
  faulty.failReplace = false;
  click(w, IDB_HAUPT_ENDE);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(box.read("daten\\main.txt").substr(0, 8), "Neue Box");
}

TEST_F(Haupt, AfterALoadErrorEndeKeepsTheDamagedFile) {
  const std::string damaged = "A\r\nB\r\nC\r\nD\r\n 0 \r\n";
  box.write("daten\\main.txt", damaged);
  HWND w = open();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden des main.txt");
  EXPECT_EQ(field("Boxname"), "A");
  click(w, IDB_HAUPT_ENDE);
  EXPECT_EQ(box.read("daten\\main.txt.bak"), damaged);
}

// The real group picker, opened from the command editor, is modal for the
// whole program: the main window and the editor refuse input while it is
// shown. A close request that reaches the main window all the same (as the
// system sends it) waits until the picker has answered and the editor's
// handler has finished; then the program ends, writing nothing.
TEST_F(Haupt, WhileARealPickerIsShownTheOtherWindowsWait) {
  box.write("daten\\gruppen.dat", "Mitglieder\r\n 0 \r\n");
  zorq::Win32Pickers real(where, *fs, system, ui);
  chosenPickers = &real;
  HWND w = open();
  click(w, IDB_HAUPT_DIALOG + 1);  // "Befehlseditor"
  ASSERT_NE(window->openDialog(1), nullptr);
  HWND editor = window->openDialog(1)->hwnd();

  bool shown = false, refused = false, waited = false;
  BoxAnswerer answerer({}, [&](HWND picker) {
    shown = ui::WindowText(picker) == "Gruppe w\xe4hlen";
    refused = !IsWindowEnabled(w) && !IsWindowEnabled(editor) && IsWindowEnabled(picker);
    EXPECT_NONFATAL_FAILURE(click(w, IDB_HAUPT_ABBRUCH), "disabled");
    EXPECT_NONFATAL_FAILURE(click(w, IDB_HAUPT_ENDE), "disabled");
    SendMessageW(w, WM_CLOSE, 0, 0);
    pump();
    waited = IsWindow(w) && IsWindow(editor) && IsWindow(picker);
    choose(picker, IDL_FRMSELGRU_GROUPS, 1);
  });
  click(editor, IDB_FRMPRBEFEHLE_GRUPPE);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(refused);
  EXPECT_TRUE(waited);
  pump();
  EXPECT_FALSE(IsWindow(editor));
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(box.read("daten\\main.txt"), kDemoMain);
  EXPECT_FALSE(box.exists("zorq.ini"));
  EXPECT_FALSE(box.exists("daten\\befgrup.txt"));
  EXPECT_TRUE(system.atoms.empty());
}

TEST_F(Haupt, AbbruchWritesNothingAndEscDoesNotEnd) {
  HWND w = open();
  type(w, IDE_HAUPT_BOXNAME, "Neue Box");
  SendMessageW(w, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(IsWindow(w));
  click(w, IDB_HAUPT_ABBRUCH);
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(box.read("daten\\main.txt"), kDemoMain);
  EXPECT_FALSE(box.exists("zorq.ini"));
  EXPECT_TRUE(system.atoms.empty());
}

// The background a field gets while the control focused has the focus.
// Test programs running at the same time may take the activation away, so
// the colour counts only when the focus held around it.
COLORREF backgroundOf(HWND w, int focused, int id, UINT message) {
  HWND field = GetDlgItem(w, id);
  COLORREF colour = CLR_INVALID;
  for (int i = 0; i < 50; ++i) {
    SetForegroundWindow(w);
    focus(w, focused);
    if (GetFocus() != GetDlgItem(w, focused)) continue;
    HDC dc = GetDC(field);
    SetBkColor(dc, RGB(1, 2, 3));
    SendMessageW(w, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    colour = GetBkColor(dc);
    ReleaseDC(field, dc);
    if (GetFocus() == GetDlgItem(w, focused)) break;
  }
  return colour;
}

TEST_F(Haupt, TheFocusedFieldTurnsLightYellow) {
  HWND w = open();
  const COLORREF yellow = RGB(255, 255, 128);
  EXPECT_EQ(backgroundOf(w, IDE_HAUPT_SYSOPNAME, IDE_HAUPT_SYSOPNAME, WM_CTLCOLOREDIT), yellow);
  EXPECT_NE(backgroundOf(w, IDE_HAUPT_SYSOPNAME, IDE_HAUPT_BOXNAME, WM_CTLCOLOREDIT), yellow);
  // "Schloss" is not one of the coloured fields.
  EXPECT_NE(backgroundOf(w, IDE_HAUPT_SCHLOSS, IDE_HAUPT_SCHLOSS, WM_CTLCOLOREDIT), yellow);
  EXPECT_EQ(backgroundOf(w, IDC_HAUPT_RAUSNACH, IDE_HAUPT_RAUSNACH, WM_CTLCOLORSTATIC), yellow);
  EXPECT_NE(backgroundOf(w, IDC_HAUPT_RAUSNACH, IDE_HAUPT_KOMMENTAR, WM_CTLCOLORSTATIC), yellow);
}

TEST_F(Haupt, TabRunsTopToBottom) {
  zorq::DialogButtons buttons = zorq::dialogButtons();
  for (auto& b : buttons) b.factory = makeTestDialog;
  HWND w = open(buttons);
  HWND first = GetNextDlgTabItem(w, nullptr, FALSE);
  std::vector<int> order;
  HWND at = first;
  do {
    order.push_back(GetDlgCtrlID(at));
    at = GetNextDlgTabItem(w, at, FALSE);
  } while (at != first && order.size() < 100);
  std::vector<int> expected = {IDE_HAUPT_BOXNAME,   IDE_HAUPT_SYSOPNAME, IDE_HAUPT_ORGANISATION,
                               IDE_HAUPT_CHATZWANG, IDE_HAUPT_UPLOAD,    IDB_HAUPT_UPLOAD,
                               IDE_HAUPT_DOWNLOAD,  IDB_HAUPT_DOWNLOAD,  IDE_HAUPT_HDFREI,
                               IDC_HAUPT_KOMMENTAR, IDC_HAUPT_RAUSNACH,  IDE_HAUPT_NETZPFAD,
                               IDB_HAUPT_NETZPFAD,  IDE_HAUPT_SCHLOSS,   IDE_HAUPT_NETZWERK,
                               IDC_HAUPT_NETZWERK,  IDX_HAUPT_FILEID,    IDX_HAUPT_PMS};
  for (int i = 0; i < 17; ++i) expected.push_back(IDB_HAUPT_DIALOG + i);
  expected.push_back(IDB_HAUPT_ABBRUCH);
  expected.push_back(IDB_HAUPT_ENDE);
  EXPECT_EQ(order, expected);
}

// The close box after changes asks; "Ja" is "Ende", "Nein" is "Abbruch",
// "Abbrechen" stays.
TEST_F(Haupt, TheCloseBoxAsksAfterChanges) {
  HWND w = open();
  type(w, IDE_HAUPT_BOXNAME, "Neue Box");
  ui.answers = {ui::Answer::Cancel};
  SendMessageW(w, WM_CLOSE, 0, 0);
  pump();
  ASSERT_TRUE(IsWindow(w));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "\xc4nderungen speichern?");
  EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::YesNoCancel);
  EXPECT_EQ(textOf(w, IDE_HAUPT_BOXNAME), "Neue Box");
  EXPECT_EQ(box.read("daten\\main.txt"), kDemoMain);

  ui.answers = {ui::Answer::Yes};
  SendMessageW(w, WM_CLOSE, 0, 0);
  pump();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_EQ(box.read("daten\\main.txt").substr(0, 8), "Neue Box");
  EXPECT_TRUE(system.findAtom("ZORQRELOAD"));
}

// A change another dialog made to the shared record counts, and so does the
// network number; a typed text that is typed back does not: the window
// closes at once, writing nothing.
TEST_F(Haupt, TheCloseBoxCountsEveryChangeThatEndeWouldWrite) {
  HWND w = open();
  type(w, IDE_HAUPT_SYSOPNAME, "Neu");
  type(w, IDE_HAUPT_SYSOPNAME, "Sysop");
  SendMessageW(w, WM_CLOSE, 0, 0);
  pump();
  EXPECT_FALSE(IsWindow(w));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(box.read("daten\\main.txt"), kDemoMain);

  for (int change = 0; change < 2; ++change) {
    ui.shown.clear();
    w = open();
    if (change == 0) settings.maxBriefe = "9999";  // "Speicher" confirmed
    if (change == 1) slide(w, IDC_HAUPT_NETZWERK, 5);
    ui.answers = {ui::Answer::No};
    SendMessageW(w, WM_CLOSE, 0, 0);
    pump();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(ui.shown.size(), 1u) << change;
    EXPECT_EQ(box.read("daten\\main.txt"), kDemoMain);
    EXPECT_FALSE(box.exists("zorq.ini"));
    EXPECT_TRUE(system.atoms.empty());
  }
}

TEST_F(Haupt, EveryButtonCheckBoxAndLabelHasItsOwnAccessKey) {
  HWND w = open();
  for (const std::string& fault : accessKeyFaults(controlsOf(w))) ADD_FAILURE() << fault;
  // Alt+key of a label goes to its field.
  const std::pair<wchar_t, int> labels[] = {{L'o', IDE_HAUPT_BOXNAME},
                                            {L'l', IDE_HAUPT_UPLOAD},
                                            {L'\xdf', IDE_HAUPT_SCHLOSS},
                                            {L'#', IDE_HAUPT_NETZWERK}};
  for (auto [key, field] : labels) {
    MSG alt{w, WM_SYSCHAR, key, 1 << 29, 0, {}};
    IsDialogMessageW(w, &alt);
    pump();
    EXPECT_EQ(focusedIn(w), GetDlgItem(w, field)) << static_cast<int>(key);
  }
  // Alt+letter presses the button: "Sonsti&ges" reaches its dialog.
  zorq::DialogButtons buttons = zorq::dialogButtons();
  buttons[16].factory = makeTestDialog;
  window.reset();
  w = open(buttons);
  made = 0;
  MSG alt{w, WM_SYSCHAR, 'g', 1 << 29, 0, {}};
  IsDialogMessageW(w, &alt);
  pump();
  EXPECT_EQ(made, 1);
}

TEST_F(Haupt, ScreenReadersNameEachControlByItsLabel) {
  CoInitialize(nullptr);
  HWND w = open();
  EXPECT_EQ(accessibleName(GetDlgItem(w, IDC_HAUPT_KOMMENTAR)), "Kommentar");
  EXPECT_EQ(accessibleName(GetDlgItem(w, IDC_HAUPT_RAUSNACH)), "Raus nach");
  EXPECT_EQ(accessibleName(GetDlgItem(w, IDC_HAUPT_NETZWERK)), "Netzwerk #");
  EXPECT_EQ(accessibleName(GetDlgItem(w, IDB_HAUPT_NETZPFAD)), "Netzpfad w\xe4hlen");
  EXPECT_EQ(accessibleName(GetDlgItem(w, IDX_HAUPT_FILEID)), "FileId.diz Extraktor");
  window.reset();
  CoUninitialize();
}

RECT rectOf(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  return r;
}

RECT workAreaOf(HWND w) {
  MONITORINFO m{};
  m.cbSize = sizeof m;
  GetMonitorInfoW(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &m);
  return m.rcWork;
}

void expectCentredOver(HWND dialog, const RECT& over) {
  RECT d = rectOf(dialog);
  EXPECT_LE(std::abs((d.left + d.right) - (over.left + over.right)), 2);
  EXPECT_LE(std::abs((d.top + d.bottom) - (over.top + over.bottom)), 2);
}

void expectOnItsMonitor(HWND w) {
  RECT r = rectOf(w), work = workAreaOf(w);
  EXPECT_GE(r.left, work.left);
  EXPECT_GE(r.top, work.top);
  EXPECT_LE(r.right, work.right);
  EXPECT_LE(r.bottom, work.bottom);
}

// The main window opens in the middle of its screen, a dialog in the middle
// of the main window, and a dialog of a window at the screen's edge stays
// whole on the screen.
TEST_F(Haupt, WindowsOpenCentredAndWholeOnTheirMonitor) {
  zorq::DialogButtons buttons = zorq::dialogButtons();
  buttons[9].factory = makeTestDialog;
  HWND w = open(buttons);
  expectCentredOver(w, workAreaOf(w));
  click(w, IDB_HAUPT_DIALOG + 9);
  ASSERT_NE(window->openDialog(9), nullptr);
  HWND dialog = window->openDialog(9)->hwnd();
  EXPECT_EQ(GetWindow(dialog, GW_OWNER), w);
  expectCentredOver(dialog, rectOf(w));
  expectOnItsMonitor(dialog);
  window->openDialog(9)->End(IDCANCEL);
  pump();

  const RECT work = workAreaOf(w);
  SetWindowPos(w, nullptr, work.right - 60, work.bottom - 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  click(w, IDB_HAUPT_DIALOG + 9);
  ASSERT_NE(window->openDialog(9), nullptr);
  expectOnItsMonitor(window->openDialog(9)->hwnd());
}

}  // namespace
