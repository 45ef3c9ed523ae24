// "Sortieren" at the largest sizes, as a user sees it: the schedule of
// 10,000 events in falling time order and the external programs' 301
// entries in falling name order, from the click to the window painted whole
// with the sorted lists. Each sort is compared with opening the same file;
// openings and sorts take turns, the medians are compared. Prints the
// ratios and the times, measured in this one run.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "core/context.h"
#include "core/main_settings.h"
#include "fake_ui.h"
#include "open_timing.h"
#include "schedule/frmzeit.h"
#include "schedule/frmzeit_ids.h"
#include "services/frmextern.h"
#include "services/frmextern_ids.h"

namespace {

// Falling order: the last event of the day first, every pair exchanged by
// the passes.
std::string fallingSchedule(int count) {
  std::string bytes = " " + std::to_string(count) + "\r\n";
  for (int i = count - 1; i >= 0; --i) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", (i / 60) % 24, i % 60);
    bytes += std::string(time) + "\r\n" + (i % 2 ? "CRCH" : "SPER 0 ON") + "\r\n";
  }
  return bytes;
}

std::string fallingPrograms(int count) {
  std::string bytes;
  for (int i = count - 1; i >= 0; --i) {
    char name[16];
    std::snprintf(name, sizeof name, "Programm %03d", i);
    bytes += std::string(name) + "\r\nKommentar\r\nC:\\VALMORIN\\TUERE\\P" + std::to_string(i) +
             ".EXE $PO $US\r\nSpieler\r\n 16777738 \r\n";
  }
  return bytes;
}

double ms(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since).count();
}

struct Case {
  const char* what;
  const char* file;
  std::function<std::unique_ptr<ui::Dialog>(zorq::Context&)> make;
  int sortButton;
  int rounds;
  std::vector<double> open, sort;
};

}  // namespace

int main() {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  testing_support::FakeUi services;  // a message would stop the clock: none is expected
  bench::NoPickers pickers;
  zorq::MainSettings settings;
  bench::Box box("sort");
  box.write("zeit.txt", fallingSchedule(10000));
  box.write("extern.dat", fallingPrograms(301));
  zorq::Context ctx{box.where, settings, plat::localFileSystem(), plat::localSystem(), services, pickers};

  std::vector<Case> cases = {
      {"Sortieren, schedule of 10,000 events in falling order",
       "zeit.txt",
       [](zorq::Context& c) { return std::make_unique<zorq::frmzeit>(c); },
       IDB_FRMZEIT_SORTIEREN,
       5,
       {},
       {}},
      {"Sortieren, external programs, 301 entries in falling order",
       "extern.dat",
       [](zorq::Context& c) { return std::make_unique<zorq::frmextern>(c); },
       IDB_FRMEXTERN_SORTIEREN,
       15,
       {},
       {}},
  };
  for (Case& c : cases) {
    for (int round = 0; round <= c.rounds; ++round) {  // round 0 warms up
      auto start = std::chrono::steady_clock::now();
      std::unique_ptr<ui::Dialog> window = c.make(ctx);
      window->Create(nullptr);
      RedrawWindow(window->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      const double opened = ms(start);
      start = std::chrono::steady_clock::now();
      SendMessageW(window->hwnd(), WM_COMMAND, MAKEWPARAM(c.sortButton, BN_CLICKED),
                   reinterpret_cast<LPARAM>(window->Item(c.sortButton)));
      RedrawWindow(window->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
      const double sorted = ms(start);
      window.reset();
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      for (const testing_support::ShownBox& shown : services.shown)
        std::printf("(%s said: %s)\n", c.what, shown.text.c_str());
      services.shown.clear();
      if (round == 0) continue;
      c.open.push_back(opened);
      c.sort.push_back(sorted);
    }
    const double mo = bench::median(c.open), mt = bench::median(c.sort);
    std::printf("%s: %.2f times the opening of the same %s (%.1f ms against %.1f ms)\n", c.what, mt / mo,
                c.file, mt, mo);
  }
  return 0;
}
