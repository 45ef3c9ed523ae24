#include "users/collation.h"

#include <algorithm>
#include <cstdint>

#include "text/cp1252.h"

namespace zorq {

namespace {

// Weights of one name, level by level.
struct Weights {
  std::vector<std::uint16_t> base;  // signs, then digits, then letters
  std::vector<std::uint8_t> accent;
  std::vector<std::uint8_t> letterCase;
};

constexpr std::uint16_t kDigit = 0x100, kLetter = 0x200;

// The plain letters a Windows-1252 letter with an accent stands for
// ("" when the byte is no such letter).
std::string_view baseLetters(unsigned char lower) {
  switch (lower) {
    case 0xE0:
    case 0xE1:
    case 0xE2:
    case 0xE3:
    case 0xE4:
    case 0xE5: return "a";
    case 0xE6: return "ae";
    case 0xE7: return "c";
    case 0xE8:
    case 0xE9:
    case 0xEA:
    case 0xEB: return "e";
    case 0xEC:
    case 0xED:
    case 0xEE:
    case 0xEF: return "i";
    case 0xF0: return "d";
    case 0xF1: return "n";
    case 0xF2:
    case 0xF3:
    case 0xF4:
    case 0xF5:
    case 0xF6:
    case 0xF8: return "o";
    case 0xF9:
    case 0xFA:
    case 0xFB:
    case 0xFC: return "u";
    case 0xFD:
    case 0xFF: return "y";
    case 0xFE: return "th";
    case 0xDF: return "ss";
    case 0x9A: return "s";
    case 0x9C: return "oe";
    case 0x9E: return "z";
    default: return {};
  }
}

Weights weightsOf(std::string_view name) {
  Weights w;
  for (char c : name) {
    const auto lower = static_cast<unsigned char>(txt::lower1252(c));
    w.letterCase.push_back(lower != static_cast<unsigned char>(c) ? 1 : 0);
    if (std::string_view letters = baseLetters(lower); !letters.empty()) {
      for (char l : letters)
        w.base.push_back(static_cast<std::uint16_t>(kLetter + static_cast<unsigned char>(l)));
      w.accent.push_back(1);
      continue;
    }
    w.accent.push_back(0);
    if (lower >= 'a' && lower <= 'z')
      w.base.push_back(static_cast<std::uint16_t>(kLetter + lower));
    else if (lower >= '0' && lower <= '9')
      w.base.push_back(static_cast<std::uint16_t>(kDigit + lower));
    else
      w.base.push_back(lower);
  }
  return w;
}

}  // namespace

bool sortsBefore(std::string_view a, std::string_view b) {
  const Weights x = weightsOf(a), y = weightsOf(b);
  if (x.base != y.base) return x.base < y.base;
  if (x.accent != y.accent) return x.accent < y.accent;
  if (x.letterCase != y.letterCase) return x.letterCase < y.letterCase;
  return a < b;
}

std::size_t insertSorted(std::vector<std::string>& names, std::string name) {
  auto place = std::upper_bound(names.begin(), names.end(), name,
                                [](const std::string& n, const std::string& e) { return sortsBefore(n, e); });
  return static_cast<std::size_t>(names.insert(place, std::move(name)) - names.begin());
}

bool holdsExactly(const std::vector<std::string>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace zorq
