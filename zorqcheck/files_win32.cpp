// Under Windows (and Wine): the attributes first, then a handle that is
// asked what it is before anything is read from it. Wine gives no
// attributes for a FIFO or a device it maps, but opens them without
// waiting, and says what they are by their file type.
#include <windows.h>

#include "files.h"
#include "platform/win32/handle.h"
#include "platform/win32/wide.h"

namespace zorqcheck {

namespace {

bool notFound(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

ReadOutcome failed(DWORD error) { return {ReadOutcome::Failed, "Fehler " + std::to_string(error)}; }

HANDLE openForReading(const std::string& path) {
  return CreateFileW(plat::wide(path).c_str(), GENERIC_READ,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

Entry entryAt(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(plat::wide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES)
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? Entry::Folder : Entry::File;
  if (notFound(GetLastError())) return Entry::Missing;
  return Entry::Unknown;
}

ReadOutcome readSettingsFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const DWORD attributes = GetFileAttributesW(plat::wide(path).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {ReadOutcome::Folder, {}};
    if ((attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0)
      return {ReadOutcome::Missing, {}};
  }
  plat::HandleCloser file(openForReading(path));
  if (file.get() == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return notFound(error) ? ReadOutcome{ReadOutcome::Missing, {}} : failed(error);
  }
  if (GetFileType(file.get()) != FILE_TYPE_DISK) return {ReadOutcome::NotAFile, {}};
  BY_HANDLE_FILE_INFORMATION about{};
  if (!GetFileInformationByHandle(file.get(), &about)) return {ReadOutcome::NotAFile, {}};
  if ((about.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {ReadOutcome::Folder, {}};
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size)) return failed(GetLastError());
  if (static_cast<unsigned long long>(size.QuadPart) > kMaxSettingsBytes) return {ReadOutcome::TooLarge, {}};
  auto read = [&](char* buffer, std::size_t room) -> long {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, static_cast<DWORD>(room), &got, nullptr)) return -1;
    return static_cast<long>(got);
  };
  const txt::Status status = plat::readLimited(bytes, static_cast<std::uint64_t>(size.QuadPart), read, [] {
    return txt::Status::Fail("Fehler " + std::to_string(GetLastError()));
  });
  return outcomeOf(status, bytes);
}

std::optional<std::string> resolvedPath(const std::string& installDir, const std::string& path) {
  if (path.empty() || path[0] == '\\' || path[0] == '/') return std::nullopt;
  if (path.size() < 2 || path[1] != ':') return installDir + path;
  if (path.size() < 3 || path[2] != '\\') return std::nullopt;
  return path;
}

}  // namespace zorqcheck
