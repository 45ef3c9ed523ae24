// Start-up of the editor against Wine's own Notepad: from process start to
// the first visible top-level window of the process, the two programs
// alternating, over a copy of the demo installation. Prints the medians and
// their ratio, measured in this one run.
//
//   startup_bench <zorqcfg.exe> <demo folder> <floor.exe> [runs] [template.exe]
//
// The floor is a program with the same manifest that shows an empty
// window: what no program of this toolchain can go below. The template is
// the editor's main window as its template stands, with nothing read and no
// field filled: what the window's own controls cost.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Found {
  DWORD pid;
  HWND window = nullptr;
};

BOOL CALLBACK visibleOf(HWND w, LPARAM lp) {
  auto* f = reinterpret_cast<Found*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(w, &pid);
  if (pid == f->pid && IsWindowVisible(w)) {
    f->window = w;
    return FALSE;
  }
  return TRUE;
}

double now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Seconds until the program shows its first window; then it is closed.
double startOnce(const std::string& commandLine) {
  std::string line = commandLine;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  const double start = now();
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "cannot start %s\n", commandLine.c_str());
    std::exit(1);
  }
  Found found{pi.dwProcessId};
  double shown = 0;
  for (;;) {
    EnumWindows(visibleOf, reinterpret_cast<LPARAM>(&found));
    if (found.window != nullptr) {
      shown = now() - start;
      break;
    }
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0 || now() - start > 30) {
      std::fprintf(stderr, "%s showed no window\n", commandLine.c_str());
      std::exit(1);
    }
    Sleep(1);
  }
  PostMessageA(found.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 0);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return shown;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

std::string windowsDirectory() {
  char buffer[MAX_PATH] = {};
  GetWindowsDirectoryA(buffer, MAX_PATH);
  return std::string(buffer) + "\\";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr,
                 "usage: startup_bench <zorqcfg.exe> <demo folder> <floor.exe> [runs] [template.exe]\n");
    return 2;
  }
  const int runs = argc > 4 ? std::atoi(argv[4]) : 15;

  // A private copy of the demo installation, and zorq.ini pointing at it.
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const fs::path box = fs::path(temp) / ("valmorin-bench-" + std::to_string(GetCurrentProcessId()));
  fs::create_directories(box);
  fs::copy(argv[2], box, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  const std::string ini = windowsDirectory() + "zorq.ini";
  std::string savedIni;
  bool hadIni = fs::exists(ini);
  if (hadIni) {
    std::ifstream in(ini, std::ios::binary);
    savedIni.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::ofstream(ini, std::ios::binary) << box.string() << "\\\r\n 0 \r\n";

  const std::string editor = std::string("\"") + argv[1] + "\"";
  // The Notepad a 32-bit program finds by name: the one beside the system
  // folder's programs, of the same width as the editor.
  const std::string notepad = "notepad.exe";
  const std::string floor = std::string("\"") + argv[3] + "\"";
  const std::string bare = argc > 5 ? std::string("\"") + argv[5] + "\"" : "";
  startOnce(notepad);  // warm: the desktop process and the caches
  startOnce(editor);
  startOnce(floor);
  if (!bare.empty()) startOnce(bare);
  std::vector<double> e, n, f, t;
  for (int i = 0; i < runs; ++i) {
    n.push_back(startOnce(notepad));
    e.push_back(startOnce(editor));
    f.push_back(startOnce(floor));
    if (!bare.empty()) t.push_back(startOnce(bare));
  }

  if (hadIni)
    std::ofstream(ini, std::ios::binary) << savedIni;
  else
    fs::remove(ini);
  std::error_code ec;
  fs::remove_all(box, ec);

  const double me = median(e), mn = median(n), mf = median(f);
  std::printf(
      "start-up to the first window, median of %d runs: zorqcfg %.1f ms, notepad %.1f ms, empty window %.1f "
      "ms\n",
      runs, me * 1000, mn * 1000, mf * 1000);
  std::printf("start-up zorqcfg / notepad: %.2f (%.1f ms against %.1f ms)\n", me / mn, me * 1000, mn * 1000);
  std::printf("start-up empty window / notepad: %.2f (the floor; %.1f ms against %.1f ms)\n", mf / mn,
              mf * 1000, mn * 1000);
  if (!t.empty())
    std::printf(
        "start-up main window's template alone / notepad: %.2f (nothing read, no field filled; %.1f ms "
        "against "
        "%.1f ms)\n",
        median(t) / mn, median(t) * 1000, mn * 1000);
  return 0;
}
