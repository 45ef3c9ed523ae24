// What a view test of the scheduler's dialogs hands them: a temporary
// installation, scripted message boxes and pickers, and the real files.
#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/context.h"
#include "core/main_settings.h"
#include "fake_system.h"
#include "fake_ui.h"
#include "temp_dir.h"
#include "win32/view_driver.h"

namespace testing_support {

// Answers the pickers from queues (nothing, or -1 for a port, when a queue
// is empty) and records what was asked.
class SchedulePickers : public zorq::Pickers {
 public:
  std::deque<std::string> files;
  std::deque<int> ports;
  std::deque<std::optional<zorq::NetBoxChoice>> netBoxes;
  std::vector<std::string> asked;  // "file:<pattern>", "port", "box", in order

  std::string pickDirectory() override { return {}; }
  std::string pickFile(const std::string& dateimaske) override {
    asked.push_back("file:" + dateimaske);
    return next(files);
  }
  int pickPort() override {
    asked.push_back("port");
    return ports.empty() ? -1 : next(ports);
  }
  std::optional<zorq::NetBoxChoice> pickNetBox() override {
    asked.push_back("box");
    return next(netBoxes);
  }
  std::string pickUser() override { return {}; }
  std::string pickGroup(const std::string&) override { return {}; }
  std::string pickCommand() override { return {}; }

 private:
  template <class T>
  static T next(std::deque<T>& queue) {
    if (queue.empty()) return {};
    T answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

struct ScheduleContext {
  TempDir dir;
  zorq::Installation where{"C:\\WINDOWS\\", dir.path()};
  FakeSystem system;
  FakeUi ui;
  SchedulePickers pickers;
  zorq::MainSettings settings{};
  zorq::Context ctx{where, settings, plat::localFileSystem(), system, ui, pickers};

  ScheduleContext() { plat::localFileSystem().makeDirectory(dir.path() + "daten"); }
};

// Plays the modal dialogs a command opens, in order: each play gets the
// dialog's caption and window and must close it. A dialog left open is
// closed after a while, and a dialog more than were scripted fails.
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
