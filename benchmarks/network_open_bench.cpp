// How much longer the net box picker takes to show its list filled with
// 1001 boxes, and the domain routing dialog its lists filled with 5000
// routes, than each takes with an empty file. Each window is opened and
// painted many times; the medians are compared. Prints the ratios and the
// times, measured in this one run.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/context.h"
#include "open_timing.h"
#include "core/main_settings.h"
#include "network/frmbox.h"
#include "network/frmdomain.h"
#include "ui/win32/services_win32.h"

namespace {

struct NoPickers : zorq::Pickers {
  std::string pickDirectory() override { return {}; }
  std::string pickFile(const std::string&) override { return {}; }
  std::string pickUser() override { return {}; }
  std::string pickGroup(const std::string&) override { return {}; }
  std::string pickCommand() override { return {}; }
  int pickPort() override { return -1; }
  std::optional<zorq::NetBoxChoice> pickNetBox() override { return {}; }
};

void write(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

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

using bench::median;
using bench::opening;

// A server installation in a folder of its own, with the two files.
struct Box {
  std::filesystem::path root;
  zorq::Installation where;
  Box(const std::string& name, int boxes, int routeCount)
      : root(std::filesystem::temp_directory_path() /
             ("valmorin-bench-" + name + "-" + std::to_string(GetCurrentProcessId()))),
        where{"C:\\WINDOWS\\", root.string() + "\\", 0} {
    std::filesystem::create_directories(root / "daten");
    write(root / "daten" / "netz.dat", netBoxes(boxes));
    write(root / "daten" / "routing.txt", routes(routeCount));
  }
  ~Box() {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
};

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  ui::Win32Services services;
  NoPickers pickers;
  zorq::MainSettings settings;
  plat::FileSystem& fs = plat::localFileSystem();
  Box empty("empty", 0, 0), full("full", 1001, 5000);
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
