// zorqcfg: the configuration editor of the Valmorin server.
#include <windows.h>
#include <commctrl.h>

#include "core/haupt.h"
#include "core/installation.h"
#include "platform/filesystem.h"
#include "platform/system.h"
#include "ui/win32/services_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  ui::Win32Services services;
  auto where = zorq::resolveStartup(plat::localSystem(), plat::localFileSystem(), services);
  if (!where) return 1;

  zorq::haupt window(*where, services);
  if (!window.Create(nullptr)) return 2;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (ui::Dialog::PreTranslate(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
