// Result of a load or save: empty message means success.
#pragma once

#include <string>
#include <utility>

namespace txt {

struct Status {
  std::string error;  // first problem met, in plain words; empty when all went well

  static Status Ok() { return {}; }
  static Status Fail(std::string what) { return Status{std::move(what)}; }
  bool ok() const { return error.empty(); }
  explicit operator bool() const { return ok(); }
};

}  // namespace txt
