// Result of a load or save: empty message means success.
#pragma once

#include <cstddef>
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

}  // namespace txt
