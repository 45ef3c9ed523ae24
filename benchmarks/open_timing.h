// Timing a dialog's opening for the open-time benchmarks: from creating the
// object to a window painted whole, in milliseconds, and the median of runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "ui/win32/dialog.h"

namespace bench {

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
