// What a view test of an editor dialog hands its dialog: a temporary
// installation with its settings folder, the scripted message boxes and
// pickers, and the real files.
#pragma once

#include <string>

#include "core/context.h"
#include "core/main_settings.h"
#include "fake_pickers.h"
#include "fake_system.h"
#include "fake_ui.h"
#include "temp_dir.h"

namespace testing_support {

struct ViewContext {
  TempDir dir;
  zorq::Installation where{"C:\\WINDOWS\\", dir.path()};
  FakeSystem system;
  FakeUi ui;
  FakePickers pickers;
  zorq::MainSettings settings{};
  zorq::Context ctx{where, settings, plat::localFileSystem(), system, ui, pickers};

  ViewContext() { plat::localFileSystem().makeDirectory(dir.path() + "daten"); }

  // The bytes of a file of the settings folder.
  std::string file(const std::string& name) const { return dir.read("daten\\" + name); }
};

}  // namespace testing_support
