// Timing a dialog's opening for the open-time benchmarks: from creating the
// object to a window painted whole, in milliseconds, and the median of runs;
// and what the timed dialogs need around them: an installation of their own
// and pickers that are never asked.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/installation.h"
#include "core/pickers.h"
#include "ui/win32/dialog.h"

namespace bench {

struct NoPickers : zorq::Pickers {
  std::string pickDirectory() override { return {}; }
  std::string pickFile(const std::string&) override { return {}; }
  std::string pickUser() override { return {}; }
  std::string pickGroup(const std::string&) override { return {}; }
  std::string pickCommand() override { return {}; }
  int pickPort() override { return -1; }
  std::optional<zorq::NetBoxChoice> pickNetBox() override { return {}; }
};

// A server installation in a temporary folder of its own, removed again at
// the end.
struct Box {
  std::filesystem::path root;
  zorq::Installation where;
  explicit Box(const std::string& name)
      : root(std::filesystem::temp_directory_path() /
             ("valmorin-bench-" + name + "-" + std::to_string(GetCurrentProcessId()))),
        where{"C:\\WINDOWS\\", root.string() + "\\", 0} {
    std::filesystem::create_directories(root / "daten");
  }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(root / "daten" / name, std::ios::binary) << bytes;
  }
  ~Box() {
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
  }
};

// Opens the window, lets it paint itself whole, and closes it again; the
// time in milliseconds.
inline double opening(const std::function<std::unique_ptr<ui::Dialog>()>& make) {
  auto start = std::chrono::steady_clock::now();
  std::unique_ptr<ui::Dialog> window = make();
  window->Create(nullptr);
  RedrawWindow(window->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  window.reset();
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  return ms;
}

inline double median(std::vector<double> times) {
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

}  // namespace bench
