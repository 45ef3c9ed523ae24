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

  // Each folder is looked up on its own and named as the file system
  // stores it: GetLongPathNameW leaves a name that is long already in the
  // case it was given. The drive (or \\server\share) stays as given, and so
  // does every name from the first one that cannot be found.
  std::string longPath(const std::string& path) override {
    const std::wstring w = wide(path);
    std::size_t at = w.find(L'\\');
    if (w.rfind(L"\\\\", 0) == 0) {
      at = w.find(L'\\', 2);
      if (at != std::wstring::npos) at = w.find(L'\\', at + 1);
    }
    if (at == std::wstring::npos) return path;
    std::wstring result = w.substr(0, at + 1);
    bool found = true;
    for (++at; at < w.size();) {
      std::size_t end = w.find(L'\\', at);
      std::wstring name = w.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
      if (found && !name.empty() && name != L"." && name != L".." &&
          name.find_first_of(L"*?") == std::wstring::npos) {
        WIN32_FIND_DATAW entry;
        HANDLE h = FindFirstFileW((result + name).c_str(), &entry);
        found = h != INVALID_HANDLE_VALUE;
        if (found) {
          name = entry.cFileName;
          FindClose(h);
        }
      }
      result += name;
      if (end == std::wstring::npos) break;
      result += L'\\';
      at = end + 1;
    }
    return narrow(result);
  }
};

}  // namespace

System& localSystem() {
  static Win32System system;
  return system;
}

}  // namespace plat
