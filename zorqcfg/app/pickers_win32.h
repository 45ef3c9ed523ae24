// The pickers as modal Win32 dialogs, owned by the window the user works in:
// those of core/ and the port chooser and the net box picker, which the
// areas reach only through the Pickers interface.
#pragma once

#include <functional>
#include <string>

#include "core/installation.h"
#include "core/pickers.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "ui/services.h"

namespace zorq {

class Win32Pickers final : public Pickers {
 public:
  // pickCommand shows the command picker; until one is given it answers
  // nothing.
  Win32Pickers(const Installation& where, plat::FileSystem& fs, plat::System& system, ui::Services& ui,
               std::function<std::string()> pickCommand = {});

  std::string pickDirectory() override;
  std::string pickFile(const std::string& dateimaske) override;
  std::string pickUser() override;
  std::string pickGroup(const std::string& current) override;
  std::string pickCommand() override;
  int pickPort() override;
  std::optional<NetBoxChoice> pickNetBox() override;

  void setCommandPicker(std::function<std::string()> pickCommand) { pickCommand_ = std::move(pickCommand); }

 private:
  const Installation& where_;
  plat::FileSystem& fs_;
  plat::System& system_;
  ui::Services& ui_;
  std::function<std::string()> pickCommand_;
};

}  // namespace zorq
