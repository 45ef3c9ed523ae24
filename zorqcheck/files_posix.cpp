// Natively: stat before open, open without waiting (a FIFO with no writer
// would block), and fstat again on what was opened.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "check.h"
#include "platform/posix/posix_path.h"
#include "files.h"

namespace zorqcheck {

namespace {

// A Windows-1252 path with "\" or "/" as this file system names it (UTF-8).
std::string local(const std::string& windowsPath) { return plat::posixPath(utf8Of(windowsPath)); }

bool missing(int error) { return error == ENOENT || error == ENOTDIR; }

Entry entryOf(const struct stat& st) {
  if (S_ISDIR(st.st_mode)) return Entry::Folder;
  if (S_ISREG(st.st_mode)) return Entry::File;
  return Entry::Other;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

ReadOutcome failed(int error) { return {ReadOutcome::Failed, std::strerror(error)}; }

}  // namespace

Entry entryAt(const std::string& path) {
  struct stat st {};
  if (::stat(local(path).c_str(), &st) != 0) return missing(errno) ? Entry::Missing : Entry::Unknown;
  return entryOf(st);
}

ReadOutcome readSettingsFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  const std::string name = local(path);
  struct stat st {};
  if (::stat(name.c_str(), &st) != 0)
    return missing(errno) ? ReadOutcome{ReadOutcome::Missing, {}} : failed(errno);
  if (entryOf(st) == Entry::Folder) return {ReadOutcome::Folder, {}};
  if (entryOf(st) != Entry::File) return {ReadOutcome::NotAFile, {}};
  Descriptor file(::open(name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return missing(errno) ? ReadOutcome{ReadOutcome::Missing, {}} : failed(errno);
  // It may have been put in the place of the file just looked at.
  if (::fstat(file.get(), &st) != 0) return failed(errno);
  if (entryOf(st) != Entry::File)
    return {entryOf(st) == Entry::Folder ? ReadOutcome::Folder : ReadOutcome::NotAFile, {}};
  if (static_cast<unsigned long long>(st.st_size) > kMaxSettingsBytes) return {ReadOutcome::TooLarge, {}};
  auto read = [&](char* buffer, std::size_t room) -> long {
    ssize_t got;
    do got = ::read(file.get(), buffer, room);
    while (got < 0 && errno == EINTR);
    return static_cast<long>(got);
  };
  const txt::Status status = plat::readLimited(bytes, static_cast<std::uint64_t>(st.st_size), read,
                                               [] { return txt::Status::Fail(std::strerror(errno)); });
  return outcomeOf(status, bytes);
}

std::optional<std::string> resolvedPath(const std::string& installDir, const std::string& path) {
  if (path.empty() || path[0] == '\\' || path[0] == '/') return std::nullopt;
  if (path.size() < 2 || path[1] != ':') return installDir + path;
  if ((path[0] != 'c' && path[0] != 'C') || path.size() < 3 || path[2] != '\\') return std::nullopt;
  // C:\ is the drive_c folder of the Wine prefix the installation lies in.
  std::string folder = installDir;
  for (char& c : folder)
    if (c == '\\') c = '/';
  if (folder.empty() || folder[0] != '/') {
    char here[4096];
    if (::getcwd(here, sizeof here) == nullptr) return std::nullopt;
    folder = std::string(here) + "/" + folder;
  }
  if (folder.back() != '/') folder += '/';
  const std::size_t drive = folder.rfind("/drive_c/");
  if (drive == std::string::npos) return std::nullopt;
  return folder.substr(0, drive + 9) + path.substr(3);
}

}  // namespace zorqcheck
