// Modal dialogs answered from inside their own modal loop, as a user would:
// a script of plays, one a dialog.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/win32/dialog.h"
#include "win32/view_driver.h"

namespace testing_support {

// Plays the modal dialogs that open while it lives, in order (a command
// that asks, or a dialog shown modally): each play gets the dialog's window
// and must close it. A dialog left open is closed after a while, and a
// dialog more than were scripted fails, as does one scripted that never
// came.
class ModalScript {
 public:
  using Play = std::function<void(HWND)>;
  explicit ModalScript(std::deque<Play> plays)
      : plays_(std::move(plays)), answerer_({}, [this](HWND d) { next(d); }) {}
  ~ModalScript() { EXPECT_TRUE(plays_.empty()) << plays_.size() << " dialogs did not open"; }
  std::vector<std::string> captions;  // of each dialog, in order

 private:
  void next(HWND dialog);
  static void CALLBACK closeLeftOpen(HWND dialog, UINT, UINT_PTR id, DWORD);

  std::deque<Play> plays_;
  BoxAnswerer answerer_;
};

inline void CALLBACK ModalScript::closeLeftOpen(HWND dialog, UINT, UINT_PTR id, DWORD) {
  KillTimer(dialog, id);
  ADD_FAILURE() << "a dialog is still open";
  EndDialog(dialog, IDCANCEL);
}

inline void ModalScript::next(HWND dialog) {
  captions.push_back(ui::WindowText(dialog));
  if (plays_.empty()) {
    ADD_FAILURE() << "unexpected dialog " << captions.back();
    EndDialog(dialog, IDCANCEL);
    return;
  }
  Play play = std::move(plays_.front());
  plays_.pop_front();
  SetTimer(dialog, 0x7A13, 3000, closeLeftOpen);
  play(dialog);
}

// Closes a dialog as its close box would.
inline void closeBox(HWND dialog) {
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  pump();
}

}  // namespace testing_support
