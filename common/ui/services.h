// The modal questions a window asks the user: message boxes and the input
// box. Views reach them only through this interface, so that tests can
// answer them; the real ones are modal Win32 dialogs. Texts are
// Windows-1252.
#pragma once

#include <optional>
#include <string>

namespace ui {

enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Buttons { Ok, YesNo, OkCancel, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Services {
 public:
  virtual ~Services() = default;

  virtual Answer message(const std::string& text, const std::string& title, Icon icon,
                         Buttons buttons = Buttons::Ok) = 0;
  // A text input box; nothing when cancelled.
  virtual std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                           const std::string& initial) = 0;

  // The boxes the dialogs share.
  void notice(const std::string& text) { message(text, "Meldung", Icon::Information); }
  void loadError(const std::string& text) { notice(text); }
  bool confirm(const std::string& text, const std::string& title = "Frage") {
    return message(text, title, Icon::Question, Buttons::YesNo) == Answer::Yes;
  }
};

}  // namespace ui
