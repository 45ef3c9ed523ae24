#include "platform/filesystem.h"

namespace plat {

bool FileExists(FileSystem& fs, const std::string& path) {
  if (path.find_first_of("*?") != std::string::npos) return fs.anyOrdinaryFile(path);
  return fs.info(path).ordinary();
}

// A stand-in for file systems that cannot create exclusively: a test fake
// that looks first and then writes. The real ones create in one step.
txt::Status FileSystem::createNew(const std::string& path, bool& taken) {
  taken = info(path).exists;
  if (taken) return txt::Status::Fail(path + " exists");
  return writeNew(path, {});
}

// The stand-in of the test fakes; the real ones move in one step.
txt::Status FileSystem::moveNew(const std::string& from, const std::string& to, bool& taken) {
  taken = info(to).exists;
  if (taken) return txt::Status::Fail(to + " exists");
  return replace(from, to);
}

txt::Status FileSystem::removeEmptyDirectory(const std::string& path) {
  return txt::Status::Fail("removing folder " + path + " is not supported");
}

txt::Status FileSystem::makeWritable(const std::string&) { return {}; }

std::vector<std::string> FileSystem::filesEndingWith(const std::string&, const std::string&) { return {}; }

}  // namespace plat
