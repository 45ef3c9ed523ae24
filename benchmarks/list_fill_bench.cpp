// How long the user picker's list takes to fill with a hundred thousand
// users (redrawing off, storage reserved), against the floor of reading and
// parsing the same user.dat. The two take turns; the medians are compared.
// Prints the ratio and the times, measured in this one run.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/picker_lists.h"
#include "open_timing.h"
#include "platform/filesystem.h"
#include "ui/win32/lists.h"

namespace {

double since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                     ("valmorin-bench-users-" + std::to_string(GetCurrentProcessId()));
  {
    std::ofstream out(file, std::ios::binary);
    for (int i = 0; i < 100000; ++i) out << (i % 10) << "\xb0User " << i << "\r\n";
  }
  plat::FileSystem& fs = plat::localFileSystem();
  HWND window = CreateWindowExW(0, L"STATIC", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 320, 440,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  std::vector<double> reading, filling;
  std::size_t shown = 0;
  for (int round = 0; round <= 7; ++round) {
    auto start = std::chrono::steady_clock::now();
    std::string bytes;
    fs.readAll(file.string(), bytes);
    zorq::PickerList users = zorq::parseUsers(bytes);
    const double read = since(start);

    HWND list =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY, 0,
                        0, 300, 400, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    start = std::chrono::steady_clock::now();
    ui::fillList(list, users.entries);
    UpdateWindow(list);
    const double fill = since(start);
    shown = static_cast<std::size_t>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    DestroyWindow(list);
    if (round == 0) continue;  // warming up
    reading.push_back(read);
    filling.push_back(fill);
  }
  DestroyWindow(window);
  std::error_code ec;
  std::filesystem::remove(file, ec);
  const double r = bench::median(reading), f = bench::median(filling);
  std::printf(
      "%zu users: filling the list takes %.1f times as long as reading and parsing user.dat (%.1f ms against "
      "%.1f ms)\n",
      shown, f / r, f, r);
  return shown == 100000 ? 0 : 1;
}
