// setup: installs or updates the Valmorin server from the distribution in
// the current directory.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "driver.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "platform/win32/wide.h"
#include "progman_win32.h"
#include "setupmain.h"
#include "setupmod.h"
#include "ui/win32/services_win32.h"

namespace {

// The distribution may lie deeper than MAX_PATH: the buffer grows to what
// Windows asks for.
std::string currentDirectory() {
  std::wstring buffer(MAX_PATH + 1, L'\0');
  for (;;) {
    DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n < buffer.size()) {
      buffer.resize(n);
      break;
    }
    buffer.assign(n, L'\0');  // n counts the terminating NUL here
  }
  return setup::WithBackslash(plat::narrow(buffer));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  CoInitialize(nullptr);
  {
    ui::Win32Services services;
    setup::DdemlLink progman;
    setup::ShellStartMenu startMenu;
    setup::Setup run(setup::Environment{plat::localFileSystem(), plat::localSystem(), services, progman,
                                        startMenu, currentDirectory()});
    setup::setupmain window(run);
    run.run(window);
  }
  CoUninitialize();
  return 0;
}
