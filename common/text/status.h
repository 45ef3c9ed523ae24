// Result of a load or save: empty message means success.
#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <utility>

namespace txt {

struct Status {
  std::string error;     // first problem met, in plain words; empty when all went well
  std::size_t line = 0;  // where a file's reading failed (from 1); 0 when no line is to blame

  static Status Ok() { return {}; }
  static Status Fail(std::string what) {
    Status s;
    s.error = std::move(what);
    return s;
  }
  // A reading failure in a line of a file: "Zeile 17: ..." with the reason
  // in German, naming the value and what was expected.
  static Status FailAt(std::size_t line, const std::string& why) {
    Status s = Fail("Zeile " + std::to_string(line) + ": " + why);
    s.line = line;
    return s;
  }
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
};

// Runs a step of a loader or a save that may run out of memory (a file of
// millions of short lines, say): an exception becomes a failure, so that
// none leaves a loader or a handler.
template <class Step>
Status guarded(Step&& step) noexcept {
  try {
    return step();
  } catch (const std::bad_alloc&) {
    return Status::Fail("Zu wenig Speicher.");
  } catch (...) {
    return Status::Fail("Unerwarteter Fehler.");
  }
}

}  // namespace txt
