// The box texts dialog "Editieren von Boxtexten". Modeless; the main window
// opens it.
#pragma once

#include <memory>

#include "users/box_file_dialog.h"

namespace zorq {

class frmtxted final : public BoxFileDialog {
 public:
  explicit frmtxted(Context& ctx);
};

// For the main window's "Texte" button.
std::unique_ptr<ui::Dialog> makeBoxTexts(Context& ctx);

}  // namespace zorq
