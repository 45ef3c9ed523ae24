// How much longer the net box picker takes to show its list filled with
// 1001 boxes, and the domain routing dialog its lists filled with 5000
// routes, than each takes with an empty file. Each window is opened and
// painted many times; the medians are compared. Prints the ratios and the
// times, measured in this one run.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/context.h"
#include "open_timing.h"
#include "core/main_settings.h"
#include "fake_ui.h"
#include "network/frmbox.h"
#include "network/frmdomain.h"

namespace {

std::string netBoxes(int count) {
  std::string bytes = " " + std::to_string(count) + " \r\n";
  for (int i = 0; i < count; ++i)
    bytes += "BOX" + std::to_string(i) + "\r\n0451-" + std::to_string(100000 + i) +
             "\r\npw\r\nZCONNECT\r\nARJ\r\nbox.zer\r\n 2 \r\n 0 \r\n" + (i % 7 == 0 ? " 1 " : " 0 ") +
             "\r\n13.03.1997 03:12\r\n 0 \r\n";
  return bytes;
}

std::string routes(int count) {
  std::string bytes = " " + std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i)
    bytes += "domain" + std::to_string(i) + ".de" + (i % 3 == 0 ? "~absender.de" : "") + "\tBOX" +
             std::to_string(i % 1001) + "\r\n";
  return bytes;
}

using bench::Box;
using bench::median;
using bench::opening;

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  testing_support::FakeUi services;  // answers at once: no message box stops the clock
  bench::NoPickers pickers;
  zorq::MainSettings settings;
  plat::FileSystem& fs = plat::localFileSystem();
  Box empty("empty"), full("full");
  empty.write("netz.dat", netBoxes(0));
  empty.write("routing.txt", routes(0));
  full.write("netz.dat", netBoxes(1001));
  full.write("routing.txt", routes(5000));
  zorq::Context emptyCtx{empty.where, settings, fs, plat::localSystem(), services, pickers};
  zorq::Context fullCtx{full.where, settings, fs, plat::localSystem(), services, pickers};

  // Empty and full openings take turns, so that the load of the machine
  // weighs on both alike; the first round only warms up.
  std::vector<double> pickerEmpty, pickerFull, routingEmpty, routingFull;
  for (int round = 0; round <= 25; ++round) {
    double times[4] = {
        opening([&] { return std::make_unique<zorq::frmbox>(fs, empty.where, services); }),
        opening([&] { return std::make_unique<zorq::frmbox>(fs, full.where, services); }),
        opening([&] { return std::make_unique<zorq::frmdomain>(emptyCtx); }),
        opening([&] { return std::make_unique<zorq::frmdomain>(fullCtx); }),
    };
    if (round == 0) continue;
    pickerEmpty.push_back(times[0]);
    pickerFull.push_back(times[1]);
    routingEmpty.push_back(times[2]);
    routingFull.push_back(times[3]);
  }
  const double pe = median(pickerEmpty), pf = median(pickerFull);
  const double re = median(routingEmpty), rf = median(routingFull);
  std::printf(
      "net box picker, 1001 boxes: %.2f times the opening with an empty netz.dat (%.1f ms against %.1f ms)\n",
      pf / pe, pf, pe);
  std::printf(
      "domain routing, 5000 routes: %.2f times the opening with an empty routing.txt (%.1f ms against %.1f "
      "ms)\n",
      rf / re, rf, re);
  return 0;
}
