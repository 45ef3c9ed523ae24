// Feeds arbitrary bytes to the settings-file reader: every read must end in
// a value or a clean failure, never in a crash or a hang, and what the
// writer makes of a line must read back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/numbers.h"
#include "text/reader.h"
#include "text/writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the sequence of reads.
  const std::uint8_t plan = data[0];
  txt::Reader reader(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  for (int step = 0; reader.more() && step < 10000; ++step) {
    std::string s;
    std::uint8_t u8;
    std::int16_t i16;
    std::int32_t i32;
    switch ((plan >> (step % 4 * 2)) & 3) {
      case 0:
        if (reader.line(s)) {
          txt::Reader again(txt::Writer().line(s).bytes());
          std::string back;
          if (s.find('\n') == std::string::npos && (!again.line(back) || back != s)) __builtin_trap();
        }
        break;
      case 1:
        if (reader.number(i32)) {
          txt::Reader again(txt::Writer().number(i32).bytes());
          std::int32_t back = 0;
          if (!again.number(back) || back != i32) __builtin_trap();
        }
        break;
      case 2:
        if (step % 2)
          reader.number(u8);
        else
          reader.number(i16);
        break;
      default:
        reader.text(s);
        reader.chars(static_cast<std::size_t>(plan % 7), s);
        txt::wholeValue(s);
        break;
    }
  }
  return 0;
}
