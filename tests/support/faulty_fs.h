// A file system that passes every call to another one but fails the
// operations a test chooses, to see how callers cope with write errors.
//
// Besides the simple switches, one fault can be armed: the n-th operation of
// a kind fails. Writing a file is seen as its steps: creating it, writing it
// in pieces of kWritePiece bytes, flushing it. A failed write leaves the
// pieces before it on the disk, as a full disk would.
#pragma once

#include <algorithm>
#include <new>
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace testing_support {

class FaultyFileSystem : public plat::FileSystem {
 public:
  explicit FaultyFileSystem(plat::FileSystem& real) : real_(real) {}

  enum class Fault {
    None,
    Create,   // creating a file fails; nothing is created
    Write,    // one piece of a write fails after the pieces before it
    Flush,    // every byte is written, flushing it fails
    Replace,  // putting the temporary file in place fails
    Backup,   // copying the old file as a backup fails
    Sharing,  // another program holds the target without sharing, past every retry
  };
  static constexpr std::size_t kWritePiece = 64;

  // Fails the n-th operation (from 1) of kind from now on; fired() tells
  // whether it came.
  void arm(Fault kind, int n) {
    armed_ = kind;
    at_ = n;
    seen_ = 0;
    fired_ = false;
    held_.clear();
  }
  bool fired() const { return fired_; }

  bool failWrite = false;    // writeNew writes half the bytes, then fails
  bool failReplace = false;  // replace fails after the temporary file is complete
  bool failCopy = false;
  bool cutCopy = false;  // copy writes half the source, then fails (a program killed while copying)
  std::string failOnly;  // when set, only files whose path contains it fail (armed faults too)
  int writes = 0, replaces = 0, copies = 0;
  int clockAhead = 0;  // seconds the clock is put forward
  // Files whose path contains these: info cannot tell (access denied, say),
  // info says read-only, reading fails, reading runs out of memory.
  std::string unknownInfo, readOnlyInfo, failRead, throwOnRead;

  plat::FileInfo info(const std::string& p) override {
    if (matches(unknownInfo, p)) {
      plat::FileInfo unknown;
      unknown.unknown = true;
      return unknown;
    }
    plat::FileInfo i = real_.info(p);
    if (matches(readOnlyInfo, p) && i.exists) i.readOnly = true;
    return i;
  }
  bool anyOrdinaryFile(const std::string& p) override { return real_.anyOrdinaryFile(p); }
  txt::Status readAll(const std::string& p, std::string& b) override {
    if (matches(throwOnRead, p)) throw std::bad_alloc();
    if (matches(failRead, p)) return txt::Status::Fail("reading " + p + " failed: network error");
    return real_.readAll(p, b);
  }
  txt::Status writeNew(const std::string& p, const std::string& b) override {
    ++writes;
    if (hit(Fault::Create, p)) return txt::Status::Fail("creating " + p + " failed");
    if (armed_ == Fault::Write) {
      for (std::size_t done = 0; done < std::max<std::size_t>(b.size(), 1); done += kWritePiece)
        if (hit(Fault::Write, p)) {
          real_.writeNew(p, b.substr(0, done));
          return txt::Status::Fail("writing " + p + " failed: disk full");
        }
    }
    if (hit(Fault::Flush, p)) {
      real_.writeNew(p, b);
      return txt::Status::Fail("flushing " + p + " failed");
    }
    if (!failWrite || !hits(p)) return real_.writeNew(p, b);
    real_.writeNew(p, b.substr(0, b.size() / 2));
    return txt::Status::Fail("disk full");
  }
  txt::Status createNew(const std::string& p, bool& taken) override {
    if (hit(Fault::Create, p)) {
      taken = false;
      return txt::Status::Fail("creating " + p + " failed");
    }
    return real_.createNew(p, taken);
  }
  txt::Status replace(const std::string& from, const std::string& to) override {
    ++replaces;
    if (hit(Fault::Replace, to)) return txt::Status::Fail("replacing " + to + " failed");
    if (heldBySomebody(to)) return txt::Status::Fail("replacing " + to + " failed: sharing violation");
    return failReplace && hits(to) ? txt::Status::Fail("sharing violation") : real_.replace(from, to);
  }
  // Fails as replace does: it is the other way to put a file in place.
  txt::Status moveNew(const std::string& from, const std::string& to, bool& taken) override {
    ++replaces;
    taken = false;
    if (hit(Fault::Replace, to)) return txt::Status::Fail("moving to " + to + " failed");
    if (heldBySomebody(to)) return txt::Status::Fail("moving to " + to + " failed: sharing violation");
    return failReplace && hits(to) ? txt::Status::Fail("sharing violation") : real_.moveNew(from, to, taken);
  }
  txt::Status copy(const std::string& from, const std::string& to) override {
    ++copies;
    if (hit(Fault::Backup, from)) return txt::Status::Fail("copying " + from + " failed");
    if (heldBySomebody(from)) return txt::Status::Fail("copying " + from + " failed: sharing violation");
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
  txt::Status removeEmptyDirectory(const std::string& p) override { return real_.removeEmptyDirectory(p); }
  txt::Status makeWritable(const std::string& p) override { return real_.makeWritable(p); }
  std::vector<std::string> filesEndingWith(const std::string& folder, const std::string& suffix) override {
    return real_.filesEndingWith(folder, suffix);
  }
  std::uint64_t now() override {
    return real_.now() + static_cast<std::uint64_t>(clockAhead) * real_.ticksPerSecond();
  }
  std::uint64_t ticksPerSecond() override { return real_.ticksPerSecond(); }

 private:
  static bool matches(const std::string& part, const std::string& p) {
    return !part.empty() && p.find(part) != std::string::npos;
  }
  bool hits(const std::string& p) const { return failOnly.empty() || p.find(failOnly) != std::string::npos; }
  bool hit(Fault kind, const std::string& path) {
    if (armed_ != kind || fired_ || !hits(path) || ++seen_ != at_) return false;
    fired_ = true;
    return true;
  }
  // From the n-th replace or copy on, the file it touches stays held.
  bool heldBySomebody(const std::string& path) {
    if (armed_ == Fault::Sharing && !fired_ && hits(path) && ++seen_ == at_) {
      fired_ = true;
      held_ = path;
    }
    return !held_.empty() && held_ == path;
  }

  plat::FileSystem& real_;
  Fault armed_ = Fault::None;
  int at_ = 0, seen_ = 0;
  bool fired_ = false;
  std::string held_;
};

}  // namespace testing_support
