// The real message boxes and input box: modal Win32 dialogs.
#pragma once

#include "ui/services.h"

namespace ui {

class Win32Services final : public Services {
 public:
  Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
  std::optional<std::string> input(const std::string& prompt, const std::string& title,
                                   const std::string& initial) override;
};

}  // namespace ui
