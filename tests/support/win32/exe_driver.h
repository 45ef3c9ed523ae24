// Starts a real program under Wine (or Windows) and plays its user from
// outside: finds its windows and message boxes by their texts, types into
// fields, presses buttons and waits for it to end. Texts are Windows-1252.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace testing_support {

// The Windows path of a file of the build or the source tree, from the Unix
// path CMake knows ("/work/x" becomes "Z:\work\x").
std::string windowsPath(const std::string& unixPath);

struct MessageBoxSeen {
  HWND hwnd = nullptr;
  std::string title, text;
};

// True once window is gone, waiting up to timeoutMs.
bool waitClosed(HWND window, int timeoutMs = 10000);

class ExeRun {
 public:
  // Starts the program (full Windows path) in workDir (its own folder when
  // empty).
  explicit ExeRun(const std::string& exe, const std::string& workDir = {});
  ~ExeRun();  // ends the program if it still runs
  ExeRun(const ExeRun&) = delete;
  ExeRun& operator=(const ExeRun&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD pid() const { return pid_; }

  // A visible top-level window of the program with this title (any title
  // when empty), waiting up to timeoutMs.
  HWND waitWindow(const std::string& title, int timeoutMs = 15000);
  // The next message box of the program.
  std::optional<MessageBoxSeen> waitMessageBox(int timeoutMs = 15000);
  // True when the program shows no message box for waitMs.
  bool noMessageBox(int waitMs = 500);

  // Presses the button with this caption ("OK", "Ende", "&Ja") of window;
  // false, as for a user, when the button or the window is disabled.
  bool press(HWND window, const std::string& caption);
  // Answers a message box with a button id (IDOK, IDYES, IDNO).
  void answer(const MessageBoxSeen& box, int id);
  // Puts text into the field right of the label, as typing would.
  bool typeInto(HWND window, const std::string& label, const std::string& text);
  // The text of the field right of the label.
  std::string fieldText(HWND window, const std::string& label);

  // Exit code, or nothing when the program still runs after timeoutMs.
  std::optional<DWORD> waitExit(int timeoutMs = 15000);

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

}  // namespace testing_support
