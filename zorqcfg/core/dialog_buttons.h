// The column of dialog buttons in the main window: caption, top to bottom,
// and how each opens its dialog. A button without a factory stays disabled.
// The main window knows no dialog of its own: the program hands it the table
// (dialogButtons() in app/).
#pragma once

#include <array>
#include <cstddef>
#include <memory>

#include "core/context.h"
#include "ui/win32/dialog.h"

namespace zorq {

using DialogFactory = std::unique_ptr<ui::Dialog> (*)(Context&);

enum class Showing {
  Modeless,  // beside the main window; a second press brings it to the front
  Modal,     // the main window waits until it closes
};

struct DialogButton {
  const char* caption;  // Windows-1252
  char key;             // its access key: the letter of the caption underlined
  DialogFactory factory;
  Showing showing = Showing::Modeless;
};

inline constexpr std::size_t kDialogButtonCount = 17;
using DialogButtons = std::array<DialogButton, kDialogButtonCount>;

}  // namespace zorq
