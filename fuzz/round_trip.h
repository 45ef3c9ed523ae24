// What every loader's fuzz target shares: the input as a file (or two files
// split at the first NUL byte), and the round trip: whatever a loader makes
// of any bytes, what the model saves of it loads back without an error to
// the same values, and saves to the same bytes again.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace fuzz {

inline std::string bytesOf(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Two files in one input: the first up to the first NUL, the second after it.
inline std::pair<std::string, std::string> twoFiles(const std::string& input) {
  std::size_t at = input.find('\0');
  if (at == std::string::npos) return {input, std::string()};
  return {input.substr(0, at), input.substr(at + 1)};
}

[[noreturn]] inline void finding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

inline void expect(bool ok, const char* what) {
  if (!ok) finding(what);
}

// load(bytes, value) -> txt::Status, save(value) -> bytes. The value starts
// as Value{} each time, as a dialog's defaults do.
template <class Value, class Load, class Save>
void roundTrip(const std::string& bytes, Load load, Save save) {
  Value value{};
  (void)load(bytes, value);
  const std::string saved = save(value);
  Value back{};
  expect(load(saved, back).ok(), "what was saved does not load");
  expect(save(back) == saved, "what was saved loads back to other values");
}

}  // namespace fuzz
