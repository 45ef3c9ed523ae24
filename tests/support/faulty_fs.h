// A file system that passes every call to another one but fails the
// operations a test chooses, to see how callers cope with write errors.
#pragma once

#include <string>

#include "platform/filesystem.h"

namespace testing_support {

class FaultyFileSystem : public plat::FileSystem {
 public:
  explicit FaultyFileSystem(plat::FileSystem& real) : real_(real) {}

  bool failWrite = false;    // writeNew writes half the bytes, then fails
  bool failReplace = false;  // replace fails after the temporary file is complete
  bool failCopy = false;
  bool cutCopy = false;  // copy writes half the source, then fails (a program killed while copying)
  std::string failOnly;  // when set, only files whose path contains it fail
  int writes = 0, replaces = 0, copies = 0;

  plat::FileInfo info(const std::string& p) override { return real_.info(p); }
  bool anyOrdinaryFile(const std::string& p) override { return real_.anyOrdinaryFile(p); }
  txt::Status readAll(const std::string& p, std::string& b) override { return real_.readAll(p, b); }
  txt::Status writeNew(const std::string& p, const std::string& b) override {
    ++writes;
    if (!failWrite || !hits(p)) return real_.writeNew(p, b);
    real_.writeNew(p, b.substr(0, b.size() / 2));
    return txt::Status::Fail("disk full");
  }
  txt::Status createNew(const std::string& p, bool& taken) override { return real_.createNew(p, taken); }
  txt::Status replace(const std::string& from, const std::string& to) override {
    ++replaces;
    return failReplace && hits(to) ? txt::Status::Fail("sharing violation") : real_.replace(from, to);
  }
  txt::Status copy(const std::string& from, const std::string& to) override {
    ++copies;
    if (cutCopy) {
      std::string bytes;
      real_.readAll(from, bytes);
      real_.writeNew(to, bytes.substr(0, bytes.size() / 2));
      return txt::Status::Fail("copy cut short");
    }
    return failCopy && hits(to) ? txt::Status::Fail("copy refused") : real_.copy(from, to);
  }
  txt::Status remove(const std::string& p) override { return real_.remove(p); }
  txt::Status makeDirectory(const std::string& p) override { return real_.makeDirectory(p); }

 private:
  bool hits(const std::string& p) const { return failOnly.empty() || p.find(failOnly) != std::string::npos; }
  plat::FileSystem& real_;
};

}  // namespace testing_support
