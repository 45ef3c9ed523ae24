// The net box picker, shown modally and answered from its own modal loop as
// a user would.
#include "network/frmbox.h"

#include <gtest/gtest.h>

#include <functional>

#include "fake_ui.h"
#include "network/frmbox_ids.h"
#include "temp_dir.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;
using Names = std::vector<std::string>;

std::string record(const std::string& name, const std::string& type) {
  return name + "\r\n0451-302217\r\npw\r\nZCONNECT\r\nARJ\r\nbox.zer\r\n 2 \r\n 0 \r\n" + type +
         "\r\n13.03.1997 03:12\r\n 0 \r\n";
}

// A picker the play left open would wait for ever: close it a little later,
// unless it has closed by then.
void CALLBACK closeLeftOpen(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  ADD_FAILURE() << "the picker is still open";
  EndDialog(dialog, IDCANCEL);
}

struct NetBoxPicker : ::testing::Test {
  TempDir box;
  FakeUi ui;
  zorq::Installation where{box.path(), box.path(), 0};
  zorq::frmbox picker{plat::localFileSystem(), where, ui};
  std::string caption;
  Names shown;

  // Shows the picker modally; play drives it from inside its modal loop.
  std::optional<zorq::NetBoxChoice> run(std::function<void(HWND)> play) {
    BoxAnswerer answerer({}, [&](HWND dialog) {
      caption = ui::WindowText(dialog);
      shown = listItems(dialog, IDL_FRMBOX_BOXES);
      play(dialog);
      SetTimer(dialog, 0x7A12, 3000, closeLeftOpen);
    });
    picker.DoModal(nullptr);
    return picker.auswahl();
  }
};

TEST_F(NetBoxPicker, ADoubleClickAnswersTheBoxItsPositionAndTheTypesOfAll) {
  box.write("daten\\netz.dat", " 3 \r\n" + record("WESTHOF", " 0 ") + record("K\xdcSTENFUNK", " 1 ") +
                                   record("FIDOGATE", " 2 "));
  auto chosen = run([](HWND d) {
    expectTidy(d);
    doubleClick(d, IDL_FRMBOX_BOXES, 1);
  });
  EXPECT_EQ(caption, "Bitte eine Netzbox w\xe4hlen");
  EXPECT_EQ(shown, (Names{"WESTHOF", "K\xdcSTENFUNK", "FIDOGATE"}));
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->name, "K\xdcSTENFUNK");
  EXPECT_EQ(chosen->position, 1);
  EXPECT_EQ(chosen->type, 1);
  EXPECT_EQ(chosen->types, (std::vector<std::int16_t>{0, 1, 2}));

  // Enter chooses the selected box; "Abbruch" and the close box choose none.
  chosen = run([](HWND d) {
    SendMessageW(GetDlgItem(d, IDL_FRMBOX_BOXES), WM_KEYDOWN, VK_END, 0);
    SendMessageW(d, WM_COMMAND, IDOK, 0);
  });
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->name, "FIDOGATE");
  EXPECT_EQ(chosen->position, 2);
  EXPECT_FALSE(run([](HWND d) { click(d, IDB_FRMBOX_ABBRUCH); }).has_value());
  EXPECT_FALSE(run([](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }).has_value());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(NetBoxPicker, ABoxWithoutANameIsNoChoice) {
  box.write("daten\\netz.dat", " 1 \r\n" + record("", " 1 "));
  EXPECT_FALSE(run([](HWND d) { doubleClick(d, IDL_FRMBOX_BOXES, 0); }).has_value());
  EXPECT_EQ(shown, Names{""});
}

TEST_F(NetBoxPicker, WithoutAFileTheListIsEmptyAndSilent) {
  bool stayed = false;
  EXPECT_FALSE(run([&](HWND d) {
                 doubleClick(d, IDL_FRMBOX_BOXES, 0);  // on no box at all
                 stayed = IsWindowVisible(d) != 0;
                 click(d, IDB_FRMBOX_ABBRUCH);
               }).has_value());
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(shown.empty());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(NetBoxPicker, ADamagedFileIsToldAndTheBoxesBeforeTheDamageCanBeChosen) {
  std::string bytes = " 0 \r\n";
  for (int i = 0; i < 1002; ++i) bytes += record("BOX" + std::to_string(i), " 0 ");
  box.write("daten\\netz.dat", bytes);
  auto chosen = run([](HWND d) { doubleClick(d, IDL_FRMBOX_BOXES, 1000); });
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Laden von <netz.dat>");
  EXPECT_EQ(shown.size(), 1001u);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(chosen->name, "BOX1000");
  EXPECT_EQ(chosen->position, 1000);
  EXPECT_EQ(chosen->types.size(), 1001u);
}

}  // namespace
