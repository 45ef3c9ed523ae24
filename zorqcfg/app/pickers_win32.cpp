#include "app/pickers_win32.h"

#include <windows.h>

#include "core/frmdir.h"
#include "core/frmfile.h"
#include "core/frmselgru.h"
#include "core/frmselus.h"
#include "ports/frmport.h"
#include "network/frmbox.h"

namespace zorq {

namespace {

template <class Picker>
auto show(Picker&& picker) {
  picker.DoModal(GetActiveWindow());
  return picker.auswahl();
}

}  // namespace

Win32Pickers::Win32Pickers(const Installation& where, plat::FileSystem& fs, plat::System& system,
                           ui::Services& ui, std::function<std::string()> pickCommand)
    : where_(where), fs_(fs), system_(system), ui_(ui), pickCommand_(std::move(pickCommand)) {}

std::string Win32Pickers::pickDirectory() { return show(frmdir(system_.programDirectory(), ui_)); }

std::string Win32Pickers::pickFile(const std::string& dateimaske) {
  return show(frmfile(system_.programDirectory(), dateimaske, ui_));
}

std::string Win32Pickers::pickUser() { return show(frmselus(fs_, where_, ui_)); }

std::string Win32Pickers::pickGroup(const std::string& current) {
  return show(frmselgru(fs_, where_, ui_, current));
}

std::optional<NetBoxChoice> Win32Pickers::pickNetBox() { return show(frmbox(fs_, where_, ui_)); }

std::string Win32Pickers::pickCommand() { return pickCommand_ ? pickCommand_() : std::string(); }

int Win32Pickers::pickPort() { return showPortChooser(GetActiveWindow()); }

}  // namespace zorq
