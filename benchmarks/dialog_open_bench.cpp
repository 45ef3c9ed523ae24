// How much longer the dialogs take to open at their files' largest size
// than with an empty file: the external programs with 301 entries, the
// schedule with 10,000 events, the group picker with 201 groups and the
// user picker with a user.dat of 100,000 lines. Empty and full openings take
// turns; the medians are compared. Prints the ratios and the times, measured
// in this one run.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/context.h"
#include "open_timing.h"
#include "core/frmselgru.h"
#include "core/frmselus.h"
#include "core/main_settings.h"
#include "fake_ui.h"
#include "schedule/frmzeit.h"
#include "services/frmextern.h"

namespace {

std::string programs(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i)
    bytes += "Programm " + std::to_string(i) + "\r\nKommentar zu Programm " + std::to_string(i) +
             "\r\nC:\\VALMORIN\\TUERE\\P" + std::to_string(i) + ".EXE $PO $US\r\nSpieler\r\n 16777738 \r\n";
  return bytes;
}

std::string schedule(int count) {
  std::string bytes = " " + std::to_string(count) + "\r\n";
  for (int i = 0; i < count; ++i) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", (i / 60) % 24, i % 60);
    bytes += std::string(time) + "\r\n" + (i % 2 ? "CRCH" : "SPER 0 ON") + "\r\n";
  }
  return bytes;
}

std::string groups(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += "Gruppe " + std::to_string(i) + "\r\n 9 \r\n5,00 DM\r\n";
  return bytes;
}

std::string users(int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += std::to_string(i % 10) + "\xb0User " + std::to_string(i) + "\r\n";
  return bytes;
}

using bench::Box;
using bench::median;
using bench::opening;

struct Case {
  const char* what;
  const char* file;
  std::function<std::unique_ptr<ui::Dialog>(zorq::Context&)> make;
  int rounds;
  std::vector<double> empty, full;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string only = argc > 1 ? argv[1] : "";
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  testing_support::FakeUi services;  // answers at once: no message box stops the clock
  bench::NoPickers pickers;
  zorq::MainSettings settings;
  plat::FileSystem& fs = plat::localFileSystem();
  Box empty("empty"), full("full");
  // The empty files as the editor writes them; the schedule keeps its count line.
  for (const char* name : {"extern.dat", "gruppen.dat", "user.dat"}) empty.write(name, "");
  empty.write("zeit.txt", schedule(0));
  full.write("extern.dat", programs(301));
  full.write("zeit.txt", schedule(10000));
  full.write("gruppen.dat", groups(201));
  full.write("user.dat", users(100000));
  zorq::Context emptyCtx{empty.where, settings, fs, plat::localSystem(), services, pickers};
  zorq::Context fullCtx{full.where, settings, fs, plat::localSystem(), services, pickers};

  std::vector<Case> cases = {
      {"external programs, 301 entries",
       "extern.dat",
       [](zorq::Context& c) { return std::make_unique<zorq::frmextern>(c); },
       15,
       {},
       {}},
      {"schedule, 10,000 events",
       "zeit.txt",
       [](zorq::Context& c) { return std::make_unique<zorq::frmzeit>(c); },
       7,
       {},
       {}},
      {"group picker, 201 groups",
       "gruppen.dat",
       [](zorq::Context& c) { return std::make_unique<zorq::frmselgru>(c.fs, c.where, c.ui); },
       15,
       {},
       {}},
      {"user picker, 100,000 users",
       "user.dat",
       [](zorq::Context& c) { return std::make_unique<zorq::frmselus>(c.fs, c.where, c.ui); },
       5,
       {},
       {}},
  };
  for (Case& c : cases) {
    if (!only.empty() && std::string(c.what).find(only) == std::string::npos) continue;
    for (int round = 0; round <= c.rounds; ++round) {
      double e = opening([&] { return c.make(emptyCtx); });
      double f = opening([&] { return c.make(fullCtx); });
      if (round == 0) {  // warming up
        for (const testing_support::ShownBox& box : services.shown)
          std::printf("(%s said: %s)\n", c.what, box.text.c_str());
        services.shown.clear();
        continue;
      }
      c.empty.push_back(e);
      c.full.push_back(f);
    }
    const double me = median(c.empty), mf = median(c.full);
    std::printf("%s: %.2f times the opening with an empty %s (%.1f ms against %.1f ms)\n", c.what, mf / me,
                c.file, mf, me);
  }
  return 0;
}
