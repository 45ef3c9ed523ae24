// Scripted stand-in for the user's answers: records every box shown and
// answers from queues (Ok, Yes, or the default text when the queues are
// empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "ui/services.h"

namespace testing_support {

struct ShownBox {
  std::string text;
  std::string title;
  ui::Icon icon;
  ui::Buttons buttons;
};

class FakeUi : public ui::Services {
 public:
  std::vector<ShownBox> shown;
  std::deque<ui::Answer> answers;
  std::deque<std::optional<std::string>> inputs;
  std::vector<std::string> prompts;

  ui::Answer message(const std::string& text, const std::string& title, ui::Icon icon,
                     ui::Buttons buttons) override {
    shown.push_back({text, title, icon, buttons});
    if (!answers.empty()) {
      ui::Answer a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons == ui::Buttons::YesNo || buttons == ui::Buttons::YesNoCancel ? ui::Answer::Yes
                                                                                : ui::Answer::Ok;
  }

  std::optional<std::string> input(const std::string& prompt, const std::string&,
                                   const std::string& initial) override {
    prompts.push_back(prompt);
    if (inputs.empty()) return initial;
    auto next = inputs.front();
    inputs.pop_front();
    return next;
  }
};

}  // namespace testing_support
