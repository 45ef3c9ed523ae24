// The box text and batch file dialogs: the rows in columns, a double click
// that opens or creates the row's file, and "OK".
#include "users/frmbatch.h"
#include "users/frmtxted.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>

#include "view_context.h"
#include "platform/win32/wide.h"
#include "users/frmbatch_ids.h"
#include "users/frmtxted_ids.h"
#include "win32/view_driver.h"
#include "win32/window_checks.h"

namespace {

using namespace testing_support;

struct BoxFilesView : ::testing::Test, ViewContext {
  std::unique_ptr<ui::Dialog> dialog;

  BoxFilesView() { plat::localFileSystem().makeDirectory(dir.path() + "texte"); }

  template <class D>
  HWND open() {
    dialog = std::make_unique<D>(ctx);
    EXPECT_TRUE(dialog->Create(nullptr));
    pump();
    return dialog->hwnd();
  }
};

TEXTMETRICW metricsOf(HWND control) {
  HDC dc = GetDC(control);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  TEXTMETRICW m{};
  GetTextMetricsW(dc, &m);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return m;
}

// The rows stand in a fixed-pitch font, whole, under two heads that stand
// over their columns.
template <std::size_t N>
void expectColumns(HWND d, int listId, int nameHead, int whenHead, const std::array<zorq::BoxFile, N>& rows,
                   std::size_t column) {
  HWND list = GetDlgItem(d, listId);
  std::vector<std::string> expected;
  for (const zorq::BoxFile& row : rows) expected.push_back(zorq::rowText(row, column));
  EXPECT_EQ(listItems(d, listId), expected);

  const TEXTMETRICW m = metricsOf(list);
  EXPECT_EQ(m.tmPitchAndFamily & TMPF_FIXED_PITCH, 0) << "the list's font is not fixed-pitch";
  RECT client;
  GetClientRect(list, &client);
  for (const std::string& text : expected)
    EXPECT_LE(textWidth(list, plat::wide(text)) + 2, client.right) << text;
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  ScreenToClient(d, &origin);
  EXPECT_NEAR(rectIn(d, GetDlgItem(d, nameHead)).left, origin.x + 2, 1);
  EXPECT_NEAR(rectIn(d, GetDlgItem(d, whenHead)).left,
              origin.x + 2 + static_cast<int>(column) * m.tmAveCharWidth, 1);
  expectTidy(d);
}

TEST_F(BoxFilesView, TheBoxTextsStandInColumnsUnderTheirHeads) {
  HWND d = open<zorq::frmtxted>();
  EXPECT_EQ(dialog->Caption(), "Editieren von Boxtexten");
  expectColumns(d, IDL_FRMTXTED_LIST, IDT_FRMTXTED_NAMEHEAD, IDT_FRMTXTED_WHENHEAD, zorq::kBoxTexts,
                zorq::kBoxTextColumn);
}

TEST_F(BoxFilesView, TheBatchFilesStandInColumnsUnderTheirHeads) {
  HWND d = open<zorq::frmbatch>();
  EXPECT_EQ(dialog->Caption(), "Editieren der Batchdateien");
  expectColumns(d, IDL_FRMBATCH_LIST, IDT_FRMBATCH_NAMEHEAD, IDT_FRMBATCH_WHENHEAD, zorq::kBatchFiles,
                zorq::kBatchFileColumn);
}

TEST_F(BoxFilesView, ADoubleClickCreatesAMissingFileAndOpensItAndLeavesAnExistingOne) {
  HWND d = open<zorq::frmtxted>();
  dir.write("texte\\login.txt", "Hallo\r\n");
  doubleClick(d, IDL_FRMTXTED_LIST, 18);  // "Multichat.txt"
  doubleClick(d, IDL_FRMTXTED_LIST, 5);   // "Login.txt"
  EXPECT_EQ(dir.read("texte\\multchat.txt"), "");
  EXPECT_EQ(dir.read("texte\\login.txt"), "Hallo\r\n");
  ASSERT_EQ(system.started.size(), 2u);
  EXPECT_EQ(system.started[0], plat::notepadCommand(where.windowsDir, dir.path() + "texte\\multchat.txt"));
  EXPECT_EQ(system.started[1], plat::notepadCommand(where.windowsDir, dir.path() + "texte\\login.txt"));
  EXPECT_TRUE(dialog->IsOpen());
  EXPECT_TRUE(ui.shown.empty());
}

// Enter, pressed as the dialog manager takes it: on the list it opens the
// selected row as a double click does, and the dialog stays; on "OK" it
// closes.
TEST_F(BoxFilesView, EnterOnTheListOpensTheSelectedRowAndOnOkCloses) {
  const struct {
    bool batch;
    int list, ok, row;
    const char* file;
  } rows[] = {
      {false, IDL_FRMTXTED_LIST, IDB_FRMTXTED_OK, 5, "texte\\login.txt"},
      {true, IDL_FRMBATCH_LIST, IDB_FRMBATCH_OK, 8, "texte\\sorter.bat"},
  };
  for (const auto& row : rows) {
    system.started.clear();
    HWND d = row.batch ? open<zorq::frmbatch>() : open<zorq::frmtxted>();
    HWND list = GetDlgItem(d, row.list);
    focus(d, row.list);
    choose(d, row.list, row.row);
    ASSERT_EQ(focusedIn(d), list);
    pressKey(d, list, VK_RETURN);
    ASSERT_EQ(system.started.size(), 1u) << row.file;
    EXPECT_EQ(system.started[0], plat::notepadCommand(where.windowsDir, dir.path() + row.file));
    EXPECT_TRUE(dialog->IsOpen());

    focus(d, row.ok);
    HWND ok = focusedIn(d);
    ASSERT_EQ(ok, GetDlgItem(d, row.ok));
    pressKey(d, ok, VK_RETURN);
    EXPECT_FALSE(dialog->IsOpen()) << row.file;
    EXPECT_EQ(system.started.size(), 1u);
  }
}

TEST_F(BoxFilesView, AFileThatCannotBeCreatedIsToldAndNoEditorStarts) {
  std::filesystem::remove(dir.path() + "texte");
  HWND d = open<zorq::frmbatch>();
  doubleClick(d, IDL_FRMBATCH_LIST, 8);  // "Sorter.bat"
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Fehler beim Anlegen von <" + dir.path() + "texte\\sorter.bat>");
  EXPECT_TRUE(system.started.empty());
  EXPECT_TRUE(dialog->IsOpen());
}

}  // namespace
