// zorqcfg: the configuration editor of the Valmorin server.
#include <windows.h>
#include <commctrl.h>

#include "app/dialog_buttons.h"
#include "app/pickers_win32.h"
#include "commands/frmalias.h"
#include "core/context.h"
#include "core/haupt.h"
#include "core/installation.h"
#include "core/main_settings.h"
#include "platform/filesystem.h"
#include "platform/save.h"
#include "platform/system.h"
#include "ui/win32/services_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);

  ui::Win32Services services;
  plat::FileSystem& fs = plat::localFileSystem();
  plat::System& system = plat::localSystem();
  // A handler that ran out of memory (a huge file, say) is stopped in its
  // dialog; the program goes on with what it holds.
  ui::Dialog::OnFault([&services] {
    services.message("Nicht genug Speicher f\xfcr diesen Schritt. Er wurde abgebrochen.", "Meldung",
                     ui::Icon::Exclamation, ui::Buttons::Ok);
  });

  // Without zorq.ini the user has been told; nothing is written.
  auto where = zorq::resolveStartup(system, fs, services);
  if (!where) return 1;

  // A run that was killed while saving left its temporary files behind.
  for (const std::string& folder : {where->windowsDir, where->installDir, where->settingsFile("")})
    plat::removeLeftoverTemporaries(fs, folder);

  zorq::MainSettings settings;
  zorq::StartState start = zorq::loadAtStart(fs, *where, settings, services);
  if (start.endProgram) return 0;  // the server lock is active

  // The command picker needs the context that holds the pickers.
  zorq::Context* shared = nullptr;
  zorq::Win32Pickers pickers(*where, fs, system, services,
                             [&shared] { return zorq::showAliasPicker(*shared); });
  zorq::Context context{*where, settings, fs, system, services, pickers};
  shared = &context;
  zorq::haupt window(context, start, zorq::dialogButtons());
  if (!window.Create(nullptr)) return 2;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (ui::Dialog::PreTranslate(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
