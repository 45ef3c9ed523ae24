// setup: installs or updates the Valmorin server from the distribution in
// the current directory.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "driver.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "platform/win32/wide.h"
#include "progman_win32.h"
#include "setupmain.h"
#include "setupmod.h"
#include "ui/win32/services_win32.h"

namespace {

std::string currentDirectory() {
  wchar_t buffer[MAX_PATH + 1] = {};
  DWORD n = GetCurrentDirectoryW(MAX_PATH + 1, buffer);
  return setup::WithBackslash(plat::narrow(std::wstring_view(buffer, n)));
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
