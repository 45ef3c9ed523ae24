#include "text/numbers.h"

#include <cmath>
#include <limits>

namespace txt {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of text that forms a decimal number, and its
// value. Zero length when text does not start with one.
std::size_t scanNumber(std::string_view text, double& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  double v = 0;
  std::size_t digits = 0;
  for (; i < text.size() && isDigit(text[i]); ++i, ++digits) v = v * 10 + (text[i] - '0');
  if (i < text.size() && text[i] == '.') {
    std::size_t j = i + 1;
    double scale = 0.1;
    std::size_t fraction = 0;
    for (; j < text.size() && isDigit(text[j]); ++j, ++fraction, scale /= 10) v += (text[j] - '0') * scale;
    if (digits + fraction > 0) {
      i = j;
      digits += fraction;
    }
  }
  if (digits == 0) return 0;
  value = negative ? -v : v;
  return i;
}

}  // namespace

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<double> parseNumber(std::string_view text) {
  text = trimBlanks(text);
  double value = 0;
  std::size_t used = scanNumber(text, value);
  if (used == 0 || used != text.size()) return std::nullopt;
  return value;
}

double leadingValue(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  double value = 0;
  return scanNumber(text, value) ? value : 0.0;
}

double roundHalfEven(double value) { return std::nearbyint(value); }

long long wholeValue(std::string_view text) {
  double v = roundHalfEven(leadingValue(text));
  constexpr double kLimit = 9.2e18;
  if (!(v > -kLimit && v < kLimit))
    return v < 0 ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
  return static_cast<long long>(v);
}

std::string numberFormat(long long value) {
  std::string digits = std::to_string(value);
  return value < 0 ? digits + " " : " " + digits + " ";
}

std::string ZeroIfEmpty(const std::string& text) { return text.empty() ? std::string("0") : text; }

}  // namespace txt
