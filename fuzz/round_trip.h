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
#include <vector>

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

// Two files hold the same values when they have the same lines, where a
// number may be written in the number format or as text (" 5 " and "5"):
// the readers take the numeric value, so both read the same.
inline bool sameValues(const std::string& a, const std::string& b) {
  auto number = [](const std::string& line, long long& value) {
    std::size_t from = line.find_first_not_of(' '), to = line.find_last_not_of(" \r");
    if (from == std::string::npos) return false;
    std::string digits = line.substr(from, to - from + 1);
    std::size_t at = digits[0] == '-' ? 1 : 0;
    if (at >= digits.size() || digits.size() > 18 ||
        digits.find_first_not_of("0123456789", at) != std::string::npos)
      return false;
    value = std::stoll(digits);
    return true;
  };
  std::size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    std::size_t ei = a.find('\n', i), ej = b.find('\n', j);
    if ((ei == std::string::npos) != (ej == std::string::npos)) return false;
    const std::string la = a.substr(i, ei == std::string::npos ? std::string::npos : ei - i);
    const std::string lb = b.substr(j, ej == std::string::npos ? std::string::npos : ej - j);
    long long va = 0, vb = 0;
    if (la != lb && !(number(la, va) && number(lb, vb) && va == vb)) return false;
    if (ei == std::string::npos) break;
    i = ei + 1;
    j = ej + 1;
  }
  return true;
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
  expect(sameValues(save(back), saved), "what was saved loads back to other values");
}

}  // namespace fuzz
