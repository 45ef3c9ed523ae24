#include <gtest/gtest.h>

#include "ui/win32/services_win32.h"
#include "win32/view_driver.h"

namespace {

using testing_support::BoxAnswerer;

TEST(Screenshot, InputBox) {
  ui::Win32Services services;
  BoxAnswerer answerer({}, [](HWND box) {
    testing_support::type(box, 102, "Hayes Ger\xe4t");
    testing_support::captureIfAsked(box, "inputbox");
    testing_support::click(box, IDCANCEL);
  });
  services.input("Unter welchem Namen soll das Preset gespeichert werden?", "Preset", "");
}

}  // namespace
