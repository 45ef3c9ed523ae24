#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/filesystem.h"
#include "platform/win32/handle.h"
#include "platform/win32/wide.h"

namespace plat {

namespace {

txt::Status lastError(const char* what, const std::string& path) {
  return txt::Status::Fail(std::string(what) + " " + path + " failed (error " +
                           std::to_string(GetLastError()) + ")");
}

bool ordinary(DWORD attributes) {
  return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

class Win32FileSystem final : public FileSystem {
 public:
  FileInfo info(const std::string& path) override {
    FileInfo i;
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(wide(path).c_str(), GetFileExInfoStandard, &data)) {
      DWORD error = GetLastError();
      i.unknown = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
      return i;
    }
    DWORD a = data.dwFileAttributes;
    i.exists = true;
    i.directory = (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
    i.hidden = (a & FILE_ATTRIBUTE_HIDDEN) != 0;
    i.system = (a & FILE_ATTRIBUTE_SYSTEM) != 0;
    i.readOnly = (a & FILE_ATTRIBUTE_READONLY) != 0;
    i.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    i.writeTime = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                  data.ftLastWriteTime.dwLowDateTime;
    return i;
  }

  bool anyOrdinaryFile(const std::string& pattern) override {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(wide(pattern).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return false;
    bool any = false;
    do {
      any = ordinary(found.dwFileAttributes);
    } while (!any && FindNextFileW(h, &found));
    FindClose(h);
    return any;
  }

  txt::Status readAll(const std::string& path, std::string& bytes) override {
    bytes.clear();
    HandleCloser file(CreateFileW(wide(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return lastError("opening", path);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) size.QuadPart = 0;
    auto read = [&](char* buffer, std::size_t room) -> long {
      DWORD got = 0;
      if (!ReadFile(file.get(), buffer, static_cast<DWORD>(room), &got, nullptr)) return -1;
      return static_cast<long>(got);
    };
    return readLimited(bytes, static_cast<std::uint64_t>(size.QuadPart), read,
                       [&] { return lastError("reading", path); });
  }

  txt::Status writeNew(const std::string& path, const std::string& bytes) override {
    HandleCloser file(CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return lastError("creating", path);
    std::size_t done = 0;
    while (done < bytes.size()) {
      DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
      DWORD written = 0;
      if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0)
        return lastError("writing", path);
      done += written;
    }
    if (!FlushFileBuffers(file.get())) return lastError("flushing", path);
    if (!file.close()) return lastError("closing", path);
    return {};
  }

  txt::Status createNew(const std::string& path, bool& taken) override {
    HANDLE h = CreateFileW(wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      DWORD error = GetLastError();
      taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS || info(path).exists;
      SetLastError(error);
      return lastError("creating", path);
    }
    taken = false;
    if (!CloseHandle(h)) return lastError("closing", path);
    return {};
  }

  // from is always a file of the caller's own (a temporary name no other
  // process uses), so a retry can never put somebody else's file in place.
  txt::Status replace(const std::string& from, const std::string& to) override {
    // Windows refuses to replace a read-only file; Wine running as root does
    // not. The sysop made it read-only: keep it so on both.
    if (info(to).readOnly) {
      SetLastError(ERROR_ACCESS_DENIED);
      return lastError("replacing", to);
    }
    // Virus scanners and indexers open files briefly; give them a moment.
    for (int attempt = 0;; ++attempt) {
      if (MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
      DWORD error = GetLastError();
      bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                  (error == ERROR_ACCESS_DENIED && !info(to).readOnly);
      if (!busy || attempt >= 5) {
        SetLastError(error);
        return lastError("replacing", to);
      }
      Sleep(50u << attempt);
    }
  }

  txt::Status moveNew(const std::string& from, const std::string& to, bool& taken) override {
    taken = false;
    // As replace: a scanner that opened the file briefly gets a moment.
    for (int attempt = 0;; ++attempt) {
      if (MoveFileExW(wide(from).c_str(), wide(to).c_str(), MOVEFILE_WRITE_THROUGH)) return {};
      DWORD error = GetLastError();
      taken = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
      bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
      if (!busy || attempt >= 5) {
        SetLastError(error);
        return lastError("moving", from);
      }
      Sleep(50u << attempt);
    }
  }

  txt::Status copy(const std::string& from, const std::string& to) override {
    if (!CopyFileW(wide(from).c_str(), wide(to).c_str(), FALSE)) return lastError("copying", from);
    return {};
  }

  txt::Status remove(const std::string& path) override {
    if (!DeleteFileW(wide(path).c_str())) return lastError("deleting", path);
    return {};
  }

  std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix) override {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW(wide(folder + "*" + suffix).c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
      std::string name = narrow(found.cFileName);
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && name.size() >= suffix.size() &&
          name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        names.push_back(name);
    } while (FindNextFileW(h, &found));
    FindClose(h);
    return names;
  }

  std::uint64_t now() override {
    FILETIME t;
    GetSystemTimeAsFileTime(&t);
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
  }
  std::uint64_t ticksPerSecond() override { return 10000000u; }

  txt::Status makeDirectory(const std::string& path) override {
    if (CreateDirectoryW(wide(path).c_str(), nullptr)) return {};
    if (GetLastError() == ERROR_ALREADY_EXISTS && info(path).directory) return {};
    return lastError("creating folder", path);
  }

  txt::Status removeEmptyDirectory(const std::string& path) override {
    if (!RemoveDirectoryW(wide(path).c_str())) return lastError("removing folder", path);
    return {};
  }

  txt::Status makeWritable(const std::string& path) override {
    DWORD a = GetFileAttributesW(wide(path).c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return lastError("looking at", path);
    if ((a & FILE_ATTRIBUTE_READONLY) == 0) return {};
    if (!SetFileAttributesW(wide(path).c_str(), a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY)))
      return lastError("making writable", path);
    return {};
  }
};

}  // namespace

FileSystem& localFileSystem() {
  static Win32FileSystem fs;
  return fs;
}

unsigned long processId() { return GetCurrentProcessId(); }

bool processRunning(unsigned long id) {
  HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, id);
  if (h == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;  // there, but not ours to open
  bool running = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
  CloseHandle(h);
  return running;
}

}  // namespace plat
