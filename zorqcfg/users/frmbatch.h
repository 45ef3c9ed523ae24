// The batch files dialog "Editieren der Batchdateien". Modeless; the main
// window opens it.
#pragma once

#include <memory>

#include "users/box_file_dialog.h"

namespace zorq {

class frmbatch final : public BoxFileDialog {
 public:
  explicit frmbatch(Context& ctx);
};

// For the main window's "Batchdateien" button.
std::unique_ptr<ui::Dialog> makeBatchFiles(Context& ctx);

}  // namespace zorq
