// Windows-1252 strings to and from the wide strings of the W functions.
#pragma once

#include <string>
#include <string_view>

#include "text/cp1252.h"

namespace plat {

inline std::wstring wide(std::string_view cp1252) {
  std::u16string u = txt::toUtf16(cp1252);
  return std::wstring(u.begin(), u.end());
}

inline std::string narrow(std::wstring_view w) {
  return txt::fromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(w.data()), w.size()));
}

}  // namespace plat
