// A stand-in for the native unit tests and the native settings checker: "\"
// in paths becomes "/", a name is found without regard to case, and a file
// whose name starts with a dot counts as hidden, as Wine shows them.
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <strings.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "platform/filesystem.h"
#include "platform/posix/posix_path.h"

namespace plat {

namespace {

bool there(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// The entry of dir whose name equals name but for the case of its letters,
// or name itself.
std::string caseVariant(const std::string& dir, const std::string& name) {
  DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
  if (d == nullptr) return name;
  std::string found = name;
  while (const dirent* entry = ::readdir(d)) {
    if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
      found = entry->d_name;
      break;
    }
  }
  ::closedir(d);
  return found;
}

std::string local(std::string path) { return posixPath(std::move(path)); }

}  // namespace

std::string posixPath(std::string path) {
  for (char& c : path)
    if (c == '\\') c = '/';
  if (there(path)) return path;
  std::string resolved;
  std::size_t start = 0;
  if (!path.empty() && path[0] == '/') resolved = "/", start = 1;
  while (start <= path.size()) {
    std::size_t end = std::min(path.find('/', start), path.size());
    std::string part = path.substr(start, end - start);
    if (!part.empty() && part != "." && part != ".." && !there(resolved + part))
      part = caseVariant(resolved, part);
    resolved += part;
    if (end < path.size()) resolved += '/';
    start = end + 1;
  }
  return resolved;
}

namespace {

txt::Status errnoError(const char* what, const std::string& path) {
  return txt::Status::Fail(std::string(what) + " " + path + " failed: " + std::strerror(errno));
}

bool hiddenName(const std::string& path) {
  std::string name = std::filesystem::path(path).filename().string();
  return !name.empty() && name[0] == '.';
}

class PosixFileSystem final : public FileSystem {
 public:
  FileInfo info(const std::string& path) override {
    FileInfo i;
    struct stat st {};
    if (::stat(local(path).c_str(), &st) != 0) {
      i.unknown = errno != ENOENT && errno != ENOTDIR;
      return i;
    }
    i.exists = true;
    i.size = static_cast<std::uint64_t>(st.st_size);
    i.writeTime = static_cast<std::uint64_t>(st.st_mtim.tv_sec) * 1000000000u +
                  static_cast<std::uint64_t>(st.st_mtim.tv_nsec);
    i.directory = S_ISDIR(st.st_mode);
    i.hidden = hiddenName(local(path));
    i.readOnly = (st.st_mode & S_IWUSR) == 0;
    return i;
  }

  bool anyOrdinaryFile(const std::string& pattern) override {
    std::filesystem::path p(local(pattern));
    std::error_code ec;
    std::filesystem::path dir = p.has_parent_path() ? p.parent_path() : ".";
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
      std::string name = entry.path().filename().string();
      if (fnmatch(p.filename().c_str(), name.c_str(), 0) == 0 && entry.is_regular_file() && name[0] != '.')
        return true;
    }
    return false;
  }

  txt::Status readAll(const std::string& path, std::string& bytes) override {
    bytes.clear();
    // Never waits on a FIFO or a device: such a name is no settings file.
    int fd = ::open(local(path).c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return errnoError("opening", path);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
      ::close(fd);
      return txt::Status::Fail("reading " + path + " failed: no ordinary file");
    }
    auto read = [&](char* buffer, std::size_t room) -> long {
      return static_cast<long>(::read(fd, buffer, room));
    };
    txt::Status status = readLimited(bytes, static_cast<std::uint64_t>(st.st_size), read,
                                     [&] { return errnoError("reading", path); });
    ::close(fd);
    return status;
  }

  txt::Status writeNew(const std::string& path, const std::string& bytes) override {
    int fd = ::open(local(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return errnoError("creating", path);
    std::size_t done = 0;
    while (done < bytes.size()) {
      ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) {
        ::close(fd);
        return errnoError("writing", path);
      }
      done += static_cast<std::size_t>(n);
    }
    bool synced = ::fsync(fd) == 0;
    bool closed = ::close(fd) == 0;
    if (!synced || !closed) return errnoError("flushing", path);
    return {};
  }

  txt::Status createNew(const std::string& path, bool& taken) override {
    int fd = ::open(local(path).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    taken = fd < 0 && errno == EEXIST;
    if (fd < 0) return errnoError("creating", path);
    if (::close(fd) != 0) return errnoError("closing", path);
    return {};
  }

  txt::Status replace(const std::string& from, const std::string& to) override {
    if (::rename(local(from).c_str(), local(to).c_str()) != 0) return errnoError("replacing", to);
    return {};
  }

  txt::Status moveNew(const std::string& from, const std::string& to, bool& taken) override {
    // A hard link fails on an existing name; the old name then goes.
    taken = false;
    if (::link(local(from).c_str(), local(to).c_str()) != 0) {
      taken = errno == EEXIST;
      return errnoError("moving", from);
    }
    if (::unlink(local(from).c_str()) != 0) return errnoError("moving", from);
    return {};
  }

  txt::Status copy(const std::string& from, const std::string& to) override {
    std::error_code ec;
    std::filesystem::copy_file(local(from), local(to), std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) return txt::Status::Fail("copying " + from + " failed: " + ec.message());
    return {};
  }

  txt::Status remove(const std::string& path) override {
    if (::unlink(local(path).c_str()) != 0) return errnoError("deleting", path);
    return {};
  }

  std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix) override {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(local(folder), ec)) {
      std::string name = entry.path().filename().string();
      if (entry.is_regular_file(ec) && name.size() >= suffix.size() &&
          name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        names.push_back(name);
    }
    return names;
  }

  std::uint64_t now() override {
    struct timespec t {};
    ::clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<std::uint64_t>(t.tv_sec) * 1000000000u + static_cast<std::uint64_t>(t.tv_nsec);
  }
  std::uint64_t ticksPerSecond() override { return 1000000000u; }

  txt::Status makeDirectory(const std::string& path) override {
    if (::mkdir(local(path).c_str(), 0755) == 0) return {};
    if (errno == EEXIST && info(path).directory) return {};
    return errnoError("creating folder", path);
  }

  txt::Status removeEmptyDirectory(const std::string& path) override {
    if (::rmdir(local(path).c_str()) != 0) return errnoError("removing folder", path);
    return {};
  }

  txt::Status makeWritable(const std::string& path) override {
    struct stat st {};
    if (::stat(local(path).c_str(), &st) != 0) return errnoError("looking at", path);
    if ((st.st_mode & S_IWUSR) != 0) return {};
    if (::chmod(local(path).c_str(), st.st_mode | S_IWUSR) != 0) return errnoError("making writable", path);
    return {};
  }
};

}  // namespace

FileSystem& localFileSystem() {
  static PosixFileSystem fs;
  return fs;
}

unsigned long processId() { return static_cast<unsigned long>(::getpid()); }

bool processRunning(unsigned long id) { return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM; }

}  // namespace plat
