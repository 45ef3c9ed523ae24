// Builds the bytes of a settings file: every line ends with CR LF.
#pragma once

#include <string>
#include <string_view>

namespace txt {

class Writer {
 public:
  // A string value, unchanged.
  Writer& line(std::string_view text);
  // A number value in the number format (" 5 ", "-1 ").
  Writer& number(long long value);

  const std::string& bytes() const { return out_; }

 private:
  std::string out_;
};

}  // namespace txt
