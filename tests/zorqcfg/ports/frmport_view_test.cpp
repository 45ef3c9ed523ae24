// The port chooser shown modally and answered from its own modal loop, as
// the schedule editor and the main window use it.
#include "ports/frmport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ports/frmport_ids.h"
#include "win32/modal_script.h"
#include "win32/view_driver.h"

namespace {

using namespace testing_support;

// Shows the chooser modally; play drives it from inside its modal loop.
int run(zorq::frmport& chooser, std::function<void(HWND)> play) {
  ModalScript script({std::move(play)});
  chooser.DoModal(nullptr);
  return chooser.portnr();
}

RECT rectOf(HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  return r;
}

TEST(PortChooser, ShowsNinePortsInTwoColumnsInsideTheFrame) {
  zorq::frmport chooser;
  run(chooser, [](HWND d) {
    RECT frame = rectOf(GetDlgItem(d, IDC_FRMPORT_FRAME));
    for (int k = 0; k < zorq::kPortCount; ++k) {
      RECT r = rectOf(GetDlgItem(d, IDB_FRMPORT_PORT + k));
      EXPECT_TRUE(r.left > frame.left && r.right < frame.right && r.top > frame.top &&
                  r.bottom < frame.bottom);
    }
    auto port = [&](int k) { return rectOf(GetDlgItem(d, IDB_FRMPORT_PORT + k)); };
    EXPECT_EQ(port(0).left, port(4).left);
    EXPECT_LT(port(0).top, port(4).top);
    EXPECT_LT(port(0).left, port(5).left);
    EXPECT_EQ(port(5).top, port(0).top);
    EXPECT_EQ(port(8).top, port(3).top);
    EXPECT_GT(rectOf(GetDlgItem(d, IDB_FRMPORT_ABBRUCH)).top, frame.bottom);
    click(d, IDB_FRMPORT_ABBRUCH);
  });
}

TEST(PortChooser, AnswersThePortPressedOrMinusOneOnAbbruch) {
  for (int k : {0, 8}) {
    zorq::frmport chooser;
    EXPECT_EQ(run(chooser, [k](HWND d) { click(d, IDB_FRMPORT_PORT + k); }), k);
  }
  zorq::frmport cancelled;
  EXPECT_EQ(run(cancelled, [](HWND d) { click(d, IDB_FRMPORT_ABBRUCH); }), -1);
  zorq::frmport closed;
  EXPECT_EQ(run(closed, [](HWND d) { SendMessageW(d, WM_CLOSE, 0, 0); }), -1);
}

// Enter presses the focused button, the one focused since the chooser
// opened or one given the focus; a chooser left open fails.
TEST(PortChooser, EnterPressesTheFocusedButton) {
  const struct {
    int focus, expectedFocus, port;
  } rows[] = {
      {0, IDB_FRMPORT_PORT + 0, 0},
      {IDB_FRMPORT_PORT + 3, IDB_FRMPORT_PORT + 3, 3},
      {IDB_FRMPORT_ABBRUCH, IDB_FRMPORT_ABBRUCH, -1},
  };
  for (const auto& row : rows) {
    zorq::frmport chooser;
    EXPECT_EQ(run(chooser,
                  [&](HWND d) {
                    if (row.focus != 0) SetFocus(GetDlgItem(d, row.focus));
                    HWND focused = focusedIn(d);
                    EXPECT_EQ(GetDlgCtrlID(focused), row.expectedFocus);
                    pressKey(d, focused, VK_RETURN);
                  }),
              row.port);
  }
}

TEST(PortChooser, GoesOnToTheChainOnlyAfterAPortAndOnlyOnceItHasClosed) {
  std::vector<int> chained;
  HWND chooserWindow = nullptr;
  bool chooserVisible = true;
  zorq::frmport chooser([&](HWND, int port) {
    chained.push_back(port);
    chooserVisible = IsWindowVisible(chooserWindow) != FALSE;
  });
  EXPECT_EQ(run(chooser,
                [&](HWND d) {
                  chooserWindow = d;
                  click(d, IDB_FRMPORT_PORT + 3);
                }),
            3);
  EXPECT_EQ(chained, std::vector<int>{3});
  EXPECT_FALSE(chooserVisible);

  zorq::frmport cancelled([&](HWND, int port) { chained.push_back(port); });
  EXPECT_EQ(run(cancelled, [](HWND d) { click(d, IDB_FRMPORT_ABBRUCH); }), -1);
  EXPECT_EQ(chained, std::vector<int>{3});
}

TEST(PortChooser, NumberOnlyChooserAnswersThroughShowPortChooser) {
  BoxAnswerer answerer({}, [](HWND d) { click(d, IDB_FRMPORT_PORT + 6); });
  EXPECT_EQ(zorq::showPortChooser(nullptr), 6);
}

}  // namespace
