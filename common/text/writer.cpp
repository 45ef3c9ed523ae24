#include "text/writer.h"

#include "text/numbers.h"

namespace txt {

Writer& Writer::line(std::string_view text) {
  out_.append(text);
  out_.append("\r\n");
  return *this;
}

Writer& Writer::number(long long value) { return line(numberFormat(value)); }

}  // namespace txt
