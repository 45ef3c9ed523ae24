// The seventeen dialogs of the main window, in the order of its buttons.
#pragma once

#include "core/dialog_buttons.h"

namespace zorq {

const DialogButtons& dialogButtons();

}  // namespace zorq
