// What every dialog of the editor works with: where the installation is, the
// shared main settings record, and the services it reaches the world by.
#pragma once

#include "core/installation.h"
#include "core/pickers.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "ui/services.h"

namespace zorq {

struct MainSettings;

struct Context {
  Installation& where;
  MainSettings& settings;
  plat::FileSystem& fs;
  plat::System& system;
  ui::Services& ui;
  Pickers& pickers;
};

}  // namespace zorq
