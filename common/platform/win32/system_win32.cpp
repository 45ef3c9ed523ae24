#include <windows.h>

#include <vector>

#include "platform/system.h"
#include "platform/win32/wide.h"

namespace plat {

namespace {

std::string withBackslash(std::string path) {
  if (path.empty() || path.back() != '\\') path += '\\';
  return path;
}

template <typename Fn>
std::string askPath(Fn fn) {
  std::vector<wchar_t> buffer(MAX_PATH + 1);
  for (;;) {
    UINT n = fn(buffer.data(), static_cast<UINT>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return narrow(std::wstring_view(buffer.data(), n));
    buffer.resize(n + 1);
  }
}

class Win32System final : public System {
 public:
  std::string windowsDirectory() override {
    return withBackslash(askPath([](wchar_t* b, UINT n) { return GetWindowsDirectoryW(b, n); }));
  }

  std::string systemDirectory() override {
    return withBackslash(askPath([](wchar_t* b, UINT n) { return GetSystemDirectoryW(b, n); }));
  }

  std::string programDirectory() override {
    std::string exe = askPath([](wchar_t* b, UINT n) -> UINT {
      DWORD got = GetModuleFileNameW(nullptr, b, n);
      return got >= n ? n * 2 : got;
    });
    return exe.substr(0, exe.find_last_of('\\') + 1);
  }

  void addAtom(const std::string& name) override { GlobalAddAtomW(wide(name).c_str()); }

  bool findAtom(const std::string& name) override { return GlobalFindAtomW(wide(name).c_str()) != 0; }

  bool startProgram(const std::string& commandLine) override {
    std::wstring line = wide(commandLine);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
      return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
  }

  std::string shortPath(const std::string& path) override {
    std::wstring w = wide(path);
    std::string s = askPath([&](wchar_t* b, UINT n) { return GetShortPathNameW(w.c_str(), b, n); });
    return s.empty() ? path : s;
  }

  std::string longPath(const std::string& path) override {
    std::wstring w = wide(path);
    std::string s = askPath([&](wchar_t* b, UINT n) { return GetLongPathNameW(w.c_str(), b, n); });
    return s.empty() ? path : s;
  }
};

}  // namespace

System& localSystem() {
  static Win32System system;
  return system;
}

}  // namespace plat
